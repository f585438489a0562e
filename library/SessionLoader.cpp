#include "library/SessionLoader.h"

#include "common/RequestNumbers.h"
#include "library/SubmitAndWait.h"

#include <stdexcept>

namespace tavrik {

namespace {

FieldValue Cell(const DataTable& table, std::size_t row, std::string_view field) {
    const std::optional<std::size_t> index = table.FieldIndex(field);
    return index ? table.Cell(row, *index) : FieldValue();
}

} // namespace

SessionLoader::LoadedSession SessionLoader::Load(Transport& transport, const std::string& userId,
                                                 const std::string& messageId,
                                                 std::chrono::milliseconds timeout) {
    RequestMessage request;
    request.messageId = messageId;
    request.piNumber = kSessionRequest;
    request.userId = userId;
    request.keys.push_back(RequestKey{"key:USER_ID", userId, "=", "PENTRAX"});
    const ReplyMessage reply = SubmitAndWait(transport, std::move(request), timeout);

    // No user id: the back office signs on the clerk its store connection names.
    const std::string who = userId.empty() ? "The clerk" : "The user \"" + userId + "\"";
    if (!reply.errorText.empty())
        throw std::runtime_error(who + " could not be signed on: " + reply.errorText);
    auto userInfo = reply.dataSets.find("USERINFO");
    if (userInfo == reply.dataSets.end() || userInfo->second.IsEmpty())
        throw std::runtime_error(who + " is not known to the back office.");

    const DataTable& users = userInfo->second;
    const std::size_t user = 0;
    const std::optional<std::int64_t> userNumber = Cell(users, user, "USER_NBR").AsInteger();
    if (!userNumber)
        throw std::runtime_error("The back office gave no user number for \"" + userId + "\".");

    LoadedSession session;
    session.info.UserID =
        Cell(users, user, "USER_ID").IsNull() ? userId : Cell(users, user, "USER_ID").ToText();
    session.info.UserNumber = *userNumber;
    session.info.Region = Cell(users, user, "REGION").ToText();
    if (auto privileges = reply.dataSets.find("USERPRIVILEGE"); privileges != reply.dataSets.end())
        for (std::size_t row = 0; row < privileges->second.RowCount(); ++row)
            session.privileges.push_back(Cell(privileges->second, row, "PRVLG_NM").ToText());
    return session;
}

} // namespace tavrik
