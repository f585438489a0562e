#include "library/CodeTables.h"

#include "CodeRows.h"
#include "common/TextUtil.h"
#include "library/JetDateLiterals.h"
#include "tests/support/ScriptedPlatform.h"

#include <gtest/gtest.h>

namespace tavrik {
namespace {

// Today is 2024-03-15 on the scripted platform.
DataTable BoundaryRows() {
    DataTable table = CodeTable();
    AddCode(table, "FORMDOC", "A", "starts today, open", "2024-03-15", "");
    AddCode(table, "FORMDOC", "B", "starts tomorrow", "2024-03-16", "");
    AddCode(table, "FORMDOC", "C", "ended yesterday", "2024-01-01", "2024-03-14");
    AddCode(table, "FORMDOC", "D", "ends today", "2024-01-01", "2024-03-15");
    AddCode(table, "FORMDOC", "E", "ends tomorrow", "2024-01-01", "2024-03-16");
    AddCode(table, "FORMDOC", "F", "no start", "", "");
    AddCode(table, "FORMDOC", "G", "other region", "2024-01-01", "", "O'NEIL");
    AddCode(table, "REFDOCTYP", "A", "ACCOUNT", "2024-01-01", "");
    return table;
}

std::string CodesOf(const DataTable& table) {
    std::string codes;
    for (std::size_t row = 0; row < table.RowCount(); ++row)
        codes += table.Cell(row, *table.FieldIndex("CD_TBL_CD")).ToText();
    return codes;
}

class CodeTablesTest : public ::testing::Test {
protected:
    ScriptedPlatform platform{*CalendarDate::FromYmd(2024, 3, 15)};
    CodeTables tables{BoundaryRows(), platform};
};

TEST_F(CodeTablesTest, offers_codes_current_today_at_the_date_boundaries) {
    std::string current, all;

    for (const CodeEntry& entry : tables.Codes("FORMDOC", false))
        current += entry.code;
    for (const CodeEntry& entry : tables.Codes("FORMDOC", true))
        all += entry.code;

    EXPECT_EQ(current, "DEGA"); // ordered by description
    EXPECT_EQ(all, "CDEFGAB");
}

TEST_F(CodeTablesTest, runs_the_forms_current_code_query_with_each_date_literal) {
    const std::string rule =
        "((EFCTV_DT <= %Date% And (END_DT)Is Null) Or (EFCTV_DT <= %Date% And END_DT >= %Date%))";

    for (const char* today : {"#2024-03-15#", "#03/15/2024#", "#3/15/2024#", "date()", "Date ( )"}) {
        std::string query = "Select CD_TBL_ID, CD_TBL_CD, CD_TBL_DES From TVK_CODE Where REGION='GLOBAL' And "
                            "(CD_TBL_ID = 'FORMDOC' And " +
                            rule + ") Order by cd_tbl_cd";
        for (std::size_t at; (at = query.find("%Date%")) != std::string::npos;)
            query.replace(at, 6, today);
        EXPECT_EQ(CodesOf(tables.Query(query)), "ADE") << today;
    }
}

TEST(JetDateLiterals, translates_dates_outside_quotes_only) {
    const std::pair<const char*, const char*> rows[] = {
        {"EFCTV_DT <= #2024-03-01# Or #03/01/2024#", "EFCTV_DT <= '2024-03-01' Or '2024-03-01'"},
        {"END_DT >= date() and x = DATE()", "END_DT >= '2024-03-15' and x = '2024-03-15'"},
        {"DES = 'O''Neil #1# date()'", "DES = 'O''Neil #1# date()'"},
        {"update_date() = 1", "update_date() = 1"}};
    const CalendarDate today = *CalendarDate::FromYmd(2024, 3, 15);

    for (auto [query, translated] : rows)
        EXPECT_EQ(TranslateJetDateLiterals(query, today), translated) << query;
    EXPECT_THROW(TranslateJetDateLiterals("EFCTV_DT <= #13/45/2024#", today), std::runtime_error);
    EXPECT_THROW(TranslateJetDateLiterals("EFCTV_DT <= #2024-03-01", today), std::runtime_error);
}

TEST_F(CodeTablesTest, keeps_quoted_region_to_exactly_that_region) {
    auto inRegion = [&](const std::string& region) {
        return CodesOf(tables.Query("Select CD_TBL_CD From TVK_CODE Where REGION=" + QuoteLiteral(region) +
                                    " And CD_TBL_ID = 'FORMDOC'"));
    };

    EXPECT_EQ(inRegion("O'NEIL"), "G");
    EXPECT_EQ(inRegion("X' OR '1'='1"), "");
    EXPECT_EQ(inRegion("GLOBAL'; DELETE FROM TVK_CODE; --"), "");
}

TEST_F(CodeTablesTest, refuses_anything_but_one_select_and_changes_nothing) {
    const char* refused[] = {"UPDATE TVK_CODE SET CD_TBL_DES = 'x'",
                             "DELETE FROM TVK_CODE",
                             "INSERT INTO TVK_CODE (CD_TBL_ID) VALUES ('X')",
                             "ATTACH DATABASE ':memory:' AS other",
                             "DROP TABLE TVK_CODE",
                             "SELECT * FROM TVK_CODE; DELETE FROM TVK_CODE",
                             "SELECT 1; SELECT 2",
                             ""};

    for (const char* query : refused)
        EXPECT_THROW(tables.Query(query), std::runtime_error) << query;

    EXPECT_EQ(tables.Query("SELECT CD_TBL_CD FROM TVK_CODE;").RowCount(), 8u);
}

TEST_F(CodeTablesTest, types_columns_by_code_table_fields_and_describes_codes_whatever_their_dates) {
    const DataTable result =
        tables.Query("select efctv_dt, END_DT, count(*) AS N from TVK_CODE where CD_TBL_CD = 'D'");

    ASSERT_EQ(result.RowCount(), 1u);
    EXPECT_EQ(result.Fields(),
              (std::vector<FieldDefinition>{
                  {"EFCTV_DT", FieldType::Date}, {"END_DT", FieldType::Date}, {"N", FieldType::Text}}));
    EXPECT_EQ(result.Row(0), (std::vector<FieldValue>{*CalendarDate::FromYmd(2024, 1, 1),
                                                      *CalendarDate::FromYmd(2024, 3, 15), FieldValue("1")}));
    EXPECT_EQ(tables.Description("C", "FORMDOC"), "ended yesterday");
    EXPECT_EQ(tables.Description(" A ", "REFDOCTYP"), "ACCOUNT");
    EXPECT_EQ(tables.Description("Z", "FORMDOC"), "");
}

} // namespace
} // namespace tavrik
