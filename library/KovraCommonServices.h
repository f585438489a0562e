// The common library's general services, backed by the message service's reply store, the local
// code tables, the user names and troops read at start, the signed-on user's privileges, the form
// numbers it keeps in reserve, and the local copies of the print templates.
#pragma once

#include "common/CommonServices.h"
#include "library/CodeTables.h"
#include "library/DocNumberRules.h"
#include "library/KovraMessageService.h"
#include "library/ReferenceData.h"
#include "library/TemplateCache.h"

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace tavrik {

class KovraCommonServices : public CommonServices {
public:
    // Watches the replies to its form-number requests on messages; userId sends them.
    KovraCommonServices(KovraMessageService& messages, const CodeTables& codeTables,
                        const ReferenceData& referenceData, const std::vector<std::string>& privileges,
                        const std::string& userId, TemplateCache& templates);
    // Asks for kNumbersPerRequest numbers each time. When it holds a spare one of the type, it lists
    // that one (given away: never listed again) and keeps every number of the reply as spares;
    // otherwise the reply's first number is the form's and the rest are kept. Numbers of a reply that
    // never reaches the form (superseded, late) are not used: the back office never hands them out again.
    // A request made only to refill the spares answers to the library alone.
    std::vector<FormNumberEntry> RequestFormNumber(std::string_view numberType,
                                                   const std::string& replyAddress, std::string& messageId,
                                                   std::weak_ptr<MessageObject> timeoutListener) override;
    static constexpr int kNumbersPerRequest = 3;
    // See TemplateCache::FileFor.
    std::string GetTemplateFile(int templateType, CalendarDate day) override;

    std::string GetReply(const std::string& formName, const std::string& context,
                         const std::string& messageId) override;
    std::string GetCodeDescription(std::string_view code, std::string_view codeTableId) override;
    std::string GetCodeInfo(std::string_view code, std::string_view codeTableId) override;
    std::vector<CodeEntry> GetCodes(std::string_view codeTableId, bool allCodes) override;
    // Privilege names compare without regard to case or surrounding blanks.
    bool HasPrivilege(std::string_view optionName) override;
    std::string GetUserName(std::int64_t userNumber) override;

    bool IsValidTroop(std::string_view troop) override;
    bool IsValidTroopDistrict(std::string_view troop, std::string_view district) override;

    void SetDefaultColor(Control& control) override;
    void SetErrorColor(Control& control) override;
    void PrepareForm(Form& form) override;

    std::string GetCheckDigit(std::string_view sevenDigits) override;
    // The rule is chosen by the type's description in code table REFDOCTYP (see DocNumberRules).
    bool ValidateDocNumber(std::string_view docTypeCode, std::string_view number,
                           std::string& message) override;
    bool ValidateKeyPress(std::string_view docTypeCode, const TextBox& textBox, int& keyCode) override;

    // See KeyFilters.
    bool FilterNumericKey(int keyCode) override;
    bool FilterAlphaNumericKey(int keyCode) override;
    bool FilterCurrencyKey(const TextBox& textBox, int keyCode) override;

private:
    // A form-number request on its way: the type, and whether the form got its number from the spares.
    struct NumberRequest {
        std::string type;
        bool served = false;
    };

    DocNumberRules::Kind KindOf(std::string_view docTypeCode) const;
    bool KeepSpareNumbers(const std::string& messageId, ReplyMessage& reply);
    static constexpr const char* kSpareNumbersAddress = "KOVRALIBRARY.SPARENUMBERS.";

    KovraMessageService& messages_;
    const CodeTables& codeTables_;
    const ReferenceData& referenceData_;
    std::set<std::string> privileges_; // upper-cased
    std::string userId_;
    TemplateCache& templates_;
    std::map<std::string, std::deque<std::int64_t>> spareNumbers_; // by type, the lowest first
    std::map<std::string, NumberRequest> numberRequests_;          // by message id
};

} // namespace tavrik
