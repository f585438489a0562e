// The sentences the back office refuses account requests with (activity, adjustment), kept in one
// place so that every handler and test uses the same words. Accounts appear as "0012345", dates as
// the clerk types them ("mm/dd/yyyy"), and anything a client sent is quoted with QuotedForError.
#pragma once

#include "common/CalendarDate.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tavrik {

class RefusalTexts {
public:
    // Another desk held the store for longer than the back office waits.
    static constexpr std::string_view kBusySaving = "The back office is busy; nothing was saved. Try again.";
    static constexpr std::string_view kBusyReading = "The back office is busy. Try again.";

    static std::string NotUtf8(std::string_view where);

    // Who sends.
    static std::string UnknownUser(std::string_view userId);
    // deed: what the privilege the user lacks lets its holder do ("adjust accounts receivable").
    static std::string MayNot(std::string_view userId, std::string_view deed);

    // A form or receipt number as typed. what: "account number", "receipt number".
    static std::string FormNumberNotValid(std::string_view what, std::string_view sent);
    // shown: the number with the check digit that was typed, "0012345-4".
    static std::string WrongFormCheckDigit(std::string_view what, std::string_view shown);

    // Form numbers handed out.
    static std::string UnknownNumberType(std::string_view type);
    static std::string NumberCount(std::string_view sent, std::int64_t most);
    static std::string NumbersUsedUp(std::string_view type);
    static std::string TemplateType(std::string_view sent);

    // Which AR.
    static std::string AccountNumberNotValid(std::string_view sent);
    static std::string NoSuchAccount(std::string_view account, std::string_view type);
    static std::string ChangedSinceRead(std::string_view account);
    static std::string InactiveAccount(std::string_view account);
    static std::string AccountOnCase(std::string_view account, std::string_view caseId);

    // The rows of an adjustment.
    static std::string RowCount(std::string_view dataSet);
    static std::string RowAction(std::string_view dataSet, std::string_view expected, std::string_view sent);
    static std::string OtherAccount(std::string_view sentNumber, std::string_view sentType,
                                    std::string_view account, std::string_view type);
    static std::string OtherCustomer(std::string_view subject, std::string_view sent,
                                     std::string_view account, std::string_view customer);
    static std::string WrongCheckDigit(std::string_view sent, std::string_view account);
    static std::string NotADate(std::string_view what);
    static std::string AfterToday(std::string_view what, const CalendarDate& day);
    static std::string TooLong(std::string_view what, std::size_t limit);
    static constexpr std::string_view kCommentRequired = "A comment is required for every adjustment.";
    static std::string UnknownAction(std::string_view sent);

    // Void and delete.
    static constexpr std::string_view kActionWithOtherChanges =
        "An action on the whole account receivable cannot be combined with changes to assessments or "
        "License Purchase Option details.";
    static constexpr std::string_view kPaymentPlanAction = "A payment plan cannot be voided or deleted.";
    static constexpr std::string_view kDeleteOnlyForms =
        "Only ENF001, ENF003 and ENF507 forms and temporary permits can be deleted.";
    static std::string GeneratedForm(std::string_view account);

    // Removing and reinstating assessments.
    static constexpr std::string_view kNothingToAdjust =
        "Choose assessments to remove or reinstate, or an action on the whole account receivable.";
    static constexpr std::string_view kAssessmentWithoutNumber =
        "An assessment row lacks the number of its assessment (VLTN_ASSMT_SEQ_NBR).";
    static std::string NotOnAccount(std::int64_t assessment, std::string_view account);
    static std::string AssessmentTwice(std::int64_t assessment);
    static std::string AssessmentStatus(std::int64_t assessment, std::string_view sent);
    static std::string AssessmentDate(std::int64_t assessment);
    static std::string BeforeAssessment(std::int64_t assessment, const CalendarDate& issued);
    static std::string AssessmentAmount(std::int64_t assessment);
    static std::string AlreadyRemoved(std::int64_t assessment);
    static std::string NotRemoved(std::int64_t assessment);
    static constexpr std::string_view kOneLpoFee = "Remove only one LPO fee at a time.";

    // The License Purchase Option.
    static constexpr std::string_view kLpoRequired =
        "Removing an LPO fee requires the License Purchase Option details.";
    static constexpr std::string_view kLpoNotExpected =
        "License Purchase Option details are recorded only when an LPO fee is removed.";
    static constexpr std::string_view kLpoState =
        "Choose whether the licence was bought in state or out of state.";
    static std::string PurchaseTime(std::string_view sent);
    static constexpr std::string_view kTroopRequired = "A troop is required for an in-state purchase.";
    static std::string NoSuchTroop(std::string_view troop);
    static std::string NoSuchDistrict(std::string_view troop, std::string_view district);
    static constexpr std::string_view kWeight = "The weight must be a whole number above zero.";
    static constexpr std::string_view kAmountPaid =
        "The amount paid must be more than $0.00 and at most $9,999,999.99.";
    static constexpr std::string_view kLpoComment =
        "A comment is required for a License Purchase Option without a plate number.";
};

} // namespace tavrik
