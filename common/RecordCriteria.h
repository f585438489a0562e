// ADO-style row criteria such as "[OVR_PYMT_STTS_CD]='O'" or "A = 'x' AND (B > 3 OR C <> '')",
// parsed once against a table's fields and then tested row by row by a recordset's Filter and Find.
#pragma once

#include "common/DataTable.h"
#include "common/FieldType.h"
#include "common/FieldValue.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrik {

class RecordCriteria {
public:
    // Operators = <> < > <= >=, LIKE with * or % as wildcards, IS [NOT] NULL, AND, OR and parentheses;
    // literals 'text' ('' is a quote inside it), numbers and #mm/dd/yyyy# or #yyyy-mm-dd# dates.
    // Nothing when the text cannot be parsed, names a field the table does not have, or holds a
    // literal that the compared field's type cannot take.
    static std::optional<RecordCriteria> Parse(std::string_view text, const DataTable& schema);

    // Text compares without regard to case; a null cell meets only IS NULL.
    bool Matches(const DataTable& table, std::size_t row) const;

private:
    class Parser;
    enum class Kind { And, Or, Compare, Like, IsNull, IsNotNull };
    enum class Operator { Equal, NotEqual, Less, Greater, LessEqual, GreaterEqual };

    struct Node {
        Kind kind = Kind::Compare;
        std::size_t left = 0; // child nodes of And and Or
        std::size_t right = 0;
        std::size_t field = 0;
        Operator op = Operator::Equal;
        // The cell is converted to this type and compared with the literal, already of that type
        // (text upper-cased). A text field compared with a number or date literal falls back to the
        // literal's text when the cell holds no such value.
        FieldType compareAs = FieldType::Text;
        FieldValue literal;
        std::optional<std::string> textFallback;
        std::string pattern; // LIKE, upper-cased
    };

    bool Evaluate(std::size_t node, const DataTable& table, std::size_t row) const;

    std::vector<Node> nodes_;
    std::size_t root_ = 0;
};

} // namespace tavrik
