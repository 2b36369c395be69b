#pragma once
// Handing the order e-mail to the customer's own mail program as a new, unsent message, which the
// customer reviews and sends from there. What is handed over is exactly the three texts: no copy
// recipients and no attachments, whatever the texts contain.

#include <QString>

class QWidget;

namespace platform {

struct MailDraft {
    QString to;
    QString subject;
    QString body; // lines ended by LF or CR LF
};

// Starts the hand-off and returns at once: the window keeps responding while the mail program comes
// up, and each call opens a message of its own. When no mail program takes the message, one message
// box over `owner` says so; nothing in the window changes either way.
void openMailDraft(const MailDraft& draft, QWidget* owner);

// The subject as one header line: each line break in it becomes a space.
QString oneLine(const QString& subject);

// The text with every line break (CR LF, LF or CR) written as `end`.
QString withLineEnds(const QString& text, const QString& end);

// The draft as a mailto: address (RFC 6068): the subject on one line and the body with CR LF line
// ends, both as UTF-8 with every character but letters, digits and "-._~" percent-encoded, so that
// nothing typed into them can add a header.
QString mailtoAddress(const MailDraft& draft);

// What the message box says when no mail program could be opened, and its title.
QString noMailProgramPrompt();
QString noMailProgramTitle();

} // namespace platform
