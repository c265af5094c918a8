#include "platform/SqlConnection.h"

#include <QByteArray>
#include <QRegularExpression>

#include <vector>

namespace kalder::sql {

namespace {

std::string percentDecoded(const std::string& s) {
    return QByteArray::fromPercentEncoding(QByteArray::fromStdString(s)).toStdString();
}

std::string quoted(const std::string& value) {
    std::string out = "'";
    for (const char c : value) {
        if (c == '\'' || c == '\\') out += '\\';
        out += c;
    }
    return out + "'";
}

std::vector<std::string> split(const std::string& s, char sep) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at; (at = s.find(sep, start)) != std::string::npos; start = at + 1)
        parts.push_back(s.substr(start, at - start));
    parts.push_back(s.substr(start));
    return parts;
}

}  // namespace

bool isPostgres(const std::string& database) {
    static const QRegularExpression keyValue(R"(^\s*[A-Za-z_]+\s*=)");
    return database.starts_with("postgresql://") || database.starts_with("postgres://") ||
           keyValue.match(QString::fromStdString(database)).hasMatch();
}

// postgresql://[user[:password]@][host[:port][,host[:port]...]][/dbname][?key=value&...], the
// URI form of libpq's connection strings; hosts may be "[IPv6]" or a percent-encoded socket folder.
std::string postgresKeyValues(const std::string& database) {
    const std::size_t scheme = database.find("://");
    if (!database.starts_with("postgres") || scheme == std::string::npos) return database;
    std::string rest = database.substr(scheme + 3), query;
    if (const std::size_t q = rest.find('?'); q != std::string::npos) {
        query = rest.substr(q + 1);
        rest.resize(q);
    }
    std::string dbname;
    if (const std::size_t slash = rest.find('/'); slash != std::string::npos) {
        dbname = rest.substr(slash + 1);
        rest.resize(slash);
    }
    std::string out;
    const auto add = [&out](const std::string& key, const std::string& value) {
        out += (out.empty() ? "" : " ") + key + "=" + quoted(value);
    };
    if (const std::size_t at = rest.rfind('@'); at != std::string::npos) {
        const std::string user = rest.substr(0, at);
        const std::size_t colon = user.find(':');
        add("user", percentDecoded(user.substr(0, colon)));
        if (colon != std::string::npos) add("password", percentDecoded(user.substr(colon + 1)));
        rest.erase(0, at + 1);
    }
    if (!rest.empty()) {
        std::string hosts, ports;
        bool anyPort = false;
        const std::vector<std::string> specs = split(rest, ',');
        for (std::size_t i = 0; i < specs.size(); ++i) {
            const std::string& spec = specs[i];
            // The port follows the first ':' after an IPv6 literal's closing bracket.
            const std::size_t close = spec.find(']');
            const std::size_t colon = spec.find(':', close == std::string::npos ? 0 : close);
            std::string host = spec.substr(0, colon);
            if (host.size() >= 2 && host.front() == '[' && host.back() == ']') host = host.substr(1, host.size() - 2);
            const std::string port = colon == std::string::npos ? "" : spec.substr(colon + 1);
            anyPort = anyPort || !port.empty();
            const char* sep = i == 0 ? "" : ",";
            hosts += sep + percentDecoded(host);
            ports += sep + port;
        }
        add("host", hosts);
        if (anyPort) add("port", ports);
    }
    if (!dbname.empty()) add("dbname", percentDecoded(dbname));
    if (!query.empty()) {
        for (const std::string& pair : split(query, '&')) {
            const std::size_t eq = pair.find('=');
            if (eq != std::string::npos) add(percentDecoded(pair.substr(0, eq)), percentDecoded(pair.substr(eq + 1)));
        }
    }
    return out;
}

QSqlDatabase addAndOpen(const std::string& database, const QString& name) {
    if (isPostgres(database)) {
        QSqlDatabase db = QSqlDatabase::addDatabase("QPSQL", name);
        db.setConnectOptions(QString::fromStdString(postgresKeyValues(database)));
        db.open();
        return db;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name);
    db.setDatabaseName(QString::fromStdString(database));
    db.setConnectOptions("QSQLITE_OPEN_READONLY");
    db.open();
    return db;
}

}  // namespace kalder::sql
