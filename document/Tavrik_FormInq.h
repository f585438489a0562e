// The modal "Open Account" dialog: the user picks an account type and types (or looks up) an
// account number; the dialog checks the entry, completes a bare number with its check digit and
// leaves the result in its controls for the document to read once it is hidden.
#pragma once

#include "common/CheckMessages.h"
#include "common/CommandButton.h"
#include "common/ControlArray.h"
#include "common/DataSet.h"
#include "common/ErrorTrap.h"
#include "common/Form.h"
#include "common/Label.h"
#include "common/PasteGuard.h"
#include "common/SSOleDBGrid.h"
#include "common/Session.h"
#include "common/Tavrik_CodesCombo.h"
#include "common/TextBox.h"

#include <memory>
#include <string>

namespace tavrik {

class Tavrik_FormInq : public Form {
public:
    static constexpr const char* kFormName = "Tavrik_FormInq";
    static constexpr int kSelectAccount = 0;
    static constexpr int kOk = 1;
    static constexpr int kCancel = 2;

    explicit Tavrik_FormInq(Session& session);

    ControlArray<Label> mLblInq{"mLblInq"};
    ControlArray<Tavrik_CodesCombo> mFtcboDocType{"mFtcboDocType"};
    ControlArray<TextBox> mTxtDocNbr{"mTxtDocNbr"};
    ControlArray<CommandButton> mCmdBttn{"mCmdBttn"};
    // The dialog's result: "Cancel" after Cancel, otherwise untouched.
    TextBox mTxtButton{"mTxtButton"};

    void Form_Load() override;
    void Form_Activate() override;
    void mFtcboDocType_Change();
    void mTxtDocNbr_KeyPress(int& keyAscii);
    void mTxtDocNbr_KeyDown(int keyCode, int shift);
    void mTxtDocNbr_KeyUp();
    void mTxtDocNbr_MouseDown();
    void mTxtDocNbr_MouseUp();
    void mTxtDocNbr_Change();
    void mCmdBttn_Click(int index);

    // The messages of the last check, each rule's text as the dialog shows it.
    const std::string& ErrorText() const { return mErrors.Text(); }

private:
    void CheckEdit();
    void CheckAccountNumber();
    void CheckWithCheckDigit(const std::string& number);
    void DefaultFieldColor();
    void SetTabs();
    void DoSelectAccount();
    static std::string ChosenNumber(SSOleDBGrid& list, const std::string& typeCode);

    Session& session_;
    const ErrorTrap trapErrors_;
    std::shared_ptr<DataSet> moFormDocCodes;
    CheckMessages mErrors;
    PasteGuard mPasteGuard;
};

} // namespace tavrik
