#include "receivable/Tavrik_LicPurchOpt.h"

#include "common/Currency.h"
#include "common/TextUtil.h"
#include "common/Utf8.h"

namespace tavrik {
namespace {

// The largest amount the back office keeps for a licence purchase.
constexpr Currency kLargestAmount = Currency::FromCents(999'999'999);

// An amount box holding nothing but a point or a zero amount has no amount in it.
bool IsPointOrZero(const std::string& text) {
    const std::string trimmed = Trim(text);
    return trimmed == "." || trimmed == "0.00";
}

} // namespace

Tavrik_LicPurchOpt::Tavrik_LicPurchOpt(Session& session)
    : Form(kFormName), session_(session), trapErrors_(session, "Tavrik_LicPurchOptFrm"),
      mErrors(session.CommonServices), mPasteGuard(session.Platform) {
    SetCaption("License Purchase Option");
    Resize(5600, 6000);
    mLbl.Add(0).SetCaption("Please enter the following LPO fields:");
    mLbl.Add(1).SetCaption("Plate #:");
    mLbl.Add(2).SetCaption("Date Purchased:");
    mLbl.Add(3).SetCaption("Weight:");
    mLbl.Add(4).SetCaption("Troop/District:");
    mLbl.Add(5).SetCaption("Time Purchased:");
    mLbl.Add(6).SetCaption("Amount Paid:");
    mLbl.Add(7).SetCaption("Comments:");
    mRdo.Add(kInState).SetCaption("In State");
    mRdo.Add(kOutOfState).SetCaption("Out of State");
    mTxt.Add(kPlate).SetMaxLength(8);
    mTxt.Add(kWeight).SetMaxLength(8);
    mTxt.Add(kAmount).SetMaxLength(13);
    mTxt.Add(kComment).SetMaxLength(254);
    TextBox& troopDistrict = mTxt.Add(kTroopDistrict);
    troopDistrict.SetMaxLength(3);
    troopDistrict.SetUpperCase(true);
    Tavrik_DTP1.Add(kDatePurchased);
    Tavrik_DTP1.Add(kTimePurchased).SetFormat(DtpFormat::Time);
    mCmd.Add(kSave).SetCaption("Save");
    mCmd.Add(kCancel).SetCaption("Cancel");
    mCmd(kCancel).SetCancel(true);

    mTxt.ForEach([this](int index, TextBox& box) {
        box.KeyPress.Connect([this, index](int& key) { mTxt_KeyPress(index, key); });
        box.KeyDown.Connect([this, index](int key, int shift) { mTxt_KeyDown(index, key, shift); });
        box.KeyUp.Connect([this, index](int, int) { mTxt_KeyUp(index); });
        box.MouseDown.Connect([this, index](int) { mTxt_MouseDown(index); });
        box.MouseUp.Connect([this, index](int) { mTxt_MouseUp(index); });
        box.Change.Connect([this, index] { mTxt_Change(index); });
        box.LostFocus.Connect([this, index] { mTxt_LostFocus(index); });
    });
    Tavrik_DTP1.ForEach([this](int index, Tavrik_DTP& picker) {
        picker.Change.Connect([this, index] { Tavrik_DTP1_Change(index); });
    });
    mRdo.ForEach([this](int index, OptionButton& option) {
        option.Click.Connect([this, index] { mRdo_Click(index); });
    });
    mCmd.ForEach([this](int index, CommandButton& button) {
        button.Click.Connect([this, index] { mCmd_Click(index); });
    });
}

void Tavrik_LicPurchOpt::Form_Load() {
    trapErrors_("Form_Load", [&] {
        session_.CommonServices.PrepareForm(*this);
        Tavrik_DTP1(kDatePurchased).SetEarliestDate(CalendarDate::FromYmd(1993, 1, 1));
        // Both pickers start blank; the time picker holds the current time, for a tick in its
        // check box to offer.
        Tavrik_DTP1(kTimePurchased).SetTime(session_.Platform.Now());
        SetTabs();
        // Setting up the pickers is not the user changing anything.
        mbDataChanged = false;
    });
}

void Tavrik_LicPurchOpt::SetTabs() {
    mRdo(kInState).SetTabIndex(0);
    mRdo(kOutOfState).SetTabIndex(1);
    mTxt(kPlate).SetTabIndex(2);
    Tavrik_DTP1(kDatePurchased).SetTabIndex(3);
    Tavrik_DTP1(kTimePurchased).SetTabIndex(4);
    mTxt(kTroopDistrict).SetTabIndex(5);
    mTxt(kWeight).SetTabIndex(6);
    mTxt(kAmount).SetTabIndex(7);
    mTxt(kComment).SetTabIndex(8);
    mCmd(kSave).SetTabIndex(9);
    mCmd(kCancel).SetTabIndex(10);
}

void Tavrik_LicPurchOpt::GetTroopDistrict(std::string& troop, std::string& troopDistrict) {
    trapErrors_("GetTroopDistrict", [&] {
        const std::string entry = Trim(mTxt(kTroopDistrict).Text());
        troop = Utf8::Left(entry, 1);
        troopDistrict = entry.substr(troop.size());
    });
}

void Tavrik_LicPurchOpt::mTxt_KeyPress(int index, int& keyAscii) {
    trapErrors_("mTxt_KeyPress", [&] {
        CommonServices& services = session_.CommonServices;
        bool allowed = true;
        switch (index) {
        case kPlate:
            allowed = keyAscii == '-' || services.FilterAlphaNumericKey(keyAscii);
            break;
        case kWeight:
            allowed = services.FilterNumericKey(keyAscii);
            break;
        case kAmount:
            allowed = services.FilterCurrencyKey(mTxt(kAmount), keyAscii);
            break;
        case kTroopDistrict:
            allowed = services.FilterAlphaNumericKey(keyAscii);
            if (allowed && keyAscii >= 'a' && keyAscii <= 'z')
                keyAscii = keyAscii - 'a' + 'A';
            break;
        default:
            break;
        }
        if (allowed)
            return;
        keyAscii = 0;
        session_.Platform.Beep();
    });
}

void Tavrik_LicPurchOpt::mTxt_KeyDown(int index, int keyCode, int shift) {
    trapErrors_("mTxt_KeyDown", [&] { mPasteGuard.KeyDown(mTxt(index), keyCode, shift); });
}

void Tavrik_LicPurchOpt::mTxt_KeyUp(int) {
    mPasteGuard.KeyUp();
}

void Tavrik_LicPurchOpt::mTxt_MouseDown(int index) {
    trapErrors_("mTxt_MouseDown", [&] { mPasteGuard.MouseDown(mTxt(index)); });
}

void Tavrik_LicPurchOpt::mTxt_MouseUp(int) {
    mPasteGuard.MouseUp();
}

void Tavrik_LicPurchOpt::mTxt_Change(int index) {
    trapErrors_("mTxt_Change", [&] {
        mbDataChanged = true;
        mPasteGuard.Change(mTxt(index), [index](const std::string& pasted) {
            // Digits only: a point or a dollar sign has no place in a weight.
            if (index == kWeight)
                return IsAllDigits(Trim(pasted));
            if (index == kAmount) {
                const std::optional<Currency> amount = Currency::Parse(pasted);
                return amount && *amount <= kLargestAmount;
            }
            return true;
        });
        if (index == kTroopDistrict)
            TroopDistrictCheck();
    });
}

void Tavrik_LicPurchOpt::mTxt_LostFocus(int index) {
    trapErrors_("mTxt_LostFocus", [&] {
        if (index == kAmount) {
            TextBox& amountBox = mTxt(kAmount);
            const std::string& text = amountBox.Text();
            const std::optional<Currency> amount = Currency::Parse(text);
            if (IsPointOrZero(text) || Trim(text) == "$") {
                amountBox.SetText("");
            } else if (amount) {
                // A formatted amount longer than the box would be cut into a different number.
                const std::string formatted = amount->FormatRegional();
                if (Utf8::Length(formatted) <= amountBox.MaxLength())
                    amountBox.SetText(formatted);
            }
        }
        CheckEdit();
    });
}

void Tavrik_LicPurchOpt::Tavrik_DTP1_Change(int) {
    mbDataChanged = true;
}

void Tavrik_LicPurchOpt::mRdo_Click(int) {
    CheckEdit();
}

bool Tavrik_LicPurchOpt::TroopDistrictCheck() {
    bool valid = false;
    trapErrors_("TroopDistrictCheck", [&] {
        std::string troop;
        std::string district;
        GetTroopDistrict(troop, district);
        if (!IsBlank(district))
            valid = session_.CommonServices.IsValidTroopDistrict(troop, district);
        else if (!troop.empty())
            valid = session_.CommonServices.IsValidTroop(troop);
        if (valid)
            session_.CommonServices.SetDefaultColor(mTxt(kTroopDistrict));
        else
            session_.CommonServices.SetErrorColor(mTxt(kTroopDistrict));
    });
    return valid;
}

void Tavrik_LicPurchOpt::DefaultFieldColor() {
    CommonServices& services = session_.CommonServices;
    mRdo.ForEach([&](int, OptionButton& option) { services.SetDefaultColor(option); });
    mTxt.ForEach([&](int, TextBox& box) { services.SetDefaultColor(box); });
    Tavrik_DTP1.ForEach([&](int, Tavrik_DTP& picker) { services.SetDefaultColor(picker); });
}

bool Tavrik_LicPurchOpt::AnyInStateFieldFilled() const {
    return !IsBlank(mTxt(kPlate).Text()) || Tavrik_DTP1(kDatePurchased).Value() ||
           Tavrik_DTP1(kTimePurchased).Value() || !mTxt(kTroopDistrict).Text().empty() ||
           !mTxt(kWeight).Text().empty() || !mTxt(kAmount).Text().empty();
}

void Tavrik_LicPurchOpt::CheckEdit() {
    trapErrors_("CheckEdit", [&] {
        mErrors.Clear();
        DefaultFieldColor();
        TextBox& amount = mTxt(kAmount);
        if (IsPointOrZero(amount.Text()))
            amount.SetText("");

        const bool inState = mRdo(kInState).Value();
        const bool outOfState = mRdo(kOutOfState).Value();
        if (!inState && !outOfState) {
            mErrors.Add("In or Out of State is required", mRdo(kInState));
            mErrors.Mark(mRdo(kOutOfState));
        }

        const bool inStateFilled = AnyInStateFieldFilled();
        const bool commentEmpty = mTxt(kComment).Text().empty();
        if (!inStateFilled && commentEmpty) {
            mErrors.Add("Enter a Comment or the In-State Fields");
            if (!outOfState)
                mErrors.Mark(mTxt(kPlate));
            if (!inState)
                mErrors.Mark(mTxt(kComment));
        }

        // A filled in-state field makes the purchase in-state, whichever option is picked.
        if (inStateFilled)
            CheckInStateFields();
        else if (commentEmpty && !inState)
            mErrors.Add("Comment required for Out-of-State LPO", mTxt(kComment));
    });
}

void Tavrik_LicPurchOpt::CheckInStateFields() {
    if (IsBlank(mTxt(kPlate).Text()))
        mErrors.Add("Plate is required", mTxt(kPlate));
    if (!Tavrik_DTP1(kDatePurchased).Value())
        mErrors.Add("Date Purchased is required", Tavrik_DTP1(kDatePurchased));
    if (!Tavrik_DTP1(kTimePurchased).Value())
        mErrors.Add("Time Purchased is required", Tavrik_DTP1(kTimePurchased));

    TextBox& troopDistrict = mTxt(kTroopDistrict);
    if (troopDistrict.Text().empty())
        mErrors.Add("Troop/District is required", troopDistrict);
    else if (!TroopDistrictCheck())
        mErrors.Add("Troop/District is incorrect", troopDistrict);

    if (mTxt(kWeight).Text().empty())
        mErrors.Add("Weight is required", mTxt(kWeight));

    // A point or a zero amount was emptied before the rules ran.
    const std::string& amount = mTxt(kAmount).Text();
    if (IsBlank(amount))
        mErrors.Add("Amount required for In-State LPO", mTxt(kAmount));
    else if (!Currency::Parse(amount))
        mErrors.Add("Amount must be a dollar value for In-State LPO", mTxt(kAmount));
}

void Tavrik_LicPurchOpt::mCmd_Click(int index) {
    trapErrors_("mCmd_Click", [&] {
        if (index == kSave)
            DoSave();
        else if (index == kCancel)
            DoCancel();
    });
}

void Tavrik_LicPurchOpt::DoSave() {
    CheckEdit();
    if (!mErrors.Empty()) {
        session_.Platform.MsgBox(mErrors.Text(), MsgBoxIcon::Exclamation, MsgBoxButtons::OK,
                                 session_.gsHostCaption);
        return;
    }
    mbCancelClicked = false;
    Hide();
}

void Tavrik_LicPurchOpt::DoCancel() {
    if (mbDataChanged) {
        const MsgBoxAnswer answer = session_.Platform.MsgBox(
            "Information has changed. Would you like to save your changes?", MsgBoxIcon::Question,
            MsgBoxButtons::YesNoCancel, session_.gsHostCaption);
        if (answer == MsgBoxAnswer::Yes) {
            DoSave();
            return;
        }
        if (answer != MsgBoxAnswer::No)
            return;
    }
    mbCancelClicked = true;
    Hide();
}

} // namespace tavrik
