#include "library/KovraCommonServices.h"

#include "common/CheckDigit.h"
#include "common/Control.h"
#include "common/RequestNumbers.h"
#include "common/TextBox.h"
#include "common/TextUtil.h"
#include "library/KeyFilters.h"

namespace tavrik {

KovraCommonServices::KovraCommonServices(KovraMessageService& messages, const CodeTables& codeTables,
                                         const ReferenceData& referenceData,
                                         const std::vector<std::string>& privileges,
                                         const std::string& userId, TemplateCache& templates)
    : messages_(messages), codeTables_(codeTables), referenceData_(referenceData), userId_(userId),
      templates_(templates) {
    for (const std::string& privilege : privileges)
        privileges_.insert(ToUpper(Trim(privilege)));
    messages_.FilterReplies(kFormNumberRequest, [this](const std::string& messageId, ReplyMessage& reply) {
        return KeepSpareNumbers(messageId, reply);
    });
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

std::vector<FormNumberEntry>
KovraCommonServices::RequestFormNumber(std::string_view numberType, const std::string& replyAddress,
                                       std::string& messageId, std::weak_ptr<MessageObject> timeoutListener) {
    const std::string type = ToUpper(Trim(numberType));
    std::vector<FormNumberEntry> available;
    std::deque<std::int64_t>& spares = spareNumbers_[type];
    if (!spares.empty()) {
        available.emplace_back(spares.front());
        spares.pop_front();
    }

    RequestMessage request;
    request.messageId = messages_.NewMessageId();
    // Spares for later are the library's own business: their reply goes to an address of its own.
    request.formName = available.empty() ? replyAddress : kSpareNumbersAddress + request.messageId;
    request.userId = userId_;
    request.piNumber = kFormNumberRequest;
    request.keys = {{"key:NBR_TYP_CD", type, "=", "PENTRAX"},
                    {"key:NBR_CNT", std::to_string(kNumbersPerRequest), "=", "PENTRAX"}};
    messageId = request.messageId;
    numberRequests_[messageId] = NumberRequest{type, !available.empty()};
    messages_.Send(std::move(request),
                   available.empty() ? std::move(timeoutListener) : std::weak_ptr<MessageObject>());
    return available;
}

// Leaves in the reply only the number the form waits for, if it waits for one; a reply no form waits
// for is not passed on.
bool KovraCommonServices::KeepSpareNumbers(const std::string& messageId, ReplyMessage& reply) {
    auto found = numberRequests_.find(messageId);
    if (found == numberRequests_.end())
        return true;
    const NumberRequest asked = found->second;
    numberRequests_.erase(found);
    auto numbers = reply.dataSets.find("REQ");
    if (!reply.errorText.empty() || numbers == reply.dataSets.end())
        return !asked.served;
    DataTable& rows = numbers->second;
    const std::size_t formsOwn = asked.served ? 0 : 1;
    for (std::size_t row = formsOwn; row < rows.RowCount(); ++row)
        if (std::optional<std::int64_t> number = rows.Cell(row, 0).AsInteger())
            spareNumbers_[asked.type].push_back(*number);
    rows.KeepFirstRows(formsOwn);
    return !asked.served;
}

std::string KovraCommonServices::GetTemplateFile(int templateType, CalendarDate day) {
    return templates_.FileFor(templateType, day);
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
