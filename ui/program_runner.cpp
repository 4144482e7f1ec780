#include "program_runner.h"

#include <QApplication>
#include <QMessageBox>
#include <cfenv>
#include <exception>

#include "program.h"
#include "quendal_version.h"

namespace quendal {

namespace {

void showStartupFailure(const QString& detail)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("错误"),
                    QStringLiteral("运行时出错!\n错误信息：载入启动窗口失败\n%1").arg(detail));
    box.exec();
}

}  // namespace

void describeApplication()
{
    QApplication::setApplicationName(QString::fromUtf8(quendalProductName));
    QApplication::setApplicationVersion(QString::fromUtf8(quendalVersion));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/quendal.png")));
}

int runProgram(const WindowBuilder& buildWindow)
{
    // Round to nearest with every floating-point exception masked.
    std::fesetround(FE_TONEAREST);
    std::feclearexcept(FE_ALL_EXCEPT);

    ProgramState program;
    const SteadyTickClock clock;
    std::unique_ptr<MainWindow> window;
    try {
        window = buildWindow(clock);
    } catch (const std::exception& error) {
        showStartupFailure(QString::fromLocal8Bit(error.what()));
        return -1;
    }
    if (!window) {
        showStartupFailure(QString());
        return -1;
    }
    window->bindEvents(program);
    onWindowCreated(window->form(), program);
    window->showCentred();
    QApplication::exec();
    window.reset();
    onProgramExit(program);
    return 0;
}

}  // namespace quendal
