#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "calculator_form.h"

namespace quendal::testing {

// A form held in memory that behaves as the window does towards the
// calculator: every write of the duration text raises onDurationTextChanged
// inside the write, date writes outside the calendar are refused, and the
// duration box has a caret, a focus and the integer-entry filter. Every write
// is appended to log() so tests can check the order of nested events.
class MemoryForm final : public CalculatorForm {
public:
    enum class Focus { ruleButton, durationBox, otherControl };

    MemoryForm(DateValue start, DateValue end);

    // CalculatorForm
    DateValue startDate() const override { return startDate_; }
    void setStartDate(DateValue value) override;
    DateValue endDate() const override { return endDate_; }
    void setEndDate(DateValue value) override;
    void setStartDateBold(bool bold) override;
    void setEndDateBold(bool bold) override;
    Text durationText() const override { return durationText_; }
    void setDurationText(const Text& text) override;
    Text intervalText() const override { return intervalText_; }
    void setIntervalText(const Text& text) override;
    void setDurationInputMode(InputMode mode) override;
    void setDurationBackgroundColour(Colour colour) override;
    void setDurationSelectionStart(std::int32_t start) override;
    void setDurationSelectionLength(std::int32_t length) override;
    void setFocus() override;
    bool ruleChecked(CalcRule rule) const override;
    void setRuleChecked(CalcRule rule, bool checked) override;
    void setBannerCaption(const Text& caption) override;
    std::int32_t bannerLeft() const override { return bannerLeft_; }
    void setBannerLeft(std::int32_t left) override;
    std::int32_t bannerWidth() const override { return bannerWidth_; }
    void setBannerWidth(std::int32_t width) override;
    std::int32_t windowWidth() const override { return windowWidth_; }

    // What the user does.
    void typeCharacter(char character);                                // the key event, then the character
    void pressKey(std::int32_t keyCode, std::int32_t shiftState = 0);  // a key without a character
    void paste(const Text& text);                                      // unfiltered, replaces the selection
    void backspace();  // deletes the selection or the byte before the caret
    void placeCaret(std::int32_t position);
    void focusDurationBox();
    void clickRuleButton(CalcRule rule);  // takes the focus, then click
    void pressRuleLabel(CalcRule rule);   // the focus stays where it is
    void pickStartDate(DateValue value);  // a user edit, reported at once
    void pickEndDate(DateValue value);

    // What the controls hold beyond the calculator's fields.
    bool startDateBold() const { return startDateBold_; }
    bool endDateBold() const { return endDateBold_; }
    InputMode durationInputMode() const { return inputMode_; }
    Colour durationBackgroundColour() const { return background_; }
    std::int32_t caretPosition() const { return caret_; }
    std::int32_t selectionLength() const { return selectionLength_; }
    Focus focus() const { return focus_; }
    const Text& bannerCaption() const { return bannerCaption_; }
    int durationTextChangedCount() const { return durationTextChangedCount_; }
    int recursionDepth() const { return maxDepth_; }

    const std::vector<std::string>& log() const { return log_; }
    void clearLog() { log_.clear(); }

private:
    void raiseDurationTextChanged();
    void userEdit(const Text& replacement);
    void loseFocus();

    DateValue startDate_;
    DateValue endDate_;
    bool startDateBold_ = false;
    bool endDateBold_ = false;
    Text durationText_;
    Text intervalText_;
    InputMode inputMode_ = InputMode::readOnly;
    Colour background_ = systemDefaultColour;
    std::int32_t caret_ = 0;
    std::int32_t selectionLength_ = 0;  // selected bytes ending at the caret
    Focus focus_ = Focus::ruleButton;
    bool checked_[3] = {true, false, false};
    Text bannerCaption_;
    std::int32_t bannerLeft_ = 471;
    std::int32_t bannerWidth_ = 471;
    std::int32_t windowWidth_ = 471;
    int durationTextChangedCount_ = 0;
    int depth_ = 0;
    int maxDepth_ = 0;
    std::vector<std::string> log_;
};

}  // namespace quendal::testing
