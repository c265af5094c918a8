// What a column of a Qt Sql query is as a Recordset field, and its values as Variants.
// Qt gives each column a QMetaType; where that is coarser than the database's own type the
// database's type decides: PostgreSQL's type OIDs (QSqlField::typeID() under QPSQL) for
// smallint, real, numeric and money, SQLite's declared column type (sqlite3_column_decltype) for
// every column that has one, since Qt reads most of those as text.
#pragma once

#include <QSqlQuery>
#include <QVariant>

#include <cstdint>
#include <vector>

#include "kalder/Recordset.h"

namespace kalder::sql {

// The fields of `query`'s result, which must be active.
std::vector<RecordField> fieldsOf(const QSqlQuery& query);

// `value` of a field of type `fieldType` as a Variant (NULL is Empty).
Variant toVariant(const QVariant& value, std::int32_t fieldType);

// Days since 1899-12-30 with the time of day as the fraction; before that day the fraction
// still counts forward from midnight (-1.25 is 1899-12-29 06:00), as date serials do.
double dateSerial(int daysSinceBase, double dayFraction);

}  // namespace kalder::sql
