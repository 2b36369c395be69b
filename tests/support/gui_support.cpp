#include "support/gui_support.h"

#include "program.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

namespace support {

void isolateSettings()
{
    // The program's store lives under $XDG_CONFIG_HOME; a folder of this test program's own, removed
    // when it ends, keeps test runs apart from each other and from the user's saved details.
    static QTemporaryDir folder;
    if (!folder.isValid())
        qFatal("no temporary folder for the settings");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path()));
}
// Before main(), so that no test can reach the user's settings, whatever it forgets.
Q_CONSTRUCTOR_FUNCTION(isolateSettings)

std::unique_ptr<form::Form1> startProgram()
{
    auto form = buildProgram();
    form->show();
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form.get()))
        qWarning("the window was not activated");
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
    // keyClicks sends Latin-1 only; other text arrives as one key event carrying it, as an input
    // method would deliver it.
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x100; })) {
        QTest::keyClicks(target, text);
        return;
    }
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
}

const QMimeData* copyAll(QWidget* from)
{
    QApplication::clipboard()->clear();
    from->setFocus();
    QTest::keyClick(from, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(from, Qt::Key_C, Qt::ControlModifier);
    return QApplication::clipboard()->mimeData();
}

QString pageName(const form::Form1& form)
{
    const QWidget* shown = form.visiblePage();
    return shown ? shown->objectName() : QStringLiteral("(not exactly one)");
}

QStringList snapshot(const form::Form1& form)
{
    QStringList lines;
    for (const QString& name : form.controlNames()) {
        QWidget* w = form.control(name);
        QString line = name + (w->isHidden() ? " hidden" : " shown") + (w->isEnabled() ? "" : " disabled");
        for (const char* property : { "text", "title", "plainText", "currentIndex", "currentText", "checked" })
            if (const QVariant value = w->property(property); value.isValid())
                line += ' ' + value.toString();
        if (auto* box = qobject_cast<QCheckBox*>(w)) // a greyed box counts as checked too
            line += " value " + QString::number(form::checkValue(box));
        lines << line;
    }
    lines.sort();
    return lines;
}

QString options(const form::Form1& form)
{
    QString selected;
    for (const char* name : { "Option1", "Option2", "Option3", "Option4" })
        selected += form.optionButton(QLatin1String(name))->isChecked() ? '1' : '0';
    return selected;
}

QStringList messageBoxesDuring(const std::function<void()>& action)
{
    QStringList shown;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &watch, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        shown << box->windowTitle() + ": " + box->text() + (box->buttons().size() == 1 ? "" : " [buttons]")
                + (box->icon() == QMessageBox::NoIcon && box->iconPixmap().isNull() ? "" : " [icon]");
        box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok)->click() : box->reject();
    });
    watch.start(10);
    action();
    return shown;
}

} // namespace support
