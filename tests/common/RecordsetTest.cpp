#include "common/Recordset.h"

#include <gtest/gtest.h>

#include <string>

namespace tavrik {
namespace {

FieldValue Amount(const char* text) {
    return *Currency::Parse(text);
}
FieldValue Day(const char* iso) {
    return *CalendarDate::ParseIso(iso);
}

// Bookmark: CD NM AMT QTY DT.
Recordset MakeRecordset() {
    return Recordset(DataTable({{"CD", FieldType::Text},
                                {"NM", FieldType::Text},
                                {"AMT", FieldType::Currency},
                                {"QTY", FieldType::Integer},
                                {"DT", FieldType::Date}},
                               {
                                   {"A", "Smith", Amount("10"), 3, Day("2025-01-31")},
                                   {"B", "O'Brien", Amount("1000"), {}, Day("2025-02-01")},
                                   {"a", "jones", Amount("5.5"), 1, {}},
                                   {"C", "", {}, 3, Day("2025-01-15")},
                                   {"B", "Brown", Amount("10"), 2, Day("2024-12-31")},
                               }));
}

// Each visible row as its code followed by its bookmark: "A0 B1 a2".
std::string Render(const Recordset& records) {
    std::string text;
    for (Recordset::Bookmark bookmark : records.VisibleRows())
        text +=
            (text.empty() ? "" : " ") + records.FieldAt(bookmark, "CD").ToText() + std::to_string(bookmark);
    return text;
}

// The cursor after each step: the current row as in Render, or BOF / EOF.
std::string Where(const Recordset& records) {
    if (records.IsBOF() || records.IsEOF())
        return std::string(records.IsBOF() ? "BOF" : "") + (records.IsEOF() ? "EOF" : "");
    return records.Field("cd").ToText() + std::to_string(records.GetBookmark());
}

TEST(Recordset, reports_bof_and_eof_when_cursor_walks_past_either_end) {
    Recordset records = MakeRecordset();
    Recordset empty;
    std::string walk = Where(records);

    records.MovePrevious();
    walk += " " + Where(records);
    records.MoveNext();
    walk += " " + Where(records);
    records.MoveLast();
    walk += " " + Where(records);
    records.MoveNext();
    walk += " " + Where(records);
    empty.MoveFirst();

    EXPECT_EQ(walk, "A0 BOF A0 B4 EOF");
    EXPECT_THROW(records.MoveNext(), std::runtime_error);
    EXPECT_THROW(records.Field("CD"), std::runtime_error);
    EXPECT_EQ(Where(empty) + " " + std::to_string(empty.RecordCount()), "BOFEOF 0");
    EXPECT_THROW(empty.GetBookmark(), std::runtime_error);
}

TEST(Recordset, orders_rows_stably_with_nulls_first_when_sorted) {
    const std::pair<const char*, const char*> rows[] = {{"CD", "A0 B1 B4 C3 a2"},
                                                        {"CD DESC", "a2 C3 B1 B4 A0"},
                                                        {"AMT", "C3 a2 A0 B4 B1"},
                                                        {"AMT DESC", "B1 A0 B4 a2 C3"},
                                                        {"AMT desc, CD DESC", "B1 B4 A0 a2 C3"},
                                                        {"[qty] asc,  dt desc", "B1 a2 B4 A0 C3"},
                                                        {"", "A0 B1 a2 C3 B4"}};
    Recordset records = MakeRecordset();
    for (auto [fieldList, expected] : rows) {
        records.Sort(fieldList);

        EXPECT_EQ(Render(records) + " @" + Where(records),
                  std::string(expected) + " @" + std::string(expected, 2))
            << fieldList;
    }
    for (const char* malformed : {"NOPE", "CD DOWN", "CD,,NM", "CD,", "[CD"})
        EXPECT_THROW(records.Sort(malformed), std::runtime_error) << malformed;
}

TEST(Recordset, shows_matching_rows_when_filtered_by_criteria) {
    const std::pair<const char*, const char*> rows[] = {
        {"", "A0 B1 a2 C3 B4"},
        {"[CD]='a'", "A0 a2"},
        {"cd <> 'b'", "A0 a2 C3"},
        {"NM = 'o''brien' AND CD = 'B'", "B1"},
        {"NM = 'x'' OR ''a''=''a'", ""},
        {"NM = 'O'Brien'", ""},
        {"NM LIKE 'j*'", "a2"},
        {"NM LIKE '%R%'", "B1 B4"},
        {"NM = ''", "C3"},
        {"NM <> '' AND QTY < 3", "a2 B4"},
        {"AMT > 10", "B1"},
        {"AMT >= '$10.00'", "A0 B1 B4"},
        {"AMT < 6", "a2"},
        {"QTY IS NULL", "B1"},
        {"QTY is not null AND (CD = 'C' OR AMT > 9)", "A0 C3 B4"},
        {"DT = #01/31/2025#", "A0"},
        {"DT < #2025-01-31#", "C3 B4"},
        {"DT >= '2025-02-01' OR DT IS NULL", "B1 a2"}};
    Recordset records = MakeRecordset();
    for (auto [criteria, expected] : rows) {
        records.Filter(criteria);

        EXPECT_EQ(Render(records), expected) << criteria;
    }
    for (const char* unparseable : {"CD =", "CD = 'A", "(CD = 'A'", "CD = 'A' OR", "CD == 'A'", "NOPE = 'A'",
                                    "AMT > 'abc'", "QTY = 1.5", "DT = #02/30/2025#", "CD = 'A' )"}) {
        records.Filter(unparseable);

        EXPECT_EQ(Render(records), "") << unparseable;
    }
}

// Thousands of parentheses ran the parser out of stack; a chain as long would do the same to each row's
// evaluation.
TEST(Recordset, shows_no_rows_when_criteria_nest_or_chain_too_deep_to_evaluate) {
    Recordset records = MakeRecordset();
    std::string deep(100000, '(');
    deep.append("CD = 'A'").append(100000, ')');
    std::string chain = "CD = 'A'";
    for (int term = 0; term < 100000; ++term)
        chain += " OR CD = 'A'";

    records.Filter(deep);
    EXPECT_EQ(Render(records), "");
    records.Filter(chain);
    EXPECT_EQ(Render(records), "");
    records.Filter("((((CD = 'A'))))" + std::string(" OR CD = 'C'"));
    EXPECT_EQ(Render(records), "A0 a2 C3");
}

TEST(Recordset, finds_forward_from_current_row_when_searching) {
    Recordset records = MakeRecordset();
    std::string found;

    for (int i = 0; i < 3; ++i) {
        found += records.Find("CD = 'B'") ? Where(records) : "none";
        found += " ";
        if (!records.IsEOF())
            records.MoveNext();
    }
    records.MoveFirst();
    found += records.Find("CD = 'B") ? "found" : Where(records);

    EXPECT_EQ(found, "B1 B4 none EOF");
}

TEST(Recordset, shares_rows_but_keeps_own_cursor_and_order_when_cloned) {
    Recordset records = MakeRecordset();
    records.Sort("CD");
    records.SetBookmark(4);
    Recordset clone = records.Clone();
    std::uint64_t revision = records.Revision();

    clone.Sort("CD DESC");
    clone.SetField("NM", "Zed");
    clone.SetBookmark(4);
    clone.Delete();

    EXPECT_EQ(Render(records) + " @" + Where(records), "A0 B1 C3 a2 @C3");
    EXPECT_EQ(records.RecordCount(), 4u);
    EXPECT_EQ(Render(clone) + " @" + Where(clone), "a2 C3 B1 A0 @A0");
    EXPECT_EQ(records.FieldAt(2, "NM").ToText(), "Zed");
    EXPECT_EQ(records.StatusAt(2), RecordStatus::Modified);
    EXPECT_GT(records.Revision(), revision);
}

TEST(Recordset, tracks_record_status_when_rows_are_added_edited_and_deleted) {
    Recordset records = MakeRecordset();
    Recordset clone = records.Clone();

    records.AddNew();
    bool newRowIsNull = records.Field("CD").IsNull();
    records.SetField("CD", "X");
    records.SetField("AMT", "12.5");
    EXPECT_THROW(records.SetField("QTY", "abc"), std::runtime_error);
    records.MoveFirst();
    records.SetField("NM", "New");
    records.Delete();

    EXPECT_TRUE(newRowIsNull);
    EXPECT_EQ(Where(records) + " " + Render(records) + " | " + Render(clone),
              "B1 B1 a2 C3 B4 X5 | B1 a2 C3 B4 X5");
    EXPECT_EQ(records.FieldAt(5, "AMT"), FieldValue(Currency::FromCents(1250)));
    std::string statuses;
    for (Recordset::Bookmark row = 0; row < 6; ++row)
        statuses += "UNMD"[static_cast<int>(records.StatusAt(row))];
    EXPECT_EQ(statuses, "DUUUUN");
    EXPECT_EQ(records.ToTable().RowCount(), 5u);
}

TEST(Recordset, removes_every_row_when_deleting_and_moving_next_until_eof) {
    Recordset records = MakeRecordset();

    while (!records.IsEOF()) {
        records.Delete();
        records.MoveNext();
    }

    EXPECT_EQ(records.RecordCount(), 0u);
}

TEST(Recordset, returns_to_same_row_when_bookmark_is_restored_after_sort) {
    Recordset records = MakeRecordset();
    records.SetBookmark(2);

    records.Sort("AMT DESC");
    bool restored = records.SetBookmark(2) && records.Field("NM").ToText() == "jones";
    records.Filter("CD = 'B'");
    bool restoredWhenFilteredOut = records.SetBookmark(2);

    EXPECT_TRUE(restored);
    EXPECT_FALSE(restoredWhenFilteredOut);
    EXPECT_EQ(Where(records), "B1");
}

TEST(Recordset, sorts_fifty_thousand_rows_stably_when_keys_repeat) {
    DataTable table({{"CUST_ID", FieldType::Text}, {"AMT", FieldType::Currency}});
    for (int i = 0; i < 50000; ++i)
        table.AddRow({"C" + std::to_string(i % 97), Currency::FromCents((i * 7919) % 100003)});
    Recordset records(std::move(table));

    records.Sort("CUST_ID");
    std::vector<Recordset::Bookmark> firstRows(records.VisibleRows().begin(),
                                               records.VisibleRows().begin() + 3);
    records.Sort("CUST_ID, AMT DESC");

    EXPECT_EQ(firstRows, (std::vector<Recordset::Bookmark>{0, 97, 194}));
    EXPECT_EQ(records.Field("CUST_ID").ToText() + " " + records.Field("AMT").ToText(), "C0 997.50");
}

} // namespace
} // namespace tavrik
