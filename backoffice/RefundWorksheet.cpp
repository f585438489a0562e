#include "backoffice/RefundWorksheet.h"

#include "backoffice/ReadDataSet.h"
#include "backoffice/RefundRefusalTexts.h"
#include "backoffice/RefundSelect.h"
#include "backoffice/RefusalTexts.h"
#include "backoffice/RequestError.h"
#include "backoffice/SentTable.h"
#include "common/SevenDigits.h"
#include "common/TextUtil.h"
#include "common/Utf8.h"
#include "store/StoreQuery.h"

#include <algorithm>
#include <utility>

namespace tavrik {

namespace {

// Counted in characters, as the worksheet's boxes limit them.
constexpr std::size_t kLongestComment = 512;
constexpr std::size_t kLongestWarrant = 11;
constexpr std::string_view kVoided = "V";

bool IsFinal(std::string_view status) {
    return status == "5" || status == "T" || status == kVoided;
}

bool IsNextStep(std::string_view stored, std::string_view sent) {
    constexpr std::pair<std::string_view, std::string_view> steps[] = {{"0", "1"}, {"1", "2"}, {"2", "3"},
                                                                       {"3", "4"}, {"3", "T"}, {"4", "5"}};
    return std::ranges::any_of(steps,
                               [&](const auto& step) { return step.first == stored && step.second == sent; });
}

const Privilege& PrivilegeOfStep(std::string_view stored) {
    if (stored == "0")
        return kPrepareRefunds;
    if (stored == "1")
        return kVerifyRefunds;
    if (stored == "2")
        return kApproveRefunds;
    return kIssueRefunds;
}

std::optional<std::string> OptionalText(StoreQuery& query, int column) {
    return query.IsNull(column) ? std::nullopt : std::optional<std::string>(query.Text(column));
}

std::optional<std::int64_t> OptionalInteger(StoreQuery& query, int column) {
    return query.IsNull(column) ? std::nullopt : std::optional<std::int64_t>(query.Integer(column));
}

template <typename Value> void BindOptional(StoreQuery& query, int index, const std::optional<Value>& value) {
    if (value)
        query.Bind(index, *value);
    else
        query.BindNull(index);
}

std::string RequireText(const SentRow& row, std::string_view field, std::string_view refusal,
                        std::string_view what, std::size_t limit) {
    std::string text = row.Text(field);
    if (text.empty())
        Refuse(refusal);
    if (Utf8::Length(text) > limit)
        Refuse(RefusalTexts::TooLong(what, limit));
    return text;
}

CalendarDate RequireDay(const SentRow& row, std::string_view field, std::string_view what,
                        const CalendarDate& today) {
    std::optional<CalendarDate> day = row.Date(field);
    if (!day)
        Refuse(RefusalTexts::NotADate(what));
    if (*day > today)
        Refuse(RefusalTexts::AfterToday(what, *day));
    return *day;
}

} // namespace

ReplyMessage RefundWorksheet::Handle(const RequestMessage& request) {
    const DataTable* rows = SentTable(request, "REFUND");
    if (RowCount(rows) != 1)
        Refuse(RefusalTexts::RowCount("REFUND"));
    SentRow row(*rows, 0);
    std::optional<std::int64_t> number = ParseSevenDigits(row.Text("RFND_NBR"));
    if (!number || *number == 0)
        Refuse(RefundRefusalTexts::RefundNumberNotValid(row.Text("RFND_NBR")));
    ReadStored(*number);

    if (row.Code("STTS_CD") == kVoided)
        Void(request, row);
    else
        SaveStep(request, row);
    Write();

    StoreQuery answer(database_, std::string(kRefundSelect) + "WHERE f.RFND_NBR = ?1");
    answer.Bind(1, worksheet_.number);
    ReplyMessage reply;
    reply.dataSets["REFUND"] = ReadDataSet(answer, "REFUND", kRefundFormNumbers);
    return reply;
}

void RefundWorksheet::ReadStored(std::int64_t number) {
    worksheet_.number = number;
    StoreQuery query(database_, "SELECT CUST_ID, RCPT_NBR, STTS_CD, RFND_TO_CD, RFND_AMT, CREATED_DT, "
                                "CREATOR_ID, VERIFY_ID, APPROVE_ID, RFND_BY_ID, VOID_ID, KDV_CMMT_TXT, "
                                "FISCAL_CMMT_TXT, RFND_CD, WRNT_NBR, RFND_DT, DT_MLD FROM refund "
                                "WHERE RFND_NBR = ?1");
    query.Bind(1, number);
    isStored_ = query.Step();
    if (!isStored_)
        return;
    Stored& stored = worksheet_;
    stored.customerId = query.Text(0);
    stored.receipt = query.Integer(1);
    stored.status = query.Text(2);
    stored.recipient = OptionalText(query, 3);
    stored.amount = query.Integer(4);
    stored.created = OptionalText(query, 5);
    stored.creator = OptionalInteger(query, 6);
    stored.verifier = OptionalInteger(query, 7);
    stored.approver = OptionalInteger(query, 8);
    stored.refunder = OptionalInteger(query, 9);
    stored.voider = OptionalInteger(query, 10);
    stored.headquartersComment = OptionalText(query, 11);
    stored.fiscalComment = OptionalText(query, 12);
    stored.refundCode = OptionalText(query, 13);
    stored.warrant = OptionalText(query, 14);
    stored.refundDay = OptionalText(query, 15);
    stored.mailDay = OptionalText(query, 16);
}

void RefundWorksheet::RequireSameWorksheet(const SentRow& row) const {
    if (row.Text("CUST_ID") != worksheet_.customerId ||
        ParseSevenDigits(row.Text("RCPT_NBR")) != worksheet_.receipt)
        Refuse(RefundRefusalTexts::OtherWorksheet(Shown(), worksheet_.customerId,
                                                  SevenDigits(worksheet_.receipt)));
}

void RefundWorksheet::Void(const RequestMessage& request, const SentRow& row) {
    if (!isStored_)
        Refuse(RefundRefusalTexts::NoSuchRefund(Shown()));
    RequireSameWorksheet(row);
    if (IsFinal(worksheet_.status))
        Refuse(RefundRefusalTexts::Final(Shown(), worksheet_.status));
    if (row.Code("ACTION") != "UPD")
        Refuse(RefusalTexts::RowAction("REFUND", "UPD", row.Text("ACTION")));
    worksheet_.voider = RequirePrivilege(database_, request.userId, kVoidRefunds);
    worksheet_.status = std::string(kVoided);
}

void RefundWorksheet::SaveStep(const RequestMessage& request, const SentRow& row) {
    if (isStored_)
        RequireSameWorksheet(row);
    const std::string stored = worksheet_.status;
    const std::string next = row.Code("STTS_CD");
    if (IsFinal(stored))
        Refuse(RefundRefusalTexts::Final(Shown(), stored));
    if (!IsNextStep(stored, next))
        Refuse(RefundRefusalTexts::NotNextStep(Shown(), stored, row.Text("STTS_CD")));
    const std::string action = stored == "0" ? "ADD" : "UPD";
    if (row.Code("ACTION") != action)
        Refuse(RefusalTexts::RowAction("REFUND", action, row.Text("ACTION")));
    std::int64_t user = RequirePrivilege(database_, request.userId, PrivilegeOfStep(stored));
    if (stored != "4")
        RequireAnotherOfficer(user, request);

    if (stored == "0") {
        if (!isStored_)
            RequireNewWorksheetAllowed(row);
        ReadRecipientAndComment(row);
        ReadAmount(row);
        worksheet_.created = now_.Day().FormatIso();
        worksheet_.creator = user;
    } else if (stored == "1" || stored == "2") {
        ReadRecipientAndComment(row);
        (stored == "1" ? worksheet_.verifier : worksheet_.approver) = user;
    } else if (stored == "3") {
        ReadRefundOrTransfer(row, next);
        worksheet_.refunder = user;
        if (next == "T")
            CloseExcessFund("T");
    } else {
        ReadMailed(row);
        CloseExcessFund("R");
    }
    worksheet_.status = next;
}

// A new worksheet takes a number the back office handed out and refunds an open excess fund of the
// receipt that no worksheet in progress holds already.
void RefundWorksheet::RequireNewWorksheetAllowed(const SentRow& row) {
    StoreQuery handedOut(database_, "SELECT NEXT_NBR FROM form_number WHERE NBR_TYP_CD = 'U'");
    if (!handedOut.Step() || worksheet_.number >= handedOut.Integer(0))
        Refuse(RefundRefusalTexts::NotHandedOut(Shown()));

    worksheet_.customerId = row.Text("CUST_ID");
    std::optional<std::int64_t> receipt = ParseSevenDigits(row.Text("RCPT_NBR"));
    worksheet_.receipt = receipt.value_or(0);
    StoreQuery held(database_, "SELECT RFND_NBR FROM refund WHERE RCPT_NBR = ?1 AND STTS_CD NOT IN "
                               "('5', 'T', 'V') ORDER BY RFND_NBR");
    held.Bind(1, worksheet_.receipt);
    if (held.Step())
        Refuse(RefundRefusalTexts::InProgress(SevenDigits(worksheet_.receipt), SevenDigits(held.Integer(0))));
    StoreQuery open(database_, "SELECT 1 FROM overpayment WHERE RCPT_NBR = ?1 AND CUST_ID = ?2 AND "
                               "OVR_PYMT_STTS_CD = 'O'");
    open.Bind(1, worksheet_.receipt).Bind(2, worksheet_.customerId);
    if (!receipt || !open.Step())
        Refuse(RefundRefusalTexts::NoOpenExcess(row.Text("RCPT_NBR"), worksheet_.customerId));
}

void RefundWorksheet::RequireAnotherOfficer(std::int64_t user, const RequestMessage& request) const {
    for (const std::optional<std::int64_t>& officer :
         {worksheet_.creator, worksheet_.verifier, worksheet_.approver, worksheet_.refunder})
        if (officer == user)
            Refuse(RefundRefusalTexts::SameOfficer(ToUpper(Trim(request.userId)), Shown()));
}

void RefundWorksheet::ReadRecipientAndComment(const SentRow& row) {
    std::string recipient = row.Code("TO");
    if (recipient != "2" && recipient != "3" && recipient != "4")
        Refuse(RefundRefusalTexts::kRecipient);
    worksheet_.recipient = recipient;
    worksheet_.headquartersComment =
        RequireText(row, "KDV_CMMT_TXT", RefundRefusalTexts::kHeadquartersComment, "headquarters comment",
                    kLongestComment);
}

void RefundWorksheet::ReadAmount(const SentRow& row) {
    std::optional<Currency> amount = row.Amount("RFND_AMT");
    if (!amount)
        Refuse(RefundRefusalTexts::kAmount);
    if (isStored_) {
        if (amount->Units() != worksheet_.amount)
            Refuse(RefundRefusalTexts::AmountNotExcess(*amount, SevenDigits(worksheet_.receipt)));
        return;
    }
    StoreQuery excess(database_, "SELECT 1 FROM overpayment WHERE RCPT_NBR = ?1 AND CUST_ID = ?2 AND "
                                 "OVR_PYMT_STTS_CD = 'O' AND OVR_PYMT_AMT = ?3");
    excess.Bind(1, worksheet_.receipt).Bind(2, worksheet_.customerId).Bind(3, amount->Units());
    if (!excess.Step())
        Refuse(RefundRefusalTexts::AmountNotExcess(*amount, SevenDigits(worksheet_.receipt)));
    worksheet_.amount = amount->Units();
}

void RefundWorksheet::ReadRefundOrTransfer(const SentRow& row, const std::string& next) {
    std::string code = row.Code("RFND_CD");
    if (code != "0" && code != "1")
        Refuse(RefundRefusalTexts::kRefundCode);
    if ((code == "0") != (next == "T"))
        Refuse(RefundRefusalTexts::kRefundCodeStatus);
    worksheet_.refundCode = code;
    if (!row.IsBlank("FISCAL_CMMT_TXT") || code == "0")
        worksheet_.fiscalComment = RequireText(row, "FISCAL_CMMT_TXT", RefundRefusalTexts::kFiscalComment,
                                               "fiscal description", kLongestComment);
    if (code == "0")
        return;
    worksheet_.warrant =
        RequireText(row, "WRNT_NBR", RefundRefusalTexts::kWarrant, "warrant number", kLongestWarrant);
    worksheet_.refundDay = RequireDay(row, "RFND_DT", "refund date", now_.Day()).FormatIso();
}

void RefundWorksheet::ReadMailed(const SentRow& row) {
    CalendarDate mailed = RequireDay(row, "DT_MLD", "date mailed", now_.Day());
    std::optional<CalendarDate> refunded =
        CalendarDate::ParseIso(worksheet_.refundDay.value_or(std::string()));
    if (refunded && mailed < *refunded)
        Refuse(RefundRefusalTexts::MailedBeforeRefund(mailed, *refunded));
    worksheet_.mailDay = mailed.FormatIso();
}

// The excess fund the worksheet refunds: the receipt's first open one of the worksheet's amount.
void RefundWorksheet::CloseExcessFund(std::string_view status) {
    StoreQuery find(database_, "SELECT MIN(OVR_PYMT_ID) FROM overpayment WHERE RCPT_NBR = ?1 AND "
                               "OVR_PYMT_STTS_CD = 'O' AND OVR_PYMT_AMT = ?2");
    find.Bind(1, worksheet_.receipt).Bind(2, worksheet_.amount);
    if (!find.Step() || find.IsNull(0))
        Refuse(RefundRefusalTexts::ExcessNotOpen(SevenDigits(worksheet_.receipt)));
    StoreQuery close(database_, "UPDATE overpayment SET OVR_PYMT_STTS_CD = ?1, ROW_VERSION = ROW_VERSION + 1 "
                                "WHERE OVR_PYMT_ID = ?2");
    close.Bind(1, status).Bind(2, find.Integer(0));
    close.Run();
}

void RefundWorksheet::Write() {
    StoreQuery write(database_,
                     isStored_
                         ? "UPDATE refund SET CUST_ID = ?2, RCPT_NBR = ?3, STTS_CD = ?4, RFND_TO_CD = ?5, "
                           "RFND_AMT = ?6, CREATED_DT = ?7, CREATOR_ID = ?8, VERIFY_ID = ?9, "
                           "APPROVE_ID = ?10, RFND_BY_ID = ?11, VOID_ID = ?12, KDV_CMMT_TXT = ?13, "
                           "FISCAL_CMMT_TXT = ?14, RFND_CD = ?15, WRNT_NBR = ?16, RFND_DT = ?17, "
                           "DT_MLD = ?18, ROW_VERSION = ROW_VERSION + 1 WHERE RFND_NBR = ?1"
                         : "INSERT INTO refund (RFND_NBR, CUST_ID, RCPT_NBR, STTS_CD, RFND_TO_CD, "
                           "RFND_AMT, CREATED_DT, CREATOR_ID, VERIFY_ID, APPROVE_ID, RFND_BY_ID, "
                           "VOID_ID, KDV_CMMT_TXT, FISCAL_CMMT_TXT, RFND_CD, WRNT_NBR, RFND_DT, "
                           "DT_MLD) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, "
                           "?14, ?15, ?16, ?17, ?18)");
    const Stored& w = worksheet_;
    write.Bind(1, w.number).Bind(2, w.customerId).Bind(3, w.receipt).Bind(4, w.status);
    BindOptional(write, 5, w.recipient);
    write.Bind(6, w.amount);
    BindOptional(write, 7, w.created);
    BindOptional(write, 8, w.creator);
    BindOptional(write, 9, w.verifier);
    BindOptional(write, 10, w.approver);
    BindOptional(write, 11, w.refunder);
    BindOptional(write, 12, w.voider);
    BindOptional(write, 13, w.headquartersComment);
    BindOptional(write, 14, w.fiscalComment);
    BindOptional(write, 15, w.refundCode);
    BindOptional(write, 16, w.warrant);
    BindOptional(write, 17, w.refundDay);
    BindOptional(write, 18, w.mailDay);
    write.Run();
}

std::string RefundWorksheet::Shown() const {
    return SevenDigits(worksheet_.number);
}

} // namespace tavrik
