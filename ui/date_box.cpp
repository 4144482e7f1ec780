#include "date_box.h"

#include <QApplication>
#include <QRegularExpression>

namespace quendal {

namespace {

const QDate firstCalendarDate(100, 1, 1);
const QDate lastCalendarDate(9999, 12, 31);

std::optional<DateParts> toParts(const QDate& date, const QTime& time)
{
    if (!date.isValid() || !time.isValid()) {
        return std::nullopt;
    }
    return DateParts{static_cast<std::uint16_t>(date.year()),   static_cast<std::uint16_t>(date.month()),
                     static_cast<std::uint16_t>(date.day()),    static_cast<std::uint16_t>(time.hour()),
                     static_cast<std::uint16_t>(time.minute()), static_cast<std::uint16_t>(time.second())};
}

}  // namespace

QLocale windowLocale()
{
    const QLocale system = QLocale::system();
    return system.language() == QLocale::C ? QLocale(QLocale::Chinese, QLocale::China) : system;
}

QString longDateWithoutWeekday(const QLocale& locale)
{
    const QLocale effective =
        locale.language() == QLocale::C ? QLocale(QLocale::Chinese, QLocale::China) : locale;
    QString pattern = effective.dateFormat(QLocale::LongFormat);
    // Drop the weekday with the separators that join it to the date
    // ("dddd, MMMM d, yyyy", "yyyy年M月d日dddd", "dddd d MMMM yyyy").
    pattern.remove(QRegularExpression(QStringLiteral("[,，\\s]*d{3,4}[,，\\s]*")));
    return pattern.trimmed();
}

DateBox::DateBox(DateChangeGate& gate, std::optional<int> storedPixelHeight, QWidget* parent)
    : QDateEdit(parent), gate_(gate)
{
    setDisplayFormat(longDateWithoutWeekday(locale()));
    setCalendarPopup(true);
    setDateRange(firstCalendarDate, lastCalendarDate);
    setKeyboardTracking(true);
    if (storedPixelHeight) {
        QFont stored = QApplication::font();
        stored.setPixelSize(*storedPixelHeight);
        stored.setWeight(QFont::Normal);
        ownFont_ = stored;
        setFont(stored);
    }
    setValue(0.0);  // today, now
    connect(this, &QDateEdit::dateChanged, this, [this] {
        if (!writing_) {
            queueChangeRequest();
        }
    });
}

DateValue DateBox::value() const
{
    const auto parts = toParts(date(), timeOfDay_);
    return parts ? dateFromParts(*parts).value_or(0.0) : 0.0;
}

void DateBox::setValue(DateValue value)
{
    const auto parts = partsFromDate(value == 0.0 ? currentDateTime() : value);
    if (!parts) {
        return;  // not on the calendar: keep the old date
    }
    writing_ = true;
    setDate(QDate(parts->year, parts->month, parts->day));
    writing_ = false;
    timeOfDay_ = QTime(parts->hour, parts->minute, parts->second);
}

void DateBox::setBold(bool bold)
{
    QFont font = ownFont_.value_or(QApplication::font());
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    ownFont_ = font;
    setFont(font);
}

void DateBox::queueChangeRequest()
{
    // Reported later from the event loop, never inside the picker's signal.
    QMetaObject::invokeMethod(
        this,
        [this] {
            gate_.request([this] {
                if (onDateChanged) {
                    onDateChanged();
                }
            });
        },
        Qt::QueuedConnection);
}

}  // namespace quendal
