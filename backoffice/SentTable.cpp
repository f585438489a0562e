#include "backoffice/SentTable.h"

namespace tavrik {

const DataTable* SentTable(const RequestMessage& request, const std::string& name) {
    auto found = request.dataSets.find(name);
    return found == request.dataSets.end() ? nullptr : &found->second;
}

std::size_t RowCount(const DataTable* table) {
    return table == nullptr ? 0 : table->RowCount();
}

} // namespace tavrik
