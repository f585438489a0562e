#include "library/KovraLibrary.h"

#include "common/RequestNumbers.h"
#include "library/SubmitAndWait.h"

#include <stdexcept>

namespace tavrik {

namespace {

DataTable LoadCodeRows(Transport& transport, const std::string& userId, const std::string& messageId,
                       std::chrono::milliseconds timeout) {
    RequestMessage request;
    request.messageId = messageId;
    request.piNumber = kCodeTablesRequest;
    request.userId = userId;
    ReplyMessage reply = SubmitAndWait(transport, std::move(request), timeout);
    if (!reply.errorText.empty())
        throw std::runtime_error("The code tables could not be loaded: " + reply.errorText);
    auto rows = reply.dataSets.find("TVK_CODE");
    if (rows == reply.dataSets.end())
        throw std::runtime_error(
            "The code tables could not be loaded: the back office sent no TVK_CODE rows.");
    return std::move(rows->second);
}

} // namespace

KovraLibrary::KovraLibrary(Transport& transport, UiDispatcher& dispatcher, WindowingPlatform& platform,
                           const std::string& userId, std::filesystem::path errorLogPath,
                           std::chrono::milliseconds timeout)
    : platform_(platform), messages_(transport, dispatcher, timeout),
      codeTables_(LoadCodeRows(transport, userId, messages_.NewMessageId(), timeout), platform),
      session_(SessionLoader::Load(transport, userId, messages_.NewMessageId(), timeout)),
      referenceData_(ReferenceData::Load(transport, userId, messages_.NewMessageId(), timeout)),
      opener_(codeTables_), templates_(transport, userId, errorLogPath.parent_path() / "templates", timeout),
      common_(messages_, codeTables_, referenceData_, session_.privileges, userId, templates_),
      errors_(platform, std::move(errorLogPath)) {}

SessionServices KovraLibrary::Services() {
    return SessionServices{common_, status_, messages_, messages_, opener_, errors_, platform_};
}

} // namespace tavrik
