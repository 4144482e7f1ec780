#include "widget_form.h"

#include "main_window.h"
#include "qt_text.h"

namespace quendal {

WidgetForm::WidgetForm(MainWindow& window) : window_(window) {}

DateValue WidgetForm::startDate() const
{
    return window_.startDateBox()->value();
}

void WidgetForm::setStartDate(DateValue value)
{
    window_.startDateBox()->setValue(value);
}

DateValue WidgetForm::endDate() const
{
    return window_.endDateBox()->value();
}

void WidgetForm::setEndDate(DateValue value)
{
    window_.endDateBox()->setValue(value);
}

void WidgetForm::setStartDateBold(bool bold)
{
    window_.startDateBox()->setBold(bold);
}

void WidgetForm::setEndDateBold(bool bold)
{
    window_.endDateBox()->setBold(bold);
}

Text WidgetForm::durationText() const
{
    return toText(window_.durationBox()->text());
}

void WidgetForm::setDurationText(const Text& text)
{
    window_.durationBox()->writeText(toQString(text));
}

Text WidgetForm::intervalText() const
{
    return toText(window_.intervalBox()->text());
}

void WidgetForm::setIntervalText(const Text& text)
{
    window_.intervalBox()->writeText(toQString(text));
}

void WidgetForm::setDurationInputMode(InputMode mode)
{
    window_.durationBox()->setInputMode(mode);
}

void WidgetForm::setDurationBackgroundColour(Colour colour)
{
    window_.durationBox()->setBackgroundColour(colour);
}

void WidgetForm::setDurationSelectionStart(std::int32_t start)
{
    window_.durationBox()->setSelectionStart(start);
}

void WidgetForm::setDurationSelectionLength(std::int32_t length)
{
    window_.durationBox()->setSelectionLength(length);
}

void WidgetForm::setFocus()
{
    window_.durationBox()->setFocus(Qt::OtherFocusReason);
}

bool WidgetForm::ruleChecked(CalcRule rule) const
{
    return window_.ruleButton(rule)->isChecked();
}

void WidgetForm::setRuleChecked(CalcRule rule, bool checked)
{
    // An exclusive button refuses to be unchecked while it is the checked
    // one; the write must take effect as written.
    QRadioButton* button = window_.ruleButton(rule);
    button->setAutoExclusive(false);
    button->setChecked(checked);
    button->setAutoExclusive(true);
}

void WidgetForm::setBannerCaption(const Text& caption)
{
    if (caption != bannerCaption_) {
        bannerCaption_ = caption;
        window_.bannerLabel()->setCaption(toQString(caption));
    }
}

std::int32_t WidgetForm::bannerLeft() const
{
    return window_.bannerLabel()->x();
}

void WidgetForm::setBannerLeft(std::int32_t left)
{
    Label* banner = window_.bannerLabel();
    banner->move(clampPosition(left), banner->y());
}

std::int32_t WidgetForm::bannerWidth() const
{
    return window_.bannerLabel()->width();
}

void WidgetForm::setBannerWidth(std::int32_t width)
{
    Label* banner = window_.bannerLabel();
    banner->resize(clampExtent(width), banner->height());
}

std::int32_t WidgetForm::windowWidth() const
{
    return window_.outerFrameWidth();
}

}  // namespace quendal
