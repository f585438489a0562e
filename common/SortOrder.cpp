#include "common/SortOrder.h"

#include "common/DataTable.h"
#include "common/TextUtil.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace tavrik {

SortOrder SortOrder::Parse(std::string_view list, const DataTable& table) {
    SortOrder order;
    if (IsBlank(list))
        return order;
    const auto malformed = [list] { return std::runtime_error("Malformed sort list: " + std::string(list)); };
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t comma = std::min(list.find(',', start), list.size());
        std::string item = Trim(list.substr(start, comma - start));
        start = comma + 1;
        std::string name = item;
        std::string direction;
        if (!item.empty() && item.front() == '[') {
            std::size_t close = item.find(']');
            if (close == std::string::npos)
                throw malformed();
            name = item.substr(1, close - 1);
            direction = ToUpper(Trim(std::string_view(item).substr(close + 1)));
        } else if (std::size_t blank = item.find_first_of(" \t"); blank != std::string::npos) {
            name = item.substr(0, blank);
            direction = ToUpper(Trim(std::string_view(item).substr(blank)));
        }
        if (name.empty() || (!direction.empty() && direction != "ASC" && direction != "DESC"))
            throw malformed();
        const std::optional<std::size_t> field = table.FieldIndex(name);
        if (!field)
            throw std::runtime_error("The recordset has no field " + name);
        order.keys_.push_back({*field, direction == "DESC"});
    }
    return order;
}

bool SortOrder::IsPrefixOf(const SortOrder& longer) const {
    return keys_.size() <= longer.keys_.size() &&
           std::equal(keys_.begin(), keys_.end(), longer.keys_.begin());
}

bool SortOrder::Before(const DataTable& table, std::size_t left, std::size_t right) const {
    for (const Key& key : keys_) {
        const int order = table.Column(key.field).Compare(left, right);
        if (order != 0)
            return key.descending ? order > 0 : order < 0;
    }
    return false;
}

} // namespace tavrik
