#pragma once
// The customer profile: the seventeen details-page values that are kept between runs, so a
// returning customer need not type them again. Form_Load reads each entry's key from the settings
// store into its control, with the control's own value as the default; the save button writes every
// control's value back under its key. In the store every value is text (stored_text.h).

#include <array>

namespace profile {

enum class EntryKind {
    Text, // a text box's text, verbatim
    Check, // a check box's value: "0" clear, "1" ticked
    Option, // an option button's value: "True" selected, "False" not
};

struct Entry {
    const char* key; // name in the store, exact case
    const char* control; // layout name of the control that holds the value
    EntryKind kind;
};

// Restore and save both walk the entries in this order. On restore the order shows: the weekday
// box's click handler may change the holiday box before "Holiday" is read, and of several time
// slots stored as selected the last one wins.
inline constexpr std::array<Entry, 17> entries { {
    { "Name", "Text2", EntryKind::Text },
    { "Address", "Text1", EntryKind::Text },
    { "NickName", "Text4", EntryKind::Text },
    { "Tel1", "Text5", EntryKind::Text },
    { "Tel2", "Text9", EntryKind::Text },
    { "Account", "Text3", EntryKind::Text },
    { "ATMDate", "Text6", EntryKind::Text },
    { "NormalDay", "Check1", EntryKind::Check },
    { "Holiday", "Check2", EntryKind::Check },
    { "Day1", "Text8", EntryKind::Text },
    { "Day2", "Text7", EntryKind::Text },
    { "Day3", "Text10", EntryKind::Text },
    { "Time1", "Option1", EntryKind::Option },
    { "Time2", "Option2", EntryKind::Option },
    { "Time3", "Option3", EntryKind::Option },
    { "Time4", "Option4", EntryKind::Option },
    { "Remark", "Text11", EntryKind::Text },
} };

} // namespace profile
