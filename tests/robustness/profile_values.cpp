#include "profile_values.h"

#include "form/form1.h"
#include "form/widgets.h"
#include "platform/settings_store.h"

#include <QDateTime>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QStandardPaths>
#include <array>

namespace robustness {

namespace {

    enum class Kind { Text, Check, Option };

    struct Detail {
        const char* key;
        const char* control;
        Kind kind;
    };

    // Written out here rather than taken from the program, so a wrong key or control in the
    // program shows up as a difference.
    constexpr std::array<Detail, 17> details { {
        { "Name", "Text2", Kind::Text },
        { "Address", "Text1", Kind::Text },
        { "NickName", "Text4", Kind::Text },
        { "Tel1", "Text5", Kind::Text },
        { "Tel2", "Text9", Kind::Text },
        { "Account", "Text3", Kind::Text },
        { "ATMDate", "Text6", Kind::Text },
        { "NormalDay", "Check1", Kind::Check },
        { "Holiday", "Check2", Kind::Check },
        { "Day1", "Text8", Kind::Text },
        { "Day2", "Text7", Kind::Text },
        { "Day3", "Text10", Kind::Text },
        { "Time1", "Option1", Kind::Option },
        { "Time2", "Option2", Kind::Option },
        { "Time3", "Option3", Kind::Option },
        { "Time4", "Option4", Kind::Option },
        { "Remark", "Text11", Kind::Text },
    } };

} // namespace

const QStringList& profileKeys()
{
    static const QStringList keys = [] {
        QStringList k;
        for (const Detail& d : details)
            k << QLatin1String(d.key);
        return k;
    }();
    return keys;
}

QStringList shownProfile(const form::Form1& form)
{
    QStringList values;
    for (const Detail& d : details) {
        const QString name = QLatin1String(d.control);
        switch (d.kind) {
        case Kind::Text:
            values << form.textBox(name)->text();
            break;
        case Kind::Check:
            values << QString::number(form::checkValue(form.checkBox(name)));
            break;
        case Kind::Option:
            values << QLatin1String(form.optionButton(name)->isChecked() ? "True" : "False");
            break;
        }
    }
    return values;
}

QString missingValue() { return QStringLiteral("<missing>"); }

void forgetStoreInMemory()
{
    // Where the program keeps the store: $XDG_CONFIG_HOME/Tovira/Tovira.conf.
    QFile file(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/Tovira/Tovira.conf"));
    // A time of its own each call: the size alone cannot tell two saves apart.
    static qint64 calls = 0;
    if (file.exists() && file.open(QIODevice::ReadWrite))
        file.setFileTime(QDateTime::fromSecsSinceEpoch(1'000'000'000 + ++calls), QFileDevice::FileModificationTime);
}

QStringList storedProfile()
{
    forgetStoreInMemory();
    const platform::SettingsStore store;
    QStringList values;
    for (const QString& key : profileKeys())
        values << store.read(key, missingValue());
    return values;
}

QStringList designProfile()
{
    QStringList values(details.size());
    values[7] = QStringLiteral("1");
    values[8] = QStringLiteral("0");
    values[12] = values[13] = values[14] = QStringLiteral("False");
    values[15] = QStringLiteral("True");
    return values;
}

void showProfile(form::Form1& form, const QStringList& values)
{
    for (std::size_t i = 0; i < details.size(); ++i) {
        const Detail& d = details[i];
        const QString name = QLatin1String(d.control);
        const QString& value = values.at(qsizetype(i));
        switch (d.kind) {
        case Kind::Text:
            form.textBox(name)->setText(value);
            break;
        case Kind::Check:
            form::setCheckValue(form.checkBox(name), value.toInt());
            break;
        case Kind::Option:
            form::setOptionValue(form.optionButton(name), value == QLatin1String("True"));
            break;
        }
    }
}

} // namespace robustness
