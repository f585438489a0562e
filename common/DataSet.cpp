#include "common/DataSet.h"

#include <stdexcept>

namespace tavrik {

DataSet::DataSet(std::string name, std::shared_ptr<const DataTable> rows)
    : name_(std::move(name)), recordset_(std::make_shared<tavrik::Recordset>(std::move(rows))) {}

void DataSet::Open() {
    if (opener_ == nullptr)
        throw std::runtime_error("The data set " + name_ + " has no source to open.");
    recordset_ = std::make_shared<tavrik::Recordset>(opener_->OpenSource(source_));
}

} // namespace tavrik
