#include "receipt/Tavrik_PayDetail.h"

#include "common/RequestNumbers.h"
#include "refund/Tavrik_WorkSheet.h"
#include "tests/receipt/ReceiptDetailRoad.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace tavrik {
namespace {

using namespace std::chrono_literals;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Not;
using Detail = Tavrik_PayDetail;

std::string Buttons(Detail& detail) {
    std::string text;
    for (int index : {Detail::kTransferPayment, Detail::kCreateRefund, Detail::kSave, Detail::kClose})
        text += detail.mCmdButton(index).Caption() + ":" + OnOff(detail.mCmdButton(index).Enabled()) + " ";
    return text;
}

std::string Header(Detail& detail) {
    std::string text;
    for (int index : {Detail::kReceiptNumber, Detail::kPaymentAmount, Detail::kStatus, Detail::kCustomerId,
                      Detail::kReceiptDate, Detail::kConfirmation})
        text += detail.mLblData(index).Caption() + "|";
    return text;
}

std::string LastBox(const DocumentHarness& harness) {
    return harness.platform.messageBoxes.empty() ? "(none)" : harness.platform.messageBoxes.back().text;
}

class ReceiptDetailRoad : public StoreTest {};
class ReceiptDetailCheckEdit : public StoreTest {};
class ReceiptDetailDisplay : public StoreTest {};
class ReceiptDetailAccess : public StoreTest {};
class ReceiptDetailRecovery : public StoreTest {};
class ReceiptDetailRefund : public StoreTest {};

// Every message box shown, one a line, with its icon, buttons and title.
std::string Boxes(const DocumentHarness& harness) {
    std::string text;
    for (const ShownMessageBox& box : harness.platform.messageBoxes)
        text += std::string(box.icon == MsgBoxIcon::Exclamation ? "exclamation" : "other icon") +
                (box.buttons == MsgBoxButtons::OK ? " OK " : " other buttons ") + box.title + ": " +
                box.text + "\n";
    return text;
}

// What the receipt detail window hands the worksheet: its value labels, status, customer, and the
// controls it hides, disables or chooses.
std::string Worksheet(Tavrik_WorkSheet& sheet) {
    std::string text;
    for (int label = Tavrik_WorkSheet::kRefundNumber; label <= Tavrik_WorkSheet::kReceiptNumber; ++label)
        text += sheet.mLblData(label).Caption() + "|";
    return text + " status:" + sheet.mStrStatusMode + " customer:" + sheet.mStrCustomerId +
           " mailed:" + OnOff(sheet.Tavrik_DTP1(Tavrik_WorkSheet::kDateMailed).Visible()) +
           " bottom:" + OnOff(sheet.mFraRefund(Tavrik_WorkSheet::kBottomFrame).Visible()) +
           " void:" + OnOff(sheet.mCmdButton(Tavrik_WorkSheet::kVoid).Enabled()) +
           " taxpayer:" + OnOff(sheet.mRdo(Tavrik_WorkSheet::kToTaxpayer).Value());
}

TEST_P(ReceiptDetailRoad, backing_out_a_payment_sends_it_reloads_the_grids_and_refreshes_the_lists) {
    DocumentHarness harness(Engine());
    std::string onOpen, afterSave;
    bool lockedWhilePending = false;
    bool dirtyAfterReply = false;
    const std::string comment = "Zurückgebucht – \"ÅÉ\" 'x'";

    WithReceiptDetail(harness, "0100001", [&](Detail& detail) {
        onOpen = Header(detail) + "\n" + RenderGrid(detail.mSdgDBGrid(Detail::kFundsGrid)) +
                 RenderGrid(detail.mSdgDBGrid(Detail::kPaymentsGrid)) +
                 RenderGrid(detail.mSdgDBGrid(Detail::kExcessGrid)) + Buttons(detail);
        ChooseAction(detail, "0012345", "BACKOUT");
        DateAndComment(detail, 2026, 12, 6, comment);
        detail.mCmdButton(Detail::kSave).Press();
        lockedWhilePending = detail.IsSavePending() && !detail.Tavrik_DTP1(0).Enabled() &&
                             !detail.Tavrik_CodesCombo(0).Enabled() && !detail.mTxtAdjust(0).Enabled() &&
                             !detail.mCmdButton(Detail::kSave).Enabled() &&
                             !detail.mSdgDBGrid(Detail::kPaymentsGrid).Enabled() &&
                             detail.mCmdButton(Detail::kClose).Enabled() &&
                             harness.platform.LastPointer() == MousePointer::Hourglass;
        harness.DeliverReply();
        dirtyAfterReply = detail.mBlnDirty && !detail.IsSavePending();
        afterSave = RenderGrid(detail.mSdgDBGrid(Detail::kPaymentsGrid)) +
                    RenderGrid(detail.mSdgDBGrid(Detail::kExcessGrid)) + Buttons(detail) + "|" +
                    detail.mTxtAdjust(0).Text() + "|" + harness.statuses.back();
        harness.platform.QueueAnswer(MsgBoxAnswer::OK); // the money backed out is still open: leave anyway
        detail.mCmdButton(Detail::kClose).Press();
    });
    harness.DeliverReply();

    const std::vector<RequestMessage> requests = harness.Requests();
    ASSERT_EQ(requests.size(), 4u);
    EXPECT_EQ(requests[1].piNumber, 47);
    EXPECT_EQ(requests[1].formName, std::string(DocumentHarness::kTitle) + "PayDetail");
    EXPECT_THAT(requests[1].keys, ElementsAre(RequestKey{"key:RECEIPT_NBR", "0100001", "=", "PENTRAX"},
                                              RequestKey{"key:RECEIPT_DETL", "YES", "=", "PENTRAX"}));
    EXPECT_EQ(
        onOpen,
        "0100001|$400.00|OPEN|100001|04/10/2023|CNF230410-01|\n"
        "Funds: Fund Type | Reference # | Fund Amount | Expiration Date |\n"
        " CHECK | 1001 | $350.00 | N/A |\n"
        " CASH | N/A | $50.00 | N/A |\n"
        "Account Receivable Payments: Name | AR Type | AR # | Due Date | Amount Paid | Adjust Date | "
        "Status | Action |\n"
        " ACME FREIGHT LINES INC | CITATION | 0012345 | 04/14/2023 | $100.00 |  |  |  |\n"
        " ACME FREIGHT LINES INC | TEMPORARY PERMIT | 0020001 | 03/03/2023 | $35.00 |  |  |  |\n"
        " ACME FREIGHT LINES INC | PAYMENT PLAN | 0030001 | 02/09/2023 | $265.00 | 05/01/2023 | BACKOUT "
        "|  |\n"
        "Excess Fund: Name | Status | To | Amount |\n"
        " ACME FREIGHT LINES INC | OPEN |  | $25.00 |\n"
        "Transfer Payment:off Create Refund:off Save:on Close:on ");
    const RequestMessage& save = requests[2];
    EXPECT_EQ(save.piNumber, 48);
    EXPECT_EQ(save.formName, std::string(DocumentHarness::kTitle) + "PayDetail");
    EXPECT_THAT(save.keys, ElementsAre(RequestKey{"key:RECEIPT_NBR", "0100001", "=", "PENTRAX"},
                                       RequestKey{"key:RECEIPT_DETL", "YES", "=", "PENTRAX"}));
    EXPECT_EQ(RenderRows(save, "ADJUSTPAY"), "ACTION=ADD ADJSTMT_DT=2026-12-06 ADJSTMT_CMMT_TXT=" + comment +
                                                 " ADJSTMT_TYP_CD= RCPT_NBR=0100001 \n");
    EXPECT_EQ(
        RenderRows(save, "ACNTSRCVBL"),
        "CUST_ID=100001 ACCT_RCVBL_NBR=0012345 ACCT_RCVBL_CK_NBR=5 ACCT_RCVBL_TYP_CD=C CL_PYMT_AMT=100.00 "
        "ADJSTMT_DT=2026-12-06 ACTION=UPD ADJST_ACTION=B TRNSCTN_NBR=700001 TRNSCTN_DT=2023-04-10 \n");
    EXPECT_TRUE(lockedWhilePending);
    EXPECT_TRUE(dirtyAfterReply);
    EXPECT_EQ(
        afterSave,
        "Account Receivable Payments: Name | AR Type | AR # | Due Date | Amount Paid | Adjust Date | Status "
        "| "
        "Action |\n"
        " ACME FREIGHT LINES INC | CITATION | 0012345 | 04/14/2023 | $100.00 | 12/06/2026 | BACKOUT |  |\n"
        " ACME FREIGHT LINES INC | TEMPORARY PERMIT | 0020001 | 03/03/2023 | $35.00 |  |  |  |\n"
        " ACME FREIGHT LINES INC | PAYMENT PLAN | 0030001 | 02/09/2023 | $265.00 | 05/01/2023 | BACKOUT |  "
        "|\n"
        "Excess Fund: Name | Status | To | Amount |\n"
        " ACME FREIGHT LINES INC | OPEN |  | $25.00 |\n"
        " ACME FREIGHT LINES INC | OPEN |  | $100.00 |\n"
        "Transfer Payment:off Create Refund:off Save:on Close:on ||Ready");
    EXPECT_EQ(requests[3].piNumber, 47);
    EXPECT_EQ(requests[3].keys.front().name, "key:REF_NBR");
}

TEST_P(ReceiptDetailRoad, backing_out_the_whole_receipt_sends_only_the_payments_not_yet_adjusted) {
    DocumentHarness harness(Engine());
    std::string afterReply;

    WithReceiptDetail(harness, "0100001", [&](Detail& detail) {
        detail.Tavrik_CodesCombo(0).SetCode("B");
        DateAndComment(detail, 2026, 12, 5, "Check returned");
        detail.mCmdButton(Detail::kSave).Press();
        harness.DeliverReply();
        afterReply = Header(detail) + Buttons(detail);
        detail.Hide();
    });

    const std::vector<RequestMessage> requests = harness.Requests();
    ASSERT_GE(requests.size(), 3u);
    EXPECT_EQ(RenderRows(requests[2], "ADJUSTPAY"), "ACTION=ADD ADJSTMT_DT=2026-12-05 ADJSTMT_CMMT_TXT=Check "
                                                    "returned ADJSTMT_TYP_CD=B RCPT_NBR=0100001 \n");
    EXPECT_EQ(
        RenderRows(requests[2], "ACNTSRCVBL"),
        "CUST_ID=100001 ACCT_RCVBL_NBR=0012345 ACCT_RCVBL_CK_NBR=5 ACCT_RCVBL_TYP_CD=C CL_PYMT_AMT=100.00 "
        "ADJSTMT_DT=2026-12-06 ACTION=UPD ADJST_ACTION=B TRNSCTN_NBR=700001 TRNSCTN_DT=2023-04-10 \n"
        "CUST_ID=100001 ACCT_RCVBL_NBR=0020001 ACCT_RCVBL_CK_NBR=4 ACCT_RCVBL_TYP_CD=T CL_PYMT_AMT=35.00 "
        "ADJSTMT_DT=2026-12-06 ACTION=UPD ADJST_ACTION=B TRNSCTN_NBR=700002 TRNSCTN_DT=2023-04-10 \n");
    // A backed-out receipt may still be canceled: "Save" stays on.
    EXPECT_EQ(afterReply,
              "0100001|$400.00|BACKED OUT|100001|04/10/2023|CNF230410-01|Transfer Payment:off Create "
              "Refund:off Save:on Close:on ");
}

TEST_P(ReceiptDetailRoad, the_documents_receivables_reply_fills_the_open_receipts_payments_grid) {
    DocumentHarness harness(Engine());
    std::string payments;

    WithReceiptDetail(harness, "0100001", [&](Detail& detail) {
        harness.OpenAccount("C", "12345");
        harness.DeliverReply();
        payments = RenderGrid(detail.mSdgDBGrid(Detail::kPaymentsGrid));
        detail.Hide();
    });

    // The document's list of ARs, as the payments grid shows it: no payment fields.
    EXPECT_EQ(payments.substr(0, payments.find('\n', payments.find('\n') + 1) + 1),
              "Account Receivable Payments: Name | AR Type | AR # | Due Date | Amount Paid | Adjust Date | "
              "Status | "
              "Action |\n"
              " ACME FREIGHT LINES INC | CITATION | 0012345 | 04/14/2023 |  |  |  |  |\n");
    EXPECT_EQ(std::count(payments.begin(), payments.end(), '\n'), 14);
}

// Each case opens a receipt, enters what it says and presses "Save": the whole text of the check,
// and nothing sent when it finds anything.
TEST_P(ReceiptDetailCheckEdit, reports_every_failing_rule_in_order_and_sends_only_a_clean_adjustment) {
    struct Case {
        const char* name;
        const char* receipt;
        std::function<void(Detail&)> enter;
        const char* expected;
    };
    const auto with = [](const char* code, int year, unsigned month, unsigned day, const char* payment = "") {
        return [=](Detail& detail) {
            detail.Tavrik_CodesCombo(0).SetCode(code);
            if (*payment != '\0')
                ChooseAction(detail, payment, "BACKOUT");
            DateAndComment(detail, year, month, day, "Comment");
        };
    };
    const Case cases[] = {
        {"nothing entered", "0100001", [](Detail&) {},
         "Adjusted Date is required\r\nPlease adjust the receipt or a payment against an account "
         "receivable\r\nComment is required\r\n"},
        {"today", "0100001", with("B", 2026, 12, 6), ""},
        {"tomorrow", "0100001", with("B", 2026, 12, 7), "Date Adjusted must be today or a prior date\r\n"},
        {"the receipt date", "0100001", with("B", 2023, 4, 10), ""},
        {"the day before the receipt", "0100001", with("B", 2023, 4, 9),
         "Date Adjusted could not be earlier than payment date\r\n"},
        {"back out with every payment adjusted", "0100006", with("B", 2026, 12, 1), ""},
        {"cancel with every payment adjusted", "0100006", with("C", 2026, 12, 1),
         "No payments remain to adjust out\r\n"},
        {"receipt and payment at once", "0100001", with("B", 2026, 12, 1, "0012345"),
         "Can not adjust the receipt and adjust a payment at the same time\r\n"},
        {"blank comment", "0100001",
         [](Detail& detail) {
             ChooseAction(detail, "0012345", "BACKOUT");
             detail.Tavrik_DTP1(0).SetValue(CalendarDate::FromYmd(2026, 12, 1));
             detail.mTxtAdjust(0).TypeText("   ");
         },
         "Comment is required\r\n"},
        {"backed-out receipt backed out again", "0100003", with("B", 2026, 12, 1),
         "Can not save a backed out receipt\r\n"},
        {"canceled receipt", "0100004", with("C", 2026, 12, 1),
         "No payments remain to adjust out\r\nCan not save a canceled receipt\r\n"},
        {"payment backed out before", "0100001", with("", 2026, 12, 1, "0030001"),
         "Can not save a payment that has been backed out or canceled\r\n"},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        DocumentHarness harness(Engine());
        std::string checked, shown;
        std::size_t sent = 0;

        WithReceiptDetail(harness, each.receipt, [&](Detail& detail) {
            each.enter(detail);
            detail.CheckEdit();
            checked = detail.ErrorText();
            const bool saveOn = detail.mCmdButton(Detail::kSave).Enabled();
            const std::size_t before = harness.Requests().size();
            detail.mCmdButton(Detail::kSave).Press();
            shown = saveOn && !detail.IsSavePending() ? LastBox(harness) : each.expected;
            if (detail.IsSavePending())
                harness.DeliverReply();
            sent = harness.Requests().size() - before;
            detail.Hide();
        });

        EXPECT_EQ(checked, each.expected);
        EXPECT_EQ(shown, each.expected);
        EXPECT_EQ(sent, *each.expected == '\0' ? 1u : 0u);
    }
}

TEST_P(ReceiptDetailCheckEdit, a_save_with_nothing_entered_is_not_sent_and_only_the_status_says_so) {
    DocumentHarness harness(Engine());
    std::size_t sentBefore = 0;

    WithReceiptDetail(harness, "0100001", [&](Detail& detail) {
        sentBefore = harness.Requests().size();
        detail.SaveData();
        detail.Hide();
    });

    EXPECT_EQ(harness.Requests().size(), sentBefore);
    EXPECT_TRUE(harness.platform.messageBoxes.empty());
    EXPECT_EQ(harness.statuses.back(), "Data did not change.  Save request canceled. ");
}

TEST_P(ReceiptDetailCheckEdit, leaving_a_field_colours_the_failures_without_a_message) {
    DocumentHarness harness(Engine());
    std::string colours;

    WithReceiptDetail(harness, "0100001", [&](Detail& detail) {
        detail.Tavrik_DTP1(0).SetValue(CalendarDate::FromYmd(2026, 12, 7));
        detail.Tavrik_DTP1(0).LostFocus.Raise();
        for (const Control* control : std::initializer_list<const Control*>{
                 &detail.Tavrik_DTP1(0), &detail.Tavrik_CodesCombo(0), &detail.mTxtAdjust(0)})
            colours += control->Color() == FieldColor::Error ? "error " : "normal ";
        detail.Hide();
    });

    EXPECT_EQ(colours, "error error error ");
    EXPECT_TRUE(harness.platform.messageBoxes.empty());
}

TEST_P(ReceiptDetailDisplay, decorates_funds_payments_and_excess_funds_and_follows_the_receipt_status) {
    const std::pair<const char*, const char*> receipts[] = {
        {"0100002",
         "0100002|$160.00|OPEN|100001|05/02/2023||\n"
         "Funds: Fund Type | Reference # | Fund Amount | Expiration Date |\n"
         " CREDIT CARD | XXXXXXXXXXXX4242 | $100.00 | 12/31/2026 |\n"
         " CREDIT CARD | XXXXXXXXXXXX1881 | $60.00 | 07/2025 |\n"
         "Account Receivable Payments: Name | AR Type | AR # | Due Date | Amount Paid | Adjust Date | "
         "Status | Action |\n"
         " ACME FREIGHT LINES INC | ALERT | 0040001 | 05/20/2023 | $150.00 |  |  |  |\n"
         "Excess Fund: Name | Status | To | Amount |\n"
         " ACME FREIGHT LINES INC | OPEN |  | $10.00 |\n"
         "Transfer Payment:off Create Refund:off Save:on Close:on "},
        {"0100004",
         "0100004|$45.00|CANCELED|100001|06/05/2023|CNF230605-02|\n"
         "Funds: Fund Type | Reference # | Fund Amount | Expiration Date |\n"
         " CASH | N/A | $45.00 | N/A |\n"
         "Account Receivable Payments: Name | AR Type | AR # | Due Date | Amount Paid | Adjust Date | "
         "Status | Action |\n"
         " ACME FREIGHT LINES INC | CITATION | 0012351 | 06/05/2023 | $45.00 | 06/07/2023 | CANCEL |  |\n"
         "Excess Fund: Name | Status | To | Amount |\n"
         "Transfer Payment:off Create Refund:off Save:off Close:on "},
        {"0100006",
         "0100006|$500.00|OPEN|100001|08/15/2023|CNF230815-04|\n"
         "Funds: Fund Type | Reference # | Fund Amount | Expiration Date |\n"
         " ELECTRONIC TRANSFER | EFT55120 | $500.00 | N/A |\n"
         "Account Receivable Payments: Name | AR Type | AR # | Due Date | Amount Paid | Adjust Date | "
         "Status | Action |\n"
         " ACME FREIGHT LINES INC | CITATION | 0012346 | 07/02/2023 | $100.00 | 08/20/2023 | CANCEL |  |\n"
         " ACME FREIGHT LINES INC | CITATION | 0012354 | 07/17/2023 | $350.00 | 08/21/2023 | BACKOUT |  |\n"
         "Excess Fund: Name | Status | To | Amount |\n"
         " ACME FREIGHT LINES INC | REFUNDED |  | $50.00 |\n"
         "Transfer Payment:off Create Refund:off Save:on Close:on "},
    };
    for (const auto& [receipt, expected] : receipts) {
        SCOPED_TRACE(receipt);
        DocumentHarness harness(Engine());
        std::string shown;

        WithReceiptDetail(harness, receipt, [&](Detail& detail) {
            shown = Header(detail) + "\n" + RenderGrid(detail.mSdgDBGrid(Detail::kFundsGrid)) +
                    RenderGrid(detail.mSdgDBGrid(Detail::kPaymentsGrid)) +
                    RenderGrid(detail.mSdgDBGrid(Detail::kExcessGrid)) + Buttons(detail);
            detail.Hide();
        });

        EXPECT_EQ(shown, expected);
    }
}

TEST_P(ReceiptDetailDisplay, a_reply_without_the_receipt_leaves_save_off) {
    DocumentHarness harness(Engine());
    // Only the receipt's own reply, the one that carries its funds, loses the data set.
    harness.RewriteReplies([](ReplyMessage& reply) {
        if (reply.dataSets.contains("FUND"))
            reply.dataSets.erase("RECEIPT");
    });
    std::string buttons;

    WithReceiptDetail(harness, "0100001", [&](Detail& detail) {
        buttons = Buttons(detail);
        detail.Hide();
    });

    EXPECT_EQ(buttons, "Transfer Payment:off Create Refund:off Save:off Close:on ");
}

TEST_P(ReceiptDetailDisplay, the_excess_fund_buttons_follow_the_choice_of_one_open_excess_fund) {
    DocumentHarness harness(Engine());
    std::string states;

    WithReceiptDetail(harness, "0100001", [&](Detail& detail) {
        SSOleDBGrid& excess = detail.mSdgDBGrid(Detail::kExcessGrid);
        // A back out leaves a second open excess fund.
        ChooseAction(detail, "0012345", "BACKOUT");
        DateAndComment(detail, 2026, 12, 1, "Second excess fund");
        detail.mCmdButton(Detail::kSave).Press();
        harness.DeliverReply();
        detail.Tavrik_DTP1(0).SetValue(CalendarDate::FromYmd(2026, 12, 1));
        excess.ClickRow(0, false);
        states += Buttons(detail) + (detail.Tavrik_DTP1(0).Value() ? "date kept" : "date cleared") + "\n";
        harness.platform.QueueScript([&](Form& form) {
            states += form.Caption() + "\n";
            form.Hide();
        });
        detail.mCmdButton(Detail::kTransferPayment).Press();
        excess.ClickRow(1, true);
        states += Buttons(detail) + "\n";
        detail.Hide();
    });

    EXPECT_EQ(states, "Transfer Payment:on Create Refund:on Save:on Close:on date cleared\n"
                      "Transfer Payment\n"
                      "Transfer Payment:off Create Refund:off Save:on Close:on \n");
}

// What each privilege gives, read once the receipt has loaded and an open excess fund is chosen.
TEST_P(ReceiptDetailAccess, each_privilege_opens_only_its_own_part_of_the_window) {
    const std::pair<const char*, const char*> users[] = {
        {"SUPER",
         "action:on fields:on payments:on excess:on Transfer Payment:on Create Refund:on Save:on Close:on "},
        {"ADJRCPT",
         "action:on fields:on payments:on excess:on Transfer Payment:on Create Refund:off Save:on Close:on "},
        {"RCPTCANCEL", "action:on fields:on payments:off excess:off Transfer Payment:off Create Refund:off "
                       "Save:on Close:on "},
        {"REFUNDS", "action:off fields:off payments:on excess:on Transfer Payment:off Create Refund:off "
                    "Save:off Close:on "},
        {"CANCELONLY", "action:off fields:off payments:off excess:off Transfer Payment:off Create Refund:off "
                       "Save:off Close:on "},
        {"CLERK", "action:off fields:off payments:on excess:on Transfer Payment:off Create Refund:off "
                  "Save:off Close:on "},
    };
    for (const auto& [user, expected] : users) {
        SCOPED_TRACE(user);
        DocumentHarness harness(Engine(), user);
        std::string state;

        WithReceiptDetail(harness, "0100001", [&](Detail& detail) {
            SSOleDBGrid& payments = detail.mSdgDBGrid(Detail::kPaymentsGrid);
            detail.mSdgDBGrid(Detail::kExcessGrid).ClickRow(0, false);
            state = "action:" + OnOff(payments.Column("ACTION").visible) + " fields:" +
                    OnOff(detail.Tavrik_DTP1(0).Enabled() && detail.mTxtAdjust(0).Enabled() &&
                          detail.Tavrik_CodesCombo(0).Enabled()) +
                    " payments:" + OnOff(payments.Enabled()) +
                    " excess:" + OnOff(detail.mSdgDBGrid(Detail::kExcessGrid).Enabled()) + " " +
                    Buttons(detail);
            detail.Hide();
        });

        EXPECT_EQ(state, expected);
    }
}

TEST_P(ReceiptDetailAccess, a_cancel_only_clerk_is_told_backout_is_not_theirs_and_the_choice_is_cleared) {
    DocumentHarness harness(Engine(), "RCPTCANCEL");
    std::string code;

    WithReceiptDetail(harness, "0100001", [&](Detail& detail) {
        detail.Tavrik_CodesCombo(0).SetCode("B");
        code = detail.Tavrik_CodesCombo(0).Code();
        detail.Hide();
    });

    ASSERT_EQ(harness.platform.messageBoxes.size(), 1u);
    EXPECT_EQ(harness.platform.messageBoxes[0].text, "Your privileges do not include the BACKOUT option");
    EXPECT_EQ(harness.platform.messageBoxes[0].icon, MsgBoxIcon::Information);
    EXPECT_EQ(code, "");
}

TEST_P(ReceiptDetailRecovery, a_refused_save_is_shown_keeps_the_entries_and_enables_the_window_again) {
    DocumentHarness harness(Engine());
    std::string afterRefusal;
    bool dirty = true;
    const std::string comment(300, 'c');

    WithReceiptDetail(harness, "0100001", [&](Detail& detail) {
        ChooseAction(detail, "0012345", "BACKOUT");
        DateAndComment(detail, 2026, 12, 1, comment);
        detail.mCmdButton(Detail::kSave).Press();
        harness.DeliverReply();
        afterRefusal = LastBox(harness) + "|" + Buttons(detail) + harness.statuses.back() +
                       " pending:" + OnOff(detail.IsSavePending()) +
                       " comment:" + std::to_string(detail.mTxtAdjust(0).Text().size()) +
                       " fields:" + OnOff(detail.mTxtAdjust(0).Enabled());
        harness.platform.QueueAnswer(MsgBoxAnswer::OK);
        detail.mCmdButton(Detail::kClose).Press();
        dirty = detail.mBlnDirty;
    });

    EXPECT_EQ(afterRefusal, "The comment is longer than 254 characters.|Transfer Payment:off Create "
                            "Refund:off Save:on Close:on Search was not successful "
                            "pending:off comment:300 fields:on");
    EXPECT_FALSE(dirty);
}

// A save not answered, whether it timed out or is still on its way, may yet be applied after the window
// is gone: closing reports the window dirty so that the opener reads the receipt again.
TEST_P(ReceiptDetailRecovery, close_after_an_unanswered_save_reports_the_window_dirty) {
    for (const bool timedOut : {true, false}) {
        SCOPED_TRACE(timedOut ? "timed out" : "still on its way");
        DocumentHarness harness(Engine());
        std::string afterTimeout;
        bool dirty = false;

        WithReceiptDetail(harness, "0100001", [&](Detail& detail) {
            ChooseAction(detail, "0012345", "BACKOUT");
            DateAndComment(detail, 2026, 12, 1, "Not answered");
            harness.HoldReplies();
            detail.mCmdButton(Detail::kSave).Press();
            if (timedOut) {
                harness.dispatcher.AdvanceTime(31s);
                harness.dispatcher.RunPending();
                afterTimeout = LastBox(harness) + "|" + Buttons(detail) + harness.statuses.back() +
                               " pending:" + OnOff(detail.IsSavePending());
            }
            harness.platform.QueueAnswer(MsgBoxAnswer::OK);
            detail.mCmdButton(Detail::kClose).Press();
            dirty = detail.mBlnDirty && !detail.Visible();
            harness.ReleaseReplies();
        });

        if (timedOut) {
            EXPECT_EQ(afterTimeout, "The back office did not answer in time.|Transfer Payment:off Create "
                                    "Refund:off Save:off Close:on Search timed out pending:off");
        }
        EXPECT_TRUE(dirty);
    }
}

// Receipt 0100001 holds an open excess fund, 0100006 only a refunded one. A stray Enter on the
// question answers Cancel and keeps the window.
TEST_P(ReceiptDetailRecovery, close_asks_before_leaving_an_open_excess_fund_behind) {
    struct Case {
        const char* receipt;
        std::vector<MsgBoxAnswer> answers;
        const char* expected;
    };
    const Case cases[] = {
        {"0100001", {MsgBoxAnswer::Cancel, MsgBoxAnswer::OK}, "asked, stayed, asked, closed"},
        {"0100006", {}, "closed"},
    };

    for (const Case& each : cases) {
        SCOPED_TRACE(each.receipt);
        DocumentHarness harness(Engine());
        std::string seen;

        WithReceiptDetail(harness, each.receipt, [&](Detail& detail) {
            for (MsgBoxAnswer answer : each.answers) {
                const std::size_t boxes = harness.platform.messageBoxes.size();
                harness.platform.QueueAnswer(answer);
                detail.mCmdButton(Detail::kClose).Press();
                if (harness.platform.messageBoxes.size() > boxes) {
                    const ShownMessageBox& box = harness.platform.messageBoxes.back();
                    EXPECT_EQ(box.text,
                              "There are Excess Funds remaining.  Would you like to exit this screen?");
                    EXPECT_EQ(box.buttons, MsgBoxButtons::OKCancelDefaultCancel);
                    EXPECT_EQ(box.icon, MsgBoxIcon::Question);
                    seen += "asked, ";
                }
                seen += detail.Visible() ? "stayed, " : "closed";
            }
            if (each.answers.empty()) {
                detail.mCmdButton(Detail::kClose).Press();
                seen += detail.Visible() ? "stayed" : "closed";
            }
        });

        EXPECT_EQ(seen, each.expected);
    }
}

// Each case presses one of the excess-fund commands where a check refuses it: the command stops there,
// with its own message or none, and neither a request nor a worksheet follows.
TEST_P(ReceiptDetailRefund, a_refused_excess_fund_check_stops_the_command_with_its_message) {
    struct Case {
        const char* name;
        const char* receipt;
        int button;
        bool excessWithoutCustomer;
        std::string boxes;
        const char* storeChange = nullptr;
    };
    const std::string box = std::string("exclamation OK ") + DocumentHarness::kHostCaption + ": ";
    const Case cases[] = {
        {"no excess fund", "0100004", Detail::kCreateRefund, false, ""},
        {"no excess fund chosen", "0100001", Detail::kCreateRefund, true, box + "Select an Excess Fund\n"},
        {"a refunded excess fund", "0100006", Detail::kCreateRefund, false,
         box + "Excess Fund status must be OPEN to create refund\n"},
        {"a receipt not confirmed", "0100002", Detail::kCreateRefund, false,
         box + "Excess Funds that are not Confirmed can not be Refunded\n"},
        {"an unconfirmed receipt's refunded excess fund: the status first", "0100002", Detail::kCreateRefund,
         false, box + "Excess Fund status must be OPEN to create refund\n",
         "UPDATE overpayment SET OVR_PYMT_STTS_CD = 'R' WHERE RCPT_NBR = 100002"},
        {"a refunded excess fund, transfer", "0100006", Detail::kTransferPayment, false,
         box + "Excess Fund status must be OPEN to Transfer a payment\n"},
        {"a receipt not confirmed, transfer", "0100002", Detail::kTransferPayment, false,
         box + "Excess Funds that are not Confirmed can not be Transferred\n"},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        DocumentHarness harness(Engine());
        if (each.storeChange != nullptr)
            harness.testStore.Execute(each.storeChange);
        if (each.excessWithoutCustomer)
            harness.RewriteReplies([](ReplyMessage& reply) {
                auto excess = reply.dataSets.find("OVERPAYMENT");
                if (excess == reply.dataSets.end())
                    return;
                const std::size_t customer = *excess->second.FieldIndex("CUST_ID");
                for (std::size_t row = 0; row < excess->second.RowCount(); ++row)
                    excess->second.SetCell(row, customer, FieldValue());
            });
        std::size_t sent = 0;

        WithReceiptDetail(harness, each.receipt, [&](Detail& detail) {
            const std::size_t before = harness.Requests().size();
            detail.mCmdButton_Click(each.button);
            sent = harness.Requests().size() - before;
            detail.Hide();
        });

        EXPECT_EQ(Boxes(harness), each.boxes);
        EXPECT_EQ(sent, 0u);
        EXPECT_THAT(harness.platform.shownForms, Not(Contains(std::string(Tavrik_WorkSheet::kFormName))));
    }
}

// 0100001: customer 100001's open excess fund of $25.00, no worksheet. 0300002: customer 100003's, its
// worksheet 0000102 prepared by REBECCA REFUNDS and awaiting verification. SUPER signs on. The worksheet
// is read as the receipt window fills it, and again once its number reply and the refund reply are in.
TEST_P(ReceiptDetailRefund, create_refund_opens_the_worksheet_from_the_excess_fund_and_shows_one_under_way) {
    struct Case {
        const char* receipt;
        const char* citation;
        const char* customer;
        std::string beforeReplies;
        std::string afterReplies;
    };
    const Case cases[] = {
        {"0100001", "12345", "100001",
         "0000000|ACME FREIGHT LINES INC|1200 INDUSTRIAL PKWY|SPRINGFIELD|IL|62701|$25.00|SUSAN "
         "SUPERVISOR|||||0100001| status:0 customer:100001 mailed:off bottom:off void:off taxpayer:on",
         "0000109|ACME FREIGHT LINES INC|1200 INDUSTRIAL PKWY|SPRINGFIELD|IL|62701|$25.00|SUSAN "
         "SUPERVISOR|||||0100001| status:0 customer:100001 mailed:off bottom:off void:off taxpayer:on"},
        {"0300002", "60001", "100003",
         "0000000|MIDWEST HAULING CO|900 W MAIN ST|PEORIA|IL|61602|$41.00|SUSAN SUPERVISOR|||||0300002| "
         "status:0 customer:100003 mailed:off bottom:off void:off taxpayer:on",
         "0000102|MIDWEST HAULING CO|900 W MAIN ST|PEORIA|IL|61602|$41.00|REBECCA REFUNDS|SUSAN "
         "SUPERVISOR|||1|0300002| status:1 customer:100003 mailed:off bottom:off void:on taxpayer:on"},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.receipt);
        DocumentHarness harness(Engine());
        std::string beforeReplies, afterReplies, receiptBefore, receiptAfter;
        bool dirty = true;

        WithReceiptDetail(
            harness, each.receipt,
            [&](Detail& detail) {
                const auto receipt = [&] {
                    return RenderGrid(detail.mSdgDBGrid(Detail::kPaymentsGrid)) +
                           RenderGrid(detail.mSdgDBGrid(Detail::kExcessGrid)) + Buttons(detail);
                };
                detail.mSdgDBGrid(Detail::kExcessGrid).ClickRow(0, false);
                receiptBefore = receipt();
                harness.platform.QueueScript([&](Form& form) {
                    auto& sheet = dynamic_cast<Tavrik_WorkSheet&>(form);
                    beforeReplies = Worksheet(sheet);
                    // The number reply comes first; the refund reply, which ends in "Ready", with it
                    // or after it.
                    for (int reply = 0; reply < 2 && harness.statuses.back() != "Ready"; ++reply)
                        harness.DeliverReply();
                    afterReplies = Worksheet(sheet);
                    sheet.mCmdButton(Tavrik_WorkSheet::kClose).Press();
                });
                detail.mCmdButton(Detail::kCreateRefund).Press();
                receiptAfter = receipt();
                dirty = detail.mBlnDirty;
                detail.Hide();
            },
            each.citation);

        const std::vector<RequestMessage> requests = harness.Requests();
        const auto refund = std::find_if(requests.begin(), requests.end(), [](const RequestMessage& request) {
            return request.piNumber == kCreateRefundRequest;
        });
        ASSERT_NE(refund, requests.end());
        EXPECT_EQ(refund->formName, std::string(DocumentHarness::kTitle) + "PayDetail");
        EXPECT_THAT(refund->keys, ElementsAre(RequestKey{"key:CUST_ID", each.customer, "=", "PENTRAX"},
                                              RequestKey{"key:RCPT_NBR", each.receipt, "=", "PENTRAX"}));
        EXPECT_NE(
            std::find(harness.statuses.begin(), harness.statuses.end(), "Requesting Refund Information"),
            harness.statuses.end());
        EXPECT_EQ(beforeReplies, each.beforeReplies);
        EXPECT_EQ(afterReplies, each.afterReplies);
        EXPECT_EQ(receiptAfter, receiptBefore);
        EXPECT_FALSE(dirty);
        EXPECT_FALSE(harness.session.Forms.IsLoaded(Tavrik_WorkSheet::kFormName));
        EXPECT_EQ(Boxes(harness), "");
    }
}

// PREPARER, VERIFIER, APPROVER and FISCAL each open receipt 0300009's open excess fund with "Create
// Refund" and record their step on the worksheet it shows; FISCAL records the mailing as well. What the
// store then holds is checked by the back office's refund worksheet test.
TEST_P(ReceiptDetailRefund, four_officers_carry_a_refund_from_the_receipt_window_to_mailing) {
    TestStore store(Engine());
    using Sheet = Tavrik_WorkSheet;
    struct Step {
        const char* user;
        std::function<void(Sheet&)> enter;
    };
    const Step steps[] = {
        {"PREPARER",
         [](Sheet& sheet) { sheet.mTxtRefund(Sheet::kHeadquartersComment).SetText("Paid twice"); }},
        {"VERIFIER", [](Sheet&) {}},
        {"APPROVER", [](Sheet&) {}},
        {"FISCAL",
         [](Sheet& sheet) {
             sheet.mRdo(Sheet::kRefunded).Pick();
             sheet.mTxt(Sheet::kWarrantNumber).SetText("W-1");
             sheet.Tavrik_DTP1(Sheet::kRefundDate).SetValue(*CalendarDate::FromYmd(2026, 12, 1));
         }},
        {"FISCAL",
         [](Sheet& sheet) {
             sheet.Tavrik_DTP1(Sheet::kDateMailed).SetValue(*CalendarDate::FromYmd(2026, 12, 4));
         }},
    };
    std::string shown;

    for (const Step& step : steps) {
        DocumentHarness harness(store, step.user);
        WithReceiptDetail(
            harness, "0300009",
            [&](Detail& detail) {
                detail.mSdgDBGrid(Detail::kExcessGrid).ClickRow(0, false);
                harness.platform.QueueScript([&](Form& form) {
                    auto& sheet = dynamic_cast<Sheet&>(form);
                    for (int reply = 0; reply < 2 && harness.statuses.back() != "Ready"; ++reply)
                        harness.DeliverReply();
                    shown +=
                        sheet.mLblData(Sheet::kRefundNumber).Caption() + " " + sheet.mStrStatusMode + "->";
                    step.enter(sheet);
                    sheet.mCmdButton(Sheet::kSave).Press();
                    harness.DeliverReply();
                    shown += sheet.mStrStatusMode + (sheet.mBlnDirty ? " saved; " : " refused; ");
                    sheet.mCmdButton(Sheet::kClose).Press();
                });
                detail.mCmdButton(Detail::kCreateRefund).Press();
                harness.DeliverReply();
                detail.Hide();
            },
            "60001");
    }

    EXPECT_EQ(shown, "0000109 0->1 saved; 0000109 1->2 saved; 0000109 2->3 saved; 0000109 3->4 saved; "
                     "0000109 4->5 saved; ");
}

TAVRIK_ON_BOTH_ENGINES(ReceiptDetailRoad);
TAVRIK_ON_BOTH_ENGINES(ReceiptDetailCheckEdit);
TAVRIK_ON_BOTH_ENGINES(ReceiptDetailDisplay);
TAVRIK_ON_BOTH_ENGINES(ReceiptDetailAccess);
TAVRIK_ON_BOTH_ENGINES(ReceiptDetailRecovery);
TAVRIK_ON_BOTH_ENGINES(ReceiptDetailRefund);

} // namespace
} // namespace tavrik
