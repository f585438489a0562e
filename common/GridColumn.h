// One column of a grid: what it shows, from which field, and how.
#pragma once

#include <string>
#include <vector>

namespace tavrik {

enum class ColumnAlignment { Left, Right, Center };
enum class ColumnDataType { Text, Date, Currency, Integer, Boolean };
enum class ColumnStyle { Edit, CheckBox, DropDown };

struct GridColumn {
    std::string caption;
    std::string name;
    std::string dataField;
    double width = 1440; // twips
    bool visible = true;
    bool locked = false;
    ColumnAlignment alignment = ColumnAlignment::Left;
    std::string numberFormat;
    ColumnDataType dataType = ColumnDataType::Text;
    int fieldLength = 256;
    ColumnStyle style = ColumnStyle::Edit;
    std::vector<std::string> listItems; // drop-down choices
    std::string styleSet;
    std::string headStyleSet;
};

} // namespace tavrik
