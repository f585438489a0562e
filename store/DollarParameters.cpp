#include "store/DollarParameters.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>

namespace tavrik {

namespace {

// PostgreSQL takes at most this many parameters in one statement.
constexpr int MostParameters = 65535;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Where the literal, quoted name or comment that starts at start ends, or start when none does.
std::size_t EndOfQuoted(std::string_view sql, std::size_t start) {
    const std::string_view rest = sql.substr(start);
    std::size_t end = std::string_view::npos;
    std::size_t closer = 0;
    if (rest.starts_with('\'') || rest.starts_with('"')) {
        end = sql.find(rest.front(), start + 1);
        closer = 1;
    } else if (rest.starts_with("--")) {
        end = sql.find('\n', start + 2);
        closer = 1;
    } else if (rest.starts_with("/*")) {
        end = sql.find("*/", start + 2);
        closer = 2;
    } else {
        return start;
    }
    // One left open runs to the end of the text; the server says what is wrong with it.
    return end == std::string_view::npos ? sql.size() : end + closer;
}

} // namespace

DollarParameters WithDollarParameters(std::string_view sql) {
    DollarParameters converted;
    converted.sql.reserve(sql.size());
    std::size_t at = 0;
    while (at < sql.size()) {
        if (const std::size_t end = EndOfQuoted(sql, at); end != at) {
            converted.sql.append(sql.substr(at, end - at));
            at = end;
            continue;
        }
        if (sql[at] != '?' || at + 1 == sql.size() || !IsDigit(sql[at + 1])) {
            converted.sql.push_back(sql[at++]);
            continue;
        }
        const char* digits = sql.data() + at + 1;
        const char* digitsEnd = std::find_if_not(digits, sql.data() + sql.size(), IsDigit);
        int number = 0;
        const auto [parsedEnd, error] = std::from_chars(digits, digitsEnd, number);
        if (error != std::errc() || number > MostParameters)
            throw std::runtime_error("PostgreSQL takes no parameter ?" + std::string(digits, digitsEnd) +
                                     ".");
        converted.sql.push_back('$');
        converted.sql.append(digits, parsedEnd);
        converted.count = std::max(converted.count, number);
        at = static_cast<std::size_t>(parsedEnd - sql.data());
    }
    return converted;
}

} // namespace tavrik
