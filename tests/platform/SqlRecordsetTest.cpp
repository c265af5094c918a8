// SqlRecordset against SQLite files made by the sqlite3 client and the private PostgreSQL
// server of scripts/postgres.sh (CTest's Postgres fixture writes its connection string to the
// file KALDER_POSTGRES_STATE); expected dates come from the databases' own clients.
#include <QSqlQuery>

#include <charconv>
#include <string>
#include <unistd.h>
#include <vector>

#include "kalder/SqlRecordset.h"
#include "support/ErrorMatchers.h"
#include "support/ScopedLocale.h"
#include "support/TableTest.h"
#include "support/Tools.h"

namespace kalder::test {
namespace {

struct Column {
    const char* name;
    const char* type;      // the column's declared type
    const char* literal;   // its value in the first row; the second row is all NULL
    std::int32_t fieldType;
    std::string expected;  // shown(value); "=EXPR" is a date whose serial the client computes
};

std::string fixed(double d) {
    char buf[64];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, d, std::chars_format::fixed, 6).ptr);
}

std::string shown(const Variant& v) {
    static const char* names[] = {"Empty", "Missing", "Boolean", "Integer", "Long", "Single",
                                  "Double", "Date", "String", "Object", "Array"};
    const std::string type = names[static_cast<int>(v.type())];
    char buf[64];
    switch (v.type()) {
    case Variant::Type::Empty: return type;
    case Variant::Type::Date: return type + ":" + fixed(v.toDouble());
    case Variant::Type::Single: return type + ":" + std::string(buf, std::to_chars(buf, buf + 64, v.toSingle()).ptr);
    case Variant::Type::Double: return type + ":" + std::string(buf, std::to_chars(buf, buf + 64, v.toDouble()).ptr);
    case Variant::Type::Boolean: return type + (v.toBool() ? ":True" : ":False");
    default: return type + ":" + v.toString();
    }
}

using Rows = std::vector<std::vector<std::string>>;
Rows readAll(Recordset& rs) {
    Rows rows;
    for (; !rs.atEnd(); rs.moveNext()) {
        rows.emplace_back();
        for (std::size_t i = 0; i < rs.fields().size(); ++i) rows.back().push_back(shown(rs.value(i)));
    }
    return rows;
}

// The connection string of the fixture's server; a failure naming the reason when there is none.
std::string postgres() {
    const std::string conninfo = readFile(KALDER_POSTGRES_STATE);
    if (conninfo.empty())
        ADD_FAILURE() << "no PostgreSQL server: no connection string in " KALDER_POSTGRES_STATE
                         " (CTest's Postgres fixture runs scripts/postgres.sh)";
    return conninfo.substr(0, conninfo.find('\n'));
}

// Makes table `table` through `client` (a command taking SQL as its last argument), reads it
// back with open(database, ...), and checks types, values, the NULL row and two passes more.
void checkColumns(std::initializer_list<Column> columns, const std::string& client, const std::string& database,
                  const std::string& table) {
    std::string create = "create table " + table + "(id int", values = "(1", nulls = "(2", select = "select ";
    for (const Column& c : columns) {
        create += std::string(", ") + c.name + " " + c.type;
        values += std::string(", ") + c.literal;
        nulls += ", null";
        select += std::string(select.size() > 7 ? ", " : "") + c.name;
    }
    const ToolResult made = runTool(client + " \"" + create + "); insert into " + table + " values " + values +
                                    "), " + nulls + ")\"");
    ASSERT_EQ(made.status, 0) << made.output;
    auto rs = SqlRecordset::open(database, select + " from " + table + " order by id");
    const Rows first = readAll(*rs);
    ASSERT_EQ(first.size(), 2u);
    std::size_t i = 0;
    forEachRow(columns, [&](const Column& c) {
        EXPECT_EQ(rs->fields()[i].name, c.name);
        EXPECT_EQ(rs->fields()[i].type, c.fieldType);
        std::string expected = c.expected;
        if (expected.starts_with("=")) {
            const std::string serial = runTool(client + " \"select " + expected.substr(1) + "\"").output;
            double d = 0;
            std::from_chars(serial.data(), serial.data() + serial.size(), d);
            expected = "Date:" + fixed(d);
        }
        EXPECT_EQ(first[0][i], expected);
        EXPECT_EQ(first[1][i++], "Empty");
    });
    for (int pass = 0; pass < 2; ++pass) {
        rs->moveFirst();
        EXPECT_EQ(readAll(*rs), first) << "pass " << pass;
    }
}

TEST(SqlRecordset, SqliteColumns) {
    ScratchDir dir;
    const std::string file = dir.file("t.db");
    checkColumns({{"small", "smallint", "7", 2, "Integer:7"},
                  {"i", "int", "-42", 3, "Long:-42"},
                  {"big", "bigint", "4000000000", 20, "Double:4e+09"},
                  {"r", "real", "2.25", 5, "Double:2.25"},
                  {"dec", "decimal(10,2)", "12.5", 131, "Double:12.5"},
                  {"day", "date", "'2024-02-29'", 7, "=julianday('2024-02-29') - julianday('1899-12-30')"},
                  {"stamp", "datetime", "'2024-02-29 13:45:00'", 7,
                   "=julianday('2024-02-29 13:45:00') - julianday('1899-12-30')"},
                  {"flag", "boolean", "1", 11, "Boolean:True"},
                  {"txt", "text", "'x y'", 202, "String:x y"},
                  {"bin", "blob", "x'6869'", 205, "String:hi"}},
                 "sqlite3 " + file, file, "t");
    // The caller's own connection and query read the same rows as open().
    const Rows expected = readAll(*SqlRecordset::open(file, "select * from t order by id"));
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "caller");
    db.setDatabaseName(QString::fromStdString(file));
    {
        SqlRecordset bySql(db, "select * from t order by id");
        QSqlQuery scrollable(db);
        ASSERT_TRUE(scrollable.exec("select * from t order by id"));
        SqlRecordset byQuery(scrollable);
        for (Recordset* rs : {static_cast<Recordset*>(&bySql), static_cast<Recordset*>(&byQuery)}) {
            EXPECT_EQ(readAll(*rs), expected);
            rs->moveFirst();
            EXPECT_EQ(readAll(*rs), expected);
        }
    }
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase("caller");
}

TEST(PostgresRecordset, Columns) {
    const std::string pg = postgres(), table = "types_" + std::to_string(::getpid());
    ASSERT_FALSE(pg.empty());
    const std::string psql = "psql -X -q -At -v ON_ERROR_STOP=1 '" + pg + "' -c";
    checkColumns({{"small", "smallint", "7", 2, "Integer:7"},
                  {"i", "integer", "-42", 3, "Long:-42"},
                  {"big", "bigint", "4000000000", 20, "Double:4e+09"},
                  {"r", "real", "1.5", 4, "Single:1.5"},
                  {"d", "double precision", "2.25", 5, "Double:2.25"},
                  {"exact", "numeric(30,10)", "12345678901234567890.0123456789", 131,
                   "String:12345678901234567890.0123456789"},
                  {"dec", "numeric(10,2)", "-12.5", 131, "Double:-12.5"},
                  {"cash", "money", "1234.56", 6, "Double:1234.56"},
                  {"day", "date", "'2024-02-29'", 7, "='2024-02-29'::date - '1899-12-30'::date"},
                  {"stamp", "timestamp", "'2024-02-29 13:45:30'", 7,
                   "=extract(epoch from timestamp '2024-02-29 13:45:30' - timestamp '1899-12-30') / 86400"},
                  {"flag", "boolean", "true", 11, "Boolean:True"},
                  {"txt", "varchar(9)", "'x y'", 202, "String:x y"},
                  {"bin", "bytea", "'\\x6869'", 205, "String:hi"}},
                 psql, pg, table);
    runTool(psql + " 'drop table " + table + "'");
}

TEST(PostgresRecordset, Errors) {
    const ScopedLocale english("C", LC_MESSAGES);  // libpq translates its messages
    const std::string pg = postgres();
    ASSERT_FALSE(pg.empty());
    ScratchDir dir;
    const std::string file = dir.file("t.db");
    ASSERT_EQ(runTool("sqlite3 " + file + " 'create table t(a int)'").status, 0);
    const std::string socket = pg.substr(5, pg.find(' ') - 5), port = pg.substr(pg.find("port=") + 5, 5);
    struct Row { const char* name; std::string database, sql, expected; };
    forEachRow<Row>(
        {{"sqlite query", file, "select nope\n from   t", "!-2147217900 SqlRecordset: no such column: nope (SQL: select nope from t)"},
         {"sqlite file", dir.file("none/t.db"), "select 1",
          "!-2147467259 SqlRecordset: unable to open database file (SQL: select 1)"},
         {"postgres query", pg, "select nope /* " + std::string(100, 'x') + " */",
          "!-2147217900 SqlRecordset: ERROR:  column \"nope\" does not exist\nLINE 1: select nope /* " + std::string(45, 'x') +
              "...\n               ^\n(42703) (SQL: select nope /* " + std::string(65, 'x') + ")"},
         {"postgres server", "host=/nonexistent port=1", "select 1",
          "!-2147467259 SqlRecordset: connection to server on socket \"/nonexistent/.s.PGSQL.1\" failed: No such "
          "file or directory\n\tIs the server running locally and accepting connections on that socket? (SQL: select 1)"},
         {"postgres uri", "postgresql://postgres@" + std::string(QByteArray::fromStdString(socket).toPercentEncoding()) +
                              ":" + port.substr(0, port.find(' ')) + "/postgres?application_name=kalder",
          "select application_name from pg_stat_activity where pid = pg_backend_pid()", "String:kalder"},
         {"past the end", file, "select a from t", "!-2146825267 SqlRecordset: Either BOF or EOF is True, or the "
                                                    "current record has been deleted. Requested operation requires a current record."}},
        [](const Row& row) {
            std::string outcome;
            try {
                outcome = shown(SqlRecordset::open(row.database, row.sql)->value(0));
            } catch (const AutomationError& e) {
                outcome = "!" + std::to_string(e.number()) + " " + e.source() + ": " + e.description();
            }
            EXPECT_EQ(outcome, row.expected);
        });
}

TEST(PostgresRecordset, ConnectionLostMidway) {
    const ScopedLocale english("C", LC_MESSAGES);
    const std::string pg = postgres(), name = "kalder_lost_" + std::to_string(::getpid());
    ASSERT_FALSE(pg.empty());
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

}  // namespace
}  // namespace kalder::test
