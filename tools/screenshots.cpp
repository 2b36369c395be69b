// Walks the real window through a sample order, the way a customer would, and saves each page as a
// PNG. Usage: tovira_screenshots OUTPUT_DIR [--scale FACTOR]

#include "platform/text_drawing.h"
#include "program.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

namespace {

void pick(QComboBox* box, const QString& item)
{
    box->showPopup();
    QAbstractItemView* view = box->view();
    const QModelIndex index = view->model()->index(box->findText(item), 0);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

void type(form::Form1& form, const char* box, const QString& text)
{
    QLineEdit* edit = form.textBox(QString::fromLatin1(box));
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    // keyClicks sends Latin-1 only, so Chinese text is delivered as input method text.
    QKeyEvent event(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(edit, &event);
}

bool save(form::Form1& form, const QDir& dir, const QString& file)
{
    QApplication::processEvents();
    const QString path = dir.filePath(file);
    if (!form.grab().save(path))
        return false;
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QString outDir;
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--scale") == 0 && i + 1 < argc)
            qputenv("QT_SCALE_FACTOR", argv[++i]);
        else
            outDir = QString::fromLocal8Bit(argv[i]);
    }
    if (outDir.isEmpty()) {
        std::fprintf(stderr, "usage: tovira_screenshots OUTPUT_DIR [--scale FACTOR]\n");
        return 2;
    }

    platform::QtArguments qtArguments(argc, argv); // drawn as the program draws
    QApplication app(qtArguments.count(), qtArguments.values());
    // A sample customer in a settings folder of its own, never the user's saved details.
    QTemporaryDir settingsFolder;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settingsFolder.path()));
    QDir dir;
    if (!dir.mkpath(outDir)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(outDir));
        return 1;
    }
    dir.setPath(outDir);

    auto form = buildProgram();
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get()))
        return 1;

    bool ok = save(*form, dir, QStringLiteral("1-welcome.png"));
    QTest::mouseClick(form->button(QStringLiteral("Command2")), Qt::LeftButton);
    pick(form->comboBox(QStringLiteral("Combo1")), QStringLiteral("02"));
    pick(form->comboBox(QStringLiteral("Combo4")), QStringLiteral("05"));
    pick(form->comboBox(QStringLiteral("Combo11")), QStringLiteral("12"));
    pick(form->comboBox(QStringLiteral("Combo10")), QStringLiteral("03"));
    ok = ok && save(*form, dir, QStringLiteral("2-products.png"));

    QTest::mouseClick(form->button(QStringLiteral("Command3")), Qt::LeftButton);
    type(*form, "Text2", QStringLiteral("林美華"));
    type(*form, "Text1", QStringLiteral("台北市大安區和平東路二段100號5樓"));
    type(*form, "Text4", QStringLiteral("美華"));
    type(*form, "Text5", QStringLiteral("0912-345-678"));
    type(*form, "Text3", QStringLiteral("54321"));
    type(*form, "Text6", QStringLiteral("8/20 14:35"));
    type(*form, "Text8", QStringLiteral("8/26"));
    type(*form, "Text7", QStringLiteral("8/27"));
    type(*form, "Text10", QStringLiteral("8/28"));
    type(*form, "Text11", QStringLiteral("請放管理室"));
    QTest::mouseClick(form->optionButton(QStringLiteral("Option2")), Qt::LeftButton);
    form->button(QStringLiteral("Command4"))->setFocus();
    ok = ok && save(*form, dir, QStringLiteral("3-details.png"));

    QTest::mouseClick(form->button(QStringLiteral("Command4")), Qt::LeftButton);
    ok = ok && save(*form, dir, QStringLiteral("4-result.png"));

    QTest::mouseClick(form->button(QStringLiteral("Command1")), Qt::LeftButton);
    ok = ok && save(*form, dir, QStringLiteral("5-reminders.png"));
    return ok ? 0 : 1;
}
