#include "memory_form.h"

#include <cctype>
#include <stdexcept>

#include "duration_entry.h"
#include "entry_rules.h"
#include "recalculation.h"
#include "rule_selection.h"

namespace quendal::testing {

namespace {

// Deep enough for any nesting the calculator may legitimately cause; an
// endless correction fails the test instead of overflowing the stack.
constexpr int maxEventDepth = 64;

std::size_t ruleIndex(CalcRule rule)
{
    return static_cast<std::size_t>(rule) - 1;
}

std::int32_t keyCodeOf(char character)
{
    if (character == '-') {
        return minusKeyCode;
    }
    return std::toupper(static_cast<unsigned char>(character));
}

}  // namespace

MemoryForm::MemoryForm(DateValue start, DateValue end) : startDate_(start), endDate_(end) {}

void MemoryForm::setStartDate(DateValue value)
{
    log_.push_back("startDate");
    if (partsFromDate(value)) {
        startDate_ = value;
    }
}

void MemoryForm::setEndDate(DateValue value)
{
    log_.push_back("endDate");
    if (partsFromDate(value)) {
        endDate_ = value;
    }
}

void MemoryForm::setStartDateBold(bool bold)
{
    log_.push_back(bold ? "startDateBold=1" : "startDateBold=0");
    startDateBold_ = bold;
}

void MemoryForm::setEndDateBold(bool bold)
{
    log_.push_back(bold ? "endDateBold=1" : "endDateBold=0");
    endDateBold_ = bold;
}

void MemoryForm::setDurationText(const Text& text)
{
    log_.push_back("durationText=" + text);
    durationText_ = text;
    caret_ = 0;
    selectionLength_ = 0;
    raiseDurationTextChanged();
}

void MemoryForm::setIntervalText(const Text& text)
{
    log_.push_back("intervalText=" + text);
    intervalText_ = text;
}

void MemoryForm::setDurationInputMode(InputMode mode)
{
    log_.push_back("inputMode=" + std::to_string(static_cast<int>(mode)));
    inputMode_ = mode;
}

void MemoryForm::setDurationBackgroundColour(Colour colour)
{
    log_.push_back("background=" + std::to_string(colour));
    background_ = colour;
}

void MemoryForm::setDurationSelectionStart(std::int32_t start)
{
    log_.push_back("selectionStart=" + std::to_string(start));
    if (start == -1) {
        caret_ = textLength(durationText_);
        selectionLength_ = 0;
    }
}

void MemoryForm::setDurationSelectionLength(std::int32_t length)
{
    log_.push_back("selectionLength=" + std::to_string(length));
    if (length == -1) {
        caret_ = textLength(durationText_);
        selectionLength_ = caret_;
    }
}

void MemoryForm::setFocus()
{
    // Only another control can lose the focus here, and none of them has
    // focus-loss handling; a box that already has the focus is left alone.
    log_.push_back("setFocus");
    focus_ = Focus::durationBox;
}

bool MemoryForm::ruleChecked(CalcRule rule) const
{
    return checked_[ruleIndex(rule)];
}

void MemoryForm::setRuleChecked(CalcRule rule, bool checked)
{
    log_.push_back("checked" + std::to_string(static_cast<int>(rule)) + (checked ? "=1" : "=0"));
    checked_[ruleIndex(rule)] = checked;
}

void MemoryForm::setBannerCaption(const Text& caption)
{
    bannerCaption_ = caption;
}

void MemoryForm::setBannerLeft(std::int32_t left)
{
    bannerLeft_ = clampPosition(left);
}

void MemoryForm::setBannerWidth(std::int32_t width)
{
    bannerWidth_ = clampExtent(width);
}

void MemoryForm::raiseDurationTextChanged()
{
    ++durationTextChangedCount_;
    if (++depth_ > maxEventDepth) {
        depth_ = 0;
        throw std::runtime_error("endless textChanged nesting");
    }
    maxDepth_ = std::max(maxDepth_, depth_);
    onDurationTextChanged(*this);
    --depth_;
}

void MemoryForm::userEdit(const Text& replacement)
{
    const auto begin = static_cast<std::size_t>(caret_ - selectionLength_);
    durationText_.replace(begin, static_cast<std::size_t>(selectionLength_), replacement);
    caret_ = static_cast<std::int32_t>(begin + replacement.size());
    selectionLength_ = 0;
    raiseDurationTextChanged();
}

void MemoryForm::typeCharacter(char character)
{
    pressKey(keyCodeOf(character));
    if (focus_ == Focus::durationBox &&
        acceptsTypedCharacter(inputMode_, static_cast<unsigned char>(character))) {
        userEdit(Text(1, character));
    }
}

void MemoryForm::pressKey(std::int32_t keyCode, std::int32_t shiftState)
{
    if (focus_ == Focus::durationBox) {
        onDurationKeyDown(*this, keyCode, shiftState);
    }
}

void MemoryForm::paste(const Text& text)
{
    if (focus_ == Focus::durationBox && inputMode_ != InputMode::readOnly) {
        userEdit(text);
    }
}

void MemoryForm::backspace()
{
    if (focus_ != Focus::durationBox || inputMode_ == InputMode::readOnly) {
        return;
    }
    if (selectionLength_ == 0) {
        if (caret_ == 0) {
            return;
        }
        selectionLength_ = 1;
    }
    userEdit({});
}

void MemoryForm::placeCaret(std::int32_t position)
{
    caret_ = std::max(0, std::min(position, textLength(durationText_)));
    selectionLength_ = 0;
}

void MemoryForm::focusDurationBox()
{
    focus_ = Focus::durationBox;
}

// The integer-entry clean-up of a duration box that is losing the focus.
void MemoryForm::loseFocus()
{
    if (focus_ != Focus::durationBox || inputMode_ != InputMode::integerEntry) {
        return;
    }
    const Text cleaned = normalisedIntegerText(durationText_);
    if (cleaned == durationText_) {
        return;
    }
    const std::int32_t remembered = caret_ - selectionLength_;
    setDurationText(cleaned);
    placeCaret(remembered);
}

void MemoryForm::clickRuleButton(CalcRule rule)
{
    loseFocus();
    focus_ = Focus::ruleButton;
    for (bool& each : checked_) {
        each = false;
    }
    checked_[ruleIndex(rule)] = true;
    selectRule(*this, rule);
}

void MemoryForm::pressRuleLabel(CalcRule rule)
{
    selectRule(*this, rule);
}

void MemoryForm::pickStartDate(DateValue value)
{
    if (partsFromDate(value)) {
        startDate_ = value;
        onStartDateChanged(*this);
    }
}

void MemoryForm::pickEndDate(DateValue value)
{
    if (partsFromDate(value)) {
        endDate_ = value;
        onEndDateChanged(*this);
    }
}

}  // namespace quendal::testing
