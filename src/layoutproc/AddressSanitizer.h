#pragma once
// True when this translation unit is built with AddressSanitizer. g++ says so with
// __SANITIZE_ADDRESS__, clang only through __has_feature.
#if defined(__SANITIZE_ADDRESS__)
#define KEDRIN_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KEDRIN_ADDRESS_SANITIZER 1
#endif
#endif
