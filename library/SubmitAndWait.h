// Sends one request and blocks until its reply: for what the library must know before any form
// runs (code tables, the signed-on user), when there is no UI loop to deliver through yet.
#pragma once

#include "common/ReplyMessage.h"
#include "common/RequestMessage.h"
#include "library/Transport.h"

#include <chrono>

namespace tavrik {

// Throws std::runtime_error when no reply arrives within timeout.
ReplyMessage SubmitAndWait(Transport& transport, RequestMessage request, std::chrono::milliseconds timeout);

} // namespace tavrik
