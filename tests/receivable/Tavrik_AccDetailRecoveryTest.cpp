// The AR detail window after things went wrong: time-outs of its own requests and of the document's,
// error replies, a "Save" that sends nothing, and the locks that must survive all of them.
#include "receivable/Tavrik_AccDetail.h"

#include "receivable/Tavrik_Activity.h"
#include "tests/receivable/ArDetailRoad.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tavrik {
namespace {

using namespace std::chrono_literals;

// How many updates the window sent: each send says so in the status bar.
std::string UpdatesSent(const DocumentHarness& harness) {
    return std::to_string(
        std::count_if(harness.statuses.begin(), harness.statuses.end(), [](const std::string& text) {
            return text.starts_with("Saving Fees/Penalties for CITATION number 0012345");
        }));
}

// Enters an adjustment of 0012345 that passes every check: F02 removed on 12/01/2026.
void EnterRemoval(Tavrik_AccDetail& detail, const std::string& comment) {
    Tick(detail, Tavrik_AccDetail::kAvailableGrid, "F02");
    detail.mDtpDTPicker.SetValue(CalendarDate::FromYmd(2026, 12, 1));
    detail.mTxtAdjust(0).TypeText(comment);
}

// Sends an update that the window lets through and the back office refuses (an AR type it does not
// know), and lets it time out.
void SaveAndTimeOut(DocumentHarness& harness, Tavrik_AccDetail& detail) {
    EnterRemoval(detail, "Timed out");
    harness.HoldReplies();
    detail.mCmdButton(Tavrik_AccDetail::kSave).Press();
    harness.dispatcher.AdvanceTime(31s);
    harness.dispatcher.RunPending();
}

class ArDetailRecovery : public StoreTest {};

TEST_P(ArDetailRecovery, a_timeout_of_the_documents_search_is_not_taken_for_one_of_the_update) {
    DocumentHarness harness(Engine());
    std::string afterRefusal;

    WithArDetail(harness, "0012345", [&](Tavrik_AccDetail& detail) {
        harness.HoldReplies();
        // The document searches again while the window is open; its search times out ...
        harness.OpenAccount("C", "12346");
        harness.dispatcher.AdvanceTime(20s);
        EnterRemoval(detail, "Refused");
        detail.mLblAdjust(Tavrik_AccDetail::kArType).SetCaption("X");
        detail.mCmdButton(Tavrik_AccDetail::kSave).Press();
        harness.dispatcher.AdvanceTime(11s);
        // ... and then the back office refuses the update, which never timed out.
        harness.ReleaseReplies();
        while (harness.platform.messageBoxes.size() < 2 && !::testing::Test::HasFatalFailure())
            harness.DeliverReply();
        afterRefusal = RenderGrid(detail.mSdgDBGrid(Tavrik_AccDetail::kAvailableGrid)) +
                       "pending:" + OnOff(detail.IsSavePending()) +
                       " save:" + OnOff(detail.mCmdButton(Tavrik_AccDetail::kSave).Enabled()) + " " +
                       harness.statuses.back();
        detail.Hide();
    });

    ASSERT_EQ(harness.platform.messageBoxes.size(), 2u);
    EXPECT_EQ(harness.platform.messageBoxes[0].text, "The back office did not answer in time.");
    EXPECT_EQ(harness.platform.messageBoxes[1].text, "There is no account receivable 0012345 of type \"X\".");
    EXPECT_EQ(
        afterRefusal,
        "Available Assessments: Assessment Date | Last Adjust Date | Description | Assessment | Amount Due | "
        "Remove |\n"
        " 03/20/2023 |  | LPO FEE - 30 DAY | $120.00 | $120.00 |  |\n"
        " 03/15/2023 |  | ADMINISTRATIVE FEE | $35.00 | $35.00 | -1 |\n"
        " 03/15/2023 |  | LATE PAYMENT PENALTY | $250.00 | $250.00 |  |\n"
        "pending:off save:on Search was not successful");
}

TEST_P(ArDetailRecovery, after_a_timed_out_update_a_save_that_sends_nothing_leaves_save_on_and_close_asks) {
    struct Case {
        const char* name;
        std::function<void(Tavrik_AccDetail&)> enter;
        const char* expected;
    };
    const Case cases[] = {
        {"nothing entered", [](Tavrik_AccDetail&) {},
         "save:on status:Information did not change.  Save request canceled.  boxes:1 updates sent:1 "
         "asked:no"},
        {"a failing check", [](Tavrik_AccDetail& d) { d.mTxtAdjust(0).TypeText("Only a comment"); },
         "save:on status:Error(s) found boxes:2 updates sent:1 asked:yes"},
    };
    for (const Case& each : cases) {
        DocumentHarness harness(Engine());
        std::string state;

        WithArDetail(harness, "0012345", [&](Tavrik_AccDetail& detail) {
            SaveAndTimeOut(harness, detail);
            harness.ReleaseReplies();
            each.enter(detail);
            detail.mCmdButton(Tavrik_AccDetail::kSave).Press();
            state = "save:" + OnOff(detail.mCmdButton(Tavrik_AccDetail::kSave).Enabled()) +
                    " status:" + harness.statuses.back() +
                    " boxes:" + std::to_string(harness.platform.messageBoxes.size()) +
                    " updates sent:" + UpdatesSent(harness);
            harness.platform.QueueAnswer(MsgBoxAnswer::Cancel);
            const std::size_t boxesBeforeClose = harness.platform.messageBoxes.size();
            detail.mCmdButton(Tavrik_AccDetail::kClose).Press();
            state += std::string(" asked:") +
                     (harness.platform.messageBoxes.size() > boxesBeforeClose ? "yes" : "no");
            if (detail.Visible())
                detail.Hide();
        });

        EXPECT_EQ(state, each.expected) << each.name;
    }
}

TEST_P(ArDetailRecovery, save_stays_off_after_an_error_reply_for_an_ar_the_document_locked) {
    for (const char* locked : {"0012351", "0012350", "2000000"}) {
        DocumentHarness harness(Engine());
        std::string state;

        WithArDetail(harness, locked, [&](Tavrik_AccDetail& detail) {
            detail.mLblAdjust(Tavrik_AccDetail::kArType).SetCaption("X");
            harness.platform.QueueScript([&](Form& activity) {
                harness.DeliverReply();
                activity.Hide();
            });
            detail.mCmdButton(Tavrik_AccDetail::kAccountActivity).Press();
            state = harness.statuses.back() +
                    " save:" + OnOff(detail.mCmdButton(Tavrik_AccDetail::kSave).Enabled()) +
                    " comment:" + OnOff(detail.mTxtAdjust(0).Enabled());
            detail.Hide();
        });

        EXPECT_EQ(state, "Search was not successful save:off comment:on") << locked;
    }
}

TEST_P(ArDetailRecovery, tells_the_status_service_it_is_busy_right_after_sending_an_update) {
    DocumentHarness harness(Engine());
    bool readyOnOpen = false;
    bool readyAfterSend = true;
    bool readyAfterReply = false;

    WithArDetail(harness, "0012345", [&](Tavrik_AccDetail& detail) {
        readyOnOpen = harness.library.Status().IsReady();
        EnterRemoval(detail, "Busy");
        detail.mCmdButton(Tavrik_AccDetail::kSave).Press();
        readyAfterSend = harness.library.Status().IsReady();
        harness.DeliverReply();
        readyAfterReply = harness.library.Status().IsReady();
        detail.Hide();
    });

    EXPECT_TRUE(readyOnOpen);
    EXPECT_FALSE(readyAfterSend);
    EXPECT_TRUE(readyAfterReply);
}

TEST_P(ArDetailRecovery, close_answered_yes_saves_and_stays_open_on_errors_and_cancel_keeps_the_window) {
    struct Case {
        const char* name;
        std::function<void(Tavrik_AccDetail&)> enter;
        MsgBoxAnswer answer;
        const char* expected;
    };
    const Case cases[] = {
        {"yes with a valid removal", [](Tavrik_AccDetail& d) { EnterRemoval(d, "Closed with yes"); },
         MsgBoxAnswer::Yes, "shown:no dirty:yes updates sent:1"},
        {"yes with errors", [](Tavrik_AccDetail& d) { d.mTxtAdjust(0).TypeText("No date"); },
         MsgBoxAnswer::Yes, "shown:yes dirty:no updates sent:0"},
        {"cancel", [](Tavrik_AccDetail& d) { EnterRemoval(d, "Cancelled"); }, MsgBoxAnswer::Cancel,
         "shown:yes dirty:no updates sent:0"},
        {"no", [](Tavrik_AccDetail& d) { EnterRemoval(d, "Dropped"); }, MsgBoxAnswer::No,
         "shown:no dirty:no updates sent:0"},
    };
    for (const Case& each : cases) {
        DocumentHarness harness(Engine());
        std::string state;

        WithArDetail(harness, "0012345", [&](Tavrik_AccDetail& detail) {
            each.enter(detail);
            harness.platform.QueueAnswer(each.answer);
            detail.mCmdButton(Tavrik_AccDetail::kClose).Press();
            state = "shown:" + std::string(detail.Visible() ? "yes" : "no") +
                    " dirty:" + (detail.mBlnDirty ? "yes" : "no") + " updates sent:" + UpdatesSent(harness);
            if (detail.Visible())
                detail.Hide();
        });

        EXPECT_EQ(state, each.expected) << each.name;
        EXPECT_EQ(harness.platform.messageBoxes.at(0).text,
                  "Adjustment data has been changed.  Do you wish to save these changes?")
            << each.name;
    }
}

} // namespace
TAVRIK_ON_BOTH_ENGINES(ArDetailRecovery);

} // namespace tavrik
