// The window as built from its layout: every control where it belongs, and a sample of captions,
// lists, tool tips and looks compared with the design's own words.

#include "form/layout_types.h"
#include "shop/shop.h"
#include "support/gui_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

using form::Form1;

namespace {

QStringList numbered(const QString& stem, int last)
{
    QStringList names;
    for (int i = 1; i <= last; ++i)
        names << stem + QString::number(i);
    return names;
}

QString rectText(const QRect& r)
{
    return QStringLiteral("(%1, %2, %3 x %4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// A one-line caption wider than its designed box may run past the box sideways, just as far as its
// text needs, rather than wrap into a line the box cannot show.
bool stretchedToFit(QWidget* w, const QRect& designed)
{
    auto* label = qobject_cast<QLabel*>(w);
    if (!label)
        return false;
    const QRect r = w->geometry();
    int needed = 0;
    for (const QString& line : label->text().split(QRegularExpression(QStringLiteral("\r?\n"))))
        needed = qMax(needed, QFontMetrics(label->font()).horizontalAdvance(line));
    return r.contains(designed) && r.top() == designed.top() && r.height() == designed.height()
        && needed > designed.width() && r.width() <= needed;
}

// What the user reads on a control.
QString shownText(QWidget* w)
{
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text();
    if (auto* frame = qobject_cast<QGroupBox*>(w))
        return frame->title();
    if (auto* box = qobject_cast<QLineEdit*>(w))
        return box->text();
    if (auto* box = qobject_cast<QPlainTextEdit*>(w))
        return box->toPlainText();
    if (auto* box = qobject_cast<QComboBox*>(w))
        return box->currentText();
    return QStringLiteral("(no text)");
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> form;

    QWidget* control(const QString& name) const { return form->hasControl(name) ? form->control(name) : nullptr; }

private slots:
    void initTestCase()
    {
        support::isolateSettings();
        form = std::make_unique<Form1>();
    }
    void cleanupTestCase() { form.reset(); }

    void window()
    {
        QCOMPARE(form->windowTitle(), QStringLiteral("Tovira幫你算"));
        QCOMPARE(form->size(), QSize(359, 576));
    }

    void welcomePicture()
    {
        const QPixmap picture = form->label("Image1")->pixmap();
        QVERIFY(!picture.isNull());
        QVERIFY(form->label("Image1")->hasScaledContents());
    }

    void controlsOfEachKind_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("widgetClass");
        QTest::newRow("labels") << "^Label" << numbered("Label", 118) + QStringList { "Label薑母鴨" } << "QLabel";
        QTest::newRow("single-line text boxes") << "^Text([1-9]|1[0-5])$" << numbered("Text", 15) << "QLineEdit";
        QTest::newRow("body box") << "^Text16$" << QStringList { "Text16" } << "QPlainTextEdit";
        QTest::newRow("combo boxes") << "^Combo" << numbered("Combo", 13) << "QComboBox";
        QTest::newRow("command buttons") << "^Command" << numbered("Command", 8) << "QPushButton";
        QTest::newRow("frames") << "^Frame" << numbered("Frame", 6) << "QGroupBox";
        QTest::newRow("option buttons") << "^Option" << numbered("Option", 4) << "QRadioButton";
        QTest::newRow("check boxes") << "^Check" << numbered("Check", 2) << "QCheckBox";
        QTest::newRow("image") << "^Image" << QStringList { "Image1" } << "QWidget";
        QTest::newRow("lines") << "^Line" << numbered("Line", 4) << "QWidget";
    }
    void controlsOfEachKind()
    {
        QFETCH(QString, pattern);
        QFETCH(QStringList, names);
        QFETCH(QString, widgetClass);
        QStringList found = form->controlNames().filter(QRegularExpression(pattern));
        found.sort();
        names.sort();
        QCOMPARE(found, names);
        for (const QString& name : names)
            QVERIFY2(form->control(name)->inherits(qPrintable(widgetClass)), qPrintable(name));
    }

    void everyControlCounted() { QCOMPARE(form->controlNames().size(), 169 + 4); }

    // Every row of the layout became a widget of that name, inside its container, at its place.
    void everyRowPlaced()
    {
        for (const form::ControlSpec& row : form::layoutTable()) {
            const QByteArray name = row.name.toUtf8();
            QWidget* w = control(row.name);
            QVERIFY2(w && w->objectName() == row.name, name);
            QWidget* container = row.container == QLatin1String("Form1") ? form.get() : control(row.container);
            QVERIFY2(container && container->isAncestorOf(w), name);
            const form::Twips& t = row.geometry;
            const QRect r = w->geometry();
            if (row.kind == form::Kind::Line) {
                // A one-pixel line through both end points.
                QVERIFY2(r.contains(t.left / 15, t.top / 15) && r.contains(t.width / 15, t.height / 15), name);
                QVERIFY2(r.width() == 1 || r.height() == 1, name);
            } else {
                const QRect expected(t.left / 15, t.top / 15, t.width / 15, t.height / 15);
                if (r != expected && !stretchedToFit(w, expected))
                    QFAIL(qPrintable(row.name + " is at " + rectText(r) + ", not " + rectText(expected)));
            }
        }
    }

    // A sample of designed places in pixels, written out by hand, so that a wrong number in the table
    // itself is caught too.
    void designedPixels_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("page") << "Frame3" << QRect(0, 0, 361, 577);
        QTest::newRow("order information box") << "Frame5" << QRect(0, 0, 361, 353);
        QTest::newRow("welcome picture") << "Image1" << QRect(72, 128, 201, 196);
        QTest::newRow("sauce pack price") << "Label62" << QRect(104, 328, 33, 17);
        QTest::newRow("sauce pack quantity") << "Combo10" << QRect(152, 328, 49, 21);
        QTest::newRow("second row points") << "Label29" << QRect(256, 64, 41, 25);
        QTest::newRow("amount to transfer") << "Label25" << QRect(184, 424, 65, 17);
        QTest::newRow("left side of the remittance box") << "Line2" << QRect(24, 448, 1, 81);
        QTest::newRow("remark box") << "Text11" << QRect(88, 344, 233, 49);
        QTest::newRow("no time slot") << "Option4" << QRect(272, 320, 17, 17);
        QTest::newRow("body box") << "Text16" << QRect(16, 144, 321, 297);
        QTest::newRow("generate button") << "Command4" << QRect(192, 536, 145, 25);
    }
    void designedPixels()
    {
        QFETCH(QString, name);
        QFETCH(QRect, expected);
        QCOMPARE(control(name)->geometry(), expected);
    }

    void onlyWelcomePageShown_data()
    {
        QTest::addColumn<QString>("frame");
        QTest::addColumn<bool>("shown");
        QTest::newRow("welcome") << "Frame1" << true;
        QTest::newRow("products") << "Frame2" << false;
        QTest::newRow("order information box") << "Frame5" << true;
        QTest::newRow("details") << "Frame3" << false;
        QTest::newRow("result") << "Frame6" << false;
        QTest::newRow("reminder") << "Frame4" << false;
    }
    void onlyWelcomePageShown()
    {
        QFETCH(QString, frame);
        QFETCH(bool, shown);
        QCOMPARE(!form->frame(frame)->isHidden(), shown);
    }

    void captions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("title") << "Label53"
                               << "Tovira幫你算 97夏季版";
        QTest::newRow("three lines") << "Label72"
                                     << "在你還未開始之前\r\n請先確認你都看過我們的訂購規則\r\n以確保雙方交易愉快喔";
        QTest::newRow("blanks around bars") << "Label73"
                                            << "[必] 訂購 | 運費 | 菜色 | 注意";
        QTest::newRow("trailing CR LF") << "Label84"
                                        << "1.信件寄出去後是否有收到我們信箱的自動回覆信件\r\n"
                                           "標題名稱為[Tovira  已經收到你的信囉]\r\n";
        QTest::newRow("trailing CR LF, three lines")
            << "Label86"
            << "3.在收貨日的前幾天\r\n我會再用e-mail提供給你寄件單號\r\n以便您查詢美味的動向喔\r\n";
        QTest::newRow("no trailing CR LF") << "Label87"
                                           << "最後\r\n謝謝你相信Tovira\r\n也希望Tovira的菜能溫暖你的胃與心";
        QTest::newRow("trailing blank") << "Label77"
                                        << "[Tovira料理] 心得分享 ";
        QTest::newRow("reminder greeting") << "Label80"
                                           << "哈囉\r\n請確認您已將系統產生的訂單貼到你的郵件軟體，並且順利寄出 "
                                              "(確認方法可檢查你的寄件備份是否有此次的訂單。)";
        QTest::newRow("not sent warning") << "Label103"
                                          << "此程式僅供產生訂單，不會幫你把訂單寄出，請務必自行利用郵件程式寄送訂單。";
        QTest::newRow("mail programs") << "Label98"
                                       << "請先新增一封新郵件(Outlook、Yahoo、Gmail、Hotmail....)";
        QTest::newRow("full-width colon") << "Label100"
                                          << "日期順位1：";
        QTest::newRow("price under a Chinese name") << "Label薑母鴨"
                                                    << "400";
        QTest::newRow("last row's name") << "Label35"
                                         << "特製沾醬包";
        QTest::newRow("widest name") << "Label54"
                                     << "蜜酥花生小魚";
        QTest::newRow("subtotal") << "Label110"
                                  << "0";
        QTest::newRow("amount on details page") << "Label68"
                                                << "0";
        QTest::newRow("generate button") << "Command4"
                                         << "匯款完成，產生訂單";
        QTest::newRow("product page caption") << "Frame2"
                                              << "";
        QTest::newRow("order information box") << "Frame5"
                                               << "訂購資訊";
        QTest::newRow("subject empty") << "Text15"
                                       << "";
        QTest::newRow("body empty") << "Text16"
                                    << "";
    }
    void captions()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QCOMPARE(shownText(form->control(name)), text);
    }

    void shopData_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("locked");
        QTest::newRow("order address") << "Text12" << QString(shop::orderAddress) << true;
        QTest::newRow("bank code") << "Text13" << QString(shop::bankCode) << true;
        QTest::newRow("bank account") << "Text14" << QString(shop::bankAccount) << true;
        QTest::newRow("subject is editable") << "Text15"
                                             << "" << false;
        QTest::newRow("name is editable") << "Text2"
                                          << "" << false;
    }
    void shopData()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(bool, locked);
        QCOMPARE(form->textBox(name)->text(), text);
        QCOMPARE(form->textBox(name)->isReadOnly(), locked);
    }

    void reminderNamesShopContacts()
    {
        QCOMPARE(form->label("Label79")->text(),
            QStringLiteral("客服專線   ") + shop::servicePhone + "\r\n(若非緊急事件 還是麻煩利用e-mail或是留言喔)");
        const QStringList lines = form->label("Label85")->text().split("\r\n");
        QCOMPARE(lines.size(), 6);
        QCOMPARE(lines[0], QStringLiteral("2.若24小時之後 未收到自動回信"));
        QVERIFY(lines[1].contains(QString(shop::staffName)));
        QCOMPARE(lines.mid(2),
            (QStringList {
                "在網頁上沒有見到自己被排到任何一個日期中", "麻煩盡速在網頁上留言給我", "我會幫忙處理", "" }));
    }

    void toolTips_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("tip");
        QTest::newRow("address box") << "Text1"
                                     << "請留中文全名";
        QTest::newRow("address caption") << "Label12"
                                         << "請留中文全名";
        QTest::newRow("name box has none") << "Text2"
                                           << "";
        QTest::newRow("nickname") << "Text4"
                                  << "你要顯示在網頁訂單中的";
        QTest::newRow("phone") << "Text5"
                               << "提供越多越好 避免黑貓先生找不到你";
        QTest::newRow("remittance time") << "Text6"
                                         << "幾點幾分都要寫喔";
        QTest::newRow("first date") << "Text8"
                                    << "請至少選三個日期";
        QTest::newRow("second date has none") << "Text7"
                                              << "";
        QTest::newRow("day type") << "Label67"
                                  << "平日 或是 假日 (請至少選三個日期)";
        QTest::newRow("no time slot") << "Option4"
                                      << "黑貓只能指定時段 無法指定時間點喔";
    }
    void toolTips()
    {
        QFETCH(QString, name);
        QFETCH(QString, tip);
        QCOMPARE(form->control(name)->toolTip(), tip);
    }

    void quantityLists_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("enabled");
        for (const char* name : { "Combo1", "Combo4", "Combo8", "Combo2", "Combo11", "Combo13", "Combo10" })
            QTest::newRow(name) << name << true;
        QTest::newRow("Combo9, row not orderable") << "Combo9" << false;
    }
    void quantityLists()
    {
        QFETCH(QString, name);
        QFETCH(bool, enabled);
        QComboBox* box = form->comboBox(name);
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        QCOMPARE(items,
            (QStringList { "00", "01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11", "12", "13", "14",
                "15", "16", "17", "18", "19", "20" }));
        QCOMPARE(box->currentText(), QStringLiteral("00"));
        QCOMPARE(box->currentIndex(), -1);
        QVERIFY(box->isEditable());
        QCOMPARE(box->isEnabled(), enabled);
    }

    void initialChoices_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("ticked");
        QTest::newRow("weekday ticked") << "Check1" << true;
        QTest::newRow("holiday clear") << "Check2" << false;
        QTest::newRow("before noon") << "Option1" << false;
        QTest::newRow("12~17") << "Option2" << false;
        QTest::newRow("17~20") << "Option3" << false;
        QTest::newRow("any time selected") << "Option4" << true;
    }
    void initialChoices()
    {
        QFETCH(QString, name);
        QFETCH(bool, ticked);
        auto* button = form->control<QAbstractButton>(name);
        QCOMPARE(button->isChecked(), ticked);
        if (auto* box = qobject_cast<QCheckBox*>(button))
            QVERIFY(box->checkState() != Qt::PartiallyChecked);
    }

    void fonts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("underline");
        QTest::newRow("title") << "Label53" << 14.25 << true << false;
        QTest::newRow("reminder greeting") << "Label80" << 11.25 << true << false;
        QTest::newRow("reading link") << "Label76" << 9.0 << false << true;
        QTest::newRow("rules link") << "Label73" << 9.75 << false << true;
        QTest::newRow("season dates") << "Label82" << 9.75 << true << false;
        QTest::newRow("product name") << "Label3" << 9.75 << false << false;
    }
    void fonts()
    {
        QFETCH(QString, name);
        QFETCH(double, points);
        QFETCH(bool, bold);
        QFETCH(bool, underline);
        const QFont f = form->control(name)->font();
        QCOMPARE(f.pointSizeF(), points);
        QCOMPARE(f.bold(), bold);
        QCOMPARE(f.underline(), underline);
    }

    // Ten labels were left on the window's default face and size; the rest of the window uses the
    // Ming face.
    void windowFontLabels_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("windowFont");
        for (const char* name : { "Label75", "Label79", "Label83", "Label84", "Label85", "Label86", "Label87",
                 "Label91", "Label101", "Label102" })
            QTest::newRow(name) << name << true;
        for (const char* name : { "Label73", "Label88", "Label100", "Label103" })
            QTest::newRow(name) << name << false;
    }
    void windowFontLabels()
    {
        QFETCH(QString, name);
        QFETCH(bool, windowFont);
        // The window's default font is the customers' desktop font, 新細明體 9 pt; the others are 9.75 pt
        // or larger.
        const QFont f = form->label(name)->font();
        QCOMPARE(f.family(), QStringLiteral("新細明體"));
        QCOMPARE(f.pointSizeF() == 9.0, windowFont);
    }

    void inks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("title dark blue") << "Label53" << QColor(0x00, 0x00, 0xC0);
        QTest::newRow("season dates red") << "Label82" << QColor(0xFF, 0x00, 0x00);
        QTest::newRow("product name blue") << "Label27" << QColor(0x00, 0x00, 0xFF);
        QTest::newRow("unavailable name light grey") << "Label34" << QColor(0xC0, 0xC0, 0xC0);
        QTest::newRow("dates link blue") << "Label88" << QColor(0x00, 0x00, 0xFF);
        QTest::newRow("reading heading red") << "Label75" << QColor(0xFF, 0x00, 0x00);
    }
    void inks()
    {
        QFETCH(QString, name);
        QFETCH(QColor, colour);
        QWidget* w = form->control(name);
        w->ensurePolished();
        QCOMPARE(w->palette().color(QPalette::WindowText), colour);
    }

    void pointers_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("link");
        QTest::addColumn<Qt::CursorShape>("shape");
        for (const char* name : { "Label3", "Label34", "Label35", "Label73", "Label76", "Label77", "Label88" })
            QTest::newRow(name) << name << true << Qt::PointingHandCursor;
        QTest::newRow("bank code caption") << "Label81" << false << Qt::IBeamCursor;
        QTest::newRow("price") << "Label55" << false << Qt::ArrowCursor;
    }
    void pointers()
    {
        QFETCH(QString, name);
        QFETCH(bool, link);
        QFETCH(Qt::CursorShape, shape);
        const Qt::CursorShape actual = form->control(name)->cursor().shape();
        // The hand may be the platform's own or a drawn one.
        if (link)
            QVERIFY2(actual == Qt::PointingHandCursor || actual == Qt::BitmapCursor, qPrintable(name));
        else
            QCOMPARE(actual, shape);
    }

    void numbersRightAligned_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("right");
        QTest::newRow("subtotal row 1") << "Label6" << true;
        QTest::newRow("points row 2") << "Label29" << true;
        QTest::newRow("subtotal row 13") << "Label46" << true;
        QTest::newRow("amount to transfer") << "Label25" << true;
        QTest::newRow("price") << "Label薑母鴨" << false;
        QTest::newRow("sum caption") << "Label17" << false;
    }
    void numbersRightAligned()
    {
        QFETCH(QString, name);
        QFETCH(bool, right);
        QCOMPARE(form->label(name)->alignment().testFlag(Qt::AlignRight), right);
    }
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
