#include "basekit/thread_priority.h"

#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>

namespace basekit {

void LowerThreadToIdlePriority()
{
    sched_param param{};
    if (pthread_setschedparam(pthread_self(), SCHED_IDLE, &param) != 0) {
        // On Linux a process id of 0 names the calling thread here, not the whole process.
        setpriority(PRIO_PROCESS, 0, 19);
    }
}

} // namespace basekit
