// Table tests: named rows checked one after another in one test, each failure naming its
// row. CTest starts a process per test, twice (once per locale), so a table of cheap rows is
// kept as one test rather than a process per row.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>

namespace kalder::test {

template <class Row, class Check>
void forEachRow(std::initializer_list<Row> rows, Check check) {
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        check(row);
    }
}

}  // namespace kalder::test
