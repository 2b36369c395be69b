// The window's layout: every control of Form1 as designed, page by page, in twips. A parent always
// stands before its children, so the builder can create the rows in order. The product rows come from
// the catalogue (names, prices, control names) and a per-row geometry table below; the shop's own data
// (order address, bank account, phone, staff name) comes from shop.h.

#include "form/layout_types.h"

#include "pricing/catalogue.h"
#include "shop/shop.h"

#include <array>

namespace form {

namespace {

    // Where the five cells of one product row stand in Frame5; the columns' lefts are shared, the
    // widths vary because the captions were fitted by hand, row by row.
    struct RowGeometry {
        int top;
        int nameWidth;
        int priceWidth;
        int subtotalLeft;
        int subtotalWidth;
        int subtotalHeight;
        int pointsLeft;
        int pointsWidth;
        int pointsHeight;
    };

    // In catalogue order, which is the order of the rows on the page.
    constexpr std::array<RowGeometry, pricing::catalogue.size()> rowGeometry { {
        { 600, 1095, 495, 3120, 615, 255, 3960, 495, 255 }, // 1 Label3
        { 960, 1095, 495, 3120, 615, 375, 3840, 615, 375 }, // 2 Label27
        { 1320, 1095, 495, 3120, 615, 375, 3960, 495, 375 }, // 3 Label30
        { 1680, 1095, 495, 3120, 615, 375, 3960, 495, 375 }, // 4 Label31
        { 2040, 1095, 495, 3120, 615, 375, 3960, 495, 375 }, // 5 Label32
        { 2400, 1095, 495, 3120, 615, 375, 3960, 495, 255 }, // 6 Label33
        { 2760, 1095, 495, 3120, 615, 375, 3960, 495, 255 }, // 7 Label34 (not orderable)
        { 3120, 1095, 495, 3240, 495, 255, 3960, 495, 255 }, // 8 Label5
        { 3480, 855, 615, 3240, 495, 255, 3960, 495, 255 }, // 9 Label105
        { 3840, 1335, 615, 3240, 495, 255, 3960, 495, 255 }, // 10 Label54
        { 4200, 855, 615, 3240, 495, 255, 3960, 495, 255 }, // 11 Label104
        { 4560, 855, 615, 3240, 495, 255, 3960, 495, 255 }, // 12 Label115
        { 4920, 1095, 495, 3240, 495, 255, 3960, 495, 255 }, // 13 Label35
    } };

    constexpr int nameLeft = 360;
    constexpr int priceLeft = 1560;
    constexpr int quantityLeft = 2280;
    constexpr int quantityWidth = 735;
    constexpr int quantityHeight = 315;
    constexpr int cellHeight = 255;

    // "00", "01", ... "20": a quantity is always chosen as two digits.
    QStringList quantityItems()
    {
        QStringList items;
        for (int n = 0; n <= 20; ++n)
            items << QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
        return items;
    }

    void appendProductRows(QList<ControlSpec>& t)
    {
        const QStringList items = quantityItems();
        for (std::size_t i = 0; i < pricing::catalogue.size(); ++i) {
            const pricing::Product& p = pricing::catalogue[i];
            const RowGeometry& g = rowGeometry[i];
            // A row that cannot be ordered is greyed but keeps its link.
            const Ink nameInk = p.orderable ? Ink::Blue : Ink::LightGrey;
            const Ink cellInk = p.orderable ? Ink::Default : Ink::ButtonShadow;
            t += {
                { .name = p.nameLabel,
                    .kind = Kind::Label,
                    .container = "Frame5",
                    .geometry = { nameLeft, g.top, g.nameWidth, cellHeight },
                    .caption = p.name,
                    .ink = nameInk,
                    .pointer = Pointer::Link },
                { .name = p.priceLabel,
                    .kind = Kind::Label,
                    .container = "Frame5",
                    .geometry = { priceLeft, g.top, g.priceWidth, cellHeight },
                    .caption = p.price,
                    .ink = cellInk },
                { .name = p.quantityBox,
                    .kind = Kind::ComboBox,
                    .container = "Frame5",
                    .geometry = { quantityLeft, g.top, quantityWidth, quantityHeight },
                    .caption = "00",
                    .ink = p.orderable ? Ink::Default : Ink::Workspace,
                    .enabled = p.orderable,
                    .items = items },
                { .name = p.subtotalLabel,
                    .kind = Kind::Label,
                    .container = "Frame5",
                    .geometry = { g.subtotalLeft, g.top, g.subtotalWidth, g.subtotalHeight },
                    .caption = "0",
                    .ink = cellInk,
                    .alignRight = true },
                { .name = p.pointsLabel,
                    .kind = Kind::Label,
                    .container = "Frame5",
                    .geometry = { g.pointsLeft, g.top, g.pointsWidth, g.pointsHeight },
                    .caption = "0",
                    .ink = cellInk,
                    .alignRight = true },
            };
        }
    }

    QList<ControlSpec> buildLayout()
    {
        QList<ControlSpec> t;
        t.reserve(173);

        // Pages: five frames at the same rectangle on the window, only the welcome page showing; the
        // order information box lives on the product page and shows with it.
        t += {
            { .name = "Frame1",
                .kind = Kind::Frame,
                .container = "Form1",
                .geometry = { 0, 0, 5415, 8655 },
                .caption = "歡迎使用" },
            { .name = "Frame2",
                .kind = Kind::Frame,
                .container = "Form1",
                .geometry = { 0, 0, 5415, 8655 },
                .caption = "",
                .visible = false },
            { .name = "Frame5",
                .kind = Kind::Frame,
                .container = "Frame2",
                .geometry = { 0, 0, 5415, 5295 },
                .caption = "訂購資訊" },
            { .name = "Frame3",
                .kind = Kind::Frame,
                .container = "Form1",
                .geometry = { 0, 0, 5415, 8655 },
                .caption = "收件資料",
                .visible = false },
            { .name = "Frame6",
                .kind = Kind::Frame,
                .container = "Form1",
                .geometry = { 0, 0, 5415, 8655 },
                .caption = "寄件資料",
                .visible = false },
            { .name = "Frame4",
                .kind = Kind::Frame,
                .container = "Form1",
                .geometry = { 0, 0, 5415, 8655 },
                .caption = "小提醒",
                .visible = false },
        };

        // Welcome page (Frame1).
        t += {
            { .name = "Label53",
                .kind = Kind::Label,
                .container = "Frame1",
                .geometry = { 1200, 480, 2895, 375 },
                .caption = "Tovira幫你算 97夏季版",
                .ink = Ink::DarkBlue,
                .font = { .points = 14.25, .bold = true } },
            { .name = "Label71",
                .kind = Kind::Label,
                .container = "Frame1",
                .geometry = { 1560, 1200, 2175, 255 },
                .caption = "此版本適用期間(到貨日)",
                .ink = Ink::DarkBlue },
            { .name = "Label82",
                .kind = Kind::Label,
                .container = "Frame1",
                .geometry = { 1680, 1560, 2175, 255 },
                .caption = "2008/08/19~網頁公告",
                .ink = Ink::Red,
                .font = { .bold = true } },
            { .name = "Image1",
                .kind = Kind::Image,
                .container = "Frame1",
                .geometry = { 1080, 1920, 3015, 2940 },
                .caption = ":/pictures/welcome.pargb" },
            { .name = "Label72",
                .kind = Kind::Label,
                .container = "Frame1",
                .geometry = { 1080, 5040, 3015, 855 },
                .caption = "在你還未開始之前\r\n請先確認你都看過我們的訂購規則\r\n以確保雙方交易愉快喔" },
            { .name = "Label73",
                .kind = Kind::Label,
                .container = "Frame1",
                .geometry = { 1320, 6000, 2535, 255 },
                .caption = "[必] 訂購 | 運費 | 菜色 | 注意",
                .ink = Ink::DarkBlue,
                .font = { .underline = true },
                .pointer = Pointer::Link },
            { .name = "Command2",
                .kind = Kind::CommandButton,
                .container = "Frame1",
                .geometry = { 3600, 7920, 1455, 495 },
                .caption = "我已經看過了" },
        };

        // Product page (Frame2): column headings and the thirteen product rows in Frame5.
        t += {
            { .name = "Label1",
                .kind = Kind::Label,
                .container = "Frame5",
                .geometry = { 480, 240, 615, 255 },
                .caption = "品名" },
            { .name = "Label2",
                .kind = Kind::Label,
                .container = "Frame5",
                .geometry = { 1560, 240, 735, 255 },
                .caption = "單價" },
            { .name = "Label4",
                .kind = Kind::Label,
                .container = "Frame5",
                .geometry = { 2400, 240, 615, 255 },
                .caption = "數量" },
            { .name = "Label8",
                .kind = Kind::Label,
                .container = "Frame5",
                .geometry = { 3480, 240, 615, 255 },
                .caption = "小計" },
            { .name = "Label9",
                .kind = Kind::Label,
                .container = "Frame5",
                .geometry = { 4080, 240, 855, 255 },
                .caption = "運費點數" },
        };
        appendProductRows(t);

        // Product page: the totals, directly on Frame2.
        t += {
            { .name = "Label17",
                .kind = Kind::Label,
                .container = "Frame2",
                .geometry = { 360, 5400, 1215, 255 },
                .caption = "加總" },
            { .name = "Label15",
                .kind = Kind::Label,
                .container = "Frame2",
                .geometry = { 3000, 5400, 735, 255 },
                .caption = "0",
                .alignRight = true },
            { .name = "Label16",
                .kind = Kind::Label,
                .container = "Frame2",
                .geometry = { 3960, 5400, 495, 255 },
                .caption = "0",
                .alignRight = true },
            { .name = "Label18",
                .kind = Kind::Label,
                .container = "Frame2",
                .geometry = { 960, 5640, 1935, 255 },
                .caption = "您訂購的商品總共" },
            { .name = "Label19",
                .kind = Kind::Label,
                .container = "Frame2",
                .geometry = { 3000, 5640, 735, 255 },
                .caption = "0",
                .alignRight = true },
            { .name = "Label20",
                .kind = Kind::Label,
                .container = "Frame2",
                .geometry = { 3840, 5640, 495, 255 },
                .caption = "元" },
            { .name = "Label21",
                .kind = Kind::Label,
                .container = "Frame2",
                .geometry = { 960, 6000, 975, 255 },
                .caption = "運費總共" },
            { .name = "Label22",
                .kind = Kind::Label,
                .container = "Frame2",
                .geometry = { 2280, 6000, 1455, 255 },
                .caption = "0",
                .alignRight = true },
            { .name = "Label23",
                .kind = Kind::Label,
                .container = "Frame2",
                .geometry = { 3840, 6000, 615, 255 },
                .caption = "元" },
            { .name = "Label24",
                .kind = Kind::Label,
                .container = "Frame2",
                .geometry = { 960, 6360, 1935, 255 },
                .caption = "需轉帳金額共" },
            { .name = "Label25",
                .kind = Kind::Label,
                .container = "Frame2",
                .geometry = { 2760, 6360, 975, 255 },
                .caption = "0",
                .alignRight = true },
            { .name = "Label26",
                .kind = Kind::Label,
                .container = "Frame2",
                .geometry = { 3840, 6360, 495, 255 },
                .caption = "元" },
        };

        // Product page: the remittance box (four lines, geometry = X1, Y1, X2, Y2) and the page buttons.
        t += {
            { .name = "Line1", .kind = Kind::Line, .container = "Frame2", .geometry = { 5040, 6720, 360, 6720 } },
            { .name = "Line2", .kind = Kind::Line, .container = "Frame2", .geometry = { 360, 6720, 360, 7920 } },
            { .name = "Line3", .kind = Kind::Line, .container = "Frame2", .geometry = { 360, 7920, 5040, 7920 } },
            { .name = "Line4", .kind = Kind::Line, .container = "Frame2", .geometry = { 5040, 6720, 5040, 7920 } },
            { .name = "Label78",
                .kind = Kind::Label,
                .container = "Frame2",
                .geometry = { 480, 6840, 975, 255 },
                .caption = "匯款帳號" },
            { .name = "Label81",
                .kind = Kind::Label,
                .container = "Frame2",
                .geometry = { 480, 7200, 855, 255 },
                .caption = "銀行代碼:",
                .pointer = Pointer::IBeam },
            { .name = "Text13",
                .kind = Kind::TextBox,
                .container = "Frame2",
                .geometry = { 1440, 7200, 495, 270 },
                .caption = shop::bankCode,
                .locked = true },
            { .name = "Label92",
                .kind = Kind::Label,
                .container = "Frame2",
                .geometry = { 2040, 7200, 495, 255 },
                .caption = "帳號:" },
            { .name = "Text14",
                .kind = Kind::TextBox,
                .container = "Frame2",
                .geometry = { 2520, 7200, 1335, 270 },
                .caption = shop::bankAccount,
                .locked = true },
            { .name = "Label93",
                .kind = Kind::Label,
                .container = "Frame2",
                .geometry = { 3960, 7200, 735, 255 },
                .caption = "(共12碼)" },
            { .name = "Label90",
                .kind = Kind::Label,
                .container = "Frame2",
                .geometry = { 480, 7560, 3615, 255 },
                .caption = "請確認匯款完成再進行下一步",
                .ink = Ink::Red },
            { .name = "Command6",
                .kind = Kind::CommandButton,
                .container = "Frame2",
                .geometry = { 360, 8040, 1215, 375 },
                .caption = "上一步" },
            { .name = "Command3",
                .kind = Kind::CommandButton,
                .container = "Frame2",
                .geometry = { 3720, 8040, 1335, 375 },
                .caption = "下一步" },
        };

        // Details page (Frame3): one caption label and one input per field.
        t += {
            { .name = "Label13",
                .kind = Kind::Label,
                .container = "Frame3",
                .geometry = { 360, 360, 1695, 255 },
                .caption = "收件姓名" },
            { .name = "Text2", .kind = Kind::TextBox, .container = "Frame3", .geometry = { 1320, 360, 1335, 285 } },
            { .name = "Label12",
                .kind = Kind::Label,
                .container = "Frame3",
                .geometry = { 360, 720, 1215, 255 },
                .caption = "收件地址",
                .toolTip = "請留中文全名" },
            { .name = "Text1",
                .kind = Kind::TextBox,
                .container = "Frame3",
                .geometry = { 1320, 720, 3135, 285 },
                .toolTip = "請留中文全名" },
            { .name = "Label63",
                .kind = Kind::Label,
                .container = "Frame3",
                .geometry = { 360, 1080, 495, 255 },
                .caption = "暱稱" },
            { .name = "Text4",
                .kind = Kind::TextBox,
                .container = "Frame3",
                .geometry = { 1320, 1080, 2175, 285 },
                .toolTip = "你要顯示在網頁訂單中的" },
            { .name = "Label64",
                .kind = Kind::Label,
                .container = "Frame3",
                .geometry = { 360, 1440, 975, 255 },
                .caption = "聯絡電話1" },
            { .name = "Text5",
                .kind = Kind::TextBox,
                .container = "Frame3",
                .geometry = { 1320, 1440, 1335, 285 },
                .toolTip = "提供越多越好 避免黑貓先生找不到你" },
            { .name = "Label99",
                .kind = Kind::Label,
                .container = "Frame3",
                .geometry = { 2880, 1440, 975, 255 },
                .caption = "聯絡電話2" },
            { .name = "Text9", .kind = Kind::TextBox, .container = "Frame3", .geometry = { 3840, 1440, 1335, 285 } },
            { .name = "Label52",
                .kind = Kind::Label,
                .container = "Frame3",
                .geometry = { 360, 1800, 1215, 255 },
                .caption = "帳號末5碼" },
            { .name = "Text3", .kind = Kind::TextBox, .container = "Frame3", .geometry = { 1320, 1800, 1455, 285 } },
            { .name = "Label65",
                .kind = Kind::Label,
                .container = "Frame3",
                .geometry = { 360, 2160, 1815, 255 },
                .caption = "匯款日期+詳細時間" },
            { .name = "Text6",
                .kind = Kind::TextBox,
                .container = "Frame3",
                .geometry = { 2160, 2160, 2535, 285 },
                .toolTip = "幾點幾分都要寫喔" },
            { .name = "Label100",
                .kind = Kind::Label,
                .container = "Frame3",
                .geometry = { 2280, 3480, 1215, 255 },
                .caption = "日期順位1：" },
            { .name = "Text8",
                .kind = Kind::TextBox,
                .container = "Frame3",
                .geometry = { 3360, 3480, 1335, 285 },
                .toolTip = "請至少選三個日期" },
            { .name = "Label101",
                .kind = Kind::Label,
                .container = "Frame3",
                .geometry = { 2280, 3840, 1095, 255 },
                .caption = "日期順位2：",
                .font = { .windowDefault = true } },
            { .name = "Text7", .kind = Kind::TextBox, .container = "Frame3", .geometry = { 3360, 3840, 1335, 285 } },
            { .name = "Label102",
                .kind = Kind::Label,
                .container = "Frame3",
                .geometry = { 2280, 4200, 1095, 255 },
                .caption = "日期順位3：",
                .font = { .windowDefault = true } },
            { .name = "Text10", .kind = Kind::TextBox, .container = "Frame3", .geometry = { 3360, 4200, 1335, 285 } },
            { .name = "Label89",
                .kind = Kind::Label,
                .container = "Frame3",
                .geometry = { 360, 5160, 495, 255 },
                .caption = "備註" },
            // The remark box is tall but holds a single line.
            { .name = "Text11", .kind = Kind::TextBox, .container = "Frame3", .geometry = { 1320, 5160, 3495, 735 } },
        };

        // Details page: notes, the amount, the day type and time-slot choices, and the buttons. Check
        // boxes and option buttons show no text of their own; the label to their right carries it.
        t += {
            { .name = "Label91",
                .kind = Kind::Label,
                .container = "Frame3",
                .geometry = { 2880, 1800, 2295, 255 },
                .caption = "(臨櫃匯款請填匯款人姓名)",
                .font = { .windowDefault = true } },
            { .name = "Label66",
                .kind = Kind::Label,
                .container = "Frame3",
                .geometry = { 360, 2640, 1215, 255 },
                .caption = "匯款金額" },
            { .name = "Label68",
                .kind = Kind::Label,
                .container = "Frame3",
                .geometry = { 1560, 2640, 1095, 375 },
                .caption = "0",
                .alignRight = true },
            { .name = "Label74",
                .kind = Kind::Label,
                .container = "Frame3",
                .geometry = { 2760, 2640, 615, 375 },
                .caption = "元" },
            { .name = "Label67",
                .kind = Kind::Label,
                .container = "Frame3",
                .geometry = { 360, 3120, 975, 255 },
                .caption = "收件日期",
                .toolTip = "平日 或是 假日 (請至少選三個日期)" },
            { .name = "Check1",
                .kind = Kind::CheckBox,
                .container = "Frame3",
                .geometry = { 1440, 3120, 255, 255 },
                .value = 1 },
            { .name = "Label69",
                .kind = Kind::Label,
                .container = "Frame3",
                .geometry = { 1680, 3120, 735, 255 },
                .caption = "平日" },
            { .name = "Check2",
                .kind = Kind::CheckBox,
                .container = "Frame3",
                .geometry = { 2400, 3120, 255, 255 },
                .value = 0 },
            { .name = "Label70",
                .kind = Kind::Label,
                .container = "Frame3",
                .geometry = { 2640, 3120, 615, 255 },
                .caption = "假日" },
            { .name = "Label88",
                .kind = Kind::Label,
                .container = "Frame3",
                .geometry = { 240, 3480, 1935, 495 },
                .caption = "(由此查看未額滿日期)",
                .ink = Ink::Blue,
                .font = { .underline = true },
                .pointer = Pointer::Link },
            { .name = "Label14",
                .kind = Kind::Label,
                .container = "Frame3",
                .geometry = { 360, 4800, 1095, 375 },
                .caption = "收件時段" },
            { .name = "Option1",
                .kind = Kind::OptionButton,
                .container = "Frame3",
                .geometry = { 1200, 4800, 255, 255 } },
            { .name = "Label48",
                .kind = Kind::Label,
                .container = "Frame3",
                .geometry = { 1440, 4800, 735, 375 },
                .caption = "中午前" },
            { .name = "Option2",
                .kind = Kind::OptionButton,
                .container = "Frame3",
                .geometry = { 2160, 4800, 255, 255 } },
            { .name = "Label49",
                .kind = Kind::Label,
                .container = "Frame3",
                .geometry = { 2400, 4800, 855, 375 },
                .caption = "12~17" },
            { .name = "Option3",
                .kind = Kind::OptionButton,
                .container = "Frame3",
                .geometry = { 3120, 4800, 255, 255 } },
            { .name = "Label50",
                .kind = Kind::Label,
                .container = "Frame3",
                .geometry = { 3360, 4800, 855, 375 },
                .caption = "17~20" },
            { .name = "Option4",
                .kind = Kind::OptionButton,
                .container = "Frame3",
                .geometry = { 4080, 4800, 255, 255 },
                .toolTip = "黑貓只能指定時段 無法指定時間點喔",
                .value = 1 },
            { .name = "Label51",
                .kind = Kind::Label,
                .container = "Frame3",
                .geometry = { 4320, 4800, 855, 375 },
                .caption = "不指定" },
            { .name = "Command8",
                .kind = Kind::CommandButton,
                .container = "Frame3",
                .geometry = { 3600, 6120, 1455, 375 },
                .caption = "儲存我的資料" },
            { .name = "Command5",
                .kind = Kind::CommandButton,
                .container = "Frame3",
                .geometry = { 360, 8040, 1215, 375 },
                .caption = "上一步" },
            { .name = "Command4",
                .kind = Kind::CommandButton,
                .container = "Frame3",
                .geometry = { 2880, 8040, 2175, 375 },
                .caption = "匯款完成，產生訂單" },
        };

        // Result page (Frame6): the order e-mail in three boxes to copy, or to open in the mail program.
        t += {
            { .name = "Label98",
                .kind = Kind::Label,
                .container = "Frame6",
                .geometry = { 240, 480, 4815, 255 },
                .caption = "請先新增一封新郵件(Outlook、Yahoo、Gmail、Hotmail....)" },
            { .name = "Label94",
                .kind = Kind::Label,
                .container = "Frame6",
                .geometry = { 240, 840, 4935, 255 },
                .caption = "再將下列資料複製到您寄件頁面的相對欄位寄出即可" },
            { .name = "Label95",
                .kind = Kind::Label,
                .container = "Frame6",
                .geometry = { 240, 1200, 975, 255 },
                .caption = "收件者：" },
            { .name = "Text12",
                .kind = Kind::TextBox,
                .container = "Frame6",
                .geometry = { 1080, 1200, 3975, 270 },
                .caption = shop::orderAddress,
                .locked = true },
            { .name = "Label96",
                .kind = Kind::Label,
                .container = "Frame6",
                .geometry = { 240, 1560, 615, 255 },
                .caption = "主旨：" },
            { .name = "Text15", .kind = Kind::TextBox, .container = "Frame6", .geometry = { 1080, 1560, 3975, 270 } },
            { .name = "Label97",
                .kind = Kind::Label,
                .container = "Frame6",
                .geometry = { 240, 1920, 735, 255 },
                .caption = "內容：" },
            { .name = "Text16",
                .kind = Kind::TextBox,
                .container = "Frame6",
                .geometry = { 240, 2160, 4815, 4455 },
                .multiLine = true },
            { .name = "Label103",
                .kind = Kind::Label,
                .container = "Frame6",
                .geometry = { 240, 6720, 4815, 495 },
                .caption = "此程式僅供產生訂單，不會幫你把訂單寄出，請務必自行利用郵件程式寄送訂單。",
                .ink = Ink::Red,
                .font = { .bold = true } },
            { .name = "Command7",
                .kind = Kind::CommandButton,
                .container = "Frame6",
                .geometry = { 360, 8040, 1215, 375 },
                .caption = "上一步" },
            { .name = "Command9",
                .kind = Kind::CommandButton,
                .container = "Frame6",
                .geometry = { 1815, 8040, 1785, 375 },
                .caption = "開啟郵件程式",
                .toolTip = "在您的郵件程式開一封新郵件，填好收件者、主旨與內容，由您確認後寄出" },
            { .name = "Command1",
                .kind = Kind::CommandButton,
                .container = "Frame6",
                .geometry = { 3840, 8040, 1215, 375 },
                .caption = "完成" },
        };

        // Reminder page (Frame4): closing reminders and two links; no button.
        t += {
            { .name = "Label80",
                .kind = Kind::Label,
                .container = "Frame4",
                .geometry = { 480, 360, 4695, 1095 },
                .caption = "哈囉\r\n"
                           "請確認您已將系統產生的訂單貼到你的郵件軟體，並且順利寄出 "
                           "(確認方法可檢查你的寄件備份是否有此次的訂單。)",
                .ink = Ink::Red,
                .font = { .points = 11.25, .bold = true } },
            { .name = "Label83",
                .kind = Kind::Label,
                .container = "Frame4",
                .geometry = { 480, 1680, 4455, 495 },
                .caption = "我們都是用Gmail在收訂單 也曾發生過漏信漏單的狀況\r\n"
                           "所以 要麻煩您留意",
                .font = { .windowDefault = true } },
            { .name = "Label84",
                .kind = Kind::Label,
                .container = "Frame4",
                .geometry = { 480, 2280, 4575, 495 },
                .caption = "1.信件寄出去後是否有收到我們信箱的自動回覆信件\r\n"
                           "標題名稱為[Tovira  已經收到你的信囉]\r\n",
                .font = { .windowDefault = true } },
            { .name = "Label85",
                .kind = Kind::Label,
                .container = "Frame4",
                .geometry = { 480, 2880, 3735, 975 },
                .caption = QString("2.若24小時之後 未收到自動回信\r\n") + "也沒有收到" + shop::staffName
                    + "寄出的排單通知信\r\n"
                      "在網頁上沒有見到自己被排到任何一個日期中\r\n"
                      "麻煩盡速在網頁上留言給我\r\n"
                      "我會幫忙處理\r\n",
                .font = { .windowDefault = true } },
            { .name = "Label86",
                .kind = Kind::Label,
                .container = "Frame4",
                .geometry = { 480, 3960, 2895, 735 },
                .caption = "3.在收貨日的前幾天\r\n"
                           "我會再用e-mail提供給你寄件單號\r\n"
                           "以便您查詢美味的動向喔\r\n",
                .font = { .windowDefault = true } },
            { .name = "Label87",
                .kind = Kind::Label,
                .container = "Frame4",
                .geometry = { 480, 4800, 3135, 735 },
                .caption = "最後\r\n"
                           "謝謝你相信Tovira\r\n"
                           "也希望Tovira的菜能溫暖你的胃與心",
                .font = { .windowDefault = true } },
            { .name = "Label75",
                .kind = Kind::Label,
                .container = "Frame4",
                .geometry = { 480, 5760, 1455, 255 },
                .caption = "延伸閱讀",
                .ink = Ink::Red,
                .font = { .windowDefault = true } },
            { .name = "Label76",
                .kind = Kind::Label,
                .container = "Frame4",
                .geometry = { 480, 6120, 3015, 255 },
                .caption = "[很重要] 如何讓自己能準時收到貨物",
                .ink = Ink::DarkBlue,
                .font = { .points = 9, .underline = true },
                .pointer = Pointer::Link },
            { .name = "Label77",
                .kind = Kind::Label,
                .container = "Frame4",
                .geometry = { 480, 6480, 1695, 255 },
                .caption = "[Tovira料理] 心得分享 ",
                .ink = Ink::DarkBlue,
                .font = { .points = 9, .underline = true },
                .pointer = Pointer::Link },
            { .name = "Label79",
                .kind = Kind::Label,
                .container = "Frame4",
                .geometry = { 480, 6840, 3855, 495 },
                .caption
                = QString("客服專線   ") + shop::servicePhone + "\r\n(若非緊急事件 還是麻煩利用e-mail或是留言喔)",
                .font = { .windowDefault = true } },
        };

        return t;
    }

} // namespace

const QList<ControlSpec>& layoutTable()
{
    static const QList<ControlSpec> table = buildLayout();
    return table;
}

const QList<FocusChain>& focusChains()
{
    // The time-slot option buttons are one stop in the details page's order; they stand in it in
    // their own order. Combo9 is disabled and takes no focus; the reminder page has nothing to focus.
    static const QList<FocusChain> chains {
        { "Frame1", { "Command2" } },
        { "Frame2",
            { "Command6", "Command3", "Combo8", "Combo7", "Combo6", "Combo5", "Combo4", "Combo2", "Combo1", "Text13",
                "Text14", "Combo10", "Combo11", "Combo3", "Combo12", "Combo13" } },
        { "Frame3",
            { "Text2", "Text1", "Text4", "Text5", "Text9", "Text3", "Text6", "Check1", "Check2", "Text8", "Text7",
                "Text10", "Option1", "Option2", "Option3", "Option4", "Command5", "Command4", "Text11", "Command8" } },
        { "Frame6", { "Text12", "Text15", "Text16", "Command9", "Command1", "Command7" } },
        { "Frame4", {} },
    };
    return chains;
}

} // namespace form
