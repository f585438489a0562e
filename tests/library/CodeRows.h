// TVK_CODE rows for the library's tests, as the back office sends them.
#pragma once

#include "common/DataSetDefinitions.h"

namespace tavrik {

inline DataTable CodeTable() {
    return *DataSetDefinitions::EmptyTable("TVK_CODE");
}

// Adds a code row; dates are "yyyy-mm-dd", "" for none; info "" leaves ADTL_INFO_TXT null.
inline void AddCode(DataTable& table, const std::string& tableId, const std::string& code,
                    const std::string& des, const std::string& effective, const std::string& end,
                    const std::string& region = "GLOBAL", const std::string& info = "") {
    auto date = [](const std::string& text) {
        return text.empty() ? FieldValue() : *CalendarDate::ParseIso(text);
    };
    const std::pair<const char*, FieldValue> cells[] = {
        {"CD_TBL_ID", tableId},
        {"CD_TBL_CD", code},
        {"CD_TBL_DES", des},
        {"REGION", region},
        {"EFCTV_DT", date(effective)},
        {"END_DT", date(end)},
        {"ADTL_INFO_TXT", info.empty() ? FieldValue() : info}};
    const std::size_t row = table.AddRow();
    for (const auto& [field, value] : cells)
        table.SetCell(row, *table.FieldIndex(field), value);
}

} // namespace tavrik
