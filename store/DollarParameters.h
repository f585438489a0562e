// The store's SQL numbers its parameters ?1, ?2, ... as SQLite writes them; PostgreSQL writes them
// $1, $2, .... This turns the one into the other, leaving string literals, quoted names and comments
// as they are.
#pragma once

#include <string>
#include <string_view>

namespace tavrik {

struct DollarParameters {
    std::string sql;
    // The highest parameter number in the text: how many parameters the statement takes.
    int count = 0;
};

// Throws std::runtime_error for a parameter number past what PostgreSQL takes.
DollarParameters WithDollarParameters(std::string_view sql);

} // namespace tavrik
