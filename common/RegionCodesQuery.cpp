#include "common/RegionCodesQuery.h"

#include "common/TextUtil.h"

namespace tavrik {

std::string RegionCodesQuery(std::string_view region, std::string_view codeTable, const CalendarDate& today) {
    // The region and the table are quoted as literals: a quote in them can neither break nor widen
    // the query.
    std::string source =
        std::string("Select CD_TBL_ID, CD_TBL_CD, CD_TBL_DES From TVK_CODE Where ") + "REGION" + "=" +
        QuoteLiteral(ToUpper(Trim(region))) + " " + "And (CD_TBL_ID = " + QuoteLiteral(codeTable) + " " +
        "And ((EFCTV_DT <= %Date% And (END_DT)Is Null) Or (EFCTV_DT <= %Date% And END_DT >= %Date%))" + ")";
    const std::string day = "#" + today.FormatUs() + "#";
    for (std::size_t at = source.find("%Date%"); at != std::string::npos; at = source.find("%Date%", at))
        source.replace(at, 6, day);
    return source;
}

} // namespace tavrik
