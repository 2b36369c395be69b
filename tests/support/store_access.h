#pragma once
// The customer's saved details reached from outside the program's own store code, as a person or
// another program would reach them: on Linux the bytes of the store file, on Windows the registry key
// through reg.exe. Every test program has a store of its own: a temporary settings folder on Linux, a
// Wine prefix of its own on Windows.

#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>

namespace support {

// One value as a person puts it in the store. The registry also holds values that are not texts.
struct StoredValue {
    enum Kind { Text, RegistryNumber, RegistryBytes };
    QString key;
    QString text; // for RegistryNumber the number, for RegistryBytes the bytes in hex ("31,00")
    Kind kind = Text;
};
using StoredValues = QList<StoredValue>;

// Removes every saved detail: the program's first run.
void clearStore();

// Puts `values` in the store from outside, replacing whatever it held.
void putInStore(const StoredValues& values);

// What the store holds now under its section "Information", as its own notation shows it, one line
// per value, sorted: the file's lines on Linux, reg.exe's export lines on Windows.
QStringList storedLines();

// The line storedLines() shows for `key` holding the plain one-line `text`.
QString storedLine(const QString& key, const QString& text);

// Makes the store refuse every save from now on (true) or accept them again (false).
void refuseSaves(bool refuse);

} // namespace support

Q_DECLARE_METATYPE(support::StoredValues)
