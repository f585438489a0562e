#include "receivable/Tavrik_AccDetail.h"

#include "common/AdjustmentRules.h"
#include "common/CheckBoxCell.h"
#include "common/DataSetOpener.h"
#include "common/FieldText.h"
#include "common/FormMessage.h"
#include "common/ModalForm.h"
#include "common/NewPIRequest.h"
#include "common/RequestNumbers.h"
#include "common/TextUtil.h"
#include "receivable/Tavrik_Activity.h"
#include "receivable/Tavrik_LicPurchOpt.h"

#include <algorithm>
#include <span>

namespace tavrik {
namespace {

using namespace column_layout;

// The first eleven columns, the same in both grids; each grid's check-box column and hidden fields
// follow.
constexpr GridColumnLayout kAssessmentColumns[] = {
    {"", "VLTN_ASSMT_STTS_CD", "", 600, false, kLeft, kText},
    {"", "VLTN_ASSMT_SEQ_NBR", "", 600, false, kLeft, kText},
    {"", "TRNSCTN_NBR", "", 600, false, kLeft, kText},
    {"", "CUST_ID", "", 600, false, kLeft, kText},
    {"", "CUST_NM", "", 600, false, kLeft, kText},
    {"Assessment Date", "ASSMT_ISSUE_DT", "", 1700, true, kCenter, kDate},
    {"Last Adjust Date", "ADJSTMT_DT", "", 1750, true, kCenter, kDate},
    {"", "ASSMT_CD", "", 600, false, kLeft, kText},
    {"Description", "Description", "", 2700, true, kLeft, kText},
    {"Assessment", "CL_ASMT_AMT", "", 1300, true, kRight, kCurrency},
    {"Amount Due", "BAL_DUE_AMT", "", 1300, true, kRight, kCurrency},
};

constexpr GridColumnLayout kAvailableColumns[] = {
    {"Remove", "Remove", "", 900, true, kCenter, kText, "", false, ColumnStyle::CheckBox},
    {"", "LIC_PRCHS_OPTN_IND", "", 600, false, kLeft, kText},
};

constexpr GridColumnLayout kAdjustedColumns[] = {
    {"Reinstate", "REINSTATE", "", 900, true, kCenter, kText, "", false, ColumnStyle::CheckBox},
    {"LPO_IND", "LIC_PRCHS_OPTN_IND", "", 600, false, kLeft, kText},
    {"", "STTS_IND", "", 600, false, kLeft, kText},
    {"ADJ_CD", "ASSMT_TYP_CD", "", 600, false, kLeft, kText},
};

// The shared columns and then the grid's own.
std::vector<GridColumnLayout> AssessmentLayout(std::span<const GridColumnLayout> own) {
    std::vector<GridColumnLayout> layout(std::begin(kAssessmentColumns), std::end(kAssessmentColumns));
    layout.insert(layout.end(), own.begin(), own.end());
    return layout;
}

std::optional<std::int64_t> NumberOf(const std::string& text) {
    return FieldValue(text).AsInteger();
}

Currency AmountOf(const std::string& cell) {
    return Currency::Parse(cell).value_or(Currency());
}

// A grid cell as the field of a request row: the definition's numbers and amounts typed, the
// rest as text.
FieldValue NumberField(const std::string& cell) {
    if (const std::optional<std::int64_t> number = NumberOf(cell))
        return FieldValue(*number);
    return FieldValue(cell);
}

} // namespace

Tavrik_AccDetail::Tavrik_AccDetail(Session& session)
    : Form(kFormName), session_(session), trapErrors_(session, kFormName), mErrors(session.CommonServices) {
    SetCaption("Account Receivable Detail");
    Resize(11400, 8400);
    mDtpDTPicker.SetLatestDate(CalendarDate::FromYmd(9999, 12, 31));
    Tavrik_CodesCombo.Add(0, session.CommonServices).Setcodetype("ACCADJUST");
    mTxtAdjust.Add(0).SetMaxLength(254);

    SSOleDBGrid& available = mSdgDBGrid.Add(kAvailableGrid);
    available.SetCaption("Available Assessments");
    available.InstallColumns(AssessmentLayout(kAvailableColumns));
    SSOleDBGrid& adjusted = mSdgDBGrid.Add(kAdjustedGrid);
    adjusted.SetCaption("Adjusted  Assessments");
    adjusted.InstallColumns(AssessmentLayout(kAdjustedColumns));

    mCmdButton.Add(kAccountActivity).SetCaption("Account Activity");
    mCmdButton.Add(kSave).SetCaption("Save");
    mCmdButton.Add(kClose).SetCaption("Close");

    const std::pair<int, const char*> captions[] = {{0, "Date Adjusted:"},
                                                    {1, "Comment:"},
                                                    {2, "Action:"},
                                                    {4, "Total Adjustment Amount:"},
                                                    {6, "Name:"},
                                                    {8, "Account #:"},
                                                    {10, "Total Reinstated Amount:"},
                                                    {13, "Total Removal Amount:"},
                                                    {16, "Typ CD"},
                                                    {17, "Status:"}};
    for (const auto& [index, caption] : captions)
        mLblAdjust.Add(index).SetCaption(caption);
    for (int index : {kTotalAdjustment, kArNumber, kCustomerName, kArTypeDescription, kTotalReinstated,
                      kTotalRemoval, kArType, kStatusDescription, kCustomerId, kArCheckNumber})
        mLblAdjust.Add(index);

    mSdgDBGrid.ForEach([this](int index, SSOleDBGrid& grid) {
        grid.Change.Connect([this, index] { mSdgDBGrid_Change(index); });
        grid.AfterUpdate.Connect([this, index] { mSdgDBGrid_AfterUpdate(index); });
        grid.RowLoaded.Connect(
            [this, index](SSOleDBGrid::Bookmark bookmark) { mSdgDBGrid_RowLoaded(index, bookmark); });
    });
    mDtpDTPicker.Change.Connect([this] { mDtpDTPicker_Change(); });
    Tavrik_CodesCombo(0).Change.Connect([this] { Tavrik_CodesCombo_Change(0); });
    mCmdButton.ForEach([this](int index, CommandButton& button) {
        button.Click.Connect([this, index] { mCmdButton_Click(index); });
    });
}

// ---- set-up -------------------------------------------------------------------------------------

void Tavrik_AccDetail::Form_Load() {
    trapErrors_("Form_Load", [&] {
        mDtpDTPicker.SetEarliestDate(CalendarDate::FromYmd(1993, 1, 1));
        session_.StatusService.SetReady(true);
        mbViewOnly = !session_.CommonServices.HasPrivilege("ADJUSTAR");
        if (mbViewOnly) {
            mCmdButton(kSave).SetEnabled(false);
            mSdgDBGrid(kAvailableGrid).Column("Remove").locked = true;
            mSdgDBGrid(kAvailableGrid).ColumnsChanged();
            mSdgDBGrid(kAdjustedGrid).Column("REINSTATE").locked = true;
            mSdgDBGrid(kAdjustedGrid).ColumnsChanged();
            mDtpDTPicker.SetEnabled(false);
            Tavrik_CodesCombo(0).SetEnabled(false);
            mTxtAdjust(0).SetEnabled(false);
        }
        if (!moKovraMessage)
            moKovraMessage = NewFormMessage(session_, *this);
        SetTabs();
        mDtpDTPicker.SetValue(session_.Platform.Today());
        mDtpDTPicker.SetValue(std::nullopt);
        // Those two changes were the window's own, not the clerk's: it opens without error colours.
        DefaultFieldColor();
        session_.CommonServices.PrepareForm(*this);
        session_.CommonServices.SetDefaultColor(mSdgDBGrid(kAvailableGrid));
        session_.CommonServices.SetDefaultColor(mSdgDBGrid(kAdjustedGrid));
        SetGridBolding(mSdgDBGrid(kAvailableGrid));
        SetGridBolding(mSdgDBGrid(kAdjustedGrid));
    });
}

void Tavrik_AccDetail::LockSave() {
    mbSaveLocked = true;
    mCmdButton(kSave).SetEnabled(false);
}

void Tavrik_AccDetail::SetTabs() {
    trapErrors_("SetTabs", [&] {
        mDtpDTPicker.SetTabIndex(0);
        Tavrik_CodesCombo(0).SetTabIndex(1);
        mTxtAdjust(0).SetTabIndex(2);
        mCmdButton(kAccountActivity).SetTabIndex(3);
        mCmdButton(kSave).SetTabIndex(4);
        mCmdButton(kClose).SetTabIndex(5);
    });
}

void Tavrik_AccDetail::DefaultFieldColor() {
    trapErrors_("DefaultFieldColor", [&] {
        session_.CommonServices.SetDefaultColor(mDtpDTPicker);
        session_.CommonServices.SetDefaultColor(Tavrik_CodesCombo(0));
        session_.CommonServices.SetDefaultColor(mTxtAdjust(0));
    });
}

void Tavrik_AccDetail::SetGridBolding(SSOleDBGrid& grid) {
    trapErrors_("SetGridBolding", [&] {
        grid.SetHeadFontBold(true);
        grid.SetAllColumnsStyleSet("UNBOLD", false);
    });
}

void Tavrik_AccDetail::InitializeData() {
    trapErrors_("InitializeData", [&] {
        mDtpDTPicker.SetValue(session_.Platform.Today());
        mDtpDTPicker.SetValue(std::nullopt);
        // A form just deleted, or a generated form just voided, stays locked.
        const std::string action = ActionCode();
        if (action == "D" || (action == "V" && IsGeneratedForm()))
            PendingSave(false);
        Tavrik_CodesCombo(0).SetText("");
        mLblAdjust(kTotalReinstated).SetCaption("");
        mLblAdjust(kTotalRemoval).SetCaption("");
        mLblAdjust(kTotalAdjustment).SetCaption("");
        mTxtAdjust(0).SetText("");
        DefaultFieldColor();
    });
}

// ---- assessments ------------------------------------------------------------------------------

void Tavrik_AccDetail::LoadAssessments(DataSet& assessments) {
    trapErrors_("LoadAssessments", [&] {
        ClearGrids();
        const std::shared_ptr<Recordset>& rows = assessments.Recordset();
        if (!rows)
            return;
        if (rows->RecordCount() > 0)
            rows->Sort("ASSMT_CD ASC, ASSMT_ISSUE_DT ASC");
        CommonServices& common = session_.CommonServices;
        for (rows->MoveFirst(); !rows->IsEOF(); rows->MoveNext()) {
            std::string line;
            const auto add = [&line](const std::string& cell) { line += cell + "\t"; };
            for (const char* field : {"VLTN_ASSMT_STTS_CD", "VLTN_ASSMT_SEQ_NBR", "TRNSCTN_NBR"})
                add(FieldText(*rows, field));
            const std::string customerId = FieldText(*rows, "CUST_ID");
            mLblAdjust(kCustomerId).SetCaption(customerId);
            add(customerId);
            for (const char* field : {"CUST_NM", "ASSMT_ISSUE_DT", "ADJSTMT_DT"})
                add(FieldText(*rows, field));
            const std::string code = FieldText(*rows, "ASSMT_CD");
            add(code);
            if (code.empty())
                add("");
            else
                add(common.GetCodeDescription(code, ToUpper(code.substr(0, 1)) != "P" ? "FEE" : "PENALTY"));
            const std::string lpo = ToUpper(FieldText(*rows, "LIC_PRCHS_OPTN_IND"));
            add(FieldText(*rows, lpo == "Y" ? "AC_ASMT_AMT" : "CL_ASMT_AMT"));
            const bool noBalance = !rows->HasField("BAL_DUE_AMT") || rows->Field("BAL_DUE_AMT").IsNull();
            add(noBalance ? "0.00" : FieldText(*rows, "BAL_DUE_AMT"));
            add("");
            // No indicator, null or blank, is no licence purchase option.
            const std::string indicator = FieldText(*rows, "LIC_PRCHS_OPTN_IND");
            line += indicator.empty() ? "N" : indicator;
            const bool active = ToUpper(FieldText(*rows, "VLTN_ASSMT_STTS_CD")) == "A";
            mSdgDBGrid(active ? kAvailableGrid : kAdjustedGrid).AddItem(line);
        }
        mSdgDBGrid(kAvailableGrid).SetEnabled(true);
        mSdgDBGrid(kAdjustedGrid).SetEnabled(true);
    });
}

void Tavrik_AccDetail::mSdgDBGrid_RowLoaded(int index, SSOleDBGrid::Bookmark) {
    trapErrors_("mSdgDBGrid_RowLoaded", [&] {
        SSOleDBGrid& grid = mSdgDBGrid(index);
        for (const char* column : {"CL_ASMT_AMT", "BAL_DUE_AMT"})
            if (const std::optional<Currency> amount = Currency::Parse(grid.CellText(column)))
                grid.SetCellText(column, amount->FormatRegional());
    });
}

void Tavrik_AccDetail::mSdgDBGrid_Change(int index) {
    trapErrors_("mSdgDBGrid_Change", [&] {
        SSOleDBGrid& grid = mSdgDBGrid(index);
        Currency total;
        {
            const RedrawPause pause = PauseGridRedraw();
            for (std::size_t row : grid.TickedRows(TickColumn(index)))
                total += AmountOf(grid.CellTextAt(row, "CL_ASMT_AMT"));
        }

        const int own = index == kAvailableGrid ? kTotalRemoval : kTotalReinstated;
        const int other = index == kAvailableGrid ? kTotalReinstated : kTotalRemoval;
        mLblAdjust(own).SetCaption(total.FormatDollars());
        const std::string& otherTotal = mLblAdjust(other).Caption();
        const Currency adjustment = otherTotal.empty() ? total : total + AmountOf(otherTotal);
        mLblAdjust(kTotalAdjustment).SetCaption(adjustment.FormatDollars());
    });
}

void Tavrik_AccDetail::mSdgDBGrid_AfterUpdate(int index) {
    trapErrors_("mSdgDBGrid_AfterUpdate", [&] {
        if (CheckBoxCell::IsTicked(mSdgDBGrid(index).CellText(TickColumn(index))))
            CheckEdit();
    });
}

void Tavrik_AccDetail::mDtpDTPicker_Change() {
    trapErrors_("mDtpDTPicker_Change", [&] { CheckEditUnlessPending(); });
}

void Tavrik_AccDetail::Tavrik_CodesCombo_Change(int) {
    trapErrors_("Tavrik_CodesCombo_Change", [&] { CheckEditUnlessPending(); });
}

void Tavrik_AccDetail::CheckEditUnlessPending() {
    const RedrawPause pause = PauseGridRedraw();
    if (!IsSavePending())
        CheckEdit();
}

// ---- requests and replies ---------------------------------------------------------------------

void Tavrik_AccDetail::SendAccountPI() {
    trapErrors_("SendAccountPI", [&] {
        PIRequest request = NewPIRequest(session_, moKovraMessage, ReplyAddress(), kAccountActivityRequest);
        msMessageID = request.MessageID();
        request.AddPentraxKey("key:ACCT_RCVBL_NBR", mLblAdjust(kArNumber).Caption());
        request.AddPentraxKey("key:ACCT_RCVBL_TYP_CD", mLblAdjust(kArType).Caption());
        request.AddPentraxKey("key:THIN", "YES");
        request.Send();
        mbTimedOut = false;
        session_.StatusService.ShowStatus("Requesting Account Activity for " + AdjDocDescription() +
                                          " number " + mLblAdjust(kArNumber).Caption());
        // The window starts with an empty list of the right columns.
        session_.Forms.Load<Tavrik_Activity>(Tavrik_Activity::kFormName).LoadActivity(nullptr);
    });
}

void Tavrik_AccDetail::moKovraMessage_DataReady(const std::string& formName) {
    if (formName != ReplyAddress())
        return;
    trapErrors_("moKovraMessage_DataReady", [&] {
        // Whatever this reply is, no update of this window is on its way any more.
        mbUpdateOut = false;
        session_.StatusService.SetReady(true);
        const std::string errorText = session_.CommonServices.GetReply(
            formName, trapErrors_.Context("moKovraMessage_DataReady"), msMessageID);
        if (!errorText.empty()) {
            session_.Platform.MsgBox(errorText, MsgBoxIcon::Critical, MsgBoxButtons::OK,
                                     session_.gsHostCaption);
            if (mbTimedOut) {
                UpdateTimeout();
                session_.StatusService.ShowStatus("Search timed out");
            } else {
                msSaveState.clear();
                PendingSave(true);
                session_.StatusService.ShowStatus("Search was not successful");
            }
            return;
        }

        session_.Platform.SetMousePointer(MousePointer::Hourglass);
        if (IsSavePending()) {
            mBlnDirty = true;
            PendingSave(true);
            const std::string action = ActionCode();
            if (action == "V" || action == "D") {
                mCmdButton(kSave).SetEnabled(!mbViewOnly && !mbSaveLocked && action == "V" &&
                                             !IsGeneratedForm());
                mLblAdjust(kStatusDescription)
                    .SetCaption(session_.CommonServices.GetCodeDescription(action, "CSTATUS"));
            }
            InitializeData();
            msSaveState.clear();
            ClearGrids();
        }
        if (std::shared_ptr<DataSet> activity =
                session_.DataSetService.GetDataSet("ACCOUNTACTIVITY", formName, msMessageID))
            if (auto* list = session_.Forms.FindAs<Tavrik_Activity>(Tavrik_Activity::kFormName);
                list != nullptr && list->Visible())
                list->LoadActivity(activity.get());
        if (std::shared_ptr<DataSet> assessments =
                session_.DataSetService.GetDataSet("ASSESSMENT", formName, msMessageID))
            LoadAssessments(*assessments);
        session_.StatusService.ShowStatus("Ready");
    });
    session_.Platform.SetMousePointer(MousePointer::Default);
}

void Tavrik_AccDetail::moKovraMessage_MsgTimeout() {
    mbTimedOut = true;
}

// ---- buttons ----------------------------------------------------------------------------------

void Tavrik_AccDetail::mCmdButton_Click(int index) {
    trapErrors_("mCmdButton_Click", [&] {
        CommandButton& clicked = mCmdButton(index);
        clicked.SetEnabled(false);
        if (index == kSave) {
            SaveData();
        } else if (index == kClose) {
            session_.Platform.SetMousePointer(MousePointer::Default);
            if (!mbUpdateOut && mCmdButton(kSave).Enabled() && DataChanged()) {
                clicked.SetEnabled(true);
                session_.Platform.SetFocus(clicked);
                const MsgBoxAnswer answer = session_.Platform.MsgBox(
                    "Adjustment data has been changed.  Do you wish to save these changes?",
                    MsgBoxIcon::Question, MsgBoxButtons::YesNoCancel, session_.gsHostCaption);
                if (answer == MsgBoxAnswer::Cancel)
                    return;
                if (answer == MsgBoxAnswer::Yes) {
                    SaveData();
                    if (!mErrors.Empty())
                        return;
                }
            }
            if (IsSavePending())
                mBlnDirty = true;
            Hide();
        } else if (index == kAccountActivity) {
            ShowActivityList();
        }
        // Save stays disabled while its update is on its way, so that one adjustment cannot be sent
        // twice; a Save that sent nothing leaves it on.
        if (index == kSave && mbUpdateOut)
            return;
        clicked.SetEnabled(true);
        if (index != kClose)
            session_.Platform.SetFocus(clicked);
    });
}

void Tavrik_AccDetail::ShowActivityList() {
    SendAccountPI();
    ModalForm<Tavrik_Activity> activity(session_, Tavrik_Activity::kFormName);
    activity->SSFrame2.SetVisible(false);
    activity->mFraActivity(Tavrik_Activity::kFilterFrame).SetVisible(false);
    activity->mFraActivity(Tavrik_Activity::kArFrame).SetVisible(false);
    for (int hidden : {Tavrik_Activity::kSave, Tavrik_Activity::kAdd, Tavrik_Activity::kUpdate,
                       Tavrik_Activity::kClearEntry})
        activity->mCmdActivity(hidden).SetVisible(false);
    const Frame& frame = activity->SSFrame1;
    CommandButton& ok = activity->mCmdActivity(Tavrik_Activity::kClose);
    const int top = frame.Top() + 150;
    activity->mSdgActivity.Move(frame.Left() + 75, top, activity->mSdgActivity.Width(), ok.Top() - 150 - top);
    // The frame grows with the grid, so that it still frames it.
    activity->SSFrame1.Move(frame.Left(), frame.Top(), frame.Width(), activity->mSdgActivity.Height() + 300);
    ok.SetCaption("OK");
    ok.SetDefault(true);
    ok.SetCancel(true);
    activity.Show();
}

// ---- saving -----------------------------------------------------------------------------------

void Tavrik_AccDetail::SaveData() {
    trapErrors_("SaveData", [&] {
        if (!DataChanged()) {
            session_.StatusService.ShowStatus("Information did not change.  Save request canceled. ");
            return;
        }
        {
            const RedrawPause pause = PauseGridRedraw();
            CheckEdit();
        }
        if (!mErrors.Empty()) {
            session_.StatusService.ShowStatus("Error(s) found");
            session_.Platform.MsgBox(mErrors.Text(), MsgBoxIcon::Exclamation, MsgBoxButtons::OK,
                                     session_.gsHostCaption);
            return;
        }
        const std::string& number = mLblAdjust(kArNumber).Caption();
        session_.StatusService.ShowStatus("Saving Fees/Penalties for " + AdjDocDescription() + " number " +
                                          number);

        PIRequest request = NewPIRequest(session_, moKovraMessage, ReplyAddress(), kAdjustmentRequest);
        request.AddPentraxKey("key:REF_NBR", Trim(number));
        request.AddPentraxKey("key:REF_TYP_CD", Trim(mLblAdjust(kArType).Caption()));
        request.AddPentraxKey("key:LPO", "NO");

        if (IsVoidOrDelete()) {
            if (ActionCode() == "D") {
                if (IsGeneratedForm()) {
                    session_.CommonServices.SetErrorColor(Tavrik_CodesCombo(0));
                    session_.Platform.MsgBox(
                        "Can not delete a generated form. Please void and correct the form instead.",
                        MsgBoxIcon::Information, MsgBoxButtons::OK, session_.gsHostCaption);
                    return;
                }
                const MsgBoxAnswer answer = session_.Platform.MsgBox(
                    "Are you sure that you want to delete this form?", MsgBoxIcon::Question,
                    MsgBoxButtons::YesNoCancel, session_.gsHostCaption);
                if (answer != MsgBoxAnswer::Yes) {
                    session_.Platform.SetMousePointer(MousePointer::Default);
                    session_.StatusService.ShowStatus("Save Request Canceled.");
                    return;
                }
            }
            LoadAdjustARDTD(request);
        } else {
            if (LPOFee()) {
                ModalForm<Tavrik_LicPurchOpt> dialog(session_, Tavrik_LicPurchOpt::kFormName);
                dialog.Show();
                if (dialog->CancelClicked()) {
                    session_.StatusService.ShowStatus(
                        "License Purchase Option did not save. Save Request canceled.");
                    return;
                }
                LoadLPODTD(request, *dialog);
            }
            LoadAdjustARDTD(request);
            LoadAssessmentDTD(request);
        }

        // The last request sent is the one whose reply this form waits for; an abandoned one above
        // never replaces it.
        msMessageID = request.MessageID();
        request.Send();
        mbUpdateOut = true;
        session_.StatusService.SetReady(false);
        mSdgDBGrid(kAvailableGrid).SetEnabled(false);
        mSdgDBGrid(kAdjustedGrid).SetEnabled(false);
        session_.Platform.SetMousePointer(MousePointer::Hourglass);
        mbTimedOut = false;
        msSaveState = kSavePending;
        PendingSave(false);
    });
}

void Tavrik_AccDetail::CheckEdit() {
    trapErrors_("CheckEdit", [&] {
        mErrors.Clear();
        DefaultFieldColor();
        const std::string arType = Trim(mLblAdjust(kArType).Caption());
        // The grid walks below do not repaint the grids; a caller's own pause stays in force.
        const RedrawPause pause = PauseGridRedraw();
        RunRules(arType);
    });
}

void Tavrik_AccDetail::RunRules(const std::string& arType) {
    ::tavrik::Tavrik_CodesCombo& action = Tavrik_CodesCombo(0);

    if (arType == "P" && IsVoidOrDelete()) {
        mErrors.Add("Can not void or delete a payment plan", action);
        return;
    }
    if (IsVoided() && ActionCode() != "D") {
        mErrors.Add("Can not adjust a voided form");
        return;
    }

    const std::optional<CalendarDate>& adjusted = mDtpDTPicker.Value();
    if (!adjusted) {
        mErrors.Add("Adjusted Date is required", mDtpDTPicker);
    } else if (session_.Platform.Today() < *adjusted) {
        mErrors.Add("Date Adjusted must be current date or a prior date", mDtpDTPicker);
    } else {
        const auto tickedBefore = [&](int index) {
            SSOleDBGrid& grid = mSdgDBGrid(index);
            return std::ranges::any_of(grid.TickedRows(TickColumn(index)), [&](std::size_t row) {
                const std::optional<CalendarDate> issued =
                    CalendarDate::Parse(grid.CellTextAt(row, "ASSMT_ISSUE_DT"));
                return issued && *adjusted < *issued;
            });
        };
        if (tickedBefore(kAvailableGrid))
            mErrors.Add("Date Adjusted must be >= assessment date in Available Assessments Grid",
                        mDtpDTPicker);
        if (tickedBefore(kAdjustedGrid))
            mErrors.Add("Date Adjusted must be >= assessment date in Adjusted Assessments Grid",
                        mDtpDTPicker);
    }

    std::size_t ticked = 0;
    int lpoFees = 0;
    for (int index : {kAvailableGrid, kAdjustedGrid}) {
        SSOleDBGrid& grid = mSdgDBGrid(index);
        const std::vector<std::size_t> rows = grid.TickedRows(TickColumn(index));
        ticked += rows.size();
        if (index == kAvailableGrid)
            lpoFees = static_cast<int>(std::ranges::count_if(rows, [&](std::size_t row) {
                return AdjustmentRules::IsLpoFee(grid.CellTextAt(row, "ASSMT_CD"));
            }));
    }
    if (IsVoidOrDelete()) {
        if (ticked > 0)
            mErrors.Add("You can not select Action and adjust a fee/penalty at the same time", action);
    } else {
        if (ticked == 0)
            mErrors.Add("Please adjust the account receivables or the Fees/Penalties", action);
        if (lpoFees > 1)
            mErrors.Add("Adjust only one LPO at a time");
    }
    if (IsBlank(mTxtAdjust(0).Text()))
        mErrors.Add("Comment is required", mTxtAdjust(0));
    if (mErrors.Empty() && ActionCode() == "D" && !AdjustmentRules::IsDeletableType(arType))
        mErrors.Add("Only delete ENF001, ENF003, ENF507, and Temporary Permits", action);
}

bool Tavrik_AccDetail::DataChanged() {
    bool changed = false;
    trapErrors_("DataChanged", [&] {
        session_.StatusService.ShowStatus("Checking for data changes");
        changed = IsVoidOrDelete() || mDtpDTPicker.Value().has_value() || !IsBlank(mTxtAdjust(0).Text());
        for (int index : {kAvailableGrid, kAdjustedGrid})
            changed = changed || !mSdgDBGrid(index).TickedRows(TickColumn(index)).empty();
    });
    return changed;
}

void Tavrik_AccDetail::PendingSave(bool enable) {
    trapErrors_("PendingSave", [&] {
        // A user who may only look never gets the inputs, whatever reply comes back; nor does an AR
        // its opener locked get "Save".
        const bool inputs = enable && !mbViewOnly;
        mDtpDTPicker.SetEnabled(inputs);
        Tavrik_CodesCombo(0).SetEnabled(inputs);
        mTxtAdjust(0).SetEnabled(inputs);
        mCmdButton(kSave).SetEnabled(inputs && !mbSaveLocked);
        mSdgDBGrid(kAvailableGrid).SetEnabled(enable);
        mSdgDBGrid(kAdjustedGrid).SetEnabled(enable);
    });
}

bool Tavrik_AccDetail::LPOFee() {
    bool found = false;
    trapErrors_("LPOFee", [&] {
        SSOleDBGrid& grid = mSdgDBGrid(kAvailableGrid);
        found = std::ranges::any_of(grid.TickedRows(TickColumn(kAvailableGrid)), [&](std::size_t row) {
            return ToUpper(Trim(grid.CellTextAt(row, "LIC_PRCHS_OPTN_IND"))) == "Y";
        });
    });
    return found;
}

void Tavrik_AccDetail::UpdateTimeout() {
    trapErrors_("UpdateTimeout", [&] {
        if (!IsSavePending())
            return;
        PendingSave(true);
        InitializeData();
        for (int index : {kAvailableGrid, kAdjustedGrid}) {
            SSOleDBGrid& grid = mSdgDBGrid(index);
            const std::vector<std::size_t> ticked = grid.TickedRows(TickColumn(index));
            // From the bottom up, so that the rows still to go keep their places.
            for (auto row = ticked.rbegin(); row != ticked.rend(); ++row)
                grid.RemoveItem(*row);
            if (grid.Rows() > 0)
                grid.SetCurrentBookmark(grid.RowBookmark(0));
        }
        session_.Platform.SetMousePointer(MousePointer::Default);
    });
}

// ---- update rows ------------------------------------------------------------------------------

void Tavrik_AccDetail::LoadAdjustARDTD(PIRequest& request) {
    DataSet adjustAr(session_.DataSetOpener, "ADJUSTAR");
    Recordset& row = *adjustAr.Recordset();
    row.AddNew();
    row.SetField("ACTION", "ADD");
    row.SetField("CUST_ID", mStrCustID);
    row.SetField("ADJSTMT_DT", mDtpDTPicker.Value() ? mDtpDTPicker.Value()->FormatIso() : std::string());
    row.SetField("ADJST_CMMT_TXT", mTxtAdjust(0).Text());
    row.SetField("ADJSTMT_TYP_CD", IsVoidOrDelete() ? ActionCode() : std::string());
    row.SetField("ACCT_RCVBL_NBR", Trim(mLblAdjust(kArNumber).Caption()));
    row.SetField("ACCT_RCVBL_CK_NBR", Trim(mLblAdjust(kArCheckNumber).Caption()));
    row.SetField("ACCT_RCVBL_TYP_CD", Trim(mLblAdjust(kArType).Caption()));
    row.Update();
    request.AddDataSet("ADJUSTAR", adjustAr);
}

void Tavrik_AccDetail::LoadAssessmentDTD(PIRequest& request) {
    DataSet assessment(session_.DataSetOpener, "ASSESSMENT");
    Recordset& rows = *assessment.Recordset();
    const std::string adjusted = mDtpDTPicker.Value() ? mDtpDTPicker.Value()->FormatIso() : std::string();
    for (int index : {kAvailableGrid, kAdjustedGrid}) {
        SSOleDBGrid& grid = mSdgDBGrid(index);
        const bool removal = index == kAvailableGrid;
        for (std::size_t row : grid.TickedRows(TickColumn(index))) {
            const auto cell = [&](std::string_view column) { return grid.CellTextAt(row, column); };
            rows.AddNew();
            rows.SetField("ACTION", "UPD");
            rows.SetField("CUST_ID", cell("CUST_ID"));
            rows.SetField("TRNSCTN_NBR", NumberField(cell("TRNSCTN_NBR")));
            rows.SetField("ADJSTMT_DT", adjusted);
            rows.SetField("ASSMT_CD", cell("ASSMT_CD"));
            rows.SetField(cell("LIC_PRCHS_OPTN_IND") == "N" ? "CL_ASMT_AMT" : "AC_ASMT_AMT",
                          AmountOf(cell("CL_ASMT_AMT")));
            rows.SetField("BAL_DUE_AMT", removal ? Currency() : AmountOf(cell("BAL_DUE_AMT")));
            rows.SetField("VLTN_ASSMT_STTS_CD", removal ? "I" : "A");
            rows.SetField("VLTN_ASSMT_SEQ_NBR", NumberField(cell("VLTN_ASSMT_SEQ_NBR")));
            if (ToUpper(Trim(cell("LIC_PRCHS_OPTN_IND"))) == "Y")
                rows.SetField("LIC_PRCHS_OPTN_IND", cell("LIC_PRCHS_OPTN_IND"));
            rows.Update();
        }
    }
    request.AddDataSet("ASSESSMENT", assessment);
}

void Tavrik_AccDetail::LoadLPODTD(PIRequest& request, Tavrik_LicPurchOpt& dialog) {
    DataSet lpo(session_.DataSetOpener, "CTTNADTNINFO");
    Recordset& row = *lpo.Recordset();
    row.AddNew();
    row.SetField("ACTION", "UPD");
    if (dialog.mRdo(0).Value())
        row.SetField("PRCHS_OPTN_ST_CD", "0");
    else if (dialog.mRdo(1).Value())
        row.SetField("PRCHS_OPTN_ST_CD", "1");
    const std::string plate = dialog.mTxt(0).Text();
    // A plate of blanks is no plate, as the dialog's own check has it.
    if (!IsBlank(plate)) {
        row.SetField("PRCHS_OPTN_TAG_NBR", plate);
        const Tavrik_DTP& date = dialog.Tavrik_DTP1(0);
        row.SetField("PRCHS_OPTN_DT", date.Value() ? date.Value()->FormatIso() : std::string());
        const Tavrik_DTP& time = dialog.Tavrik_DTP1(1);
        row.SetField("PRCHS_OPTN_TM", time.Value() && time.Time() ? time.Time()->Format() : std::string());
        std::string troop;
        std::string district;
        dialog.GetTroopDistrict(troop, district);
        if (!troop.empty()) {
            row.SetField("PO_TRP_ID", troop);
            row.SetField("PO_TRP_DSTRCT_ID", district);
        }
        row.SetField("PRCHS_OPTN_WGT", NumberField(dialog.mTxt(1).Text()));
        const std::string& amount = dialog.mTxt(2).Text();
        if (const std::optional<Currency> paid = Currency::Parse(amount))
            row.SetField("TOT_PRCHS_OPTN_AMT", *paid);
        else
            row.SetField("TOT_PRCHS_OPTN_AMT", amount);
    }
    row.SetField("PRCHS_OPTN_TXT", dialog.mTxt(3).Text());
    row.Update();
    request.AddDataSet("CTTNADTNINFO", lpo);
}

// ---- small helpers ----------------------------------------------------------------------------

RedrawPause Tavrik_AccDetail::PauseGridRedraw() {
    return {mSdgDBGrid(kAvailableGrid), mSdgDBGrid(kAdjustedGrid)};
}

void Tavrik_AccDetail::ClearGrids() {
    for (int index : {kAvailableGrid, kAdjustedGrid})
        if (mSdgDBGrid(index).Rows() > 0)
            mSdgDBGrid(index).RemoveAll();
}

std::string Tavrik_AccDetail::ReplyAddress() const {
    return session_.AppTitle + kFormTag;
}

std::string Tavrik_AccDetail::ActionCode() const {
    return ToUpper(Trim(Tavrik_CodesCombo(0).Code()));
}

bool Tavrik_AccDetail::IsVoidOrDelete() const {
    const std::string action = ActionCode();
    return action == "V" || action == "D";
}

bool Tavrik_AccDetail::IsVoided() {
    const std::string voided = session_.CommonServices.GetCodeDescription("V", "CSTATUS");
    return !voided.empty() && mLblAdjust(kStatusDescription).Caption() == voided;
}

bool Tavrik_AccDetail::IsGeneratedForm() const {
    const std::optional<std::int64_t> number = NumberOf(Trim(mLblAdjust(kArNumber).Caption()));
    return number && AdjustmentRules::IsGeneratedForm(*number);
}

std::string Tavrik_AccDetail::AdjDocDescription() {
    return session_.CommonServices.GetCodeDescription(mLblAdjust(kArType).Caption(), "ADJDOC");
}

const char* Tavrik_AccDetail::TickColumn(int gridIndex) {
    return gridIndex == kAvailableGrid ? "Remove" : "REINSTATE";
}

} // namespace tavrik
