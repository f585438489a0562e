#include "receivable/Tavrik_Activity.h"

#include "common/RedrawPause.h"
#include "common/TextUtil.h"

#include <optional>

namespace tavrik {
namespace {

using namespace column_layout;

constexpr GridColumnLayout kActivityColumns[] = {
    {"Date", "ACTVTY_DT", "ACTVTY_DT", 1300, true, kCenter, kDate},
    {"Time", "ACTVTY_TM", "ACTVTY_TM", 700, false, kLeft, kText},
    {"Code", "ACCT_ACTVTY_CD", "ACCT_ACTVTY_CD", 700, true, kLeft, kText},
    {"Description", "Description", "", 2600, true, kLeft, kText},
    {"Activity Amount", "ACTVTY_AMT", "ACTVTY_AMT", 1500, true, kRight, kCurrency, "Currency"},
    {"Balance", "ACTVTY_BAL_AMT", "ACTVTY_BAL_AMT", 1300, true, kRight, kCurrency, "Currency"},
    {"RACF ID", "LST_UPDT_USER_ID", "LST_UPDT_USER_ID", 1000, false, kLeft, kText},
    {"Name", "Name", "", 1800, true, kLeft, kText},
    {"Comment", "ACTVTY_CMMT_TXT", "ACTVTY_CMMT_TXT", 2800, true, kLeft, kText},
    {"ACTION", "ACTION", "ACTION", 600, false, kLeft, kText},
    {"ADTL_INFO_TXT", "ADTL_INFO_TXT", "ADTL_INFO_TXT", 600, false, kLeft, kText},
};

} // namespace

Tavrik_Activity::Tavrik_Activity(Session& session)
    : Form(kFormName), session_(session), trapErrors_(session, kFormName) {
    SetCaption("Account Activity");
    Resize(12900, 7000);
    SSFrame1.Move(120, 120, 12600, 3700);
    mSdgActivity.Move(240, 360, 12360, 3300);
    mSdgActivity.SetCaption("Account Activity Information");
    mSdgActivity.InstallColumns(kActivityColumns);

    SSFrame2.SetCaption("Add/Update Account Activity Row");
    SSFrame2.Move(120, 3900, 6300, 2000);
    mLblActivity.Add(2).SetCaption("Date:");
    mLblActivity.Add(3).SetCaption("Code:");
    mLblActivity.Add(4).SetCaption("Comment:");
    mDtpActivity.Add(2);
    mFtcboActivity.Add(1, session.CommonServices);
    mTxtActivity.Add(0);
    mCmdActivity.Add(kAdd).SetCaption("Add");
    mCmdActivity.Add(kUpdate).SetCaption("Update");
    mCmdActivity.Add(kClearEntry).SetCaption("Clear");

    mFraActivity.Add(kFilterFrame).SetCaption("Filter Grid By");
    mFraActivity(kFilterFrame).Move(6540, 3900, 6180, 2000);
    mLblActivity.Add(0).SetCaption("From Date:");
    mLblActivity.Add(1).SetCaption("To Date:");
    mLblActivity.Add(5).SetCaption("Activity Code:");
    mDtpActivity.Add(0);
    mDtpActivity.Add(1);
    mFtcboActivity.Add(0, session.CommonServices);
    mCmdActivity.Add(kClear).SetCaption("Clear");
    mCmdActivity.Add(kSearch).SetCaption("Search");

    mFraActivity.Add(kArFrame).Move(120, 6000, 4500, 500);
    mLblActivity.Add(6).SetCaption("AR Number:");
    mLblActivity.Add(7).SetCaption("AR Type:");
    mLblDataActivity.Add(0);
    mLblDataActivity.Add(1);

    mCmdActivity.Add(kSave).SetCaption("Save");
    mCmdActivity(kSave).Move(10100, 6100, 1200, 375);
    mCmdActivity.Add(kClose).SetCaption("Close");
    mCmdActivity(kClose).Move(11500, 6100, 1200, 375);

    mSdgActivity.RowLoaded.Connect(
        [this](SSOleDBGrid::Bookmark bookmark) { mSdgActivity_RowLoaded(bookmark); });
    mCmdActivity.ForEach([this](int index, CommandButton& button) {
        button.Click.Connect([this, index] { mCmdActivity_Click(index); });
    });
}

void Tavrik_Activity::Form_Load() {
    trapErrors_("Form_Load", [&] {
        session_.CommonServices.PrepareForm(*this);
        session_.CommonServices.SetDefaultColor(mSdgActivity);
        const CalendarDate earliest = *CalendarDate::FromYmd(1997, 1, 27);
        mDtpActivity.ForEach([&](int, Tavrik_DTP& picker) { picker.SetEarliestDate(earliest); });
    });
}

void Tavrik_Activity::Form_Activate() {
    trapErrors_("Form_Activate", [&] {
        if (Adodc1.Recordset()) {
            {
                const RedrawPause pause{mSdgActivity};
                Adodc1.Recordset()->Filter("");
            }
            mSdgActivity.Refresh();
        }
        session_.Platform.SetMousePointer(MousePointer::Default);
    });
}

void Tavrik_Activity::LoadActivity(DataSet* activity) {
    ErrorTrap(session_, "Tavrik_ActivityDataset")("LoadActivity", [&] {
        std::optional<DataSet> empty;
        if (activity == nullptr)
            activity = &empty.emplace(session_.DataSetOpener, "ACCOUNTACTIVITY");
        const std::shared_ptr<Recordset>& rows = activity->Recordset();
        if (rows->RecordCount() > 0) {
            // Newest first; entries of one date and time by when they were written, newest first.
            rows->Sort("ACTVTY_DT desc, ACTVTY_TM desc, LST_UPDT_TS desc");
            rows->MoveFirst();
        }
        Adodc1.SetRecordset(rows);
    });
}

void Tavrik_Activity::mSdgActivity_RowLoaded(SSOleDBGrid::Bookmark) {
    trapErrors_("mSdgActivity_RowLoaded", [&] {
        CommonServices& common = session_.CommonServices;
        const std::string code = mSdgActivity.CellText("ACCT_ACTVTY_CD");
        mSdgActivity.SetCellText("Description", common.GetCodeDescription(code, "COLLECTN"));
        mSdgActivity.SetCellText("ADTL_INFO_TXT", common.GetCodeInfo(code, "COLLECTN"));

        const std::string userId = Trim(mSdgActivity.CellText("LST_UPDT_USER_ID"));
        if (userId.empty())
            return;
        // An id that is not a user number names its author by itself; it is never taken for the
        // clerk who happens to be looking.
        std::string name;
        if (const std::optional<std::int64_t> number = FieldValue(userId).AsInteger())
            name = common.GetUserName(*number);
        mSdgActivity.SetCellText("Name", name.empty() ? userId : name);
    });
}

void Tavrik_Activity::mCmdActivity_Click(int index) {
    trapErrors_("mCmdActivity_Click", [&] {
        // Only "OK" can be pressed in the read-only list, and no row can carry an action to save:
        // the window closes at once and its opener unloads it.
        if (index == kClose)
            Hide();
    });
}

} // namespace tavrik
