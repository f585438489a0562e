#include "common/DataTable.h"

#include "common/TextUtil.h"

namespace tavrik {

std::optional<std::size_t> DataTable::FieldIndex(std::string_view name) const {
    std::string wanted = ToUpper(name);
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (ToUpper(fields[i].name) == wanted)
            return i;
    return std::nullopt;
}

} // namespace tavrik
