#include "platform/mail_draft.h"
#include "platform/message_box.h"

#include <QPointer>
#include <QProcess>
#include <QWidget>

namespace platform {

// xdg-email finds the desktop's mail program and opens the message in it. With some mail programs
// it returns only when the mail program closes, so it runs beside the window and its outcome is
// looked at when it ends: 0 means the message was handed over; 3 (no mail program found), 4 (the
// mail program failed) or a missing xdg-email mean it was not. It is given the texts as UTF-8
// whatever the locale, and the body with LF line ends: it writes each as CR LF itself.
//
// The process belongs to no window: a QProcess ends its program when it is destroyed, and the mail
// program (which xdg-email may have become) must outlive the window. It goes once it has ended.
void openMailDraft(const MailDraft& draft, QWidget* owner)
{
    auto* process = new QProcess;
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    const auto ended = [process, window = QPointer<QWidget>(owner)](bool handedOver) {
        process->deleteLater();
        if (!handedOver && window)
            showMessage(window, noMailProgramPrompt(), noMailProgramTitle());
    };
    QObject::connect(process, &QProcess::finished, process,
        [ended](int code, QProcess::ExitStatus status) { ended(status == QProcess::NormalExit && code == 0); });
    QObject::connect(process, &QProcess::errorOccurred, process, [ended](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            ended(false);
    });
    process->start(QStringLiteral("xdg-email"),
        { QStringLiteral("--utf8"), QStringLiteral("--subject"), oneLine(draft.subject), QStringLiteral("--body"),
            withLineEnds(draft.body, QStringLiteral("\n")), draft.to });
}

} // namespace platform
