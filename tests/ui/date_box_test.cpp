#include <QLineEdit>
#include <QTest>

#include "date_box.h"
#include "window_fixture.h"

namespace quendal::testing {

namespace {

DateValue at(int y, int m, int d, int hh = 15, int mm = 4, int ss = 7)
{
    return dateFromParts({static_cast<std::uint16_t>(y), static_cast<std::uint16_t>(m),
                          static_cast<std::uint16_t>(d), static_cast<std::uint16_t>(hh),
                          static_cast<std::uint16_t>(mm), static_cast<std::uint16_t>(ss)})
        .value();
}

}  // namespace

// Two date boxes sharing one gate, as in the window, with their reports
// counted.
class DateBoxTest : public QObject {
    Q_OBJECT

private:
    FakeClock clock;
    std::unique_ptr<DateChangeGate> gate;
    std::unique_ptr<QWidget> host;
    DateBox* start = nullptr;
    DateBox* end = nullptr;
    int startReports = 0;
    int endReports = 0;

    // A user change: the Up key on the focused year section.
    void stepYearUp(DateBox* box)
    {
        box->setFocus(Qt::TabFocusReason);
        QTest::keyClick(box, Qt::Key_Up);
    }

private slots:
    void init()
    {
        useWindowLook();
        clock.ticks = 1000;
        gate = std::make_unique<DateChangeGate>(clock);
        host = std::make_unique<QWidget>();
        start = new DateBox(*gate, 12, host.get());
        end = new DateBox(*gate, std::nullopt, host.get());
        start->setGeometry(10, 10, 120, 32);
        end->setGeometry(10, 50, 120, 32);
        startReports = endReports = 0;
        start->onDateChanged = [this] { ++startReports; };
        end->onDateChanged = [this] { ++endReports; };
        host->show();
        QVERIFY(QTest::qWaitForWindowActive(host.get()));
    }

    void cleanup()
    {
        host.reset();
        gate.reset();
    }

    void startsOnTodayNow()
    {
        const DateValue now = currentDateTime();
        QVERIFY(std::abs(daysBetween(start->value(), now)) * 86400 < 2);
        QCOMPARE(start->minimumDate(), QDate(100, 1, 1));
        QCOMPARE(start->maximumDate(), QDate(9999, 12, 31));
        QVERIFY(start->calendarPopup());
    }

    void programWriteReportsNothingNowOrLater()
    {
        start->setValue(at(2026, 12, 11));
        end->setValue(at(2027, 1, 9));
        QTest::qWait(250);
        QCOMPARE(startReports + endReports, 0);
        QCOMPARE(start->date(), QDate(2026, 12, 11));
    }

    void userChangeIsReportedLaterOnce()
    {
        start->setValue(at(2026, 12, 11));
        stepYearUp(start);
        QCOMPARE(startReports, 0);  // not inside the picker's signal
        QTRY_COMPARE(startReports, 1);
        QTest::qWait(150);
        QCOMPARE(startReports, 1);
        QCOMPARE(start->date(), QDate(2027, 12, 11));
    }

    void userEditKeepsTheTimeOfDay()
    {
        start->setValue(at(2026, 12, 11, 15, 4, 7));
        stepYearUp(start);
        QTRY_COMPARE(startReports, 1);
        QCOMPARE(partsFromDate(start->value()), (DateParts{2027, 12, 11, 15, 4, 7}));
    }

    void gateDropsASoonChangeButReportsItOnceItPasses()
    {
        start->setValue(at(2026, 12, 11));
        end->setValue(at(2027, 1, 9));
        stepYearUp(start);
        QTRY_COMPARE(startReports, 1);
        clock.ticks += 100;  // exactly 100 ms later: still closed
        stepYearUp(end);
        QTest::qWait(300);
        QCOMPARE(endReports, 0);
        clock.ticks += 101;
        QTRY_COMPARE(endReports, 1);
        QTest::qWait(300);
        QCOMPARE(endReports, 1);
        QCOMPARE(startReports, 1);
    }

    void heldKeyReportsTheFirstAndTheLastChange()
    {
        start->setValue(at(2026, 12, 11));
        start->setFocus(Qt::TabFocusReason);
        for (int repeat = 0; repeat < 5; ++repeat) {
            QTest::keyClick(start, Qt::Key_Up);
            QCoreApplication::processEvents();
            clock.ticks += 30;
        }
        QCOMPARE(startReports, 1);
        QCOMPARE(start->date(), QDate(2031, 12, 11));
        clock.ticks += 200;
        QTRY_COMPARE(startReports, 2);
    }

    void changeAfterTheGateIsReportedAtOnce()
    {
        stepYearUp(start);
        QTRY_COMPARE(startReports, 1);
        clock.ticks += 101;
        stepYearUp(start);
        QTRY_COMPARE(startReports, 2);
    }

    void tickCounterWrapsAround()
    {
        clock.ticks = 0xFFFFFFF0u;
        stepYearUp(start);
        QTRY_COMPARE(startReports, 1);
        clock.ticks = 0x60;  // 112 ms later across the wrap
        stepYearUp(start);
        QTRY_COMPARE(startReports, 2);
    }

    void writesValuesToTheNearestSecond()
    {
        start->setValue(45000.7);
        QCOMPARE(start->date(), QDate(2023, 3, 15));
        QCOMPARE(start->value(), 45000.7);
        start->setValue(at(2026, 1, 1, 12, 0, 0) + 0.4 / 86400);
        QCOMPARE(partsFromDate(start->value())->second, 0);
        start->setValue(at(2026, 1, 1, 12, 0, 0) + 0.6 / 86400);
        QCOMPARE(partsFromDate(start->value())->second, 1);
    }

    void refusesDatesOffTheCalendar()
    {
        start->setValue(at(2026, 12, 11));
        const DateValue before = start->value();
        for (const DateValue outside : {3000000.0, maxDateValue + 0.5, minDateValue - 1.0}) {
            start->setValue(outside);
            QCOMPARE(start->value(), before);
        }
        start->setValue(maxDateValue);
        QCOMPARE(start->date(), QDate(9999, 12, 31));
        start->setValue(minDateValue);
        QCOMPARE(start->date(), QDate(100, 1, 1));
    }

    void writingZeroMeansNow()
    {
        start->setValue(at(2000, 1, 1));
        start->setValue(0.0);
        QCOMPARE(start->date(), QDate::currentDate());
    }

    void boldOnTheBoxesOwnFontOrTheDefault()
    {
        start->setBold(true);
        QVERIFY(start->font().bold());
        QCOMPARE(start->font().pixelSize(), 12);
        end->setBold(true);
        QVERIFY(end->font().bold());
        QCOMPARE(end->font().family(), QApplication::font().family());
        QCOMPARE(end->font().pixelSize(), QApplication::font().pixelSize());
        end->setBold(false);
        QCOMPARE(end->font().weight(), QFont::Normal);
        QCOMPARE(end->font().family(), QApplication::font().family());
    }

    void showsTheLongDateWithoutTheWeekday_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::newRow("zh_CN") << QStringLiteral("zh_CN");
        QTest::newRow("en_US") << QStringLiteral("en_US");
        QTest::newRow("de_DE") << QStringLiteral("de_DE");
        QTest::newRow("C") << QStringLiteral("C");
    }

    void showsTheLongDateWithoutTheWeekday()
    {
        QFETCH(QString, locale);
        const QString pattern = longDateWithoutWeekday(QLocale(locale));
        QVERIFY2(!pattern.contains(QStringLiteral("ddd")), qPrintable(pattern));
        QVERIFY(pattern.contains(QStringLiteral("yyyy")));
        QVERIFY(pattern.contains(QLatin1Char('M')));
        QVERIFY(!pattern.startsWith(QLatin1Char(',')) && !pattern.endsWith(QLatin1Char(',')));
        if (locale == QStringLiteral("C")) {
            QCOMPARE(pattern, longDateWithoutWeekday(QLocale(QLocale::Chinese, QLocale::China)));
        }
    }

    void longestDateFitsTheBox()
    {
        start->setValue(at(2027, 12, 28));
        QLineEdit* text = start->findChild<QLineEdit*>();
        QVERIFY(text != nullptr);
        QVERIFY2(text->fontMetrics().horizontalAdvance(text->text()) < text->width(),
                 qPrintable(text->text()));
    }
};

}  // namespace quendal::testing

QTEST_MAIN(quendal::testing::DateBoxTest)
#include "date_box_test.moc"
