#pragma once
// Helpers for tests that act on the real window as a customer would; brings in the window's
// controls and Qt Test, which every such test uses.

#include "form/form1.h"
#include "form/widgets.h"
#include "platform/text_drawing.h"

#include <QApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>
#include <QTest>
#include <array>
#include <functional>
#include <memory>
#include <tuple>

namespace support {

// Qt Test data tables written one row to a line: addRows<QString, int>({ "name", "count" },
// { { "row name", "Label3", 2 }, ... }) declares the columns and adds each named row.
template <class... T>
void addRows(
    const std::array<const char*, sizeof...(T)>& columns, std::initializer_list<std::tuple<const char*, T...>> rows)
{
    [&]<std::size_t... I>(std::index_sequence<I...>) { (QTest::addColumn<T>(columns[I]), ...); }
    (std::index_sequence_for<T...> {});
    for (const auto& row : rows)
        std::apply([](const char* name, const T&... values) { (QTest::newRow(name) << ... << values); }, row);
}

// The whole program, built as main() builds it, shown and active on the offscreen screen. Every test
// program linking these helpers keeps its settings in a temporary folder of its own from before main().
// With `settled` false it is made active at once, without running the event loop, so that the keys a
// test sends next come before the window has had a moment to itself.
std::unique_ptr<form::Form1> startProgram(bool settled = true);

// Clicks the named control with the mouse; gives the message boxes the click opened, waiting for
// `awaited` of them (see messageBoxesDuring).
QStringList click(const form::Form1& form, const QString& name, int awaited = 0);

// Chooses `item` from the box's list: opens the popup and clicks the item.
void pickFromList(QComboBox* box, const QString& item);

// Replaces the box's text as typed by the customer (focus, select all, type), without pressing Enter.
void typeInto(QWidget* box, const QString& text);

// What the customer gets from selecting everything in the box and pressing Ctrl+C.
const QMimeData* copyAll(QWidget* from);

// The name of the one page in view, or "(not exactly one)".
QString pageName(const form::Form1& form);

// Runs `action`, answering each modal message box it opens with OK; then waits until it has seen at
// least `awaited` boxes, for those that come after the action has returned. Gives what each box
// showed, as "title: text", marked " [icon]" if it had an icon and " [buttons]" unless it had one
// button only.
QStringList messageBoxesDuring(const std::function<void()>& action, int awaited = 0);

} // namespace support

// A test program's main(): Qt starts with the command line the program gives it, so that on Windows the
// tests draw through the platform and font engine the program chooses.
#define TOVIRA_TEST_MAIN(TestObject)                                                                                   \
    int main(int argc, char* argv[])                                                                                   \
    {                                                                                                                  \
        platform::QtArguments qtArguments(argc, argv);                                                                 \
        QApplication app(qtArguments.count(), qtArguments.values());                                                   \
        TestObject test;                                                                                               \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
