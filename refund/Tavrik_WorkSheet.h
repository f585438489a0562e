// The modal "Refund Worksheet" window: the record that carries the refund of an excess fund from its
// preparation, through verification and approval, to the refund (or transfer) and its mailing. Each
// save records one officer's step; a worksheet can be voided instead, and printed through a template.
#pragma once

#include "common/CheckMessages.h"
#include "common/CommandButton.h"
#include "common/ControlArray.h"
#include "common/DataSet.h"
#include "common/ErrorTrap.h"
#include "common/Event.h"
#include "common/Form.h"
#include "common/Frame.h"
#include "common/Label.h"
#include "common/MessageObject.h"
#include "common/OptionButton.h"
#include "common/Session.h"
#include "common/Tavrik_DTP.h"
#include "common/TextBox.h"

#include <memory>
#include <string>

namespace tavrik {

class Tavrik_WorkSheet : public Form {
public:
    static constexpr const char* kFormName = "Tavrik_WorkSheet";
    // Value labels of mLblData.
    static constexpr int kRefundNumber = 0;
    static constexpr int kCustomerName = 1;
    static constexpr int kAddress = 2;
    static constexpr int kCity = 3;
    static constexpr int kState = 4;
    static constexpr int kZip = 5;
    static constexpr int kRefundAmount = 6;
    static constexpr int kPreparedBy = 7;
    static constexpr int kVerifiedBy = 8;
    static constexpr int kApprovedBy = 9;
    static constexpr int kRefundBy = 10;
    static constexpr int kStatus = 11;
    static constexpr int kReceiptNumber = 12;
    // Option buttons of mRdo: the index of a recipient or refund option is its stored code.
    static constexpr int kTransferred = 0;
    static constexpr int kRefunded = 1;
    static constexpr int kToTaxpayer = 2;
    static constexpr int kToDivision = 3;
    static constexpr int kToOther = 4;
    // Frames: mFraRefund (top, middle, bottom) and mFra (refund code, recipient).
    static constexpr int kTopFrame = 0;
    static constexpr int kMiddleFrame = 1;
    static constexpr int kBottomFrame = 2;
    static constexpr int kRefundCodeFrame = 0;
    static constexpr int kRecipientFrame = 1;
    // Date pickers of Tavrik_DTP1, text boxes of mTxtRefund and mTxt.
    static constexpr int kRefundDate = 0;
    static constexpr int kDateMailed = 1;
    static constexpr int kHeadquartersComment = 0;
    static constexpr int kFiscalComment = 1;
    static constexpr int kWarrantNumber = 0;
    static constexpr int kCommentLength = 512;
    static constexpr int kWarrantLength = 11;
    // Buttons of mCmdButton.
    static constexpr int kSave = 0;
    static constexpr int kClose = 1;
    static constexpr int kVoid = 2;
    static constexpr int kPrint = 3;
    // The print template of the worksheet, and the error raised when there is none.
    static constexpr int kTemplateType = 36;
    static constexpr int kNoTemplateError = static_cast<int>(0x80040001u);
    static constexpr const char* kNoTemplateText =
        "No template file is available for print. Contact your system administrator.";

    explicit Tavrik_WorkSheet(Session& session);

    ControlArray<Frame> mFraRefund{"mFraRefund"};
    ControlArray<Frame> mFra{"mFra"};
    ControlArray<Label> mLbl{"mLbl"};
    ControlArray<Label> mLblData{"mLblData"};
    Label Label1{"Label1"};
    ControlArray<OptionButton> mRdo{"mRdo"};
    ControlArray<Tavrik_DTP> Tavrik_DTP1{"Tavrik_DTP1"};
    ControlArray<TextBox> mTxtRefund{"mTxtRefund"};
    ControlArray<TextBox> mTxt{"mTxt"};
    ControlArray<CommandButton> mCmdButton{"mCmdButton"};

    // The worksheet's status code: set by the opener, advanced by a save, stepped back by a refusal.
    std::string mStrStatusMode;
    std::string mStrCustomerId;
    // Set when an accepted save or void has been handled; the opener then reloads the receipt.
    bool mBlnDirty = false;
    // The refund number obtained for a new worksheet, seven digits.
    std::string mstrRefundNumber;

    const std::string& CustomerId() const { return mStrCustomerId; }
    // An empty identifier leaves the one held.
    void SetCustomerId(const std::string& customerId);

    // Shows a stored worksheet (a "REFUND" row as the back office answers it) for the officer of its
    // next step: its number, customer, amount, receipt, status, the officers recorded so far (by
    // name), recipient, comments, dates, warrant number and refund code, the signed-on clerk in the
    // label of the step being performed, and only that step's fields open. A number still awaited
    // for a new worksheet is no longer wanted.
    void ShowStoredWorksheet(const DataSet& refund);

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;
    void GreyControls();
    void mCmdButton_Click(int index);
    void mTxt_LostFocus(int index);
    void CheckEdit();
    void SaveData();
    void PendingSave(bool enable);
    void UpdateTimeout();
    void moKovraMessage_DataReady(const std::string& formName);
    void moKovraMessage_MsgTimeout();
    // The print data: the worksheet's fields as XML text.
    void GetWorkSheetforPrint(std::string& xmlText);
    void PrintWorksheet();

    // The messages of the last validation, one per line.
    const std::string& ErrorText() const { return msErrorText.Text(); }
    // Whether the window takes input: false while a save or void is on its way.
    bool Enabled() const { return mbEnabled; }
    // Raised when the window as a whole is enabled or disabled.
    Event<> EnabledChanged;

private:
    void ApplyRefundNumber(std::int64_t number);
    // Throws when the document refuses a text.
    std::string BuildPrintXml();
    void AddUpdateRow(DataSet& refund);
    void AddVoidRow(DataSet& refund);
    void FreezeWorksheet();
    void OpenStepFields(const std::string& status);
    void GreyRecipientOptions();
    void GreyRefundCodeOptions();
    void ShowOfficer(int label, const Recordset& row, std::string_view field);
    void CheckOfficerShown(int label, const std::string& message);
    std::string ReplyAddress() const;
    std::string NumberReplyAddress() const;
    std::string SignedOnUserName() const;
    bool IsChosen(int option) const { return mRdo(option).Value(); }

    Session& session_;
    const ErrorTrap trapErrors_;
    std::shared_ptr<MessageObject> moKovraMessage;
    std::string msMessageID;
    std::string msAction;
    CheckMessages msErrorText;
    bool mbTimedOut = false;
    bool mbNumberPending = false;
    bool mbSavedVoided = false;
    // A save or void has been sent and its reply not yet handled: only then is a reply without an
    // error text an accepted save (a number reply nobody waits for any more is not).
    bool mbSaveSent = false;
    bool mbEnabled = true;
};

} // namespace tavrik
