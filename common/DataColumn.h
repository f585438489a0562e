// The cells of one field of a data set, held by kind rather than cell by cell: whole numbers, money
// and days as 64-bit numbers, text in one character buffer, a bit per cell for null. Cells past the
// last one written are null, so a field nobody fills costs nothing. A cell of a kind other than the
// field's (a number written by hand into a text field) turns the column into plain values, so that
// every cell still reads back exactly as written.
#pragma once

#include "common/FieldType.h"
#include "common/FieldValue.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavrik {

class DataColumn {
public:
    explicit DataColumn(FieldType type) : type_(type) {}

    bool IsNull(std::size_t row) const;
    FieldValue Value(std::size_t row) const;
    void Set(std::size_t row, const FieldValue& value);
    void SetNull(std::size_t row);
    // A whole number, an amount in ten-thousandths or a day counted from 1970-01-01, as the field's
    // type says; the column's field must not be text.
    void SetNumber(std::size_t row, std::int64_t number);
    // The column's field must be text.
    void SetText(std::size_t row, std::string_view text);

    // Null first, then the values in their natural order, text byte by byte: the order of
    // FieldValue::Compare.
    int Compare(std::size_t left, std::size_t right) const;

    // Cells from `count` on are null again.
    void Truncate(std::size_t count);

private:
    struct TextSpan {
        std::uint32_t offset = 0;
        std::uint32_t size = 0;
    };

    std::size_t Stored() const { return stored_; }
    bool IsPresent(std::size_t row) const { return (presentBits_[row / 64] >> (row % 64)) & 1U; }
    void MarkPresent(std::size_t row, bool present);
    // Makes room for `row`, filling the cells before it with nulls.
    void Reach(std::size_t row);
    std::string_view TextAt(std::size_t row) const;
    void TurnPlain();

    FieldType type_;
    std::size_t stored_ = 0;
    std::vector<std::uint64_t> presentBits_; // bit `row % 64` of word `row / 64`: the cell is not null
    std::vector<std::int64_t> numbers_;
    std::vector<TextSpan> spans_;
    std::string characters_;
    bool plain_ = false;
    std::vector<FieldValue> values_; // only once the column turned plain
};

} // namespace tavrik
