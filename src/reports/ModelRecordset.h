// A grid's model as a Recordset: one field per model column, named by its horizontal header
// ("Col " and the column's number when the header is empty), typed by the first row's
// values; the values are the cells' display data. Reads the model live: it must outlive
// the recordset and not change during a report.
#pragma once

#include "kalder/Recordset.h"

class QAbstractItemModel;

namespace kalder {

class ModelRecordset final : public Recordset {
public:
    explicit ModelRecordset(const QAbstractItemModel& model);

    std::vector<RecordField> fields() const override { return fields_; }
    void moveFirst() override { row_ = 0; }
    void moveNext() override { ++row_; }
    bool atEnd() const override;
    Variant value(std::size_t index) const override;

private:
    const QAbstractItemModel& model_;
    std::vector<RecordField> fields_;
    int row_ = 0;
};

}  // namespace kalder
