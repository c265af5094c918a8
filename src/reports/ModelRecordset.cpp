#include "reports/ModelRecordset.h"

#include <QAbstractItemModel>
#include <QDate>
#include <QDateTime>

#include "platform/SqlTypes.h"

namespace kalder {

namespace {
std::int32_t fieldTypeOf(const QVariant& v) {
    switch (v.typeId()) {
        case QMetaType::Short: return fieldtype::SmallInt;
        case QMetaType::Int:
        case QMetaType::UInt: return fieldtype::Integer;
        case QMetaType::Float: return fieldtype::Single;
        case QMetaType::Double: return fieldtype::Double;
        case QMetaType::LongLong:
        case QMetaType::ULongLong: return fieldtype::BigInt;
        case QMetaType::Bool: return fieldtype::Boolean;
        case QMetaType::QDate:
        case QMetaType::QDateTime: return fieldtype::Date;
        default: return fieldtype::Text;
    }
}

// The date serial database fields give too (before 1899-12-30 the fraction still counts
// forward from midnight).
double serialOf(const QDateTime& t) {
    static const QDate base(1899, 12, 30);
    return sql::dateSerial(static_cast<int>(base.daysTo(t.date())), t.time().msecsSinceStartOfDay() / 86400000.0);
}
}  // namespace

ModelRecordset::ModelRecordset(const QAbstractItemModel& model) : model_(model) {
    for (int c = 0; c < model.columnCount(); ++c) {
        std::string name = model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString().toStdString();
        if (name.empty()) name = "Col " + std::to_string(c + 1);
        const QVariant first = model.rowCount() > 0 ? model.data(model.index(0, c), Qt::DisplayRole) : QVariant();
        fields_.push_back({name, fieldTypeOf(first)});
    }
}

bool ModelRecordset::atEnd() const { return row_ >= model_.rowCount(); }

Variant ModelRecordset::value(std::size_t index) const {
    const QVariant v = model_.data(model_.index(row_, static_cast<int>(index)), Qt::DisplayRole);
    if (!v.isValid() || v.isNull()) return {};
    switch (v.typeId()) {
        case QMetaType::Short:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong: return Variant(v.toLongLong());
        case QMetaType::Float:
        case QMetaType::Double: return Variant(v.toDouble());
        case QMetaType::Bool: return Variant(v.toBool());
        case QMetaType::QDate: return Variant::date(serialOf(QDateTime(v.toDate(), QTime(0, 0))));
        case QMetaType::QDateTime: return Variant::date(serialOf(v.toDateTime()));
        default: return Variant(v.toString().toStdString());
    }
}

}  // namespace kalder
