// A transport that hands requests, one at a time and in the order submitted, to a back-office
// handler running on its own worker thread.
#pragma once

#include "library/Transport.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>

namespace tavrik {

class WorkerThreadTransport : public Transport {
public:
    using Handler = std::function<ReplyMessage(const RequestMessage&)>;

    explicit WorkerThreadTransport(Handler handler);
    // Drops the requests still queued, waits for the one being handled, and joins the worker.
    ~WorkerThreadTransport() override;
    WorkerThreadTransport(const WorkerThreadTransport&) = delete;
    WorkerThreadTransport& operator=(const WorkerThreadTransport&) = delete;

    // onReply runs on the worker thread. A handler that throws answers an error reply.
    void Submit(RequestMessage request, std::function<void(ReplyMessage)> onReply) override;

private:
    using Job = std::pair<RequestMessage, std::function<void(ReplyMessage)>>;

    void Run();
    ReplyMessage Handle(const RequestMessage& request);

    Handler handler_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Job> queue_;
    bool stopping_ = false;
    std::thread worker_; // last: it starts once everything above exists
};

} // namespace tavrik
