#include "form/navigation.h"

#include "form/form1.h"

#include <QPushButton>

namespace form {

namespace {
    struct PageButton {
        const char* button;
        const char* from;
        const char* to;
    };

    constexpr PageButton pageButtons[] = {
        { "Command2", "Frame1", "Frame2" }, // 我已經看過了
        { "Command6", "Frame2", "Frame1" }, // 上一步
        { "Command3", "Frame2", "Frame3" }, // 下一步
        { "Command5", "Frame3", "Frame2" }, // 上一步
        { "Command7", "Frame6", "Frame3" }, // 上一步
        { "Command1", "Frame6", "Frame4" }, // 完成
    };
} // namespace

void attachPageButtons(Form1& form)
{
    for (const PageButton& b : pageButtons) {
        QObject::connect(form.button(QString::fromLatin1(b.button)), &QPushButton::clicked, &form,
            [&form, from = QString::fromLatin1(b.from), to = QString::fromLatin1(b.to)] { form.switchPage(from, to); });
    }
}

} // namespace form
