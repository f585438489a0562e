// Services that do nothing but what the common helpers' tests look at: the fields coloured, in
// order, and the errors reported. Every other answer is empty, false or nothing.
#pragma once

#include "common/CommonServices.h"
#include "common/Control.h"
#include "common/DataSetOpener.h"
#include "common/DataSetService.h"
#include "common/ErrorReporter.h"
#include "common/MessageService.h"
#include "common/StatusService.h"

#include <string>
#include <vector>

namespace tavrik {

class FakeServices : public CommonServices,
                     public StatusService,
                     public MessageService,
                     public DataSetService,
                     public DataSetOpener,
                     public ErrorReporter {
public:
    std::string GetReply(const std::string&, const std::string&, const std::string&) override { return ""; }
    std::string GetCodeDescription(std::string_view, std::string_view) override { return ""; }
    std::string GetCodeInfo(std::string_view, std::string_view) override { return ""; }
    std::vector<CodeEntry> GetCodes(std::string_view, bool) override { return {}; }
    bool HasPrivilege(std::string_view) override { return false; }
    std::string GetUserName(std::int64_t) override { return ""; }
    std::vector<FormNumberEntry> RequestFormNumber(std::string_view, const std::string&, std::string&,
                                                   std::weak_ptr<MessageObject>) override {
        return {};
    }
    std::string GetTemplateFile(int, CalendarDate) override { return ""; }
    bool IsValidTroop(std::string_view) override { return false; }
    bool IsValidTroopDistrict(std::string_view, std::string_view) override { return false; }
    void SetDefaultColor(Control& control) override { colored.push_back(control.Name() + " normal"); }
    void SetErrorColor(Control& control) override { colored.push_back(control.Name() + " error"); }
    void PrepareForm(Form&) override {}
    std::string GetCheckDigit(std::string_view) override { return ""; }
    bool ValidateDocNumber(std::string_view, std::string_view, std::string&) override { return false; }
    bool ValidateKeyPress(std::string_view, const TextBox&, int&) override { return false; }
    bool FilterNumericKey(int) override { return false; }
    bool FilterAlphaNumericKey(int) override { return false; }
    bool FilterCurrencyKey(const TextBox&, int) override { return false; }

    void ShowStatus(const std::string&) override {}
    void ShowStatusMsg(const std::string&) override {}
    void SetToolbarButton(int, bool, const std::string&) override {}
    void SetReady(bool) override {}
    std::shared_ptr<StatusObject> GetStatusObject() override { return nullptr; }

    std::shared_ptr<MessageObject> NewMessage() override { return nullptr; }
    std::string NewMessageId() override { return ""; }
    void Send(RequestMessage, std::weak_ptr<MessageObject>) override {}

    std::shared_ptr<DataSet> GetDataSet(const std::string&, const std::string&, const std::string&) override {
        return nullptr;
    }

    DataTable OpenSource(const std::string&) override { return {}; }

    void ReportError(const std::string& description, const std::string&, const std::string& context,
                     int) override {
        reported.push_back(context + ": " + description);
    }

    // "name error" or "name normal", one per colouring.
    std::vector<std::string> colored;
    // "Module.Procedure: description", one per report.
    std::vector<std::string> reported;
};

} // namespace tavrik
