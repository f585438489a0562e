// Reads the signed-on user from the back office (request 1002): the session's user, number and
// region, and the user's privileges.
#pragma once

#include "common/SessionInfo.h"
#include "library/Transport.h"

#include <chrono>
#include <string>
#include <vector>

namespace tavrik {

class SessionLoader {
public:
    struct LoadedSession {
        SessionInfo info;
        std::vector<std::string> privileges;
    };

    // Waits for the reply; throws std::runtime_error with a clear text for an unknown user, an
    // error reply or no reply in time.
    static LoadedSession Load(Transport& transport, const std::string& userId, const std::string& messageId,
                              std::chrono::milliseconds timeout);
};

} // namespace tavrik
