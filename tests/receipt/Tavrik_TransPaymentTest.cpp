#include "receipt/Tavrik_TransPayment.h"

#include "common/RequestNumbers.h"
#include "select/Tavrik_SelectCustForm.h"
#include "tests/receipt/ReceiptDetailRoad.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace tavrik {
namespace {

using namespace std::chrono_literals;
using Dialog = Tavrik_TransPayment;

class TransferPaymentRoad : public StoreTest {};
class TransferPaymentRules : public StoreTest {};

// The buttons, the customer shown, the excess offered and the customer receiving it.
std::string State(Dialog& dialog) {
    const Tavrik_Payment& payment = dialog.Tavrik_Payment1;
    std::string text;
    for (int index : {Dialog::kSave, Dialog::kClose, Dialog::kSelectCustomer})
        text += dialog.mCmd(index).Caption() + ":" + OnOff(dialog.mCmd(index).Enabled()) + " ";
    return text + "shown:" + payment.CustomerID() + " " + payment.CustomerName() + " " + payment.City() +
           " excess:" + payment.lblExcessAmount.Caption() + " receiving:" + payment.ReceivingCustomerID();
}

// The last message box: its text, icon and title.
std::string LastBox(const DocumentHarness& harness) {
    if (harness.platform.messageBoxes.empty())
        return "";
    const ShownMessageBox& box = harness.platform.messageBoxes.back();
    const std::string icon = box.icon == MsgBoxIcon::Exclamation ? "exclamation"
                             : box.icon == MsgBoxIcon::Critical  ? "critical"
                                                                 : "other";
    return box.text + " (" + icon + ", " + box.title + ")";
}

std::size_t TransfersSent(DocumentHarness& harness) {
    const std::vector<RequestMessage> requests = harness.Requests();
    return std::count_if(requests.begin(), requests.end(),
                         [](const RequestMessage& request) { return request.piNumber == kTransferRequest; });
}

// Opens receipt 0100001's detail, chooses its open excess fund ($25.00 of customer 100001) and presses
// "Transfer Payment"; the script runs once the receipt's excess has been looked up. Answers the
// detail's mBlnDirty afterwards.
bool WithTransfer(DocumentHarness& harness, std::function<void(Dialog&)> script) {
    bool dirty = false;
    WithReceiptDetail(harness, "0100001", [&](Tavrik_PayDetail& detail) {
        detail.mSdgDBGrid(Tavrik_PayDetail::kExcessGrid).ClickRow(0, false);
        harness.platform.QueueScript([&](Form& form) {
            harness.DeliverReply();
            script(dynamic_cast<Dialog&>(form));
        });
        detail.mCmdButton(Tavrik_PayDetail::kTransferPayment).Press();
        dirty = detail.mBlnDirty;
        detail.Hide();
    });
    return dirty;
}

// Presses "Select Customer" and picks the customer the search for typed finds, or cancels the
// selection when typed is empty; a pick's look-up is answered.
void SelectCustomer(DocumentHarness& harness, Dialog& dialog, const std::string& typed) {
    harness.platform.QueueScript([&harness, typed](Form& form) {
        auto& select = dynamic_cast<Tavrik_SelectCustForm&>(form);
        if (typed.empty()) {
            select.cmdCancel.Press();
            return;
        }
        select.CustSelect.SetSearchText(typed);
        harness.DeliverReply();
        select.CustSelect.PickMatch(0);
        select.cmdOK.Press();
    });
    dialog.mCmd(Dialog::kSelectCustomer).Press();
    if (!typed.empty())
        harness.DeliverReply();
}

// Types the amount applied to the AR in the "Apply" column.
void Apply(Dialog& dialog, const std::string& account, const std::string& amount) {
    SSOleDBGrid& grid = dialog.Tavrik_Payment1.grdAccounts;
    for (std::size_t row = 0; row < grid.Rows(); ++row)
        if (grid.CellTextAt(row, "ACCT_RCVBL_NBR") == account) {
            EXPECT_TRUE(grid.EditCell(row, "CL_PYMT_AMT", amount));
            return;
        }
    ADD_FAILURE() << "no AR " << account;
}

TEST_P(TransferPaymentRoad, a_transfer_pays_part_to_another_customers_ar_and_leaves_the_rest_open) {
    DocumentHarness harness(Engine());
    std::string onOpen, afterSelect, accounts, afterSave;

    const bool dirty = WithTransfer(harness, [&](Dialog& dialog) {
        onOpen = State(dialog);
        SelectCustomer(harness, dialog, "100005");
        afterSelect = State(dialog);
        accounts = RenderGrid(dialog.Tavrik_Payment1.grdAccounts);
        dialog.Tavrik_Payment1.txtAmount.TypeText("20.00");
        Apply(dialog, "0080003", "12.50");
        dialog.mCmd(Dialog::kSave).Press();
        harness.DeliverReply();
        afterSave = State(dialog) + " dirty:" + OnOff(dialog.mBlnDirty) + " " + harness.statuses.back();
        dialog.mCmd(Dialog::kClose).Press();
    });

    harness.DeliverReply(); // the receipt read again

    EXPECT_EQ(onOpen, "Save:on Close:on Select Customer:on shown:100001 ACME FREIGHT LINES INC SPRINGFIELD "
                      "excess:$25.00 receiving:");
    EXPECT_EQ(harness.platform.shownForms,
              (std::vector<std::string>{"Tavrik_FormInq", "Tavrik_PayDetail", "Tavrik_TransPayment",
                                        "Tavrik_SelectCustForm"}));
    EXPECT_EQ(afterSelect,
              "Save:on Close:on Select Customer:on shown:100001 ACME FREIGHT LINES INC SPRINGFIELD "
              "excess:$25.00 receiving:100005");
    EXPECT_EQ(accounts, "Open ARs: AR # | AR Type | Due Date | Balance | Apply |\n"
                        " 0080001 | PAYMENT PLAN | 03/16/2023 | $1,200.00 |  |\n"
                        " 0080002 | ALERT | 04/02/2023 | $75.00 |  |\n"
                        " 0080003 | TEMPORARY PERMIT | 05/04/2023 | $35.00 |  |\n");
    const std::vector<RequestMessage> requests = harness.Requests();
    const auto sent = std::find_if(requests.begin(), requests.end(), [](const RequestMessage& request) {
        return request.piNumber == kTransferRequest;
    });
    ASSERT_NE(sent, requests.end());
    EXPECT_EQ(sent->formName, std::string(DocumentHarness::kTitle) + "TransPayment");
    EXPECT_EQ(sent->keys, (std::vector<RequestKey>{{"key:OVRG_RCPT", "0100001", "=", "PENTRAX"}}));
    EXPECT_EQ(RenderRows(*sent, "EXCESS"),
              "ACTION=TRANSFER RCPT_NBR=0100001 OVR_PYMT_ID=1 ROW_VERSION=1 CUST_ID=100005 PYMT_AMT=20.00 \n"
              "ACTION=APPLY ROW_VERSION=1 CUST_ID=100005 ACCT_RCVBL_TYP_CD=T ACCT_RCVBL_NBR=0080003 "
              "ACCT_RCVBL_CK_NBR=7 PYMT_AMT=12.50 \n");
    EXPECT_EQ(afterSave,
              "Save:off Close:on Select Customer:off shown:100001 ACME FREIGHT LINES INC SPRINGFIELD "
              "excess:$25.00 receiving:100005 dirty:on Ready");
    EXPECT_TRUE(dirty);
    EXPECT_NE(std::find_if(sent, requests.end(),
                           [](const RequestMessage& request) {
                               return request.piNumber == kReferenceSearchRequest &&
                                      request.keys.at(0) ==
                                          RequestKey{"key:RECEIPT_NBR", "0100001", "=", "PENTRAX"};
                           }),
              requests.end());
    // The rest of what the request does to the store, the back office's transfer tests prove.
    EXPECT_EQ(
        harness.StoreRows("SELECT OVR_PYMT_AMT, OVR_PYMT_STTS_CD FROM overpayment WHERE RCPT_NBR = 100001 "
                          "ORDER BY OVR_PYMT_ID"),
        "200000 | T\n50000 | O\n");
    EXPECT_EQ(harness.StoreRows("SELECT ACCT_RCVBL_BAL_AMT FROM acct_rcvbl WHERE ACCT_RCVBL_NBR = 80003"),
              "225000\n");
}

TEST_P(TransferPaymentRules, each_rule_of_the_dialog_stops_or_sends_as_it_says) {
    struct Case {
        std::string name;
        std::function<void(Dialog&, DocumentHarness&)> act;
        bool replyHeld;
        std::string outcome;
    };
    const Case cases[] = {
        {"no amount is no change",
         [](Dialog& dialog, DocumentHarness& harness) {
             SelectCustomer(harness, dialog, "100005");
             dialog.mCmd(Dialog::kSave).Press();
         },
         false,
         "Save:on Close:on Select Customer:on shown:100001 ACME FREIGHT LINES INC SPRINGFIELD excess:$25.00 "
         "receiving:100005 | Data did not change.  Save request canceled.  |  | dirty:off sent:0"},
        {"a failed validation shows its text",
         [](Dialog& dialog, DocumentHarness& harness) {
             SelectCustomer(harness, dialog, "100005");
             dialog.Tavrik_Payment1.txtAmount.TypeText("30.00");
             dialog.mCmd(Dialog::kSave).Press();
         },
         false,
         "Save:on Close:on Select Customer:on shown:100001 ACME FREIGHT LINES INC SPRINGFIELD excess:$25.00 "
         "receiving:100005 | Error(s) found | The amount to transfer ($30.00) is more than the excess fund's "
         "open amount ($25.00).\r\n (exclamation, Account Adjustment) | dirty:off sent:0"},
        {"a canceled selection changes nothing",
         [](Dialog& dialog, DocumentHarness& harness) { SelectCustomer(harness, dialog, ""); }, false,
         "Save:on Close:on Select Customer:on shown:100001 ACME FREIGHT LINES INC SPRINGFIELD excess:$25.00 "
         "receiving: | Loading information |  | dirty:off sent:0"},
        {"closing with a save in flight",
         [](Dialog& dialog, DocumentHarness& harness) {
             SelectCustomer(harness, dialog, "100005");
             dialog.Tavrik_Payment1.txtAmount.TypeText("10.00");
             harness.HoldReplies();
             dialog.mCmd(Dialog::kSave).Press();
             dialog.mCmd(Dialog::kClose).Press();
         },
         true,
         "Save:off Close:on Select Customer:on shown:100001 ACME FREIGHT LINES INC SPRINGFIELD excess:$25.00 "
         "receiving:100005 | Saving Excess Funds for ACME FREIGHT LINES INC |  | dirty:on sent:1"},
        {"a time-out",
         [](Dialog& dialog, DocumentHarness& harness) {
             SelectCustomer(harness, dialog, "100005");
             dialog.Tavrik_Payment1.txtAmount.TypeText("10.00");
             harness.HoldReplies();
             dialog.mCmd(Dialog::kSave).Press();
             harness.dispatcher.AdvanceTime(31s);
             harness.dispatcher.RunPending();
         },
         true,
         "Save:off Close:on Select Customer:off shown:100001 ACME FREIGHT LINES INC SPRINGFIELD "
         "excess:$25.00 "
         "receiving:100005 | Search timed out | The back office did not answer in time. (critical, Account "
         "Adjustment) | dirty:on sent:1"},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        DocumentHarness harness(Engine());
        std::string outcome;

        const bool dirty = WithTransfer(harness, [&](Dialog& dialog) {
            each.act(dialog, harness);
            outcome = State(dialog) + " | " + harness.statuses.back() + " | " + LastBox(harness);
            if (dialog.Visible())
                dialog.mCmd(Dialog::kClose).Press();
        });
        // A held save reaches the back office once released; its late reply is dropped or lands on
        // the closed window, never shown. The receipt is read again after it.
        if (each.replyHeld) {
            harness.ReleaseReplies();
            // The two replies may be posted together and run in one go.
            for (std::size_t ran = 0; ran < 2 && harness.dispatcher.WaitForPosted(10s);)
                ran += harness.dispatcher.RunPending();
        }

        EXPECT_EQ(outcome + " | dirty:" + OnOff(dirty) + " sent:" + std::to_string(TransfersSent(harness)),
                  each.outcome);
    }
}

TAVRIK_ON_BOTH_ENGINES(TransferPaymentRoad);
TAVRIK_ON_BOTH_ENGINES(TransferPaymentRules);

} // namespace
} // namespace tavrik
