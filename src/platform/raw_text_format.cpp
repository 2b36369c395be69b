#include "platform/raw_text_format.h"

#include <QIODevice>
#include <QMap>
#include <QStringList>

namespace platform {

namespace {

    const QString openMark = QStringLiteral("@Text(");
    const QString closeMark = QStringLiteral(")");

    bool looksEscaped(const QString& value) { return value.startsWith(openMark) && value.endsWith(closeMark); }

    QString escaped(const QString& text)
    {
        if (!text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')) && !looksEscaped(text))
            return text;
        QString inner = text;
        inner.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
        inner.replace(QLatin1Char('\n'), QLatin1String("\\n"));
        inner.replace(QLatin1Char('\r'), QLatin1String("\\r"));
        return openMark + inner + closeMark;
    }

    // A hand-written value that only looks like the escaped form (an unknown escape) stays as written.
    QString unescaped(const QString& value)
    {
        if (!looksEscaped(value))
            return value;
        const QStringView inner = QStringView(value).sliced(openMark.size(), value.size() - openMark.size() - 1);
        QString text;
        text.reserve(inner.size());
        for (qsizetype i = 0; i < inner.size(); ++i) {
            if (inner[i] != QLatin1Char('\\')) {
                text.append(inner[i]);
                continue;
            }
            const QChar next = i + 1 < inner.size() ? inner[i + 1] : QChar();
            if (next == QLatin1Char('\\'))
                text.append(QLatin1Char('\\'));
            else if (next == QLatin1Char('n'))
                text.append(QLatin1Char('\n'));
            else if (next == QLatin1Char('r'))
                text.append(QLatin1Char('\r'));
            else
                return value;
            ++i;
        }
        return text;
    }

    bool readRaw(QIODevice& device, QSettings::SettingsMap& map)
    {
        QString content = QString::fromUtf8(device.readAll());
        if (content.startsWith(QChar(0xFEFF))) // saved by an editor that marks UTF-8
            content.remove(0, 1);
        QString prefix;
        for (QStringView line : QStringView(content).split(QLatin1Char('\n'))) {
            if (line.endsWith(QLatin1Char('\r'))) // edited on Windows
                line.chop(1);
            const QStringView trimmed = line.trimmed();
            if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('#')))
                continue;
            if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'))) {
                const QStringView section = trimmed.sliced(1, trimmed.size() - 2).trimmed();
                prefix = section.isEmpty() ? QString() : section.toString() + QLatin1Char('/');
                continue;
            }
            const qsizetype equals = line.indexOf(QLatin1Char('='));
            const QStringView key = equals < 0 ? QStringView() : line.first(equals).trimmed();
            if (key.isEmpty())
                continue;
            map.insert(prefix + key.toString(), unescaped(line.sliced(equals + 1).toString()));
        }
        return true;
    }

    bool writeRaw(QIODevice& device, const QSettings::SettingsMap& map)
    {
        // Keys outside any section come first, where a reader sees them before the first header.
        QMap<QString, QStringList> sections;
        for (auto it = map.cbegin(); it != map.cend(); ++it) {
            const qsizetype slash = it.key().lastIndexOf(QLatin1Char('/'));
            const QString section = slash < 0 ? QString() : it.key().first(slash);
            const QString key = it.key().sliced(slash + 1);
            sections[section].append(key + QLatin1Char('=') + escaped(it.value().toString()));
        }
        QString content;
        for (auto it = sections.cbegin(); it != sections.cend(); ++it) {
            if (!it.key().isEmpty())
                content += (content.isEmpty() ? QString() : QStringLiteral("\n")) + QLatin1Char('[') + it.key()
                    + QLatin1String("]\n");
            for (const QString& line : it.value())
                content += line + QLatin1Char('\n');
        }
        const QByteArray bytes = content.toUtf8();
        return device.write(bytes) == bytes.size();
    }

} // namespace

QSettings::Format rawTextFormat()
{
    static const QSettings::Format format = QSettings::registerFormat(QStringLiteral("conf"), readRaw, writeRaw);
    return format;
}

} // namespace platform
