#include "backoffice/FormNumbers.h"

#include "backoffice/RefusalTexts.h"
#include "backoffice/RequestError.h"
#include "backoffice/RequestKeys.h"
#include "common/DataSetDefinitions.h"
#include "common/TextUtil.h"
#include "store/StoreQuery.h"

#include <charconv>

namespace tavrik {

namespace {

constexpr std::int64_t kMostAtOnce = 10;
constexpr std::int64_t kHighestNumber = 9999999;

} // namespace

ReplyMessage FormNumbers::Handle(const RequestMessage& request) {
    const std::string type = ToUpper(RequiredKeyValue(request, "key:NBR_TYP_CD", "the number type"));
    const std::string sentCount = RequiredKeyValue(request, "key:NBR_CNT", "how many numbers");
    std::int64_t count = 0;
    auto [end, failure] = std::from_chars(sentCount.data(), sentCount.data() + sentCount.size(), count);
    if (failure != std::errc() || end != sentCount.data() + sentCount.size() || count < 1 ||
        count > kMostAtOnce)
        Refuse(RefusalTexts::NumberCount(sentCount, kMostAtOnce));

    // Taking the numbers first holds the row, so that a desk handing out the same type waits or is
    // run again, and never reads the same next number.
    StoreQuery take(database_, "UPDATE form_number SET NEXT_NBR = NEXT_NBR + ?1 WHERE NBR_TYP_CD = ?2");
    take.Bind(1, count).Bind(2, type);
    take.Run();
    StoreQuery next(database_, "SELECT NEXT_NBR FROM form_number WHERE NBR_TYP_CD = ?1");
    next.Bind(1, type);
    if (!next.Step())
        Refuse(RefusalTexts::UnknownNumberType(type));
    const std::int64_t first = next.Integer(0) - count;
    if (first + count - 1 > kHighestNumber)
        Refuse(RefusalTexts::NumbersUsedUp(type));

    DataTable numbers = *DataSetDefinitions::EmptyTable("REQ");
    for (std::int64_t number = first; number < first + count; ++number)
        numbers.AddRow({FieldValue(number)});
    ReplyMessage reply;
    reply.dataSets["REQ"] = std::move(numbers);
    return reply;
}

} // namespace tavrik
