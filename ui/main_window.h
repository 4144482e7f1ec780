#pragma once

#include <QGroupBox>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>

#include "calculator_form.h"
#include "date_box.h"
#include "date_change_gate.h"
#include "entry_box.h"
#include "keyboard_router.h"
#include "label.h"

namespace quendal {

struct ProgramState;
class WidgetForm;

// The program's one window: nineteen controls at fixed places. It holds no
// calculator logic; bindEvents connects the controls' events to the
// calculator's handlers through a WidgetForm.
class MainWindow final : public QWidget {
public:
    static constexpr int outerWidth = 471;
    static constexpr int outerHeight = 276;

    explicit MainWindow(const TickClock& clock);
    ~MainWindow() override;

    // Connects every control event to its handler; nothing reaches the
    // program before this.
    void bindEvents(ProgramState& program);
    CalculatorForm& form();

    // Shows the window centred on the primary screen, activated, with the
    // focus on the first control of the cycle.
    void showCentred();

    // The outer width, frame included; without a window manager there is
    // no frame, and the designed frame is counted instead.
    int outerFrameWidth() const;

    DateBox* startDateBox() const { return startDateBox_; }
    DateBox* endDateBox() const { return endDateBox_; }
    EntryBox* durationBox() const { return durationBox_; }
    EntryBox* intervalBox() const { return intervalBox_; }
    QRadioButton* ruleButton(CalcRule rule) const;
    Label* ruleLabel(CalcRule rule) const;
    Label* bannerLabel() const { return bannerLabel_; }
    QGroupBox* ruleGroup() const { return ruleGroup_; }

private:
    void setUpWindow();
    void createRuleGroup();
    void createDayRows();
    void createDateRows();
    void createBanner();
    void createKeyboardRouter();
    void unbindEvents();
    Label* createLabel(const char* name, const QString& caption, QColor colour, QRect geometry,
                       QWidget* parent);

    DateChangeGate gate_;
    QGroupBox* ruleGroup_ = nullptr;
    std::array<QRadioButton*, 3> ruleButtons_{};
    std::array<Label*, 3> ruleLabels_{};
    DateBox* startDateBox_ = nullptr;
    DateBox* endDateBox_ = nullptr;
    EntryBox* durationBox_ = nullptr;
    EntryBox* intervalBox_ = nullptr;
    Label* bannerLabel_ = nullptr;
    QTimer* bannerTimer_ = nullptr;
    std::unique_ptr<WidgetForm> form_;
};

}  // namespace quendal
