#include "select/Tavrik_SelectCustFormInq.h"

#include "common/FormMessage.h"
#include "common/NewPIRequest.h"
#include "common/RegionCodesQuery.h"
#include "common/RequestNumbers.h"
#include "common/SevenDigits.h"
#include "common/TextUtil.h"

namespace tavrik {
namespace {

using namespace column_layout;

// Account rows fill the columns from "Account #" to "Last Payment Date", receipt rows those from
// "Receipt #"; DisplayGridColumns shows the ones of the list at hand.
constexpr GridColumnLayout kColumns[] = {
    {"FORM_CK_DGT_NBR", "FORM_CK_DGT_NBR", "FORM_CK_DGT_NBR", 600, false, kLeft, kText},
    {"FORM_NBR", "FORM_NBR", "FORM_NBR", 600, false, kLeft, kText},
    {"Account #", "FORM_NUMBER", "FORM_NUMBER", 1300, true, kLeft, kText},
    {"Stop Date", "STP_DT", "STP_DT", 1100, true, kCenter, kDate, "mm/dd/yyyy"},
    {"Status", "CTTN_STTS_TXT", "CTTN_STTS_TXT", 1200, true, kLeft, kText},
    {"Assessment", "ASSMT_DUE_AMT", "ASSMT_DUE_AMT", 1300, false, kRight, kCurrency, "Currency"},
    {"Original Assessment", "ORIG_ASSMT_AMT", "ORIG_ASSMT_AMT", 1700, true, kRight, kCurrency, "Currency"},
    {"FORM_TYP_CD", "FORM_TYP_CD", "FORM_TYP_CD", 600, false, kLeft, kText},
    {"CTTN_STTS_CD", "CTTN_STTS_CD", "CTTN_STTS_CD", 600, false, kLeft, kText},
    {"Amount Due", "BAL_DUE", "BAL_DUE", 1300, true, kRight, kCurrency, "Currency"},
    {"Last Payment Date", "LST_PYMT_DT", "LST_PYMT_DT", 1600, true, kCenter, kDate, "mm/dd/yyyy"},
    {"Receipt #", "RCPTNBR", "RCPTNBR", 1300, false, kLeft, kText},
    {"Receipt Date", "RCPTDATE", "RCPTDATE", 1300, false, kCenter, kDate, "mm/dd/yyyy"},
    {"Status", "RCPTSTTS", "RCPTSTTS", 1400, false, kLeft, kText},
    {"Amount", "RCPTAMT", "RCPTAMT", 1300, false, kRight, kCurrency, "Currency"},
    {"RCPTCKDGTNBR", "RCPTCKDGTNBR", "RCPTCKDGTNBR", 600, false, kLeft, kText},
};

constexpr const char* kReceiptColumns[] = {"RCPTNBR", "RCPTDATE", "RCPTSTTS", "RCPTAMT"};
constexpr const char* kAccountColumns[] = {"FORM_NUMBER",    "STP_DT",  "CTTN_STTS_TXT",
                                           "ORIG_ASSMT_AMT", "BAL_DUE", "LST_PYMT_DT"};

bool IsNullAt(const Recordset& rows, SSOleDBGrid::Bookmark bookmark, std::string_view field) {
    return !rows.HasField(field) || rows.FieldAt(bookmark, field).IsNull();
}

std::string FieldTextAt(const Recordset& rows, SSOleDBGrid::Bookmark bookmark, std::string_view field) {
    return IsNullAt(rows, bookmark, field) ? std::string() : Trim(rows.FieldAt(bookmark, field).ToText());
}

// "0012345-5": the number with leading zeros, a "-" and the check digit.
std::string NumberWithCheckDigit(const Recordset& rows, SSOleDBGrid::Bookmark bookmark,
                                 std::string_view number, std::string_view checkDigit) {
    const std::optional<std::int64_t> value = rows.FieldAt(bookmark, number).AsInteger();
    const std::string digits = value ? SevenDigits(*value) : FieldTextAt(rows, bookmark, number);
    return digits + "-" + FieldTextAt(rows, bookmark, checkDigit);
}

} // namespace

Tavrik_SelectCustFormInq::Tavrik_SelectCustFormInq(Session& session)
    : Form(kFormName), Tavrik_CustSelect1("Tavrik_CustSelect1", session), session_(session),
      trapErrors_(session, kFormName), trapReplyErrors_(session, "SelectCustFormInq"),
      mErrors(session.CommonServices) {
    SetCaption("Select Account");
    Resize(10800, 7200);
    mLblDocType.SetCaption("Account Type:");
    // The account types that can be listed per customer.
    mFtcboDocType.Add(0, session.CommonServices).Setcodetype("FORMDOC");
    mFraFormInq.SetCaption("Account List");
    mSdgGrid.InstallColumns(kColumns);
    mSdgGrid.SetVisible(false);
    mCmdButton.Add(kCancel).SetCaption("Cancel");
    mCmdButton(kCancel).SetCancel(true);
    mCmdButton.Add(kOk).SetCaption("OK");
    mCmdButton(kOk).SetDefault(true);
    mFtcboDocType(0).SetTabIndex(0);
    Tavrik_CustSelect1.SetTabIndex(1);
    mSdgGrid.SetTabIndex(2);
    mCmdButton(kOk).SetTabIndex(3);
    mCmdButton(kCancel).SetTabIndex(4);

    mFtcboDocType(0).Change.Connect([this] { mFtcboDocType_Change(); });
    Tavrik_CustSelect1.SelectionChanged.Connect([this] { Tavrik_CustSelect1_SelectionChanged(); });
    Tavrik_CustSelect1.ClearForm.Connect([this] { Tavrik_CustSelect1_ClearForm(); });
    Tavrik_CustSelect1.HasAlerts.Connect([this] { Tavrik_CustSelect1_HasAlerts(); });
    mSdgGrid.RowLoaded.Connect([this](SSOleDBGrid::Bookmark bookmark) { mSdgGrid_RowLoaded(bookmark); });
    mSdgGrid.Click.Connect([this] { mSdgGrid_Click(); });
    mCmdButton.ForEach([this](int index, CommandButton& button) {
        button.Click.Connect([this, index] { mCmdButton_Click(index); });
    });
}

std::string Tavrik_SelectCustFormInq::ReplyAddress() const {
    return session_.AppTitle + kFormTag;
}

std::string Tavrik_SelectCustFormInq::TypeText() const {
    return mFtcboDocType(0).Text();
}

void Tavrik_SelectCustFormInq::Form_Load() {
    trapErrors_("Form_Load", [&] {
        Tavrik_CustSelect1.SetSelectorOption(false);
        session_.CommonServices.PrepareForm(*this);
        if (!moKovraMessage)
            moKovraMessage = NewFormMessage(session_, *this);
        if (!moStatus) {
            moStatus = session_.StatusService.GetStatusObject();
            moStatus->UpdateStatus.Connect([this](const std::string& text) { moStatus_UpdateStatus(text); });
            moStatus->UpdateStatusMsg.Connect(
                [this](const std::string& text) { moStatus_UpdateStatusMsg(text); });
        }
        moCodeSet = std::make_shared<DataSet>(
            session_.DataSetOpener,
            RegionCodesQuery(session_.SessionInfo.Region, "CSTATUS", session_.Platform.Today()));
        mCmdButton(kOk).SetEnabled(false);
        session_.CommonServices.SetDefaultColor(mSdgGrid);
    });
}

void Tavrik_SelectCustFormInq::Form_Activate() {
    trapErrors_("Form_Activate", [&] {
        if (!mFtcboDocType(0).Code().empty() && Tavrik_CustSelect1.CustomerKey().empty())
            session_.Platform.SetFocus(Tavrik_CustSelect1);
    });
}

void Tavrik_SelectCustFormInq::Form_Unload() {
    trapErrors_("Form_Unload", [&] {
        moKovraMessage.reset();
        moStatus.reset();
    });
}

// ---- choosing the type and the customer ---------------------------------------------------------

void Tavrik_SelectCustFormInq::mFtcboDocType_Change() {
    trapErrors_("mFtcboDocType_Change", [&] {
        if (IgnoreDocTypChange) {
            IgnoreDocTypChange = false;
            return;
        }
        ListCustomerAccounts();
    });
}

void Tavrik_SelectCustFormInq::Tavrik_CustSelect1_SelectionChanged() {
    trapErrors_("Tavrik_CustSelect1_SelectionChanged", [&] {
        msCustID = Tavrik_CustSelect1.CustomerKey();
        ListCustomerAccounts();
    });
}

// A customer no longer shown is not listed again when the type changes.
void Tavrik_SelectCustFormInq::Tavrik_CustSelect1_ClearForm() {
    trapErrors_("Tavrik_CustSelect1_ClearForm", [&] { msCustID.clear(); });
}

void Tavrik_SelectCustFormInq::Tavrik_CustSelect1_HasAlerts() {}

void Tavrik_SelectCustFormInq::CheckEdit() {
    mErrors.Clear();
    if (mFtcboDocType(0).EntryIndicator() < 1)
        mErrors.Add("Account Type is required");
}

void Tavrik_SelectCustFormInq::ListCustomerAccounts() {
    CheckEdit();
    if (!mErrors.Empty()) {
        session_.Platform.MsgBox("Errors Found ... \r\n" + mErrors.Text(), MsgBoxIcon::Critical,
                                 MsgBoxButtons::OK, session_.gsHostCaption);
        return;
    }
    // Text that names no type would only be answered with an empty list.
    if (msCustID.empty() || mFtcboDocType(0).Code().empty())
        return;
    moAccounts = std::make_shared<DataSet>(session_.DataSetOpener, "CUSTOMERFORM");
    mAdodc1.SetRecordset(moAccounts->Recordset());
    mSdgGrid.Refresh();
    mCmdButton(kOk).SetEnabled(false);
    SendPI();
}

void Tavrik_SelectCustFormInq::DisplayGridColumns() {
    trapErrors_("DisplayGridColumns", [&] {
        for (const char* name : kReceiptColumns)
            mSdgGrid.Column(name).visible = ReceiptMode;
        for (const char* name : kAccountColumns)
            mSdgGrid.Column(name).visible = !ReceiptMode;
        mSdgGrid.ColumnsChanged();
        mSdgGrid.SetVisible(true);
    });
}

// ---- the request and its reply ------------------------------------------------------------------

void Tavrik_SelectCustFormInq::SendPI() {
    trapErrors_("SendPI", [&] {
        const std::string typeCode = mFtcboDocType(0).Code();
        ReceiptMode = ToUpper(typeCode) == "R";
        DisplayGridColumns();
        PIRequest request = NewPIRequest(session_, moKovraMessage, ReplyAddress(), kCustomerAccountsRequest);
        MessageID = request.MessageID();
        if (ReceiptMode) {
            request.AddPentraxKey("key:CUSTRCPTS", msCustID);
        } else {
            request.AddPentraxKey("key:REF_TYP_CD", typeCode);
            request.AddPentraxKey("key:CUST_ID", msCustID);
        }
        request.Send();
        session_.Platform.SetMousePointer(MousePointer::Hourglass);
        session_.StatusService.ShowStatus("Requesting " + TypeText() + " for " +
                                          Tavrik_CustSelect1.CustomerText());
        mbTimedOut = false;
    });
}

void Tavrik_SelectCustFormInq::moKovraMessage_DataReady(const std::string& formName) {
    if (formName != ReplyAddress())
        return;
    trapReplyErrors_("moKovraMessage_DataReady", [&] {
        const std::string errorText = session_.CommonServices.GetReply(
            formName, trapReplyErrors_.Context("moKovraMessage_DataReady"), MessageID);
        if (!errorText.empty()) {
            session_.Platform.MsgBox(errorText, MsgBoxIcon::Critical, MsgBoxButtons::OK,
                                     session_.gsHostCaption);
            session_.StatusService.ShowStatus(mbTimedOut ? "Search timed out" : "Search was not successful");
            return;
        }
        session_.Platform.SetMousePointer(MousePointer::Hourglass);
        std::shared_ptr<DataSet> reply = session_.DataSetService.GetDataSet(
            ReceiptMode ? "CUSTRCPT" : "CUSTOMERFORM", formName, MessageID);
        const std::string customer = Tavrik_CustSelect1.CustomerText();
        // An empty list says no more than a missing one.
        if (!reply || reply->Recordset()->RecordCount() == 0) {
            session_.StatusService.ShowStatus("No " + TypeText() + "s returned for " + customer);
            return;
        }
        reply->Recordset()->Sort(ReceiptMode ? "RCPTDATE ASC" : "STP_DT ASC");
        moAccounts = std::move(reply);
        mAdodc1.SetRecordset(moAccounts->Recordset());
        mSdgGrid.Refresh();
        mCmdButton(kOk).SetEnabled(false);
        session_.StatusService.ShowStatus("Displaying " + TypeText() + "s for " + customer);
    });
    session_.Platform.SetMousePointer(MousePointer::Default);
}

void Tavrik_SelectCustFormInq::moKovraMessage_MsgTimeout() {
    mbTimedOut = true;
}

// ---- the list -----------------------------------------------------------------------------------

void Tavrik_SelectCustFormInq::mSdgGrid_RowLoaded(SSOleDBGrid::Bookmark bookmark) {
    trapErrors_("mSdgGrid_RowLoaded", [&] {
        const std::shared_ptr<Recordset>& rows = mAdodc1.Recordset();
        if (!rows)
            return;
        if (ReceiptMode) {
            if (IsNullAt(*rows, bookmark, "RCPTNBR"))
                return;
            mSdgGrid.SetCellText("RCPTNBR", NumberWithCheckDigit(*rows, bookmark, "RCPTNBR", "RCPTCKDGTNBR"));
            mSdgGrid.SetCellText("RCPTSTTS", session_.CommonServices.GetCodeDescription(
                                                 FieldTextAt(*rows, bookmark, "RCPTSTTS"), "REFUNDTYP"));
            return;
        }
        if (IsNullAt(*rows, bookmark, "FORM_NBR"))
            return;
        mSdgGrid.SetCellText("FORM_NUMBER",
                             NumberWithCheckDigit(*rows, bookmark, "FORM_NBR", "FORM_CK_DGT_NBR"));
        // The statuses of the clerk's region, read at load.
        Recordset& statuses = *moCodeSet->Recordset();
        std::string description;
        if (statuses.RecordCount() > 0) {
            statuses.MoveFirst();
            if (statuses.Find("CD_TBL_CD = " + QuoteLiteral(FieldTextAt(*rows, bookmark, "CTTN_STTS_CD"))))
                description = Trim(statuses.Field("CD_TBL_DES").ToText());
        }
        mSdgGrid.SetCellText("CTTN_STTS_TXT", description);
    });
}

void Tavrik_SelectCustFormInq::mSdgGrid_Click() {
    trapErrors_("mSdgGrid_Click", [&] {
        const bool one = mSdgGrid.SelBookmarks().size() == 1;
        if (one)
            mSdgGrid.SetCurrentBookmark(mSdgGrid.SelBookmarks().front());
        mCmdButton(kOk).SetEnabled(one);
    });
}

void Tavrik_SelectCustFormInq::mCmdButton_Click(int index) {
    trapErrors_("mCmdButton_Click", [&] {
        if (index == kCancel) {
            mDocumentNumber.clear();
            IsCanceled = true;
            Hide();
            return;
        }
        CheckEdit();
        if (!mErrors.Empty()) {
            session_.Platform.MsgBox("Errors Found ... \r\n" + mErrors.Text(), MsgBoxIcon::Critical,
                                     MsgBoxButtons::OK, session_.gsHostCaption);
            return;
        }
        TakeCurrentRow();
        IsCanceled = false;
        Hide();
    });
}

// The public properties from the current row, each from a field the row has.
void Tavrik_SelectCustFormInq::TakeCurrentRow() {
    mDocumentNumber.clear();
    mDueAmount.reset();
    mBalanceDue.reset();
    mLastPaymentDate.reset();
    mStatus.clear();
    mStopDate.reset();
    const std::shared_ptr<Recordset>& rows = mAdodc1.Recordset();
    const std::optional<SSOleDBGrid::Bookmark> current = mSdgGrid.CurrentBookmark();
    if (!rows || !current)
        return;
    const Recordset& row = *rows;
    const SSOleDBGrid::Bookmark at = *current;
    if (ReceiptMode) {
        if (IsNullAt(row, at, "RCPTNBR"))
            return;
        mDocumentNumber = NumberWithCheckDigit(row, at, "RCPTNBR", "RCPTCKDGTNBR");
        mDueAmount = row.FieldAt(at, "RCPTAMT").AsCurrency();
        mLastPaymentDate = row.FieldAt(at, "RCPTDATE").AsDate();
        return;
    }
    if (IsNullAt(row, at, "FORM_NBR"))
        return;
    mDocumentNumber = NumberWithCheckDigit(row, at, "FORM_NBR", "FORM_CK_DGT_NBR");
    mDueAmount = row.FieldAt(at, "ASSMT_DUE_AMT").AsCurrency();
    mBalanceDue = row.FieldAt(at, "BAL_DUE").AsCurrency();
    mLastPaymentDate = row.FieldAt(at, "LST_PYMT_DT").AsDate();
    mStatus = mSdgGrid.CellText("CTTN_STTS_TXT");
    mStopDate = row.FieldAt(at, "STP_DT").AsDate();
}

// The dialog's own status bar shows every status text while it is open: it covers the main one.
void Tavrik_SelectCustFormInq::moStatus_UpdateStatus(const std::string& text) {
    StatusBar1.SetPanelText(0, text);
}

void Tavrik_SelectCustFormInq::moStatus_UpdateStatusMsg(const std::string& text) {
    StatusBar1.SetPanelText(0, text);
}

} // namespace tavrik
