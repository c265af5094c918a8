#include "kalder/SqlRecordset.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlRecord>

#include <atomic>

#include "core/QtRuntime.h"
#include "kalder/AutomationError.h"
#include "platform/SqlConnection.h"
#include "platform/SqlTypes.h"

namespace kalder {

namespace {

constexpr const char* kSource = "SqlRecordset";
// How much of the statement an error repeats: enough to tell which query failed.
constexpr int kStatementShown = 80;

[[noreturn]] void raise(std::int32_t number, const QSqlError& error, const QString& sql) {
    QString message = error.databaseText().trimmed();
    // Qt's PostgreSQL driver appends the SQLSTATE in parentheses, "()" when there is none.
    if (message.endsWith("()")) message = message.chopped(2).trimmed();
    if (message.isEmpty()) message = error.driverText().trimmed();
    throw AutomationError(number, kSource,
                          (message + " (SQL: " + sql.simplified().left(kStatementShown) + ")").toStdString());
}

}  // namespace

struct SqlRecordset::State {
    QString connection;  // the connection open() added, removed with the recordset; else empty
    QSqlDatabase db;
    QSqlQuery query;
    QString sql;         // run again by moveFirst(); empty for a query the caller executed
    std::vector<RecordField> fields;
    bool onFirstRow = false;  // nothing stepped since the query ran or went back

    ~State() {
        // removeDatabase() wants no query or handle of the connection left.
        query = QSqlQuery();
        db = QSqlDatabase();
        if (!connection.isEmpty()) QSqlDatabase::removeDatabase(connection);
    }

    QString statement() const { return sql.isEmpty() ? query.lastQuery() : sql; }

    // Runs the query (again) and stands on its first row.
    void run() {
        const bool ok = sql.isEmpty() ? query.exec() : query.exec(sql);
        if (!ok) raise(sqlerr::QueryFailed, query.lastError(), statement());
        fields = sql::fieldsOf(query);
        step(true);
    }

    void step(bool first) {
        const bool moved = first && !query.isForwardOnly() ? query.first() : query.next();
        // A result that ends with an error (a connection lost midway) is no end of the rows.
        if (!moved && query.lastError().type() != QSqlError::NoError)
            raise(sqlerr::CannotOpen, query.lastError(), statement());
        onFirstRow = first;
    }
};

SqlRecordset::SqlRecordset(std::unique_ptr<State> state) : state_(std::move(state)) {}

std::unique_ptr<SqlRecordset> SqlRecordset::open(const std::string& database, const std::string& sql) {
    // Qt loads its database drivers through the application object; any kind will do.
    if (!QCoreApplication::instance()) ensureGuiApplication();
    static std::atomic<unsigned> counter{0};
    auto state = std::make_unique<State>();
    state->connection = QString("kalder-recordset-%1").arg(++counter);
    state->sql = QString::fromStdString(sql);
    state->db = sql::addAndOpen(database, state->connection);
    if (!state->db.isOpen()) raise(sqlerr::CannotOpen, state->db.lastError(), state->sql);
    state->query = QSqlQuery(state->db);
    state->query.setForwardOnly(true);
    state->query.setNumericalPrecisionPolicy(QSql::HighPrecision);
    state->run();
    return std::unique_ptr<SqlRecordset>(new SqlRecordset(std::move(state)));
}

SqlRecordset::SqlRecordset(QSqlDatabase db, const std::string& sql) : state_(std::make_unique<State>()) {
    state_->sql = QString::fromStdString(sql);
    if (!db.isOpen() && !db.open()) raise(sqlerr::CannotOpen, db.lastError(), state_->sql);
    state_->db = db;
    state_->query = QSqlQuery(db);
    // Forward-only: rows are fetched as they are read (PostgreSQL's single-row mode in Qt's driver).
    state_->query.setForwardOnly(true);
    // Decimals as their text, so that sql::toVariant can tell whether a double holds them.
    state_->query.setNumericalPrecisionPolicy(QSql::HighPrecision);
    state_->run();
}

SqlRecordset::SqlRecordset(QSqlQuery query) : state_(std::make_unique<State>()) {
    state_->query = std::move(query);
    if (!state_->query.isActive()) raise(sqlerr::QueryFailed, state_->query.lastError(), state_->query.lastQuery());
    state_->fields = sql::fieldsOf(state_->query);
    if (state_->query.at() == QSql::BeforeFirstRow || !state_->query.isForwardOnly())
        state_->step(true);
    else
        state_->run();  // a forward-only query the caller has stepped on starts again
}

SqlRecordset::~SqlRecordset() = default;

std::vector<RecordField> SqlRecordset::fields() const { return state_->fields; }

void SqlRecordset::moveFirst() {
    if (state_->onFirstRow) return;
    if (state_->query.isForwardOnly())
        state_->run();
    else
        state_->step(true);
}

void SqlRecordset::moveNext() {
    if (!atEnd()) state_->step(false);
}

bool SqlRecordset::atEnd() const { return !state_->query.isValid(); }

Variant SqlRecordset::value(std::size_t index) const {
    if (index >= state_->fields.size())
        throw AutomationError(sqlerr::NoSuchField, kSource,
                              "Item cannot be found in the collection corresponding to the requested name or ordinal.");
    if (atEnd())
        throw AutomationError(sqlerr::NoCurrentRow, kSource,
                              "Either BOF or EOF is True, or the current record has been deleted. "
                              "Requested operation requires a current record.");
    return sql::toVariant(state_->query.value(static_cast<int>(index)), state_->fields[index].type);
}

}  // namespace kalder
