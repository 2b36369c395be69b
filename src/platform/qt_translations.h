#pragma once
// Where Qt's own translations (the captions of its standard buttons) are found: beside the system's
// Qt on Linux, and built into the program on Windows, where there is no Qt to take them from.

#include <QLibraryInfo>
#include <QString>

namespace platform {

inline QString qtTranslationsFolder()
{
#ifdef Q_OS_WIN
    return QStringLiteral(":/i18n");
#else
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#endif
}

} // namespace platform
