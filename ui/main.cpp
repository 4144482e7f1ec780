#include <QApplication>

#include "program_runner.h"
#include "window_style.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    quendal::describeApplication();
    quendal::useWindowLook();
    return quendal::runProgram(
        [](const quendal::TickClock& clock) { return std::make_unique<quendal::MainWindow>(clock); });
}
