// Opens the sources forms give their data sets: a definition name gives empty rows with its
// fields; a SELECT runs on the local code tables.
#pragma once

#include "common/DataSetOpener.h"
#include "library/CodeTables.h"

namespace tavrik {

class KovraDataSetOpener : public DataSetOpener {
public:
    explicit KovraDataSetOpener(const CodeTables& codeTables) : codeTables_(codeTables) {}

    DataTable OpenSource(const std::string& source) override;

private:
    const CodeTables& codeTables_;
};

} // namespace tavrik
