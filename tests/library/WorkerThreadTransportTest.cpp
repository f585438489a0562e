#include "library/WorkerThreadTransport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>

namespace tavrik {
namespace {

using namespace std::chrono_literals;

RequestMessage Request(int piNumber) {
    RequestMessage request;
    request.piNumber = piNumber;
    return request;
}

TEST(WorkerThreadTransport, answers_in_order_off_the_caller_thread_and_turns_a_throw_into_error_reply) {
    std::vector<std::string> replies;
    std::promise<std::thread::id> lastOn;
    WorkerThreadTransport transport([](const RequestMessage& request) -> ReplyMessage {
        if (request.piNumber == 48)
            throw std::runtime_error("disk full");
        return ReplyMessage::Error(std::to_string(request.piNumber));
    });

    for (int pi : {47, 48, 41})
        transport.Submit(Request(pi), [&, pi](ReplyMessage reply) {
            replies.push_back(reply.errorText);
            if (pi == 41)
                lastOn.set_value(std::this_thread::get_id());
        });
    std::future<std::thread::id> done = lastOn.get_future();
    ASSERT_EQ(done.wait_for(5s), std::future_status::ready);

    EXPECT_NE(done.get(), std::this_thread::get_id());
    EXPECT_EQ(replies, (std::vector<std::string>{
                           "47", "The back office could not handle the request: disk full", "41"}));
}

TEST(WorkerThreadTransport, finishes_request_in_hand_and_drops_queued_ones_when_destroyed) {
    std::promise<void> started;
    std::atomic<int> replies = 0;
    auto transport = std::make_unique<WorkerThreadTransport>([&](const RequestMessage& request) {
        if (request.piNumber == 1) {
            started.set_value();
            std::this_thread::sleep_for(50ms);
        }
        return ReplyMessage{};
    });
    for (int pi : {1, 2, 3})
        transport->Submit(Request(pi), [&](ReplyMessage) { ++replies; });
    started.get_future().wait();

    transport.reset();

    EXPECT_EQ(replies, 1);
}

} // namespace
} // namespace tavrik
