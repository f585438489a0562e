// A statement of the store as the handlers hold it: a value prepared on a connection, whichever
// engine is behind it. Parameters are written ?1, ?2, ... and numbered from 1; columns from 0.
#pragma once

#include "store/StoreConnection.h"

#include <memory>

namespace tavrik {

class StoreQuery {
public:
    StoreQuery(StoreConnection& connection, std::string_view sql) : statement_(connection.Prepare(sql)) {}

    template <typename Value> StoreQuery& Bind(int index, const Value& value) {
        statement_->Bind(index, value);
        return *this;
    }
    StoreQuery& BindNull(int index) {
        statement_->BindNull(index);
        return *this;
    }
    bool Step() { return statement_->Step(); }
    void Run() { statement_->Run(); }
    void Reset() { statement_->Reset(); }

    int ColumnCount() const { return statement_->ColumnCount(); }
    std::string ColumnName(int column) const { return statement_->ColumnName(column); }
    bool IsNull(int column) const { return statement_->IsNull(column); }
    std::int64_t Integer(int column) const { return statement_->Integer(column); }
    std::string Text(int column) const { return statement_->Text(column); }
    // Valid until the next Step or Reset.
    std::string_view TextView(int column) const { return statement_->TextView(column); }

private:
    std::unique_ptr<StoreStatement> statement_;
};

} // namespace tavrik
