#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quendal {

// A text is a byte string in the GBK code page: lengths and positions count
// bytes, two for a Chinese character. The empty string is also "no text".
using Text = std::string;

// Number of bytes of t.
std::int32_t textLength(const Text& t);

// The first min(n, textLength(t)) bytes of t; empty for n <= 0. A cut may
// split a two-byte character in half, on purpose.
Text leftBytes(const Text& t, std::int32_t n);

// The one bridge between the UTF-8 of the sources and the toolkit and the
// GBK bytes the calculator measures. Characters GBK cannot hold, and bytes
// that are not a valid character on the way back, become '?'.
Text toGbk(std::string_view utf8);
std::string fromGbk(const Text& gbk);

}  // namespace quendal
