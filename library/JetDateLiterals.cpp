#include "library/JetDateLiterals.h"

#include "common/TextUtil.h"

#include <cctype>
#include <stdexcept>

namespace tavrik {

namespace {

bool IsWordChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

std::size_t SkipBlanks(std::string_view text, std::size_t at) {
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])) != 0)
        ++at;
    return at;
}

// Length of a "date()" call (any case, blanks allowed inside) starting at at, or 0.
std::size_t DateCallLength(std::string_view query, std::size_t at) {
    if (at > 0 && IsWordChar(query[at - 1]))
        return 0;
    if (ToUpper(query.substr(at, 4)) != "DATE")
        return 0;
    std::size_t next = SkipBlanks(query, at + 4);
    if (next >= query.size() || query[next] != '(')
        return 0;
    next = SkipBlanks(query, next + 1);
    if (next >= query.size() || query[next] != ')')
        return 0;
    return next + 1 - at;
}

// Copies a quoted run ('text' or "name", doubled quotes inside) unchanged; answers where it ends.
std::size_t CopyQuoted(std::string_view query, std::size_t at, std::string& out) {
    const char quote = query[at];
    std::size_t end = query.find(quote, at + 1);
    while (end != std::string_view::npos && end + 1 < query.size() && query[end + 1] == quote)
        end = query.find(quote, end + 2);
    const std::size_t stop = end == std::string_view::npos ? query.size() : end + 1;
    out.append(query.substr(at, stop - at));
    return stop;
}

} // namespace

std::string TranslateJetDateLiterals(std::string_view query, CalendarDate today) {
    std::string out;
    out.reserve(query.size());
    std::size_t at = 0;
    while (at < query.size()) {
        const char c = query[at];
        if (c == '\'' || c == '"') {
            at = CopyQuoted(query, at, out);
            continue;
        }
        if (c == '#') {
            const std::size_t close = query.find('#', at + 1);
            if (close == std::string_view::npos)
                throw std::runtime_error(
                    "The code-table query has a date literal that is not closed with #.");
            const std::string_view literal = query.substr(at + 1, close - at - 1);
            const std::optional<CalendarDate> date = CalendarDate::Parse(Trim(literal));
            if (!date)
                throw std::runtime_error("The code-table query has #" + std::string(literal) +
                                         "#, which is not a date.");
            out += QuoteLiteral(date->FormatIso());
            at = close + 1;
            continue;
        }
        if (const std::size_t length = DateCallLength(query, at); length != 0) {
            out += QuoteLiteral(today.FormatIso());
            at += length;
            continue;
        }
        out += c;
        ++at;
    }
    return out;
}

} // namespace tavrik
