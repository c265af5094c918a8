// SqlRecordset against SQLite files made by the sqlite3 client and the private PostgreSQL
// server of scripts/postgres.sh (CTest's Postgres fixture writes its connection string to the
// file KALDER_POSTGRES_STATE); expected dates come from the databases' own clients.
#include <QUrl>

#include <charconv>
#include <unistd.h>

#include "kalder/SqlRecordset.h"
#include "support/ErrorMatchers.h"
#include "support/ScopedLocale.h"
#include "support/TableTest.h"
#include "support/Tools.h"

namespace kalder::test {

// A column's name, declared type, value in the first row (the second is all NULL), field type
// and the value as shown(); "=" for a date: its serial as the database's client computes it.
struct Column { const char *name, *type, *literal; std::int32_t fieldType; std::string expected; };

std::string number(double d, bool sixPlaces = false) {
    char b[64];
    return {b, (sixPlaces ? std::to_chars(b, b + 64, d, std::chars_format::fixed, 6) : std::to_chars(b, b + 64, d)).ptr};
}

std::string shown(const Variant& v) {
    static const char* names[] = {"Empty", "", "Boolean", "Integer", "Long", "Single", "Double", "Date", "String"};
    const std::string type = names[static_cast<int>(v.type())];
    if (v.isEmpty()) return type;
    if (v.type() == Variant::Type::Single || v.type() == Variant::Type::Double) return type + ":" + number(v.toDouble());
    return type + ":" + (v.type() == Variant::Type::Date ? number(v.toDouble(), true) : v.toString());
}

// The rows of `rs` from where it stands, then checks that moveFirst() twice gives them again.
using Rows = std::vector<std::vector<std::string>>;
Rows readTwice(Recordset& rs) {
    Rows rows[3];
    for (Rows& pass : rows) {
        for (; !rs.atEnd(); rs.moveNext()) {
            pass.emplace_back();
            for (std::size_t i = 0; i < rs.fields().size(); ++i) pass.back().push_back(shown(rs.value(i)));
        }
        EXPECT_EQ(pass, rows[0]);
        rs.moveFirst();
    }
    return rows[0];
}

// The connection string of the fixture's server; the test fails with the reason when there is none.
std::string postgres() {
    const std::string conninfo = readFile(KALDER_POSTGRES_STATE);
    if (conninfo.empty())
        throw std::runtime_error("no PostgreSQL server: no connection string in " KALDER_POSTGRES_STATE
                                 " (CTest's Postgres fixture runs scripts/postgres.sh)");
    return conninfo.substr(0, conninfo.find('\n'));
}

// Makes `table` through `client` (a command taking SQL as its last argument) and reads it back
// with open(database, ...): field names and types, the values row, the NULL row. `serial` is
// the client's expression for the date serial of a value put in for "%".
void checkColumns(std::initializer_list<Column> columns, const std::string& client, const std::string& database,
                  const std::string& table, const std::string& serial) {
    std::string create = "create table " + table + "(id int", values = "(1", nulls = "(2";
    for (const Column& c : columns) {
        create += std::string(", ") + c.name + " " + c.type;
        values += std::string(", ") + c.literal;
        nulls += ", null";
    }
    const ToolResult made = runTool(client + " \"" + create + "); insert into " + table + " values " + values + "), " +
                                    nulls + ")\"");
    ASSERT_EQ(made.status, 0) << made.output;
    auto rs = SqlRecordset::open(database, "select * from " + table + " order by id");
    const Rows rows = readTwice(*rs);
    ASSERT_EQ(rows.size(), 2u);
    std::size_t i = 1;
    forEachRow(columns, [&](const Column& c) {
        EXPECT_EQ(rs->fields()[i].name + " " + std::to_string(rs->fields()[i].type),
                  c.name + (" " + std::to_string(c.fieldType)));
        std::string expected = c.expected, sql = serial;
        double d = 0;
        if (expected == "=") {
            const std::string out = runTool(client + " \"select " + sql.replace(sql.find('%'), 1, c.literal) + "\"").output;
            expected = "Date:" + number((std::from_chars(out.data(), out.data() + out.size(), d), d), true);
        }
        EXPECT_EQ(rows[0][i] + " " + rows[1][i], expected + " Empty");
        ++i;
    });
}

TEST(SqlRecordset, SqliteColumns) {
    ScratchDir dir;
    const std::string file = dir.file("t.db"), sql = "select * from t order by id";
    checkColumns({{"small", "smallint", "7", 2, "Integer:7"}, {"i", "int", "-42", 3, "Long:-42"},
                  {"big", "bigint", "4000000000", 20, "Double:4e+09"}, {"flag", "boolean", "1", 11, "Boolean:True"},
                  {"r", "real", "2.25", 5, "Double:2.25"}, {"dec", "decimal(10,2)", "12.5", 131, "Double:12.5"},
                  {"day", "date", "'2024-02-29'", 7, "="}, {"stamp", "datetime", "'2024-02-29 13:45:00'", 7, "="},
                  {"txt", "text", "'x y'", 202, "String:x y"}, {"bin", "blob", "x'6869'", 205, "String:hi"}},
                 "sqlite3 " + file, file, "t", "julianday(%) - julianday('1899-12-30')");
    // The caller's own connection, and a scrollable query the caller ran, read the same rows.
    const Rows expected = readTwice(*SqlRecordset::open(file, sql));
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "caller");
    db.setDatabaseName(QString::fromStdString(file));
    EXPECT_EQ(readTwice(*std::make_unique<SqlRecordset>(db, sql)), expected);
    const QSqlQuery scrollable(QString::fromStdString(sql), db);  // runs it
    EXPECT_EQ(readTwice(*std::make_unique<SqlRecordset>(scrollable)), expected);
}

TEST(PostgresRecordset, Columns) {
    const std::string pg = postgres(), table = "types_" + std::to_string(::getpid());
    const std::string psql = "psql -X -q -At -v ON_ERROR_STOP=1 '" + pg + "' -c";
    // The URI form of the server's connection string, its socket folder percent-encoded.
    const std::string socket = pg.substr(5, pg.find(' ') - 5), port = pg.substr(pg.find("port=") + 5);
    const std::string uri = "postgresql://postgres@" + QUrl::toPercentEncoding(socket.c_str()).toStdString() + ":" +
                            port.substr(0, port.find(' ')) + "/postgres?application_name=kalder";
    checkColumns({{"small", "smallint", "7", 2, "Integer:7"}, {"i", "integer", "-42", 3, "Long:-42"},
                  {"big", "bigint", "4000000000", 20, "Double:4e+09"}, {"flag", "boolean", "true", 11, "Boolean:True"},
                  {"r", "real", "1.5", 4, "Single:1.5"}, {"d", "double precision", "2.25", 5, "Double:2.25"},
                  {"exact", "numeric(30,10)", "12345678901234567890.0123456789", 131,
                   "String:12345678901234567890.0123456789"},
                  {"dec", "numeric(10,2)", "-12.5", 131, "Double:-12.5"}, {"cash", "money", "1234.56", 6, "Double:1234.56"},
                  {"day", "date", "'2024-02-29'", 7, "="}, {"stamp", "timestamp", "'2024-02-29 13:45:30'", 7, "="},
                  {"txt", "varchar(9)", "'x y'", 202, "String:x y"}, {"bin", "bytea", "'\\x6869'", 205, "String:hi"}},
                 psql, uri, table, "extract(epoch from %::timestamp - '1899-12-30') / 86400");
    runTool(psql + " 'drop table " + table + "'");
}

TEST(PostgresRecordset, Errors) {
    const ScopedLocale english("C", LC_MESSAGES);  // libpq translates its messages
    const std::string pg = postgres(), memory = ":memory:";
    struct Row { const char* name; std::string database, sql, expected; };
    forEachRow<Row>(
        {{"sqlite query", memory, "select nope\n from   x", "!-2147217900 SqlRecordset: no such table: x (SQL: select nope from x)"},
         {"sqlite file", "/nonexistent/t.db", "select 1",
          "!-2147467259 SqlRecordset: unable to open database file (SQL: select 1)"},
         {"postgres query", pg, "select nope /* " + std::string(100, 'x') + " */",
          "!-2147217900 SqlRecordset: ERROR:  column \"nope\" does not exist\nLINE 1: select nope /* " + std::string(45, 'x') +
              "...\n               ^\n(42703) (SQL: select nope /* " + std::string(65, 'x') + ")"},
         {"postgres server", "host=/nonexistent port=1", "select 1",
          "!-2147467259 SqlRecordset: connection to server on socket \"/nonexistent/.s.PGSQL.1\" failed: No such "
          "file or directory\n\tIs the server running locally and accepting connections on that socket? (SQL: select 1)"},
         {"past the end", memory, "select 1 where 0", "!-2146825267 SqlRecordset: Either BOF or EOF is True, or the "
                                                    "current record has been deleted. Requested operation requires a current record."}},
        [](const Row& row) {
            const auto e = errorOf([&] { SqlRecordset::open(row.database, row.sql)->value(0); });
            EXPECT_EQ(e ? "!" + std::to_string(e->number()) + " " + e->source() + ": " + e->description() : "", row.expected);
        });
}

// Rows stream from the server: 1,000 of 5,000,000 read when the server ends the connection.
TEST(PostgresRecordset, ConnectionLostMidway) {
    const ScopedLocale english("C", LC_MESSAGES);
    const std::string pg = postgres(), name = "kalder_lost_" + std::to_string(::getpid());
    auto rs = SqlRecordset::open(pg + " application_name=" + name, "select n from generate_series(1, 5000000) n");
    for (int i = 0; i < 1000; ++i) rs->moveNext();
    EXPECT_EQ(shown(rs->value(0)), "Long:1001");
    const ToolResult killed = runTool("psql -X -At '" + pg + "' -c \"select pg_terminate_backend(pid) from "
                                      "pg_stat_activity where application_name = '" + name + "'\"");
    ASSERT_EQ(killed.output, "t\n");
    EXPECT_THAT(errorOf([&] { while (!rs->atEnd()) rs->moveNext(); }),
                IsError(sqlerr::CannotOpen, "SqlRecordset",
                        "server closed the connection unexpectedly\n\tThis probably means the server terminated "
                        "abnormally\n\tbefore or while processing the request. (SQL: select n from "
                        "generate_series(1, 5000000) n)"));
}

}  // namespace kalder::test
