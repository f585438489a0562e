#include "backoffice/AccountAssessments.h"

#include "backoffice/ReadDataSet.h"
#include "store/StoreQuery.h"

namespace tavrik {

DataTable AccountAssessments(StoreConnection& database, std::int64_t number, std::string_view type) {
    StoreQuery query(
        database,
        "SELECT s.VLTN_ASSMT_STTS_CD AS VLTN_ASSMT_STTS_CD, s.VLTN_ASSMT_SEQ_NBR AS VLTN_ASSMT_SEQ_NBR, "
        "s.TRNSCTN_NBR AS TRNSCTN_NBR, a.CUST_ID AS CUST_ID, c.CUST_NM AS CUST_NM, "
        "s.ASSMT_ISSUE_DT AS ASSMT_ISSUE_DT, s.ADJSTMT_DT AS ADJSTMT_DT, s.ASSMT_CD AS ASSMT_CD, "
        "s.CL_ASMT_AMT AS CL_ASMT_AMT, s.AC_ASMT_AMT AS AC_ASMT_AMT, s.BAL_DUE_AMT AS BAL_DUE_AMT, "
        "s.LIC_PRCHS_OPTN_IND AS LIC_PRCHS_OPTN_IND "
        "FROM acct_rcvbl a JOIN customer c ON c.CUST_ID = a.CUST_ID "
        "JOIN assessment s ON s.ACCT_RCVBL_NBR = a.ACCT_RCVBL_NBR "
        "WHERE a.ACCT_RCVBL_NBR = ?1 AND a.ACCT_RCVBL_TYP_CD = ?2 ORDER BY s.VLTN_ASSMT_SEQ_NBR");
    query.Bind(1, number).Bind(2, type);
    return ReadDataSet(query, "ASSESSMENT");
}

} // namespace tavrik
