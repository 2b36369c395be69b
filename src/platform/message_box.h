#pragma once
// The program's one kind of message: a modal box with a prompt, a title, one OK button and no icon.

class QString;
class QWidget;

namespace platform {

// Shows the box over `owner` and returns when the customer dismisses it.
void showMessage(QWidget* owner, const QString& prompt, const QString& title);

} // namespace platform
