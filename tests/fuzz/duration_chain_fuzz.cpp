// Drives the calculator through the in-memory form the way a user would, from
// an opcode stream, and checks after every operation that the day boxes are
// in one of the states the handlers may leave them in.
//
// Input: a sequence of operations, each an opcode byte (taken modulo
// operationCount, numbered as in Operation) followed by its operand bytes; a
// missing operand reads as 0. The form starts as after start-up: 2021-02-20 14:35:07 and 29
// days later, rule 1.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <optional>
#include <string>

#include "date_value.h"
#include "duration_entry.h"
#include "fuzz_input.h"
#include "memory_form.h"
#include "number_text.h"
#include "program.h"
#include "recalculation.h"

namespace {

using quendal::CalcRule;
using quendal::DateParts;
using quendal::DateValue;
using quendal::Text;
using quendal::testing::MemoryForm;

using quendal::fuzzing::check;

class Reader {
public:
    Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool done() const { return position_ >= size_; }
    std::uint8_t byte() { return position_ < size_ ? data_[position_++] : 0; }
    std::uint16_t word() { return static_cast<std::uint16_t>(byte() | byte() << 8); }
    Text bytes(std::size_t count)
    {
        Text text;
        for (std::size_t i = 0; i < count && !done(); ++i) {
            text.push_back(static_cast<char>(byte()));
        }
        return text;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

// Opcode numbers are part of the seed corpus format: append, never reorder.
enum Operation : std::uint8_t {
    typeCharacter,  // character byte
    paste,          // length byte (mod 16), then the bytes
    backspace,
    placeCaret,  // signed position byte
    minusKey,    // shift state byte
    enterKey,    // shift state byte
    focusDurationBox,
    clickRuleButton,  // rule byte (mod 3: rules 1-3)
    pressRuleLabel,   // rule byte
    pickStartDate,    // year word, month, day, hour, minute, second bytes
    pickEndDate,      // the same
    moveOneDate,      // signed day count byte, which-date byte: 1 end, 0 start
    otherKey,         // key code word, shift state byte
    operationCount
};

CalcRule ruleFrom(std::uint8_t byte)
{
    return static_cast<CalcRule>(byte % 3 + 1);
}

std::optional<CalcRule> activeRule(const MemoryForm& form)
{
    std::optional<CalcRule> active;
    int checkedCount = 0;
    for (const CalcRule rule :
         {CalcRule::fromBothDates, CalcRule::fromStartAndDuration, CalcRule::fromEndAndDuration}) {
        if (form.ruleChecked(rule)) {
            active = rule;
            ++checkedCount;
        }
    }
    check(checkedCount == 1, "not exactly one rule button checked");
    return active;
}

// A date as a date box holds it: whole seconds, mostly valid fields. Dates
// the box cannot show (31 April, 0100-01-01 after midnight) are dropped.
std::optional<DateValue> dateFrom(Reader& in)
{
    const std::uint16_t year = in.word();
    const DateParts parts{
        static_cast<std::uint16_t>(100 + year % 9900),  static_cast<std::uint16_t>(in.byte() % 12 + 1),
        static_cast<std::uint16_t>(in.byte() % 31 + 1), static_cast<std::uint16_t>(in.byte() % 24),
        static_cast<std::uint16_t>(in.byte() % 60),     static_cast<std::uint16_t>(in.byte() % 60)};
    const std::optional<DateValue> date = quendal::dateFromParts(parts);
    if (!date || !quendal::partsFromDate(*date)) {
        return std::nullopt;
    }
    return date;
}

// Whole seconds since 1899-12-30 00:00 of the moment a date box shows,
// worked out from its calendar fields.
std::int64_t shownSeconds(DateValue value)
{
    const std::optional<DateParts> p = quendal::partsFromDate(value);
    check(p.has_value(), "a date box holds a date it cannot show");
    const std::int64_t y = p->year - (p->month <= 2 ? 1 : 0);
    const std::int64_t m = p->month;
    const std::int64_t dayOfYear = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + p->day - 1;
    const std::int64_t days = y * 365 + y / 4 - y / 100 + y / 400 + dayOfYear - 693899;
    return days * 86400 + p->hour * 3600 + p->minute * 60 + p->second;
}

// Under rule 1 the day boxes always show the two dates' span: whole days
// between the shown moments, truncated toward zero, and one more for the
// duration; or the error text in both when the span is negative.
void checkRuleOneBoxes(const MemoryForm& form)
{
    const std::int64_t span = (shownSeconds(form.endDate()) - shownSeconds(form.startDate())) / 86400;
    if (span < 0) {
        check(form.durationText() == quendal::errorText() && form.intervalText() == quendal::errorText(),
              "rule 1: negative span without the error text in both boxes");
        return;
    }
    check(form.intervalText() == std::to_string(span), "rule 1: interval is not the span");
    check(form.durationText() == std::to_string(span + 1), "rule 1: duration is not the span + 1");
    check(!form.startDateBold() && !form.endDateBold(), "rule 1: a date shown bold");
}

// Rules 2 and 3 after a computation: the other date is the known one moved by
// the interval's days and shown bold, or, when the box cannot hold that
// moment, left as it was and not bold. before* are the dates right before
// the computation.
void checkComputedDate(const MemoryForm& form, CalcRule rule, DateValue startBefore, DateValue endBefore)
{
    const std::int32_t days = quendal::textToInteger(form.intervalText());
    const bool forward = rule == CalcRule::fromStartAndDuration;
    const DateValue known = forward ? form.startDate() : form.endDate();
    const DateValue computed = forward ? form.endDate() : form.startDate();
    const bool computedBold = forward ? form.endDateBold() : form.startDateBold();
    const bool knownBold = forward ? form.startDateBold() : form.endDateBold();
    const double target = quendal::toLinearDays(known) + (forward ? days : -static_cast<double>(days));

    check(!knownBold, "rule 2/3: the known date is bold");
    if (computedBold) {
        check(std::fabs(quendal::toLinearDays(computed) - target) < 1e-6,
              "rule 2/3: computed date is not the other date moved by the interval");
        return;
    }
    // Whole-second moments outside the range miss it by a second at least.
    const DateValue wanted = quendal::fromLinearDays(target);
    check(wanted < quendal::minDateValue - 1e-6 || wanted > quendal::maxDateValue + 1e-6,
          "rule 2/3: a date the box can hold is not shown bold");
    check(computed == (forward ? endBefore : startBefore), "rule 2/3: a refused date changed the box");
}

void checkAfterOperation(const MemoryForm& form)
{
    const std::optional<CalcRule> rule = activeRule(form);
    const std::int32_t duration = quendal::textToInteger(form.durationText());

    // The minus key and pasted signs never leave a negative duration.
    check(duration >= 0, "negative duration left in the box");

    // Every write of the duration box ends with the interval at duration - 1
    // when the duration is positive, and nothing else writes the interval
    // after it without also rewriting the duration (selectRule empties both,
    // rule 1 writes interval then duration), so it holds between operations.
    if (duration > 0) {
        check(form.intervalText() == std::to_string(duration - 1), "interval is not duration - 1");
    }

    // A negative duration is corrected by one nested write; -2147483648,
    // which has no positive form in 32 bits, must stop there as well.
    check(form.recursionDepth() <= 2, "text-changed events nested too deep");

    if (rule == CalcRule::fromBothDates) {
        checkRuleOneBoxes(form);
    }
}

void run(Reader& in)
{
    // onWindowCreated: end = start + 29 days, recalculated under rule 1.
    const DateValue startUp = quendal::dateFromParts(DateParts{2021, 2, 20, 14, 35, 7}).value();
    MemoryForm form(startUp, startUp);
    quendal::ProgramState program;
    quendal::onWindowCreated(form, program);
    checkAfterOperation(form);

    while (!in.done()) {
        // The dates right before any computation this operation starts.
        DateValue startBefore = form.startDate();
        DateValue endBefore = form.endDate();
        const bool focused = form.focus() == MemoryForm::Focus::durationBox;
        bool computed = false;  // recalculate ran on the form's current rule
        bool selected = false;
        CalcRule selectedRule = CalcRule::fromBothDates;

        switch (static_cast<Operation>(in.byte() % operationCount)) {
        case typeCharacter:
            form.typeCharacter(static_cast<char>(in.byte()));
            break;
        case paste:
            form.paste(in.bytes(in.byte() % 16));
            break;
        case backspace:
            form.backspace();
            break;
        case placeCaret:
            form.placeCaret(static_cast<std::int8_t>(in.byte()));
            break;
        case minusKey:
            form.pressKey(quendal::minusKeyCode, in.byte() % 8);
            break;
        case enterKey:
            form.pressKey(quendal::enterKeyCode, in.byte() % 8);
            computed = focused;
            break;
        case focusDurationBox:
            form.focusDurationBox();
            break;
        case clickRuleButton:
            selectedRule = ruleFrom(in.byte());
            form.clickRuleButton(selectedRule);
            selected = true;
            break;
        case pressRuleLabel:
            selectedRule = ruleFrom(in.byte());
            form.pressRuleLabel(selectedRule);
            selected = true;
            break;
        case pickStartDate:
            if (const auto date = dateFrom(in)) {
                startBefore = *date;
                form.pickStartDate(*date);
                computed = true;
            }
            break;
        case pickEndDate:
            if (const auto date = dateFrom(in)) {
                endBefore = *date;
                form.pickEndDate(*date);
                computed = true;
            }
            break;
        case moveOneDate: {
            // The other date moved by a few days keeps rule 1 spans near 0.
            const auto days = static_cast<std::int8_t>(in.byte());
            const bool end = (in.byte() & 1) != 0;
            const DateValue moved = quendal::addDays(end ? form.startDate() : form.endDate(), days);
            if (quendal::partsFromDate(moved)) {
                (end ? endBefore : startBefore) = moved;
                end ? form.pickEndDate(moved) : form.pickStartDate(moved);
                computed = true;
            }
            break;
        }
        default:  // otherKey
            form.pressKey(in.word(), in.byte() % 8);
            break;
        }

        checkAfterOperation(form);
        const std::optional<CalcRule> rule = activeRule(form);
        if (selected) {
            check(rule == selectedRule, "the selected rule is not the checked one");
            check(!form.startDateBold() && !form.endDateBold(), "a date bold after selecting a rule");
            if (selectedRule != CalcRule::fromBothDates) {
                check(form.durationText().empty() && form.intervalText().empty(),
                      "rule 2/3 selected but the day boxes are not empty");
                check(form.focus() == MemoryForm::Focus::durationBox,
                      "rule 2/3 selected but the duration box has no focus");
            }
        }
        if (computed && rule != CalcRule::fromBothDates) {
            checkComputedDate(form, *rule, startBefore, endBefore);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Reader in(data, size);
    try {
        run(in);
    } catch (const std::exception& error) {
        // The form throws when text-changed events nest without end.
        std::fprintf(stderr, "exception: %s\n", error.what());
        __builtin_trap();
    }
    return 0;
}
