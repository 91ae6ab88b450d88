// LeakSanitizer's check of the heap, in builds that carry it: true when some
// block is no longer reachable. Builds without it skip their leak tests.
#pragma once

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
constexpr bool leakCheckAvailable = true;
inline bool heapHasLeaks() { return __lsan_do_recoverable_leak_check() != 0; }
#else
constexpr bool leakCheckAvailable = false;
inline bool heapHasLeaks() { return false; }
#endif
