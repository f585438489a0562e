// The data sets of the replies the message service holds.
#pragma once

#include "common/DataSet.h"

#include <memory>
#include <string>

namespace tavrik {

class DataSetService {
public:
    virtual ~DataSetService() = default;

    // A copy of the named data set of the reply to messageId at that address, or nullptr when
    // that reply has none (or there is no such reply).
    virtual std::shared_ptr<DataSet> GetDataSet(const std::string& name, const std::string& formName,
                                                const std::string& messageId) = 0;
};

} // namespace tavrik
