#include "profile/wiring.h"

#include "form/form1.h"
#include "form/widgets.h"
#include "platform/message_box.h"
#include "platform/settings_store.h"
#include "profile/entry_values.h"

#include <QCheckBox>
#include <QPushButton>

namespace profile {

namespace {

    // Setting the other box from code runs its own handler once; that handler finds the pair
    // already settled and changes nothing more, so the chain stops.
    void Check1_Click(QCheckBox* weekday, QCheckBox* holiday)
    {
        if (form::checkValue(weekday) == 1)
            form::setCheckValue(holiday, 0);
        if (form::checkValue(weekday) == 0)
            form::setCheckValue(holiday, 1);
    }

    void Check2_Click(QCheckBox* holiday, QCheckBox* weekday)
    {
        if (form::checkValue(holiday) == 1)
            form::setCheckValue(weekday, 0);
        if (form::checkValue(holiday) == 0)
            form::setCheckValue(weekday, 1);
    }

    // Each entry's default is its control's value at the moment it is read, so a missing key leaves
    // the control as it is, including a holiday box already set by the weekday box's handler.
    void Form_Load(form::Form1& form)
    {
        const platform::SettingsStore store;
        for (const Entry& entry : entries)
            assignStoredText(form, entry, store.read(QLatin1String(entry.key), storedText(form, entry)));
    }

    // A save that did not reach the disk would otherwise go unnoticed until the customer's next
    // start; the controls keep what was typed, so pressing again after the cause is fixed works.
    void Command8_Click(form::Form1& form)
    {
        platform::SettingsStore store;
        for (const Entry& entry : entries)
            store.write(QLatin1String(entry.key), storedText(form, entry));
        if (!store.save())
            platform::showMessage(&form, QStringLiteral("您的資料沒有儲存成功！！"), QStringLiteral("錯誤"));
    }

} // namespace

void attach(form::Form1& form)
{
    QCheckBox* weekday = form.checkBox(QStringLiteral("Check1"));
    QCheckBox* holiday = form.checkBox(QStringLiteral("Check2"));
    // stateChanged is the one signal raised both by a click and by a value set from code, and only
    // when the value changes.
    QObject::connect(weekday, &QCheckBox::stateChanged, weekday, [=] { Check1_Click(weekday, holiday); });
    QObject::connect(holiday, &QCheckBox::stateChanged, holiday, [=] { Check2_Click(holiday, weekday); });
    form.addLoadHandler([&form] { Form_Load(form); });
    QObject::connect(
        form.button(QStringLiteral("Command8")), &QPushButton::clicked, &form, [&form] { Command8_Click(form); });
}

} // namespace profile
