#include "backoffice/AccountAdjustment.h"

#include "backoffice/AccountAssessments.h"
#include "backoffice/ActivityLog.h"
#include "backoffice/RefusalTexts.h"
#include "backoffice/RequestError.h"
#include "backoffice/RequestKeys.h"
#include "backoffice/RequireAdjustmentComment.h"
#include "backoffice/RequirePrivilege.h"
#include "backoffice/SentTable.h"
#include "common/AdjustmentRules.h"
#include "common/SevenDigits.h"
#include "common/TextUtil.h"
#include "store/StoreQuery.h"

#include <algorithm>
#include <set>
#include <stdexcept>

namespace tavrik {

namespace {

std::optional<Currency> StoredAmount(const StoreQuery& query, int column) {
    if (query.IsNull(column))
        return std::nullopt;
    return Currency::FromUnits(query.Integer(column));
}

} // namespace

ReplyMessage AccountAdjustment::Handle(const RequestMessage& request) {
    userNumber_ = std::to_string(RequirePrivilege(database_, request.userId, kAdjustAccounts));
    std::string number = RequiredKeyValue(request, "key:REF_NBR", "the account number");
    std::string type = ToUpper(RequiredKeyValue(request, "key:REF_TYP_CD", "the account type"));
    account_ = StoredAccount::Find(database_, number, type);

    const DataTable* adjustment = SentTable(request, "ADJUSTAR");
    if (RowCount(adjustment) != 1)
        Refuse(RefusalTexts::RowCount("ADJUSTAR"));
    ReadAdjustment(SentRow(*adjustment, 0));
    RequireAdjustable();

    if (!action_.empty()) {
        CheckWholeAccountAction(request);
        ApplyWholeAccountAction();
    } else {
        std::vector<Change> changes = ReadChanges(SentTable(request, "ASSESSMENT"));
        std::optional<LicensePurchaseOption> lpo = ReadLpo(SentTable(request, "CTTNADTNINFO"), changes);
        ApplyChanges(changes);
        if (lpo) {
            lpo->Store(database_, account_.number);
            Record("LP", Currency());
        }
    }

    ReplyMessage reply;
    reply.dataSets["ASSESSMENT"] = AccountAssessments(database_, account_.number, account_.type);
    return reply;
}

void AccountAdjustment::ReadAdjustment(const SentRow& row) {
    if (row.Code("ACTION") != "ADD")
        Refuse(RefusalTexts::RowAction("ADJUSTAR", "ADD", row.Text("ACTION")));
    std::string sentNumber = row.Text("ACCT_RCVBL_NBR");
    std::string sentType = row.Code("ACCT_RCVBL_TYP_CD");
    if (ParseSevenDigits(sentNumber) != account_.number || sentType != account_.type)
        Refuse(RefusalTexts::OtherAccount(sentNumber, sentType, account_.Shown(), account_.type));
    if (row.Text("CUST_ID") != account_.customerId)
        Refuse(RefusalTexts::OtherCustomer("The adjustment", row.Text("CUST_ID"), account_.Shown(),
                                           account_.customerId));
    if (row.Integer("ACCT_RCVBL_CK_NBR") != account_.checkDigit)
        Refuse(RefusalTexts::WrongCheckDigit(row.Text("ACCT_RCVBL_CK_NBR"), account_.Shown()));

    std::optional<CalendarDate> day = row.Date("ADJSTMT_DT");
    if (!day)
        Refuse(RefusalTexts::NotADate("adjustment date"));
    if (*day > now_.Day())
        Refuse(RefusalTexts::AfterToday("adjustment date", *day));
    day_ = *day;

    comment_ = RequireAdjustmentComment(row.Text("ADJST_CMMT_TXT"));

    action_ = row.Code("ADJSTMT_TYP_CD");
    if (!action_.empty() && action_ != "V" && action_ != "D")
        Refuse(RefusalTexts::UnknownAction(row.Text("ADJSTMT_TYP_CD")));
}

void AccountAdjustment::RequireAdjustable() const {
    if (account_.activeStatus == "I")
        Refuse(RefusalTexts::InactiveAccount(account_.Shown()));
    if (account_.caseId)
        Refuse(RefusalTexts::AccountOnCase(account_.Shown(), *account_.caseId));
    // The form offers nothing but delete on a voided AR, and nothing at all on a deleted one: such a
    // request was built before someone else voided or deleted it.
    if (account_.status == "D" || (account_.status == "V" && action_ != "D"))
        Refuse(RefusalTexts::ChangedSinceRead(account_.Shown()));
}

void AccountAdjustment::CheckWholeAccountAction(const RequestMessage& request) const {
    if (RowCount(SentTable(request, "ASSESSMENT")) != 0 || RowCount(SentTable(request, "CTTNADTNINFO")) != 0)
        Refuse(RefusalTexts::kActionWithOtherChanges);
    if (account_.type == "P")
        Refuse(RefusalTexts::kPaymentPlanAction);
    if (action_ != "D")
        return;
    if (!AdjustmentRules::IsDeletableType(account_.type))
        Refuse(RefusalTexts::kDeleteOnlyForms);
    if (AdjustmentRules::IsGeneratedForm(account_.number))
        Refuse(RefusalTexts::GeneratedForm(account_.Shown()));
}

std::vector<AccountAdjustment::StoredAssessment> AccountAdjustment::StoredAssessments() const {
    StoreQuery query(database_, "SELECT VLTN_ASSMT_SEQ_NBR, TRNSCTN_NBR, ASSMT_CD, ASSMT_ISSUE_DT, "
                                "CL_ASMT_AMT, AC_ASMT_AMT, BAL_DUE_AMT, VLTN_ASSMT_STTS_CD, "
                                "LIC_PRCHS_OPTN_IND FROM assessment WHERE ACCT_RCVBL_NBR = ?1 "
                                "ORDER BY VLTN_ASSMT_SEQ_NBR");
    query.Bind(1, account_.number);
    std::vector<StoredAssessment> assessments;
    while (query.Step()) {
        StoredAssessment& each = assessments.emplace_back();
        each.sequence = query.Integer(0);
        each.transaction = query.Integer(1);
        each.code = query.Text(2);
        std::optional<CalendarDate> issued = CalendarDate::ParseIso(query.Text(3));
        if (!issued)
            throw std::runtime_error("The back office holds the day \"" + query.Text(3) +
                                     "\" in ASSMT_ISSUE_DT, "
                                     "which is not a date.");
        each.issued = *issued;
        each.clerkAmount = Currency::FromUnits(query.Integer(4));
        each.lpoAmount = StoredAmount(query, 5);
        each.balanceDue = StoredAmount(query, 6);
        each.active = query.Text(7) == "A";
        each.lpo = ToUpper(Trim(query.Text(8))) == "Y";
    }
    return assessments;
}

std::vector<AccountAdjustment::Change> AccountAdjustment::ReadChanges(const DataTable* rows) const {
    if (RowCount(rows) == 0)
        Refuse(RefusalTexts::kNothingToAdjust);
    std::vector<StoredAssessment> stored = StoredAssessments();
    std::vector<Change> changes;
    std::set<std::int64_t> seen;
    int lpoFeesRemoved = 0;
    for (std::size_t index = 0; index < rows->RowCount(); ++index) {
        Change change = ReadChange(SentRow(*rows, index), stored);
        if (!seen.insert(change.assessment.sequence).second)
            Refuse(RefusalTexts::AssessmentTwice(change.assessment.sequence));
        if (change.removal && AdjustmentRules::IsLpoFee(change.assessment.code))
            ++lpoFeesRemoved;
        changes.push_back(std::move(change));
    }
    if (lpoFeesRemoved > 1)
        Refuse(RefusalTexts::kOneLpoFee);
    return changes;
}

AccountAdjustment::Change AccountAdjustment::ReadChange(const SentRow& row,
                                                        const std::vector<StoredAssessment>& stored) const {
    if (row.Code("ACTION") != "UPD")
        Refuse(RefusalTexts::RowAction("ASSESSMENT", "UPD", row.Text("ACTION")));
    std::optional<std::int64_t> sequence = row.Integer("VLTN_ASSMT_SEQ_NBR");
    if (!sequence)
        Refuse(RefusalTexts::kAssessmentWithoutNumber);
    auto found = std::find_if(stored.begin(), stored.end(),
                              [&](const StoredAssessment& each) { return each.sequence == *sequence; });
    if (found == stored.end())
        Refuse(RefusalTexts::NotOnAccount(*sequence, account_.Shown()));
    const StoredAssessment& assessment = *found;

    if (row.Text("CUST_ID") != account_.customerId)
        Refuse(RefusalTexts::OtherCustomer("Assessment " + std::to_string(*sequence), row.Text("CUST_ID"),
                                           account_.Shown(), account_.customerId));
    std::string status = row.Code("VLTN_ASSMT_STTS_CD");
    if (status != "I" && status != "A")
        Refuse(RefusalTexts::AssessmentStatus(*sequence, row.Text("VLTN_ASSMT_STTS_CD")));
    if (row.Date("ADJSTMT_DT") != day_)
        Refuse(RefusalTexts::AssessmentDate(*sequence));
    if (day_ < assessment.issued)
        Refuse(RefusalTexts::BeforeAssessment(*sequence, assessment.issued));

    std::string_view amountField = assessment.lpo ? "AC_ASMT_AMT" : "CL_ASMT_AMT";
    std::optional<Currency> amount = row.Amount(amountField);
    if (!amount && !row.Value(amountField).IsNull())
        Refuse(RefusalTexts::AssessmentAmount(*sequence));
    // TRNSCTN_NBR is renewed with every change of the assessment, so a row read before another
    // clerk's save no longer matches; code and amount guard against a client that mixed rows up.
    if (row.Integer("TRNSCTN_NBR") != assessment.transaction || row.Text("ASSMT_CD") != assessment.code ||
        amount != assessment.ShownAmount())
        Refuse(RefusalTexts::ChangedSinceRead(account_.Shown()));

    bool removal = status == "I";
    if (removal && !assessment.active)
        Refuse(RefusalTexts::AlreadyRemoved(*sequence));
    if (!removal && assessment.active)
        Refuse(RefusalTexts::NotRemoved(*sequence));
    return {assessment, removal};
}

// The LPO is recorded exactly when an LPO fee is removed: the form asks for it then and only then.
std::optional<LicensePurchaseOption> AccountAdjustment::ReadLpo(const DataTable* rows,
                                                                const std::vector<Change>& changes) const {
    bool lpoFeeRemoved = std::any_of(changes.begin(), changes.end(), [](const Change& change) {
        return change.removal && change.assessment.lpo;
    });
    if (lpoFeeRemoved && RowCount(rows) == 0)
        Refuse(RefusalTexts::kLpoRequired);
    if (!lpoFeeRemoved && RowCount(rows) != 0)
        Refuse(RefusalTexts::kLpoNotExpected);
    if (!lpoFeeRemoved)
        return std::nullopt;
    if (RowCount(rows) > 1)
        Refuse(RefusalTexts::RowCount("CTTNADTNINFO"));
    return LicensePurchaseOption::FromRow(database_, SentRow(*rows, 0), now_.Day());
}

void AccountAdjustment::ApplyWholeAccountAction() {
    Currency before = account_.balance;
    for (const StoredAssessment& assessment : StoredAssessments())
        if (assessment.active)
            SetAssessment(assessment.sequence, "I", Currency());
    account_.balance = Currency();
    SaveAccount(action_);
    Record(action_ == "V" ? "VD" : "DL", -before);
}

void AccountAdjustment::ApplyChanges(const std::vector<Change>& changes) {
    for (const Change& change : changes) {
        const StoredAssessment& assessment = change.assessment;
        if (change.removal) {
            Currency owed = assessment.balanceDue.value_or(Currency());
            SetAssessment(assessment.sequence, "I", Currency());
            account_.balance -= owed;
            account_.due -= assessment.Amount();
            Record("RM", -owed);
        } else {
            SetAssessment(assessment.sequence, "A", assessment.Amount());
            account_.balance += assessment.Amount();
            account_.due += assessment.Amount();
            Record("RI", assessment.Amount());
        }
    }
    SaveAccount(std::nullopt);
}

void AccountAdjustment::SetAssessment(std::int64_t sequence, std::string_view status, Currency balanceDue) {
    if (nextTransaction_ == 0) {
        StoreQuery highest(database_,
                           "SELECT COALESCE(MAX(TRNSCTN_NBR), 0) FROM (SELECT TRNSCTN_NBR FROM assessment "
                           "UNION ALL SELECT TRNSCTN_NBR FROM payment) AS used");
        highest.Step();
        nextTransaction_ = highest.Integer(0) + 1;
    }
    StoreQuery update(database_, "UPDATE assessment SET VLTN_ASSMT_STTS_CD = ?1, BAL_DUE_AMT = ?2, "
                                 "ADJSTMT_DT = ?3, TRNSCTN_NBR = ?4, ROW_VERSION = ROW_VERSION + 1 "
                                 "WHERE ACCT_RCVBL_NBR = ?5 AND VLTN_ASSMT_SEQ_NBR = ?6");
    update.Bind(1, status)
        .Bind(2, balanceDue.Units())
        .Bind(3, day_.FormatIso())
        .Bind(4, nextTransaction_++)
        .Bind(5, account_.number)
        .Bind(6, sequence);
    update.Run();
}

void AccountAdjustment::SaveAccount(std::optional<std::string_view> status) {
    StoreQuery update(database_, "UPDATE acct_rcvbl SET ACCT_STTS_CD = COALESCE(?1, ACCT_STTS_CD), "
                                 "ACCT_RCVBL_BAL_AMT = ?2, ACCT_RCVBL_DUE_AMT = ?3, "
                                 "ROW_VERSION = ROW_VERSION + 1 WHERE ACCT_RCVBL_NBR = ?4");
    update.Bind(1, status)
        .Bind(2, account_.balance.Units())
        .Bind(3, account_.due.Units())
        .Bind(4, account_.number);
    update.Run();
}

void AccountAdjustment::Record(std::string_view activityCode, Currency amount) {
    ActivityLog(database_, now_, userNumber_)
        .Record(account_.number, day_, activityCode, amount, account_.balance, comment_);
}

} // namespace tavrik
