// A Recordset of rows held in memory: ArrayReport's rows, and a grid's.
#pragma once

#include <vector>

#include "kalder/Recordset.h"

namespace kalder {

class MemoryRecordset final : public Recordset {
public:
    explicit MemoryRecordset(std::vector<RecordField> fields) : fields_(std::move(fields)) {}
    // A row of one value per field (missing ones Empty).
    void add(std::vector<Variant> row) {
        row.resize(fields_.size());
        rows_.push_back(std::move(row));
    }

    std::vector<RecordField> fields() const override { return fields_; }
    void moveFirst() override { at_ = 0; }
    void moveNext() override { ++at_; }
    bool atEnd() const override { return at_ >= rows_.size(); }
    Variant value(std::size_t index) const override { return rows_.at(at_).at(index); }

private:
    std::vector<RecordField> fields_;
    std::vector<std::vector<Variant>> rows_;
    std::size_t at_ = 0;
};

}  // namespace kalder
