// The common library's general services: reply errors, code descriptions, privileges, user names,
// troops and districts, new form numbers, print templates, field colouring, form preparation, check digits,
// document-number rules and the key filters of the entry boxes.
#pragma once

#include "common/CalendarDate.h"
#include "common/CodeEntry.h"
#include "common/FormNumberEntry.h"
#include "common/MessageObject.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tavrik {

class Control;
class Form;
class TextBox;

class CommonServices {
public:
    virtual ~CommonServices() = default;

    // The error text of the reply to messageId at that address; "" when the reply carries data.
    virtual std::string GetReply(const std::string& formName, const std::string& context,
                                 const std::string& messageId) = 0;
    // The description of a code in a code table, "" when the table has no such code.
    virtual std::string GetCodeDescription(std::string_view code, std::string_view codeTableId) = 0;
    // The additional information kept with a code in a code table, "" when there is none.
    virtual std::string GetCodeInfo(std::string_view code, std::string_view codeTableId) = 0;
    // The codes of a table: those current today, or every code when allCodes is set.
    virtual std::vector<CodeEntry> GetCodes(std::string_view codeTableId, bool allCodes) = 0;
    virtual bool HasPrivilege(std::string_view optionName) = 0;
    // The display name of the user with that number, "" when no user has it.
    virtual std::string GetUserName(std::int64_t userNumber) = 0;

    // Asks the back office for a new form number of that type ("U": refund numbers), answered to
    // replyAddress as data set "REQ" with the number in field "U" of its current row; messageId receives
    // the request's identifier. Answers the numbers the library already held for the type, which the
    // form may use at once (the last) instead of waiting for the reply; then no reply comes.
    // timeoutListener is the form's message object, told when the reply it waits for does not come.
    virtual std::vector<FormNumberEntry> RequestFormNumber(std::string_view numberType,
                                                           const std::string& replyAddress,
                                                           std::string& messageId,
                                                           std::weak_ptr<MessageObject> timeoutListener) = 0;

    // The path of a local copy of the print template of that type (36: the refund worksheet) valid on
    // that day; "" when there is none.
    virtual std::string GetTemplateFile(int templateType, CalendarDate day) = 0;

    // Whether an enforcement troop exists, and whether a district exists within a troop.
    virtual bool IsValidTroop(std::string_view troop) = 0;
    virtual bool IsValidTroopDistrict(std::string_view troop, std::string_view district) = 0;

    virtual void SetDefaultColor(Control& control) = 0;
    virtual void SetErrorColor(Control& control) = 0;
    virtual void PrepareForm(Form& form) = 0;

    // The check digit of a seven-digit number, as one character; "" for any other text.
    virtual std::string GetCheckDigit(std::string_view sevenDigits) = 0;
    // Whether a (possibly partly typed) document number is valid for the type; message says why not.
    virtual bool ValidateDocNumber(std::string_view docTypeCode, std::string_view number,
                                   std::string& message) = 0;
    // Whether the key may be typed into the box for the type; may change the key (upper-casing).
    virtual bool ValidateKeyPress(std::string_view docTypeCode, const TextBox& textBox, int& keyCode) = 0;

    // Whether a typed key may go into a box that takes digits only, letters and digits only, or an
    // amount of money (which also depends on what the box already holds). Control keys always may.
    virtual bool FilterNumericKey(int keyCode) = 0;
    virtual bool FilterAlphaNumericKey(int keyCode) = 0;
    virtual bool FilterCurrencyKey(const TextBox& textBox, int keyCode) = 0;
};

} // namespace tavrik
