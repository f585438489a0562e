#include "receipt/Tavrik_PayDetail.h"

#include "common/Currency.h"
#include "common/FieldText.h"
#include "common/FormMessage.h"
#include "common/ModalForm.h"
#include "common/NewPIRequest.h"
#include "common/RequestNumbers.h"
#include "common/TextUtil.h"
#include "receipt/Tavrik_TransPayment.h"
#include "refund/Tavrik_WorkSheet.h"

namespace tavrik {
namespace {

using namespace column_layout;
constexpr bool kEditable = false;

constexpr GridColumnLayout kFundColumns[] = {
    {"Fund Type", "FUND_DESC", "", 1800, true, kLeft, kText},
    {"Reference #", "FUND_RFRNC_NBR", "FUND_RFRNC_NBR", 2200, true, kLeft, kText},
    {"Fund Amount", "FUND_AMT", "FUND_AMT", 1500, true, kRight, kCurrency, "Currency"},
    {"FUND_TYP_CD", "FUND_TYP_CD", "FUND_TYP_CD", 600, false, kLeft, kText},
    {"RCPT_NBR", "FRCPT_NBR", "FRCPT_NBR", 600, false, kLeft, kText},
    {"Expiration Date", "FUND_EXPR", "FUND_EXPR", 1500, true, kCenter, kText},
    {"EXPRTN_MO_DT", "EXPRTN_MO_DT", "EXPRTN_MO_DT", 600, false, kLeft, kText},
    {"EXPRTN_DY_DT", "EXPRTN_DY_DT", "EXPRTN_DY_DT", 600, false, kLeft, kText},
    {"EXPRTN_YR_DT", "EXPRTN_YR_DT", "EXPRTN_YR_DT", 600, false, kLeft, kText},
};

// Columns bound to "Column n" have no field of that name: they stay empty, and the keys they name
// are read from the recordset itself.
constexpr GridColumnLayout kPaymentColumns[] = {
    {"CUST_ID", "CUST_ID", "CUST_ID", 600, false, kLeft, kText},
    {"Name", "CUST_NAME", "CUST_NAME", 2400, true, kLeft, kText},
    {"AR Type", "FORM_DESC", "FORM_DESC", 1500, true, kLeft, kText},
    {"AR #", "ACCT_RCVBL_NBR", "ACCT_RCVBL_NBR", 1000, true, kLeft, kText},
    {"Due Date", "ACCT_RCVBL_DUE_DT", "ACCT_RCVBL_DUE_DT", 1100, true, kCenter, kDate, "mm/dd/yyyy"},
    {"Amount Paid", "ASMT_AMT", "CL_PYMT_AMT", 1300, true, kRight, kCurrency, "Currency"},
    {"Adjust Date", "ADJSTMT_DT", "ADJSTMT_DT", 1100, true, kCenter, kDate, "mm/dd/yyyy"},
    {"Status", "ACTVTY_STTS_DES", "Column 15", 1200, true, kLeft, kText},
    {"Status code", "STTS_DESC", "ACTVTY_STTS_CD", 600, false, kLeft, kText},
    {"Action", "ACTION", "ACTION", 1300, true, kLeft, kText, "", kEditable, ColumnStyle::DropDown},
    {"TRNSCTN_NBR", "TRNSCTN_NBR", "Column 7", 600, false, kLeft, kText},
    {"TRNSCTN_DT", "TRNSCTN_DT", "Column 8", 600, false, kLeft, kText},
    {"PYMT_DT", "PYMT_DT", "Column 9", 600, false, kLeft, kText},
    {"PYMT_NBR", "PYMT_NBR", "Column 10", 600, false, kLeft, kText},
    {"STTS_CD", "STTS_CD", "Column 12", 600, false, kLeft, kText},
    {"ACCT_RCVBL_CK_NBR", "ACCT_RCVBL_CK_NBR", "ACCT_RCVBL_CK_NBR", 600, false, kLeft, kText},
    {"ACCT_RCVBL_TYP_CD", "ACCT_RCVBL_TYP_CD", "ACCT_RCVBL_TYP_CD", 600, false, kLeft, kText},
    {"RCPT_NBR", "RCPT_NBR", "RCPT_NBR", 600, false, kLeft, kText},
    {"ACCT_STTS_CD", "ACCT_STTS_CD", "ACCT_STTS_CD", 600, false, kLeft, kText},
    {"ACTV_STTS_CD", "ACTV_STTS_CD", "ACTV_STTS_CD", 600, false, kLeft, kText},
    {"ACTVTY_STTS_CD", "ACTVTY_STTS_CD", "ACTVTY_STTS_CD", 600, false, kLeft, kText},
    {"ASSMT_PP_TYP_CD", "ASSMT_PP_TYP_CD", "ASSMT_PP_TYP_CD", 600, false, kLeft, kText},
    {"INSTLMT_NBR", "INSTLMT_NBR", "INSTLMT_NBR", 600, false, kLeft, kText},
};

constexpr GridColumnLayout kExcessColumns[] = {
    {"Name", "CUST_NM", "CUST_NM", 2600, true, kLeft, kText},
    {"Date", "OVR_PYMT_DT", "OVR_PYMT_DT", 600, false, kCenter, kDate, "mm/dd/yyyy"},
    {"Time", "OVR_PYMT_TM", "OVR_PYMT_TM", 600, false, kLeft, kText},
    {"Status", "FUND_DESC", "FUND_DESC", 1600, true, kLeft, kText},
    {"To", "DSTNTN_RCPT_NBR", "DSTNTN_RCPT_NBR", 1200, true, kLeft, kText},
    {"Amount", "OVR_PYMT_AMT", "OVR_PYMT_AMT", 1400, true, kCenter, kCurrency, "Currency"},
    {"CUST_ID", "CUST_ID", "CUST_ID", 600, false, kLeft, kText},
    {"ADDR_1", "ADDR_1", "ADDR_1", 600, false, kLeft, kText},
    {"ADDR_2", "ADDR_2", "ADDR_2", 600, false, kLeft, kText},
    {"CITY", "CITY", "CITY", 600, false, kLeft, kText},
    {"STATE", "STATE", "STATE", 600, false, kLeft, kText},
    {"ZIP", "ZIP", "ZIP", 600, false, kLeft, kText},
    {"OVR_PYMT_STTS_CD", "OVR_PYMT_STTS_CD", "OVR_PYMT_STTS_CD", 600, false, kLeft, kText},
};

// A field of a row by bookmark, trimmed; "" when null or when the recordset lacks the field.
std::string FieldTextAt(const Recordset& rows, SSOleDBGrid::Bookmark bookmark, std::string_view field) {
    return rows.HasField(field) ? Trim(rows.FieldAt(bookmark, field).ToText()) : std::string();
}

bool IsNullAt(const Recordset& rows, SSOleDBGrid::Bookmark bookmark, std::string_view field) {
    return !rows.HasField(field) || rows.FieldAt(bookmark, field).IsNull();
}

bool IsPaymentAction(const std::string& action) {
    const std::string upper = ToUpper(action);
    return upper == "BACKOUT" || upper == "CANCEL";
}

// The days are compared as the "yyyy-mm-dd" text the back office is sent.
std::string IsoText(const std::optional<CalendarDate>& day) {
    return day ? day->FormatIso() : std::string();
}

} // namespace

Tavrik_PayDetail::Tavrik_PayDetail(Session& session)
    : Form(kFormName), session_(session), trapErrors_(session, kFormName), mErrors(session.CommonServices) {
    SetCaption("Receipt Detail");
    Resize(12600, 9000);
    Tavrik_DTP1.Add(0).SetLatestDate(CalendarDate::FromYmd(9999, 12, 31));
    Tavrik_CodesCombo.Add(0, session.CommonServices).Setcodetype("PAYADJUST");
    mTxtAdjust.Add(0);

    const std::pair<int, const char*> captions[] = {
        {1, "Receipt #:"}, {2, "Payment Amount:"}, {3, "Status:"}, {16, "Date Adjusted:"},
        {0, "Action:"},    {4, "Confirmation #:"}, {8, "Comment:"}};
    for (const auto& [index, caption] : captions)
        mLblAdjust.Add(index).SetCaption(caption);
    for (int index : {kReceiptNumber, kPaymentAmount, kStatus, kCustomerId, kReceiptDate, kConfirmation})
        mLblData.Add(index);
    Label1.SetCaption("CUSTID:");
    Label1.SetVisible(false);
    mLblData(kCustomerId).SetVisible(false);
    mLblData(kReceiptDate).SetVisible(false);

    mCmdButton.Add(kTransferPayment).SetCaption("Transfer Payment");
    mCmdButton.Add(kCreateRefund).SetCaption("Create Refund");
    mCmdButton.Add(kSave).SetCaption("Save");
    mCmdButton.Add(kClose).SetCaption("Close");
    mCmdButton(kClose).SetCancel(true);

    mSdgDBGrid.Add(kFundsGrid, &mAdodc1).SetCaption("Funds");
    mSdgDBGrid(kFundsGrid).InstallColumns(kFundColumns);
    mSdgDBGrid.Add(kPaymentsGrid, &mAdodc2).SetCaption("Account Receivable Payments");
    mSdgDBGrid(kPaymentsGrid).InstallColumns(kPaymentColumns);
    mSdgDBGrid.Add(kExcessGrid, &mAdodc3).SetCaption("Excess Fund");
    mSdgDBGrid(kExcessGrid).InstallColumns(kExcessColumns);

    mSdgDBGrid.ForEach([this](int index, SSOleDBGrid& grid) {
        grid.Click.Connect([this, index] { mSdgDBGrid_Click(index); });
        grid.Change.Connect([this, index] { mSdgDBGrid_Change(index); });
        grid.ScrollAfter.Connect([this, index] { mSdgDBGrid_ScrollAfter(index); });
        grid.RowLoaded.Connect(
            [this, index](SSOleDBGrid::Bookmark bookmark) { mSdgDBGrid_RowLoaded(index, bookmark); });
    });
    mCmdButton.ForEach([this](int index, CommandButton& button) {
        button.Click.Connect([this, index] { mCmdButton_Click(index); });
    });
    Tavrik_CodesCombo(0).Change.Connect([this] { Tavrik_CodesCombo_Change(0); });
    Tavrik_CodesCombo(0).LostFocus.Connect([this] { Tavrik_CodesCombo_LostFocus(0); });
    Tavrik_DTP1(0).LostFocus.Connect([this] { Tavrik_DTP1_LostFocus(0); });
    mTxtAdjust(0).LostFocus.Connect([this] { mTxtAdjust_LostFocus(0); });
}

void Tavrik_PayDetail::MsgTheme(const std::string& messageId) {
    msMessageID = Trim(messageId);
    miPINumber = kReferenceSearchRequest;
}

bool Tavrik_PayDetail::IsBackOutOrCancel() const {
    const std::string code = ReceiptActionCode();
    return code == "B" || code == "C";
}

// ---- set-up -------------------------------------------------------------------------------------

void Tavrik_PayDetail::Form_Load() {
    trapErrors_("Form_Load", [&] {
        session_.StatusService.SetReady(true);
        CommonServices& common = session_.CommonServices;
        mbViewOnly = !common.HasPrivilege("ADJUSTRECEIPT");
        if (mbViewOnly) {
            for (int button : {kSave, kTransferPayment, kCreateRefund})
                mCmdButton(button).SetEnabled(false);
            mSdgDBGrid(kPaymentsGrid).Column("ACTION").visible = false;
            mSdgDBGrid(kPaymentsGrid).ColumnsChanged();
            Tavrik_DTP1(0).SetEnabled(false);
            Tavrik_CodesCombo(0).SetEnabled(false);
            mTxtAdjust(0).SetEnabled(false);
        }
        mbMayRefund = common.HasPrivilege("CREATEREFUND");
        if (!mbMayRefund)
            mCmdButton(kCreateRefund).SetEnabled(false);
        mbCancelOnly = common.HasPrivilege("ADJUSTRCPTCANCELONLY");
        if (mbCancelOnly) {
            mSdgDBGrid(kPaymentsGrid).SetEnabled(false);
            mSdgDBGrid(kExcessGrid).SetEnabled(false);
        }
        common.PrepareForm(*this);
        if (!moKovraMessage)
            moKovraMessage = NewFormMessage(session_, *this);
        SetTabs();
        Tavrik_DTP1(0).SetValue(session_.Platform.Today());
        Tavrik_DTP1(0).SetValue(std::nullopt);
        Tavrik_DTP1(0).SetEarliestDate(CalendarDate::FromYmd(1993, 1, 1));
        BuildActionList();
        SetExcessButtons(false);
        for (int index : {kFundsGrid, kPaymentsGrid, kExcessGrid}) {
            common.SetDefaultColor(mSdgDBGrid(index));
            SetGridBolding(mSdgDBGrid(index));
        }
    });
}

// The payments' Action list: the PAYADJUST descriptions of the clerk's region, read once. Cancel is
// offered only for the whole receipt, through the action combo.
void Tavrik_PayDetail::BuildActionList() {
    if (moCodeSet)
        return;
    moCodeSet = std::make_shared<DataSet>(session_.DataSetOpener);
    // The region is quoted as a literal: a quote in it can neither break nor widen the query.
    moCodeSet->SetSource(
        std::string("Select CD_TBL_ID, CD_TBL_CD, CD_TBL_DES From TVK_CODE Where ") + "REGION" + "=" +
        QuoteLiteral(ToUpper(Trim(session_.SessionInfo.Region))) + "And (CD_TBL_ID = '" + "PAYADJUST" + "' " +
        "And ((EFCTV_DT <= date() And (END_DT)Is Null) Or (EFCTV_DT <= date() And END_DT >= date()))" +
        ") Order by cd_tbl_des");
    moCodeSet->Open();

    SSOleDBGrid& grid = mSdgDBGrid(kPaymentsGrid);
    const std::optional<SSOleDBGrid::Bookmark> current = grid.CurrentBookmark();
    GridColumn& action = grid.Column("ACTION");
    action.style = ColumnStyle::DropDown;
    action.listItems = {""};
    Recordset& codes = *moCodeSet->Recordset();
    for (codes.MoveFirst(); !codes.IsEOF(); codes.MoveNext())
        if (FieldText(codes, "CD_TBL_CD") != "C")
            action.listItems.push_back(codes.Field("CD_TBL_DES").ToText());
    grid.ColumnsChanged();
    if (current)
        grid.SetCurrentBookmark(*current);
}

void Tavrik_PayDetail::Form_Activate() {
    trapErrors_("Form_Activate", [&] {
        if (Trim(mLblData(kConfirmation).Caption()).empty())
            SetExcessButtons(false);
    });
}

void Tavrik_PayDetail::SetTabs() {
    trapErrors_("SetTabs", [&] {
        Tavrik_DTP1(0).SetTabIndex(0);
        Tavrik_CodesCombo(0).SetTabIndex(1);
        mTxtAdjust(0).SetTabIndex(2);
        for (int button : {kTransferPayment, kCreateRefund, kSave, kClose})
            mCmdButton(button).SetTabIndex(3 + button);
    });
}

void Tavrik_PayDetail::DefaultFieldColor() {
    trapErrors_("DefaultFieldColor", [&] {
        session_.CommonServices.SetDefaultColor(Tavrik_DTP1(0));
        session_.CommonServices.SetDefaultColor(Tavrik_CodesCombo(0));
        session_.CommonServices.SetDefaultColor(mTxtAdjust(0));
    });
}

void Tavrik_PayDetail::SetGridBolding(SSOleDBGrid& grid) {
    trapErrors_("SetGridBolding", [&] {
        grid.SetHeadFontBold(true);
        grid.SetAllColumnsStyleSet("UNBOLD", false);
    });
}

void Tavrik_PayDetail::ClearAdjustmentFields() {
    Tavrik_DTP1(0).SetValue(session_.Platform.Today());
    Tavrik_DTP1(0).SetValue(std::nullopt);
    Tavrik_CodesCombo(0).SetCode("");
    mTxtAdjust(0).SetText("");
}

void Tavrik_PayDetail::InitializeData() {
    trapErrors_("InitializeData", [&] {
        ClearAdjustmentFields();
        DefaultFieldColor();
        for (int index : {kFundsGrid, kPaymentsGrid, kExcessGrid}) {
            const std::shared_ptr<Recordset>& rows = DataControlOf(index).Recordset();
            if (!rows)
                continue;
            mSdgDBGrid(index).Update();
            for (rows->MoveFirst(); !rows->IsEOF(); rows->MoveNext())
                rows->Delete();
        }
    });
}

// ---- requests and replies ---------------------------------------------------------------------

void Tavrik_PayDetail::SendReceiptPI() {
    trapErrors_("SendReceiptPI", [&] {
        PIRequest request = NewRequest(kReferenceSearchRequest);
        request.AddPentraxKey("key:RECEIPT_NBR", Trim(mLblData(kReceiptNumber).Caption()));
        request.AddPentraxKey("key:RECEIPT_DETL", "YES");
        mbTimedOut = false;
        request.Send();
        session_.StatusService.ShowStatus("Request Receipt Information");
    });
}

void Tavrik_PayDetail::SendCreateRefundPI() {
    trapErrors_("SendCreateRefundPI", [&] {
        msCustID = mLblData(kCustomerId).Caption();
        PIRequest request = NewRequest(kCreateRefundRequest);
        request.AddPentraxKey("key:CUST_ID", msCustID);
        request.AddPentraxKey("key:RCPT_NBR", Trim(mLblData(kReceiptNumber).Caption()));
        mbTimedOut = false;
        request.Send();
        session_.StatusService.ShowStatus("Requesting Refund Information");
    });
}

void Tavrik_PayDetail::moKovraMessage_DataReady(const std::string& formName) {
    if (formName != ReplyAddress())
        return;
    trapErrors_("moKovraMessage_DataReady", [&] {
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
                session_.StatusService.ShowStatus("Search was not successful");
                // The back office refused the save and applied nothing: it is no longer pending,
                // and the clerk's entries stay for a corrected try.
                msSaveState.clear();
                PendingSave(true);
            }
            session_.Platform.SetMousePointer(MousePointer::Default);
            return;
        }

        session_.Platform.SetMousePointer(MousePointer::Hourglass);
        moRefundSet = session_.DataSetService.GetDataSet("REFUND", formName, msMessageID);
        if (miPINumber == kCreateRefundRequest) {
            ShowRefundOnWorksheet();
            session_.StatusService.ShowStatus("Ready");
            return;
        }
        if (IsSavePending()) {
            mBlnDirty = true;
            msSaveState.clear();
            session_.StatusService.ShowStatus("Ready");
            PendingSave(true);
            InitializeData();
        }
        BindReply("FUND", moFundSet, mAdodc1, kFundsGrid);
        BindReply("ACNTSRCVBL", moAcctRcvblSet, mAdodc2, kPaymentsGrid);
        BindReply("OVERPAYMENT", moOverpaymentSet, mAdodc3, kExcessGrid);
        LoadReceipt(formName);
        session_.StatusService.ShowStatus("Ready");
    });
    session_.Platform.SetMousePointer(MousePointer::Default);
}

// A refund already under way for the receipt is shown as stored; a new one keeps what DoCmd_Refund
// wrote on the worksheet.
void Tavrik_PayDetail::ShowRefundOnWorksheet() {
    Tavrik_WorkSheet* worksheet = session_.Forms.FindAs<Tavrik_WorkSheet>(Tavrik_WorkSheet::kFormName);
    if (!worksheet || !moRefundSet || moRefundSet->Recordset()->RecordCount() == 0)
        return;
    moRefundSet->Recordset()->MoveFirst();
    worksheet->ShowStoredWorksheet(*moRefundSet);
}

void Tavrik_PayDetail::BindReply(const char* name, std::shared_ptr<DataSet>& kept, Adodc& dataControl,
                                 int gridIndex) {
    kept = session_.DataSetService.GetDataSet(name, ReplyAddress(), msMessageID);
    if (!kept)
        return;
    if (kept->Recordset()->RecordCount() > 0)
        kept->Recordset()->MoveFirst();
    dataControl.SetRecordset(kept->Recordset());
    mSdgDBGrid(gridIndex).Refresh();
}

void Tavrik_PayDetail::LoadReceipt(const std::string& formName) {
    std::shared_ptr<DataSet> receipt = session_.DataSetService.GetDataSet("RECEIPT", formName, msMessageID);
    if (!receipt) {
        mbReceiptSavable = false;
        mCmdButton(kSave).SetEnabled(false);
        return;
    }
    Recordset& row = *receipt->Recordset();
    if (row.RecordCount() == 0)
        return;
    row.MoveFirst();
    if (!row.Field("RCPT_STTS_CD").IsNull()) {
        const std::string status = Trim(row.Field("RCPT_STTS_CD").ToText());
        mLblData(kStatus).SetCaption(Trim(session_.CommonServices.GetCodeDescription(status, "REFUNDTYP")));
        const std::string code = ToUpper(status);
        mbReceiptSavable = code == "O" || code == "B";
        mCmdButton(kSave).SetEnabled(mbReceiptSavable && !mbViewOnly && !IsSavePending());
    }
    mLblData(kConfirmation).SetCaption(FieldText(row, "CNFRMTN_NBR"));
}

void Tavrik_PayDetail::moKovraMessage_MsgTimeout() {
    mbTimedOut = true;
}

// ---- grids --------------------------------------------------------------------------------------

void Tavrik_PayDetail::mSdgDBGrid_RowLoaded(int index, SSOleDBGrid::Bookmark bookmark) {
    trapErrors_("mSdgDBGrid_RowLoaded", [&] {
        const std::shared_ptr<Recordset>& rows = DataControlOf(index).Recordset();
        if (!rows || rows->StatusAt(bookmark) == RecordStatus::Deleted)
            return;
        SSOleDBGrid& grid = mSdgDBGrid(index);
        CommonServices& common = session_.CommonServices;
        const auto describe = [&](const char* field, const char* table) {
            return common.GetCodeDescription(FieldTextAt(*rows, bookmark, field), table);
        };
        if (index == kPaymentsGrid) {
            if (!IsNullAt(*rows, bookmark, "ACCT_RCVBL_TYP_CD"))
                grid.SetCellText("FORM_DESC", describe("ACCT_RCVBL_TYP_CD", "REFDOCTYP"));
            if (!IsNullAt(*rows, bookmark, "ACTVTY_STTS_CD"))
                grid.SetCellText("ACTVTY_STTS_DES", describe("ACTVTY_STTS_CD", "PAYADJUST"));
            if (const std::optional<Currency> paid = Currency::Parse(grid.CellText("ASMT_AMT")))
                grid.SetCellText("ASMT_AMT", paid->FormatRegional());
            return;
        }
        if (index == kExcessGrid) {
            if (!IsNullAt(*rows, bookmark, "OVR_PYMT_STTS_CD"))
                grid.SetCellText("FUND_DESC", describe("OVR_PYMT_STTS_CD", "REFUNDTYP"));
            return;
        }
        if (IsNullAt(*rows, bookmark, "FUND_TYP_CD"))
            return;
        grid.SetCellText("FUND_DESC", describe("FUND_TYP_CD", "FUNDTYP"));
        const std::string type = FieldTextAt(*rows, bookmark, "FUND_TYP_CD");
        if (type == "C")
            grid.SetCellText("FUND_RFRNC_NBR", "N/A");
        if (type != "R") {
            grid.SetCellText("FUND_EXPR", "N/A");
            return;
        }
        const std::string month = FieldTextAt(*rows, bookmark, "EXPRTN_MO_DT");
        const std::string day = FieldTextAt(*rows, bookmark, "EXPRTN_DY_DT");
        const std::string year = FieldTextAt(*rows, bookmark, "EXPRTN_YR_DT");
        grid.SetCellText("FUND_EXPR", day.empty() ? month + "/" + year : month + "/" + day + "/" + year);
    });
}

void Tavrik_PayDetail::mSdgDBGrid_Click(int index) {
    trapErrors_("mSdgDBGrid_Click", [&] {
        SSOleDBGrid& grid = mSdgDBGrid(index);
        if (index == kExcessGrid) {
            const bool one = grid.SelBookmarks().size() == 1;
            if (one)
                grid.SetCurrentBookmark(grid.SelBookmarks().front());
            SetExcessButtons(one && !Trim(grid.CellText("CUST_ID")).empty() &&
                             Trim(grid.CellText("OVR_PYMT_STTS_CD")) == "O");
            DefaultFieldColor();
            ClearAdjustmentFields();
        }
        const RedrawPause pause{grid};
        grid.Refresh();
    });
}

void Tavrik_PayDetail::mSdgDBGrid_Change(int index) {
    trapErrors_("mSdgDBGrid_Change", [&] { mSdgDBGrid(index).Update(); });
}

void Tavrik_PayDetail::mSdgDBGrid_ScrollAfter(int index) {
    trapErrors_("mSdgDBGrid_ScrollAfter", [&] {
        SSOleDBGrid& grid = mSdgDBGrid(index);
        const RedrawPause pause{grid};
        grid.Refresh();
    });
}

// Both excess-fund buttons follow the chosen excess fund, within what the clerk may do.
void Tavrik_PayDetail::SetExcessButtons(bool enabled) {
    mCmdButton(kTransferPayment).SetEnabled(enabled && !mbViewOnly);
    mCmdButton(kCreateRefund).SetEnabled(enabled && !mbViewOnly && mbMayRefund);
}

// ---- the adjustment fields ----------------------------------------------------------------------

void Tavrik_PayDetail::Tavrik_CodesCombo_Change(int index) {
    trapErrors_("Tavrik_CodesCombo_Change", [&] {
        ::tavrik::Tavrik_CodesCombo& combo = Tavrik_CodesCombo(index);
        if (ToUpper(Trim(combo.Description())) != "BACKOUT" ||
            !session_.CommonServices.HasPrivilege("ADJUSTRCPTCANCELONLY"))
            return;
        session_.Platform.MsgBox("Your privileges do not include the BACKOUT option", MsgBoxIcon::Information,
                                 MsgBoxButtons::OK, session_.gsHostCaption);
        combo.SetCode("");
    });
}

void Tavrik_PayDetail::Tavrik_DTP1_LostFocus(int) {
    trapErrors_("Tavrik_DTP1_LostFocus", [&] { CheckEdit(); });
}

void Tavrik_PayDetail::Tavrik_CodesCombo_LostFocus(int) {
    trapErrors_("Tavrik_CodesCombo_LostFocus", [&] { CheckEdit(); });
}

void Tavrik_PayDetail::mTxtAdjust_LostFocus(int) {
    trapErrors_("mTxtAdjust_LostFocus", [&] { CheckEdit(); });
}

// ---- buttons ------------------------------------------------------------------------------------

void Tavrik_PayDetail::mCmdButton_Click(int index) {
    trapErrors_("mCmdButton_Click", [&] {
        CommandButton& clicked = mCmdButton(index);
        clicked.SetEnabled(false);
        if (index == kTransferPayment) {
            DoCmd_Transfer();
        } else if (index == kCreateRefund) {
            DoCmd_Refund();
        } else if (index == kClose) {
            DoCmd_Cancel();
        } else {
            CheckEdit();
            if (!mErrors.Empty()) {
                clicked.SetEnabled(true);
                session_.Platform.SetFocus(clicked);
                session_.Platform.MsgBox(mErrors.Text(), MsgBoxIcon::Exclamation, MsgBoxButtons::OK,
                                         session_.gsHostCaption);
                return;
            }
            SaveData();
        }
        // A save now on its way keeps the form locked until its reply; a second press could send it
        // twice.
        if (IsSavePending() && index != kClose)
            return;
        clicked.SetEnabled(true);
        if (index != kClose)
            session_.Platform.SetFocus(clicked);
    });
}

bool Tavrik_PayDetail::CheckExcessFund(const std::string& notOpen, const std::string& notConfirmed) {
    SSOleDBGrid& excess = mSdgDBGrid(kExcessGrid);
    if (excess.Rows() == 0)
        return false;
    std::string refusal;
    if (Trim(excess.CellText("CUST_ID")).empty())
        refusal = "Select an Excess Fund";
    else if (Trim(excess.CellText("OVR_PYMT_STTS_CD")) != "O")
        refusal = notOpen;
    else if (Trim(mLblData(kConfirmation).Caption()).empty())
        refusal = notConfirmed;
    if (refusal.empty())
        return true;
    session_.Platform.MsgBox(refusal, MsgBoxIcon::Exclamation, MsgBoxButtons::OK, session_.gsHostCaption);
    return false;
}

// The dialog moves the chosen excess fund; it shows the fund's customer as the one the money comes
// from, and looks the receipt's excess up itself.
void Tavrik_PayDetail::DoCmd_Transfer() {
    trapErrors_("DoCmd_Transfer", [&] {
        if (!CheckExcessFund("Excess Fund status must be OPEN to Transfer a payment",
                             "Excess Funds that are not Confirmed can not be Transferred"))
            return;
        ModalForm<Tavrik_TransPayment> transfer(session_, Tavrik_TransPayment::kFormName);
        SSOleDBGrid& excess = mSdgDBGrid(kExcessGrid);
        Tavrik_Payment& payment = transfer->Tavrik_Payment1;
        payment.SetModeFlagC(true);
        payment.SetModeFlagD(false);
        payment.SetCustomerID(Trim(excess.CellText("CUST_ID")));
        payment.SetCustomerName(excess.CellText("CUST_NM"));
        payment.SetAddress1(excess.CellText("ADDR_1"));
        payment.SetAddress2(excess.CellText("ADDR_2"));
        payment.SetCity(excess.CellText("CITY"));
        payment.SetState(excess.CellText("STATE"));
        payment.SetZip(excess.CellText("ZIP"));
        if (const std::optional<SSOleDBGrid::Bookmark> chosen = excess.CurrentBookmark();
            chosen && mAdodc3.Recordset())
            payment.SetExcessFundId(
                mAdodc3.Recordset()->FieldAt(*chosen, "OVR_PYMT_ID").AsInteger().value_or(0));
        transfer.Show();

        if (!transfer->mBlnDirty)
            return;
        InitializeData();
        SendReceiptPI();
        mBlnDirty = true;
    });
}

// The worksheet starts from the chosen excess fund; while it is shown, the reply to the refund request
// arrives here and fills it with the refund already under way, if there is one.
void Tavrik_PayDetail::DoCmd_Refund() {
    trapErrors_("DoCmd_Refund", [&] {
        if (!CheckExcessFund("Excess Fund status must be OPEN to create refund",
                             "Excess Funds that are not Confirmed can not be Refunded"))
            return;
        using Sheet = Tavrik_WorkSheet;
        ModalForm<Sheet> worksheet(session_, Sheet::kFormName);
        SendCreateRefundPI();

        SSOleDBGrid& excess = mSdgDBGrid(kExcessGrid);
        worksheet->mStrStatusMode = "0";
        const std::optional<Currency> amount = Currency::Parse(excess.CellText("OVR_PYMT_AMT"));
        worksheet->mLblData(Sheet::kRefundAmount)
            .SetCaption(amount ? amount->FormatDollars() : std::string());
        worksheet->mLblData(Sheet::kReceiptNumber).SetCaption(mLblData(kReceiptNumber).Caption());
        const std::pair<int, const char*> customer[] = {{Sheet::kCustomerName, "CUST_NM"},
                                                        {Sheet::kAddress, "ADDR_1"},
                                                        {Sheet::kCity, "CITY"},
                                                        {Sheet::kState, "STATE"},
                                                        {Sheet::kZip, "ZIP"}};
        for (const auto& [label, field] : customer)
            worksheet->mLblData(label).SetCaption(excess.CellText(field));
        worksheet->mStrCustomerId = Trim(excess.CellText("CUST_ID"));
        worksheet->mLblData(Sheet::kPreparedBy)
            .SetCaption(session_.CommonServices.GetUserName(session_.SessionInfo.UserNumber));
        worksheet->Tavrik_DTP1(Sheet::kDateMailed).SetVisible(false);
        worksheet->mFraRefund(Sheet::kBottomFrame).SetVisible(false);
        worksheet->mCmdButton(Sheet::kVoid).SetEnabled(false);
        worksheet->mRdo(Sheet::kToTaxpayer).SetValue(true);
        worksheet.Show();

        if (!worksheet->mBlnDirty)
            return;
        InitializeData();
        SendReceiptPI();
        mBlnDirty = true;
    });
}

void Tavrik_PayDetail::DoCmd_Cancel() {
    session_.Platform.SetMousePointer(MousePointer::Default);
    if (HasOpenExcessFund() &&
        session_.Platform.MsgBox("There are Excess Funds remaining.  Would you like to exit this screen?",
                                 MsgBoxIcon::Question, MsgBoxButtons::OKCancelDefaultCancel,
                                 session_.gsHostCaption) != MsgBoxAnswer::OK)
        return;
    if (IsSavePending() || mbSaveUncertain)
        mBlnDirty = true;
    Hide();
}

bool Tavrik_PayDetail::HasOpenExcessFund() const {
    const std::shared_ptr<Recordset>& excess = mAdodc3.Recordset();
    if (!excess || excess->RecordCount() == 0)
        return false;
    Recordset search = excess->Clone();
    search.MoveFirst();
    return search.Find("[OVR_PYMT_STTS_CD]='O'");
}

// ---- checking and saving ------------------------------------------------------------------------

Tavrik_PayDetail::PaymentChoices Tavrik_PayDetail::ReadPaymentChoices() {
    PaymentChoices choices;
    const std::shared_ptr<Recordset>& payments = mAdodc2.Recordset();
    if (!payments)
        return choices;
    CommitPaymentEdits();
    Recordset walk = payments->Clone();
    for (walk.MoveFirst(); !walk.IsEOF(); walk.MoveNext()) {
        if (!IsPaymentAction(FieldText(walk, "ACTION")))
            continue;
        choices.adjustment = true;
        const std::string status = ToUpper(FieldText(walk, "ACTVTY_STTS_CD"));
        if (status == "B" || status == "C")
            choices.adjustedAgain = true;
    }
    for (walk.MoveFirst(); !walk.IsEOF(); walk.MoveNext())
        if (FieldText(walk, "ACTVTY_STTS_CD").empty())
            choices.remaining = true;
    return choices;
}

void Tavrik_PayDetail::CheckEdit() {
    trapErrors_("CheckEdit", [&] {
        mErrors.Clear();
        DefaultFieldColor();
        const std::string code = ReceiptActionCode();
        const bool backOut = code == "B";
        const bool cancel = code == "C";
        const RedrawPause pause = PauseGridRedraw();

        Tavrik_DTP& picker = Tavrik_DTP1(0);
        const std::string adjusted = IsoText(picker.Value());
        const std::string receiptDay = IsoText(CalendarDate::Parse(Trim(mLblData(kReceiptDate).Caption())));
        if (!picker.Value())
            mErrors.Add("Adjusted Date is required", picker);
        else if (adjusted > session_.Platform.Today().FormatIso())
            mErrors.Add("Date Adjusted must be today or a prior date", picker);
        else if (adjusted < receiptDay)
            mErrors.Add("Date Adjusted could not be earlier than payment date", picker);

        const PaymentChoices choices = ReadPaymentChoices();
        ::tavrik::Tavrik_CodesCombo& action = Tavrik_CodesCombo(0);
        if (!choices.remaining && !backOut)
            mErrors.Add("No payments remain to adjust out");
        if (choices.adjustment && (backOut || cancel))
            mErrors.Add("Can not adjust the receipt and adjust a payment at the same time", action);
        if (!choices.adjustment && !backOut && !cancel)
            mErrors.Add("Please adjust the receipt or a payment against an account receivable", action);
        if (IsBlank(mTxtAdjust(0).Text()))
            mErrors.Add("Comment is required", mTxtAdjust(0));
        const std::string status = mLblData(kStatus).Caption().substr(0, 1);
        if (status == "B" && !cancel)
            mErrors.Add("Can not save a backed out receipt");
        else if (status == "C")
            mErrors.Add("Can not save a canceled receipt");
        if (choices.adjustedAgain)
            mErrors.Add("Can not save a payment that has been backed out or canceled");
    });
}

bool Tavrik_PayDetail::DataChanged() {
    bool changed = false;
    trapErrors_("DataChanged", [&] {
        session_.StatusService.ShowStatus("Checking for data changes");
        changed = !mTxtAdjust(0).Text().empty() || Tavrik_DTP1(0).Value().has_value() ||
                  IsBackOutOrCancel() || ReadPaymentChoices().adjustment;
    });
    return changed;
}

void Tavrik_PayDetail::SaveData() {
    trapErrors_("SaveData", [&] {
        if (!DataChanged()) {
            session_.StatusService.ShowStatus("Data did not change.  Save request canceled. ");
            return;
        }
        CheckEdit();
        if (!mErrors.Empty()) {
            session_.StatusService.ShowStatus("Error(s) found");
            session_.Platform.MsgBox(mErrors.Text(), MsgBoxIcon::Exclamation, MsgBoxButtons::OK,
                                     session_.gsHostCaption);
            return;
        }
        session_.Platform.SetMousePointer(MousePointer::Hourglass);
        PIRequest request = NewRequest(kAdjustmentRequest);
        request.AddPentraxKey("key:RECEIPT_NBR", Trim(mLblData(kReceiptNumber).Caption()));
        request.AddPentraxKey("key:RECEIPT_DETL", "YES");
        session_.StatusService.ShowStatus("Saving Payment Adjustments for Receipt number " +
                                          mLblData(kReceiptNumber).Caption());
        LoadAdjustPayDTD(request);
        if (IsBackOutOrCancel())
            LoadAccRecvForReceiptDTD(request);
        else
            LoadAccRecvDTD(request);
        mbTimedOut = false;
        request.Send();
        msSaveState = kSavePending;
        PendingSave(false);
        session_.StatusService.SetReady(false);
    });
}

void Tavrik_PayDetail::PendingSave(bool enable) {
    trapErrors_("PendingSave", [&] {
        // A clerk who may only look never gets the inputs, whatever reply comes back; nor does a
        // cancel-only clerk get the payments and excess funds.
        const bool inputs = enable && !mbViewOnly;
        Tavrik_DTP1(0).SetEnabled(inputs);
        Tavrik_CodesCombo(0).SetEnabled(inputs);
        mTxtAdjust(0).SetEnabled(inputs);
        mCmdButton(kSave).SetEnabled(inputs && mbReceiptSavable);
        mSdgDBGrid(kFundsGrid).SetEnabled(enable);
        mSdgDBGrid(kPaymentsGrid).SetEnabled(enable && !mbCancelOnly);
        mSdgDBGrid(kExcessGrid).SetEnabled(enable && !mbCancelOnly);
        if (!enable)
            SetExcessButtons(false);
    });
}

void Tavrik_PayDetail::UpdateTimeout() {
    trapErrors_("UpdateTimeout", [&] {
        if (IsSavePending()) {
            msSaveState.clear();
            // Whether the back office applied it cannot be told, so the opener must refresh.
            mbSaveUncertain = true;
            PendingSave(true);
            for (int button : {kSave, kTransferPayment, kCreateRefund})
                mCmdButton(button).SetEnabled(false);
            mCmdButton(kClose).SetEnabled(true);
        }
        session_.Platform.SetMousePointer(MousePointer::Default);
    });
}

// ---- update rows --------------------------------------------------------------------------------

void Tavrik_PayDetail::LoadAdjustPayDTD(PIRequest& request) {
    msCustID = mLblData(kCustomerId).Caption();
    DataSet adjustPay(session_.DataSetOpener, "ADJUSTPAY");
    Recordset& row = *adjustPay.Recordset();
    row.AddNew();
    row.SetField("ACTION", "ADD");
    row.SetField("ADJSTMT_DT", IsoText(Tavrik_DTP1(0).Value()));
    row.SetField("ADJSTMT_CMMT_TXT", mTxtAdjust(0).Text());
    row.SetField("ADJSTMT_TYP_CD", IsBackOutOrCancel() ? ReceiptActionCode() : std::string());
    row.SetField("RCPT_NBR", mLblData(kReceiptNumber).Caption());
    row.Update();
    request.AddDataSet("ADJUSTPAY", adjustPay);
}

void Tavrik_PayDetail::LoadAccRecvForReceiptDTD(PIRequest& request) {
    msCustID = mLblData(kCustomerId).Caption();
    DataSet rows(session_.DataSetOpener, "ACNTSRCVBL");
    const std::string action = ReceiptActionCode() == "C" ? "C" : "B";
    if (const std::shared_ptr<Recordset>& payments = mAdodc2.Recordset()) {
        CommitPaymentEdits();
        Recordset walk = payments->Clone();
        for (walk.MoveFirst(); !walk.IsEOF(); walk.MoveNext())
            if (FieldText(walk, "ADJSTMT_DT").empty())
                AddPaymentRow(*rows.Recordset(), walk, action);
    }
    request.AddDataSet("ACNTSRCVBL", rows);
}

void Tavrik_PayDetail::LoadAccRecvDTD(PIRequest& request) {
    msCustID = mLblData(kCustomerId).Caption();
    DataSet rows(session_.DataSetOpener, "ACNTSRCVBL");
    if (const std::shared_ptr<Recordset>& payments = mAdodc2.Recordset()) {
        CommitPaymentEdits();
        Recordset walk = payments->Clone();
        for (walk.MoveFirst(); !walk.IsEOF(); walk.MoveNext()) {
            const std::string chosen = ToUpper(FieldText(walk, "ACTION"));
            if (IsPaymentAction(chosen))
                AddPaymentRow(*rows.Recordset(), walk, chosen == "BACKOUT" ? "B" : "C");
        }
    }
    request.AddDataSet("ACNTSRCVBL", rows);
}

void Tavrik_PayDetail::AddPaymentRow(Recordset& rows, const Recordset& payment, const std::string& action) {
    rows.AddNew();
    rows.SetField("ACTION", "UPD");
    for (const char* copied : {"CUST_ID", "ACCT_RCVBL_TYP_CD", "ACCT_RCVBL_NBR", "ACCT_RCVBL_CK_NBR"})
        rows.SetField(copied, payment.Field(copied));
    rows.SetField("ADJST_ACTION", action);
    rows.SetField("CL_PYMT_AMT", payment.Field("CL_PYMT_AMT"));
    rows.SetField("ADJSTMT_DT", session_.Platform.Today().FormatIso());
    rows.SetField("TRNSCTN_DT", payment.Field("TRNSCTN_DT"));
    rows.SetField("TRNSCTN_NBR", payment.Field("TRNSCTN_NBR"));
    rows.Update();
}

// ---- small helpers ------------------------------------------------------------------------------

void Tavrik_PayDetail::CommitPaymentEdits() {
    mSdgDBGrid(kPaymentsGrid).Update();
}

RedrawPause Tavrik_PayDetail::PauseGridRedraw() {
    return {mSdgDBGrid(kPaymentsGrid)};
}

PIRequest Tavrik_PayDetail::NewRequest(int piNumber) {
    PIRequest request = NewPIRequest(session_, moKovraMessage, ReplyAddress(), piNumber);
    msMessageID = request.MessageID();
    miPINumber = piNumber;
    return request;
}

std::string Tavrik_PayDetail::ReplyAddress() const {
    return session_.AppTitle + kFormTag;
}

std::string Tavrik_PayDetail::ReceiptActionCode() const {
    return ToUpper(Trim(Tavrik_CodesCombo(0).Code()));
}

Adodc& Tavrik_PayDetail::DataControlOf(int gridIndex) {
    return gridIndex == kFundsGrid ? mAdodc1 : gridIndex == kPaymentsGrid ? mAdodc2 : mAdodc3;
}

} // namespace tavrik
