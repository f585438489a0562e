// Carries requests to the back office and hands back its replies; the library's only way there.
#pragma once

#include "common/ReplyMessage.h"
#include "common/RequestMessage.h"

#include <functional>

namespace tavrik {

class Transport {
public:
    virtual ~Transport() = default;

    // Queues the request; onReply is called once with the reply, on whatever thread the transport
    // answers on, unless the transport shuts down first.
    virtual void Submit(RequestMessage request, std::function<void(ReplyMessage)> onReply) = 0;
};

} // namespace tavrik
