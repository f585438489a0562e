#include "document/Tavrik_FormInq.h"

#include "common/ModalForm.h"
#include "common/RegionCodesQuery.h"
#include "common/TextUtil.h"
#include "select/Tavrik_SelectCustFormInq.h"

namespace tavrik {
Tavrik_FormInq::Tavrik_FormInq(Session& session)
    : Form(kFormName), session_(session), trapErrors_(session, kFormName), mErrors(session.CommonServices),
      mPasteGuard(session.Platform) {
    SetCaption("Open Account");
    Resize(5400, 2300);
    mLblInq.Add(0).SetCaption("Account Type:");
    mLblInq.Add(1).SetCaption("Account #:");
    mFtcboDocType.Add(0, session.CommonServices);
    mTxtDocNbr.Add(0);
    mCmdBttn.Add(kSelectAccount).SetCaption("Select Account");
    mCmdBttn.Add(kOk).SetCaption("OK");
    mCmdBttn.Add(kCancel).SetCaption("Cancel");
    mTxtButton.SetVisible(false);

    mFtcboDocType(0).Change.Connect([this] { mFtcboDocType_Change(); });
    TextBox& number = mTxtDocNbr(0);
    number.KeyPress.Connect([this](int& key) { mTxtDocNbr_KeyPress(key); });
    number.KeyDown.Connect([this](int key, int shift) { mTxtDocNbr_KeyDown(key, shift); });
    number.KeyUp.Connect([this](int, int) { mTxtDocNbr_KeyUp(); });
    number.MouseDown.Connect([this](int) { mTxtDocNbr_MouseDown(); });
    number.MouseUp.Connect([this](int) { mTxtDocNbr_MouseUp(); });
    number.Change.Connect([this] { mTxtDocNbr_Change(); });
    mCmdBttn.ForEach([this](int index, CommandButton& button) {
        button.Click.Connect([this, index] { mCmdBttn_Click(index); });
    });
    mFtcboDocType(0).Setcodetype("REFDOCTYP");
}

void Tavrik_FormInq::Form_Load() {
    trapErrors_("Form_Load", [&] {
        session_.CommonServices.PrepareForm(*this);
        session_.Platform.SetMousePointer(MousePointer::Default);
        SetTabs();
        mCmdBttn(kOk).SetDefault(true);

        if (!moFormDocCodes)
            moFormDocCodes = std::make_shared<DataSet>(session_.DataSetOpener);
        moFormDocCodes->SetSource(
            RegionCodesQuery(session_.SessionInfo.Region, "FORMDOC", session_.Platform.Today()));
        moFormDocCodes->Open();
        mFtcboDocType_Change();
    });
}

void Tavrik_FormInq::SetTabs() {
    mFtcboDocType(0).SetTabIndex(0);
    mTxtDocNbr(0).SetTabIndex(1);
    mCmdBttn(kSelectAccount).SetTabIndex(2);
    mCmdBttn(kOk).SetTabIndex(3);
    mCmdBttn(kCancel).SetTabIndex(4);
}

void Tavrik_FormInq::Form_Activate() {
    trapErrors_("Form_Activate", [&] {
        if (!mTxtDocNbr(0).Text().empty())
            session_.Platform.SetFocus(mCmdBttn(kOk));
    });
}

void Tavrik_FormInq::mFtcboDocType_Change() {
    trapErrors_("mFtcboDocType_Change", [&] {
        CommandButton& selectAccount = mCmdBttn(kSelectAccount);
        const auto& codes = moFormDocCodes ? moFormDocCodes->Recordset() : nullptr;
        if (!codes || codes->RecordCount() == 0) {
            selectAccount.SetEnabled(false);
            return;
        }
        codes->MoveFirst();
        // The typed code is quoted as a literal, so a quote in it finds nothing rather than more.
        selectAccount.SetEnabled(codes->Find("CD_TBL_CD = " + QuoteLiteral(mFtcboDocType(0).Code())));
    });
}

void Tavrik_FormInq::mTxtDocNbr_KeyPress(int& keyAscii) {
    trapErrors_("mTxtDocNbr_KeyPress", [&] {
        if (!session_.CommonServices.ValidateKeyPress(mFtcboDocType(0).Code(), mTxtDocNbr(0), keyAscii))
            session_.Platform.Beep();
    });
}

void Tavrik_FormInq::mTxtDocNbr_KeyDown(int keyCode, int shift) {
    mPasteGuard.KeyDown(mTxtDocNbr(0), keyCode, shift);
}

void Tavrik_FormInq::mTxtDocNbr_KeyUp() {
    mPasteGuard.KeyUp();
}

void Tavrik_FormInq::mTxtDocNbr_MouseDown() {
    mPasteGuard.MouseDown(mTxtDocNbr(0));
}

void Tavrik_FormInq::mTxtDocNbr_MouseUp() {
    mPasteGuard.MouseUp();
}

void Tavrik_FormInq::mTxtDocNbr_Change() {
    trapErrors_("mTxtDocNbr_Change", [&] {
        mPasteGuard.Change(mTxtDocNbr(0), [this](const std::string& pasted) {
            std::string message;
            return session_.CommonServices.ValidateDocNumber(mFtcboDocType(0).Code(), pasted, message);
        });
    });
}

void Tavrik_FormInq::DefaultFieldColor() {
    session_.CommonServices.SetDefaultColor(mFtcboDocType(0));
    session_.CommonServices.SetDefaultColor(mTxtDocNbr(0));
}

void Tavrik_FormInq::CheckEdit() {
    mErrors.Clear();
    DefaultFieldColor();

    Tavrik_CodesCombo& type = mFtcboDocType(0);
    if (type.EntryIndicator() < 1)
        mErrors.Add("Account Type is required", type);
    else if (type.Code().empty())
        mErrors.Add("Select or enter a valid Account Type", type);

    if (IsBlank(mTxtDocNbr(0).Text())) {
        mErrors.Add("Account Number is required", mTxtDocNbr(0));
        return;
    }
    CheckAccountNumber();
}

// The number's messages run on without line breaks, as the dialog has always shown them.
void Tavrik_FormInq::CheckAccountNumber() {
    TextBox& box = mTxtDocNbr(0);
    const std::string number = Trim(box.Text());
    const std::string description = ToUpper(mFtcboDocType(0).Description());
    const std::size_t errorsBefore = mErrors.Text().size();
    const bool hasDash = number.find('-') != std::string::npos;

    if (description == "PAYMENT PLAN" || description == "ALERT") {
        if (!IsAllDigits(number))
            mErrors.Append("Only numeric is allowed");
    } else if (description == "CHECK NUMBER") {
        if (hasDash)
            mErrors.Append("Only AlphaNumeric is allowed");
    } else if (hasDash || number.size() > 7 || !IsAllDigits(number)) {
        if (!hasDash)
            mErrors.Append("Account Number is Invalid");
        else
            CheckWithCheckDigit(PadLeft(number, 9, '0'));
    } else {
        const std::string sevenDigits = PadLeft(number, 7, '0');
        const std::string completed = sevenDigits + "-" + session_.CommonServices.GetCheckDigit(sevenDigits);
        box.SetText(completed);
        CheckWithCheckDigit(completed);
    }
    if (mErrors.Text().size() != errorsBefore)
        mErrors.Mark(box);
}

void Tavrik_FormInq::CheckWithCheckDigit(const std::string& number) {
    std::string message;
    if (!session_.CommonServices.ValidateDocNumber(mFtcboDocType(0).Code(), number, message))
        mErrors.Append(message);
}

void Tavrik_FormInq::mCmdBttn_Click(int index) {
    trapErrors_("mCmdBttn_Click", [&] {
        CommandButton& pressed = mCmdBttn(index);
        const bool wasEnabled = pressed.Enabled();
        pressed.SetEnabled(false);
        trapErrors_("mCmdBttn_Click", [&] {
            if (index == kOk) {
                CheckEdit();
                if (!mErrors.Empty())
                    session_.Platform.MsgBox(mErrors.Text(), MsgBoxIcon::Critical, MsgBoxButtons::OK,
                                             session_.gsHostCaption);
                else
                    Hide();
            } else if (index == kCancel) {
                mTxtButton.SetText("Cancel");
                Hide();
            } else if (index == kSelectAccount) {
                DoSelectAccount();
            }
        });
        pressed.SetEnabled(wasEnabled);
    });
}

void Tavrik_FormInq::DoSelectAccount() {
    Tavrik_CodesCombo& type = mFtcboDocType(0);
    TextBox& number = mTxtDocNbr(0);
    {
        ModalForm<Tavrik_SelectCustFormInq> select(session_, Tavrik_SelectCustFormInq::kFormName);
        // The type assigned next is the one this dialog had: it starts no search.
        select->IgnoreDocTypChange = true;
        Tavrik_CodesCombo& selectType = select->mFtcboDocType(0);
        selectType.SetShowAllCodes(type.ShowAllCodes());
        selectType.SetCode(type.Code());
        select->ReceiptMode = type.Code() == "R" && !type.ShowAllCodes();
        select.Show();
        if (!select.IsLoaded())
            return;
        type.SetCode(selectType.Code());
        number.SetText(select->IsCanceled ? std::string() : ChosenNumber(select->mSdgGrid, type.Code()));
    }
    if (!IsBlank(number.Text()))
        mCmdBttn_Click(kOk);
}

// The number of the row chosen in the Select Account list: an alert by its number alone, a receipt
// by its receipt number, any other account by its number with the check digit.
std::string Tavrik_FormInq::ChosenNumber(SSOleDBGrid& list, const std::string& typeCode) {
    if (typeCode == "A") {
        const std::string shown = list.CellText("FORM_NUMBER");
        return shown.substr(0, shown.find('-'));
    }
    if (ToUpper(typeCode) == "R")
        return list.CellText("RCPTNBR");
    return list.CellText("FORM_NUMBER");
}

} // namespace tavrik
