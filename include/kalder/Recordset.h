// kalder::Recordset: the rows a column report reads. A report asks for the fields once, then
// walks the rows from the first; the widths pass walks them twice. Adapters: SqlRecordset (a
// query through Qt Sql: SQLite, PostgreSQL and any other Qt driver) and MemoryRecordset
// (rows held in memory, as ArrayReport builds them); a caller may implement its own.
//
// Field types are the numbers database APIs on Windows gave them, so that a report maps them to
// value formats the same way whatever the source:
//   2 small integer, 3 integer, 4 single, 5 double, 6 currency, 7 date/time, 11 boolean,
//   20 big integer, 131 exact numeric (decimal), 202 text, 205 binary.
// Contract: moveFirst() starts over (it may run a query again), moveNext() steps, atEnd() is
// true past the last row; value() of the current row is Empty for NULL. Errors (a query that
// fails, a connection lost midway) are AutomationError with the database's own message.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "kalder/Variant.h"

namespace kalder {

namespace fieldtype {
constexpr std::int32_t SmallInt = 2, Integer = 3, Single = 4, Double = 5, Currency = 6, Date = 7, Boolean = 11,
                       BigInt = 20, Numeric = 131, Text = 202, Binary = 205;
}  // namespace fieldtype

struct RecordField {
    std::string name;
    std::int32_t type = fieldtype::Text;
};

class Recordset {
public:
    virtual ~Recordset() = default;
    virtual std::vector<RecordField> fields() const = 0;
    virtual void moveFirst() = 0;
    virtual void moveNext() = 0;
    virtual bool atEnd() const = 0;
    // The current row's value of field `index` (0-based, in the order of fields()).
    virtual Variant value(std::size_t index) const = 0;
};

}  // namespace kalder
