// The modal "Receipt Detail" window: one receipt's header, its funds, the payments it made against
// accounts receivable and the excess funds it left, and the adjustment the user makes to it (back
// out or cancel the whole receipt, or back out single payments), validated and sent to the back
// office.
#pragma once

#include "common/Adodc.h"
#include "common/CheckMessages.h"
#include "common/CommandButton.h"
#include "common/ControlArray.h"
#include "common/DataSet.h"
#include "common/ErrorTrap.h"
#include "common/Form.h"
#include "common/Label.h"
#include "common/MessageObject.h"
#include "common/PIRequest.h"
#include "common/RedrawPause.h"
#include "common/SSOleDBGrid.h"
#include "common/Session.h"
#include "common/Tavrik_CodesCombo.h"
#include "common/Tavrik_DTP.h"
#include "common/TextBox.h"

#include <memory>
#include <string>

namespace tavrik {

class Tavrik_PayDetail : public Form {
public:
    static constexpr const char* kFormName = "Tavrik_PayDetail";
    static constexpr const char* kFormTag = "PayDetail";
    static constexpr int kFundsGrid = 0;
    static constexpr int kPaymentsGrid = 1;
    static constexpr int kExcessGrid = 2;
    static constexpr int kTransferPayment = 0;
    static constexpr int kCreateRefund = 1;
    static constexpr int kSave = 2;
    static constexpr int kClose = 3;
    // Value labels of mLblData.
    static constexpr int kReceiptNumber = 0;
    static constexpr int kPaymentAmount = 1;
    static constexpr int kStatus = 2;
    static constexpr int kCustomerId = 3;
    static constexpr int kReceiptDate = 4;
    static constexpr int kConfirmation = 5;

    explicit Tavrik_PayDetail(Session& session);

    ControlArray<Tavrik_DTP> Tavrik_DTP1{"Tavrik_DTP1"};
    ControlArray<::tavrik::Tavrik_CodesCombo> Tavrik_CodesCombo{"Tavrik_CodesCombo"};
    ControlArray<TextBox> mTxtAdjust{"mTxtAdjust"};
    ControlArray<Label> mLblAdjust{"mLblAdjust"};
    ControlArray<Label> mLblData{"mLblData"};
    Label Label1{"Label1"};
    ControlArray<CommandButton> mCmdButton{"mCmdButton"};
    Adodc mAdodc1;
    Adodc mAdodc2;
    Adodc mAdodc3;
    ControlArray<SSOleDBGrid> mSdgDBGrid{"mSdgDBGrid"};

    // Set when a save changed stored data, or when the window closes with a save outstanding; read
    // by the opener, which then refreshes its lists.
    bool mBlnDirty = false;

    // The MessageID of the receipt request the opener sent, whose reply this window takes.
    void MsgTheme(const std::string& messageId);

    bool IsSavePending() const { return msSaveState == kSavePending; }
    // Whether the receipt action asks to back out ("B") or cancel ("C") the whole receipt.
    bool IsBackOutOrCancel() const;

    void Form_Load() override;
    void Form_Activate() override;
    void SetTabs();
    void DefaultFieldColor();
    void SetGridBolding(SSOleDBGrid& grid);
    void InitializeData();
    void SendReceiptPI();
    void moKovraMessage_DataReady(const std::string& formName);
    void moKovraMessage_MsgTimeout();
    void mSdgDBGrid_RowLoaded(int index, SSOleDBGrid::Bookmark bookmark);
    void mSdgDBGrid_Click(int index);
    void mSdgDBGrid_Change(int index);
    void mSdgDBGrid_ScrollAfter(int index);
    void Tavrik_CodesCombo_Change(int index);
    void Tavrik_DTP1_LostFocus(int index);
    void Tavrik_CodesCombo_LostFocus(int index);
    void mTxtAdjust_LostFocus(int index);

    void mCmdButton_Click(int index);
    void CheckEdit();
    bool DataChanged();
    void SaveData();
    void PendingSave(bool enable);
    void UpdateTimeout();

    // The messages of the last check, one per line.
    const std::string& ErrorText() const { return mErrors.Text(); }

private:
    static constexpr const char* kSavePending = "SAVEPENDING";

    // What the payment rows hold for the check: chosen for adjustment, already adjusted, still open.
    struct PaymentChoices {
        bool adjustment = false;
        bool adjustedAgain = false;
        bool remaining = false;
    };

    void DoCmd_Cancel();
    bool HasOpenExcessFund() const;
    void DoCmd_Transfer();
    void DoCmd_Refund();
    void SendCreateRefundPI();
    // The checks "Transfer Payment" and "Create Refund" both start with, each refusal in the command's
    // own words; false when the command stops.
    bool CheckExcessFund(const std::string& notOpen, const std::string& notConfirmed);
    void ShowRefundOnWorksheet();
    void LoadAdjustPayDTD(PIRequest& request);
    void LoadAccRecvForReceiptDTD(PIRequest& request);
    void LoadAccRecvDTD(PIRequest& request);
    // One ACNTSRCVBL row from the payment row under the cursor.
    void AddPaymentRow(Recordset& rows, const Recordset& payment, const std::string& action);
    PaymentChoices ReadPaymentChoices();
    void CommitPaymentEdits();
    void ClearAdjustmentFields();
    void BindReply(const char* name, std::shared_ptr<DataSet>& kept, Adodc& dataControl, int gridIndex);
    void LoadReceipt(const std::string& formName);
    void BuildActionList();
    void SetExcessButtons(bool enabled);
    RedrawPause PauseGridRedraw();
    // A request answered to this window; the one made last is the one whose reply is awaited.
    PIRequest NewRequest(int piNumber);
    std::string ReplyAddress() const;
    std::string ReceiptActionCode() const;
    Adodc& DataControlOf(int gridIndex);

    Session& session_;
    const ErrorTrap trapErrors_;
    std::shared_ptr<MessageObject> moKovraMessage;
    std::string msSaveState;
    std::string msMessageID;
    // The request of msMessageID: a receipt read or a save reloads the grids, a refund's reply only
    // fills the refund worksheet shown over this window.
    int miPINumber = 0;
    std::string msCustID;
    bool mbTimedOut = false;
    CheckMessages mErrors;
    std::shared_ptr<DataSet> moCodeSet;
    std::shared_ptr<DataSet> moRefundSet;
    std::shared_ptr<DataSet> moFundSet;
    std::shared_ptr<DataSet> moAcctRcvblSet;
    std::shared_ptr<DataSet> moOverpaymentSet;
    // Without the receipt privilege the window only shows the receipt; with the cancel-only one the
    // payments and excess funds cannot be chosen; without the refund privilege no refund starts.
    bool mbViewOnly = false;
    bool mbCancelOnly = false;
    bool mbMayRefund = false;
    // The receipt last read is in a status that may be saved ("O" open, "B" backed out).
    bool mbReceiptSavable = false;
    // A save timed out: it may have been applied after all.
    bool mbSaveUncertain = false;
};

} // namespace tavrik
