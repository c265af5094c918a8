#include "platform/SqlTypes.h"

#include <QDate>
#include <QDateTime>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlField>
#include <QSqlRecord>
#include <QSqlResult>
#include <QTime>
#include <sqlite3.h>

#include <charconv>
#include <limits>
#include <string>

namespace kalder::sql {

namespace {

// PostgreSQL's type OIDs (pg_type.oid) that Qt reads as a wider or looser type.
constexpr int kPgInt2 = 21, kPgFloat4 = 700, kPgNumeric = 1700, kPgMoney = 790;

std::int32_t fromMetaType(int id) {
    switch (id) {
    case QMetaType::Short: case QMetaType::UShort: case QMetaType::Char:
    case QMetaType::SChar: case QMetaType::UChar:
        return fieldtype::SmallInt;
    case QMetaType::Int:
        return fieldtype::Integer;
    case QMetaType::UInt: case QMetaType::Long: case QMetaType::ULong:
    case QMetaType::LongLong: case QMetaType::ULongLong:
        return fieldtype::BigInt;
    case QMetaType::Float:
        return fieldtype::Single;
    case QMetaType::Double:
        return fieldtype::Double;
    case QMetaType::QDate: case QMetaType::QTime: case QMetaType::QDateTime:
        return fieldtype::Date;
    case QMetaType::Bool:
        return fieldtype::Boolean;
    case QMetaType::QByteArray:
        return fieldtype::Binary;
    default:
        return fieldtype::Text;
    }
}

// SQLite's declared type of a column, read by name the way SQLite itself gives a column its
// affinity (integer for "INT" anywhere, text for "CHAR", "CLOB", "TEXT", real for "REAL",
// "FLOA", "DOUB"), with the names of types SQLite stores in those classes picked out first.
// 0 when the name says nothing (an expression, or a column declared without a type).
std::int32_t fromDeclaredType(const QString& declared) {
    const QString t = declared.toLower();
    if (t.isEmpty()) return 0;
    if (t.contains("bool")) return fieldtype::Boolean;
    if (t.contains("date") || t.contains("time")) return fieldtype::Date;
    if (t.contains("money") || t.contains("currency")) return fieldtype::Currency;
    if (t.contains("decimal") || t.contains("numeric")) return fieldtype::Numeric;
    if (t.contains("int")) {
        if (t.contains("small") || t.contains("tiny") || t == "int2") return fieldtype::SmallInt;
        if (t.contains("big") || t == "int8") return fieldtype::BigInt;
        return fieldtype::Integer;
    }
    if (t.contains("char") || t.contains("clob") || t.contains("text")) return fieldtype::Text;
    if (t.contains("blob")) return fieldtype::Binary;
    if (t.contains("real") || t.contains("floa") || t.contains("doub")) return fieldtype::Double;
    return 0;
}

// Significant digits of a plain decimal text, from the first non-zero digit to the last
// ("-0012.3400" has 3, "1200" has 2: a double's exponent carries the zeros on either side).
int significantDigits(const std::string& s) {
    const std::size_t first = s.find_first_of("123456789");
    if (first == std::string::npos) return 0;
    const std::size_t last = s.find_last_of("123456789");
    int n = 0;
    for (std::size_t i = first; i <= last; ++i) n += s[i] >= '0' && s[i] <= '9';
    return n;
}

// A double holds any decimal of 15 significant digits exactly enough to give it back; past
// that the exact text is kept, so a report never prints digits the database did not have.
Variant decimalValue(const std::string& text) {
    double d = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, d);
    if (ec == std::errc() && ptr == end && significantDigits(text) <= std::numeric_limits<double>::digits10)
        return d;
    return text;
}

// PostgreSQL writes money in the server's lc_monetary format; only the C/English form
// ("$1,234.56", "-$0.50") is read as a number, since elsewhere "," may be the decimal mark.
Variant moneyValue(const QString& text) {
    static const QRegularExpression cForm(R"(^(-?)\$?(-?)([0-9]{1,3}(,[0-9]{3})*|[0-9]+)(\.[0-9]+)?$)");
    const QRegularExpressionMatch m = cForm.match(text.trimmed());
    if (!m.hasMatch()) return text.toStdString();
    QString plain = m.captured(1) + m.captured(2) + m.captured(3).remove(',') + m.captured(5);
    return decimalValue(plain.toStdString());
}

Variant dateValue(const QDate& date, const QTime& time) {
    static const QDate base(1899, 12, 30);
    const int days = date.isValid() ? static_cast<int>(base.daysTo(date)) : 0;
    const double fraction = time.isValid() ? time.msecsSinceStartOfDay() / 86400000.0 : 0.0;
    return Variant::date(dateSerial(days, fraction));
}

// SQLite keeps dates as text: ISO 8601 dates, date-times (with "T" or a space) and times.
Variant dateFromText(const QString& text) {
    QString iso = text.trimmed();
    if (iso.size() > 10 && iso[10] == ' ') iso[10] = 'T';
    if (const QDateTime dt = QDateTime::fromString(iso, Qt::ISODateWithMs); dt.isValid())
        return dateValue(dt.date(), dt.time());
    if (const QDate d = QDate::fromString(iso, Qt::ISODate); d.isValid()) return dateValue(d, QTime());
    if (const QTime t = QTime::fromString(iso, Qt::ISODateWithMs); t.isValid()) return dateValue(QDate(), t);
    return text.toStdString();
}

}  // namespace

double dateSerial(int daysSinceBase, double dayFraction) {
    return daysSinceBase >= 0 ? daysSinceBase + dayFraction : daysSinceBase - dayFraction;
}

std::vector<RecordField> fieldsOf(const QSqlQuery& query) {
    const QSqlRecord record = query.record();
    const QSqlDriver::DbmsType dbms = query.driver() ? query.driver()->dbmsType() : QSqlDriver::UnknownDbms;
    sqlite3_stmt* statement = nullptr;
    if (dbms == QSqlDriver::SQLite && query.result()) {
        // QSQLITE's handle is the statement itself (Qt documents it as "sqlite3_stmt*").
        const QVariant handle = query.result()->handle();
        if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3_stmt*") == 0)
            statement = *static_cast<sqlite3_stmt* const*>(handle.constData());
    }
    std::vector<RecordField> fields;
    for (int i = 0; i < record.count(); ++i) {
        const QSqlField f = record.field(i);
        std::int32_t type = fromMetaType(f.metaType().id());
        if (dbms == QSqlDriver::PostgreSQL) {
            if (f.typeID() == kPgInt2) type = fieldtype::SmallInt;
            if (f.typeID() == kPgFloat4) type = fieldtype::Single;
            if (f.typeID() == kPgNumeric) type = fieldtype::Numeric;
            if (f.typeID() == kPgMoney) type = fieldtype::Currency;
        } else if (statement) {
            if (const std::int32_t declared = fromDeclaredType(QString::fromUtf8(sqlite3_column_decltype(statement, i))))
                type = declared;
        }
        fields.push_back({f.name().toStdString(), type});
    }
    return fields;
}

Variant toVariant(const QVariant& value, std::int32_t fieldType) {
    if (!value.isValid() || value.isNull()) return {};
    switch (value.metaType().id()) {
    case QMetaType::Bool:
        return value.toBool();
    case QMetaType::Short: case QMetaType::UShort: case QMetaType::Char: case QMetaType::SChar:
    case QMetaType::UChar: case QMetaType::Int: case QMetaType::UInt: case QMetaType::Long:
    case QMetaType::ULong: case QMetaType::LongLong:
    case QMetaType::ULongLong: {
        if (value.metaType().id() == QMetaType::ULongLong &&
            value.toULongLong() > static_cast<qulonglong>(std::numeric_limits<long long>::max()))
            return value.toDouble();
        const long long n = value.toLongLong();
        // SQLite stores booleans as integers.
        if (fieldType == fieldtype::Boolean) return n != 0;
        if (fieldType == fieldtype::SmallInt && n >= INT16_MIN && n <= INT16_MAX) return static_cast<std::int16_t>(n);
        return n;
    }
    case QMetaType::Float:
        return value.toFloat();
    case QMetaType::Double:
        if (fieldType == fieldtype::Single) return value.toFloat();
        return value.toDouble();
    case QMetaType::QDate:
        return dateValue(value.toDate(), QTime());
    case QMetaType::QTime:
        return dateValue(QDate(), value.toTime());
    case QMetaType::QDateTime: {
        const QDateTime dt = value.toDateTime();
        return dateValue(dt.date(), dt.time());
    }
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    }
    default:
        break;
    }
    const QString text = value.toString();
    if (fieldType == fieldtype::Numeric) return decimalValue(text.toStdString());
    if (fieldType == fieldtype::Currency) return moneyValue(text);
    if (fieldType == fieldtype::Date) return dateFromText(text);
    return text.toStdString();
}

}  // namespace kalder::sql
