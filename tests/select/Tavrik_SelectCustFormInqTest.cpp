#include "select/Tavrik_SelectCustFormInq.h"

#include "common/CheckDigit.h"
#include "tests/select/FakeReplies.h"
#include "tests/support/DocumentHarness.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tavrik {
namespace {

using namespace std::chrono_literals;
using ::testing::ElementsAre;
using Select = Tavrik_SelectCustFormInq;

std::string CheckDigitOf(const std::string& sevenDigits) {
    return std::to_string(*ComputeCheckDigit(sevenDigits));
}

ReplyMessage AcmeMatch() {
    return CustomerMatches({{"100001", "ACME FREIGHT LINES INC", "CARRIER", "SPRINGFIELD", "IL"}});
}

// Two citations, the later stop date first, as a reply need not be sorted.
ReplyMessage AcmeCitations() {
    const FieldValue null;
    return DataSetReply("CUSTOMERFORM",
                        {{CheckDigitOf("0012346"), 12346, null, *CalendarDate::FromYmd(2023, 6, 2), null,
                          *Currency::Parse("1120.00"), *Currency::Parse("1120.00"), "C", "O",
                          *Currency::Parse("1020.00"), null},
                         {CheckDigitOf("0012345"), 12345, null, *CalendarDate::FromYmd(2023, 3, 15), null,
                          *Currency::Parse("435.00"), *Currency::Parse("510.00"), "C", "P",
                          *Currency::Parse("347.50"), *CalendarDate::FromYmd(2023, 4, 10)}});
}

ReplyMessage AcmeReceipts() {
    return DataSetReply("CUSTRCPT", {{100001, *CalendarDate::FromYmd(2023, 4, 10), "O",
                                      *Currency::Parse("400.00"), CheckDigitOf("0100001")}});
}

ReplyMessage AcmeAlerts() {
    const FieldValue null;
    return DataSetReply("CUSTOMERFORM",
                        {{CheckDigitOf("0040001"), 40001, null, *CalendarDate::FromYmd(2023, 4, 20), null,
                          null, *Currency::Parse("150.00"), "A", "P", null, null}});
}

std::string OkState(Select& select) {
    return select.mCmdButton(Select::kOk).Enabled() ? "OK on" : "OK off";
}

// FileOpen with the Open Account dialog's type set and "Select Account" pressed; in Select Account
// the clerk types "acme", picks the match and the list's reply is delivered; then the script runs.
void ThroughSelectAccount(DocumentHarness& harness, const std::string& typeCode,
                          std::function<void(Select&)> script) {
    harness.platform.QueueScript([typeCode](Form& form) {
        auto& openAccount = dynamic_cast<Tavrik_FormInq&>(form);
        openAccount.mFtcboDocType(0).SetCode(typeCode);
        openAccount.mCmdBttn(Tavrik_FormInq::kSelectAccount).Press();
        if (openAccount.Visible())
            openAccount.mCmdBttn(Tavrik_FormInq::kCancel).Press();
    });
    harness.platform.QueueScript([&harness, script](Form& form) {
        auto& select = dynamic_cast<Select&>(form);
        select.Tavrik_CustSelect1.SetSearchText("acme");
        harness.DeliverReply();
        select.Tavrik_CustSelect1.PickMatch(0);
        harness.DeliverReply();
        script(select);
    });
    harness.document.FileOpen();
}

class SelectAccountRoad : public StoreTest {};

TEST_P(SelectAccountRoad, a_chosen_citation_comes_back_into_open_account_and_opens_in_the_document) {
    DocumentHarness harness(Engine());
    AnswerNextWith(harness, {AcmeMatch(), AcmeCitations()});
    std::string listed, okStates, statusBar, chosen;
    bool ignoredTheOpenersType = false;

    ThroughSelectAccount(harness, "C", [&](Select& select) {
        ignoredTheOpenersType = !select.IgnoreDocTypChange && select.mFtcboDocType(0).Code() == "C";
        listed = RenderGrid(select.mSdgGrid);
        statusBar = select.StatusBar1.Panels().at(0);
        okStates = OkState(select) + " ";
        select.mSdgGrid.ClickRow(0, false);
        okStates += OkState(select) + " ";
        select.mSdgGrid.ClickRow(1, true);
        okStates += OkState(select) + " ";
        select.mSdgGrid.ClickRow(0, false);
        okStates += OkState(select);
        select.mCmdButton(Select::kOk).Press();
        chosen = select.DocumentNumber() + "|" + select.Status() + "|" +
                 select.BalanceDue()->FormatRegional() + "|" + select.StopDate()->FormatUs() + "|" +
                 (select.IsCanceled ? "canceled" : "chosen");
    });
    harness.DeliverReply();

    const std::vector<RequestMessage> requests = harness.Requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[1].piNumber, 50);
    EXPECT_EQ(requests[1].formName, std::string(DocumentHarness::kTitle) + ".CustFormInq");
    EXPECT_THAT(requests[1].keys, ElementsAre(RequestKey{"key:REF_TYP_CD", "C", "=", "PENTRAX"},
                                              RequestKey{"key:CUST_ID", "100001", "=", "PENTRAX"}));
    EXPECT_TRUE(ignoredTheOpenersType);
    EXPECT_EQ(listed, ": Account # | Stop Date | Status | Original Assessment | Amount Due | "
                      "Last Payment Date |\n"
                      " 0012345-" +
                          CheckDigitOf("0012345") +
                          " | 03/15/2023 | PAID | $510.00 | $347.50 | 04/10/2023 |\n"
                          " 0012346-" +
                          CheckDigitOf("0012346") + " | 06/02/2023 | OPEN | $1,120.00 | $1,020.00 |  |\n");
    EXPECT_EQ(okStates, "OK off OK on OK off OK on");
    EXPECT_EQ(statusBar, "Displaying CITATIONs for ACME FREIGHT LINES INC");
    EXPECT_EQ(chosen, "0012345-" + CheckDigitOf("0012345") + "|PAID|$347.50|03/15/2023|chosen");
    EXPECT_THAT(harness.statuses, ::testing::Contains("Requesting CITATION for ACME FREIGHT LINES INC"));
    EXPECT_EQ(requests[2].piNumber, 47);
    EXPECT_THAT(requests[2].keys, ::testing::Contains(RequestKey{
                                      "key:REF_NBR", "0012345-" + CheckDigitOf("0012345"), "=", "PENTRAX"}));
    EXPECT_THAT(harness.RenderGrid(Tavrik_AdjustAcc::kReceivablesGrid), ::testing::HasSubstr("0012345"));
}

TEST_P(SelectAccountRoad, the_back_office_finds_the_customer_and_lists_its_citations) {
    DocumentHarness harness(Engine());
    std::string customer, listed, status;

    ThroughSelectAccount(harness, "C", [&](Select& select) {
        customer = select.Tavrik_CustSelect1.CustomerKey() + " " + select.Tavrik_CustSelect1.CustomerText();
        listed = RenderGrid(select.mSdgGrid);
        status = select.StatusBar1.Panels().at(0);
        select.mCmdButton(Select::kCancel).Press();
    });

    EXPECT_EQ(customer, "100001 ACME FREIGHT LINES INC");
    EXPECT_THAT(listed, ::testing::HasSubstr(" 0012345-" + CheckDigitOf("0012345") +
                                             " | 03/15/2023 | OPEN | $510.00 |"));
    EXPECT_EQ(status, "Displaying CITATIONs for ACME FREIGHT LINES INC");
    // The type came from the Open Account dialog: the window starts on the customer.
    EXPECT_THAT(harness.platform.focused, ::testing::Contains("Tavrik_CustSelect1"));
}

TEST_P(SelectAccountRoad, receipts_are_listed_with_their_own_columns_and_the_receipt_number_comes_back) {
    DocumentHarness harness(Engine());
    AnswerNextWith(harness, {AcmeMatch(), AcmeReceipts()});
    std::string listed;
    std::vector<RequestKey> keys;

    ThroughSelectAccount(harness, "R", [&](Select& select) {
        listed = RenderGrid(select.mSdgGrid);
        select.mSdgGrid.ClickRow(0, false);
        select.mCmdButton(Select::kOk).Press();
    });
    harness.DeliverReply();

    const std::vector<RequestMessage> requests = harness.Requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_THAT(requests[1].keys, ElementsAre(RequestKey{"key:CUSTRCPTS", "100001", "=", "PENTRAX"}));
    EXPECT_EQ(listed, ": Receipt # | Receipt Date | Status | Amount |\n"
                      " 0100001-" +
                          CheckDigitOf("0100001") + " | 04/10/2023 | OPEN | $400.00 |\n");
    EXPECT_THAT(requests[2].keys,
                ElementsAre(RequestKey{"key:REF_NBR", "0100001-" + CheckDigitOf("0100001"), "=", "PENTRAX"},
                            RequestKey{"key:REF_TYP_CD", "R", "=", "PENTRAX"}));
}

TEST_P(SelectAccountRoad, an_alert_comes_back_without_its_check_digit) {
    DocumentHarness harness(Engine());
    AnswerNextWith(harness, {AcmeMatch(), AcmeAlerts()});

    ThroughSelectAccount(harness, "A", [&](Select& select) {
        select.mSdgGrid.ClickRow(0, false);
        select.mCmdButton(Select::kOk).Press();
    });
    harness.DeliverReply();

    const std::vector<RequestMessage> requests = harness.Requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[2].KeyValue("key:REF_NBR"), "0040001");
}

TEST_P(SelectAccountRoad, a_reply_without_a_list_a_failure_and_a_time_out_each_say_so) {
    struct Case {
        const char* name;
        std::vector<ReplyMessage> replies;
        bool hold;
        std::string status;
        std::string box;
    };
    const Case cases[] = {
        {"no data set",
         {AcmeMatch(), ReplyMessage{}},
         false,
         "No CITATIONs returned for ACME FREIGHT LINES INC",
         "(none)"},
        {"refused",
         {AcmeMatch(), ReplyMessage::Error("The customer id is malformed.")},
         false,
         "Search was not successful",
         "The customer id is malformed."},
        {"timed out", {AcmeMatch()}, true, "Search timed out", "The back office did not answer in time."},
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        DocumentHarness harness(Engine());
        AnswerNextWith(harness, entry.replies);
        std::string status;

        harness.platform.QueueScript([](Form& form) {
            auto& openAccount = dynamic_cast<Tavrik_FormInq&>(form);
            openAccount.mFtcboDocType(0).SetCode("C");
            openAccount.mCmdBttn(Tavrik_FormInq::kSelectAccount).Press();
            openAccount.mCmdBttn(Tavrik_FormInq::kCancel).Press();
        });
        harness.platform.QueueScript([&](Form& form) {
            auto& select = dynamic_cast<Select&>(form);
            select.Tavrik_CustSelect1.SetSearchText("acme");
            harness.DeliverReply();
            if (entry.hold)
                harness.HoldReplies();
            select.Tavrik_CustSelect1.PickMatch(0);
            if (entry.hold)
                harness.dispatcher.AdvanceTime(31s);
            else
                harness.DeliverReply();
            status = select.StatusBar1.Panels().at(0);
            select.mCmdButton(Select::kCancel).Press();
        });
        harness.document.FileOpen();

        EXPECT_EQ(status, entry.status);
        EXPECT_EQ(harness.platform.messageBoxes.empty() ? "(none)"
                                                        : harness.platform.messageBoxes.back().text,
                  entry.box);
        EXPECT_EQ(harness.platform.LastPointer(), MousePointer::Default);
    }
}

TAVRIK_ON_BOTH_ENGINES(SelectAccountRoad);

} // namespace
} // namespace tavrik
