#pragma once
// An entry's control value in its stored-text form, both ways.

#include "profile/profile_entries.h"

#include <QString>

namespace form {
class Form1;
}

namespace profile {

// The entry's control value as it would be stored now.
QString storedText(const form::Form1& form, const Entry& entry);

// Assigns a stored text to the entry's control, as a value assignment from code: check boxes and
// option buttons run their click handlers when their value changes. A text that reads as no value
// leaves the control as it is.
void assignStoredText(form::Form1& form, const Entry& entry, const QString& text);

} // namespace profile
