#pragma once

#include "calculator_form.h"

namespace quendal {

class MainWindow;

// CalculatorForm over the window's widgets: every read asks the widget,
// every write changes it at once.
class WidgetForm final : public CalculatorForm {
public:
    explicit WidgetForm(MainWindow& window);

    DateValue startDate() const override;
    void setStartDate(DateValue value) override;
    DateValue endDate() const override;
    void setEndDate(DateValue value) override;
    void setStartDateBold(bool bold) override;
    void setEndDateBold(bool bold) override;
    Text durationText() const override;
    void setDurationText(const Text& text) override;
    Text intervalText() const override;
    void setIntervalText(const Text& text) override;
    void setDurationInputMode(InputMode mode) override;
    void setDurationBackgroundColour(Colour colour) override;
    void setDurationSelectionStart(std::int32_t start) override;
    void setDurationSelectionLength(std::int32_t length) override;
    void setFocus() override;
    bool ruleChecked(CalcRule rule) const override;
    void setRuleChecked(CalcRule rule, bool checked) override;
    void setBannerCaption(const Text& caption) override;
    std::int32_t bannerLeft() const override;
    void setBannerLeft(std::int32_t left) override;
    std::int32_t bannerWidth() const override;
    void setBannerWidth(std::int32_t width) override;
    std::int32_t windowWidth() const override;

private:
    MainWindow& window_;
    Text bannerCaption_;  // the GBK caption last shown, to skip converting it again
};

}  // namespace quendal
