// The data control that feeds a grid: it holds the recordset a form binds to it.
#pragma once

#include "common/Event.h"
#include "common/Recordset.h"

#include <memory>

namespace tavrik {

class Adodc {
public:
    const std::shared_ptr<tavrik::Recordset>& Recordset() const { return recordset_; }
    void SetRecordset(std::shared_ptr<tavrik::Recordset> recordset) {
        recordset_ = std::move(recordset);
        RecordsetChanged.Raise();
    }

    Event<> RecordsetChanged;

private:
    std::shared_ptr<tavrik::Recordset> recordset_;
};

} // namespace tavrik
