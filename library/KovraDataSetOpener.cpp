#include "library/KovraDataSetOpener.h"

#include "common/DataSetDefinitions.h"
#include "common/TextUtil.h"

#include <stdexcept>

namespace tavrik {

DataTable KovraDataSetOpener::OpenSource(const std::string& source) {
    const std::string trimmed = Trim(source);
    if (std::optional<DataTable> empty = DataSetDefinitions::EmptyTable(trimmed))
        return *std::move(empty);
    if (ToUpper(trimmed.substr(0, 6)) == "SELECT")
        return codeTables_.Query(trimmed);
    throw std::runtime_error("The data set source \"" + trimmed +
                             "\" is neither a known data set nor a code-table query.");
}

} // namespace tavrik
