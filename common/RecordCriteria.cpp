#include "common/RecordCriteria.h"

#include "common/TextUtil.h"

namespace tavrik {

namespace {

enum class TokenKind { Name, Text, Number, Date, Operator, Open, Close, End };

struct Token {
    TokenKind kind = TokenKind::End;
    std::string text; // the name, the literal's text or the operator as written
    std::optional<CalendarDate> date;
};

bool IsNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Splits the criteria into tokens; nothing on an unterminated literal or a character that has no place.
std::optional<std::vector<Token>> Tokenize(std::string_view text) {
    std::vector<Token> tokens;
    std::size_t i = 0;
    while (i < text.size()) {
        char c = text[i];
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            ++i;
        } else if (c == '(' || c == ')') {
            tokens.push_back({c == '(' ? TokenKind::Open : TokenKind::Close, std::string(1, c), {}});
            ++i;
        } else if (c == '\'') {
            // '' inside the literal is one quote; a single quote always ends it.
            std::string literal;
            for (++i;; ++i) {
                if (i >= text.size())
                    return std::nullopt;
                if (text[i] == '\'') {
                    if (i + 1 < text.size() && text[i + 1] == '\'') {
                        literal += '\'';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                literal += text[i];
            }
            tokens.push_back({TokenKind::Text, std::move(literal), {}});
        } else if (c == '#') {
            std::size_t close = text.find('#', i + 1);
            if (close == std::string_view::npos)
                return std::nullopt;
            std::string inside = Trim(text.substr(i + 1, close - i - 1));
            std::optional<CalendarDate> date = CalendarDate::Parse(inside);
            if (!date)
                return std::nullopt;
            tokens.push_back({TokenKind::Date, inside, date});
            i = close + 1;
        } else if (c == '[') {
            std::size_t close = text.find(']', i + 1);
            if (close == std::string_view::npos || close == i + 1)
                return std::nullopt;
            tokens.push_back({TokenKind::Name, std::string(text.substr(i + 1, close - i - 1)), {}});
            i = close + 1;
        } else if (IsDigit(c) || ((c == '-' || c == '.') && i + 1 < text.size() && IsDigit(text[i + 1]))) {
            std::size_t start = i++;
            while (i < text.size() && (IsDigit(text[i]) || text[i] == '.'))
                ++i;
            tokens.push_back({TokenKind::Number, std::string(text.substr(start, i - start)), {}});
        } else if (IsNameChar(c)) {
            std::size_t start = i;
            while (i < text.size() && IsNameChar(text[i]))
                ++i;
            tokens.push_back({TokenKind::Name, std::string(text.substr(start, i - start)), {}});
        } else if (c == '=' || c == '<' || c == '>') {
            std::size_t length = 1;
            if (c != '=' && i + 1 < text.size() && (text[i + 1] == '=' || (c == '<' && text[i + 1] == '>')))
                length = 2;
            tokens.push_back({TokenKind::Operator, std::string(text.substr(i, length)), {}});
            i += length;
        } else {
            return std::nullopt;
        }
    }
    tokens.push_back({TokenKind::End, {}, {}});
    return tokens;
}

// The cell as a value of the given type (text upper-cased), or nothing when it holds no such value.
std::optional<FieldValue> ConvertTo(const FieldValue& value, FieldType type) {
    switch (type) {
    case FieldType::Integer:
        if (auto number = value.AsInteger())
            return FieldValue(*number);
        return std::nullopt;
    case FieldType::Currency:
        if (auto amount = value.AsCurrency())
            return FieldValue(*amount);
        return std::nullopt;
    case FieldType::Date:
        if (auto date = value.AsDate())
            return FieldValue(*date);
        return std::nullopt;
    case FieldType::Text:
        break;
    }
    return FieldValue(ToUpper(value.ToText()));
}

// text against pattern, where * and % stand for any run of characters (also none).
bool MatchesWildcards(std::string_view text, std::string_view pattern) {
    std::size_t t = 0, p = 0;
    std::size_t starAt = std::string_view::npos, resumeAt = 0;
    while (t < text.size()) {
        if (p < pattern.size() && (pattern[p] == '*' || pattern[p] == '%')) {
            starAt = p++;
            resumeAt = t;
        } else if (p < pattern.size() && pattern[p] == text[t]) {
            ++p;
            ++t;
        } else if (starAt != std::string_view::npos) {
            p = starAt + 1;
            t = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && (pattern[p] == '*' || pattern[p] == '%'))
        ++p;
    return p == pattern.size();
}

} // namespace

// Parsing and evaluating both recurse, so criteria nested or chained past anything a form writes are
// refused rather than allowed to run the stack out.
constexpr std::size_t kDeepestNesting = 64;
constexpr std::size_t kMostNodes = 1000;

// Recursive descent over: or := and {OR and}; and := primary {AND primary};
// primary := "(" or ")" | name (IS [NOT] NULL | LIKE 'text' | operator literal).
class RecordCriteria::Parser {
public:
    Parser(std::vector<Token> tokens, const DataTable& schema, RecordCriteria& criteria)
        : tokens_(std::move(tokens)), schema_(schema), criteria_(criteria) {}

    bool ParseAll() {
        std::optional<std::size_t> root = ParseOr();
        if (!root || Peek().kind != TokenKind::End || criteria_.nodes_.size() > kMostNodes)
            return false;
        criteria_.root_ = *root;
        return true;
    }

private:
    const Token& Peek() const { return tokens_[next_]; }
    const Token& Take() { return tokens_[next_ < tokens_.size() - 1 ? next_++ : next_]; }
    bool TakeKeyword(std::string_view keyword) {
        if (Peek().kind != TokenKind::Name || ToUpper(Peek().text) != keyword)
            return false;
        ++next_;
        return true;
    }
    std::size_t Add(Node node) {
        criteria_.nodes_.push_back(std::move(node));
        return criteria_.nodes_.size() - 1;
    }

    std::optional<std::size_t> ParseOr() { return ParseChain("OR", Kind::Or); }
    std::optional<std::size_t> ParseAnd() { return ParseChain("AND", Kind::And); }

    std::optional<std::size_t> ParseChain(std::string_view keyword, Kind kind) {
        std::optional<std::size_t> left = kind == Kind::Or ? ParseAnd() : ParsePrimary();
        while (left && TakeKeyword(keyword)) {
            std::optional<std::size_t> right = kind == Kind::Or ? ParseAnd() : ParsePrimary();
            if (!right)
                return std::nullopt;
            Node node;
            node.kind = kind;
            node.left = *left;
            node.right = *right;
            left = Add(std::move(node));
        }
        return left;
    }

    std::optional<std::size_t> ParsePrimary() {
        if (Peek().kind == TokenKind::Open) {
            if (++depth_ > kDeepestNesting)
                return std::nullopt;
            Take();
            std::optional<std::size_t> inner = ParseOr();
            --depth_;
            if (!inner || Take().kind != TokenKind::Close)
                return std::nullopt;
            return inner;
        }
        if (Peek().kind != TokenKind::Name || IsKeyword(Peek().text))
            return std::nullopt;
        std::optional<std::size_t> field = schema_.FieldIndex(Take().text);
        if (!field)
            return std::nullopt;
        Node node;
        node.field = *field;
        if (TakeKeyword("IS")) {
            node.kind = TakeKeyword("NOT") ? Kind::IsNotNull : Kind::IsNull;
            if (!TakeKeyword("NULL"))
                return std::nullopt;
            return Add(std::move(node));
        }
        if (TakeKeyword("LIKE")) {
            if (Peek().kind != TokenKind::Text)
                return std::nullopt;
            node.kind = Kind::Like;
            node.pattern = ToUpper(Take().text);
            return Add(std::move(node));
        }
        if (Peek().kind != TokenKind::Operator)
            return std::nullopt;
        node.op = ToOperator(Take().text);
        if (!SetLiteral(node, schema_.Fields()[*field].type, Take()))
            return std::nullopt;
        return Add(std::move(node));
    }

    static bool IsKeyword(std::string_view name) {
        std::string upper = ToUpper(name);
        return upper == "AND" || upper == "OR" || upper == "IS" || upper == "NOT" || upper == "NULL" ||
               upper == "LIKE";
    }

    static Operator ToOperator(std::string_view text) {
        if (text == "<>")
            return Operator::NotEqual;
        if (text == "<")
            return Operator::Less;
        if (text == ">")
            return Operator::Greater;
        if (text == "<=")
            return Operator::LessEqual;
        if (text == ">=")
            return Operator::GreaterEqual;
        return Operator::Equal;
    }

    // A typed field takes the literal converted to its type; a text field compares text with text,
    // and with a number or a date as such when the cell holds one.
    static bool SetLiteral(Node& node, FieldType fieldType, const Token& token) {
        if (token.kind != TokenKind::Text && token.kind != TokenKind::Number && token.kind != TokenKind::Date)
            return false;
        FieldValue written = token.date ? FieldValue(*token.date) : FieldValue(token.text);
        node.compareAs = fieldType;
        if (fieldType == FieldType::Text && token.kind != TokenKind::Text) {
            node.compareAs = token.kind == TokenKind::Date ? FieldType::Date : FieldType::Currency;
            node.textFallback = ToUpper(token.text);
        }
        std::optional<FieldValue> literal = ConvertTo(written, node.compareAs);
        if (!literal)
            return false;
        node.literal = std::move(*literal);
        return true;
    }

    std::vector<Token> tokens_;
    std::size_t next_ = 0;
    std::size_t depth_ = 0; // parentheses open around the token being read
    const DataTable& schema_;
    RecordCriteria& criteria_;
};

std::optional<RecordCriteria> RecordCriteria::Parse(std::string_view text, const DataTable& schema) {
    std::optional<std::vector<Token>> tokens = Tokenize(text);
    if (!tokens)
        return std::nullopt;
    RecordCriteria criteria;
    if (!Parser(std::move(*tokens), schema, criteria).ParseAll())
        return std::nullopt;
    return criteria;
}

bool RecordCriteria::Matches(const DataTable& table, std::size_t row) const {
    return Evaluate(root_, table, row);
}

bool RecordCriteria::Evaluate(std::size_t index, const DataTable& table, std::size_t row) const {
    const Node& node = nodes_[index];
    switch (node.kind) {
    case Kind::And:
        return Evaluate(node.left, table, row) && Evaluate(node.right, table, row);
    case Kind::Or:
        return Evaluate(node.left, table, row) || Evaluate(node.right, table, row);
    case Kind::IsNull:
        return table.Column(node.field).IsNull(row);
    case Kind::IsNotNull:
        return !table.Column(node.field).IsNull(row);
    case Kind::Like:
        return !table.Column(node.field).IsNull(row) &&
               MatchesWildcards(ToUpper(table.Cell(row, node.field).ToText()), node.pattern);
    case Kind::Compare:
        break;
    }
    const FieldValue cell = table.Cell(row, node.field);
    if (cell.IsNull())
        return false;
    int order = 0;
    if (std::optional<FieldValue> value = ConvertTo(cell, node.compareAs))
        order = FieldValue::Compare(*value, node.literal);
    else if (node.textFallback)
        order = ToUpper(cell.ToText()).compare(*node.textFallback);
    else
        return false;
    switch (node.op) {
    case Operator::Equal:
        return order == 0;
    case Operator::NotEqual:
        return order != 0;
    case Operator::Less:
        return order < 0;
    case Operator::Greater:
        return order > 0;
    case Operator::LessEqual:
        return order <= 0;
    case Operator::GreaterEqual:
        return order >= 0;
    }
    return false;
}

} // namespace tavrik
