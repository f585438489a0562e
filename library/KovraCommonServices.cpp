#include "library/KovraCommonServices.h"

#include "common/CheckDigit.h"
#include "common/Control.h"
#include "common/TextBox.h"
#include "common/TextUtil.h"
#include "library/KeyFilters.h"

namespace tavrik {

KovraCommonServices::KovraCommonServices(const KovraMessageService& messages, const CodeTables& codeTables,
                                         const ReferenceData& referenceData,
                                         const std::vector<std::string>& privileges)
    : messages_(messages), codeTables_(codeTables), referenceData_(referenceData) {
    for (const std::string& privilege : privileges)
        privileges_.insert(ToUpper(Trim(privilege)));
}

std::string KovraCommonServices::GetReply(const std::string& formName, const std::string& context,
                                          const std::string& messageId) {
    return messages_.GetReply(formName, context, messageId);
}

std::string KovraCommonServices::GetCodeDescription(std::string_view code, std::string_view codeTableId) {
    return codeTables_.Description(code, codeTableId);
}

std::string KovraCommonServices::GetCodeInfo(std::string_view code, std::string_view codeTableId) {
    return codeTables_.Info(code, codeTableId);
}

std::vector<CodeEntry> KovraCommonServices::GetCodes(std::string_view codeTableId, bool allCodes) {
    return codeTables_.Codes(codeTableId, allCodes);
}

bool KovraCommonServices::HasPrivilege(std::string_view optionName) {
    return privileges_.contains(ToUpper(Trim(optionName)));
}

std::string KovraCommonServices::GetUserName(std::int64_t userNumber) {
    return referenceData_.UserName(userNumber);
}

bool KovraCommonServices::IsValidTroop(std::string_view troop) {
    return referenceData_.IsTroop(troop);
}

bool KovraCommonServices::IsValidTroopDistrict(std::string_view troop, std::string_view district) {
    return referenceData_.IsTroopDistrict(troop, district);
}

void KovraCommonServices::SetDefaultColor(Control& control) {
    control.SetColor(FieldColor::Normal);
}

void KovraCommonServices::SetErrorColor(Control& control) {
    control.SetColor(FieldColor::Error);
}

void KovraCommonServices::PrepareForm(Form&) {
    // Forms are plain models here: fonts, colours and placement are the desktop view's business,
    // so there is nothing for the library to set up on a form as it loads.
}

std::string KovraCommonServices::GetCheckDigit(std::string_view sevenDigits) {
    const std::optional<int> digit = ComputeCheckDigit(sevenDigits);
    return digit ? std::to_string(*digit) : std::string();
}

DocNumberRules::Kind KovraCommonServices::KindOf(std::string_view docTypeCode) const {
    return DocNumberRules::KindOf(codeTables_.Description(docTypeCode, "REFDOCTYP"));
}

bool KovraCommonServices::ValidateDocNumber(std::string_view docTypeCode, std::string_view number,
                                            std::string& message) {
    return DocNumberRules::Validate(KindOf(docTypeCode), number, message);
}

bool KovraCommonServices::ValidateKeyPress(std::string_view docTypeCode, const TextBox& textBox,
                                           int& keyCode) {
    return DocNumberRules::AllowKey(KindOf(docTypeCode), textBox.Text(), keyCode);
}

bool KovraCommonServices::FilterNumericKey(int keyCode) {
    return KeyFilters::Numeric(keyCode);
}

bool KovraCommonServices::FilterAlphaNumericKey(int keyCode) {
    return KeyFilters::AlphaNumeric(keyCode);
}

bool KovraCommonServices::FilterCurrencyKey(const TextBox& textBox, int keyCode) {
    return KeyFilters::Currency(textBox.Text(), keyCode);
}

} // namespace tavrik
