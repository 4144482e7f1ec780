#include "date_change_gate.h"

#include <chrono>

namespace quendal {

namespace {

constexpr std::uint32_t gateMilliseconds = 100;

}  // namespace

std::uint32_t SteadyTickClock::now() const
{
    const auto elapsed = std::chrono::steady_clock::now().time_since_epoch();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(ms));  // wraps like the counter
}

DateChangeGate::DateChangeGate(const TickClock& clock) : clock_(clock)
{
    retry_.setSingleShot(true);
    retry_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&retry_, &QTimer::timeout, [this] { deliverPending(); });
}

bool DateChangeGate::open() const
{
    const std::uint32_t since = clock_.now() - lastDateChangeTick_;  // modulo 2^32
    return since > gateMilliseconds && !dateEventRunning_;
}

void DateChangeGate::raise(const Report& report)
{
    dateEventRunning_ = true;
    pending_ = nullptr;  // this report reads both dates as they are now
    report();
    dateEventRunning_ = false;
}

void DateChangeGate::request(const Report& report)
{
    if (open()) {
        raise(report);
    } else {
        pending_ = report;
    }
    lastDateChangeTick_ = clock_.now();
    if (pending_) {
        armRetry();
    }
}

void DateChangeGate::deliverPending()
{
    if (!pending_) {
        return;
    }
    if (!open()) {
        armRetry();
        return;
    }
    const Report report = pending_;
    raise(report);
    lastDateChangeTick_ = clock_.now();
}

void DateChangeGate::armRetry()
{
    const std::uint32_t since = clock_.now() - lastDateChangeTick_;
    const std::uint32_t wait = since > gateMilliseconds ? 1 : gateMilliseconds + 1 - since;
    retry_.start(static_cast<int>(wait));
}

}  // namespace quendal
