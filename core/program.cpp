#include "program.h"

#include "number_text.h"
#include "recalculation.h"

namespace quendal {

namespace {

constexpr std::int32_t initialSpanDays = 29;
constexpr double bannerPixelsPerByte = 6.0;
constexpr double bannerStepPixels = 2.0;

}  // namespace

void onWindowCreated(CalculatorForm& form, ProgramState& state)
{
    state.bannerIndex = 1;
    state.bannerMessages[0] = toGbk("修改开、竣工日期可计算工期及间隔天数");
    state.bannerMessages[1] = toGbk("输入工期天数按回车键，即可计算相应的开、竣工日期");
    state.bannerMessages[2] = toGbk("By：Qorv  kelm31");
    form.setEndDate(addDays(form.startDate(), initialSpanDays));
    recalculate(form);
}

void onProgramExit(ProgramState& state)
{
    for (Text& message : state.bannerMessages) {
        Text().swap(message);  // release the storage, not just the length
    }
}

void onBannerTick(CalculatorForm& form, ProgramState& state)
{
    if (state.bannerIndex > 3) {
        state.bannerIndex = 1;
    }
    if (state.bannerIndex >= 1 && state.bannerIndex <= 3) {
        const Text& message = state.bannerMessages[static_cast<std::size_t>(state.bannerIndex - 1)];
        form.setBannerCaption(message);
        form.setBannerWidth(realToInteger(textLength(message) * bannerPixelsPerByte));
    }
    form.setBannerLeft(realToInteger(form.bannerLeft() - bannerStepPixels));

    const double width = form.bannerWidth();
    const double left = form.bannerLeft();
    // Restart once the right edge is at -1 or further left.
    if (left - (-width) < -0.0000001) {
        form.setBannerLeft(form.windowWidth());
        ++state.bannerIndex;
    }
}

}  // namespace quendal
