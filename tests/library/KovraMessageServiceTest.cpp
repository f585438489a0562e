#include "library/KovraMessageService.h"

#include "library/ManualDispatcher.h"

#include <gtest/gtest.h>

namespace tavrik {
namespace {

using namespace std::chrono_literals;
using Events = std::vector<std::string>;

// Holds what was submitted until the test answers it, as a slow back office would.
class HeldTransport : public Transport {
public:
    void Submit(RequestMessage, std::function<void(ReplyMessage)> onReply) override {
        held.push_back(std::move(onReply));
    }
    std::vector<std::function<void(ReplyMessage)>> held;
};

ReplyMessage Rows(const std::string& custId) {
    ReplyMessage reply;
    reply.dataSets["ACNTSRCVBL"] = DataTable{{{"CUST_ID", FieldType::Text}}, {{custId}}};
    return reply;
}

class MessageServiceTest : public ::testing::Test {
protected:
    std::string SendTo(const std::string& formName, const std::shared_ptr<MessageObject>& sender = nullptr) {
        RequestMessage request;
        request.messageId = service.NewMessageId();
        request.formName = formName;
        request.piNumber = 47;
        service.Send(request, sender);
        return request.messageId;
    }
    // Records the object's events as "who Event:argument".
    std::shared_ptr<MessageObject> Listen(const std::string& who) {
        auto object = service.NewMessage();
        object->DataReady.Connect(
            [this, who](const std::string& to) { events.push_back(who + " DataReady:" + to); });
        object->MsgTimeout.Connect(
            [this, who](int pi) { events.push_back(who + " MsgTimeout:" + std::to_string(pi)); });
        return object;
    }
    std::string Reply(const std::string& formName, const std::string& id) {
        return service.GetReply(formName, "M.P", id);
    }

    HeldTransport transport;
    ManualDispatcher dispatcher;
    KovraMessageService service{transport, dispatcher, 30s};
    Events events;
};

TEST_F(MessageServiceTest, delivers_replies_on_the_ui_thread_in_the_order_they_arrive) {
    auto form = Listen("form");
    const std::string first = SendTo("AppAccDetail");
    const std::string second = SendTo("AppPayDetail");

    transport.held[1](Rows("C2"));
    transport.held[0](ReplyMessage::Error("No such account."));
    const Events beforePump = events;
    dispatcher.AdvanceTime(60s);

    EXPECT_TRUE(beforePump.empty());
    EXPECT_EQ(events, (Events{"form DataReady:AppPayDetail", "form DataReady:AppAccDetail"}));
    EXPECT_EQ(Reply("AppPayDetail", second), "");
    EXPECT_EQ(Reply("AppAccDetail", first), "No such account.");
    EXPECT_EQ(Reply("AppAccDetail", second),
              "There is no reply to request " + second + " for AppAccDetail (M.P).");
    EXPECT_NE(service.GetDataSet("ACNTSRCVBL", "AppPayDetail", second), nullptr);
    EXPECT_EQ(service.GetDataSet("RECEIPT", "AppPayDetail", second), nullptr);
    EXPECT_EQ(service.GetDataSet("ACNTSRCVBL", "AppPayDetail", first), nullptr);
}

TEST_F(MessageServiceTest, raises_timeout_then_delivers_failure_and_drops_the_late_reply) {
    auto form = Listen("form");
    const std::string id = SendTo("App", form);

    dispatcher.AdvanceTime(29999ms);
    const Events beforeDue = events;
    dispatcher.AdvanceTime(1ms);
    transport.held[0](Rows("LATE"));
    dispatcher.RunPending();

    EXPECT_TRUE(beforeDue.empty());
    EXPECT_EQ(events, (Events{"form MsgTimeout:47", "form DataReady:App"}));
    EXPECT_EQ(Reply("App", id), "The back office did not answer in time.");
    EXPECT_EQ(service.GetDataSet("ACNTSRCVBL", "App", id), nullptr);
}

TEST_F(MessageServiceTest, tells_a_timeout_only_to_the_form_that_sent_the_request) {
    auto document = Listen("document");
    auto detail = Listen("detail");
    const std::string search = SendTo("App", document);
    dispatcher.AdvanceTime(10s);
    const std::string update = SendTo("AppAccDetail", detail);

    dispatcher.AdvanceTime(20s);
    transport.held[1](ReplyMessage::Error("Changed by someone else."));
    dispatcher.RunPending();

    EXPECT_EQ(events, (Events{"document MsgTimeout:47", "document DataReady:App", "detail DataReady:App",
                              "document DataReady:AppAccDetail", "detail DataReady:AppAccDetail"}));
    EXPECT_EQ(Reply("App", search), "The back office did not answer in time.");
    EXPECT_EQ(Reply("AppAccDetail", update), "Changed by someone else.");
}

TEST_F(MessageServiceTest, drops_reply_to_request_superseded_at_same_address) {
    auto form = Listen("form");
    const std::string older = SendTo("App");
    const std::string newer = SendTo("App");

    transport.held[0](Rows("OLD"));
    dispatcher.AdvanceTime(1s);
    const Events afterOlder = events;
    transport.held[1](Rows("NEW"));
    dispatcher.AdvanceTime(60s);

    EXPECT_TRUE(afterOlder.empty());
    EXPECT_EQ(events, (Events{"form DataReady:App"}));
    EXPECT_EQ(service.GetDataSet("ACNTSRCVBL", "App", older), nullptr);
    EXPECT_EQ(service.GetDataSet("ACNTSRCVBL", "App", newer)->Recordset()->Field("CUST_ID").ToText(), "NEW");
}

TEST_F(MessageServiceTest, tells_nothing_to_message_object_released_before_or_during_delivery) {
    auto kept = Listen("kept");
    auto released = Listen("released");
    auto releasedByHandler = Listen("releasedByHandler");
    kept->DataReady.Connect([&](const std::string&) { releasedByHandler.reset(); });
    SendTo("App");

    released.reset();
    transport.held[0](Rows("C1"));
    dispatcher.RunPending();

    EXPECT_EQ(events, (Events{"kept DataReady:App"}));
}

TEST_F(MessageServiceTest, hands_out_copies_so_editing_one_data_set_leaves_the_next_unchanged) {
    const std::string id = SendTo("App");
    transport.held[0](Rows("C1"));
    dispatcher.RunPending();

    auto first = service.GetDataSet("ACNTSRCVBL", "App", id);
    first->Recordset()->SetField("CUST_ID", FieldValue("EDITED"));
    first->Recordset()->AddNew();
    auto second = service.GetDataSet("ACNTSRCVBL", "App", id);

    EXPECT_EQ(second->Recordset()->RecordCount(), 1u);
    EXPECT_EQ(second->Recordset()->Field("CUST_ID").ToText(), "C1");
}

} // namespace
} // namespace tavrik
