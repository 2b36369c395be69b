#include "support/gui_support.h"

#include "program.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

namespace support {

namespace {
    // Before main(), so that no test can reach the user's saved details, whatever it forgets.
    void isolateSettings()
    {
        static QTemporaryDir folder;
        if (!folder.isValid())
            qFatal("no temporary folder for the settings");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path()));
    }
    Q_CONSTRUCTOR_FUNCTION(isolateSettings)
} // namespace

std::unique_ptr<form::Form1> startProgram(bool settled)
{
    auto form = buildProgram();
    form->show();
    if (!settled)
        QApplication::setActiveWindow(form.get());
    else if (form->activateWindow(); !QTest::qWaitForWindowActive(form.get()))
        qWarning("the window was not activated");
    return form;
}

QStringList click(const form::Form1& form, const QString& name, int awaited)
{
    return messageBoxesDuring([&] { QTest::mouseClick(form.control(name), Qt::LeftButton); }, awaited);
}

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

void typeInto(QWidget* box, const QString& text)
{
    auto* combo = qobject_cast<QComboBox*>(box);
    QWidget* target = combo ? combo->lineEdit() : box;
    target->setFocus();
    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(target, Qt::Key_Delete);
    // Other than Latin-1, text arrives as one key event carrying it, as an input method delivers it.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x100; }))
        QTest::keyClicks(target, text);
    else
        QApplication::sendEvent(target, &press);
}

const QMimeData* copyAll(QWidget* from)
{
    // Under Wine, the clipboard's keeper may hold it a moment (syncing it with the X display's, which
    // other tests' programs share): a copy that found it busy and brought nothing is made again.
    for (int attempt = 0; attempt < 10; ++attempt) {
        QApplication::clipboard()->clear();
        from->setFocus();
        QTest::keyClick(from, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(from, Qt::Key_C, Qt::ControlModifier);
        if (!QApplication::clipboard()->mimeData()->formats().isEmpty())
            break;
        QTest::qWait(200);
    }
    return QApplication::clipboard()->mimeData();
}

QString pageName(const form::Form1& form)
{
    const QWidget* shown = form.visiblePage();
    return shown ? shown->objectName() : QStringLiteral("(not exactly one)");
}

QStringList messageBoxesDuring(const std::function<void()>& action, int awaited)
{
    QStringList shown;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &watch, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown << box->windowTitle() + ": " + box->text()
                    + (box->icon() == QMessageBox::NoIcon && box->iconPixmap().isNull() ? "" : " [icon]")
                    + (box->buttons().size() == 1 ? "" : " [buttons]");
            box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok)->click() : box->reject();
        }
    });
    watch.start(10);
    action();
    (void)QTest::qWaitFor([&] { return shown.size() >= awaited; }, 30'000); // a shortfall shows in the result
    return shown;
}

} // namespace support
