#pragma once
// Qt Test data tables written one row to a line: addRows<QString, int>({ "name", "count" },
// { { "row name", "Label3", 2 }, ... }) declares the columns and adds each named row.

#include <QTest>
#include <array>
#include <tuple>
#include <utility>

namespace support {

template <class... T>
void addRows(
    const std::array<const char*, sizeof...(T)>& columns, std::initializer_list<std::tuple<const char*, T...>> rows)
{
    [&]<std::size_t... I>(std::index_sequence<I...>) { (QTest::addColumn<T>(columns[I]), ...); }
    (std::index_sequence_for<T...> {});
    for (const auto& row : rows)
        std::apply([](const char* name, const T&... values) { (QTest::newRow(name) << ... << values); }, row);
}

} // namespace support
