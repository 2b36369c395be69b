#include "platform/text_drawing.h"

#include <QtGlobal>
#include <algorithm>
#include <cstring>

namespace platform {

QtArguments::QtArguments(int argc, char* argv[])
    : size(argc)
    , arguments(argv, argv + argc)
{
#ifdef TOVIRA_WINDOWS_PLATFORM
    const bool named = qEnvironmentVariableIsSet("QT_QPA_PLATFORM")
        || std::any_of(arguments.begin(), arguments.end(),
            [](const char* arg) { return std::strcmp(arg, "-platform") == 0 || std::strcmp(arg, "--platform") == 0; });
    if (!named) {
        static char option[] = "-platform", chosen[] = TOVIRA_WINDOWS_PLATFORM;
        arguments.insert(arguments.begin() + qMin(size, 1), { option, chosen });
        size += 2;
    }
#endif
    arguments.push_back(nullptr); // as C's own argv ends
}

} // namespace platform
