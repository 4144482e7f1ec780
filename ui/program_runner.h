#pragma once

#include <functional>
#include <memory>

#include "date_change_gate.h"
#include "main_window.h"

namespace quendal {

using WindowBuilder = std::function<std::unique_ptr<MainWindow>(const TickClock&)>;

// Start-up, event loop and shutdown. Returns the exit status: 0 once the
// window has been closed, -1 if it could not be built (after the "错误" box).
int runProgram(const WindowBuilder& buildWindow);

// Sets the application's name and version from the version record.
void describeApplication();

}  // namespace quendal
