// One row of a grid's column table, as a form declares it: what the column shows, from which field,
// how wide and how. A grid installs such a table whole (SSOleDBGrid::InstallColumns).
#pragma once

#include "common/GridColumn.h"

namespace tavrik {

struct GridColumnLayout {
    const char* caption;
    const char* name;
    const char* dataField;
    double width; // twips
    bool shown;
    ColumnAlignment alignment;
    ColumnDataType dataType;
    const char* numberFormat = "";
    bool locked = true;
    ColumnStyle style = ColumnStyle::Edit;
    int fieldLength = 256;
};

// Short names for writing column tables.
namespace column_layout {
inline constexpr ColumnAlignment kLeft = ColumnAlignment::Left;
inline constexpr ColumnAlignment kRight = ColumnAlignment::Right;
inline constexpr ColumnAlignment kCenter = ColumnAlignment::Center;
inline constexpr ColumnDataType kText = ColumnDataType::Text;
inline constexpr ColumnDataType kDate = ColumnDataType::Date;
inline constexpr ColumnDataType kCurrency = ColumnDataType::Currency;
} // namespace column_layout

} // namespace tavrik
