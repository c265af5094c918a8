// Opening a database named by one string, the form a report definition or a command line
// carries: an SQLite file path, or a PostgreSQL connection string as libpq takes it (a
// "postgresql://" or "postgres://" URI, or "key=value" pairs such as "host=/run/pg port=5433
// dbname=sales").
#pragma once

#include <QSqlDatabase>
#include <QString>

#include <string>

namespace kalder::sql {

// Whether `database` is a PostgreSQL connection string rather than an SQLite file path.
bool isPostgres(const std::string& database);

// A PostgreSQL URI in libpq's key/value form, each value quoted ("user='ann' dbname='sales'").
// Key/value text is given back as it is. Qt's PostgreSQL driver reads ';' as a separator of
// its connect options, so values containing ';' cannot be passed this way.
std::string postgresKeyValues(const std::string& database);

// Adds a Qt connection named `name` for `database` and opens it (SQLite read-only: a report
// only reads, and a mistyped path should fail rather than create an empty file). The
// connection is added even when opening fails; its lastError() says why.
QSqlDatabase addAndOpen(const std::string& database, const QString& name);

}  // namespace kalder::sql
