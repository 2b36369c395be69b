#pragma once
// Texts a customer might type or paste: digits, letters and signs, Chinese, emoji (with joiners and
// skin tones), control and invisible characters, blanks, quantity-like numbers, nothing at all, and
// runs of 10 000 characters.

#include <QRandomGenerator>
#include <QString>

namespace robustness {

QString randomText(QRandomGenerator& rng);

// A short, printable account of a text for a test's trail: control and invisible characters
// escaped, long texts cut.
QString describe(const QString& text);

} // namespace robustness
