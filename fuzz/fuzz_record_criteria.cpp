// Filter and Find criteria as forms write them, on a small recordset with a field of every type:
// criteria that parse show exactly the rows they match, and criteria that do not show none.
#include "common/DataTable.h"
#include "common/RecordCriteria.h"
#include "common/Recordset.h"
#include "common/TextUtil.h"
#include "fuzz/Require.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace tavrik;

namespace {

DataTable SmallTable() {
    const CalendarDate day = *CalendarDate::FromYmd(2024, 3, 1);
    return DataTable(
        {{"CD_TBL_CD", FieldType::Text},
         {"ACCT_RCVBL_NBR", FieldType::Integer},
         {"OVR_PYMT_AMT", FieldType::Currency},
         {"RCPT_DT", FieldType::Date}},
        {
            {FieldValue("O"), FieldValue(1234567), FieldValue(Currency::FromCents(12345)), FieldValue(day)},
            {FieldValue("it's"), FieldValue(7), FieldValue(Currency::FromCents(-5)),
             FieldValue(day.AddDays(40))},
            {FieldValue(), FieldValue(), FieldValue(), FieldValue()},
            {FieldValue("12"), FieldValue(0), FieldValue(Currency()), FieldValue(day.AddDays(-400))},
            {FieldValue("03/01/2024"), FieldValue(-3), FieldValue(Currency::FromCents(99)), FieldValue(day)},
        });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const DataTable table = SmallTable();
    const std::string_view criteria(reinterpret_cast<const char*>(data), size);
    const std::optional<RecordCriteria> parsed = RecordCriteria::Parse(criteria, table);

    std::size_t matching = 0;
    if (parsed)
        for (std::size_t row = 0; row < table.RowCount(); ++row)
            matching += parsed->Matches(table, row) ? 1 : 0;

    // Blank criteria remove the filter rather than fail to parse.
    const bool blank = IsBlank(criteria);
    if (blank)
        matching = table.RowCount();
    Recordset filtered(table);
    filtered.Filter(criteria);
    Require(filtered.RecordCount() == matching, "a filter shows the rows its criteria match, or none");
    std::size_t walked = 0;
    for (filtered.MoveFirst(); !filtered.IsEOF(); filtered.MoveNext())
        ++walked;
    Require(walked == matching, "walking a filtered recordset visits its rows");

    if (blank)
        return 0;
    Recordset searched(table);
    const bool found = searched.Find(criteria);
    Require(found == (matching > 0), "Find finds a row when one matches");
    Require(found != searched.IsEOF(), "Find leaves the cursor on its row, or at EOF");
    if (found)
        Require(parsed->Matches(table, searched.GetBookmark()), "Find stops on a matching row");
    return 0;
}
