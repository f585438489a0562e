#include "library/SubmitAndWait.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <stdexcept>

namespace tavrik {

namespace {
// Shared with the transport's callback, which may still come after a time-out gave up waiting.
struct Awaited {
    std::mutex mutex;
    std::condition_variable arrived;
    std::optional<ReplyMessage> reply;
};
} // namespace

ReplyMessage SubmitAndWait(Transport& transport, RequestMessage request, std::chrono::milliseconds timeout) {
    auto awaited = std::make_shared<Awaited>();
    transport.Submit(std::move(request), [awaited](ReplyMessage reply) {
        {
            std::lock_guard lock(awaited->mutex);
            awaited->reply = std::move(reply);
        }
        awaited->arrived.notify_all();
    });
    std::unique_lock lock(awaited->mutex);
    if (!awaited->arrived.wait_for(lock, timeout, [&] { return awaited->reply.has_value(); }))
        throw std::runtime_error("The back office did not answer in time.");
    return *std::move(awaited->reply);
}

} // namespace tavrik
