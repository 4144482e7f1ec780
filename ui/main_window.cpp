#include "main_window.h"

#include <QGuiApplication>
#include <QScreen>

#include "duration_entry.h"
#include "program.h"
#include "recalculation.h"
#include "rule_button.h"
#include "rule_selection.h"
#include "widget_form.h"

namespace quendal {

namespace {

// The client area left by the designed 471 x 276 outer frame: a 3-pixel
// border and a 23-pixel caption.
constexpr int frameBorder = 3;
constexpr int captionHeight = 23;

const QColor black(0, 0, 0);
const QColor red(255, 0, 0);
const QColor blue(0, 0, 255);
const QColor magenta(255, 0, 255);
const QColor silver(192, 192, 192);

std::size_t indexOf(CalcRule rule)
{
    return static_cast<std::size_t>(rule) - 1;
}

}  // namespace

MainWindow::MainWindow(const TickClock& clock) : gate_(clock)
{
    setUpWindow();
    // Created from the last control of the layout to the first, so that an
    // earlier control lies above a later one (the rule labels above their
    // buttons).
    createRuleGroup();
    createDateRows();
    createDayRows();
    createBanner();
    createKeyboardRouter();
    form_ = std::make_unique<WidgetForm>(*this);
}

MainWindow::~MainWindow()
{
    // Destroying the widgets can still move the focus out of the duration
    // box; its clean-up must no longer reach a form that is gone.
    unbindEvents();
}

void MainWindow::unbindEvents()
{
    for (Label* label : ruleLabels_) {
        label->onLeftButtonDown = nullptr;
    }
    for (QRadioButton* button : ruleButtons_) {
        disconnect(button, &QRadioButton::clicked, this, nullptr);
    }
    durationBox_->onTextChanged = nullptr;
    durationBox_->onKeyDown = nullptr;
    startDateBox_->onDateChanged = nullptr;
    endDateBox_->onDateChanged = nullptr;
    disconnect(bannerTimer_, &QTimer::timeout, this, nullptr);
}

CalculatorForm& MainWindow::form()
{
    return *form_;
}

void MainWindow::setUpWindow()
{
    setWindowTitle(QStringLiteral("Quendal1.0-By:Qorv kelm31"));
    // Set once here and inherited by the date boxes.
    setLocale(windowLocale());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(outerWidth - 2 * frameBorder, outerHeight - 2 * frameBorder - captionHeight);
    setAutoFillBackground(true);
}

Label* MainWindow::createLabel(const char* name, const QString& caption, QColor colour, QRect geometry,
                               QWidget* parent)
{
    auto* label = new Label(caption, colour, parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setGeometry(geometry);
    return label;
}

void MainWindow::createRuleGroup()
{
    ruleGroup_ = new QGroupBox(QStringLiteral("计算规则"), this);
    ruleGroup_->setObjectName(QStringLiteral("分组框1"));
    ruleGroup_->setGeometry(24, 107, 416, 107);

    struct Rule {
        CalcRule rule;
        const char* buttonName;
        const char* labelName;
        const char* text;
        QColor colour;
        QRect button;
        QRect label;
    };
    // In creation order: 单选框3 first, 标签7 last.
    const Rule rules[] = {
        {CalcRule::fromEndAndDuration, "单选框3", "标签9", "已知竣工日期及工期天数，计算开工日期及间隔天数",
         magenta, QRect(24, 74, 328, 24), QRect(43, 73, 277, 24)},
        {CalcRule::fromStartAndDuration, "单选框2", "标签8", "已知开工日期及工期天数，计算竣工日期及间隔天数",
         blue, QRect(24, 47, 328, 24), QRect(42, 45, 277, 24)},
        {CalcRule::fromBothDates, "单选框1", "标签7", "已知开、竣工日期，计算工期及间隔天数", red,
         QRect(24, 21, 328, 24), QRect(41, 19, 220, 24)},
    };
    for (const Rule& rule : rules) {
        auto* button = new RuleButton(ruleGroup_);
        button->setObjectName(QString::fromUtf8(rule.buttonName));
        button->setGeometry(rule.button);
        button->setAccessibleName(QString::fromUtf8(rule.text));
        button->setFocusPolicy(Qt::StrongFocus);
        QPalette palette = button->palette();
        palette.setColor(QPalette::WindowText, rule.colour);
        button->setPalette(palette);
        ruleButtons_[indexOf(rule.rule)] = button;
    }
    ruleButtons_[indexOf(CalcRule::fromBothDates)]->setChecked(true);
    for (const Rule& rule : rules) {
        ruleLabels_[indexOf(rule.rule)] =
            createLabel(rule.labelName, QString::fromUtf8(rule.text), rule.colour, rule.label, ruleGroup_);
    }
}

void MainWindow::createDateRows()
{
    createLabel("标签1", QStringLiteral("开工日期："), black, QRect(24, 16, 64, 24), this);
    startDateBox_ = new DateBox(gate_, 12, this);
    startDateBox_->setObjectName(QStringLiteral("日期框_开工日期"));
    startDateBox_->setGeometry(96, 14, 120, 32);
    startDateBox_->setAccessibleName(QStringLiteral("开工日期"));

    createLabel("标签2", QStringLiteral("竣工日期："), black, QRect(24, 69, 64, 24), this);
    endDateBox_ = new DateBox(gate_, std::nullopt, this);
    endDateBox_->setObjectName(QStringLiteral("日期框_竣工日期"));
    endDateBox_->setGeometry(96, 67, 120, 32);
    endDateBox_->setAccessibleName(QStringLiteral("竣工日期"));
}

void MainWindow::createDayRows()
{
    createLabel("标签3", QStringLiteral("间隔天数："), black, QRect(240, 69, 64, 24), this);
    intervalBox_ = new EntryBox(21, silver, this);
    intervalBox_->setObjectName(QStringLiteral("编辑框_间隔天数"));
    intervalBox_->setGeometry(312, 62, 120, 40);
    intervalBox_->setAccessibleName(QStringLiteral("间隔天数"));
    createLabel("标签4", QStringLiteral("天"), black, QRect(440, 69, 24, 24), this);

    createLabel("标签6", QStringLiteral("工期天数："), red, QRect(240, 16, 64, 24), this);
    durationBox_ = new EntryBox(29, red, this);
    durationBox_->setObjectName(QStringLiteral("编辑框_工期天数"));
    durationBox_->setGeometry(312, 9, 120, 40);
    durationBox_->setAccessibleName(QStringLiteral("工期天数"));
    createLabel("标签5", QStringLiteral("天"), red, QRect(440, 16, 24, 24), this);
}

void MainWindow::createBanner()
{
    bannerLabel_ = createLabel("标签10", QStringLiteral("标签"), black, QRect(471, 216, 471, 24), this);
    bannerTimer_ = new QTimer(this);
    bannerTimer_->setObjectName(QStringLiteral("时钟1"));
    bannerTimer_->setInterval(100);
    bannerTimer_->start();  // its ticks arrive only through the event loop
}

void MainWindow::createKeyboardRouter()
{
    auto* rule1 = ruleButton(CalcRule::fromBothDates);
    auto* rule2 = ruleButton(CalcRule::fromStartAndDuration);
    auto* rule3 = ruleButton(CalcRule::fromEndAndDuration);
    // Owned by the window, as its child.
    new KeyboardRouter(this, {rule3, rule2, rule1, startDateBox_, endDateBox_, intervalBox_, durationBox_},
                       {rule3, rule2, rule1});
}

QRadioButton* MainWindow::ruleButton(CalcRule rule) const
{
    return ruleButtons_[indexOf(rule)];
}

Label* MainWindow::ruleLabel(CalcRule rule) const
{
    return ruleLabels_[indexOf(rule)];
}

void MainWindow::bindEvents(ProgramState& program)
{
    CalculatorForm& calculator = *form_;
    for (const CalcRule rule :
         {CalcRule::fromBothDates, CalcRule::fromStartAndDuration, CalcRule::fromEndAndDuration}) {
        connect(ruleButton(rule), &QRadioButton::clicked, this,
                [&calculator, rule] { selectRule(calculator, rule); });
        ruleLabel(rule)->onLeftButtonDown = [&calculator, rule](int, int, int) {
            selectRule(calculator, rule);
        };
    }
    durationBox_->onTextChanged = [&calculator] { onDurationTextChanged(calculator); };
    durationBox_->onKeyDown = [&calculator](std::int32_t keyCode, std::int32_t shiftState) {
        onDurationKeyDown(calculator, keyCode, shiftState);
    };
    startDateBox_->onDateChanged = [&calculator] { onStartDateChanged(calculator); };
    endDateBox_->onDateChanged = [&calculator] { onEndDateChanged(calculator); };
    connect(bannerTimer_, &QTimer::timeout, this,
            [&calculator, &program] { onBannerTick(calculator, program); });
}

void MainWindow::showCentred()
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    // Truncating division: on a screen smaller than the window the frame
    // starts left of or above the screen.
    move(screen.x() + (screen.width() - outerWidth) / 2, screen.y() + (screen.height() - outerHeight) / 2);
    ruleButton(CalcRule::fromEndAndDuration)->setFocus(Qt::ActiveWindowFocusReason);
    show();
    activateWindow();
}

int MainWindow::outerFrameWidth() const
{
    const int frame = frameGeometry().width();
    return frame > width() ? frame : width() + 2 * frameBorder;
}

}  // namespace quendal
