#pragma once

#include <QDateEdit>
#include <QTime>
#include <functional>
#include <optional>

#include "date_change_gate.h"
#include "date_value.h"

namespace quendal {

// A date picker holding a date and a time of day in whole seconds. It shows
// and edits the date only; the time of day is kept through user edits.
// Program writes never report; user changes are queued and pass the shared
// 100 ms gate before onDateChanged runs.
class DateBox final : public QDateEdit {
public:
    // storedPixelHeight: the box's own font, or none for the default GUI font.
    DateBox(DateChangeGate& gate, std::optional<int> storedPixelHeight, QWidget* parent);

    DateValue value() const;
    void setValue(DateValue value);
    void setBold(bool bold);

    std::function<void()> onDateChanged;

private:
    void queueChangeRequest();

    DateChangeGate& gate_;
    QTime timeOfDay_;
    std::optional<QFont> ownFont_;
    bool writing_ = false;
};

// The user's locale, or zh_CN for a C or POSIX locale: the whole window is
// Chinese.
QLocale windowLocale();

// The locale's long date pattern without the weekday, which would not fit
// the box and keeps the day section from taking typed digits. A C or POSIX
// locale counts as zh_CN, the language of the whole window.
QString longDateWithoutWeekday(const QLocale& locale);

}  // namespace quendal
