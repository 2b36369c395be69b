#pragma once
// What the program makes of its command line before it opens the window. --help and --version answer
// in the terminal and end the program there, so neither needs a display; an option it does not know
// is an error. Qt's own window options (-platform, -style, -session ...) are left to the application.

#include <optional>

// The exit code when the program should end without a window; nothing when it should go on to open it.
std::optional<int> handleCommandLine(int& argc, char* argv[]);
