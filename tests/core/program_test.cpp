#include "form_fixture.h"

#include "program.h"
#include "recalculation.h"

namespace quendal::testing {
namespace {

TEST(WindowCreated, SetsTheBannerAndTheTwentyNineDaySpan)
{
    const DateValue created = dateFromParts({2026, 12, 11, 23, 59, 59}).value();
    MemoryForm form(created, created + 1);  // the second box was created after midnight
    ProgramState program;
    onWindowCreated(form, program);
    EXPECT_EQ(program.bannerIndex, 1);
    EXPECT_EQ(program.bannerMessages[0], toGbk("修改开、竣工日期可计算工期及间隔天数"));
    EXPECT_EQ(program.bannerMessages[2], toGbk("By：Qorv  kelm31"));
    EXPECT_EQ(form.endDate(), addDays(created, 29));
    EXPECT_EQ(form.intervalText(), "29");
    EXPECT_EQ(form.durationText(), "30");
    const std::vector<std::string> expected{"endDate",         "startDateBold=0", "endDateBold=0",
                                            "intervalText=29", "durationText=30", "intervalText=29"};
    EXPECT_EQ(form.log(), expected);
}

TEST(ProgramExit, ReleasesTheMessages)
{
    MemoryForm form(0.5, 0.5);
    ProgramState program;
    onWindowCreated(form, program);
    onProgramExit(program);
    for (const Text& message : program.bannerMessages) {
        EXPECT_TRUE(message.empty());
        EXPECT_EQ(message.capacity(), Text().capacity());
    }
}

class Banner : public StartedForm {
protected:
    void tick(int times)
    {
        for (int i = 0; i < times; ++i) {
            onBannerTick(form, program);
        }
    }
};

TEST_F(Banner, FirstTickShowsMessageOneEnteringFromTheRight)
{
    tick(1);
    EXPECT_EQ(form.bannerCaption(), program.bannerMessages[0]);
    EXPECT_EQ(form.bannerWidth(), 216);
    EXPECT_EQ(form.bannerLeft(), 469);
}

TEST_F(Banner, RestartsOnlyOnceTheRightEdgeIsPastMinusOne)
{
    tick(343);
    EXPECT_EQ(form.bannerLeft(), -215);
    EXPECT_EQ(program.bannerIndex, 1);
    tick(1);  // tick 344: right edge at -1
    EXPECT_EQ(form.bannerLeft(), 471);
    EXPECT_EQ(program.bannerIndex, 2);
    tick(1);
    EXPECT_EQ(form.bannerCaption(), program.bannerMessages[1]);
    EXPECT_EQ(form.bannerWidth(), 288);
    EXPECT_EQ(form.bannerLeft(), 469);
}

TEST_F(Banner, CyclesThroughAllThreeMessagesIn1008Ticks)
{
    struct Restart {
        int tick;
        std::int32_t leftBefore;
        std::int32_t index;
    };
    const Restart restarts[] = {{344, -217, 2}, {724, -289, 3}, {1008, -97, 4}};
    int now = 0;
    for (const Restart& restart : restarts) {
        tick(restart.tick - now - 1);
        EXPECT_EQ(form.bannerLeft() - 2, restart.leftBefore) << "restart at tick " << restart.tick;
        tick(1);
        now = restart.tick;
        EXPECT_EQ(form.bannerLeft(), 471) << "restart at tick " << restart.tick;
        EXPECT_EQ(program.bannerIndex, restart.index);
    }
    EXPECT_EQ(form.bannerCaption(), program.bannerMessages[2]);
    tick(1);
    EXPECT_EQ(program.bannerIndex, 1);
    EXPECT_EQ(form.bannerCaption(), program.bannerMessages[0]);
    EXPECT_EQ(form.bannerWidth(), 216);
}

}  // namespace
}  // namespace quendal::testing
