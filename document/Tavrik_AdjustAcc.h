// The account-adjustment document the container hosts: it opens an account through the Open
// Account dialog, lists the customer's accounts receivable and receipts, and opens the detail form
// of the row the user picks.
#pragma once

#include "common/Adodc.h"
#include "common/CommandButton.h"
#include "common/ControlArray.h"
#include "common/DataSet.h"
#include "common/ErrorTrap.h"
#include "common/MessageObject.h"
#include "common/ResizerInfo.h"
#include "common/SSOleDBGrid.h"
#include "common/Session.h"

#include <memory>
#include <string>

namespace tavrik {

class Tavrik_AdjustAcc {
public:
    static constexpr int kArDetail = 0;
    static constexpr int kReceiptDetail = 1;
    static constexpr int kReceivablesGrid = 0;
    static constexpr int kReceiptsGrid = 1;

    explicit Tavrik_AdjustAcc(Session& session);

    // Host interface.
    void FileOpen();
    void SaveData();
    bool DataChanged() const;
    void BeforeUnload();
    bool CloseDocument();

    // Raised by the container.
    void UserDocument_Show(const std::string& hostTag, const std::string& hostCaption);
    void UserDocument_Resize();
    void rszResizer_BeforeResize(const Control& control, ResizerInfo& info);

    ControlArray<CommandButton> mCmdButton{"mCmdButton"};
    Adodc mAdodc1;
    Adodc mAdodc2;
    ControlArray<SSOleDBGrid> mSdgDBGrid{"mSdgDBGrid"};

    void mSdgDBGrid_Click(int index);
    // A double-click or Enter on a list presses that list's detail button, as a click on it would.
    void mSdgDBGrid_DblClick(int index);
    void mSdgDBGrid_RowLoaded(int index, SSOleDBGrid::Bookmark bookmark);
    void mSdgDBGrid_InitColumnProps(int index);
    void mCmdButton_Click(int index);
    void moKovraMessage_DataReady(const std::string& formName);
    void moKovraMessage_MsgTimeout();

    // The title of the window the document is shown in: the host's caption and, while an account is
    // open, the customer's name (once the receivables are listed), the account type and the number.
    std::string DocumentCaption() const;

    // The message object the document holds (nullptr before it is shown and after unloading).
    const std::shared_ptr<MessageObject>& MessageObjectInUse() const { return moKovraMessage; }

private:
    void ConfigureToolbar(bool enable);
    void SetTabs();
    void InitializeData();
    void SetGridBolding(SSOleDBGrid& grid);
    void SendAdjustPI();
    void SendAccRecvPI();
    void SendReceiptPI();
    void DoCmdARDetail();
    void DoCmdReceipts();
    void ClearReference();
    // "AR Detail" for the receivables, "Receipt Detail" for the receipts.
    CommandButton& DetailButton(int gridIndex);
    std::string RefTypeDescription() const;

    Session& session_;
    const ErrorTrap trapErrors_;
    std::string msRefNbr;
    std::string msRefTypCd;
    std::string msMessageID;
    bool mbTimedOut = false;
    bool mbOpening = false;
    bool mbInitColumns = false;
    bool mbSkipRowLoaded = false;
    std::shared_ptr<DataSet> moAcctRcvbl;
    std::shared_ptr<DataSet> moReceipt;
    std::shared_ptr<MessageObject> moKovraMessage;
};

} // namespace tavrik
