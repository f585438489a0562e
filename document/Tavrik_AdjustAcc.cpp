#include "document/Tavrik_AdjustAcc.h"

#include "common/AdjustmentRules.h"
#include "common/FormMessage.h"
#include "common/ModalForm.h"
#include "common/NewPIRequest.h"
#include "common/RequestNumbers.h"
#include "common/Tavrik_CustSelect.h"
#include "common/TextUtil.h"
#include "document/Tavrik_FormInq.h"
#include "receipt/Tavrik_PayDetail.h"
#include "receivable/Tavrik_AccDetail.h"

namespace tavrik {
namespace {

using namespace column_layout;
constexpr bool kEditable = false;

constexpr GridColumnLayout kReceivableColumns[] = {
    {"Name", "CUST_NAME", "CUST_NAME", 2894.74, true, kLeft, kText},
    {"Account Type", "FORM_DESC", "FORM_DESC", 1170.142, true, kLeft, kText},
    {"Account #", "ACCT_RCVBL_NBR", "ACCT_RCVBL_NBR", 945.0709, true, kLeft, kText},
    {"", "ACCT_RCVBL_CK_NBR", "ACCT_RCVBL_CK_NBR", 1773, false, kLeft, kText},
    {"Stop Date", "STP_DT", "STP_DT", 1005.165, true, kCenter, kDate, "mm/dd/yyyy"},
    {"Original Assessment", "ORIG_ASSMT_AMT", "ORIG_ASSMT_AMT", 1560.189, true, kRight, kCurrency,
     "CURRENCY"},
    {"Late Fee", "LTE_FEE_AMT", "LTE_FEE_AMT", 884.9764, true, kRight, kCurrency, "CURRENCY"},
    {"Interest", "ACRD_INTRST_AMT", "ACRD_INTRST_AMT", 675.2126, true, kRight, kCurrency, "CURRENCY"},
    {"Status", "STTS_DESC", "STTS_DESC", 1094.74, true, kLeft, kText},
    {"Assessment", "ASSMT_AMT", "ACCT_RCVBL_DUE_AMT", 1560.189, false, kRight, kCurrency, "CURRENCY"},
    {"Amount Due", "DUE_AMT", "ACCT_RCVBL_BAL_AMT", 1110.047, true, kRight, kCurrency, "CURRENCY"},
    {"", "FORM_TYP_CD", "ACCT_STTS_CD", 3200, false, kLeft, kText},
    {"", "ACCT_RCVBL_TYP_CD", "ACCT_RCVBL_TYP_CD", 3200, false, kLeft, kText},
    {"", "ACCT_STTS_CD", "ACCT_STTS_CD", 3200, false, kLeft, kText},
    {"", "ACTV_STTS_CD", "ACTV_STTS_CD", 3200, false, kLeft, kText, "", true, ColumnStyle::Edit, 10},
    {"", "CASE_ID", "CASE_ID", 3200, false, kLeft, kText, "", kEditable},
    {"", "CUST_ID", "CUST_ID", 3200, false, kLeft, kText, "", kEditable},
};

constexpr GridColumnLayout kReceiptColumns[] = {
    {"Payment Date", "RCPT_DT", "RCPT_DT", 1679.811, true, kCenter, kDate, "mm/dd/yyyy"},
    {"Receipt #", "RCPT_NBR", "RCPT_NBR", 1094.74, true, kLeft, kText},
    {"", "RCPT_STTS_CD", "RCPT_STTS_CD", 3200, false, kLeft, kText},
    {"Status", "STTS_DESC", "STTS_DESC", 2775.118, true, kLeft, kText},
    {"Payment Amount", "TOT_PYMT_AMT", "TOT_PYMT_AMT", 1890.142, true, kRight, kCurrency, "Currency"},
    {"Excess Amount", "OVR_PYMT_AMT", "OVR_PYMT_AMT", 1890.142, true, kRight, kCurrency, "Currency"},
    {"", "CUST_ID", "CUST_ID", 1679.811, false, kLeft, kText},
};

bool IsNullField(const Recordset& recordset, SSOleDBGrid::Bookmark bookmark, const char* field) {
    return !recordset.HasField(field) || recordset.FieldAt(bookmark, field).IsNull();
}

} // namespace

Tavrik_AdjustAcc::Tavrik_AdjustAcc(Session& session)
    : session_(session), trapErrors_(session, "Tavrik_AdjustAcc") {
    mCmdButton.Add(kArDetail).SetCaption("AR Detail");
    mCmdButton.Add(kReceiptDetail).SetCaption("Receipt Detail");
    mSdgDBGrid.Add(kReceivablesGrid, &mAdodc1).SetCaption("Account Receivables");
    mSdgDBGrid.Add(kReceiptsGrid, &mAdodc2).SetCaption("Receipts");
    mSdgDBGrid(kReceivablesGrid).InstallColumns(kReceivableColumns);
    mSdgDBGrid(kReceiptsGrid).InstallColumns(kReceiptColumns);

    mCmdButton.ForEach([this](int index, CommandButton& button) {
        button.Click.Connect([this, index] { mCmdButton_Click(index); });
    });
    mSdgDBGrid.ForEach([this](int index, SSOleDBGrid& grid) {
        grid.Click.Connect([this, index] { mSdgDBGrid_Click(index); });
        grid.DblClick.Connect([this, index] { mSdgDBGrid_DblClick(index); });
        grid.RowLoaded.Connect(
            [this, index](SSOleDBGrid::Bookmark bookmark) { mSdgDBGrid_RowLoaded(index, bookmark); });
    });
}

void Tavrik_AdjustAcc::UserDocument_Show(const std::string& hostTag, const std::string& hostCaption) {
    trapErrors_("UserDocument_Show", [&] {
        session_.gsHostTag = hostTag;
        session_.gsHostCaption = hostCaption;
        session_.StatusService.SetToolbarButton(8, true, session_.gsHostTag);
        if (!moKovraMessage)
            moKovraMessage = NewFormMessage(session_, *this);
        ConfigureToolbar(false);
        SetTabs();
        session_.StatusService.ShowStatus("Loading information");
        session_.Platform.SetMousePointer(MousePointer::Hourglass);
        mCmdButton(kArDetail).SetEnabled(false);
        mCmdButton(kReceiptDetail).SetEnabled(false);
        session_.CommonServices.SetDefaultColor(mSdgDBGrid(kReceivablesGrid));
        session_.CommonServices.SetDefaultColor(mSdgDBGrid(kReceiptsGrid));
        SetGridBolding(mSdgDBGrid(kReceivablesGrid));
        SetGridBolding(mSdgDBGrid(kReceiptsGrid));
        session_.Platform.SetMousePointer(MousePointer::Default);
        session_.StatusService.ShowStatus("Ready");
    });
}

void Tavrik_AdjustAcc::ConfigureToolbar(bool enable) {
    trapErrors_("ConfigureToolbar", [&] {
        for (int button : {7, 9, 12, 14})
            session_.StatusService.SetToolbarButton(button, enable, session_.gsHostTag);
    });
}

void Tavrik_AdjustAcc::SetTabs() {
    trapErrors_("SetTabs", [&] {
        mCmdButton(kArDetail).SetTabIndex(0);
        mCmdButton(kReceiptDetail).SetTabIndex(1);
    });
}

void Tavrik_AdjustAcc::SetGridBolding(SSOleDBGrid& grid) {
    trapErrors_("SetGridBolding", [&] {
        grid.SetHeadFontBold(true);
        grid.SetAllColumnsStyleSet("UNBOLD", false);
    });
}

void Tavrik_AdjustAcc::InitializeData() {
    trapErrors_("InitializeData", [&] {
        const std::pair<const char*, int> bindings[] = {{"ACNTSRCVBL", kReceivablesGrid},
                                                        {"RECEIPT", kReceiptsGrid}};
        for (const auto& [definition, gridIndex] : bindings) {
            auto dataSet = std::make_unique<DataSet>(session_.DataSetOpener, definition);
            (gridIndex == kReceivablesGrid ? mAdodc1 : mAdodc2).SetRecordset(dataSet->Recordset());
            dataSet->DetachRecordset();
            dataSet.reset();
            mSdgDBGrid(gridIndex).Refresh();
        }
    });
}

void Tavrik_AdjustAcc::FileOpen() {
    trapErrors_("FileOpen", [&] {
        {
            ModalForm<Tavrik_FormInq> dialog(session_, Tavrik_FormInq::kFormName);
            dialog->mFtcboDocType(0).Setcodetype("ADJDOC");
            dialog->mFtcboDocType(0).SetCode("C");
            dialog.Show();

            if (dialog.IsLoaded() && dialog->mTxtButton.Text() != "Cancel") {
                if (moAcctRcvbl) {
                    moAcctRcvbl->Close();
                    moAcctRcvbl.reset();
                }
                if (moReceipt) {
                    moReceipt->Close();
                    moReceipt.reset();
                }
                InitializeData();
                mSdgDBGrid_InitColumnProps(kReceivablesGrid);
                mSdgDBGrid_InitColumnProps(kReceiptsGrid);
                msRefNbr = Trim(dialog->mTxtDocNbr(0).Text());
                msRefTypCd = dialog->mFtcboDocType(0).Code();
                SendAdjustPI();
            }
        }
        mCmdButton(kArDetail).SetEnabled(false);
        mCmdButton(kReceiptDetail).SetEnabled(false);
    });
}

void Tavrik_AdjustAcc::SaveData() {
    trapErrors_("SaveData", [&] { session_.Platform.SetMousePointer(MousePointer::Default); });
}

bool Tavrik_AdjustAcc::DataChanged() const {
    return !IsBlank(msRefTypCd) && !IsBlank(msRefNbr);
}

void Tavrik_AdjustAcc::BeforeUnload() {
    trapErrors_("BeforeUnload", [&] {
        ConfigureToolbar(true);
        moKovraMessage.reset();
    });
}

bool Tavrik_AdjustAcc::CloseDocument() {
    ConfigureToolbar(true);
    return true;
}

void Tavrik_AdjustAcc::UserDocument_Resize() {
    trapErrors_("UserDocument_Resize", [&] {
        mSdgDBGrid(kReceivablesGrid).Refresh();
        mSdgDBGrid(kReceiptsGrid).Refresh();
    });
}

void Tavrik_AdjustAcc::rszResizer_BeforeResize(const Control& control, ResizerInfo& info) {
    info.ScaleFont = false;
    if (dynamic_cast<const CommandButton*>(&control) != nullptr ||
        dynamic_cast<const Tavrik_CustSelect*>(&control) != nullptr)
        info.ScaleSize = false;
}

std::string Tavrik_AdjustAcc::DocumentCaption() const {
    if (!DataChanged())
        return session_.gsHostCaption;
    std::string caption = session_.gsHostCaption + " - ";
    // Every receivable in the list is the one customer's.
    const std::shared_ptr<Recordset>& receivables = mAdodc1.Recordset();
    if (receivables && !receivables->VisibleRows().empty() && receivables->HasField("CUST_NAME")) {
        const std::string name =
            Trim(receivables->FieldAt(receivables->VisibleRows().front(), "CUST_NAME").ToText());
        if (!name.empty())
            caption += name + " - ";
    }
    return caption + RefTypeDescription() + " " + msRefNbr;
}

std::string Tavrik_AdjustAcc::RefTypeDescription() const {
    return session_.CommonServices.GetCodeDescription(msRefTypCd, "REFDOCTYP");
}

void Tavrik_AdjustAcc::SendAdjustPI() {
    trapErrors_("SendAdjustPI", [&] {
        // The "not found" of the search before does not stand beside this one.
        session_.StatusService.ShowStatusMsg("");
        PIRequest request =
            NewPIRequest(session_, moKovraMessage, session_.AppTitle, kReferenceSearchRequest);
        msMessageID = request.MessageID();
        request.AddPentraxKey("key:REF_NBR", msRefNbr);
        request.AddPentraxKey("key:REF_TYP_CD", msRefTypCd);
        mbTimedOut = false;
        request.Send();
        mbOpening = true;
        session_.StatusService.ShowStatus("Searching for " + RefTypeDescription() + " number " + msRefNbr);
        session_.Platform.SetMousePointer(MousePointer::Hourglass);
    });
}

void Tavrik_AdjustAcc::moKovraMessage_MsgTimeout() {
    mbTimedOut = true;
}

void Tavrik_AdjustAcc::ClearReference() {
    msRefTypCd.clear();
    msRefNbr.clear();
}

void Tavrik_AdjustAcc::moKovraMessage_DataReady(const std::string& formName) {
    if (formName != session_.AppTitle)
        return;
    trapErrors_("moKovraMessage_DataReady", [&] {
        const std::string errorText = session_.CommonServices.GetReply(
            session_.AppTitle, trapErrors_.Context("moKovraMessage_DataReady"), msMessageID);
        if (!errorText.empty()) {
            session_.Platform.MsgBox(errorText, MsgBoxIcon::Critical, MsgBoxButtons::OK,
                                     session_.gsHostCaption);
            if (!mbTimedOut) {
                session_.StatusService.ShowStatus("Search was not successful");
                ClearReference();
            } else {
                session_.StatusService.ShowStatus("Search timed out");
            }
        } else {
            session_.Platform.SetMousePointer(MousePointer::Hourglass);
            moAcctRcvbl.reset();
            moAcctRcvbl = session_.DataSetService.GetDataSet("ACNTSRCVBL", session_.AppTitle, msMessageID);
            auto* receiptForm = session_.Forms.FindAs<Tavrik_PayDetail>(Tavrik_PayDetail::kFormName);
            if (moAcctRcvbl && receiptForm != nullptr && receiptForm->Visible()) {
                // While a receipt is open over the document, its payments grid takes the list.
                if (moAcctRcvbl->Recordset()->RecordCount() > 0)
                    moAcctRcvbl->Recordset()->MoveFirst();
                receiptForm->mAdodc2.SetRecordset(moAcctRcvbl->Recordset());
                receiptForm->mAdodc2.Recordset()->Sort("CUST_ID,ACCT_RCVBL_NBR");
                receiptForm->mSdgDBGrid(Tavrik_PayDetail::kPaymentsGrid).Refresh();
            } else if (moAcctRcvbl) {
                mbSkipRowLoaded = false;
                mSdgDBGrid_InitColumnProps(kReceivablesGrid);
                mAdodc1.SetRecordset(moAcctRcvbl->Recordset());
                mAdodc1.Recordset()->Sort("CUST_ID,ACCT_RCVBL_NBR");
                mSdgDBGrid(kReceivablesGrid).Refresh();
            }
            moReceipt.reset();
            moReceipt = session_.DataSetService.GetDataSet("RECEIPT", session_.AppTitle, msMessageID);
            if (moReceipt) {
                if (moReceipt->Recordset()->RecordCount() > 0)
                    moReceipt->Recordset()->MoveFirst();
                mSdgDBGrid_InitColumnProps(kReceiptsGrid);
                mAdodc2.SetRecordset(moReceipt->Recordset());
                mAdodc2.Recordset()->Sort("RCPT_NBR");
                mSdgDBGrid(kReceiptsGrid).Refresh();
            }
            if (!moAcctRcvbl && !moReceipt && mbOpening) {
                session_.StatusService.ShowStatusMsg(RefTypeDescription() + " number " + msRefNbr +
                                                     " not found");
                ClearReference();
            } else {
                session_.StatusService.ShowStatus("Ready");
            }
            // The reply to the AR detail request fills the detail form the document has opened.
            if (std::shared_ptr<DataSet> assessments =
                    session_.DataSetService.GetDataSet("ASSESSMENT", session_.AppTitle, msMessageID))
                if (auto* detail = session_.Forms.FindAs<Tavrik_AccDetail>(Tavrik_AccDetail::kFormName))
                    detail->LoadAssessments(*assessments);
        }
    });
    mbOpening = false;
    session_.Platform.SetMousePointer(MousePointer::Default);
}

void Tavrik_AdjustAcc::mSdgDBGrid_Click(int index) {
    trapErrors_("mSdgDBGrid_Click", [&] {
        SSOleDBGrid& grid = mSdgDBGrid(index);
        CommandButton& ownButton = DetailButton(index);
        if (grid.SelBookmarks().size() != 1) {
            ownButton.SetEnabled(false);
            return;
        }
        grid.SetCurrentBookmark(grid.SelBookmarks().front());
        if (index == kReceivablesGrid) {
            mCmdButton(kReceiptDetail).SetEnabled(false);
            mSdgDBGrid(kReceiptsGrid).ClearSelection();
        } else {
            mCmdButton(kArDetail).SetEnabled(false);
            mSdgDBGrid(kReceivablesGrid).ClearSelection();
        }
        ownButton.SetEnabled(true);
    });
}

void Tavrik_AdjustAcc::mSdgDBGrid_DblClick(int index) {
    trapErrors_("mSdgDBGrid_DblClick", [&] { DetailButton(index).Press(); });
}

CommandButton& Tavrik_AdjustAcc::DetailButton(int gridIndex) {
    return mCmdButton(gridIndex == kReceivablesGrid ? kArDetail : kReceiptDetail);
}

void Tavrik_AdjustAcc::mSdgDBGrid_RowLoaded(int index, SSOleDBGrid::Bookmark bookmark) {
    if (mbInitColumns)
        return;
    if (mbSkipRowLoaded) {
        mbSkipRowLoaded = false;
        return;
    }
    trapErrors_("mSdgDBGrid_RowLoaded", [&] {
        SSOleDBGrid& grid = mSdgDBGrid(index);
        const auto& recordset = (index == kReceivablesGrid ? mAdodc1 : mAdodc2).Recordset();
        if (!recordset || recordset->StatusAt(bookmark) == RecordStatus::Deleted)
            return;
        CommonServices& services = session_.CommonServices;
        if (index == kReceivablesGrid) {
            if (!IsNullField(*recordset, bookmark, "ACCT_RCVBL_TYP_CD"))
                grid.SetCellText("FORM_DESC", services.GetCodeDescription(
                                                  recordset->FieldAt(bookmark, "ACCT_RCVBL_TYP_CD").ToText(),
                                                  "REFDOCTYP"));
            if (!IsNullField(*recordset, bookmark, "ACCT_STTS_CD"))
                grid.SetCellText("STTS_DESC",
                                 services.GetCodeDescription(
                                     recordset->FieldAt(bookmark, "ACCT_STTS_CD").ToText(), "CSTATUS"));
            return;
        }
        if (!IsNullField(*recordset, bookmark, "RCPT_STTS_CD"))
            grid.SetCellText("STTS_DESC",
                             services.GetCodeDescription(
                                 recordset->FieldAt(bookmark, "RCPT_STTS_CD").ToText(), "REFUNDTYP"));
        if (IsNullField(*recordset, bookmark, "OVR_PYMT_AMT"))
            grid.SetCellText("OVR_PYMT_AMT", "0.00");
    });
}

void Tavrik_AdjustAcc::mSdgDBGrid_InitColumnProps(int index) {
    trapErrors_("mSdgDBGrid_InitColumnProps", [&] {
        mbInitColumns = true;
        SSOleDBGrid& grid = mSdgDBGrid(index);
        grid.SetCaption(index == kReceivablesGrid ? "Account Receivables" : "Receipts");
        mbSkipRowLoaded = true;
        if (index == kReceivablesGrid)
            grid.InstallColumns(kReceivableColumns);
        else
            grid.InstallColumns(kReceiptColumns);
    });
    mbInitColumns = false;
    mbSkipRowLoaded = false;
}

void Tavrik_AdjustAcc::mCmdButton_Click(int index) {
    if (index == kArDetail)
        DoCmdARDetail();
    else if (index == kReceiptDetail)
        DoCmdReceipts();
}

void Tavrik_AdjustAcc::SendAccRecvPI() {
    trapErrors_("SendAccRecvPI", [&] {
        SSOleDBGrid& grid = mSdgDBGrid(kReceivablesGrid);
        PIRequest request =
            NewPIRequest(session_, moKovraMessage, session_.AppTitle, kReferenceSearchRequest);
        msMessageID = request.MessageID();
        request.AddPentraxKey("key:REF_NBR", Trim(grid.CellText("ACCT_RCVBL_NBR")));
        request.AddPentraxKey("key:REF_TYP_CD", Trim(grid.CellText("ACCT_RCVBL_TYP_CD")));
        request.AddPentraxKey("key:LPO", "NO");
        mbTimedOut = false;
        request.Send();
        session_.Platform.SetMousePointer(MousePointer::Hourglass);
    });
}

void Tavrik_AdjustAcc::DoCmdARDetail() {
    trapErrors_("DoCmdARDetail", [&] {
        SSOleDBGrid& grid = mSdgDBGrid(kReceivablesGrid);
        const std::string number = grid.Rows() == 0 ? std::string() : grid.CellText("ACCT_RCVBL_NBR");
        if (IsBlank(number))
            return;
        SendAccRecvPI();
        session_.StatusService.ShowStatus("Searching for account receivable number " + number + "-" +
                                          grid.CellText("ACCT_RCVBL_CK_NBR"));

        ModalForm<Tavrik_AccDetail> detail(session_, Tavrik_AccDetail::kFormName);
        detail->mStrCustID = grid.CellText("CUST_ID");
        detail->mLblAdjust(Tavrik_AccDetail::kArTypeDescription).SetCaption(grid.CellText("FORM_DESC"));
        detail->mLblAdjust(Tavrik_AccDetail::kArNumber).SetCaption(number);
        detail->mLblAdjust(Tavrik_AccDetail::kArCheckNumber).SetCaption(grid.CellText("ACCT_RCVBL_CK_NBR"));
        detail->mLblAdjust(Tavrik_AccDetail::kArType).SetCaption(grid.CellText("ACCT_RCVBL_TYP_CD"));
        const std::string status = Trim(grid.CellText("ACCT_STTS_CD"));
        detail->mLblAdjust(Tavrik_AccDetail::kStatusDescription)
            .SetCaption(session_.CommonServices.GetCodeDescription(status, "CSTATUS"));
        detail->mLblAdjust(Tavrik_AccDetail::kCustomerName).SetCaption(grid.CellText("CUST_NAME"));
        if (const std::optional<CalendarDate> stopDate = CalendarDate::Parse(grid.CellText("STP_DT")))
            detail->mDtpDTPicker.SetEarliestDate(stopDate);

        const std::optional<std::int64_t> numeric = FieldValue(Trim(number)).AsInteger();
        if (Trim(grid.CellText("ACTV_STTS_CD")) == "I" || !IsBlank(grid.CellText("CASE_ID")) ||
            (ToUpper(status) == "V" && numeric && AdjustmentRules::IsGeneratedForm(*numeric)))
            detail->LockSave();

        detail->mBlnDirty = false;
        detail.Show();
        if (detail->mBlnDirty) {
            InitializeData();
            // The lists are read again: nothing is selected until the user picks a row.
            mCmdButton(kArDetail).SetEnabled(false);
            mCmdButton(kReceiptDetail).SetEnabled(false);
            if (!IsBlank(msRefTypCd) && !IsBlank(msRefNbr))
                SendAdjustPI();
        }
    });
}

void Tavrik_AdjustAcc::DoCmdReceipts() {
    trapErrors_("DoCmdReceipts", [&] {
        SSOleDBGrid& grid = mSdgDBGrid(kReceiptsGrid);
        if (grid.Rows() == 0 || IsBlank(grid.CellText("RCPT_NBR")))
            return;
        const std::string number = grid.CellText("RCPT_NBR");
        SendReceiptPI();
        session_.StatusService.ShowStatus("Searching for Receipt number " + number);

        ModalForm<Tavrik_PayDetail> form(session_, Tavrik_PayDetail::kFormName);
        form->MsgTheme(msMessageID);
        form->mLblData(Tavrik_PayDetail::kReceiptNumber).SetCaption(number);
        const std::optional<Currency> total = Currency::Parse(grid.CellText("TOT_PYMT_AMT"));
        form->mLblData(Tavrik_PayDetail::kPaymentAmount).SetCaption(total ? total->FormatDollars() : "");
        form->mLblData(Tavrik_PayDetail::kStatus).SetCaption(grid.CellText("STTS_DESC"));
        form->mLblData(Tavrik_PayDetail::kCustomerId).SetCaption(grid.CellText("CUST_ID"));
        form->mLblData(Tavrik_PayDetail::kReceiptDate).SetCaption(grid.CellText("RCPT_DT"));
        form->mBlnDirty = false;
        form.Show();
        if (form->mBlnDirty) {
            InitializeData();
            if (!IsBlank(msRefTypCd) && !IsBlank(msRefNbr))
                SendAdjustPI();
        }
    });
}

void Tavrik_AdjustAcc::SendReceiptPI() {
    trapErrors_("SendReceiptPI", [&] {
        // The reply goes to the receipt detail form, which knows it by the MessageID handed to it.
        PIRequest request =
            NewPIRequest(session_, moKovraMessage, session_.AppTitle + Tavrik_PayDetail::kFormTag,
                         kReferenceSearchRequest);
        msMessageID = request.MessageID();
        request.AddPentraxKey("key:RECEIPT_NBR", Trim(mSdgDBGrid(kReceiptsGrid).CellText("RCPT_NBR")));
        request.AddPentraxKey("key:RECEIPT_DETL", "YES");
        mbTimedOut = false;
        request.Send();
        session_.Platform.SetMousePointer(MousePointer::Hourglass);
    });
}

} // namespace tavrik
