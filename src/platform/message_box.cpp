#include "platform/message_box.h"

#include <QMessageBox>

namespace platform {

void showMessage(QWidget* owner, const QString& prompt, const QString& title)
{
    QMessageBox box(QMessageBox::NoIcon, title, prompt, QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace platform
