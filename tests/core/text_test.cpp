#include <gtest/gtest.h>

#include "text.h"

namespace quendal {
namespace {

TEST(TextLength, CountsBytesTwoPerChineseCharacter)
{
    EXPECT_EQ(textLength(""), 0);
    EXPECT_EQ(textLength("45"), 2);
    EXPECT_EQ(textLength(toGbk("工期天数")), 8);
}

TEST(TextLength, MeasuresTheProgramsOwnTexts)
{
    EXPECT_EQ(textLength(toGbk("出错！")), 6);
    EXPECT_EQ(textLength(toGbk("修改开、竣工日期可计算工期及间隔天数")), 36);
    EXPECT_EQ(textLength(toGbk("输入工期天数按回车键，即可计算相应的开、竣工日期")), 48);
    EXPECT_EQ(textLength(toGbk("By：Qorv  kelm31")), 16);
}

TEST(LeftBytes, CutsByBytesEvenInsideACharacter)
{
    const Text duration = toGbk("工期");
    ASSERT_EQ(duration.size(), 4u);
    EXPECT_EQ(leftBytes(duration, 3), duration.substr(0, 3));
    EXPECT_EQ(leftBytes(duration, 0), "");
    EXPECT_EQ(leftBytes(duration, -5), "");
    EXPECT_EQ(leftBytes("", 5), "");
    EXPECT_EQ(leftBytes("45", 9), "45");
}

TEST(GbkConversion, RoundTripsChineseAndAscii)
{
    const std::string original = "开工日期：2026 By：Qorv";
    EXPECT_EQ(fromGbk(toGbk(original)), original);
    EXPECT_EQ(toGbk("出错！"), "\xB3\xF6\xB4\xED\xA3\xA1");
}

TEST(GbkConversion, ReplacesWhatCannotBeHeldByQuestionMarks)
{
    EXPECT_EQ(toGbk("a\U0001F600b"), "a?b");                 // emoji: not in GBK
    EXPECT_EQ(fromGbk(leftBytes(toGbk("工期"), 3)), "工?");  // lone lead byte
}

}  // namespace
}  // namespace quendal
