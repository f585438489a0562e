// The RECEIPT row as every request that answers receipts selects it from "receipt r", its excess
// (OVR_PYMT_AMT) summed from the receipt's excess funds; each request adds its own WHERE and ORDER BY.
#pragma once

#include <string_view>

namespace tavrik {

inline constexpr std::string_view kReceiptSelect =
    "SELECT r.RCPT_DT AS RCPT_DT, r.RCPT_NBR AS RCPT_NBR, "
    "r.RCPT_STTS_CD AS RCPT_STTS_CD, r.TOT_PYMT_AMT AS TOT_PYMT_AMT, "
    "(SELECT SUM(o.OVR_PYMT_AMT) FROM overpayment o WHERE o.RCPT_NBR = r.RCPT_NBR) AS OVR_PYMT_AMT, "
    "r.CUST_ID AS CUST_ID, r.CNFRMTN_NBR AS CNFRMTN_NBR FROM receipt r ";
// Its fields that hold form numbers, for ReadDataSet to write with seven digits.
inline constexpr std::string_view kReceiptFormNumbers[] = {"RCPT_NBR"};

} // namespace tavrik
