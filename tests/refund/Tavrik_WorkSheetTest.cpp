#include "refund/Tavrik_WorkSheet.h"

#include "common/ModalForm.h"
#include "common/NewPIRequest.h"
#include "common/RequestNumbers.h"
#include "library/LibXmlDocument.h"
#include "tests/support/BackOfficeSession.h"
#include "tests/support/Rendering.h"
#include "tests/support/TestStore.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace tavrik {
namespace {

using Sheet = Tavrik_WorkSheet;
using Fill = std::function<void(Sheet&)>;

// Receipt 0300009 of customer 100003 holds an open excess fund of $48.00 and no worksheet; the demo
// store hands out refund numbers from 109. Its officers: REFUNDS (5) prepares, SUPER (1) verifies,
// ADJRCPT (4) approves, ADJAR (3) refunds and records the mailing.
constexpr const char* kNewRefundReceipt = "0300009";

// The worksheet of a receipt as the back office stores it (the REFUND data set of the receipt's detail).
std::shared_ptr<DataSet> StoredRefund(BackOfficeSession& clerk, const std::string& receipt) {
    const std::shared_ptr<MessageObject> sender = clerk.session.MessageService.NewMessage();
    PIRequest request = NewPIRequest(clerk.session, sender, "STORED", kReferenceSearchRequest);
    request.AddPentraxKey("key:RECEIPT_NBR", receipt);
    request.AddPentraxKey("key:RECEIPT_DETL", "YES");
    const std::string messageId = request.MessageID();
    request.Send();
    clerk.DeliverReply();
    return clerk.session.DataSetService.GetDataSet("REFUND", "STORED", messageId);
}

// What the receipt detail window writes on a worksheet it opens for a new refund.
void FillAsNewRefund(Sheet& sheet, Session& session) {
    sheet.mStrStatusMode = "0";
    sheet.mLblData(Sheet::kRefundAmount).SetCaption("$48.00");
    sheet.mLblData(Sheet::kReceiptNumber).SetCaption(kNewRefundReceipt);
    sheet.mLblData(Sheet::kCustomerName).SetCaption("Łukasz Transport");
    sheet.mStrCustomerId = "100003";
    sheet.mLblData(Sheet::kPreparedBy)
        .SetCaption(session.CommonServices.GetUserName(session.SessionInfo.UserNumber));
    sheet.Tavrik_DTP1(Sheet::kDateMailed).SetVisible(false);
    sheet.mFraRefund(Sheet::kBottomFrame).SetVisible(false);
    sheet.mCmdButton(Sheet::kVoid).SetEnabled(false);
    sheet.mRdo(Sheet::kToTaxpayer).SetValue(true);
}

// What the window shows once a reply was handled: status, whether Save is still on, whether the
// headquarters comment is locked, and the opener's dirty flag.
std::string WindowState(const Sheet& sheet) {
    std::ostringstream state;
    state << "status " << sheet.mStrStatusMode
          << (sheet.mCmdButton(Sheet::kSave).Enabled() ? ", save on" : "")
          << (sheet.mTxtRefund(Sheet::kHeadquartersComment).Locked() ? ", frozen" : "")
          << (sheet.mBlnDirty ? ", dirty" : "");
    return state.str();
}

std::string StoredSteps(BackOfficeSession& clerk, const std::string& receipt) {
    return clerk.StoreRows(
               "SELECT STTS_CD, RFND_TO_CD, CREATED_DT, CREATOR_ID, VERIFY_ID, APPROVE_ID, RFND_BY_ID, "
               "RFND_CD, WRNT_NBR, RFND_DT, DT_MLD FROM refund WHERE RCPT_NBR = " +
               std::to_string(std::stoll(receipt))) +
           clerk.StoreRows("SELECT OVR_PYMT_STTS_CD FROM overpayment WHERE RCPT_NBR = " +
                           std::to_string(std::stoll(receipt)));
}

// One officer's step: the worksheet opened as its opener opens it (a new refund, or the stored one
// shown over a number request still on its way), the officer's entries, "Save" and its reply.
struct StepResult {
    std::string sent;
    std::string window;
};

StepResult SaveStep(BackOfficeSession& clerk, const std::string& receipt, bool newRefund, const Fill& enter) {
    std::shared_ptr<DataSet> stored = newRefund ? nullptr : StoredRefund(clerk, receipt);
    ModalForm<Sheet> sheet(clerk.session, Sheet::kFormName);
    if (newRefund) {
        clerk.DeliverReply();
        FillAsNewRefund(*sheet, clerk.session);
    } else {
        sheet->ShowStoredWorksheet(*stored);
        // The number asked for at load arrives late and must not replace the stored one.
        clerk.DeliverReply();
    }
    StepResult result;
    clerk.platform.QueueScript([&](Form&) {
        enter(*sheet);
        sheet->mCmdButton(Sheet::kSave).Press();
        clerk.DeliverReply();
        result.window = WindowState(*sheet);
        sheet->mCmdButton(Sheet::kClose).Press();
    });

    sheet.Show();

    const std::vector<RequestMessage> requests = clerk.Requests();
    result.sent = requests.empty() ? "" : RenderRows(requests.back(), "REFUND");
    return result;
}

void RefundIt(Sheet& sheet) {
    sheet.mRdo(Sheet::kRefunded).Pick();
    sheet.mTxt(Sheet::kWarrantNumber).SetText("W-77");
    sheet.Tavrik_DTP1(Sheet::kRefundDate).SetValue(*CalendarDate::FromYmd(2026, 12, 1));
}

using Tavrik_WorkSheetStoreTest = StoreTest;

TEST_P(Tavrik_WorkSheetStoreTest, four_officers_carry_a_new_worksheet_from_preparation_to_mailing) {
    BackOfficeSession preparer(Engine(), "REFUNDS");
    BackOfficeSession verifier(preparer.testStore, "SUPER");
    BackOfficeSession approver(preparer.testStore, "ADJRCPT");
    BackOfficeSession fiscal(preparer.testStore, "ADJAR");
    struct Step {
        BackOfficeSession& clerk;
        Fill enter;
        const char* sent;
        const char* window;
    };
    const Step steps[] = {
        {preparer,
         [](Sheet& sheet) {
             sheet.mTxtRefund(Sheet::kHeadquartersComment).SetText("Overpaid <twice> & “early”");
         },
         "ACTION=ADD CUST_ID=100003 RFND_NBR=0000109 STTS_CD=1 TO=2 CREATED_DT=2026-12-06 CREATOR_ID=5 "
         "KDV_CMMT_TXT=Overpaid <twice> & “early” RFND_AMT=48.00 RCPT_NBR=0300009 \n",
         "status 1, frozen, dirty"},
        {verifier, [](Sheet&) {},
         "ACTION=UPD CUST_ID=100003 RFND_NBR=0000109 STTS_CD=2 TO=2 VERIFY_ID=1 KDV_CMMT_TXT=Overpaid "
         "<twice> & "
         "“early” RCPT_NBR=0300009 \n",
         "status 2, frozen, dirty"},
        {approver, [](Sheet& sheet) { sheet.mRdo(Sheet::kToOther).Pick(); },
         "ACTION=UPD CUST_ID=100003 RFND_NBR=0000109 STTS_CD=3 TO=4 APPROVE_ID=4 KDV_CMMT_TXT=Overpaid "
         "<twice> & "
         "“early” RCPT_NBR=0300009 \n",
         "status 3, frozen, dirty"},
        {fiscal, RefundIt,
         "ACTION=UPD CUST_ID=100003 RFND_NBR=0000109 STTS_CD=4 RFND_BY_ID=3 RFND_CD=1 WRNT_NBR=W-77 "
         "RFND_DT=2026-12-01 RCPT_NBR=0300009 \n",
         "status 4, frozen, dirty"},
        {fiscal,
         [](Sheet& sheet) {
             sheet.Tavrik_DTP1(Sheet::kDateMailed).SetValue(*CalendarDate::FromYmd(2026, 12, 4));
         },
         "ACTION=UPD CUST_ID=100003 RFND_NBR=0000109 STTS_CD=5 DT_MLD=2026-12-04 RCPT_NBR=0300009 \n",
         "status 5, frozen, dirty"},
    };

    for (const Step& step : steps) {
        SCOPED_TRACE(step.sent);
        const StepResult result = SaveStep(step.clerk, kNewRefundReceipt, &step == &steps[0], step.enter);

        EXPECT_EQ(result.sent, step.sent);
        EXPECT_EQ(result.window, step.window);
    }
}

// Receipt 0300004's worksheet stands approved ("3").
TEST_P(Tavrik_WorkSheetStoreTest, an_approved_worksheet_transferred_is_final) {
    BackOfficeSession fiscal(Engine(), "ADJAR");

    const StepResult result = SaveStep(fiscal, "0300004", false, [](Sheet& sheet) {
        sheet.mRdo(Sheet::kTransferred).Pick();
        sheet.mTxtRefund(Sheet::kFiscalComment).SetText("Moved to citation 0060001");
    });

    EXPECT_EQ(result.sent, "ACTION=UPD CUST_ID=100003 RFND_NBR=0000104 STTS_CD=T RFND_BY_ID=3 "
                           "FISCAL_CMMT_TXT=Moved to citation 0060001 RFND_CD=0 WRNT_NBR= RFND_DT=2026-12-06 "
                           "RCPT_NBR=0300004 \n");
    EXPECT_EQ(result.window, "status T, frozen, dirty");
}

// Two verifiers open the same prepared worksheet; the second save is stale. The back office's text
// is shown as it came, and the status steps back so that nothing looks saved.
TEST_P(Tavrik_WorkSheetStoreTest, a_refused_save_shows_the_back_offices_text_and_steps_the_status_back) {
    BackOfficeSession first(Engine(), "SUPER");
    BackOfficeSession second(first.testStore, "ADJRCPT");
    std::shared_ptr<DataSet> seenBySecond = StoredRefund(second, "0300002");
    SaveStep(first, "0300002", false, [](Sheet&) {});

    ModalForm<Sheet> sheet(second.session, Sheet::kFormName);
    sheet->ShowStoredWorksheet(*seenBySecond);
    second.DeliverReply();
    sheet->mCmdButton(Sheet::kSave).Press();
    second.DeliverReply();

    ASSERT_FALSE(second.platform.messageBoxes.empty());
    EXPECT_EQ(
        second.platform.messageBoxes.back().text,
        "Refund worksheet 0000102 has the status \"2\", so it cannot move to \"2\": another officer may have "
        "saved it. Close it and open it again.");
    EXPECT_EQ(WindowState(*sheet), "status 1, save on");
    EXPECT_TRUE(sheet->Enabled());
    EXPECT_EQ(second.statuses.back(), "Search was not successful");
}

// RAY RECEIPTS approved receipt 0300004's worksheet and may not refund or transfer.
TEST_P(Tavrik_WorkSheetStoreTest, a_refused_transfer_returns_the_worksheet_to_approved) {
    BackOfficeSession approver(Engine(), "ADJRCPT");

    const StepResult result = SaveStep(approver, "0300004", false, [](Sheet& sheet) {
        sheet.mRdo(Sheet::kTransferred).Pick();
        sheet.mTxtRefund(Sheet::kFiscalComment).SetText("Moved to citation 0060001");
    });

    EXPECT_EQ(result.window, "status 3, save on");
    EXPECT_EQ(approver.platform.messageBoxes.back().text,
              "The user ADJRCPT may not refund or transfer excess funds.");
    EXPECT_EQ(StoredSteps(approver, "0300004"),
              "3 | 2 | 2023-02-23 | 5 | 1 | 4 | NULL | NULL | NULL | NULL | NULL\nO\n");
}

TAVRIK_ON_BOTH_ENGINES(Tavrik_WorkSheetStoreTest);

// ---- one desk --------------------------------------------------------------------------------------

class Tavrik_WorkSheetTest : public testing::Test {
protected:
    Tavrik_WorkSheetTest() : clerk_(StoreEngine::Sqlite, "REFUNDS") {}

    // A new worksheet, once its number came in, filled as for a new refund.
    void NumberAndFill(Sheet& sheet) {
        clerk_.DeliverReply();
        FillAsNewRefund(sheet, clerk_.session);
    }

    BackOfficeSession clerk_;
};

TEST_F(Tavrik_WorkSheetTest, checks_report_their_rules_in_order) {
    const CalendarDate today = clerk_.platform.Today();
    struct Case {
        const char* name;
        Fill arrange;
        const char* expected;
        bool byVoid = false;
    };
    const auto blank = [](Sheet& sheet) {
        for (int option : {Sheet::kToTaxpayer, Sheet::kToDivision, Sheet::kToOther})
            sheet.mRdo(option).SetValue(false);
        sheet.mTxtRefund(Sheet::kHeadquartersComment).SetText("");
        sheet.mLblData(Sheet::kPreparedBy).SetCaption("");
    };
    const auto atStatus = [](Sheet& sheet, const std::string& status) {
        sheet.mStrStatusMode = status;
        sheet.mTxtRefund(Sheet::kHeadquartersComment).SetText("Overpaid");
        for (int officer : {Sheet::kVerifiedBy, Sheet::kApprovedBy, Sheet::kRefundBy})
            sheet.mLblData(officer).SetCaption("Officer " + std::to_string(officer));
    };
    const Case cases[] = {
        {"new worksheet with nothing entered", blank,
         "Please select who receives the refund when issued\r\n"
         "The comment field is required by TOLVAN DORSK HQ personnel\r\n"
         "When preparing a refund, the officer preparing the refund must be displayed.\r\n"},
        {"same preparer and verifier",
         [&](Sheet& sheet) {
             atStatus(sheet, "1");
             sheet.mLblData(Sheet::kVerifiedBy).SetCaption(sheet.mLblData(Sheet::kPreparedBy).Caption());
         },
         "The person preparing and verifying the Refund Worksheet can not be the same.\r\n"},
        {"verifier not shown yet",
         [&](Sheet& sheet) {
             atStatus(sheet, "1");
             sheet.mLblData(Sheet::kVerifiedBy).SetCaption("");
         },
         "When verifying a refund, the officer verifying the refund must be displayed.\r\n"},
        {"refunded without warrant, dated tomorrow",
         [&](Sheet& sheet) {
             atStatus(sheet, "3");
             sheet.mRdo(Sheet::kRefunded).SetValue(true);
             sheet.Tavrik_DTP1(Sheet::kRefundDate).SetValue(today.AddDays(1));
         },
         "Please enter the Warrant Number, when Refunding the worksheet\r\nRefund Date must be current or "
         "before\r\n"},
        {"transferred without description",
         [&](Sheet& sheet) {
             atStatus(sheet, "3");
             sheet.mRdo(Sheet::kTransferred).SetValue(true);
             sheet.Tavrik_DTP1(Sheet::kRefundDate).SetValue(today.AddDays(1));
         },
         "Please enter the Refund Description, when Tranferring the excess funds\r\n"},
        {"neither transferred nor refunded", [&](Sheet& sheet) { atStatus(sheet, "3"); },
         "Please select Transferred or Refunded\r\n"},
        {"mailed on 5 January next year",
         [&](Sheet& sheet) {
             atStatus(sheet, "4");
             sheet.Tavrik_DTP1(Sheet::kDateMailed).SetValue(*CalendarDate::FromYmd(today.Year() + 1, 1, 5));
         },
         "Mail Date must be current or before\r\n"},
        {"mailed before the refund",
         [&](Sheet& sheet) {
             atStatus(sheet, "4");
             sheet.Tavrik_DTP1(Sheet::kRefundDate).SetValue(today);
             sheet.Tavrik_DTP1(Sheet::kDateMailed).SetValue(today.AddDays(-1));
         },
         "Mail Date must be greater than or equal to the Refund Date\r\n"},
        {"a transferred worksheet stops the checks early",
         [&](Sheet& sheet) {
             blank(sheet);
             sheet.mLblData(Sheet::kStatus).SetCaption("T");
             sheet.mLblData(Sheet::kRefundNumber).SetCaption("0000000");
         },
         "The Refund Number has not been generated\r\n"
         "The following transaction can not be voided or saved: a Voided/Transferred/Refunded Worksheet\r\n"},
        {"a refunded worksheet voided",
         [&](Sheet& sheet) {
             atStatus(sheet, "4");
             sheet.mLblData(Sheet::kStatus).SetCaption("4");
         },
         "The following transaction can not be voided or saved: a Voided/Transferred/Refunded Worksheet\r\n",
         true},
        {"a void without recipient or comment, and no officer", blank,
         "Please select who receives the refund when issued\r\n"
         "The comment field is required by TOLVAN DORSK HQ personnel\r\n",
         true},
        {"no customer and no number",
         [](Sheet& sheet) {
             sheet.mTxtRefund(Sheet::kHeadquartersComment).SetText("Overpaid");
             sheet.mStrCustomerId = " ";
             sheet.mLblData(Sheet::kRefundNumber).SetCaption(" ");
         },
         "The Customer ID can not be found\r\nThe Refund Number can not be found\r\n"},
    };

    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        ModalForm<Sheet> sheet(clerk_.session, Sheet::kFormName);
        NumberAndFill(*sheet);
        each.arrange(*sheet);

        if (each.byVoid) {
            sheet->mCmdButton(Sheet::kVoid).SetEnabled(true);
            sheet->mCmdButton(Sheet::kVoid).Press();
        } else {
            sheet->CheckEdit();
        }

        EXPECT_EQ(sheet->ErrorText(), each.expected);
    }
}

TEST_F(Tavrik_WorkSheetTest, failing_fields_are_marked_until_the_next_check) {
    ModalForm<Sheet> sheet(clerk_.session, Sheet::kFormName);
    NumberAndFill(*sheet);
    sheet->mRdo(Sheet::kToTaxpayer).SetValue(false);

    sheet->CheckEdit();
    const bool markedFirst = sheet->mRdo(Sheet::kToOther).Color() == FieldColor::Error;
    sheet->mRdo(Sheet::kToDivision).Pick();
    sheet->mTxtRefund(Sheet::kHeadquartersComment).SetText("Overpaid");
    sheet->CheckEdit();

    EXPECT_TRUE(markedFirst);
    EXPECT_EQ(sheet->mRdo(Sheet::kToOther).Color(), FieldColor::Normal);
    EXPECT_EQ(sheet->ErrorText(), "");
}

// A void skips the officer rules but needs the recipient and comment; a refused void is over, so
// the next "Save" saves instead of voiding.
TEST_F(Tavrik_WorkSheetTest, a_refused_void_sends_nothing_and_the_next_save_is_a_save) {
    ModalForm<Sheet> sheet(clerk_.session, Sheet::kFormName);
    NumberAndFill(*sheet);
    sheet->mLblData(Sheet::kPreparedBy).SetCaption("");
    sheet->mCmdButton(Sheet::kVoid).SetEnabled(true);

    const std::size_t sentBefore = clerk_.Requests().size();
    sheet->mCmdButton(Sheet::kVoid).Press();
    const std::string voidRefusal = clerk_.platform.messageBoxes.back().text;
    const std::size_t sentByVoid = clerk_.Requests().size() - sentBefore;
    sheet->mLblData(Sheet::kPreparedBy).SetCaption("REBECCA REFUNDS");
    sheet->mTxtRefund(Sheet::kHeadquartersComment).SetText("Overpaid");
    sheet->mCmdButton(Sheet::kSave).Press();
    clerk_.DeliverReply();

    EXPECT_EQ(voidRefusal, "The comment field is required by TOLVAN DORSK HQ personnel\r\n");
    EXPECT_EQ(sentByVoid, 0u);
    ASSERT_EQ(clerk_.Requests().size(), sentBefore + 1);
    EXPECT_EQ(RenderRows(clerk_.Requests().back(), "REFUND").substr(0, 10), "ACTION=ADD");
    EXPECT_EQ(WindowState(*sheet), "status 1, frozen, dirty");
    EXPECT_FALSE(sheet->mCmdButton(Sheet::kVoid).Enabled() && sheet->mCmdButton(Sheet::kSave).Enabled());
}

// Receipt 0300002's worksheet stands prepared ("1"); SUPER may void it.
TEST_F(Tavrik_WorkSheetTest, an_accepted_void_shows_voided_and_leaves_only_print_and_close) {
    BackOfficeSession voider(clerk_.testStore, "SUPER");
    std::shared_ptr<DataSet> stored = StoredRefund(voider, "0300002");
    ModalForm<Sheet> sheet(voider.session, Sheet::kFormName);
    sheet->ShowStoredWorksheet(*stored);
    voider.DeliverReply();

    sheet->mCmdButton(Sheet::kVoid).Press();
    voider.DeliverReply();

    EXPECT_EQ(RenderRows(voider.Requests().back(), "REFUND"),
              "ACTION=UPD CUST_ID=100003 RFND_NBR=0000102 STTS_CD=V VOID_ID=1 RCPT_NBR=0300002 \n");
    EXPECT_EQ(sheet->mLblData(Sheet::kStatus).Caption(), "VOIDED");
    EXPECT_EQ(WindowState(*sheet), "status 1, frozen, dirty");
    EXPECT_FALSE(sheet->mCmdButton(Sheet::kVoid).Enabled());
    EXPECT_TRUE(sheet->mCmdButton(Sheet::kPrint).Enabled());
}

TEST_F(Tavrik_WorkSheetTest, a_stored_worksheet_opens_only_the_fields_of_its_next_step) {
    struct Case {
        const char* receipt;
        const char* expected;
    };
    // recipient frame, comment, date mailed (shown/open), bottom frame (shown/open), print, save; the
    // officer labels.
    const Case cases[] = {
        {"0300002", "recipient comment | hidden | hidden | save | REBECCA REFUNDS, REBECCA REFUNDS, , "},
        {"0300004",
         "- - | hidden | open | save | REBECCA REFUNDS, SUSAN SUPERVISOR, RAY RECEIPTS, REBECCA REFUNDS"},
        {"0300005",
         "- - | open | shown | save | REBECCA REFUNDS, SUSAN SUPERVISOR, RAY RECEIPTS, ANNA ADJUSTER"},
        {"0300006",
         "- - | shown | shown | print | REBECCA REFUNDS, SUSAN SUPERVISOR, RAY RECEIPTS, ANNA ADJUSTER"},
        {"0300008", "- - | hidden | shown | print | REBECCA REFUNDS, , , "},
    };
    const auto shownOrOpen = [](const Control& field, bool open) {
        return !field.Visible() ? "hidden" : open ? "open" : "shown";
    };

    for (const Case& each : cases) {
        SCOPED_TRACE(each.receipt);
        std::shared_ptr<DataSet> stored = StoredRefund(clerk_, each.receipt);
        ModalForm<Sheet> sheet(clerk_.session, Sheet::kFormName);
        sheet->ShowStoredWorksheet(*stored);
        clerk_.DeliverReply();
        const Sheet& shown = *sheet;
        const Tavrik_DTP& mailed = shown.Tavrik_DTP1(Sheet::kDateMailed);
        const Frame& bottom = shown.mFraRefund(Sheet::kBottomFrame);

        const std::string state =
            std::string(shown.mFra(Sheet::kRecipientFrame).Enabled() ? "recipient " : "- ") +
            (shown.mTxtRefund(Sheet::kHeadquartersComment).Enabled() ? "comment" : "-") + " | " +
            shownOrOpen(mailed, mailed.Enabled()) + " | " + shownOrOpen(bottom, bottom.Enabled()) + " | " +
            (shown.mCmdButton(Sheet::kSave).Enabled() ? "save" : "print") + " | " +
            shown.mLblData(Sheet::kPreparedBy).Caption() + ", " +
            shown.mLblData(Sheet::kVerifiedBy).Caption() + ", " +
            shown.mLblData(Sheet::kApprovedBy).Caption() + ", " + shown.mLblData(Sheet::kRefundBy).Caption();

        EXPECT_EQ(state, each.expected);
    }
}

TEST_F(Tavrik_WorkSheetTest, a_chosen_option_stays_readable_in_a_greyed_frame) {
    ModalForm<Sheet> sheet(clerk_.session, Sheet::kFormName);
    NumberAndFill(*sheet);
    sheet->mRdo(Sheet::kRefunded).SetValue(true);
    sheet->mFraRefund(Sheet::kBottomFrame).SetEnabled(false);

    sheet->GreyControls();

    EXPECT_TRUE(sheet->mRdo(Sheet::kRefunded).Enabled());
    EXPECT_FALSE(sheet->mRdo(Sheet::kTransferred).Enabled());
    EXPECT_FALSE(sheet->mTxt(Sheet::kWarrantNumber).Enabled());
    EXPECT_FALSE(sheet->mLbl(10).Enabled());
}

TEST_F(Tavrik_WorkSheetTest, numbers_come_from_the_reply_or_at_once_from_the_librarys_spares) {
    clerk_.testStore.Execute("UPDATE form_number SET NEXT_NBR = 42 WHERE NBR_TYP_CD = 'U'");
    std::string beforeReply;
    FieldColor colorBefore = FieldColor::Normal;
    std::string fromReply;
    {
        ModalForm<Sheet> first(clerk_.session, Sheet::kFormName);
        beforeReply = first->mLblData(Sheet::kRefundNumber).Caption();
        colorBefore = first->mLblData(Sheet::kRefundNumber).Color();
        clerk_.DeliverReply();
        fromReply = first->mstrRefundNumber;
    }

    ModalForm<Sheet> second(clerk_.session, Sheet::kFormName);

    EXPECT_EQ(beforeReply, "0000000");
    EXPECT_EQ(colorBefore, FieldColor::Error);
    EXPECT_EQ(fromReply, "0000042");
    EXPECT_EQ(second->mLblData(Sheet::kRefundNumber).Caption(), "0000043");
    EXPECT_EQ(second->mLblData(Sheet::kRefundNumber).Color(), FieldColor::Normal);
}

TEST_F(Tavrik_WorkSheetTest, a_number_request_that_times_out_gives_the_two_line_message) {
    clerk_.HoldReplies();
    ModalForm<Sheet> sheet(clerk_.session, Sheet::kFormName);

    clerk_.dispatcher.AdvanceTime(std::chrono::seconds(31));

    ASSERT_EQ(clerk_.platform.messageBoxes.size(), 2u);
    EXPECT_EQ(clerk_.platform.messageBoxes[1].text,
              "System could not generate refund number right now.\nPlease try again later.");
    EXPECT_EQ(clerk_.platform.messageBoxes[1].icon, MsgBoxIcon::Critical);
    EXPECT_EQ(clerk_.statuses.back(), "Search timed out");
    EXPECT_EQ(sheet->mLblData(Sheet::kRefundNumber).Caption(), "0000000");
}

TEST_F(Tavrik_WorkSheetTest, a_save_that_times_out_leaves_only_close_and_print) {
    ModalForm<Sheet> sheet(clerk_.session, Sheet::kFormName);
    NumberAndFill(*sheet);
    sheet->mTxtRefund(Sheet::kHeadquartersComment).SetText("Overpaid");
    clerk_.HoldReplies();

    sheet->mCmdButton(Sheet::kSave).Press();
    const bool enabledWhileWaiting = sheet->Enabled();
    clerk_.dispatcher.AdvanceTime(std::chrono::seconds(31));

    EXPECT_FALSE(enabledWhileWaiting);
    EXPECT_TRUE(sheet->Enabled());
    EXPECT_EQ(WindowState(*sheet), "status 0");
    EXPECT_TRUE(sheet->mCmdButton(Sheet::kClose).Enabled());
    EXPECT_TRUE(sheet->mCmdButton(Sheet::kPrint).Enabled());
    EXPECT_EQ(sheet->mstrRefundNumber, "");
    EXPECT_EQ(clerk_.statuses.back(), "Search timed out");
}

// ---- printing ---------------------------------------------------------------------------------------

TEST_F(Tavrik_WorkSheetTest, the_print_data_holds_every_field_in_order_and_any_text_exactly) {
    ModalForm<Sheet> sheet(clerk_.session, Sheet::kFormName);
    NumberAndFill(*sheet);
    const std::string awkward = "a < b && c > d \"quoted\" 'single' ]]> Zoë Ørsted 東京";
    sheet->mRdo(Sheet::kToTaxpayer).SetValue(false);
    sheet->mLblData(Sheet::kAddress).SetCaption("1 Dock Rd");
    sheet->mLblData(Sheet::kCity).SetCaption("Kovra");
    sheet->mLblData(Sheet::kState).SetCaption("TD");
    sheet->mLblData(Sheet::kZip).SetCaption("40001");
    sheet->mLblData(Sheet::kStatus).SetCaption("0");
    sheet->mTxtRefund(Sheet::kHeadquartersComment).SetText(awkward);
    sheet->mTxtRefund(Sheet::kFiscalComment).SetText(awkward);

    std::string xml;
    sheet->GetWorkSheetforPrint(xml);
    LibXmlDocument read;
    read.LoadXml(xml);

    EXPECT_EQ(xml.substr(0, xml.find('\n') + 1), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    std::string fields;
    for (const LibXmlDocument::Child& child : read.Children())
        fields += child.name + "=" + child.text + "\n";
    EXPECT_EQ(fields,
              "REFUNDNO=0000109\nREFUNDAMT=$48.00\nREFUNDSTAT=0\nREFUNDTO=\nCUSTNAME=Łukasz Transport\n"
              "CUSTADDR=1 Dock Rd\nCUSTSTATE=TD\nCUSTCITY=Kovra\nCUSTZIP=40001\nPREPAREDBY=REBECCA REFUNDS\n"
              "VERIFIEDBY=\nAPPROVEDBY=\nDATEMAILED=\nHEADQUARTERCOMMENT=" +
                  awkward + "\nOVERAGE=\nWARRANTNO=\nREFUNDDATE=\nREFUNDBY=\nFISCALCOMMENT=" + awkward +
                  "\n");
    EXPECT_NE(xml.find("<TavrikAdjust>"), std::string::npos) << "the title's blank is dropped from the root";
}

TEST_F(Tavrik_WorkSheetTest, printing_runs_the_printer_and_swallows_only_its_print_error) {
    ModalForm<Sheet> sheet(clerk_.session, Sheet::kFormName);
    NumberAndFill(*sheet);
    clerk_.platform.failingPrinterCall = "PrintOut";

    sheet->PrintWorksheet();

    ASSERT_EQ(clerk_.platform.printerCalls.size(), 4u);
    EXPECT_TRUE(clerk_.platform.printerCalls[0].starts_with("LoadTemplate "));
    EXPECT_TRUE(std::ifstream(clerk_.platform.printerCalls[0].substr(13)).good());
    EXPECT_TRUE(clerk_.platform.printerCalls[1].starts_with("MergeData <?xml"));
    EXPECT_EQ(clerk_.platform.printerCalls[2], "PrintOut 1 dialog pdf");
    EXPECT_EQ(clerk_.platform.printerCalls[3], "CloseTemplate");
    EXPECT_TRUE(clerk_.platform.messageBoxes.empty());
}

TEST_F(Tavrik_WorkSheetTest, printing_without_a_template_reports_it_and_prints_nothing) {
    clerk_.testStore.Execute("DELETE FROM print_template");
    ModalForm<Sheet> sheet(clerk_.session, Sheet::kFormName);
    NumberAndFill(*sheet);

    sheet->PrintWorksheet();

    EXPECT_TRUE(clerk_.platform.printerCalls.empty());
    ASSERT_EQ(clerk_.platform.messageBoxes.size(), 1u);
    EXPECT_EQ(clerk_.platform.messageBoxes[0].text,
              "No template file is available for print. Contact your system administrator.\r\n\r\n"
              "Tavrik_WorkSheet.PrintWorksheet");
    std::ifstream log(clerk_.directory / "errors.log");
    const std::string logged((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
    EXPECT_NE(logged.find("-2147221503"), std::string::npos) << logged;
}

} // namespace
} // namespace tavrik
