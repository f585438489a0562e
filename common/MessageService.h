// The message service: message objects for forms, and the sending of requests.
#pragma once

#include "common/MessageObject.h"
#include "common/RequestMessage.h"

#include <memory>
#include <string>

namespace tavrik {

class MessageService {
public:
    virtual ~MessageService() = default;

    // A new message object; it receives events for as long as the form holds it.
    virtual std::shared_ptr<MessageObject> NewMessage() = 0;
    // A message identifier no other request of this session has.
    virtual std::string NewMessageId() = 0;
    // Hands the request to the transport; its reply or failure arrives later through DataReady on
    // every message object, and a time-out through MsgTimeout on the sender's alone.
    virtual void Send(RequestMessage request, std::weak_ptr<MessageObject> sender) = 0;
};

} // namespace tavrik
