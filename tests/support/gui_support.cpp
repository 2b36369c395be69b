#include "support/gui_support.h"

#include "program.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace support {

void isolateSettings()
{
    // The program's store lives under $XDG_CONFIG_HOME; a folder of this test program's own, removed
    // when it ends, keeps test runs apart from each other and from the user's saved details.
    static QTemporaryDir folder;
    QVERIFY(folder.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path()));
}

std::unique_ptr<form::Form1> startProgram()
{
    auto form = buildProgram();
    form->show();
    form->activateWindow();
    if (!QTest::qWaitForWindowExposed(form.get()))
        qWarning("the window was not exposed");
    return form;
}

void click(form::Form1& form, const QString& button) { QTest::mouseClick(form.button(button), Qt::LeftButton); }

void pickFromList(QComboBox* box, const QString& item)
{
    const int row = box->findText(item);
    QVERIFY2(row >= 0, qPrintable(item));
    box->showPopup();
    QAbstractItemView* view = box->view();
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    QTRY_VERIFY(!view->isVisible());
}

void pickWithArrows(QComboBox* box, const QString& item)
{
    const int row = box->findText(item);
    QVERIFY2(row >= 0, qPrintable(item));
    box->setFocus();
    if (box->currentIndex() < 0)
        QTest::keyClick(box, Qt::Key_Down);
    while (box->currentIndex() < row)
        QTest::keyClick(box, Qt::Key_Down);
    while (box->currentIndex() > row)
        QTest::keyClick(box, Qt::Key_Up);
}

std::shared_ptr<bool> answerNextMessageBox(std::function<void(QMessageBox*)> check)
{
    auto answered = std::make_shared<bool>(false);
    auto* timer = new QTimer(qApp);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, answered, check] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        timer->stop();
        timer->deleteLater();
        if (check)
            check(box);
        if (QAbstractButton* ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->reject();
        *answered = true;
    });
    timer->start();
    return answered;
}

void typeInto(QWidget* box, const QString& text)
{
    QWidget* target = box;
    if (auto* combo = qobject_cast<QComboBox*>(box))
        target = combo->lineEdit();
    target->setFocus();
    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) {
        QTest::keyClick(target, Qt::Key_Delete);
        return;
    }
    // keyClicks sends Latin-1 only; Chinese text arrives as one key event carrying it, as an input
    // method would deliver it.
    bool latin1 = true;
    for (QChar c : text)
        latin1 = latin1 && c.unicode() < 0x100;
    if (latin1) {
        QTest::keyClicks(target, text);
        return;
    }
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
}

} // namespace support
