#pragma once

#include <QApplication>
#include <QTest>
#include <memory>

#include "main_window.h"
#include "program.h"
#include "program_runner.h"
#include "window_style.h"

namespace quendal::testing {

// A tick counter the test moves by hand.
class FakeClock final : public TickClock {
public:
    std::uint32_t now() const override { return ticks; }
    std::uint32_t ticks = 1000;
};

// The window as start-up leaves it: built, bound, created, shown and active.
struct StartedWindow {
    StartedWindow()
    {
        useWindowLook();
        window = std::make_unique<MainWindow>(clock);
        window->bindEvents(program);
        onWindowCreated(window->form(), program);
        window->showCentred();
        if (!QTest::qWaitForWindowActive(window.get())) {
            qWarning("window did not become active");
        }
    }

    MainWindow& operator*() const { return *window; }
    MainWindow* operator->() const { return window.get(); }

    FakeClock clock;
    ProgramState program;
    std::unique_ptr<MainWindow> window;
};

// Base of the test classes that drive the started window.
class WindowTestCase : public QObject {
protected:
    void startWindow() { started = std::make_unique<StartedWindow>(); }
    void stopWindow() { started.reset(); }

    MainWindow& window() const { return **started; }
    EntryBox* duration() const { return window().durationBox(); }
    EntryBox* interval() const { return window().intervalBox(); }

    // A click on the rule button's mark, left of its label.
    void chooseRule(CalcRule rule) const
    {
        QTest::mouseClick(window().ruleButton(rule), Qt::LeftButton, Qt::NoModifier, QPoint(6, 12));
    }

    std::unique_ptr<StartedWindow> started;
};

// Keys go where a real keyboard sends them: to the focused control.
inline void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
}

inline void type(const QString& text)
{
    QTest::keyClicks(QApplication::focusWidget(), text);
}

}  // namespace quendal::testing
