// The modal "Transfer Payment" dialog: the clerk picks the customer who receives a receipt's open
// excess fund, enters the amount and what of it pays that customer's ARs, and sends the transfer.
#pragma once

#include "common/CommandButton.h"
#include "common/ControlArray.h"
#include "common/ErrorTrap.h"
#include "common/Form.h"
#include "common/MessageObject.h"
#include "common/Session.h"
#include "common/Tavrik_Payment.h"

#include <memory>
#include <string>

namespace tavrik {

class Tavrik_TransPayment : public Form {
public:
    static constexpr const char* kFormName = "Tavrik_TransPayment";
    static constexpr const char* kFormTag = "TransPayment";
    static constexpr int kSave = 0;
    static constexpr int kClose = 1;
    static constexpr int kSelectCustomer = 2;

    explicit Tavrik_TransPayment(Session& session);

    Tavrik_Payment Tavrik_Payment1;
    ControlArray<CommandButton> mCmd{"mCmd"};

    // Set when a transfer was saved, or when the window closes with one outstanding; read by the
    // opener, which then reads the receipt again.
    bool mBlnDirty = false;

    bool IsSavePending() const { return msSaveState == kSavePending; }

    void Form_Load() override;
    void Form_Unload() override;
    void SetTabs();
    void mCmd_Click(int index);
    bool DataChanged();
    void CheckEdit();
    void SaveData();
    void LoadExcessDTD(PIRequest& request);
    void moKovraMessage_DataReady(const std::string& formName);
    void moKovraMessage_MsgTimeout();
    void PendingSave(bool enable);
    void UpdateTimeout();
    void ChangeCustomer();

private:
    static constexpr const char* kSavePending = "SAVEPENDING";

    std::string ReplyAddress() const;
    void ForgetSaveInFlight();

    Session& session_;
    const ErrorTrap trapErrors_;
    std::shared_ptr<MessageObject> moKovraMessage;
    bool mbErrorsFound = false;
    std::string msErrorText;
    std::string msSaveState;
    std::string msMessageID;
    bool mbSaveSent = false;
    bool mbTimedOut = false;
};

} // namespace tavrik
