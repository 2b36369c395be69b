#include "stand_ins.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QUrl>

namespace robustness {

MessageBoxAnswerer::MessageBoxAnswerer(std::function<Answer()> choose)
    : choose_(std::move(choose))
{
    qApp->installEventFilter(this);
}

MessageBoxAnswerer::~MessageBoxAnswerer() { qApp->removeEventFilter(this); }

QStringList MessageBoxAnswerer::takeAnswered() { return std::exchange(answered_, {}); }

bool MessageBoxAnswerer::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = event->type() == QEvent::Show ? qobject_cast<QMessageBox*>(watched) : nullptr;
    if (!box)
        return false;
    QString seen = box->windowTitle() + QLatin1Char('|') + box->text();
    if (box->icon() != QMessageBox::NoIcon)
        seen += QStringLiteral("|icon");
    if (box->buttons().size() != 1)
        seen += QStringLiteral("|buttons %1").arg(box->buttons().size());
    answered_ << seen;
    // The box is being shown from inside its exec(); the answer has to wait for its event loop.
    QTimer::singleShot(0, box, [this, box = QPointer<QMessageBox>(box), answer = choose_()] {
        if (!box)
            return;
        // A box that stays open after its answer would hang the test in its exec(); close it after a
        // while and let the test report it.
        QTimer::singleShot(2000, box, [this, box] {
            answered_ << QStringLiteral("%1|did not close").arg(box->windowTitle());
            box->close();
        });
        QAbstractButton* ok = box->button(QMessageBox::Ok);
        switch (answer) {
        case Answer::OkButton:
            if (ok) {
                QTest::mouseClick(ok, Qt::LeftButton);
                break;
            }
            [[fallthrough]];
        case Answer::CloseWindow:
            box->close();
            break;
        case Answer::ReturnKey:
            QTest::keyClick(box, Qt::Key_Return);
            break;
        case Answer::EscapeKey:
            QTest::keyClick(box, Qt::Key_Escape);
            break;
        }
    });
    return false;
}

BrowserStandIn::BrowserStandIn()
{
    for (const char* scheme : { "http", "https" })
        QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "open");
}

BrowserStandIn::~BrowserStandIn()
{
    for (const char* scheme : { "http", "https" })
        QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
}

void BrowserStandIn::open(const QUrl& url) { opened_ << url.toString(); }

QStringList BrowserStandIn::takeOpened() { return std::exchange(opened_, {}); }

} // namespace robustness
