#include "library/WorkerThreadTransport.h"

#include <exception>

namespace tavrik {

WorkerThreadTransport::WorkerThreadTransport(Handler handler)
    : handler_(std::move(handler)), worker_([this] { Run(); }) {}

WorkerThreadTransport::~WorkerThreadTransport() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        queue_.clear();
    }
    wake_.notify_all();
    worker_.join();
}

void WorkerThreadTransport::Submit(RequestMessage request, std::function<void(ReplyMessage)> onReply) {
    {
        std::lock_guard lock(mutex_);
        if (stopping_)
            return;
        queue_.emplace_back(std::move(request), std::move(onReply));
    }
    wake_.notify_one();
}

void WorkerThreadTransport::Run() {
    for (;;) {
        Job job;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
            if (stopping_)
                return;
            job = std::move(queue_.front());
            queue_.pop_front();
        }
        job.second(Handle(job.first));
    }
}

ReplyMessage WorkerThreadTransport::Handle(const RequestMessage& request) {
    try {
        return handler_(request);
    } catch (const std::exception& error) {
        return ReplyMessage::Error(std::string("The back office could not handle the request: ") +
                                   error.what());
    } catch (...) {
        return ReplyMessage::Error("The back office could not handle the request.");
    }
}

} // namespace tavrik
