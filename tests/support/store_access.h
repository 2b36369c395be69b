#pragma once
// The customer's saved details reached from outside the program's own store code, as a person or
// another program would reach them: on Linux the bytes of the store file, on Windows the registry
// key's values. Every test program has a store of its own: a temporary settings folder on Linux, a
// Wine prefix of its own on Windows.

#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>

namespace support {

// One value as a person puts it in the store. The registry also holds values that are not texts.
struct StoredValue {
    enum Kind { Text = 1, RegistryBytes = 3, RegistryNumber = 4 }; // the registry's REG_SZ, REG_BINARY, REG_DWORD
    QString key;
    QString text; // for RegistryNumber the number, for RegistryBytes the bytes in hex ("3100")
    Kind kind = Text;
};
using StoredValues = QList<StoredValue>;

// Removes every saved detail: the program's first run.
void clearStore();

// Puts `values` in the store from outside, replacing whatever it held.
void putInStore(const StoredValues& values);

// What the store holds now under its section "Information", one "key=text" line per value, sorted:
// the file's lines on Linux (in the file's own notation), the key's texts on Windows.
QStringList storedLines();

// Makes the store refuse every save from now on (true) or accept them again (false).
void refuseSaves(bool refuse);

} // namespace support

Q_DECLARE_METATYPE(support::StoredValues)
