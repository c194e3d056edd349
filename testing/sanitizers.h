#pragma once

// Test support: GEOWEAVE_ASAN is defined in a build with AddressSanitizer,
// which reserves terabytes of address space at start, so tests that limit
// the address space (ulimit -v, RLIMIT_AS) skip themselves there.

#if defined(__SANITIZE_ADDRESS__)
#define GEOWEAVE_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define GEOWEAVE_ASAN 1
#endif
#endif
