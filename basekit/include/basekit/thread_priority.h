/// \file
/// \brief Background threads that never compete with the user-interface thread.
#pragma once

#include "basekit/basekit_export.h"

namespace basekit {

/// Lowers the calling thread to the idle scheduling class (SCHED_IDLE), or to nice 19 where the
/// system refuses that; the work of such a thread is never urgent.
BASEKIT_EXPORT void LowerThreadToIdlePriority();

} // namespace basekit
