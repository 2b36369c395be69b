#pragma once
// The five pages and the buttons that move between them. A page button hides its own page and shows
// the next; it touches nothing else, so every control keeps its content whichever way the user goes.

#include <QStringList>

namespace form {

class Form1;

// The pages in the order the customer meets them: welcome, products, details, result, reminders.
inline const QStringList pageNames { QStringLiteral("Frame1"), QStringLiteral("Frame2"), QStringLiteral("Frame3"),
    QStringLiteral("Frame6"), QStringLiteral("Frame4") };

// Connects Command2_Click, Command6_Click, Command3_Click, Command5_Click, Command7_Click and
// Command1_Click.
void attachPageButtons(Form1& form);

} // namespace form
