#include "receivable/Tavrik_AccDetail.h"

#include "receivable/Tavrik_Activity.h"
#include "receivable/Tavrik_LicPurchOpt.h"
#include "tests/receivable/ArDetailRoad.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tavrik {
namespace {

using ::testing::ElementsAre;

constexpr const char* kAvailable12345 =
    "Available Assessments: Assessment Date | Last Adjust Date | Description | Assessment | Amount Due | "
    "Remove |\n"
    " 03/20/2023 |  | LPO FEE - 30 DAY | $120.00 | $120.00 |  |\n"
    " 03/15/2023 |  | ADMINISTRATIVE FEE | $35.00 | $35.00 |  |\n"
    " 03/15/2023 |  | LATE PAYMENT PENALTY | $250.00 | $250.00 |  |\n";

void DateAndComment(Tavrik_AccDetail& detail, int year, unsigned month, unsigned day,
                    const std::string& comment) {
    detail.mDtpDTPicker.SetValue(CalendarDate::FromYmd(year, month, day));
    detail.mTxtAdjust(0).TypeText(comment);
}

class ArDetailRoad : public StoreTest {};
class ArDetailOpening : public StoreTest {};
class ArDetailCheckEdit : public StoreTest {};
class ArDetailSave : public StoreTest {};
class ArDetailAccess : public StoreTest {};
class ArDetailTwoClerks : public StoreTest {};
class ArDetailLoading : public StoreTest {};
class ArDetailTotals : public StoreTest {};

TEST_P(ArDetailRoad, removing_a_fee_sends_the_adjustment_reloads_the_grids_and_refreshes_the_lists) {
    DocumentHarness harness(Engine());
    std::string availableOnOpen, adjustedAfterSave, totalsWhenTicked, labels;
    bool lockedWhilePending = false;
    bool dirtyAfterReply = false;

    WithArDetail(harness, "0012345", [&](Tavrik_AccDetail& detail) {
        availableOnOpen = RenderGrid(detail.mSdgDBGrid(Tavrik_AccDetail::kAvailableGrid));
        for (int index : {Tavrik_AccDetail::kArNumber, Tavrik_AccDetail::kCustomerName,
                          Tavrik_AccDetail::kArTypeDescription, Tavrik_AccDetail::kArType,
                          Tavrik_AccDetail::kStatusDescription, Tavrik_AccDetail::kCustomerId,
                          Tavrik_AccDetail::kArCheckNumber})
            labels += detail.mLblAdjust(index).Caption() + "|";
        Tick(detail, Tavrik_AccDetail::kAvailableGrid, "F02");
        totalsWhenTicked = detail.mLblAdjust(Tavrik_AccDetail::kTotalRemoval).Caption() + " " +
                           detail.mLblAdjust(Tavrik_AccDetail::kTotalReinstated).Caption() + " " +
                           detail.mLblAdjust(Tavrik_AccDetail::kTotalAdjustment).Caption();
        DateAndComment(detail, 2026, 12, 1, "Fee charged twice");
        detail.mCmdButton(Tavrik_AccDetail::kSave).Press();
        lockedWhilePending = detail.IsSavePending() && !detail.mDtpDTPicker.Enabled() &&
                             !detail.Tavrik_CodesCombo(0).Enabled() && !detail.mTxtAdjust(0).Enabled() &&
                             !detail.mCmdButton(Tavrik_AccDetail::kSave).Enabled() &&
                             !detail.mSdgDBGrid(Tavrik_AccDetail::kAvailableGrid).Enabled() &&
                             !detail.mSdgDBGrid(Tavrik_AccDetail::kAdjustedGrid).Enabled() &&
                             harness.platform.LastPointer() == MousePointer::Hourglass;
        harness.DeliverReply();
        dirtyAfterReply = detail.mBlnDirty && !detail.IsSavePending();
        adjustedAfterSave = RenderGrid(detail.mSdgDBGrid(Tavrik_AccDetail::kAdjustedGrid)) +
                            detail.mLblAdjust(Tavrik_AccDetail::kTotalRemoval).Caption() + "|" +
                            detail.mTxtAdjust(0).Text() + "|" + harness.statuses.back();
        detail.mCmdButton(Tavrik_AccDetail::kClose).Press();
    });
    harness.DeliverReply();

    const std::vector<RequestMessage> requests = harness.Requests();
    ASSERT_EQ(requests.size(), 4u);
    EXPECT_THAT(requests[1].keys, ElementsAre(RequestKey{"key:REF_NBR", "0012345", "=", "PENTRAX"},
                                              RequestKey{"key:REF_TYP_CD", "C", "=", "PENTRAX"},
                                              RequestKey{"key:LPO", "NO", "=", "PENTRAX"}));
    EXPECT_EQ(labels, "0012345|ACME FREIGHT LINES INC|CITATION|C|OPEN|100001|5|");
    EXPECT_EQ(availableOnOpen, kAvailable12345);
    EXPECT_EQ(totalsWhenTicked, "$35.00  $35.00");
    const RequestMessage& save = requests[2];
    EXPECT_EQ(save.piNumber, 48);
    EXPECT_EQ(save.formName, std::string(DocumentHarness::kTitle) + "AccDetail");
    EXPECT_THAT(save.keys, ElementsAre(RequestKey{"key:REF_NBR", "0012345", "=", "PENTRAX"},
                                       RequestKey{"key:REF_TYP_CD", "C", "=", "PENTRAX"},
                                       RequestKey{"key:LPO", "NO", "=", "PENTRAX"}));
    EXPECT_EQ(
        RenderRows(save, "ADJUSTAR"),
        "ACTION=ADD CUST_ID=100001 ADJSTMT_DT=2026-12-01 ADJST_CMMT_TXT=Fee charged twice ADJSTMT_TYP_CD= "
        "ACCT_RCVBL_NBR=0012345 ACCT_RCVBL_CK_NBR=5 ACCT_RCVBL_TYP_CD=C \n");
    EXPECT_EQ(RenderRows(save, "ASSESSMENT"),
              "ACTION=UPD VLTN_ASSMT_STTS_CD=I VLTN_ASSMT_SEQ_NBR=2 TRNSCTN_NBR=500002 CUST_ID=100001 "
              "ADJSTMT_DT=2026-12-01 ASSMT_CD=F02 CL_ASMT_AMT=35.00 BAL_DUE_AMT=0.00 \n");
    EXPECT_EQ(RenderRows(save, "CTTNADTNINFO"), "(none)");
    EXPECT_TRUE(lockedWhilePending);
    EXPECT_TRUE(dirtyAfterReply);
    EXPECT_EQ(adjustedAfterSave, "Adjusted  Assessments: Assessment Date | Last Adjust Date | Description | "
                                 "Assessment | Amount Due | Reinstate |\n"
                                 " 03/15/2023 | 12/01/2026 | ADMINISTRATIVE FEE | $35.00 | $0.00 |  |\n"
                                 " 03/15/2023 | 04/01/2023 | PROCESSING FEE | $75.00 | $0.00 |  |\n"
                                 "||Ready");
    EXPECT_EQ(requests[3].piNumber, 47);
    EXPECT_EQ(harness.document.mSdgDBGrid(Tavrik_AdjustAcc::kReceivablesGrid).CellTextAt(0, "DUE_AMT"),
              "$312.50");
}

TEST_P(ArDetailOpening,
       locks_save_for_inactive_case_and_voided_generated_forms_and_starts_dates_at_the_stop_date) {
    const std::pair<const char*, const char*> cases[] = {
        {"0012345", "save:on from:03/15/2023"},  {"0012351", "save:off from:05/06/2023"},
        {"0012350", "save:off from:05/05/2023"}, {"2000000", "save:off from:12/01/2022"},
        {"1999999", "save:on from:11/30/2022"},
    };
    for (const auto& [number, expected] : cases) {
        DocumentHarness harness(Engine());
        std::string state;

        WithArDetail(harness, number, [&](Tavrik_AccDetail& detail) {
            state = "save:" + OnOff(detail.mCmdButton(Tavrik_AccDetail::kSave).Enabled()) +
                    " from:" + detail.mDtpDTPicker.EarliestDate()->FormatUs();
            detail.Hide();
        });

        EXPECT_EQ(state, expected) << number;
    }
}

// The window as the document leaves it for one AR, with its assessments loaded and nothing entered.
struct RuleCase {
    const char* name;
    const char* arNumber;
    std::function<void(Tavrik_AccDetail&)> enter;
    const char* expected;
};

TEST_P(ArDetailCheckEdit, lists_the_messages_of_failing_rules_in_order_and_stops_where_it_must) {
    const auto voidAction = [](Tavrik_AccDetail& d) { d.Tavrik_CodesCombo(0).SetCode("V"); };
    const RuleCase cases[] = {
        {"nothing entered", "0012345", [](Tavrik_AccDetail&) {},
         "Adjusted Date is required\r\nPlease adjust the account receivables or the Fees/Penalties\r\n"
         "Comment is required\r\n"},
        {"payment plan voided stops at once", "0030001", voidAction,
         "Can not void or delete a payment plan\r\n"},
        {"voided form adjusted stops at once", "1999999",
         [](Tavrik_AccDetail& d) { Tick(d, Tavrik_AccDetail::kAdjustedGrid, "P01"); },
         "Can not adjust a voided form\r\n"},
        {"future date", "0012345",
         [](Tavrik_AccDetail& d) {
             Tick(d, Tavrik_AccDetail::kAvailableGrid, "F02");
             DateAndComment(d, 2026, 12, 7, "x");
         },
         "Date Adjusted must be current date or a prior date\r\n"},
        {"date before ticked assessments in both grids", "0012345",
         [](Tavrik_AccDetail& d) {
             d.mDtpDTPicker.SetEarliestDate(CalendarDate::FromYmd(1993, 1, 1));
             Tick(d, Tavrik_AccDetail::kAvailableGrid, "F02");
             Tick(d, Tavrik_AccDetail::kAdjustedGrid, "F05");
             DateAndComment(d, 2023, 3, 14, "x");
         },
         "Date Adjusted must be >= assessment date in Available Assessments Grid\r\n"
         "Date Adjusted must be >= assessment date in Adjusted Assessments Grid\r\n"},
        {"date on the assessment date", "0012345",
         [](Tavrik_AccDetail& d) {
             Tick(d, Tavrik_AccDetail::kAvailableGrid, "F02");
             DateAndComment(d, 2023, 3, 15, "x");
         },
         ""},
        {"action with ticks", "0012345",
         [](Tavrik_AccDetail& d) {
             Tick(d, Tavrik_AccDetail::kAvailableGrid, "F02");
             d.Tavrik_CodesCombo(0).SetCode("V");
             DateAndComment(d, 2026, 12, 1, "x");
         },
         "You can not select Action and adjust a fee/penalty at the same time\r\n"},
        {"two F01 fees", "0012346",
         [](Tavrik_AccDetail& d) {
             Tick(d, Tavrik_AccDetail::kAvailableGrid, "F01", 1);
             Tick(d, Tavrik_AccDetail::kAvailableGrid, "F01", 2);
             DateAndComment(d, 2026, 12, 1, "x");
         },
         "Adjust only one LPO at a time\r\n"},
        {"F01 and F15", "0012346",
         [](Tavrik_AccDetail& d) {
             Tick(d, Tavrik_AccDetail::kAvailableGrid, "F01");
             Tick(d, Tavrik_AccDetail::kAvailableGrid, "F15");
             DateAndComment(d, 2026, 12, 1, "x");
         },
         "Adjust only one LPO at a time\r\n"},
        {"delete of an alert", "0040001",
         [](Tavrik_AccDetail& d) {
             d.Tavrik_CodesCombo(0).SetCode("D");
             DateAndComment(d, 2026, 12, 1, "x");
         },
         "Only delete ENF001, ENF003, ENF507, and Temporary Permits\r\n"},
        {"delete of an alert without a comment", "0040001",
         [](Tavrik_AccDetail& d) {
             d.Tavrik_CodesCombo(0).SetCode("D");
             d.mDtpDTPicker.SetValue(CalendarDate::FromYmd(2026, 12, 1));
         },
         "Comment is required\r\n"},
    };
    for (const RuleCase& rule : cases) {
        DocumentHarness harness(Engine());
        std::string errors;

        WithArDetail(harness, rule.arNumber, [&](Tavrik_AccDetail& detail) {
            rule.enter(detail);
            detail.CheckEdit();
            errors = detail.ErrorText();
            detail.Hide();
        });

        EXPECT_EQ(errors, rule.expected) << rule.name;
    }
}

TEST_P(ArDetailSave, deletes_and_voids_by_the_generated_form_rules) {
    struct Case {
        const char* arNumber;
        const char* action;
        std::vector<MsgBoxAnswer> answers;
        const char* expectedBox;
        bool sent;
        bool saveEnabledAfter;
    };
    const Case cases[] = {
        {"2000001",
         "D",
         {},
         "Can not delete a generated form. Please void and correct the form instead.",
         false,
         true},
        {"0012345", "D", {MsgBoxAnswer::No}, "Are you sure that you want to delete this form?", false, true},
        {"0012345", "D", {MsgBoxAnswer::Yes}, "Are you sure that you want to delete this form?", true, false},
        {"2000001", "V", {}, "", true, false},
        {"0012345", "V", {}, "", true, true},
    };
    for (const Case& each : cases) {
        DocumentHarness harness(Engine());
        for (MsgBoxAnswer answer : each.answers)
            harness.platform.QueueAnswer(answer);
        bool saveEnabled = false;
        std::string status;

        WithArDetail(harness, each.arNumber, [&](Tavrik_AccDetail& detail) {
            detail.Tavrik_CodesCombo(0).SetCode(each.action);
            DateAndComment(detail, 2026, 12, 1, "Issued in error");
            detail.mCmdButton(Tavrik_AccDetail::kSave).Press();
            if (detail.IsSavePending())
                harness.DeliverReply();
            saveEnabled = detail.mCmdButton(Tavrik_AccDetail::kSave).Enabled();
            status = detail.mLblAdjust(Tavrik_AccDetail::kStatusDescription).Caption();
            detail.Hide();
        });

        const std::string label = std::string(each.arNumber) + " " + each.action;
        if (each.sent)
            harness.DeliverReply(); // the lists read again
        const std::vector<RequestMessage> requests = harness.Requests();
        const auto sent = std::count_if(requests.begin(), requests.end(),
                                        [](const RequestMessage& request) { return request.piNumber == 48; });
        EXPECT_EQ(sent, each.sent ? 1 : 0) << label;
        if (*each.expectedBox != '\0') {
            ASSERT_FALSE(harness.platform.messageBoxes.empty()) << label;
            EXPECT_EQ(harness.platform.messageBoxes.front().text, each.expectedBox) << label;
        }
        EXPECT_EQ(saveEnabled, each.saveEnabledAfter) << label;
        if (each.sent) {
            EXPECT_EQ(RenderRows(harness.Requests()[2], "ASSESSMENT"), "(none)") << label;
            EXPECT_EQ(status, *each.action == 'V' ? "VOID" : "DELETED") << label;
        }
    }
}

TEST_P(ArDetailSave, asks_for_the_licence_purchase_when_an_lpo_fee_is_removed) {
    DocumentHarness harness(Engine());
    std::size_t requestsAfterCancel = 0;
    std::string statusAfterCancel;
    bool tickKept = false;

    WithArDetail(harness, "0012345", [&](Tavrik_AccDetail& detail) {
        Tick(detail, Tavrik_AccDetail::kAvailableGrid, "F01");
        DateAndComment(detail, 2026, 12, 1, "Licence bought");
        harness.platform.QueueScript([](Form& form) {
            dynamic_cast<Tavrik_LicPurchOpt&>(form).mCmd(Tavrik_LicPurchOpt::kCancel).Press();
        });
        detail.mCmdButton(Tavrik_AccDetail::kSave).Press();
        requestsAfterCancel = harness.Requests().size();
        statusAfterCancel = harness.statuses.back();
        tickKept = detail.mSdgDBGrid(Tavrik_AccDetail::kAvailableGrid).CellTextAt(0, "Remove") == "-1";

        harness.platform.QueueScript([](Form& form) {
            auto& lpo = dynamic_cast<Tavrik_LicPurchOpt&>(form);
            lpo.mRdo(Tavrik_LicPurchOpt::kInState).Pick();
            lpo.mTxt(Tavrik_LicPurchOpt::kPlate).TypeText("ABC-123");
            lpo.Tavrik_DTP1(Tavrik_LicPurchOpt::kDatePurchased).SetValue(CalendarDate::FromYmd(2026, 11, 30));
            lpo.Tavrik_DTP1(Tavrik_LicPurchOpt::kTimePurchased).SetValue(CalendarDate::FromYmd(2026, 11, 30));
            lpo.Tavrik_DTP1(Tavrik_LicPurchOpt::kTimePurchased).SetTime(TimeOfDay::Parse("14:30"));
            lpo.mTxt(Tavrik_LicPurchOpt::kTroopDistrict).TypeText("a10");
            lpo.mTxt(Tavrik_LicPurchOpt::kWeight).TypeText("80000");
            lpo.mTxt(Tavrik_LicPurchOpt::kAmount).TypeText("150");
            lpo.mTxt(Tavrik_LicPurchOpt::kAmount).LostFocus.Raise();
            lpo.mCmd(Tavrik_LicPurchOpt::kSave).Press();
        });
        detail.mCmdButton(Tavrik_AccDetail::kSave).Press();
        harness.DeliverReply();
        detail.Hide();
    });
    harness.DeliverReply();

    EXPECT_EQ(requestsAfterCancel, 2u);
    EXPECT_EQ(statusAfterCancel, "License Purchase Option did not save. Save Request canceled.");
    EXPECT_TRUE(tickKept);
    ASSERT_EQ(harness.Requests().size(), 4u);
    EXPECT_EQ(
        RenderRows(harness.Requests()[2], "CTTNADTNINFO"),
        "ACTION=UPD PRCHS_OPTN_ST_CD=0 PRCHS_OPTN_TAG_NBR=ABC-123 PRCHS_OPTN_DT=2026-11-30 "
        "PRCHS_OPTN_TM=14:30 "
        "PO_TRP_ID=A PO_TRP_DSTRCT_ID=10 PRCHS_OPTN_WGT=80000 TOT_PRCHS_OPTN_AMT=150.00 PRCHS_OPTN_TXT= \n");
    EXPECT_EQ(
        RenderRows(harness.Requests()[2], "ASSESSMENT"),
        "ACTION=UPD VLTN_ASSMT_STTS_CD=I VLTN_ASSMT_SEQ_NBR=3 TRNSCTN_NBR=500003 CUST_ID=100001 "
        "ADJSTMT_DT=2026-12-01 ASSMT_CD=F01 AC_ASMT_AMT=120.00 BAL_DUE_AMT=0.00 LIC_PRCHS_OPTN_IND=Y \n");
    EXPECT_TRUE(harness.platform.messageBoxes.empty());
}

TEST_P(ArDetailSave, recovers_from_a_timed_out_update_and_treats_the_next_reply_as_its_own) {
    DocumentHarness harness(Engine());
    std::string afterTimeout;
    bool pendingAfterTimeout = false;
    bool dirtyAfterNextReply = false;

    WithArDetail(harness, "0012345", [&](Tavrik_AccDetail& detail) {
        Tick(detail, Tavrik_AccDetail::kAvailableGrid, "F02");
        Tick(detail, Tavrik_AccDetail::kAdjustedGrid, "F05");
        DateAndComment(detail, 2026, 12, 1, "Timed out");
        harness.HoldReplies();
        detail.mCmdButton(Tavrik_AccDetail::kSave).Press();
        harness.dispatcher.AdvanceTime(std::chrono::seconds(31));
        harness.dispatcher.RunPending();
        afterTimeout = RenderGrid(detail.mSdgDBGrid(Tavrik_AccDetail::kAvailableGrid)) +
                       RenderGrid(detail.mSdgDBGrid(Tavrik_AccDetail::kAdjustedGrid)) +
                       "date:" + (detail.mDtpDTPicker.Value() ? "set" : "blank") +
                       " comment:" + detail.mTxtAdjust(0).Text() +
                       " save:" + OnOff(detail.mCmdButton(Tavrik_AccDetail::kSave).Enabled());
        pendingAfterTimeout = detail.IsSavePending();
        harness.ReleaseReplies();

        harness.platform.QueueScript([&](Form& form) {
            // The late update reply (dropped) and the activity reply may arrive in one delivery.
            for (int delivery = 0; delivery < 2 && !detail.mBlnDirty; ++delivery)
                harness.DeliverReply();
            dirtyAfterNextReply = detail.mBlnDirty && !detail.IsSavePending();
            dynamic_cast<Tavrik_Activity&>(form).mCmdActivity(Tavrik_Activity::kClose).Press();
        });
        detail.mCmdButton(Tavrik_AccDetail::kAccountActivity).Press();
        detail.Hide();
    });
    harness.DeliverReply();

    ASSERT_FALSE(harness.platform.messageBoxes.empty());
    EXPECT_EQ(harness.platform.messageBoxes[0].text, "The back office did not answer in time.");
    EXPECT_EQ(
        afterTimeout,
        "Available Assessments: Assessment Date | Last Adjust Date | Description | Assessment | Amount Due | "
        "Remove |\n"
        " 03/20/2023 |  | LPO FEE - 30 DAY | $120.00 | $120.00 |  |\n"
        " 03/15/2023 |  | LATE PAYMENT PENALTY | $250.00 | $250.00 |  |\n"
        "Adjusted  Assessments: Assessment Date | Last Adjust Date | Description | Assessment | Amount Due | "
        "Reinstate |\n"
        "date:blank comment: save:on");
    EXPECT_TRUE(pendingAfterTimeout);
    EXPECT_TRUE(dirtyAfterNextReply);
    EXPECT_EQ(harness.Requests().back().piNumber, 47);
}

TEST_P(ArDetailAccess, a_user_without_the_privilege_only_looks_even_after_an_error_reply) {
    DocumentHarness harness(Engine(), "CLERK");
    std::string state;

    WithArDetail(harness, "0012345", [&](Tavrik_AccDetail& detail) {
        const bool tickRefused =
            !detail.mSdgDBGrid(Tavrik_AccDetail::kAvailableGrid).EditCell(0, "Remove", "-1") &&
            !detail.mSdgDBGrid(Tavrik_AccDetail::kAdjustedGrid).EditCell(0, "REINSTATE", "-1");
        // An error reply enables the inputs again for a user who may adjust; this one may not.
        detail.mLblAdjust(Tavrik_AccDetail::kArType).SetCaption("X");
        harness.platform.QueueScript([&](Form& activity) {
            harness.DeliverReply();
            activity.Hide();
        });
        detail.mCmdButton(Tavrik_AccDetail::kAccountActivity).Press();
        state = harness.platform.messageBoxes.at(0).text + "\n" +
                std::string(tickRefused ? "ticks refused" : "ticks taken") +
                " save:" + OnOff(detail.mCmdButton(Tavrik_AccDetail::kSave).Enabled()) + " inputs:" +
                OnOff(detail.mDtpDTPicker.Enabled() || detail.Tavrik_CodesCombo(0).Enabled() ||
                      detail.mTxtAdjust(0).Enabled()) +
                " activity:" + OnOff(detail.mCmdButton(Tavrik_AccDetail::kAccountActivity).Enabled()) +
                " rows:" + std::to_string(detail.mSdgDBGrid(Tavrik_AccDetail::kAvailableGrid).Rows());
        detail.mCmdButton(Tavrik_AccDetail::kClose).Press();
    });

    EXPECT_EQ(state, "There is no account receivable 0012345 of type \"X\".\n"
                     "ticks refused save:off inputs:off activity:on rows:3");
}

TEST_P(ArDetailTwoClerks, refuses_the_second_save_built_from_the_same_read_and_applies_none_of_it) {
    DocumentHarness first(Engine(), "SUPER");
    DocumentHarness second(first.testStore, "ADJAR");
    std::string refusal;

    WithArDetail(first, "0012345", [&](Tavrik_AccDetail& firstDetail) {
        WithArDetail(second, "0012345", [&](Tavrik_AccDetail& secondDetail) {
            Tick(firstDetail, Tavrik_AccDetail::kAvailableGrid, "F02");
            DateAndComment(firstDetail, 2026, 12, 1, "First clerk");
            firstDetail.mCmdButton(Tavrik_AccDetail::kSave).Press();
            first.DeliverReply();

            Tick(secondDetail, Tavrik_AccDetail::kAvailableGrid, "F02");
            Tick(secondDetail, Tavrik_AccDetail::kAvailableGrid, "P01");
            DateAndComment(secondDetail, 2026, 12, 2, "Second clerk");
            secondDetail.mCmdButton(Tavrik_AccDetail::kSave).Press();
            second.DeliverReply();
            refusal = second.platform.messageBoxes.empty() ? "" : second.platform.messageBoxes.back().text;
            secondDetail.Hide();
        });
        firstDetail.Hide();
    });

    EXPECT_EQ(refusal,
              "Account receivable 0012345 was changed by someone else since it was read. Nothing was "
              "saved; close the window and open the account again.");
    EXPECT_EQ(second.statuses.back(), "Search was not successful");
    EXPECT_EQ(
        first.StoreRows("SELECT ASSMT_CD, VLTN_ASSMT_STTS_CD FROM assessment WHERE ACCT_RCVBL_NBR = 12345 "
                        "ORDER BY VLTN_ASSMT_SEQ_NBR"),
        "P01 | A\nF02 | I\nF01 | A\nF05 | I\n");
    EXPECT_EQ(first.StoreRows("SELECT COUNT(*) FROM account_activity WHERE ACTVTY_CMMT_TXT = 'Second clerk'"),
              "0\n");
}

TEST_P(ArDetailLoading, edge_rows_get_zero_balance_empty_description_and_no_lpo_by_default) {
    DocumentHarness harness(Engine());
    std::string available, adjusted;

    WithArDetail(harness, "0012345", [&](Tavrik_AccDetail& detail) {
        DataSet assessments(harness.session.DataSetOpener, "ASSESSMENT");
        Recordset& rows = *assessments.Recordset();
        const auto add = [&rows](const char* status, int sequence, FieldValue code, FieldValue lpo) {
            rows.AddNew();
            rows.SetField("VLTN_ASSMT_STTS_CD", status);
            rows.SetField("VLTN_ASSMT_SEQ_NBR", FieldValue(std::int64_t{sequence}));
            rows.SetField("TRNSCTN_NBR", FieldValue(std::int64_t{900000 + sequence}));
            rows.SetField("CUST_ID", "100001");
            rows.SetField("ASSMT_ISSUE_DT", *CalendarDate::FromYmd(2023, 1, sequence));
            rows.SetField("ASSMT_CD", std::move(code));
            rows.SetField("CL_ASMT_AMT", *Currency::Parse("150.00"));
            rows.SetField("AC_ASMT_AMT", *Currency::Parse("120.00"));
            if (sequence != 1)
                rows.SetField("BAL_DUE_AMT", *Currency::Parse("5.00"));
            rows.SetField("LIC_PRCHS_OPTN_IND", std::move(lpo));
            rows.Update();
        };
        add("A", 1, FieldValue(), FieldValue());
        add("A", 2, "F02", "");
        add("A", 3, "F01", "y");
        add("I", 4, "P01", "  ");
        detail.LoadAssessments(assessments);
        available = RenderAllCells(detail.mSdgDBGrid(Tavrik_AccDetail::kAvailableGrid));
        adjusted = RenderAllCells(detail.mSdgDBGrid(Tavrik_AccDetail::kAdjustedGrid));
        detail.Hide();
    });

    EXPECT_EQ(available, "A|1|900001|100001||01/01/2023||||$150.00|$0.00||N|\n"
                         "A|3|900003|100001||01/03/2023||F01|LPO FEE - 30 DAY|$120.00|$5.00||y|\n"
                         "A|2|900002|100001||01/02/2023||F02|ADMINISTRATIVE FEE|$150.00|$5.00||N|\n");
    EXPECT_EQ(adjusted, "I|4|900004|100001||01/04/2023||P01|LATE PAYMENT PENALTY|$150.00|$5.00||N|||\n");
}

TEST_P(ArDetailTotals, reinstating_alone_fills_the_reinstated_total_and_both_grids_add_up) {
    DocumentHarness harness(Engine());
    std::string totals;

    WithArDetail(harness, "0012345", [&](Tavrik_AccDetail& detail) {
        const auto show = [&] {
            totals += "[" + detail.mLblAdjust(Tavrik_AccDetail::kTotalRemoval).Caption() + "|" +
                      detail.mLblAdjust(Tavrik_AccDetail::kTotalReinstated).Caption() + "|" +
                      detail.mLblAdjust(Tavrik_AccDetail::kTotalAdjustment).Caption() + "]";
        };
        Tick(detail, Tavrik_AccDetail::kAdjustedGrid, "F05");
        show();
        Tick(detail, Tavrik_AccDetail::kAvailableGrid, "P01");
        show();
        Tick(detail, Tavrik_AccDetail::kAvailableGrid, "F02");
        show();
        detail.mSdgDBGrid(Tavrik_AccDetail::kAdjustedGrid).EditCell(0, "REINSTATE", "0");
        show();
        detail.Hide();
    });

    EXPECT_EQ(totals,
              "[|$75.00|$75.00][$250.00|$75.00|$325.00][$285.00|$75.00|$360.00][$285.00|$0.00|$285.00]");
}

TEST_P(ArDetailSave, sends_removals_before_reinstatements_and_says_each_step_in_the_status_bar) {
    DocumentHarness harness(Engine());
    std::string rows;

    WithArDetail(harness, "0012345", [&](Tavrik_AccDetail& detail) {
        Tick(detail, Tavrik_AccDetail::kAdjustedGrid, "F05");
        Tick(detail, Tavrik_AccDetail::kAvailableGrid, "F02");
        DateAndComment(detail, 2026, 12, 1, "Swap the fees");
        detail.mCmdButton(Tavrik_AccDetail::kSave).Press();
        harness.DeliverReply();
        detail.Hide();
    });
    harness.DeliverReply();

    const std::vector<RequestMessage> requests = harness.Requests();
    ASSERT_EQ(requests.size(), 4u);
    EXPECT_EQ(RenderRows(requests[2], "ASSESSMENT"),
              "ACTION=UPD VLTN_ASSMT_STTS_CD=I VLTN_ASSMT_SEQ_NBR=2 TRNSCTN_NBR=500002 CUST_ID=100001 "
              "ADJSTMT_DT=2026-12-01 ASSMT_CD=F02 CL_ASMT_AMT=35.00 BAL_DUE_AMT=0.00 \n"
              "ACTION=UPD VLTN_ASSMT_STTS_CD=A VLTN_ASSMT_SEQ_NBR=4 TRNSCTN_NBR=500004 CUST_ID=100001 "
              "ADJSTMT_DT=2026-12-01 ASSMT_CD=F05 CL_ASMT_AMT=75.00 BAL_DUE_AMT=0.00 \n");
    const std::vector<std::string> expected = {"Searching for account receivable number 0012345-5",
                                               "Checking for data changes",
                                               "Saving Fees/Penalties for CITATION number 0012345", "Ready"};
    std::vector<std::string> seen;
    for (const std::string& status : harness.statuses)
        if (std::find(expected.begin(), expected.end(), status) != expected.end() &&
            (seen.empty() || seen.back() != status))
            seen.push_back(status);
    EXPECT_THAT(seen, testing::IsSupersetOf(expected));
}

// Each case enters what it says and presses "Save": nothing is sent, the status bar says why, and a
// failing check shows its whole text in one message box.
TEST_P(ArDetailSave, refused_saves_send_nothing_and_a_comment_of_blanks_counts_as_none) {
    struct Case {
        const char* name;
        std::function<void(Tavrik_AccDetail&)> enter;
        std::vector<MsgBoxAnswer> answers;
        const char* status;
        std::string boxes;
        bool changed = true;
    };
    const std::string title = std::string(DocumentHarness::kHostCaption) + ": ";
    const char* const unchanged = "Information did not change.  Save request canceled. ";
    const Case cases[] = {
        {"nothing entered", [](Tavrik_AccDetail&) {}, {}, unchanged, "", false},
        {"comment of blanks",
         [](Tavrik_AccDetail& d) { d.mTxtAdjust(0).TypeText("   "); },
         {},
         unchanged,
         "",
         false},
        {"a tick without date or comment",
         [](Tavrik_AccDetail& d) { Tick(d, Tavrik_AccDetail::kAvailableGrid, "P01"); },
         {},
         "Error(s) found",
         title + "Adjusted Date is required\r\nComment is required\r\n\n"},
        {"a comment alone",
         [](Tavrik_AccDetail& d) { d.mTxtAdjust(0).TypeText("x"); },
         {},
         "Error(s) found",
         title + "Adjusted Date is required\r\nPlease adjust the account receivables or the "
                 "Fees/Penalties\r\n\n"},
        {"delete not confirmed",
         [](Tavrik_AccDetail& d) {
             d.Tavrik_CodesCombo(0).SetCode("D");
             DateAndComment(d, 2026, 12, 1, "Wrong form");
         },
         {MsgBoxAnswer::Cancel},
         "Save Request Canceled.",
         title + "Are you sure that you want to delete this form?\n"},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        DocumentHarness harness(Engine());
        for (MsgBoxAnswer answer : each.answers)
            harness.platform.QueueAnswer(answer);
        bool changed = true;

        WithArDetail(harness, "0012345", [&](Tavrik_AccDetail& detail) {
            each.enter(detail);
            changed = detail.DataChanged();
            detail.mCmdButton(Tavrik_AccDetail::kSave).Press();
            detail.Hide();
        });

        std::string boxes;
        for (const ShownMessageBox& box : harness.platform.messageBoxes)
            boxes += box.title + ": " + box.text + "\n";
        EXPECT_EQ(harness.statuses.back(), each.status);
        EXPECT_EQ(boxes, each.boxes);
        EXPECT_EQ(changed, each.changed);
        EXPECT_EQ(harness.Requests().size(), 2u);
    }
}

TEST_P(ArDetailSave, an_out_of_state_lpo_sends_only_the_state_and_comment_even_with_a_plate_of_blanks) {
    DocumentHarness harness(Engine());

    WithArDetail(harness, "0012345", [&](Tavrik_AccDetail& detail) {
        Tick(detail, Tavrik_AccDetail::kAvailableGrid, "F01");
        DateAndComment(detail, 2026, 12, 1, "Licence bought in Ohio");
        harness.platform.QueueScript([](Form& form) {
            auto& lpo = dynamic_cast<Tavrik_LicPurchOpt&>(form);
            lpo.mRdo(Tavrik_LicPurchOpt::kOutOfState).Pick();
            lpo.mTxt(Tavrik_LicPurchOpt::kPlate).SetText("   ");
            lpo.mTxt(Tavrik_LicPurchOpt::kComment).TypeText("Ohio permit 7741");
            lpo.mCmd(Tavrik_LicPurchOpt::kSave).Press();
        });
        detail.mCmdButton(Tavrik_AccDetail::kSave).Press();
        harness.DeliverReply();
        detail.Hide();
    });
    harness.DeliverReply();

    ASSERT_EQ(harness.Requests().size(), 4u);
    EXPECT_EQ(RenderRows(harness.Requests()[2], "CTTNADTNINFO"),
              "ACTION=UPD PRCHS_OPTN_ST_CD=1 PRCHS_OPTN_TXT=Ohio permit 7741 \n");
    EXPECT_TRUE(harness.platform.messageBoxes.empty());
    EXPECT_EQ(
        harness.StoreRows("SELECT PRCHS_OPTN_ST_CD, PRCHS_OPTN_TAG_NBR, PRCHS_OPTN_TXT FROM cttn_adtn_info "
                          "WHERE ACCT_RCVBL_NBR = 12345"),
        "1 | NULL | Ohio permit 7741\n");
}

} // namespace
TAVRIK_ON_BOTH_ENGINES(ArDetailRoad);
TAVRIK_ON_BOTH_ENGINES(ArDetailOpening);
TAVRIK_ON_BOTH_ENGINES(ArDetailCheckEdit);
TAVRIK_ON_BOTH_ENGINES(ArDetailSave);
TAVRIK_ON_BOTH_ENGINES(ArDetailAccess);
TAVRIK_ON_BOTH_ENGINES(ArDetailTwoClerks);
TAVRIK_ON_BOTH_ENGINES(ArDetailLoading);
TAVRIK_ON_BOTH_ENGINES(ArDetailTotals);

} // namespace tavrik
