#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <stdexcept>

#include "window_fixture.h"

namespace quendal::testing {

class ProgramRunnerTest : public QObject {
    Q_OBJECT

private slots:
    void escapeEndsTheProgramWithStatusZero()
    {
        bool createdBeforeShown = false;
        MainWindow* built = nullptr;
        QTimer::singleShot(300, [&] {
            createdBeforeShown = built && built->durationBox()->text() == QStringLiteral("30");
            press(Qt::Key_Escape);
        });
        const int status = runProgram([&](const TickClock& clock) {
            auto window = std::make_unique<MainWindow>(clock);
            built = window.get();
            return window;
        });
        QCOMPARE(status, 0);
        QVERIFY(createdBeforeShown);
    }

    void windowThatCannotBeBuiltShowsTheErrorAndEndsWithMinusOne()
    {
        QString title;
        QString text;
        QTimer::singleShot(300, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box) {
                title = box->windowTitle();
                text = box->text();
                box->accept();
            }
        });
        const int status = runProgram(
            [](const TickClock&) -> std::unique_ptr<MainWindow> { throw std::runtime_error("no memory"); });
        QCOMPARE(status, -1);
        QCOMPARE(title, QStringLiteral("错误"));
        QVERIFY(text.startsWith(QStringLiteral("运行时出错!\n")));
        QVERIFY(text.contains(QStringLiteral("错误信息：载入启动窗口失败")));
    }
};

}  // namespace quendal::testing

QTEST_MAIN(quendal::testing::ProgramRunnerTest)
#include "program_runner_test.moc"
