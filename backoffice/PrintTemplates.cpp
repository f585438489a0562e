#include "backoffice/PrintTemplates.h"

#include "backoffice/ReadDataSet.h"
#include "backoffice/RefusalTexts.h"
#include "backoffice/RequestError.h"
#include "backoffice/RequestKeys.h"
#include "common/CalendarDate.h"
#include "store/StoreQuery.h"

#include <charconv>

namespace tavrik {

ReplyMessage PrintTemplates::Handle(const RequestMessage& request) {
    const std::string sentType = RequiredKeyValue(request, "key:TMPLT_TYP_CD", "the template type");
    std::int64_t type = 0;
    auto [end, failure] = std::from_chars(sentType.data(), sentType.data() + sentType.size(), type);
    if (failure != std::errc() || end != sentType.data() + sentType.size())
        Refuse(RefusalTexts::TemplateType(sentType));
    std::optional<CalendarDate> day =
        CalendarDate::ParseIso(RequiredKeyValue(request, "key:TMPLT_DT", "the day the template is for"));
    if (!day)
        Refuse(RefusalTexts::NotADate("day the template is for"));

    StoreQuery query(database_,
                     "SELECT TMPLT_TYP_CD AS TMPLT_TYP_CD, EFCTV_DT AS EFCTV_DT, END_DT AS END_DT, "
                     "TMPLT_TXT AS TMPLT_TXT FROM print_template WHERE TMPLT_TYP_CD = ?1 AND "
                     "EFCTV_DT <= ?2 AND (END_DT IS NULL OR END_DT >= ?2) ORDER BY EFCTV_DT DESC");
    query.Bind(1, type).Bind(2, day->FormatIso());
    DataTable found = ReadDataSet(query, "TEMPLATE");
    ReplyMessage reply;
    if (found.IsEmpty())
        return reply;
    found.KeepFirstRows(1);
    reply.dataSets["TEMPLATE"] = std::move(found);
    return reply;
}

} // namespace tavrik
