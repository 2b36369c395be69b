#pragma once
// The customer's seventeen saved details as text, in the order the store keeps them: what the window
// shows, what the store file holds, and what a first run shows. Tests compare these lists whole, so
// a single detail lost, mixed up or cut short shows as a difference.

#include <QStringList>

namespace form {
class Form1;
}

namespace robustness {

// The store's key names, in order.
const QStringList& profileKeys();

// Each detail as the window shows it, written as it would be stored: texts as typed, the day-type
// boxes "0"/"1"/"2", the time slots "True"/"False".
QStringList shownProfile(const form::Form1& form);

// What the store file holds under each key, read from the file as the program's next start reads
// it; a key that is not there reads as missingValue().
QStringList storedProfile();
QString missingValue();

// Within one process QSettings keeps what it last read or wrote of a file and reads the file again
// only when its size or time changed. A test that reads back a save, or starts the program again in
// the same process, calls this first so that the file itself is read, as a new process would.
void forgetStoreInMemory();

// What a first run shows: eleven empty boxes, weekday ticked, holiday clear, "不指定" selected.
QStringList designProfile();

// Puts the details into the window as code would: the boxes' own handlers run as they would for a
// value set by the program.
void showProfile(form::Form1& form, const QStringList& values);

} // namespace robustness
