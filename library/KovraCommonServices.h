// The common library's general services, backed by the message service's reply store, the local
// code tables and the signed-on user's privileges.
#pragma once

#include "common/CommonServices.h"
#include "library/CodeTables.h"
#include "library/DocNumberRules.h"
#include "library/KovraMessageService.h"

#include <set>
#include <string>
#include <vector>

namespace tavrik {

class KovraCommonServices : public CommonServices {
public:
    KovraCommonServices(const KovraMessageService& messages, const CodeTables& codeTables,
                        const std::vector<std::string>& privileges);

    std::string GetReply(const std::string& formName, const std::string& context,
                         const std::string& messageId) override;
    std::string GetCodeDescription(std::string_view code, std::string_view codeTableId) override;
    std::vector<CodeEntry> GetCodes(std::string_view codeTableId, bool allCodes) override;
    // Privilege names compare without regard to case or surrounding blanks.
    bool HasPrivilege(std::string_view optionName) override;

    void SetDefaultColor(Control& control) override;
    void SetErrorColor(Control& control) override;
    void PrepareForm(Form& form) override;

    std::string GetCheckDigit(std::string_view sevenDigits) override;
    // The rule is chosen by the type's description in code table REFDOCTYP (see DocNumberRules).
    bool ValidateDocNumber(std::string_view docTypeCode, std::string_view number,
                           std::string& message) override;
    bool ValidateKeyPress(std::string_view docTypeCode, const TextBox& textBox, int& keyCode) override;

private:
    DocNumberRules::Kind KindOf(std::string_view docTypeCode) const;

    const KovraMessageService& messages_;
    const CodeTables& codeTables_;
    std::set<std::string> privileges_; // upper-cased
};

} // namespace tavrik
