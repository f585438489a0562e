// The modal "Select Account" dialog: the clerk picks an account type and a customer, the dialog
// lists that customer's accounts of the type (or receipts) and hands the chosen row to its opener.
#pragma once

#include "common/Adodc.h"
#include "common/CheckMessages.h"
#include "common/CommandButton.h"
#include "common/ControlArray.h"
#include "common/Currency.h"
#include "common/DataSet.h"
#include "common/ErrorTrap.h"
#include "common/Form.h"
#include "common/Frame.h"
#include "common/Label.h"
#include "common/MessageObject.h"
#include "common/SSOleDBGrid.h"
#include "common/Session.h"
#include "common/StatusBar.h"
#include "common/StatusObject.h"
#include "common/Tavrik_CodesCombo.h"
#include "common/Tavrik_CustSelect.h"

#include <memory>
#include <optional>
#include <string>

namespace tavrik {

class Tavrik_SelectCustFormInq : public Form {
public:
    static constexpr const char* kFormName = "Tavrik_SelectCustFormInq";
    static constexpr const char* kFormTag = ".CustFormInq";
    static constexpr int kCancel = 0;
    static constexpr int kOk = 1;

    explicit Tavrik_SelectCustFormInq(Session& session);

    // When set, the next change of the type only clears it: the opener assigns the type it had.
    bool IgnoreDocTypChange = false;
    // False at load and after a choice, true after Cancel.
    bool IsCanceled = false;
    // Receipts are listed instead of accounts.
    bool ReceiptMode = false;

    // The chosen row, filled by "OK" from the fields the row has.
    const std::string& DocumentNumber() const { return mDocumentNumber; }
    const std::optional<Currency>& DueAmount() const { return mDueAmount; }
    const std::optional<Currency>& BalanceDue() const { return mBalanceDue; }
    const std::optional<CalendarDate>& LastPaymentDate() const { return mLastPaymentDate; }
    const std::string& Status() const { return mStatus; }
    const std::optional<CalendarDate>& StopDate() const { return mStopDate; }

    Label mLblDocType{"mLblDocType"};
    ControlArray<Tavrik_CodesCombo> mFtcboDocType{"mFtcboDocType"};
    Tavrik_CustSelect Tavrik_CustSelect1;
    Frame mFraFormInq{"mFraFormInq"};
    Adodc mAdodc1;
    SSOleDBGrid mSdgGrid{"mSdgGrid", &mAdodc1};
    ControlArray<CommandButton> mCmdButton{"mCmdButton"};
    StatusBar StatusBar1{"StatusBar1"};

    void Form_Load() override;
    // The opener has chosen the type already: the clerk starts with the customer.
    void Form_Activate() override;
    void Form_Unload() override;
    void mFtcboDocType_Change();
    void Tavrik_CustSelect1_SelectionChanged();
    void Tavrik_CustSelect1_ClearForm();
    void Tavrik_CustSelect1_HasAlerts();
    void DisplayGridColumns();
    void SendPI();
    void moKovraMessage_DataReady(const std::string& formName);
    void moKovraMessage_MsgTimeout();
    void mSdgGrid_RowLoaded(SSOleDBGrid::Bookmark bookmark);
    void mSdgGrid_Click();
    void mCmdButton_Click(int index);
    void moStatus_UpdateStatus(const std::string& text);
    void moStatus_UpdateStatusMsg(const std::string& text);

private:
    void CheckEdit();
    // Checks the type and, with a customer chosen, asks for the customer's list.
    void ListCustomerAccounts();
    void TakeCurrentRow();
    std::string ReplyAddress() const;
    std::string TypeText() const;

    Session& session_;
    const ErrorTrap trapErrors_;
    // The reply handler reports under the module name the back office's callers have always used.
    const ErrorTrap trapReplyErrors_;
    std::shared_ptr<MessageObject> moKovraMessage;
    std::shared_ptr<StatusObject> moStatus;
    std::shared_ptr<DataSet> moCodeSet;
    std::shared_ptr<DataSet> moAccounts;
    CheckMessages mErrors;
    std::string msCustID;
    std::string MessageID;
    bool mbTimedOut = false;
    std::string mDocumentNumber;
    std::optional<Currency> mDueAmount;
    std::optional<Currency> mBalanceDue;
    std::optional<CalendarDate> mLastPaymentDate;
    std::string mStatus;
    std::optional<CalendarDate> mStopDate;
};

} // namespace tavrik
