// A request prepared the way every sender of this system prepares one: reply address, version,
// request type and the signed-on user.
#pragma once

#include "common/PIRequest.h"
#include "common/Session.h"

namespace tavrik {

inline PIRequest NewPIRequest(Session& session, std::string formName, int piNumber) {
    PIRequest request(session.MessageService);
    request.SetFormName(std::move(formName));
    request.SetAppVersion(session.AppVersion());
    request.SetPINumber(piNumber);
    request.SetUserID(session.SessionInfo.UserID);
    return request;
}

} // namespace tavrik
