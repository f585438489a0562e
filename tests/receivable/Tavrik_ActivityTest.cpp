#include "receivable/Tavrik_Activity.h"

#include "tests/receivable/ArDetailRoad.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tavrik {
namespace {

using ::testing::ElementsAre;

class AccountActivity : public StoreTest {};

TEST_P(AccountActivity, lists_the_ars_entries_newest_first_with_code_descriptions_and_user_names) {
    DocumentHarness harness(Engine());
    std::string emptyList, list, shape, statusWhileWaiting;

    WithArDetail(harness, "0012345", [&](Tavrik_AccDetail& detail) {
        harness.platform.QueueScript([&](Form& form) {
            auto& activity = dynamic_cast<Tavrik_Activity&>(form);
            statusWhileWaiting = harness.statuses.back();
            emptyList = RenderGrid(activity.mSdgActivity);
            harness.DeliverReply();
            list = RenderGrid(activity.mSdgActivity);
            CommandButton& ok = activity.mCmdActivity(Tavrik_Activity::kClose);
            const SSOleDBGrid& grid = activity.mSdgActivity;
            shape = ok.Caption() + (ok.IsDefault() ? " default" : "") + (ok.IsCancel() ? " cancel" : "") +
                    (activity.SSFrame2.Visible() ? " entry" : "") +
                    (activity.mFraActivity(Tavrik_Activity::kFilterFrame).Visible() ? " filter" : "") +
                    (activity.mCmdActivity(Tavrik_Activity::kSave).Visible() ? " save" : "") + " grid " +
                    std::to_string(grid.Left() - activity.SSFrame1.Left()) + "," +
                    std::to_string(grid.Top() - activity.SSFrame1.Top()) + " bottom gap " +
                    std::to_string(ok.Top() - grid.Top() - grid.Height());
            activity.mCmdActivity(Tavrik_Activity::kClose).Press();
        });
        detail.mCmdButton(Tavrik_AccDetail::kAccountActivity).Press();
        detail.Hide();
    });

    const RequestMessage request = harness.Requests()[2];
    EXPECT_EQ(request.piNumber, 41);
    EXPECT_THAT(request.keys, ElementsAre(RequestKey{"key:ACCT_RCVBL_NBR", "0012345", "=", "PENTRAX"},
                                          RequestKey{"key:ACCT_RCVBL_TYP_CD", "C", "=", "PENTRAX"},
                                          RequestKey{"key:THIN", "YES", "=", "PENTRAX"}));
    EXPECT_EQ(statusWhileWaiting, "Requesting Account Activity for CITATION number 0012345");
    EXPECT_EQ(emptyList,
              "Account Activity Information: Date | Code | Description | Activity Amount | Balance | "
              "Name | Comment |\n");
    // Two entries share a date and time: the later written comes first. "SUPER" is no user number and
    // names itself; user 99 does not exist; code ZZ is not in the code table.
    EXPECT_EQ(
        list,
        "Account Activity Information: Date | Code | Description | Activity Amount | Balance | "
        "Name | Comment |\n"
        " 05/01/2023 | ZZ |  | $12.50 | $347.50 | 99 | Interest accrued |\n"
        " 04/10/2023 | LP | LICENSE PURCHASE OPTION | $0.00 | $335.00 | ANNA ADJUSTER | LPO recorded |\n"
        " 04/10/2023 | PY | PAYMENT RECEIVED | ($100.00) | $335.00 | CARL CLERK | Payment on receipt 0100001 "
        "|\n"
        " 04/01/2023 | RM | ASSESSMENT REMOVED | ($75.00) | $435.00 | SUPER | Processing fee removed |\n"
        " 03/15/2023 | AS | ASSESSMENT ISSUED | $510.00 | $510.00 | SUSAN SUPERVISOR | Citation issued |\n");
    EXPECT_EQ(shape, "OK default cancel grid 75,150 bottom gap 150");
    EXPECT_FALSE(harness.session.Forms.IsLoaded(Tavrik_Activity::kFormName));
}

} // namespace
TAVRIK_ON_BOTH_ENGINES(AccountActivity);

} // namespace tavrik
