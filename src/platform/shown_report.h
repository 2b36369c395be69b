#pragma once
// How scripts/bench learns when the window first appeared: with TOVIRA_REPORT_SHOWN set, the program
// prints "shown <ns>" (the monotonic clock, as steady_clock and the benchmark read it) once the window
// has been painted for the first time; set to "exit", it then ends the process at once, without
// tidying up, so that a profiler run (callgrind) counts from the process's start to that first paint
// and nothing after. Without the variable it does nothing. Header-only, so the bare program the
// benchmark compares with reports the same moment the same way.

#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace platform {

// A window paints as soon as it is exposed, so the first check that finds it exposed comes right
// after that first paint.
inline void reportWhenShown(QWidget* window)
{
    QTimer::singleShot(0, window, [window] {
        if (!window->windowHandle()->isExposed())
            return reportWhenShown(window);
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::printf("shown %lld\n", static_cast<long long>(std::chrono::nanoseconds(now).count()));
        std::fflush(stdout);
        if (qEnvironmentVariable("TOVIRA_REPORT_SHOWN") == QLatin1String("exit"))
            std::_Exit(0);
    });
}

// Call right after showing the window.
inline void reportFirstShownIfAsked(QWidget* window)
{
    if (qEnvironmentVariableIsSet("TOVIRA_REPORT_SHOWN"))
        reportWhenShown(window);
}

} // namespace platform
