#include "backoffice/ReferenceSearch.h"

#include "backoffice/AccountAssessments.h"
#include "backoffice/ReadDataSet.h"
#include "backoffice/ReceiptDetail.h"
#include "backoffice/ReceiptSelect.h"
#include "backoffice/RequestError.h"
#include "backoffice/RequestKeys.h"
#include "backoffice/RequireFormNumber.h"
#include "common/TextUtil.h"
#include "store/StoreQuery.h"

namespace tavrik {

namespace {

constexpr std::size_t kLongestCheckNumber = 20;

std::vector<std::string> ReadCustomers(StoreQuery& query) {
    std::vector<std::string> customers;
    while (query.Step())
        customers.push_back(query.Text(0));
    return customers;
}

void AppendRows(DataTable& into, DataTable&& from) {
    if (into.Fields().empty()) {
        into = std::move(from);
        return;
    }
    for (std::size_t row = 0; row < from.RowCount(); ++row)
        into.AddRowFrom(from, row);
}

} // namespace

ReplyMessage ReferenceSearch::Handle(const RequestMessage& request) {
    if (KeyValue(request, "key:RECEIPT_NBR"))
        return ReceiptDetail(database_).Handle(request);
    std::string type = ToUpper(RequiredKeyValue(request, "key:REF_TYP_CD", "the account type"));
    std::string reference = RequiredKeyValue(request, "key:REF_NBR", "the account number");
    bool accountDetail = KeyValue(request, "key:LPO").has_value();

    bool accountType = type == "C" || type == "T" || type == "P" || type == "A";
    if (accountDetail && !accountType)
        throw RequestError("Assessments are kept only for account types C, T, P and A, not for " +
                           QuotedForError(type) + ".");
    if (accountType) {
        std::int64_t number = RequireFormNumber(reference, "account number");
        if (accountDetail)
            return Assessments(number, type);
        return CustomerLists(CustomersOfAccount(number, type));
    }
    if (type == "R")
        return CustomerLists(CustomersOfReceipt(RequireFormNumber(reference, "receipt number")));
    if (type == "K") {
        if (reference.size() > kLongestCheckNumber || !IsAlphaNumeric(reference))
            throw RequestError("The check number " + QuotedForError(reference) +
                               " is not valid: use only letters and digits, at most 20.");
        return CustomerLists(CustomersOfCheck(ToUpper(reference)));
    }
    throw RequestError("The back office cannot search by the account type " + QuotedForError(type) + ".");
}

std::vector<std::string> ReferenceSearch::CustomersOfAccount(std::int64_t number, const std::string& type) {
    StoreQuery query(database_,
                     "SELECT CUST_ID FROM acct_rcvbl WHERE ACCT_RCVBL_NBR = ?1 AND ACCT_RCVBL_TYP_CD = ?2");
    query.Bind(1, number).Bind(2, type);
    return ReadCustomers(query);
}

std::vector<std::string> ReferenceSearch::CustomersOfReceipt(std::int64_t number) {
    StoreQuery query(database_, "SELECT CUST_ID FROM receipt WHERE RCPT_NBR = ?1");
    query.Bind(1, number);
    return ReadCustomers(query);
}

std::vector<std::string> ReferenceSearch::CustomersOfCheck(const std::string& checkNumber) {
    // The same check number may have been written by several customers; each one's lists come back.
    StoreQuery query(database_,
                     "SELECT DISTINCT r.CUST_ID FROM fund f JOIN receipt r ON r.RCPT_NBR = f.RCPT_NBR "
                     "WHERE f.FUND_TYP_CD = 'K' AND f.FUND_RFRNC_NBR = ?1 ORDER BY r.CUST_ID");
    query.Bind(1, checkNumber);
    return ReadCustomers(query);
}

ReplyMessage ReferenceSearch::CustomerLists(const std::vector<std::string>& customers) {
    ReplyMessage reply;
    if (customers.empty())
        return reply;

    StoreQuery accounts(
        database_,
        "SELECT a.CUST_ID AS CUST_ID, c.CUST_NM AS CUST_NAME, a.ACCT_RCVBL_NBR AS ACCT_RCVBL_NBR, "
        "CAST(a.ACCT_RCVBL_CK_NBR AS TEXT) AS ACCT_RCVBL_CK_NBR, a.ACCT_RCVBL_TYP_CD AS ACCT_RCVBL_TYP_CD, "
        "a.STP_DT AS STP_DT, a.ACCT_RCVBL_DUE_DT AS ACCT_RCVBL_DUE_DT, a.ORIG_ASSMT_AMT AS ORIG_ASSMT_AMT, "
        "a.LTE_FEE_AMT AS LTE_FEE_AMT, a.ACRD_INTRST_AMT AS ACRD_INTRST_AMT, "
        "a.ACCT_RCVBL_DUE_AMT AS ACCT_RCVBL_DUE_AMT, a.ACCT_RCVBL_BAL_AMT AS ACCT_RCVBL_BAL_AMT, "
        "a.ACCT_STTS_CD AS ACCT_STTS_CD, a.ACTV_STTS_CD AS ACTV_STTS_CD, a.CASE_ID AS CASE_ID, "
        "a.ASSMT_PP_TYP_CD AS ASSMT_PP_TYP_CD, a.INSTLMT_NBR AS INSTLMT_NBR "
        "FROM acct_rcvbl a JOIN customer c ON c.CUST_ID = a.CUST_ID "
        "WHERE a.CUST_ID = ?1 ORDER BY a.ACCT_RCVBL_NBR");
    StoreQuery receipts(database_, std::string(kReceiptSelect) + "WHERE r.CUST_ID = ?1 ORDER BY r.RCPT_NBR");

    DataTable& accountRows = reply.dataSets["ACNTSRCVBL"];
    DataTable& receiptRows = reply.dataSets["RECEIPT"];
    for (const std::string& customer : customers) {
        accounts.Reset();
        accounts.Bind(1, customer);
        AppendRows(accountRows, ReadDataSet(accounts, "ACNTSRCVBL", kAccountFormNumbers));
        receipts.Reset();
        receipts.Bind(1, customer);
        AppendRows(receiptRows, ReadDataSet(receipts, "RECEIPT", kReceiptFormNumbers));
    }
    // The document lists ARs by customer and number and receipts by number; rows that already come in
    // that order say so, and its sort has nothing to do.
    accountRows.NoteOrder(SortOrder::Parse("CUST_ID,ACCT_RCVBL_NBR", accountRows));
    receiptRows.NoteOrder(SortOrder::Parse("RCPT_NBR", receiptRows));
    return reply;
}

ReplyMessage ReferenceSearch::Assessments(std::int64_t number, const std::string& type) {
    ReplyMessage reply;
    reply.dataSets["ASSESSMENT"] = AccountAssessments(database_, number, type);
    return reply;
}

} // namespace tavrik
