#pragma once
// Helpers for tests that act on the real window as a customer would.

#include "form/form1.h"

#include <QString>
#include <functional>
#include <memory>

class QComboBox;
class QMessageBox;
class QWidget;

namespace support {

// Keeps the test program's settings in a temporary folder of its own, away from the user's.
// Call first in initTestCase().
void isolateSettings();

// The whole program, built as main() builds it, shown on the offscreen screen.
std::unique_ptr<form::Form1> startProgram();

// Clicks the named button with the mouse.
void click(form::Form1& form, const QString& button);

// Chooses `item` from the box's list: opens the popup and clicks the item.
void pickFromList(QComboBox* box, const QString& item);
// Chooses `item` with the arrow keys on the closed box.
void pickWithArrows(QComboBox* box, const QString& item);

// Arranges for the next modal box to be inspected by `check` and then dismissed with its OK button.
// Returns a flag that turns true once that happened.
std::shared_ptr<bool> answerNextMessageBox(std::function<void(QMessageBox*)> check = {});

// Replaces the box's text as typed by the customer (focus, select all, type), without pressing Enter.
void typeInto(QWidget* box, const QString& text);

} // namespace support
