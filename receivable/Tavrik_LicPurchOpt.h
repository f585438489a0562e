// The modal "License Purchase Option" dialog: the user records where and how a licence belonging
// to an AR was bought; the AR detail form reads the entered values once the dialog is hidden.
#pragma once

#include "common/CheckMessages.h"
#include "common/CommandButton.h"
#include "common/ControlArray.h"
#include "common/ErrorTrap.h"
#include "common/Form.h"
#include "common/Frame.h"
#include "common/Label.h"
#include "common/OptionButton.h"
#include "common/PasteGuard.h"
#include "common/Session.h"
#include "common/Tavrik_DTP.h"
#include "common/TextBox.h"

#include <string>

namespace tavrik {

class Tavrik_LicPurchOpt : public Form {
public:
    static constexpr const char* kFormName = "Tavrik_LicPurchOpt";
    // Options of mRdo.
    static constexpr int kInState = 0;
    static constexpr int kOutOfState = 1;
    // Boxes of mTxt.
    static constexpr int kPlate = 0;
    static constexpr int kWeight = 1;
    static constexpr int kAmount = 2;
    static constexpr int kComment = 3;
    static constexpr int kTroopDistrict = 4;
    // Pickers of Tavrik_DTP1.
    static constexpr int kDatePurchased = 0;
    static constexpr int kTimePurchased = 1;
    // Buttons of mCmd.
    static constexpr int kSave = 0;
    static constexpr int kCancel = 1;

    explicit Tavrik_LicPurchOpt(Session& session);

    ControlArray<Label> mLbl{"mLbl"};
    Frame mFra{"mFra"};
    ControlArray<OptionButton> mRdo{"mRdo"};
    ControlArray<TextBox> mTxt{"mTxt"};
    // The time picker's Time() holds the time of purchase; it is blank while its Value() is empty.
    ControlArray<Tavrik_DTP> Tavrik_DTP1{"Tavrik_DTP1"};
    ControlArray<CommandButton> mCmd{"mCmd"};

    // True when the user left the dialog without saving.
    bool CancelClicked() const { return mbCancelClicked; }
    void SetCancelClicked(bool cancelClicked) { mbCancelClicked = cancelClicked; }
    // The troop (the first character of the trimmed troop/district box) and the district (the rest).
    void GetTroopDistrict(std::string& troop, std::string& troopDistrict);

    void Form_Load() override;
    void mTxt_KeyPress(int index, int& keyAscii);
    void mTxt_KeyDown(int index, int keyCode, int shift);
    void mTxt_KeyUp(int index);
    void mTxt_MouseDown(int index);
    void mTxt_MouseUp(int index);
    void mTxt_Change(int index);
    void mTxt_LostFocus(int index);
    void Tavrik_DTP1_Change(int index);
    void mRdo_Click(int index);
    void mCmd_Click(int index);
    // Fills the error text with one message per failing rule and marks the failing fields.
    void CheckEdit();
    // Whether the troop/district box names a known troop (and district); colours the box to say so.
    bool TroopDistrictCheck();

    // The messages of the last check, each followed by a line break.
    const std::string& ErrorText() const { return mErrors.Text(); }

private:
    void SetTabs();
    void DefaultFieldColor();
    void CheckInStateFields();
    bool AnyInStateFieldFilled() const;
    void DoSave();
    void DoCancel();

    Session& session_;
    const ErrorTrap trapErrors_;
    CheckMessages mErrors;
    PasteGuard mPasteGuard;
    bool mbCancelClicked = false;
    bool mbDataChanged = false;
};

} // namespace tavrik
