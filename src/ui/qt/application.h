#pragma once

#include <functional>

namespace candelor::qt {

class MainWindow;

// The whole program: single-instance check, the main window, start-up and the event loop.
// `started`, when given, is called once the window is shown and started (the start-up
// benchmark uses it to see when the first results appear).
int RunCalculator(int argc, char** argv, const std::function<void(MainWindow&)>& started = {});

}  // namespace candelor::qt
