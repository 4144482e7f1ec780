#include "number_text.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace quendal {

namespace {

// Two's complement reading of the low 32 bits, without relying on an
// implementation-defined narrowing conversion.
std::int32_t fromWrapped(std::uint32_t bits)
{
    return bits <= INT32_MAX ? static_cast<std::int32_t>(bits)
                             : static_cast<std::int32_t>(static_cast<std::int64_t>(bits) - 0x100000000LL);
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The one-byte equivalent of a two-byte GBK character, or 0 if it has none.
char narrowForm(unsigned char first, unsigned char second)
{
    if (first == 0xA3 && second >= 0xA1 && second <= 0xFE) {
        return static_cast<char>(second - 0x80);
    }
    if (first == 0xA1) {
        switch (second) {
        case 0xA1:
            return ' ';
        case 0xAB:
            return '~';
        case 0xEE:
        case 0xEF:
            return '*';
        default:
            break;
        }
    }
    return 0;
}

}  // namespace

std::int32_t realToInteger(double x)
{
    constexpr double twoTo63 = 9223372036854775808.0;
    if (!(x >= -twoTo63 && x < twoTo63)) {  // NaN fails too
        return 0;
    }
    const auto wide = static_cast<std::int64_t>(x);
    return fromWrapped(static_cast<std::uint32_t>(static_cast<std::uint64_t>(wide)));
}

Text normaliseWideChars(const Text& t)
{
    Text out;
    out.reserve(t.size());
    for (std::size_t i = 0; i < t.size(); ++i) {
        const auto first = static_cast<unsigned char>(t[i]);
        if (first < 0x80) {
            out.push_back(t[i]);
            continue;
        }
        if (i + 1 == t.size()) {
            break;  // lone lead byte
        }
        const auto second = static_cast<unsigned char>(t[++i]);
        if (const char narrow = narrowForm(first, second)) {
            out.push_back(narrow);
        } else {
            out.push_back(static_cast<char>(first));
            out.push_back(static_cast<char>(second));
        }
    }
    return out;
}

std::int32_t textToInteger(const Text& t)
{
    const Text narrow = normaliseWideChars(t);
    std::size_t i = 0;
    while (i < narrow.size() && isBlank(narrow[i])) {
        ++i;
    }
    bool negative = false;
    if (i < narrow.size() && (narrow[i] == '+' || narrow[i] == '-')) {
        negative = narrow[i] == '-';
        ++i;
    }
    std::uint32_t value = 0;  // wraps modulo 2^32 by design
    for (; i < narrow.size() && isDigit(narrow[i]); ++i) {
        value = value * 10u + static_cast<std::uint32_t>(narrow[i] - '0');
    }
    return fromWrapped(negative ? 0u - value : value);
}

Text integerToText(std::int32_t n)
{
    return std::to_string(n);
}

Text realToText(double x)
{
    char buffer[64];
    const int written = std::snprintf(buffer, sizeof buffer, "%.13g", x);
    Text text(buffer, written > 0 ? static_cast<std::size_t>(written) : 0);
    // The C library writes at least two exponent digits; the format this
    // program shows has at least three.
    const std::size_t e = text.find('e');
    if (e != Text::npos) {
        const std::size_t digits = e + 2;  // after the exponent's sign
        const std::size_t count = text.size() - digits;
        if (count < 3) {
            text.insert(digits, 3 - count, '0');
        }
    }
    return text;
}

double absoluteValue(double x)
{
    return x < 0 ? -x : x;
}

}  // namespace quendal
