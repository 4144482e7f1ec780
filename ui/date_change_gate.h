#pragma once

#include <QTimer>
#include <cstdint>
#include <functional>

namespace quendal {

// The system's millisecond tick counter, unsigned 32-bit and wrapping;
// behind an interface so tests can drive it.
class TickClock {
public:
    virtual ~TickClock() = default;
    virtual std::uint32_t now() const = 0;
};

class SteadyTickClock final : public TickClock {
public:
    std::uint32_t now() const override;
};

// The 100 ms gate shared by both date boxes. A change request more than
// 100 ms after the end of the previous one is reported at once; one that
// comes sooner is held back and reported once the gate has passed, so the
// day boxes always end up matching the dates shown. Later drops replace
// the one held back.
class DateChangeGate final {
public:
    explicit DateChangeGate(const TickClock& clock);

    using Report = std::function<void()>;

    // Called from the event loop for a user change of a date box.
    void request(const Report& report);

private:
    bool open() const;
    void raise(const Report& report);
    void deliverPending();
    void armRetry();

    const TickClock& clock_;
    std::uint32_t lastDateChangeTick_ = 0;
    bool dateEventRunning_ = false;
    Report pending_;
    QTimer retry_;
};

}  // namespace quendal
