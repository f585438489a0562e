#include "library/KovraMessageService.h"

#include <algorithm>

namespace tavrik {

KovraMessageService::KovraMessageService(Transport& transport, UiDispatcher& dispatcher,
                                         std::chrono::milliseconds timeout)
    : transport_(transport), dispatcher_(dispatcher), timeout_(timeout) {}

KovraMessageService::~KovraMessageService() {
    for (const auto& [formName, waiting] : waiting_)
        dispatcher_.Cancel(waiting.timer);
}

std::shared_ptr<MessageObject> KovraMessageService::NewMessage() {
    std::erase_if(objects_, [](const std::weak_ptr<MessageObject>& object) { return object.expired(); });
    auto object = std::make_shared<MessageObject>();
    objects_.push_back(object);
    return object;
}

void KovraMessageService::FilterReplies(int piNumber, ReplyFilter filter) {
    filters_[piNumber] = std::move(filter);
}

std::string KovraMessageService::NewMessageId() {
    return std::to_string(++lastMessageId_);
}

void KovraMessageService::Send(RequestMessage request, std::weak_ptr<MessageObject> sender) {
    if (request.messageId.empty())
        request.messageId = NewMessageId();
    const std::string formName = request.formName;
    const std::string messageId = request.messageId;

    if (auto superseded = waiting_.find(formName); superseded != waiting_.end())
        dispatcher_.Cancel(superseded->second.timer);
    std::weak_ptr<int> alive = alive_;
    const UiDispatcher::TimerId timer = dispatcher_.PostAfter(timeout_, [this, alive, formName, messageId] {
        if (alive.lock())
            TimeOut(formName, messageId);
    });
    waiting_[formName] = Waiting{messageId, request.piNumber, timer, std::move(sender)};

    UiDispatcher* dispatcher = &dispatcher_;
    transport_.Submit(std::move(request), [this, dispatcher, alive, formName, messageId](ReplyMessage reply) {
        // On the transport's thread: only the dispatcher is touched here.
        dispatcher->Post([this, alive, formName, messageId, reply = std::move(reply)]() mutable {
            if (alive.lock())
                Deliver(formName, messageId, std::move(reply));
        });
    });
}

void KovraMessageService::Deliver(const std::string& formName, const std::string& messageId,
                                  ReplyMessage reply) {
    auto waiting = waiting_.find(formName);
    // Timed out (its failure was delivered) or superseded by a newer request: never applied.
    if (waiting == waiting_.end() || waiting->second.messageId != messageId)
        return;
    dispatcher_.Cancel(waiting->second.timer);
    const int piNumber = waiting->second.piNumber;
    waiting_.erase(waiting);
    if (auto filter = filters_.find(piNumber); filter != filters_.end() && !filter->second(messageId, reply))
        return;
    Store(formName, messageId, std::move(reply));
}

void KovraMessageService::TimeOut(const std::string& formName, const std::string& messageId) {
    auto waiting = waiting_.find(formName);
    if (waiting == waiting_.end() || waiting->second.messageId != messageId)
        return;
    const int piNumber = waiting->second.piNumber;
    const std::shared_ptr<MessageObject> sender = waiting->second.sender.lock();
    waiting_.erase(waiting);
    if (sender)
        sender->MsgTimeout.Raise(piNumber);
    // A handler that sent anew to this address has superseded the failure as well.
    if (waiting_.contains(formName))
        return;
    Store(formName, messageId, ReplyMessage::Error(kTimeoutText));
}

void KovraMessageService::Store(const std::string& formName, const std::string& messageId,
                                ReplyMessage reply) {
    Stored& stored = replies_[formName] = Stored{messageId, std::move(reply.errorText), {}};
    for (auto& [name, table] : reply.dataSets)
        stored.dataSets[name] = std::make_shared<const DataTable>(std::move(table));
    ForEachLive([&formName](MessageObject& object) { object.DataReady.Raise(formName); });
}

template <class Raise> void KovraMessageService::ForEachLive(Raise raise) {
    // A copy: handlers may create message objects while this runs.
    const std::vector<std::weak_ptr<MessageObject>> objects = objects_;
    for (const std::weak_ptr<MessageObject>& weak : objects)
        if (std::shared_ptr<MessageObject> object = weak.lock())
            raise(*object);
}

const KovraMessageService::Stored* KovraMessageService::Find(const std::string& formName,
                                                             const std::string& messageId) const {
    auto stored = replies_.find(formName);
    if (stored == replies_.end() || stored->second.messageId != messageId)
        return nullptr;
    return &stored->second;
}

std::shared_ptr<DataSet> KovraMessageService::GetDataSet(const std::string& name, const std::string& formName,
                                                         const std::string& messageId) {
    const Stored* stored = Find(formName, messageId);
    if (stored == nullptr)
        return nullptr;
    auto table = stored->dataSets.find(name);
    if (table == stored->dataSets.end())
        return nullptr;
    return std::make_shared<DataSet>(name, table->second);
}

std::string KovraMessageService::GetReply(const std::string& formName, const std::string& context,
                                          const std::string& messageId) const {
    const Stored* stored = Find(formName, messageId);
    if (stored == nullptr)
        return "There is no reply to request " + messageId + " for " + formName + " (" + context + ").";
    return stored->errorText;
}

} // namespace tavrik
