#include "common/DataTable.h"
#include "common/Recordset.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace tavrik {
namespace {

DataTable TypedTable() {
    return DataTable({{"NM", FieldType::Text},
                      {"QTY", FieldType::Integer},
                      {"AMT", FieldType::Currency},
                      {"DT", FieldType::Date}});
}

std::string Codes(const Recordset& records) {
    std::string text;
    for (Recordset::Bookmark bookmark : records.VisibleRows())
        text += records.FieldAt(bookmark, "NM").ToText() + " ";
    return text;
}

TEST(DataTable, every_cell_reads_back_as_written_whatever_its_kind) {
    DataTable table = TypedTable();
    const std::vector<std::vector<FieldValue>> rows = {
        {"Zürich — 東京", 3, *Currency::Parse("-1234.5678"), *CalendarDate::FromYmd(1969, 12, 31)},
        {"", {}, Currency(), *CalendarDate::FromYmd(2026, 12, 6)},
        {{}, -7, {}, {}},
        // A number in the text field and text in the date field, as hand-made rows may hold them.
        {FieldValue(5), 0, *Currency::Parse("0.01"), "n/a"},
    };
    for (const std::vector<FieldValue>& row : rows)
        table.AddRow(row);
    table.SetCell(0, 0, "Ölmühle");
    table.SetCell(1, 1, 42);

    ASSERT_EQ(table.RowCount(), rows.size());
    EXPECT_EQ(table.Row(0), (std::vector<FieldValue>{"Ölmühle", 3, rows[0][2], rows[0][3]}));
    EXPECT_EQ(table.Row(1), (std::vector<FieldValue>{"", 42, Currency(), rows[1][3]}));
    EXPECT_FALSE(table.Column(0).IsNull(1)) << "empty text is not null";
    EXPECT_EQ(table.Row(2), rows[2]);
    EXPECT_EQ(table.Row(3), rows[3]);
    EXPECT_FALSE(table.Cell(3, 0).IsText()) << "the number stays a number";
    EXPECT_THROW(table.Cell(4, 0), std::out_of_range);
    EXPECT_THROW(table.AddRow({"too few"}), std::runtime_error);
}

TEST(DataTable, rows_dropped_and_added_again_start_null) {
    DataTable table = TypedTable();
    // Past one word of null marks, so that a stale mark in either word would show.
    for (int row = 0; row < 70; ++row)
        table.AddRow({"row " + std::to_string(row), row, Currency::FromCents(row),
                      *CalendarDate::FromYmd(2026, 1, 1)});
    table.KeepFirstRows(3);
    for (int row = 0; row < 70; ++row)
        table.AddRow();

    ASSERT_EQ(table.RowCount(), 73u);
    EXPECT_EQ(table.Cell(2, 0), FieldValue("row 2"));
    for (std::size_t row = 3; row < table.RowCount(); ++row)
        for (std::size_t field = 0; field < table.Fields().size(); ++field)
            ASSERT_TRUE(table.Cell(row, field).IsNull()) << row << "," << field;
}

TEST(DataTable, a_noted_order_holds_only_while_the_rows_are_in_it) {
    DataTable table = TypedTable();
    for (const char* name : {"", "A", "B", "B", "b"})
        table.AddRow({name, {}, {}, {}});
    table.SetCell(0, 0, FieldValue()); // null sorts first
    const SortOrder byName = SortOrder::Parse("NM", table);

    EXPECT_FALSE(table.NoteOrder(SortOrder::Parse("NM DESC", table)));
    EXPECT_TRUE(table.Order().IsEmpty());
    EXPECT_TRUE(table.NoteOrder(SortOrder::Parse("[nm] ASC, QTY", table)));
    EXPECT_TRUE(byName.IsPrefixOf(table.Order()));
    EXPECT_FALSE(SortOrder::Parse("QTY", table).IsPrefixOf(table.Order()));

    DataTable edited = table;
    edited.SetCell(1, 0, "Z");
    EXPECT_TRUE(edited.Order().IsEmpty());
    DataTable added = table;
    added.AddRow();
    EXPECT_TRUE(added.Order().IsEmpty());
}

TEST(DataTable, a_recordset_trusts_a_noted_order_only_until_its_rows_change) {
    DataTable table = TypedTable();
    for (const char* name : {"A", "C", "D"})
        table.AddRow({name, {}, {}, {}});
    ASSERT_TRUE(table.NoteOrder(SortOrder::Parse("NM", table)));
    Recordset records(std::move(table));

    records.Sort("NM");
    EXPECT_EQ(Codes(records), "A C D ");
    records.Sort("NM DESC");
    EXPECT_EQ(Codes(records), "D C A ");
    records.SetFieldAt(0, "NM", "E");
    records.AddNew();
    records.SetField("NM", "B");
    records.Sort("NM");
    EXPECT_EQ(Codes(records), "B C D E ");
}

} // namespace
} // namespace tavrik
