#pragma once

namespace quendal::testing {

// How much slower this build runs than a plain optimised one: time bounds in
// tests are stated for the plain build and stretched by this factor.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr int slowdownFactor = 8;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr int slowdownFactor = 8;
#else
inline constexpr int slowdownFactor = 1;
#endif
#else
inline constexpr int slowdownFactor = 1;
#endif

}  // namespace quendal::testing
