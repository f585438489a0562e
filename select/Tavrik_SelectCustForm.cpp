#include "select/Tavrik_SelectCustForm.h"

namespace tavrik {

Tavrik_SelectCustForm::Tavrik_SelectCustForm(Session& session)
    : Form(kFormName), CustSelect("CustSelect", session), session_(session), trapErrors_(session, kFormName) {
    SetCaption("Select Customer");
    Resize(7200, 4800);
    cmdOK.SetCaption("OK");
    cmdOK.SetDefault(true);
    cmdCancel.SetCaption("Cancel");
    cmdCancel.SetCancel(true);
    CustSelect.SetTabIndex(0);
    cmdOK.SetTabIndex(1);
    cmdCancel.SetTabIndex(2);

    CustSelect.SelectionChanged.Connect([this] { CustSelect_SelectionChanged(); });
    CustSelect.ClearForm.Connect([this] { CustSelect_ClearForm(); });
    CustSelect.HasAlerts.Connect([this] { CustSelect_HasAlerts(); });
    cmdOK.Click.Connect([this] { cmdOK_Click(); });
    cmdCancel.Click.Connect([this] { cmdCancel_Click(); });
}

void Tavrik_SelectCustForm::Form_Load() {
    trapErrors_("Form_Load", [&] {
        IsCanceled = false;
        ClearTexts();
        cmdOK.SetEnabled(false);
        cmdCancel.SetEnabled(true);
        CustSelect.SetSelectorOption(false);
        moStatus = session_.StatusService.GetStatusObject();
        moStatus->UpdateStatus.Connect([this](const std::string& text) { moStatus_UpdateStatus(text); });
        moStatus->UpdateStatusMsg.Connect(
            [this](const std::string& text) { moStatus_UpdateStatusMsg(text); });
        StatusBar1.SetPanelText(0, "");
        session_.CommonServices.PrepareForm(*this);
    });
}

void Tavrik_SelectCustForm::Form_Unload() {
    trapErrors_("Form_Unload", [&] {
        ClearTexts();
        moStatus.reset();
    });
}

void Tavrik_SelectCustForm::ClearTexts() {
    CustID.clear();
    CustName.clear();
    CustType.clear();
}

void Tavrik_SelectCustForm::CustSelect_SelectionChanged() {
    trapErrors_("CustSelect_SelectionChanged", [&] {
        CustID = CustSelect.CustomerKey();
        CustName = CustSelect.CustomerText();
        CustType = CustSelect.CustomerExtra();
        cmdOK.SetEnabled(!CustID.empty());
    });
}

void Tavrik_SelectCustForm::CustSelect_ClearForm() {
    trapErrors_("CustSelect_ClearForm", [&] {
        ClearTexts();
        cmdOK.SetEnabled(false);
    });
}

void Tavrik_SelectCustForm::CustSelect_HasAlerts() {}

void Tavrik_SelectCustForm::cmdOK_Click() {
    trapErrors_("cmdOK_Click", [&] {
        if (CustID.empty()) {
            session_.Platform.MsgBox("Errors Found ... ", MsgBoxIcon::Critical, MsgBoxButtons::OK,
                                     session_.gsHostCaption);
            cmdOK.SetEnabled(false);
            return;
        }
        IsCanceled = false;
        Hide();
    });
}

void Tavrik_SelectCustForm::cmdCancel_Click() {
    trapErrors_("cmdCancel_Click", [&] {
        IsCanceled = true;
        ClearTexts();
        Hide();
    });
}

// The dialog's own status bar shows every status text while it is open: it covers the main one.
void Tavrik_SelectCustForm::moStatus_UpdateStatus(const std::string& text) {
    StatusBar1.SetPanelText(0, text);
}

void Tavrik_SelectCustForm::moStatus_UpdateStatusMsg(const std::string& text) {
    StatusBar1.SetPanelText(0, text);
}

} // namespace tavrik
