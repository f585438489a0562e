#include "common/FieldText.h"

#include "common/TextUtil.h"

namespace tavrik {

std::string FieldText(const Recordset& rows, std::string_view field) {
    return rows.HasField(field) ? Trim(rows.Field(field).ToText()) : std::string();
}

} // namespace tavrik
