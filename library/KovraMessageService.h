// The message service: hands forms' requests to the transport, keeps the latest reply per reply
// address, and delivers replies and time-outs to the forms' message objects on the UI thread.
#pragma once

#include "common/DataSetService.h"
#include "common/MessageService.h"
#include "common/ReplyMessage.h"
#include "library/Transport.h"
#include "library/UiDispatcher.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tavrik {

class KovraMessageService : public MessageService, public DataSetService {
public:
    static constexpr std::chrono::milliseconds kDefaultTimeout{30000};
    // The error text stored for a request that got no reply in time.
    static constexpr const char* kTimeoutText = "The back office did not answer in time.";

    // The dispatcher must outlive the transport's last reply; the service may go first (replies
    // and time-outs for it are then dropped).
    KovraMessageService(Transport& transport, UiDispatcher& dispatcher,
                        std::chrono::milliseconds timeout = kDefaultTimeout);
    ~KovraMessageService() override;
    KovraMessageService(const KovraMessageService&) = delete;
    KovraMessageService& operator=(const KovraMessageService&) = delete;

    // What the library does with a reply to one of its own requests of that type before it is stored
    // for the form it answers (taking rows out of it, say); answers false when the reply was the
    // library's alone and no form is told of it. Not called for a superseded or late reply.
    using ReplyFilter = std::function<bool(const std::string& messageId, ReplyMessage& reply)>;
    void FilterReplies(int piNumber, ReplyFilter filter);

    std::shared_ptr<MessageObject> NewMessage() override;
    std::string NewMessageId() override;
    // Supersedes any request still waiting at the same address: its reply will be dropped.
    void Send(RequestMessage request, std::weak_ptr<MessageObject> sender) override;

    std::shared_ptr<DataSet> GetDataSet(const std::string& name, const std::string& formName,
                                        const std::string& messageId) override;
    // The error text of the reply to messageId at formName, "" when it carries data, or a text
    // saying there is no such reply.
    std::string GetReply(const std::string& formName, const std::string& context,
                         const std::string& messageId) const;

private:
    struct Waiting {
        std::string messageId;
        int piNumber = 0;
        UiDispatcher::TimerId timer = 0;
        std::weak_ptr<MessageObject> sender; // the only object told of a time-out
    };
    // A delivered reply; its tables are handed to forms in place (their recordsets copy on edit).
    struct Stored {
        std::string messageId;
        std::string errorText;
        std::map<std::string, std::shared_ptr<const DataTable>> dataSets;
    };

    void Deliver(const std::string& formName, const std::string& messageId, ReplyMessage reply);
    void TimeOut(const std::string& formName, const std::string& messageId);
    void Store(const std::string& formName, const std::string& messageId, ReplyMessage reply);
    const Stored* Find(const std::string& formName, const std::string& messageId) const;
    // The message objects still held, each looked at just before it is told, so that one released by
    // an earlier handler gets nothing.
    template <class Raise> void ForEachLive(Raise raise);

    Transport& transport_;
    UiDispatcher& dispatcher_;
    const std::chrono::milliseconds timeout_;
    std::uint64_t lastMessageId_ = 0;
    std::vector<std::weak_ptr<MessageObject>> objects_;
    std::map<std::string, Waiting> waiting_; // by reply address: only the newest request waits
    std::map<std::string, Stored> replies_;  // by reply address: the latest reply or failure
    std::map<int, ReplyFilter> filters_;     // by request type
    // Work queued for later checks this before touching the service.
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

} // namespace tavrik
