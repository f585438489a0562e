// A sort list such as "CUST_ID,ACCT_RCVBL_NBR" or "ASSMT_CD ASC, [ASSMT_ISSUE_DT] DESC" read against
// a table's fields, and the comparison of two rows by it, on the typed values.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace tavrik {

class DataTable;

class SortOrder {
public:
    struct Key {
        std::size_t field = 0;
        bool descending = false;
        bool operator==(const Key&) const = default;
    };

    // No order: every row ties.
    SortOrder() = default;
    // Throws std::runtime_error for a field the list names that `table` lacks (names without regard
    // to case) or a malformed list; "" is no order.
    static SortOrder Parse(std::string_view list, const DataTable& table);

    bool IsEmpty() const { return keys_.empty(); }
    // Rows in `longer` order are also in this one: its keys begin with all of these.
    bool IsPrefixOf(const SortOrder& longer) const;
    // Row `left` of `table` comes before row `right`.
    bool Before(const DataTable& table, std::size_t left, std::size_t right) const;

private:
    std::vector<Key> keys_;
};

} // namespace tavrik
