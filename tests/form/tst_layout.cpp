// The window as built from its layout: every control where it belongs, and a sample of captions,
// lists, tool tips, looks and spoken names compared with the design's own words.

#include "form/layout_types.h"
#include "shop/shop.h"
#include "support/gui_support.h"

#include <QAccessible>
#include <QFontInfo>
#include <QRegularExpression>

namespace {

// A one-line caption wider than its designed box may run past the box sideways, just as far as its
// text needs, rather than wrap into a line the box cannot show.
bool stretchedToFit(QWidget* w, const QRect& designed)
{
    auto* label = qobject_cast<QLabel*>(w);
    const QRect r = w->geometry();
    int needed = 0;
    for (const QString& line : label ? label->text().split(QRegularExpression("\r?\n")) : QStringList())
        needed = qMax(needed, QFontMetrics(label->font()).horizontalAdvance(line));
    return r.contains(designed) && r.top() == designed.top() && r.height() == designed.height()
        && needed > designed.width() && r.width() <= needed;
}

// A control's property as text: one of the looks below, or else the Qt property of that name.
QString look(QWidget* w, const QString& property)
{
    w->ensurePolished();
    const QFont f = w->font();
    const Qt::CursorShape pointer = w->cursor().shape();
    if (property == "font")
        return QString::number(f.pointSizeF()) + (f.bold() ? " bold" : "") + (f.underline() ? " underline" : "");
    if (property == "ink")
        return w->palette().color(QPalette::WindowText).name();
    if (property == "pointer") // the hand may be the platform's own or a drawn one
        return QHash<int, QString> {
            { Qt::PointingHandCursor, "hand" }, { Qt::BitmapCursor, "hand" }, { Qt::IBeamCursor, "I-beam" },
            { Qt::ArrowCursor, "arrow" }
        }.value(pointer, "other");
    if (property == "alignment")
        return w->property("alignment").value<Qt::Alignment>() & Qt::AlignRight ? "right" : "left";
    if (property == "spoken") // an editable box's own name would be its text
        return w->accessibleName().isEmpty() ? QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name)
                                             : w->accessibleName();
    if (auto* combo = qobject_cast<QComboBox*>(w); combo && property == "items") {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        return items.join(' ');
    }
    return w->property(property.toLatin1()).toString();
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT

    std::unique_ptr<form::Form1> form;

private slots:
    void initTestCase()
    {
        QAccessible::setActive(true);
        form = std::make_unique<form::Form1>();
    }

    // 169 controls and 4 lines.
    void everyControl()
    {
        QStringList names = form->controlNames(), expected { "Label薑母鴨", "Image1" };
        const std::pair<const char*, int> numbered[] = { { "Label", 118 }, { "Text", 16 }, { "Combo", 13 },
            { "Command", 8 }, { "Frame", 6 }, { "Option", 4 }, { "Check", 2 }, { "Line", 4 } };
        for (const auto& [stem, last] : numbered)
            for (int n = 1; n <= last; ++n)
                expected << stem + QString::number(n);
        names.sort();
        expected.sort();
        QCOMPARE(names, expected);
    }

    // Every row of the layout became a widget of that name, inside its container, at its place.
    void everyRowPlaced_data()
    {
        QTest::addColumn<form::ControlSpec>("row");
        for (const form::ControlSpec& row : form::layoutTable())
            QTest::newRow(row.name.toUtf8()) << row;
    }
    void everyRowPlaced()
    {
        QFETCH(form::ControlSpec, row);
        QWidget* w = form->hasControl(row.name) ? form->control(row.name) : nullptr;
        QVERIFY(w && w->objectName() == row.name);
        // Its kind as its name says, whatever the row's own kind.
        static const QHash<QString, const char*> classes { { "Label", "QLabel" }, { "Text", "QLineEdit" },
            { "Combo", "QComboBox" }, { "Command", "QPushButton" }, { "Frame", "QGroupBox" },
            { "Option", "QRadioButton" }, { "Check", "QCheckBox" }, { "Image", "QLabel" }, { "Line", "QWidget" } };
        const QString stem = row.name.left(row.name.indexOf(QRegularExpression("[0-9薑]")));
        QVERIFY(w->inherits(row.name == QLatin1String("Text16") ? "QPlainTextEdit" : classes.value(stem, "(unknown)")));
        QVERIFY((row.container == QLatin1String("Form1") ? form.get() : form->control(row.container))->isAncestorOf(w));
        const form::Twips& t = row.geometry;
        const QRect r = w->geometry();
        if (row.kind == form::Kind::Line) {
            // A one-pixel line through both end points.
            QVERIFY(r.contains(t.left / 15, t.top / 15) && r.contains(t.width / 15, t.height / 15));
            QVERIFY(r.width() == 1 || r.height() == 1);
        } else if (const QRect expected(t.left / 15, t.top / 15, t.width / 15, t.height / 15);
                   !stretchedToFit(w, expected)) {
            QCOMPARE(r, expected);
        }
    }

    // A sample of designed places in pixels, written out by hand, so that a wrong number in the table
    // itself is caught too.
    void designedPixels_data()
    {
        support::addRows<QString, QRect>({ "name", "expected" },
            {
                { "page", "Frame3", { 0, 0, 361, 577 } },
                { "order information box", "Frame5", { 0, 0, 361, 353 } },
                { "welcome picture", "Image1", { 72, 128, 201, 196 } },
                { "sauce pack price", "Label62", { 104, 328, 33, 17 } },
                { "sauce pack quantity", "Combo10", { 152, 328, 49, 21 } },
                { "second row points", "Label29", { 256, 64, 41, 25 } },
                { "amount to transfer", "Label25", { 184, 424, 65, 17 } },
                { "left side of the remittance box", "Line2", { 24, 448, 1, 81 } },
                { "remark box", "Text11", { 88, 344, 233, 49 } },
                { "no time slot", "Option4", { 272, 320, 17, 17 } },
                { "body box", "Text16", { 16, 144, 321, 297 } },
                { "generate button", "Command4", { 192, 536, 145, 25 } },
            });
    }
    void designedPixels()
    {
        QFETCH(QString, name);
        QFETCH(QRect, expected);
        QCOMPARE(form->control(name)->geometry(), expected);
    }

    // Each named control shows the properties as designed, in the order named, joined by " ; ".
    void properties_data()
    {
        support::addRows<QString, QString, QString>({ "names", "properties", "expected" },
            {
                { "title", "Label53", "text font ink", "Tovira幫你算 97夏季版 ; 14.25 bold ; #0000c0" },
                { "three lines", "Label72", "text",
                    "在你還未開始之前\r\n請先確認你都看過我們的訂購規則\r\n以確保雙方交易愉快喔" },
                { "rules link, blanks around bars", "Label73", "text font pointer",
                    "[必] 訂購 | 運費 | 菜色 | 注意 ; 9.75 underline ; hand" },
                { "dates link", "Label88", "font ink pointer", "9.75 underline ; #0000ff ; hand" },
                { "reading link", "Label76", "font pointer", "9 underline ; hand" },
                { "reviews link, trailing blank", "Label77", "text", "[Tovira料理] 心得分享 " },
                { "first dish", "Label3", "font pointer", "9.75 ; hand" },
                { "unavailable dish", "Label34", "ink pointer", "#c0c0c0 ; hand" },
                { "other links", "Label35 Label77", "pointer", "hand" },
                { "trailing CR LF", "Label84", "text",
                    "1.信件寄出去後是否有收到我們信箱的自動回覆信件\r\n標題名稱為[Tovira  已經收到你的信囉]\r\n" },
                { "trailing CR LF, three lines", "Label86", "text",
                    "3.在收貨日的前幾天\r\n我會再用e-mail提供給你寄件單號\r\n以便您查詢美味的動向喔\r\n" },
                { "no trailing CR LF", "Label87", "text",
                    "最後\r\n謝謝你相信Tovira\r\n也希望Tovira的菜能溫暖你的胃與心" },
                { "reminder greeting", "Label80", "text font",
                    "哈囉\r\n請確認您已將系統產生的訂單貼到你的郵件軟體，並且順利寄出 "
                    "(確認方法可檢查你的寄件備份是否有此次的訂單。) ; 11.25 bold" },
                { "not sent warning", "Label103", "text font",
                    "此程式僅供產生訂單，不會幫你把訂單寄出，請務必自行利用郵件程式寄送訂單。 ; 9.75 bold" },
                { "season dates", "Label82", "font ink", "9.75 bold ; #ff0000" },
                { "reading heading", "Label75", "font ink", "9 ; #ff0000" },
                // Ten labels were left on the window's default size, the customers' desktop font.
                { "window font", "Label79 Label83 Label84 Label85 Label86 Label87 Label91 Label101 Label102", "font",
                    "9" },
                { "mail programs", "Label98", "text", "請先新增一封新郵件(Outlook、Yahoo、Gmail、Hotmail....)" },
                { "full-width colon", "Label100", "text font", "日期順位1： ; 9.75" },
                { "price under a Chinese name", "Label薑母鴨", "text alignment", "400 ; left" },
                { "figures right-aligned", "Label6 Label29 Label46 Label25", "alignment", "right" },
                { "sum caption left-aligned", "Label17", "alignment", "left" },
                { "last row's name", "Label35", "text", "特製沾醬包" },
                { "widest name", "Label54", "text", "蜜酥花生小魚" },
                { "blue name", "Label27", "ink", "#0000ff" },
                { "price pointer", "Label55", "pointer", "arrow" },
                { "bank code caption pointer", "Label81", "pointer", "I-beam" },
                { "generate button", "Command4", "text spoken", "匯款完成，產生訂單 ; 匯款完成，產生訂單" },
                { "welcome page caption", "Frame1", "title", "歡迎使用" },
                { "product page caption", "Frame2", "title", "" },
                { "order information box", "Frame5", "title", "訂購資訊" },
                { "order body", "Text16", "plainText spoken", " ; 內容" },
                { "order address", "Text12", "text readOnly", QString(shop::orderAddress) + " ; true" },
                { "bank code", "Text13", "text readOnly", QString(shop::bankCode) + " ; true" },
                { "bank account", "Text14", "text readOnly", QString(shop::bankAccount) + " ; true" },
                { "subject", "Text15", "text readOnly", " ; false" },
                { "name box", "Text2", "text readOnly toolTip spoken", " ; false ;  ; 收件姓名" },
                { "service phone", "Label79", "text",
                    QString("客服專線   ") + shop::servicePhone + "\r\n(若非緊急事件 還是麻煩利用e-mail或是留言喔)" },
                { "staff name", "Label85", "text",
                    QString("2.若24小時之後 未收到自動回信\r\n也沒有收到") + shop::staffName
                        + "寄出的排單通知信\r\n在網頁上沒有見到自己被排到任何一個日期中\r\n"
                          "麻煩盡速在網頁上留言給我\r\n我會幫忙處理\r\n" },
                { "quantity lists, none chosen",
                    "Combo1 Combo2 Combo3 Combo4 Combo5 Combo6 Combo7 Combo8 Combo9 Combo10 Combo11 Combo12 Combo13",
                    "items currentText currentIndex editable",
                    "00 01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16 17 18 19 20 ; 00 ; -1 ; true" },
                { "address tip", "Text1 Label12", "toolTip", "請留中文全名" },
                { "second date, no tip", "Text7", "toolTip", "" },
                { "nickname tip", "Text4", "toolTip", "你要顯示在網頁訂單中的" },
                { "phone tip", "Text5", "toolTip", "提供越多越好 避免黑貓先生找不到你" },
                { "remittance time tip", "Text6", "toolTip", "幾點幾分都要寫喔" },
                { "first date tip, spoken without its colon", "Text8", "toolTip spoken",
                    "請至少選三個日期 ; 日期順位1" },
                { "day type tip", "Label67", "toolTip", "平日 或是 假日 (請至少選三個日期)" },
                { "no time slot tip", "Option4", "toolTip", "黑貓只能指定時段 無法指定時間點喔" },
                { "weekday spoken", "Check1", "spoken", "平日" },
                { "time slot spoken", "Option2", "spoken", "12~17" },
                { "quantity of the first dish spoken", "Combo1", "spoken", "薑母鴨 數量" },
                { "quantity of the sauce pack spoken", "Combo10", "spoken", "特製沾醬包 數量" },
            });
    }
    void properties()
    {
        QFETCH(QString, names);
        QFETCH(QString, properties);
        QFETCH(QString, expected);
        for (const QString& name : names.split(' ')) {
            QStringList shown;
            for (const QString& property : properties.split(' '))
                shown << look(form->control(name), property);
            QVERIFY2(shown.join(" ; ") == expected, qPrintable(name + ": " + shown.join(" ; ")));
        }
    }

    // Every caption asks for the Ming face, whatever its size, and gets a Ming face installed here.
    void mingFace()
    {
        for (const QLabel* label : form->findChildren<QLabel*>()) {
            const QString installed = QFontInfo(label->font()).family();
            if (label->objectName() != QLatin1String("Image1"))
                QVERIFY2(label->font().family() == QStringLiteral("新細明體")
                        && (installed.contains(QLatin1String("Ming")) || installed == QStringLiteral("新細明體")),
                    qPrintable(label->objectName() + ": " + installed));
        }
    }

    // A screen reader can name every control the keyboard reaches, and knows which labels are links.
    void spokenNames()
    {
        int named = 0, links = 0;
        for (const QString& name : form->controlNames()) {
            QWidget* w = form->control(name);
            if (w->focusPolicy() & Qt::TabFocus || qobject_cast<QAbstractButton*>(w)) {
                ++named;
                QVERIFY2(!look(w, "spoken").trimmed().isEmpty(), qPrintable(name));
            }
            if (look(w, "pointer") != QLatin1String("hand"))
                continue;
            ++links;
            QVERIFY2(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description).contains("網頁"),
                qPrintable(name));
        }
        QCOMPARE(named, 16 + 13 + 8 + 2 + 4); // text boxes, quantity boxes, buttons, check boxes, options
        QCOMPARE(links, 17);
        // Linux screen readers name an editable combo box by the label that points at it.
        QStringList labels;
        QAccessibleInterface* box = QAccessible::queryAccessibleInterface(form->comboBox(QStringLiteral("Combo4")));
        for (const auto& [node, relation] : box->relations(QAccessible::Label))
            labels << node->object()->objectName();
        QVERIFY2(labels.contains(QStringLiteral("Label27")), qPrintable(labels.join(' '))); // 香菇滷肉
    }
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
