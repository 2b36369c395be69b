#pragma once
// Helpers for tests that act on the real window as a customer would; brings in the window's
// controls and Qt Test, which every such test uses.

#include "form/form1.h"
#include "form/widgets.h"
#include "support/data_rows.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <memory>

namespace support {

// Keeps the test program's settings in a temporary folder of its own, away from the user's. Every
// program linking these helpers does so before main() runs; calling it again changes nothing.
void isolateSettings();

// The whole program, built as main() builds it, shown and active on the offscreen screen.
std::unique_ptr<form::Form1> startProgram();

// Clicks the named button with the mouse.
void click(form::Form1& form, const QString& button);

// Chooses `item` from the box's list: opens the popup and clicks the item.
void pickFromList(QComboBox* box, const QString& item);
// Chooses `item` with the arrow keys on the closed box.
void pickWithArrows(QComboBox* box, const QString& item);

// Replaces the box's text as typed by the customer (focus, select all, type), without pressing Enter.
void typeInto(QWidget* box, const QString& text);

// What the customer gets from selecting everything in the box and pressing Ctrl+C.
const QMimeData* copyAll(QWidget* from);

// The name of the one page in view, or "(not exactly one)".
QString pageName(const form::Form1& form);

// One line per control, "name shown|hidden [disabled] caption or content and choice", sorted:
// whatever a customer could see change.
QStringList snapshot(const form::Form1& form);

// The time slot options Option1..Option4 as "0100": which are selected.
QString options(const form::Form1& form);

// Runs `action`, answering each modal message box it opens with OK. Gives what each box showed, as
// "title: text", marked " [buttons]" unless it had one button only and " [icon]" if it had an icon.
QStringList messageBoxesDuring(const std::function<void()>& action);

} // namespace support
