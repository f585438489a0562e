// A request prepared the way every sender of this system prepares one: reply address, version,
// request type and the signed-on user. sender is the sending form's message object.
#pragma once

#include "common/PIRequest.h"
#include "common/Session.h"

namespace tavrik {

inline PIRequest NewPIRequest(Session& session, const std::shared_ptr<MessageObject>& sender,
                              std::string formName, int piNumber) {
    PIRequest request(session.MessageService, sender);
    request.SetFormName(std::move(formName));
    request.SetAppVersion(session.AppVersion());
    request.SetPINumber(piNumber);
    request.SetUserID(session.SessionInfo.UserID);
    return request;
}

} // namespace tavrik
