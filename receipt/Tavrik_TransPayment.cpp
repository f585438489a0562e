#include "receipt/Tavrik_TransPayment.h"

#include "common/FormMessage.h"
#include "common/ModalForm.h"
#include "common/NewPIRequest.h"
#include "common/RequestNumbers.h"
#include "common/TextUtil.h"
#include "receipt/Tavrik_PayDetail.h"
#include "select/Tavrik_SelectCustForm.h"

namespace tavrik {

Tavrik_TransPayment::Tavrik_TransPayment(Session& session)
    : Form(kFormName), Tavrik_Payment1("Tavrik_Payment1", session), session_(session),
      trapErrors_(session, kFormName) {
    SetCaption("Transfer Payment");
    Resize(9600, 7200);
    mCmd.Add(kSave).SetCaption("Save");
    mCmd.Add(kClose).SetCaption("Close");
    mCmd.Add(kSelectCustomer).SetCaption("Select Customer");
    mCmd(kClose).SetCancel(true);
    mCmd.ForEach([this](int index, CommandButton& button) {
        button.Click.Connect([this, index] { mCmd_Click(index); });
    });
}

std::string Tavrik_TransPayment::ReplyAddress() const {
    return session_.AppTitle + kFormTag;
}

// The receipt is the one the detail window under this dialog shows.
void Tavrik_TransPayment::Form_Load() {
    trapErrors_("Form_Load", [&] {
        mBlnDirty = false;
        mbErrorsFound = false;
        msErrorText.clear();
        msSaveState.clear();
        msMessageID.clear();
        mbSaveSent = false;
        mbTimedOut = false;
        session_.StatusService.SetReady(true);
        if (!moKovraMessage)
            moKovraMessage = NewFormMessage(session_, *this);
        session_.StatusService.ShowStatus("Loading information");
        session_.CommonServices.PrepareForm(*this);
        SetTabs();
        mCmd(kSelectCustomer).SetEnabled(true);
        mCmd(kSelectCustomer).SetVisible(true);
        Tavrik_Payment1.SetModeFlagA(true);
        Tavrik_Payment1.SetModeFlagB(true);
        const auto* detail = session_.Forms.FindAs<Tavrik_PayDetail>(Tavrik_PayDetail::kFormName);
        Tavrik_Payment1.SetReceiptNumber(
            detail != nullptr ? detail->mLblData(Tavrik_PayDetail::kReceiptNumber).Caption() : std::string());
    });
}

void Tavrik_TransPayment::Form_Unload() {
    trapErrors_("Form_Unload", [&] { ForgetSaveInFlight(); });
}

// A save still on its way may yet be applied: the opener must read the receipt again. Closing runs
// this too, since the opener reads mBlnDirty before it unloads the window.
void Tavrik_TransPayment::ForgetSaveInFlight() {
    if (!mbSaveSent)
        return;
    mbSaveSent = false;
    mBlnDirty = true;
    if (Tavrik_Payment1.PendingAmount() > Currency())
        Tavrik_Payment1.Release();
}

void Tavrik_TransPayment::SetTabs() {
    trapErrors_("SetTabs", [&] {
        Tavrik_Payment1.SetTabIndex(0);
        mCmd(kSave).SetTabIndex(1);
        mCmd(kClose).SetTabIndex(2);
        mCmd(kSelectCustomer).SetTabIndex(3);
    });
}

void Tavrik_TransPayment::mCmd_Click(int index) {
    trapErrors_("mCmd_Click", [&] {
        CommandButton& clicked = mCmd(index);
        clicked.SetEnabled(false);
        if (index == kSave)
            SaveData();
        else if (index == kClose) {
            ForgetSaveInFlight();
            Hide();
        } else if (index == kSelectCustomer)
            ChangeCustomer();
        mCmd(kClose).SetEnabled(true);
        mCmd(kSelectCustomer).SetEnabled(true);
        if (clicked.Enabled() && index != kClose)
            session_.Platform.SetFocus(clicked);
    });
}

bool Tavrik_TransPayment::DataChanged() {
    session_.StatusService.ShowStatus("Checking for data changes");
    return Tavrik_Payment1.Amount() > Currency();
}

void Tavrik_TransPayment::CheckEdit() {
    msErrorText.clear();
    mbErrorsFound = false;
    if (Tavrik_Payment1.Validate() == 0) {
        msErrorText = Tavrik_Payment1.ErrorText() + msErrorText;
        mbErrorsFound = true;
    }
}

void Tavrik_TransPayment::SaveData() {
    trapErrors_("SaveData", [&] {
        if (!DataChanged()) {
            mCmd(kSave).SetEnabled(true);
            session_.StatusService.ShowStatus("Data did not change.  Save request canceled. ");
            return;
        }
        CheckEdit();
        if (mbErrorsFound) {
            mCmd(kSave).SetEnabled(true);
            session_.StatusService.ShowStatus("Error(s) found");
            session_.Platform.MsgBox(msErrorText, MsgBoxIcon::Exclamation, MsgBoxButtons::OK,
                                     session_.gsHostCaption);
            return;
        }
        session_.Platform.SetMousePointer(MousePointer::Hourglass);
        session_.StatusService.ShowStatus("Saving Excess Funds for " + Tavrik_Payment1.CustomerName());
        PIRequest request = NewPIRequest(session_, moKovraMessage, ReplyAddress(), kTransferRequest);
        msMessageID = request.MessageID();
        request.AddPentraxKey("key:OVRG_RCPT", Trim(Tavrik_Payment1.ReceiptNumber()));
        mbTimedOut = false;
        mbSaveSent = true;
        LoadExcessDTD(request);
        request.Send();
        msSaveState = kSavePending;
        PendingSave(false);
        session_.StatusService.SetReady(false);
    });
}

void Tavrik_TransPayment::LoadExcessDTD(PIRequest& request) {
    if (Tavrik_Payment1.Amount() > Currency())
        Tavrik_Payment1.AddToRequest(request);
}

void Tavrik_TransPayment::moKovraMessage_DataReady(const std::string& formName) {
    if (formName != ReplyAddress())
        return;
    trapErrors_("moKovraMessage_DataReady", [&] {
        session_.StatusService.SetReady(true);
        mbSaveSent = false;
        const std::string errorText = session_.CommonServices.GetReply(
            formName, trapErrors_.Context("moKovraMessage_DataReady"), msMessageID);
        if (!errorText.empty()) {
            session_.Platform.SetMousePointer(MousePointer::Default);
            session_.Platform.MsgBox(errorText, MsgBoxIcon::Critical, MsgBoxButtons::OK,
                                     session_.gsHostCaption);
            PendingSave(true);
            if (mbTimedOut) {
                UpdateTimeout();
                session_.StatusService.ShowStatus("Search timed out");
            } else {
                // Refused: the back office applied nothing, so the amount held is free again and the
                // clerk may correct the entries and save once more.
                msSaveState.clear();
                Tavrik_Payment1.Release();
                session_.StatusService.ShowStatus("Search was not successful");
            }
            return;
        }
        session_.Platform.SetMousePointer(MousePointer::Hourglass);
        mBlnDirty = false;
        if (IsSavePending()) {
            if (Tavrik_Payment1.PendingAmount() > Currency())
                Tavrik_Payment1.Release();
            mBlnDirty = true;
            msSaveState.clear();
            if (!mbTimedOut)
                session_.StatusService.ShowStatus("Ready");
            PendingSave(true);
        }
        // One transfer per opening: the excess shown is no longer what the store holds.
        mCmd(kSave).SetEnabled(false);
        mCmd(kClose).SetEnabled(true);
        mCmd(kSelectCustomer).SetEnabled(false);
        session_.Platform.SetMousePointer(MousePointer::Default);
    });
}

void Tavrik_TransPayment::moKovraMessage_MsgTimeout() {
    mbTimedOut = true;
    mCmd(kSave).SetEnabled(true);
    mCmd(kSelectCustomer).SetEnabled(true);
}

void Tavrik_TransPayment::PendingSave(bool enable) {
    mCmd(kSave).SetEnabled(enable);
    Tavrik_Payment1.SetReadOnly(!enable);
}

// A save that timed out may have been applied after all: the opener reads the receipt again, and
// this window sends nothing more.
void Tavrik_TransPayment::UpdateTimeout() {
    trapErrors_("UpdateTimeout", [&] {
        if (!IsSavePending())
            return;
        if (Tavrik_Payment1.PendingAmount() > Currency())
            Tavrik_Payment1.Release();
        mBlnDirty = true;
        msSaveState.clear();
        PendingSave(true);
        mCmd(kSave).SetEnabled(false);
        mCmd(kClose).SetEnabled(true);
        mCmd(kSelectCustomer).SetEnabled(false);
    });
}

// The control keeps the receipt's customer on display while it looks the chosen one up as the
// receiving customer: the flags below switch it between the two (see Tavrik_Payment).
void Tavrik_TransPayment::ChangeCustomer() {
    trapErrors_("ChangeCustomer", [&] {
        std::string chosenName, chosenId;
        {
            ModalForm<Tavrik_SelectCustForm> select(session_, Tavrik_SelectCustForm::kFormName);
            select.Show();
            if (select->IsCanceled)
                return;
            chosenName = select->CustName;
            chosenId = select->CustID;
        }
        Tavrik_Payment& payment = Tavrik_Payment1;
        payment.SetAccountSet(nullptr);
        const std::string customerId = payment.CustomerID(), customerName = payment.CustomerName(),
                          address1 = payment.Address1(), address2 = payment.Address2(), city = payment.City(),
                          state = payment.State(), zip = payment.Zip(), customerInfo = payment.CustomerInfo();
        payment.SetModeFlagA(true);
        payment.SetModeFlagC(false);
        payment.SetModeFlagB(false);
        payment.SetModeFlagE(false);
        payment.SetModeFlagF(true);
        payment.SetCustomerName(chosenName);
        payment.SetCustomerID(chosenId);
        payment.SetModeFlagC(true);
        payment.SetModeFlagB(true);
        payment.LookupCustomer();
        payment.SetModeFlagA(false);
        payment.SetCustomerName(customerName);
        payment.SetAddress1(address1);
        payment.SetAddress2(address2);
        payment.SetCity(city);
        payment.SetState(state);
        payment.SetZip(zip);
        payment.SetCustomerInfo(customerInfo);
        payment.SetCustomerID(customerId);
        payment.SetModeFlagA(true);
    });
}

} // namespace tavrik
