#include "common/DataSet.h"
#include "tests/support/BackOfficeSession.h"
#include "tests/support/TestStore.h"

#include <gtest/gtest.h>

#include <string>

namespace tavrik {
namespace {

constexpr const char* kAddress = "TAVRIK ADJUSTWORKSHEET";

// A refund number as the worksheet takes it: the last listed at once (the reply refills the library's
// spares and never reaches the form's address), else the reply's.
std::string TakeNumber(BackOfficeSession& clerk) {
    std::string messageId;
    std::vector<FormNumberEntry> listed =
        clerk.session.CommonServices.RequestFormNumber("U", kAddress, messageId, {});
    clerk.DeliverReply();
    const std::string replyText = clerk.session.CommonServices.GetReply(kAddress, "test", messageId);
    if (!listed.empty())
        return replyText.starts_with("There is no reply")
                   ? "listed " + std::to_string(listed.back().GetFormNumber())
                   : "reply reached the form";
    if (!replyText.empty())
        return "error";
    std::shared_ptr<DataSet> reply = clerk.session.DataSetService.GetDataSet("REQ", kAddress, messageId);
    return "reply " + reply->Recordset()->Field("U").ToText();
}

using RequestFormNumberTest = StoreTest;

// The demo store hands out refund numbers from 109, three to a request.
TEST_P(RequestFormNumberTest, numbers_come_from_the_reply_then_from_the_spares_and_never_twice) {
    BackOfficeSession first(Engine(), "SUPER");
    BackOfficeSession second(first.testStore, "REFUNDS");

    std::vector<std::string> taken;
    for (BackOfficeSession* clerk : {&first, &first, &second, &first, &second})
        taken.push_back(TakeNumber(*clerk));

    // first: 109 from its reply (110, 111 kept), 110 listed (112-114 kept); second: 115 from its reply
    // (116, 117 kept); first: 111 listed; second: 116 listed.
    EXPECT_EQ(taken,
              (std::vector<std::string>{"reply 109", "listed 110", "reply 115", "listed 111", "listed 116"}));
}

TAVRIK_ON_BOTH_ENGINES(RequestFormNumberTest);

} // namespace
} // namespace tavrik
