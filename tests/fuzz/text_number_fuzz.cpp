// Number <-> text conversions and byte-counted text operations on arbitrary
// bytes. The whole input is also used as a text, so lone GBK lead bytes,
// NULs and half characters all reach the readers.
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz_input.h"
#include "number_text.h"
#include "text.h"

namespace {

using quendal::Text;

using quendal::fuzzing::check;
using quendal::fuzzing::load;

bool isBlank(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

void checkRealToText(double x)
{
    const Text text = quendal::realToText(x);
    if (!std::isfinite(x)) {
        return;  // no digits to speak of; only that it does not crash
    }
    const std::size_t e = text.find('e');
    const std::string mantissa = text.substr(0, e);

    // At most 13 significant digits.
    int significant = 0;
    bool leading = true;
    for (const char c : mantissa) {
        if (c >= '1' && c <= '9') {
            leading = false;
        }
        if (c >= '0' && c <= '9' && !leading) {
            ++significant;
        }
    }
    check(significant <= 13, "realToText: more than 13 significant digits");

    // Exactly the value rounded to 13 significant digits: "%.12e" rounds the
    // same way and its reading is the reference.
    char reference[64];
    std::snprintf(reference, sizeof reference, "%.12e", x);
    const double expected = std::strtod(reference, nullptr);
    char* end = nullptr;
    const double shown = std::strtod(text.c_str(), &end);
    check(end == text.c_str() + text.size(), "realToText: not one number");
    check(shown == expected, "realToText: not x rounded to 13 significant digits");

    // Trailing zeros and a bare point are removed.
    if (mantissa.find('.') != std::string::npos) {
        check(mantissa.back() != '0' && mantissa.back() != '.', "realToText: trailing zeros");
    }

    // Exponent notation exactly for decimal exponents outside -4..12, with a
    // sign and at least three digits.
    const int exponent = std::atoi(std::strchr(reference, 'e') + 1);
    const bool wantsExponent = expected != 0.0 && (exponent < -4 || exponent > 12);
    check((e != Text::npos) == wantsExponent, "realToText: wrong notation");
    if (e != Text::npos) {
        const std::string digits = text.substr(e + 2);
        check(text[e + 1] == '+' || text[e + 1] == '-', "realToText: unsigned exponent");
        check(digits.size() >= 3, "realToText: fewer than three exponent digits");
        check(digits.find_first_not_of("0123456789") == std::string::npos,
              "realToText: exponent not decimal");
    }

    // Whole numbers below 10^13 read like integers: the day boxes rely on it.
    if (x == std::trunc(x) && std::fabs(x) < 1e13) {
        check(text.find_first_of(".e") == Text::npos, "realToText: whole number not plain");
        check(std::strtoll(text.c_str(), nullptr, 10) == static_cast<long long>(x),
              "realToText: whole number misread");
    }
}

void checkTextToInteger(const Text& t)
{
    const Text narrow = quendal::normaliseWideChars(t);
    const std::int32_t value = quendal::textToInteger(t);

    // Reading goes through the narrowing, and narrowing twice changes nothing.
    check(value == quendal::textToInteger(narrow), "textToInteger: differs after narrowing");
    check(quendal::normaliseWideChars(narrow) == narrow, "normaliseWideChars: not idempotent");
    check(narrow.size() <= t.size(), "normaliseWideChars: text grew");

    bool ascii = true;
    for (const char c : t) {
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    }
    if (ascii) {
        check(narrow == t, "normaliseWideChars: changed an ASCII text");
    }

    // The C library's reading agrees (modulo 2^32) while it cannot overflow.
    std::size_t i = 0;
    while (i < narrow.size() && isBlank(narrow[i])) {
        ++i;
    }
    if (i < narrow.size() && (narrow[i] == '+' || narrow[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    while (i + digits < narrow.size() && narrow[i + digits] >= '0' && narrow[i + digits] <= '9') {
        ++digits;
    }
    if (digits <= 18) {
        const long long wide = std::strtoll(narrow.c_str(), nullptr, 10);
        const auto low = static_cast<std::uint32_t>(static_cast<unsigned long long>(wide));
        check(static_cast<std::uint32_t>(value) == low, "textToInteger: disagrees with strtoll");
    }
}

void checkIntegerToText(std::int32_t n)
{
    const Text text = quendal::integerToText(n);
    check(quendal::textToInteger(text) == n, "integerToText: does not read back");
    check(text.find_first_not_of("-0123456789") == Text::npos, "integerToText: not decimal");
}

void checkRealToInteger(double x)
{
    const std::int32_t n = quendal::realToInteger(x);
    if (std::isnan(x) || std::isinf(x)) {
        check(n == 0, "realToInteger: NaN or infinity not 0");
    } else if (std::fabs(x) < 2147483648.0) {
        check(n == static_cast<std::int32_t>(std::trunc(x)), "realToInteger: not truncation");
    }
}

void checkLeftBytes(const Text& t, std::int32_t n)
{
    const std::int32_t length = quendal::textLength(t);
    check(length == static_cast<std::int32_t>(t.size()), "textLength: not the byte count");
    const Text left = quendal::leftBytes(t, n);
    const std::int32_t expected = n <= 0 ? 0 : (n < length ? n : length);
    check(static_cast<std::int32_t>(left.size()) == expected, "leftBytes: wrong length");
    check(t.compare(0, left.size(), left) == 0, "leftBytes: not a prefix");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Text text(reinterpret_cast<const char*>(data), size);
    const auto real = load<double>(data, size, 0);
    const auto integer = load<std::int32_t>(data, size, 0);

    checkRealToText(real);
    checkRealToInteger(real);
    checkIntegerToText(integer);
    checkTextToInteger(text);
    // Skipping the first bytes lets the text start with a lone lead byte or
    // the second half of a character as well.
    checkTextToInteger(size > 8 ? text.substr(8) : Text());
    checkLeftBytes(text, integer);
    checkLeftBytes(text, static_cast<std::int8_t>(size > 0 ? data[0] : 0));
    return 0;
}
