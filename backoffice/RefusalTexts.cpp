#include "backoffice/RefusalTexts.h"

#include "backoffice/RequestKeys.h"

namespace tavrik {

namespace {

std::string Text(std::string_view text) {
    return std::string(text);
}

std::string Assessment(std::int64_t assessment) {
    return "Assessment " + std::to_string(assessment);
}

} // namespace

std::string RefusalTexts::NotUtf8(std::string_view where) {
    return "The request's " + Text(where) +
           " holds bytes that are not text (not UTF-8). Nothing was saved; type the text again.";
}

std::string RefusalTexts::UnknownUser(std::string_view userId) {
    return "The user " + QuotedForError(userId) + " is not known to the back office.";
}

std::string RefusalTexts::MayNot(std::string_view userId, std::string_view deed) {
    return "The user " + Text(userId) + " may not " + Text(deed) + ".";
}

std::string RefusalTexts::FormNumberNotValid(std::string_view what, std::string_view sent) {
    return "The " + Text(what) + " " + QuotedForError(sent) +
           " is not valid: type up to seven digits, optionally followed by \"-\" and the check digit.";
}

std::string RefusalTexts::WrongFormCheckDigit(std::string_view what, std::string_view shown) {
    return "The check digit of " + Text(what) + " " + Text(shown) + " is not correct.";
}

std::string RefusalTexts::UnknownNumberType(std::string_view type) {
    return "The back office hands out no form numbers of type " + QuotedForError(type) + ".";
}

std::string RefusalTexts::NumberCount(std::string_view sent, std::int64_t most) {
    return "Ask for 1 to " + std::to_string(most) + " form numbers at a time, not " + QuotedForError(sent) +
           ".";
}

std::string RefusalTexts::NumbersUsedUp(std::string_view type) {
    return "The form numbers of type " + Text(type) + " are used up: no seven-digit number is left.";
}

std::string RefusalTexts::TemplateType(std::string_view sent) {
    return "The template type " + QuotedForError(sent) + " is not a whole number.";
}

std::string RefusalTexts::AccountNumberNotValid(std::string_view sent) {
    return "The account receivable number " + QuotedForError(sent) +
           " is not valid: it has up to seven digits.";
}

std::string RefusalTexts::NoSuchAccount(std::string_view account, std::string_view type) {
    return "There is no account receivable " + Text(account) + " of type " + QuotedForError(type) + ".";
}

std::string RefusalTexts::ChangedSinceRead(std::string_view account) {
    return "Account receivable " + Text(account) +
           " was changed by someone else since it was read. Nothing was saved; close the window and open "
           "the account again.";
}

std::string RefusalTexts::InactiveAccount(std::string_view account) {
    return "Account receivable " + Text(account) + " is inactive and cannot be adjusted.";
}

std::string RefusalTexts::AccountOnCase(std::string_view account, std::string_view caseId) {
    return "Account receivable " + Text(account) + " belongs to case " + Text(caseId) +
           " and cannot be adjusted here.";
}

std::string RefusalTexts::RowCount(std::string_view dataSet) {
    return "An adjustment is sent with exactly one " + Text(dataSet) + " row.";
}

std::string RefusalTexts::RowAction(std::string_view dataSet, std::string_view expected,
                                    std::string_view sent) {
    return "The " + Text(dataSet) + " rows of an adjustment have the action \"" + Text(expected) +
           "\", not " + QuotedForError(sent) + ".";
}

std::string RefusalTexts::OtherAccount(std::string_view sentNumber, std::string_view sentType,
                                       std::string_view account, std::string_view type) {
    return "The adjustment names account receivable " + QuotedForError(sentNumber) + " of type " +
           QuotedForError(sentType) + ", but it was sent for " + Text(account) + " of type " + Text(type) +
           ".";
}

std::string RefusalTexts::OtherCustomer(std::string_view subject, std::string_view sent,
                                        std::string_view account, std::string_view customer) {
    return Text(subject) + " names customer " + QuotedForError(sent) + ", but account receivable " +
           Text(account) + " belongs to customer " + Text(customer) + ".";
}

std::string RefusalTexts::WrongCheckDigit(std::string_view sent, std::string_view account) {
    return "The check digit " + QuotedForError(sent) + " is not that of account receivable " + Text(account) +
           ".";
}

std::string RefusalTexts::NotADate(std::string_view what) {
    return "The " + Text(what) + " is missing or not a date.";
}

std::string RefusalTexts::AfterToday(std::string_view what, const CalendarDate& day) {
    return "The " + Text(what) + " " + day.FormatUs() + " is after today; use today or an earlier day.";
}

std::string RefusalTexts::TooLong(std::string_view what, std::size_t limit) {
    return "The " + Text(what) + " is longer than " + std::to_string(limit) + " characters.";
}

std::string RefusalTexts::UnknownAction(std::string_view sent) {
    return "The action " + QuotedForError(sent) + " is not known: choose V (void), D (delete) or none.";
}

std::string RefusalTexts::GeneratedForm(std::string_view account) {
    return "Account receivable " + Text(account) +
           " is a generated form and cannot be deleted; void and correct it instead.";
}

std::string RefusalTexts::NotOnAccount(std::int64_t assessment, std::string_view account) {
    return Assessment(assessment) + " is not on account receivable " + Text(account) + ".";
}

std::string RefusalTexts::AssessmentTwice(std::int64_t assessment) {
    return Assessment(assessment) + " appears twice in the adjustment.";
}

std::string RefusalTexts::AssessmentStatus(std::int64_t assessment, std::string_view sent) {
    return Assessment(assessment) + " can only be set to I (removed) or A (reinstated), not " +
           QuotedForError(sent) + ".";
}

std::string RefusalTexts::AssessmentDate(std::int64_t assessment) {
    return Assessment(assessment) + " is not dated with the date of the adjustment.";
}

std::string RefusalTexts::BeforeAssessment(std::int64_t assessment, const CalendarDate& issued) {
    return "The adjustment date is before the date of assessment " + std::to_string(assessment) + ", " +
           issued.FormatUs() + ".";
}

std::string RefusalTexts::AssessmentAmount(std::int64_t assessment) {
    return "The amount of assessment " + std::to_string(assessment) + " is not an amount.";
}

std::string RefusalTexts::AlreadyRemoved(std::int64_t assessment) {
    return Assessment(assessment) + " is already removed and cannot be removed again.";
}

std::string RefusalTexts::NotRemoved(std::int64_t assessment) {
    return Assessment(assessment) + " is not removed, so it cannot be reinstated.";
}

std::string RefusalTexts::PurchaseTime(std::string_view sent) {
    return "The purchase time " + QuotedForError(sent) + " is not a time of day (HH:MM).";
}

std::string RefusalTexts::NoSuchTroop(std::string_view troop) {
    return "There is no troop " + QuotedForError(troop) + ".";
}

std::string RefusalTexts::NoSuchDistrict(std::string_view troop, std::string_view district) {
    return "Troop " + Text(troop) + " has no district " + QuotedForError(district) + ".";
}

} // namespace tavrik
