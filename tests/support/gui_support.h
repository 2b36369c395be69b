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

// The whole program, built as main() builds it, shown and active on the offscreen screen. Every test
// program linking these helpers keeps its settings in a temporary folder of its own from before main().
std::unique_ptr<form::Form1> startProgram();

// The file the program keeps the customer's details in.
QString storePath();

// Clicks the named control with the mouse.
void click(const form::Form1& form, const QString& name);

// Chooses `item` from the box's list: opens the popup and clicks the item.
void pickFromList(QComboBox* box, const QString& item);

// Replaces the box's text as typed by the customer (focus, select all, type), without pressing Enter.
void typeInto(QWidget* box, const QString& text);

// What the customer gets from selecting everything in the box and pressing Ctrl+C.
const QMimeData* copyAll(QWidget* from);

// The name of the one page in view, or "(not exactly one)".
QString pageName(const form::Form1& form);

// Runs `action`, answering each modal message box it opens with OK. Gives what each box showed, as
// "title: text", marked " [icon]" if it had an icon and " [buttons]" unless it had one button only.
QStringList messageBoxesDuring(const std::function<void()>& action);

} // namespace support
