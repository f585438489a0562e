#include "library/ReferenceData.h"

#include "common/RequestNumbers.h"
#include "common/TextUtil.h"
#include "library/SubmitAndWait.h"

#include <stdexcept>

namespace tavrik {

namespace {

std::runtime_error LoadError(const std::string& why) {
    return std::runtime_error("The user names and troops could not be loaded: " + why);
}

const DataTable& RequiredDataSet(const ReplyMessage& reply, const std::string& name) {
    auto found = reply.dataSets.find(name);
    if (found == reply.dataSets.end())
        throw LoadError("the back office sent no " + name + " rows.");
    return found->second;
}

std::size_t RequiredField(const DataTable& table, const std::string& dataSet, const std::string& field) {
    const std::optional<std::size_t> index = table.FieldIndex(field);
    if (!index)
        throw LoadError(dataSet + " has no field " + field + ".");
    return *index;
}

std::string RowText(const std::string& dataSet, std::size_t row) {
    return dataSet + " row " + std::to_string(row + 1);
}

std::string Key(std::string_view text) {
    return ToUpper(Trim(text));
}

} // namespace

ReferenceData::ReferenceData(const ReplyMessage& reply) {
    if (!reply.errorText.empty())
        throw LoadError(reply.errorText);

    const DataTable& users = RequiredDataSet(reply, "APPUSER");
    const std::size_t numberField = RequiredField(users, "APPUSER", "USER_NBR");
    const std::size_t nameField = RequiredField(users, "APPUSER", "USER_NM");
    for (std::size_t r = 0; r < users.RowCount(); ++r) {
        const FieldValue number = users.Cell(r, numberField);
        const std::optional<std::int64_t> userNumber = number.AsInteger();
        if (!userNumber)
            throw LoadError(RowText("APPUSER", r) + " has USER_NBR \"" + number.ToText() +
                            "\", which is not a whole number.");
        userNames_.try_emplace(*userNumber, users.Cell(r, nameField).ToText());
    }

    const DataTable& troops = RequiredDataSet(reply, "TROOPDISTRICT");
    const std::size_t troopField = RequiredField(troops, "TROOPDISTRICT", "PO_TRP_ID");
    const std::size_t districtField = RequiredField(troops, "TROOPDISTRICT", "PO_TRP_DSTRCT_ID");
    for (std::size_t r = 0; r < troops.RowCount(); ++r) {
        std::string troop = Key(troops.Cell(r, troopField).ToText());
        if (troop.empty())
            throw LoadError(RowText("TROOPDISTRICT", r) + " has no PO_TRP_ID.");
        std::string district = Key(troops.Cell(r, districtField).ToText());
        if (!district.empty())
            districts_.emplace(troop, std::move(district));
        troops_.insert(std::move(troop));
    }
}

ReferenceData ReferenceData::Load(Transport& transport, const std::string& userId,
                                  const std::string& messageId, std::chrono::milliseconds timeout) {
    RequestMessage request;
    request.messageId = messageId;
    request.piNumber = kReferenceDataRequest;
    request.userId = userId;
    return ReferenceData(SubmitAndWait(transport, std::move(request), timeout));
}

std::string ReferenceData::UserName(std::int64_t userNumber) const {
    auto found = userNames_.find(userNumber);
    return found == userNames_.end() ? std::string() : found->second;
}

bool ReferenceData::IsTroop(std::string_view troop) const {
    return troops_.contains(Key(troop));
}

bool ReferenceData::IsTroopDistrict(std::string_view troop, std::string_view district) const {
    return districts_.contains(std::pair{Key(troop), Key(district)});
}

} // namespace tavrik
