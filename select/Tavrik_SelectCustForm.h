// The modal "Select Customer" dialog: the clerk finds a customer with the selector and confirms it;
// the opener reads the customer from the public fields once the dialog is hidden.
#pragma once

#include "common/CommandButton.h"
#include "common/ErrorTrap.h"
#include "common/Form.h"
#include "common/Session.h"
#include "common/StatusBar.h"
#include "common/StatusObject.h"
#include "common/Tavrik_CustSelect.h"

#include <memory>
#include <string>

namespace tavrik {

class Tavrik_SelectCustForm : public Form {
public:
    static constexpr const char* kFormName = "Tavrik_SelectCustForm";

    explicit Tavrik_SelectCustForm(Session& session);

    // The result: set when the clerk cancelled; otherwise the chosen customer's identifier, name
    // and type, as the selector names them.
    bool IsCanceled = false;
    std::string CustID;
    std::string CustName;
    std::string CustType;

    Tavrik_CustSelect& SelectControl() { return CustSelect; }
    Tavrik_SelectCustForm& This() { return *this; }

    Tavrik_CustSelect CustSelect;
    CommandButton cmdOK{"cmdOK"};
    CommandButton cmdCancel{"cmdCancel"};
    StatusBar StatusBar1{"StatusBar1"};

    void Form_Load() override;
    void Form_Unload() override;
    void CustSelect_SelectionChanged();
    void CustSelect_ClearForm();
    void CustSelect_HasAlerts();
    void cmdOK_Click();
    void cmdCancel_Click();
    void moStatus_UpdateStatus(const std::string& text);
    void moStatus_UpdateStatusMsg(const std::string& text);

private:
    void ClearTexts();

    Session& session_;
    const ErrorTrap trapErrors_;
    std::shared_ptr<StatusObject> moStatus;
};

} // namespace tavrik
