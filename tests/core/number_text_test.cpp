#include <gtest/gtest.h>

#include "row_name.h"

#include <cmath>
#include <limits>

#include "number_text.h"

namespace quendal {
namespace {

struct TextToIntegerCase {
    const char* name;
    Text text;
    std::int32_t expected;
};

class TextToIntegerTest : public ::testing::TestWithParam<TextToIntegerCase> {};

TEST_P(TextToIntegerTest, ReadsTheLeadingNumber)
{
    EXPECT_EQ(textToInteger(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TextToIntegerTest,
    ::testing::Values(
        TextToIntegerCase{"empty", "", 0}, TextToIntegerCase{"trailingLetters", "12abc", 12},
        TextToIntegerCase{"minus", "-5", -5}, TextToIntegerCase{"plus", "+7", 7},
        TextToIntegerCase{"leadingBlanks", " \t\r\n42", 42}, TextToIntegerCase{"innerBlank", "4 2", 4},
        TextToIntegerCase{"blankAfterSign", "- 5", 0}, TextToIntegerCase{"decimalPoint", "3.9", 3},
        TextToIntegerCase{"exponent", "1e3", 1}, TextToIntegerCase{"letters", "abc", 0},
        TextToIntegerCase{"lonelyMinus", "-", 0}, TextToIntegerCase{"errorText", toGbk("出错！"), 0},
        TextToIntegerCase{"fullWidthDigits", toGbk("１２"), 12},
        TextToIntegerCase{"fullWidthMinus", toGbk("－３"), -3},
        TextToIntegerCase{"ideographicSpace", toGbk("　7"), 7},
        TextToIntegerCase{"largestValue", "2147483647", 2147483647},
        TextToIntegerCase{"wrapsToMinimum", "2147483648", std::numeric_limits<std::int32_t>::min()},
        TextToIntegerCase{"minimum", "-2147483648", std::numeric_limits<std::int32_t>::min()},
        TextToIntegerCase{"wrapsPast2To32", "4294967297", 1},
        TextToIntegerCase{"wrapsNegative", "3000000000", -1294967296},
        TextToIntegerCase{"veryLong", "99999999999999999999", 1661992959},
        TextToIntegerCase{"loneLeadByteAtEnd", "12\xB3", 12},
        TextToIntegerCase{"loneLeadByteOnly", "\xB3", 0}),
    ::quendal::testing::RowName());

TEST(NormaliseWideChars, MapsWideFormsAndDropsALoneLeadByte)
{
    EXPECT_EQ(normaliseWideChars(toGbk("１２－～☆★　＋")), "12-~** +");
    EXPECT_EQ(normaliseWideChars(toGbk("工期") + "\xB3"), toGbk("工期"));
    EXPECT_EQ(normaliseWideChars(toGbk("出错！")), toGbk("出错") + "!");
}

struct RealToIntegerCase {
    const char* name;
    double real;
    std::int32_t expected;
};

class RealToIntegerTest : public ::testing::TestWithParam<RealToIntegerCase> {};

TEST_P(RealToIntegerTest, TruncatesAndKeepsTheLow32Bits)
{
    EXPECT_EQ(realToInteger(GetParam().real), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RealToIntegerTest,
    ::testing::Values(RealToIntegerCase{"whole", 29.0, 29},
                      RealToIntegerCase{"justBelowWhole", 28.999999999, 28},
                      RealToIntegerCase{"fraction", 29.9, 29}, RealToIntegerCase{"smallNegative", -0.4, 0},
                      RealToIntegerCase{"negativeFraction", -29.9, -29},
                      RealToIntegerCase{"minusOne", -1.0, -1},
                      RealToIntegerCase{"twoTo31", 2147483648.0, std::numeric_limits<std::int32_t>::min()},
                      RealToIntegerCase{"twoTo32PlusOneAndAHalf", 4294967297.5, 1},
                      RealToIntegerCase{"largestBelow2To63", 9223372036854774784.0, -1024},
                      RealToIntegerCase{"twoTo63", 9223372036854775808.0, 0},
                      RealToIntegerCase{"minusTwoTo63", -9223372036854775808.0, 0},
                      RealToIntegerCase{"beyond64Bits", -1e300, 0},
                      RealToIntegerCase{"infinity", std::numeric_limits<double>::infinity(), 0},
                      RealToIntegerCase{"nan", std::numeric_limits<double>::quiet_NaN(), 0}),
    ::quendal::testing::RowName());

struct RealToTextCase {
    const char* name;
    double real;
    const char* expected;
};

class RealToTextTest : public ::testing::TestWithParam<RealToTextCase> {};

TEST_P(RealToTextTest, WritesThirteenSignificantDigits)
{
    EXPECT_EQ(realToText(GetParam().real), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RealToTextTest,
    ::testing::Values(RealToTextCase{"whole", 30.0, "30"}, RealToTextCase{"half", 29.5, "29.5"},
                      RealToTextCase{"tenth", 0.1, "0.1"}, RealToTextCase{"zero", 0.0, "0"},
                      RealToTextCase{"negative", -44.0, "-44"},
                      RealToTextCase{"twoTo31", 2147483648.0, "2147483648"},
                      RealToTextCase{"thirteenDigits", 1234567890123.0, "1234567890123"},
                      RealToTextCase{"fourteenDigitsRound", 12345678901234.0, "1.234567890123e+013"},
                      RealToTextCase{"tenTo15", 1e15, "1e+015"},
                      RealToTextCase{"smallExponent", 0.00001, "1e-005"},
                      RealToTextCase{"fixedAtMinus4", 0.0001, "0.0001"},
                      RealToTextCase{"threeDigitExponent", 1.5e300, "1.5e+300"},
                      RealToTextCase{"roundsToThirteen", 2.0 / 3.0, "0.6666666666667"}),
    ::quendal::testing::RowName());

TEST(IntegerToText, WritesPlainDecimal)
{
    EXPECT_EQ(integerToText(0), "0");
    EXPECT_EQ(integerToText(44), "44");
    EXPECT_EQ(integerToText(std::numeric_limits<std::int32_t>::min()), "-2147483648");
}

TEST(AbsoluteValue, NegatesOnlyNegatives)
{
    EXPECT_EQ(absoluteValue(-45.0), 45.0);
    EXPECT_EQ(absoluteValue(45.0), 45.0);
    EXPECT_EQ(absoluteValue(2147483648.0), 2147483648.0);
}

}  // namespace
}  // namespace quendal
