#pragma once

#include <cstdint>

#include "text.h"

namespace quendal {

// Truncates toward zero to 64 bits and keeps the low 32; NaN, infinities and
// values beyond the 64-bit range give 0.
std::int32_t realToInteger(double x);

// Copy of t with full-width ASCII forms, the ideographic space, "～", "☆"
// and "★" replaced by their one-byte equivalents; a lone lead byte at the
// end is dropped.
Text normaliseWideChars(const Text& t);

// The leading decimal number of t, wrapping modulo 2^32; 0 without digits.
std::int32_t textToInteger(const Text& t);

// "%d".
Text integerToText(std::int32_t n);

// "%.13g" with at least three exponent digits ("1e+015").
Text realToText(double x);

double absoluteValue(double x);

}  // namespace quendal
