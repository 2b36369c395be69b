#include "platform/mail_draft.h"

#include <QUrl>

namespace platform {

QString oneLine(const QString& subject) { return withLineEnds(subject, QStringLiteral(" ")); }

QString withLineEnds(const QString& text, const QString& end)
{
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return lines.replace(QLatin1Char('\n'), end);
}

QString mailtoAddress(const MailDraft& draft)
{
    const auto encoded = [](const QString& text, const char* kept = "") {
        return QString::fromLatin1(QUrl::toPercentEncoding(text, kept));
    };
    return QLatin1String("mailto:") + encoded(draft.to, "@") + QLatin1String("?subject=")
        + encoded(oneLine(draft.subject)) + QLatin1String("&body=")
        + encoded(withLineEnds(draft.body, QStringLiteral("\r\n")));
}

// The page itself tells the customer to start a new message and copy the boxes into it (Label98,
// Label94): the box says that this is still the way.
QString noMailProgramPrompt()
{
    return QStringLiteral("無法開啟您的郵件程式。\n"
                          "請依本頁說明，先新增一封新郵件，再將收件者、主旨、內容三欄的資料"
                          "複製到您寄件頁面的相對欄位寄出即可。");
}

QString noMailProgramTitle() { return QStringLiteral("錯誤"); }

} // namespace platform
