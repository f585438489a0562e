#include "tests/support/DocumentHarness.h"

#include "common/CheckDigit.h"
#include "receipt/Tavrik_PayDetail.h"
#include "receivable/Tavrik_AccDetail.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tavrik {
namespace {

using ::testing::ElementsAre;

constexpr const char* kAcmeReceivables =
    "Account Receivables: Name | Account Type | Account # | Stop Date | Original Assessment | Late Fee | "
    "Interest | "
    "Status | Amount Due |\n"
    " ACME FREIGHT LINES INC | CITATION | 0012345 | 03/15/2023 | $510.00 | $0.00 | $12.50 | OPEN | $347.50 "
    "|\n"
    " ACME FREIGHT LINES INC | CITATION | 0012346 | 06/02/2023 | $1,120.00 | $0.00 | $0.00 | OPEN | "
    "$1,020.00 |\n"
    " ACME FREIGHT LINES INC | CITATION | 0012350 | 05/05/2023 | $80.00 | $0.00 | $0.00 | OPEN | $80.00 |\n"
    " ACME FREIGHT LINES INC | CITATION | 0012351 | 05/06/2023 | $45.00 | $0.00 | $0.00 | OPEN | $45.00 |\n"
    " ACME FREIGHT LINES INC | CITATION | 0012352 | 06/15/2023 | $250.00 | $0.00 | $0.00 | PAID | $0.00 |\n"
    " ACME FREIGHT LINES INC | CITATION | 0012353 | 06/16/2023 | $90.00 | $0.00 | $0.00 | DELETED | $0.00 |\n"
    " ACME FREIGHT LINES INC | CITATION | 0012354 | 06/17/2023 | $350.00 | $0.00 | $0.00 | CLOSED | $350.00 "
    "|\n"
    " ACME FREIGHT LINES INC | TEMPORARY PERMIT | 0020001 | 02/01/2023 | $35.00 | $0.00 | $0.00 | PAID | "
    "$0.00 |\n"
    " ACME FREIGHT LINES INC | PAYMENT PLAN | 0030001 | 01/10/2023 | $600.00 | $0.00 | $0.00 | OPEN | "
    "$600.00 |\n"
    " ACME FREIGHT LINES INC | ALERT | 0040001 | 04/20/2023 | $150.00 | $0.00 | $0.00 | PAID | $0.00 |\n"
    " ACME FREIGHT LINES INC | CITATION | 1999999 | 11/30/2022 | $250.00 | $0.00 | $0.00 | VOID | $0.00 |\n"
    " ACME FREIGHT LINES INC | CITATION | 2000000 | 12/01/2022 | $250.00 | $0.00 | $0.00 | VOID | $0.00 |\n"
    " ACME FREIGHT LINES INC | CITATION | 2000001 | 09/01/2023 | $175.00 | $0.00 | $0.00 | OPEN | $175.00 "
    "|\n";

// Receipt 0100003 and 0100004 have no excess fund: their excess shows "0.00".
constexpr const char* kAcmeReceipts =
    "Receipts: Payment Date | Receipt # | Status | Payment Amount | Excess Amount |\n"
    " 04/10/2023 | 0100001 | OPEN | $400.00 | $25.00 |\n"
    " 05/02/2023 | 0100002 | OPEN | $160.00 | $10.00 |\n"
    " 05/20/2023 | 0100003 | BACKED OUT | $80.00 | 0.00 |\n"
    " 06/05/2023 | 0100004 | CANCELED | $45.00 | 0.00 |\n"
    " 07/01/2023 | 0100005 | OPEN | $300.00 | $50.00 |\n"
    " 08/15/2023 | 0100006 | OPEN | $500.00 | $50.00 |\n";

std::string WithCheckDigit(const std::string& sevenDigits) {
    return sevenDigits + "-" + std::to_string(*ComputeCheckDigit(sevenDigits));
}

class DocumentScenario : public StoreTest {};

// A citation by its five digits, or a receipt by its number, as the dialog completes it: one search
// of that reference, and the customer's two lists.
TEST_P(DocumentScenario, opens_an_account_by_type_and_short_number_and_fills_both_lists) {
    struct Case {
        const char* type;
        const char* typed;
        std::string reference;
        std::string searching;
    };
    const Case cases[] = {
        {"C", "12345", WithCheckDigit("0012345"),
         "Searching for CITATION number " + WithCheckDigit("0012345")},
        {"R", "100001", "0100001-7", "Searching for RECEIPT number 0100001-7"},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.type);
        DocumentHarness harness(Engine());

        harness.OpenAccount(each.type, each.typed);
        const std::vector<std::string> statusesBeforeReply = harness.statuses;
        const MousePointer pointerBeforeReply = harness.platform.LastPointer();
        harness.DeliverReply();

        ASSERT_EQ(harness.Requests().size(), 1u);
        const RequestMessage request = harness.Requests().front();
        EXPECT_EQ(request.piNumber, 47);
        EXPECT_EQ(request.formName, DocumentHarness::kTitle);
        EXPECT_EQ(request.appVersion, "1.0");
        EXPECT_EQ(request.userId, "SUPER");
        EXPECT_THAT(request.keys, ElementsAre(RequestKey{"key:REF_NBR", each.reference, "=", "PENTRAX"},
                                              RequestKey{"key:REF_TYP_CD", each.type, "=", "PENTRAX"}));
        EXPECT_EQ(statusesBeforeReply.back(), each.searching);
        EXPECT_EQ(pointerBeforeReply, MousePointer::Hourglass);
        EXPECT_TRUE(harness.platform.messageBoxes.empty());
        EXPECT_EQ(harness.statuses.back(), "Ready");
        EXPECT_EQ(harness.platform.LastPointer(), MousePointer::Default);
        EXPECT_TRUE(harness.document.DataChanged());
        EXPECT_EQ(harness.RenderGrid(Tavrik_AdjustAcc::kReceivablesGrid), kAcmeReceivables);
        EXPECT_EQ(harness.RenderGrid(Tavrik_AdjustAcc::kReceiptsGrid), kAcmeReceipts);
        EXPECT_EQ(harness.document.mAdodc1.Recordset()->SortText(), "CUST_ID,ACCT_RCVBL_NBR");
        EXPECT_EQ(harness.document.mAdodc2.Recordset()->SortText(), "RCPT_NBR");
    }
}

// The lists are bound afresh at each open; the column style must survive it.
TEST_P(DocumentScenario, grids_keep_their_unbold_style_and_bold_heads_after_an_open) {
    DocumentHarness harness(Engine());

    harness.OpenAccount("C", "12345");
    harness.DeliverReply();

    for (int grid : {Tavrik_AdjustAcc::kReceivablesGrid, Tavrik_AdjustAcc::kReceiptsGrid}) {
        SCOPED_TRACE(grid);
        const SSOleDBGrid& shown = harness.document.mSdgDBGrid(grid);
        for (const GridColumn& column : shown.Columns())
            EXPECT_EQ(column.styleSet, "UNBOLD") << column.name;
        EXPECT_TRUE(shown.HeadFontBold());
        EXPECT_FALSE(shown.StyleSetBold("UNBOLD"));
    }
}

// An account that is not found empties the lists and the caption's reference, with no box; the next
// search clears the "not found".
TEST_P(DocumentScenario, caption_and_status_follow_each_search_found_or_not) {
    DocumentHarness harness(Engine());
    const std::string atShow = harness.document.DocumentCaption();

    harness.OpenAccount("C", "12345");
    const std::string whileSearching = harness.document.DocumentCaption();
    harness.DeliverReply();
    const std::string opened = harness.document.DocumentCaption();
    harness.OpenAccount("C", "99999");
    harness.DeliverReply();
    const std::string notFound =
        harness.statuses.back() + " | " + harness.document.DocumentCaption() + " | rows " +
        std::to_string(harness.document.mSdgDBGrid(Tavrik_AdjustAcc::kReceivablesGrid).Rows()) +
        (harness.document.DataChanged() ? " | changed" : "");
    harness.OpenAccount("C", "12345");
    harness.DeliverReply();

    EXPECT_EQ(atShow, "Account Adjustment");
    EXPECT_EQ(whileSearching, "Account Adjustment - CITATION " + WithCheckDigit("0012345"));
    EXPECT_EQ(opened, "Account Adjustment - ACME FREIGHT LINES INC - CITATION " + WithCheckDigit("0012345"));
    EXPECT_EQ(notFound, "msg: CITATION number " + WithCheckDigit("0099999") +
                            " not found | Account Adjustment | rows 0");
    EXPECT_TRUE(harness.platform.messageBoxes.empty());
    EXPECT_EQ(harness.library.Status().StatusMsgText(), "");
    EXPECT_EQ(harness.library.Status().StatusText(), "Ready");
}

TEST_P(DocumentScenario, ignores_a_reply_addressed_to_another_form) {
    DocumentHarness harness(Engine());
    harness.OpenAccount("C", "12345");
    harness.DeliverReply();
    const std::size_t statusCount = harness.statuses.size();

    harness.document.moKovraMessage_DataReady(std::string(DocumentHarness::kTitle) + "PayDetail");

    EXPECT_EQ(harness.statuses.size(), statusCount);
    EXPECT_EQ(harness.document.mSdgDBGrid(Tavrik_AdjustAcc::kReceivablesGrid).Rows(), 13u);
    EXPECT_TRUE(harness.document.DataChanged());
}

TEST_P(DocumentScenario, keeps_the_reference_and_drops_the_late_reply_when_the_search_times_out) {
    DocumentHarness harness(Engine());
    harness.HoldReplies();
    harness.OpenAccount("C", "12345");

    harness.dispatcher.AdvanceTime(std::chrono::seconds(31));
    const std::vector<ShownMessageBox> boxes = harness.platform.messageBoxes;
    const std::string statusAfterTimeout = harness.statuses.back();
    harness.ReleaseReplies();
    harness.dispatcher.WaitForPosted(std::chrono::seconds(2));
    harness.dispatcher.RunPending();

    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "The back office did not answer in time.");
    EXPECT_EQ(boxes[0].icon, MsgBoxIcon::Critical);
    EXPECT_EQ(boxes[0].title, DocumentHarness::kHostCaption);
    EXPECT_EQ(statusAfterTimeout, "Search timed out");
    EXPECT_EQ(harness.statuses.back(), "Search timed out");
    EXPECT_TRUE(harness.document.DataChanged());
    EXPECT_EQ(harness.document.mSdgDBGrid(Tavrik_AdjustAcc::kReceivablesGrid).Rows(), 0u);
    EXPECT_EQ(harness.platform.LastPointer(), MousePointer::Default);
}

TEST_P(DocumentScenario, reports_the_back_office_error_and_clears_the_reference_when_a_search_fails) {
    DocumentHarness harness(Engine());

    harness.OpenWith([](Tavrik_FormInq& dialog) {
        dialog.mFtcboDocType(0).SetCode("K");
        dialog.mTxtDocNbr(0).SetText(std::string(10000, '7'));
        dialog.mCmdBttn(Tavrik_FormInq::kOk).Press();
    });
    harness.DeliverReply();

    ASSERT_EQ(harness.platform.messageBoxes.size(), 1u);
    EXPECT_EQ(harness.platform.messageBoxes[0].text,
              "The check number \"" + std::string(40, '7') +
                  "...\" is not valid: use only letters and digits, at most 20.");
    EXPECT_LT(harness.platform.messageBoxes[0].text.size(), 200u);
    EXPECT_EQ(harness.statuses.back(), "Search was not successful");
    EXPECT_FALSE(harness.document.DataChanged());
}

TEST_P(DocumentScenario, enables_only_the_button_of_the_grid_with_exactly_one_selected_row) {
    DocumentHarness harness(Engine());
    harness.OpenAccount("C", "12345");
    harness.DeliverReply();
    SSOleDBGrid& receivables = harness.document.mSdgDBGrid(Tavrik_AdjustAcc::kReceivablesGrid);
    SSOleDBGrid& receipts = harness.document.mSdgDBGrid(Tavrik_AdjustAcc::kReceiptsGrid);
    CommandButton& arDetail = harness.document.mCmdButton(Tavrik_AdjustAcc::kArDetail);
    CommandButton& receiptDetail = harness.document.mCmdButton(Tavrik_AdjustAcc::kReceiptDetail);

    receivables.ClickRow(2, false);
    const bool arEnabledWithOne = arDetail.Enabled();
    const std::string currentAccount = receivables.CellText("ACCT_RCVBL_NBR");
    receivables.ClickRow(3, true);
    const bool arEnabledWithTwo = arDetail.Enabled();
    receipts.ClickRow(1, false);

    EXPECT_TRUE(arEnabledWithOne);
    EXPECT_EQ(currentAccount, "0012350");
    EXPECT_FALSE(arEnabledWithTwo);
    EXPECT_TRUE(receiptDetail.Enabled());
    EXPECT_FALSE(arDetail.Enabled());
    EXPECT_TRUE(receivables.SelBookmarks().empty());
    EXPECT_EQ(receipts.CellText("RCPT_NBR"), "0100002");
}

TEST_P(DocumentScenario, double_click_presses_the_detail_button_of_its_list_only_when_it_is_enabled) {
    struct Case {
        const char* name;
        int grid;
        std::vector<std::size_t> selectedRows;
        const char* expected;
    };
    const Case cases[] = {
        {"one receivable opens its AR", 0, {2}, "AR 0012350"},
        {"two receivables press nothing", 0, {2, 3}, ""},
        {"one receipt opens its receipt", 1, {1}, "Receipt 0100002"},
        {"nothing selected presses nothing", 1, {}, ""},
    };
    for (const Case& testCase : cases) {
        DocumentHarness harness(Engine());
        harness.OpenAccount("C", "12345");
        harness.DeliverReply();
        SSOleDBGrid& grid = harness.document.mSdgDBGrid(testCase.grid);
        for (std::size_t row : testCase.selectedRows)
            grid.ClickRow(row, row != testCase.selectedRows.front());
        std::string outcome;
        harness.platform.QueueScript([&](Form& form) {
            if (auto* receipt = dynamic_cast<Tavrik_PayDetail*>(&form))
                outcome = "Receipt " + receipt->mLblData(Tavrik_PayDetail::kReceiptNumber).Caption();
            else
                outcome =
                    "AR " +
                    dynamic_cast<Tavrik_AccDetail&>(form).mLblAdjust(Tavrik_AccDetail::kArNumber).Caption();
            form.Hide();
        });

        grid.DblClick.Raise();

        for (const ShownMessageBox& box : harness.platform.messageBoxes)
            outcome += "box " + box.text;
        EXPECT_EQ(outcome, testCase.expected) << testCase.name;
    }
}

TEST_P(DocumentScenario,
       the_dialog_starts_on_citations_and_cancel_keeps_the_lists_but_disables_both_buttons) {
    DocumentHarness harness(Engine());
    harness.OpenAccount("C", "12345");
    harness.DeliverReply();
    harness.document.mSdgDBGrid(Tavrik_AdjustAcc::kReceivablesGrid).ClickRow(0, false);

    std::string startedOn;
    harness.OpenWith([&](Tavrik_FormInq& dialog) {
        startedOn = dialog.mFtcboDocType(0).Code();
        dialog.mCmdBttn(Tavrik_FormInq::kCancel).Press();
    });

    EXPECT_EQ(startedOn, "C");
    EXPECT_EQ(harness.RenderGrid(Tavrik_AdjustAcc::kReceivablesGrid), kAcmeReceivables);
    EXPECT_FALSE(harness.document.mCmdButton(Tavrik_AdjustAcc::kArDetail).Enabled());
    EXPECT_FALSE(harness.document.mCmdButton(Tavrik_AdjustAcc::kReceiptDetail).Enabled());
    EXPECT_EQ(harness.Requests().size(), 1u);
    EXPECT_FALSE(harness.session.Forms.IsLoaded(Tavrik_FormInq::kFormName));
}

TEST_P(DocumentScenario, switches_the_host_toolbar_and_keeps_one_message_object_across_shows) {
    DocumentHarness harness(Engine());
    std::vector<std::string> toolbar;
    harness.library.Status().ToolbarButtonChanged.Connect(
        [&](int button, bool enabled, const std::string& tag) {
            toolbar.push_back(std::to_string(button) + (enabled ? "+" : "-") + tag);
        });
    const std::shared_ptr<MessageObject> first = harness.document.MessageObjectInUse();

    harness.document.UserDocument_Show("HOST-2", "Second");
    const std::shared_ptr<MessageObject> second = harness.document.MessageObjectInUse();
    harness.OpenAccount("C", "12345");
    const bool closed = harness.document.CloseDocument();
    harness.document.BeforeUnload();

    EXPECT_EQ(first, second);
    EXPECT_TRUE(closed);
    EXPECT_THAT(toolbar, ElementsAre("8+HOST-2", "7-HOST-2", "9-HOST-2", "12-HOST-2", "14-HOST-2", "7+HOST-2",
                                     "9+HOST-2", "12+HOST-2", "14+HOST-2", "7+HOST-2", "9+HOST-2",
                                     "12+HOST-2", "14+HOST-2"));
    EXPECT_EQ(harness.document.MessageObjectInUse(), nullptr);
    EXPECT_EQ(harness.session.gsHostCaption, "Second");
}

TEST_P(DocumentScenario, reports_a_failing_resize_under_its_own_procedure_name) {
    DocumentHarness harness(Engine());
    harness.document.mSdgDBGrid(Tavrik_AdjustAcc::kReceivablesGrid).Refreshed.Connect([] {
        throw std::runtime_error("The grid cannot be drawn.");
    });

    harness.document.UserDocument_Resize();

    ASSERT_EQ(harness.platform.messageBoxes.size(), 1u);
    EXPECT_EQ(harness.platform.messageBoxes[0].text,
              "The grid cannot be drawn.\r\n\r\nTavrik_AdjustAcc.UserDocument_Resize");
}

} // namespace
TAVRIK_ON_BOTH_ENGINES(DocumentScenario);

} // namespace tavrik
