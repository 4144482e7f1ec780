#include <QClipboard>
#include <QDateEdit>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include "duration_entry.h"
#include "number_text.h"
#include "recalculation.h"
#include "window_fixture.h"

namespace quendal::testing {

namespace {

QString focusName()
{
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

}  // namespace

class WindowTest : public WindowTestCase {
    Q_OBJECT

private:
    // A press routed by the window to whatever control lies at pos.
    void clickInGroup(QPoint pos)
    {
        QTest::mouseClick(window().windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          window().ruleGroup()->mapTo(&window(), pos));
    }

private slots:
    void init() { startWindow(); }
    void cleanup() { stopWindow(); }

    void startUpState()
    {
        QCOMPARE(window().windowTitle(), QStringLiteral("Quendal1.0-By:Qorv kelm31"));
        QCOMPARE(window().endDateBox()->date(), window().startDateBox()->date().addDays(29));
        QCOMPARE(window().endDateBox()->time(), window().startDateBox()->time());
        QCOMPARE(window().startDateBox()->date(), QDate::currentDate());
        QCOMPARE(interval()->text(), QStringLiteral("29"));
        QCOMPARE(duration()->text(), QStringLiteral("30"));
        QVERIFY(window().ruleButton(CalcRule::fromBothDates)->isChecked());
        QVERIFY(!window().ruleButton(CalcRule::fromStartAndDuration)->isChecked());
        QVERIFY(!window().startDateBox()->font().bold());
        QVERIFY(!window().endDateBox()->font().bold());
        QCOMPARE(duration()->inputMode(), InputMode::readOnly);
        QCOMPARE(focusName(), QStringLiteral("单选框3"));
        QCOMPARE(window().bannerLabel()->x(), 471);
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(window().frameGeometry().topLeft(),
                 QPoint((screen.width() - 471) / 2, (screen.height() - 276) / 2));
        QVERIFY(!window().isMaximized());
        QCOMPARE(window().minimumSize(), window().maximumSize());
        QVERIFY(!(window().windowFlags() & Qt::WindowMaximizeButtonHint));
    }

    void everyControlHasItsLayoutNameAndPlace_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("banner") << QStringLiteral("标签10") << QRect(471, 216, 471, 24);
        QTest::newRow("rule 3 label") << QStringLiteral("标签9") << QRect(43, 73, 277, 24);
        QTest::newRow("rule 2 label") << QStringLiteral("标签8") << QRect(42, 45, 277, 24);
        QTest::newRow("rule 1 label") << QStringLiteral("标签7") << QRect(41, 19, 220, 24);
        QTest::newRow("group") << QStringLiteral("分组框1") << QRect(24, 107, 416, 107);
        QTest::newRow("day 1") << QStringLiteral("标签5") << QRect(440, 16, 24, 24);
        QTest::newRow("duration") << QStringLiteral("编辑框_工期天数") << QRect(312, 9, 120, 40);
        QTest::newRow("duration caption") << QStringLiteral("标签6") << QRect(240, 16, 64, 24);
        QTest::newRow("day 2") << QStringLiteral("标签4") << QRect(440, 69, 24, 24);
        QTest::newRow("interval") << QStringLiteral("编辑框_间隔天数") << QRect(312, 62, 120, 40);
        QTest::newRow("interval caption") << QStringLiteral("标签3") << QRect(240, 69, 64, 24);
        QTest::newRow("end date") << QStringLiteral("日期框_竣工日期") << QRect(96, 67, 120, 32);
        QTest::newRow("end caption") << QStringLiteral("标签2") << QRect(24, 69, 64, 24);
        QTest::newRow("start date") << QStringLiteral("日期框_开工日期") << QRect(96, 14, 120, 32);
        QTest::newRow("start caption") << QStringLiteral("标签1") << QRect(24, 16, 64, 24);
        QTest::newRow("rule 1") << QStringLiteral("单选框1") << QRect(24, 21, 328, 24);
        QTest::newRow("rule 2") << QStringLiteral("单选框2") << QRect(24, 47, 328, 24);
        QTest::newRow("rule 3") << QStringLiteral("单选框3") << QRect(24, 74, 328, 24);
    }

    void everyControlHasItsLayoutNameAndPlace()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        auto* control = window().findChild<QWidget*>(name);
        QVERIFY2(control != nullptr, qPrintable(name));
        QCOMPARE(control->geometry(), geometry);
        QVERIFY(window().findChild<QTimer*>(QStringLiteral("时钟1")) != nullptr);
    }

    void focusableControlsHaveChineseAccessibleNames()
    {
        QCOMPARE(window().startDateBox()->accessibleName(), QStringLiteral("开工日期"));
        QCOMPARE(duration()->accessibleName(), QStringLiteral("工期天数"));
        QCOMPARE(window().ruleButton(CalcRule::fromEndAndDuration)->accessibleName(),
                 QStringLiteral("已知竣工日期及工期天数，计算开工日期及间隔天数"));
        QCOMPARE(window().ruleLabel(CalcRule::fromBothDates)->accessibleName(),
                 QStringLiteral("已知开、竣工日期，计算工期及间隔天数"));
    }

    void typicalRequest()
    {
        const QDate start = window().startDateBox()->date();
        chooseRule(CalcRule::fromStartAndDuration);
        QCOMPARE(focusName(), QStringLiteral("编辑框_工期天数"));
        QCOMPARE(duration()->inputMode(), InputMode::integerEntry);
        type(QStringLiteral("4"));
        QCOMPARE(interval()->text(), QStringLiteral("3"));
        type(QStringLiteral("5"));
        QCOMPARE(interval()->text(), QStringLiteral("44"));
        press(Qt::Key_Return);
        QCOMPARE(window().endDateBox()->date(), start.addDays(44));
        QVERIFY(window().endDateBox()->font().bold());
        QVERIFY(!window().startDateBox()->font().bold());
        QCOMPARE(focusName(), QStringLiteral("编辑框_工期天数"));
        QCOMPARE(duration()->text(), QStringLiteral("45"));
    }

    void minusInsideANumberIsCorrectedAway_data()
    {
        QTest::addColumn<int>("modifiers");
        QTest::newRow("main minus") << int(Qt::NoModifier);
        QTest::newRow("keypad minus") << int(Qt::KeypadModifier);
    }

    void minusInsideANumberIsCorrectedAway()
    {
        QFETCH(int, modifiers);
        chooseRule(CalcRule::fromStartAndDuration);
        type(QStringLiteral("45"));
        duration()->setCursorPosition(1);
        press(Qt::Key_Minus, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(duration()->text(), QStringLiteral("45"));
        QCOMPARE(duration()->cursorPosition(), 2);
        QCOMPARE(interval()->text(), QStringLiteral("44"));
    }

    void pastedNegativeBecomesPositive()
    {
        chooseRule(CalcRule::fromStartAndDuration);
        QGuiApplication::clipboard()->setText(QStringLiteral("-12"));
        press(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(duration()->text(), QStringLiteral("12"));
        QCOMPARE(duration()->cursorPosition(), 2);
        QCOMPARE(interval()->text(), QStringLiteral("11"));
    }

    void minimumValueStopsAtTheLargest()
    {
        chooseRule(CalcRule::fromStartAndDuration);
        QGuiApplication::clipboard()->setText(QStringLiteral("2147483648"));
        press(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(duration()->text(), QStringLiteral("2147483647"));
        QCOMPARE(interval()->text(), QStringLiteral("2147483646"));
    }

    // A click takes the focus from the duration box, whose clean-up runs
    // first; the rule then empties both boxes and gives the focus back.
    void ruleClickCleansTheDurationFirst()
    {
        chooseRule(CalcRule::fromStartAndDuration);
        type(QStringLiteral("007"));
        QCOMPARE(interval()->text(), QStringLiteral("6"));
        std::vector<QString> seen;
        duration()->onTextChanged = [&] {
            seen.push_back(duration()->text());
            onDurationTextChanged(window().form());
        };
        chooseRule(CalcRule::fromStartAndDuration);
        const std::vector<QString> expected{QStringLiteral("7"), QString()};
        QCOMPARE(seen, expected);
        QCOMPARE(duration()->text(), QString());
        QCOMPARE(interval()->text(), QString());
        QCOMPARE(focusName(), QStringLiteral("编辑框_工期天数"));
    }

    void labelPressLeavesTheFocusAndSkipsTheCleanUp()
    {
        chooseRule(CalcRule::fromStartAndDuration);
        type(QStringLiteral("007"));
        std::vector<QString> seen;
        duration()->onTextChanged = [&] { seen.push_back(duration()->text()); };
        clickInGroup(QPoint(100, 55));  // on the text of 标签8
        QCOMPARE(seen, std::vector<QString>{QString()});
        QCOMPARE(focusName(), QStringLiteral("编辑框_工期天数"));
    }

    void labelAndButtonBothChooseTheirRule_data()
    {
        QTest::addColumn<QPoint>("where");
        QTest::addColumn<int>("rule");
        QTest::newRow("label 8 text") << QPoint(100, 55) << 2;
        QTest::newRow("button 2 mark") << QPoint(30, 59) << 2;
        QTest::newRow("button 2 right of label") << QPoint(340, 59) << 2;
        QTest::newRow("label 9 text") << QPoint(100, 84) << 3;
        QTest::newRow("label 7 text") << QPoint(100, 30) << 1;
    }

    void labelAndButtonBothChooseTheirRule()
    {
        QFETCH(QPoint, where);
        QFETCH(int, rule);
        window().ruleButton(CalcRule::fromBothDates)->setChecked(false);
        clickInGroup(where);
        for (const CalcRule each :
             {CalcRule::fromBothDates, CalcRule::fromStartAndDuration, CalcRule::fromEndAndDuration}) {
            QCOMPARE(window().ruleButton(each)->isChecked(), static_cast<int>(each) == rule);
        }
        QCOMPARE(duration()->inputMode(), rule == 1 ? InputMode::readOnly : InputMode::integerEntry);
    }

    void doubleClickOnALabelSelectsOnce()
    {
        int presses = 0;
        window().ruleLabel(CalcRule::fromStartAndDuration)->onLeftButtonDown = [&](int, int, int) {
            ++presses;
        };
        QTest::mouseDClick(window().windowHandle(), Qt::LeftButton, Qt::NoModifier,
                           window().ruleGroup()->mapTo(&window(), QPoint(100, 55)));
        QCOMPARE(presses, 1);
    }

    void arrowKeysWalkTheRulesInFocusOrder_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QStringList>("path");
        const QStringList forward{QStringLiteral("单选框2"), QStringLiteral("单选框1"),
                                  QStringLiteral("单选框3")};
        const QStringList backward{QStringLiteral("单选框1"), QStringLiteral("单选框2"),
                                   QStringLiteral("单选框3")};
        QTest::newRow("down") << int(Qt::Key_Down) << forward;
        QTest::newRow("right") << int(Qt::Key_Right) << forward;
        QTest::newRow("up") << int(Qt::Key_Up) << backward;
        QTest::newRow("left") << int(Qt::Key_Left) << backward;
    }

    void arrowKeysWalkTheRulesInFocusOrder()
    {
        QFETCH(int, key);
        QFETCH(QStringList, path);
        for (const QString& expected : path) {
            press(key);
            QCOMPARE(focusName(), expected);
            const int rule = expected.right(1).toInt();
            for (int each = 1; each <= 3; ++each) {
                QCOMPARE(window().ruleButton(static_cast<CalcRule>(each))->isChecked(), each == rule);
            }
            // selectRule ran: the duration box is prepared for the rule.
            QCOMPARE(duration()->inputMode(), rule == 1 ? InputMode::readOnly : InputMode::integerEntry);
            QCOMPARE(duration()->text(), rule == 1 ? QStringLiteral("30") : QString());
        }
    }

    void spaceOnTheCheckedButtonChoosesItsRuleAgain()
    {
        press(Qt::Key_Space);  // on 单选框3, which has the focus at start-up
        QVERIFY(window().ruleButton(CalcRule::fromEndAndDuration)->isChecked());
        QCOMPARE(focusName(), QStringLiteral("编辑框_工期天数"));
        type(QStringLiteral("12"));
        window().ruleButton(CalcRule::fromEndAndDuration)->setFocus();
        press(Qt::Key_Space);
        QVERIFY(window().ruleButton(CalcRule::fromEndAndDuration)->isChecked());
        QCOMPARE(duration()->text(), QString());  // selectRule ran again
        QCOMPARE(interval()->text(), QString());
    }

    void tabWalksTheFocusCycleBothWays()
    {
        const QStringList cycle{QStringLiteral("单选框2"),         QStringLiteral("单选框1"),
                                QStringLiteral("日期框_开工日期"), QStringLiteral("日期框_竣工日期"),
                                QStringLiteral("编辑框_间隔天数"), QStringLiteral("编辑框_工期天数"),
                                QStringLiteral("单选框3")};
        for (const QString& expected : cycle) {
            press(Qt::Key_Tab);
            QCOMPARE(focusName(), expected);
        }
        for (auto i = cycle.size() - 2; i >= -1; --i) {
            press(Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(focusName(), i >= 0 ? cycle.at(i) : QStringLiteral("单选框3"));
        }
        QVERIFY(window().ruleButton(CalcRule::fromBothDates)->isChecked());  // focus chooses nothing
    }

    void tabSkipsAHiddenControl()
    {
        window().startDateBox()->hide();
        press(Qt::Key_Tab);
        press(Qt::Key_Tab);
        press(Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("日期框_竣工日期"));
    }

    void enterReachesTheDurationBoxUnderRuleOne()
    {
        duration()->setFocus();
        window().endDateBox()->setValue(addDays(window().startDateBox()->value(), 10));
        press(Qt::Key_Return);
        QCOMPARE(interval()->text(), QStringLiteral("10"));
        QCOMPARE(duration()->text(), QStringLiteral("11"));
        QCOMPARE(focusName(), QStringLiteral("编辑框_工期天数"));
    }

    void completionBeforeStartShowsTheError()
    {
        window().endDateBox()->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < 2; ++i) {
            press(Qt::Key_Down);  // a year back
            started->clock.ticks += 500;
            QTest::qWait(20);
        }
        const QString error = QStringLiteral("出错！");
        QTRY_COMPARE(duration()->text(), error);
        QCOMPARE(interval()->text(), error);
    }

    void userDateChangeRecomputesWhileProgramWritesDoNot()
    {
        window().endDateBox()->setValue(addDays(window().startDateBox()->value(), 100));
        QTest::qWait(200);
        QCOMPARE(interval()->text(), QStringLiteral("29"));
        window().endDateBox()->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Up);  // a year on
        const int expected =
            static_cast<int>(window().startDateBox()->date().daysTo(window().endDateBox()->date()));
        QTRY_COMPARE(interval()->text(), QString::number(expected));
        QCOMPARE(duration()->text(), QString::number(expected + 1));
    }

    void quickSecondChangeStillEndsUpShown()
    {
        window().endDateBox()->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Up);
        QTRY_VERIFY(interval()->text() != QStringLiteral("29"));
        press(Qt::Key_Up);  // within the gate: held back
        QTest::qWait(150);
        started->clock.ticks += 200;
        const int expected =
            static_cast<int>(window().startDateBox()->date().daysTo(window().endDateBox()->date()));
        QTRY_COMPARE(interval()->text(), QString::number(expected));
    }

    void computedDateOffTheCalendarIsNotBold()
    {
        window().startDateBox()->setValue(dateFromParts({9999, 12, 30, 0, 0, 0}).value());
        const QDate endBefore = window().endDateBox()->date();
        chooseRule(CalcRule::fromStartAndDuration);
        type(QStringLiteral("3"));
        press(Qt::Key_Return);  // 10000-01-01 cannot be shown
        QCOMPARE(window().endDateBox()->date(), endBefore);
        QVERIFY(!window().endDateBox()->font().bold());
        duration()->writeText(QStringLiteral("2"));
        press(Qt::Key_Return);
        QCOMPARE(window().endDateBox()->date(), QDate(9999, 12, 31));
        QVERIFY(window().endDateBox()->font().bold());
    }

    void bannerMovesTwoPixelsPerTick()
    {
        Label* banner = window().bannerLabel();
        QTRY_COMPARE_WITH_TIMEOUT(banner->caption(), QStringLiteral("修改开、竣工日期可计算工期及间隔天数"),
                                  2000);
        QCOMPARE(banner->width(), 216);
        QVERIFY(banner->x() <= 469 && banner->x() % 2 == 1);
        const int before = banner->x();
        QTRY_VERIFY_WITH_TIMEOUT(banner->x() < before - 4, 2000);
    }

    // Destruction moves the focus out of the duration box; its clean-up
    // must not reach the calculator, whose form is already gone.
    void destroyingTheWindowWhileTypingReachesNoHandler()
    {
        chooseRule(CalcRule::fromStartAndDuration);
        type(QStringLiteral("007"));
        int intervalWrites = 0;
        QObject::connect(interval(), &QLineEdit::textChanged, [&] { ++intervalWrites; });
        started.reset();
        QCOMPARE(intervalWrites, 0);
    }

    void escapeCleansTheDurationAsTheFocusLeaves()
    {
        chooseRule(CalcRule::fromStartAndDuration);
        type(QStringLiteral("007"));
        press(Qt::Key_Escape);
        QCOMPARE(duration()->text(), QStringLiteral("7"));
        QCOMPARE(interval()->text(), QStringLiteral("6"));
    }

    void escapeClosesFromAnyControl_data()
    {
        QTest::addColumn<QString>("control");
        QTest::newRow("rule button") << QStringLiteral("单选框3");
        QTest::newRow("date box") << QStringLiteral("日期框_开工日期");
        QTest::newRow("duration box") << QStringLiteral("编辑框_工期天数");
    }

    void escapeClosesFromAnyControl()
    {
        QFETCH(QString, control);
        window().findChild<QWidget*>(control)->setFocus();
        press(Qt::Key_Escape);
        QVERIFY(!window().isVisible());
    }
};

}  // namespace quendal::testing

QTEST_MAIN(quendal::testing::WindowTest)
#include "window_test.moc"
