#include "profile/entry_values.h"

#include "form/form1.h"
#include "form/widgets.h"
#include "profile/stored_text.h"

#include <QLineEdit>
#include <QRadioButton>

namespace profile {

QString storedText(const form::Form1& form, const Entry& entry)
{
    const QString name = QLatin1String(entry.control);
    switch (entry.kind) {
    case EntryKind::Text:
        return form.textBox(name)->text();
    case EntryKind::Check:
        return checkText(form::checkValue(form.checkBox(name)));
    case EntryKind::Option:
        return optionText(form.optionButton(name)->isChecked());
    }
    Q_UNREACHABLE();
}

void assignStoredText(form::Form1& form, const Entry& entry, const QString& text)
{
    const QString name = QLatin1String(entry.control);
    switch (entry.kind) {
    case EntryKind::Text: {
        QLineEdit* box = form.textBox(name);
        box->setText(text);
        box->setCursorPosition(0); // a long text shows its beginning, as a typed one would after Home
        return;
    }
    case EntryKind::Check:
        if (const std::optional<int> value = checkFromText(text))
            form::setCheckValue(form.checkBox(name), *value);
        return;
    case EntryKind::Option:
        if (const std::optional<bool> value = optionFromText(text))
            form::setOptionValue(form.optionButton(name), *value);
        return;
    }
}

} // namespace profile
