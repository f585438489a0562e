#include "common/Event.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

namespace tavrik {
namespace {

TEST(Event, a_scoped_connection_runs_its_handler_until_it_is_destroyed_reset_or_replaced) {
    struct Case {
        const char* name;
        void (*end)(std::optional<ScopedConnection>& connection);
    };
    const Case cases[] = {
        {"destroyed", [](std::optional<ScopedConnection>& connection) { connection.reset(); }},
        {"reset", [](std::optional<ScopedConnection>& connection) { connection->Reset(); }},
        {"replaced by an empty one", [](std::optional<ScopedConnection>& connection) { *connection = {}; }},
        {"moved away and the new holder destroyed",
         [](std::optional<ScopedConnection>& connection) {
             ScopedConnection taken = std::move(*connection);
         }},
    };
    for (const Case& testCase : cases) {
        Event<int> event;
        std::string calls;
        event.Connect([&](int value) { calls += "plain" + std::to_string(value) + " "; });
        std::optional<ScopedConnection> connection =
            event.ConnectScoped([&](int value) { calls += "scoped" + std::to_string(value) + " "; });

        event.Raise(1);
        testCase.end(connection);
        event.Raise(2);

        EXPECT_EQ(calls, "plain1 scoped1 plain2 ") << testCase.name;
    }
}

TEST(Event, a_handler_disconnected_by_an_earlier_one_during_a_raise_is_not_called) {
    Event<> event;
    std::string calls;
    ScopedConnection second;
    event.Connect([&] {
        calls += "first ";
        second.Reset();
    });
    second = event.ConnectScoped([&] { calls += "second "; });

    event.Raise();
    event.Raise();

    EXPECT_EQ(calls, "first first ");
}

// Under the address sanitizer this also proves the handler's captures outlive its own reset.
TEST(Event, a_handler_may_disconnect_itself_and_connect_another_during_a_raise) {
    Event<> event;
    std::string calls;
    ScopedConnection self;
    auto text = std::make_shared<std::string>("self ");
    self = event.ConnectScoped([&, text] {
        self.Reset();
        calls += *text;
        event.Connect([&] { calls += "late "; });
    });

    event.Raise();
    event.Raise();

    EXPECT_EQ(calls, "self late ");
}

} // namespace
} // namespace tavrik
