// Allocations the process made so far, counted by counting_allocator.cpp.
#pragma once

namespace testsupport {

long AllocationCount();

} // namespace testsupport
