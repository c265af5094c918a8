// kalder::SqlRecordset: the rows of one SQL query through Qt Sql, for a column report.
//
// The easy path is SqlRecordset::open(database, sql): `database` is an SQLite file path or a
// PostgreSQL connection string ("postgresql://user@host:port/dbname?..." or the key/value form
// "host=... port=... dbname=..."); the recordset opens a connection of its own and closes it
// when destroyed. A caller with a QSqlDatabase of its own passes it with the SQL text, or
// hands over a query it has already executed.
//
// Rows are read forward-only, so a large result never sits in memory at once (with PostgreSQL
// the driver then fetches row by row); moveFirst() after the first pass runs the query again.
// Use a recordset on the thread that made it: Qt Sql connections belong to one thread.
//
// Field types: Qt's type of each column, refined by the database's own type where Qt's is too
// coarse (PostgreSQL's numeric and money, SQLite's declared column types). Values: NULL is an
// Empty Variant; dates and times are Variant dates; numeric/decimal values are Doubles when a
// double holds every digit (15 significant digits or fewer), otherwise the exact text as a
// String; binary values are Strings holding the bytes; 64-bit integers beyond 32 bits are
// Doubles, as Variant(long long) makes them.
//
// Errors are AutomationError with source "SqlRecordset" and a description holding the
// database's own message, then the SQL statement's first 80 characters:
//   -2147467259 (0x80004005)  the database cannot be opened, or reading fails midway
//                             (a connection lost);
//   -2147217900 (0x80040E14)  the query fails (bad SQL, a missing table);
//   -2146825267 (0x800A0BCD)  value() with no current row (past the end);
//   -2146825023 (0x800A0CC1)  value() of a field index that does not exist.
// These are the numbers database objects on Windows raised for the same failures.
#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "kalder/Recordset.h"

namespace kalder {

namespace sqlerr {
inline constexpr std::int32_t CannotOpen = -2147467259;   // also a failure while reading rows
inline constexpr std::int32_t QueryFailed = -2147217900;
inline constexpr std::int32_t NoCurrentRow = -2146825267;
inline constexpr std::int32_t NoSuchField = -2146825023;
}  // namespace sqlerr

class SqlRecordset : public Recordset {
public:
    // Opens `database` (an SQLite file path, opened read-only so a mistyped path is an error
    // rather than a new empty file, or a PostgreSQL connection string) on a connection of the
    // recordset's own, and runs `sql`. Throws CannotOpen or QueryFailed.
    static std::unique_ptr<SqlRecordset> open(const std::string& database, const std::string& sql);

    // Runs `sql` on `db` (which must be open or openable), forward-only. Throws QueryFailed.
    SqlRecordset(QSqlDatabase db, const std::string& sql);
    // Reads a query the caller has executed. moveFirst() goes back with first() when the
    // query is not forward-only, else runs it again.
    explicit SqlRecordset(QSqlQuery query);
    ~SqlRecordset() override;
    SqlRecordset(const SqlRecordset&) = delete;
    SqlRecordset& operator=(const SqlRecordset&) = delete;

    std::vector<RecordField> fields() const override;
    void moveFirst() override;
    void moveNext() override;
    bool atEnd() const override;
    Variant value(std::size_t index) const override;

private:
    struct State;
    SqlRecordset(std::unique_ptr<State> state);
    std::unique_ptr<State> state_;
};

}  // namespace kalder
