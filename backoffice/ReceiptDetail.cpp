#include "backoffice/ReceiptDetail.h"

#include "backoffice/ReadDataSet.h"
#include "backoffice/ReceiptRefunds.h"
#include "backoffice/ReceiptSelect.h"
#include "backoffice/StoredReceipt.h"
#include "store/StoreQuery.h"

#include <string>

namespace tavrik {

namespace {

DataTable ReadRows(StoreConnection& database, std::string_view sql, std::int64_t receipt,
                   std::string_view dataSet, std::span<const std::string_view> formNumbers) {
    StoreQuery query(database, sql);
    query.Bind(1, receipt);
    return ReadDataSet(query, dataSet, formNumbers);
}

constexpr std::string_view kFundFormNumbers[] = {"FRCPT_NBR"};
constexpr std::string_view kPaymentFormNumbers[] = {kAccountFormNumbers[0], "RCPT_NBR"};
constexpr std::string_view kExcessFormNumbers[] = {"DSTNTN_RCPT_NBR"};

} // namespace

ReplyMessage ReceiptDetail::Handle(const RequestMessage& request) {
    return Read(StoredReceipt::Requested(database_, request).number);
}

// The fields the form fills itself stay null: FORM_DESC and FUND_DESC (code descriptions), FUND_EXPR
// (built from the expiry month, day and year) and ACTION (the clerk's choice).
ReplyMessage ReceiptDetail::Read(std::int64_t receipt) {
    ReplyMessage reply;
    reply.dataSets["RECEIPT"] = ReadRows(database_, std::string(kReceiptSelect) + "WHERE r.RCPT_NBR = ?1",
                                         receipt, "RECEIPT", kReceiptFormNumbers);
    reply.dataSets["FUND"] = ReadRows(
        database_,
        "SELECT f.FUND_TYP_CD AS FUND_TYP_CD, f.FUND_RFRNC_NBR AS FUND_RFRNC_NBR, f.FUND_AMT AS FUND_AMT, "
        "f.RCPT_NBR AS FRCPT_NBR, f.EXPRTN_MO_DT AS EXPRTN_MO_DT, "
        "f.EXPRTN_DY_DT AS EXPRTN_DY_DT, f.EXPRTN_YR_DT AS EXPRTN_YR_DT "
        "FROM fund f WHERE f.RCPT_NBR = ?1 ORDER BY f.FUND_ID",
        receipt, "FUND", kFundFormNumbers);
    reply.dataSets["ACNTSRCVBL"] = ReadRows(
        database_,
        "SELECT a.CUST_ID AS CUST_ID, c.CUST_NM AS CUST_NAME, "
        "a.ACCT_RCVBL_NBR AS ACCT_RCVBL_NBR, "
        "CAST(a.ACCT_RCVBL_CK_NBR AS TEXT) AS ACCT_RCVBL_CK_NBR, a.ACCT_RCVBL_TYP_CD AS ACCT_RCVBL_TYP_CD, "
        "a.ACCT_RCVBL_DUE_DT AS ACCT_RCVBL_DUE_DT, p.CL_PYMT_AMT AS CL_PYMT_AMT, p.ADJSTMT_DT AS ADJSTMT_DT, "
        "p.ACTVTY_STTS_CD AS ACTVTY_STTS_CD, p.TRNSCTN_NBR AS TRNSCTN_NBR, p.TRNSCTN_DT AS TRNSCTN_DT, "
        "p.PYMT_DT AS PYMT_DT, p.PYMT_NBR AS PYMT_NBR, p.STTS_CD AS STTS_CD, "
        "p.RCPT_NBR AS RCPT_NBR, a.ACCT_STTS_CD AS ACCT_STTS_CD, "
        "a.ACTV_STTS_CD AS ACTV_STTS_CD, a.ASSMT_PP_TYP_CD AS ASSMT_PP_TYP_CD, a.INSTLMT_NBR AS INSTLMT_NBR "
        "FROM payment p JOIN acct_rcvbl a ON a.ACCT_RCVBL_NBR = p.ACCT_RCVBL_NBR "
        "JOIN customer c ON c.CUST_ID = a.CUST_ID "
        "WHERE p.RCPT_NBR = ?1 ORDER BY a.CUST_ID, a.ACCT_RCVBL_NBR, p.PYMT_NBR",
        receipt, "ACNTSRCVBL", kPaymentFormNumbers);
    reply.dataSets["OVERPAYMENT"] = ReadRows(
        database_,
        "SELECT c.CUST_NM AS CUST_NM, o.OVR_PYMT_DT AS OVR_PYMT_DT, o.OVR_PYMT_TM AS OVR_PYMT_TM, "
        "o.DSTNTN_RCPT_NBR AS DSTNTN_RCPT_NBR, "
        "o.OVR_PYMT_AMT AS OVR_PYMT_AMT, o.CUST_ID AS CUST_ID, c.ADDR_1 AS ADDR_1, c.ADR_2_ADR AS ADDR_2, "
        "c.CITY AS CITY, c.STATE AS STATE, c.ZIP AS ZIP, o.OVR_PYMT_STTS_CD AS OVR_PYMT_STTS_CD, "
        "o.OVR_PYMT_ID AS OVR_PYMT_ID FROM overpayment o JOIN customer c ON c.CUST_ID = o.CUST_ID "
        "WHERE o.RCPT_NBR = ?1 ORDER BY o.OVR_PYMT_ID",
        receipt, "OVERPAYMENT", kExcessFormNumbers);
    DataTable refunds = ReceiptRefunds(database_).All(receipt);
    if (!refunds.IsEmpty())
        reply.dataSets["REFUND"] = std::move(refunds);
    return reply;
}

} // namespace tavrik
