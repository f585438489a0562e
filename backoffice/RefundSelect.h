// The REFUND row as every request that answers refund worksheets selects it from "refund f" with its
// customer's name and address; each request adds its own WHERE and ORDER BY.
#pragma once

#include <string_view>

namespace tavrik {

inline constexpr std::string_view kRefundSelect =
    "SELECT f.CUST_ID AS CUST_ID, f.RFND_NBR AS RFND_NBR, "
    "f.STTS_CD AS STTS_CD, c.CUST_NM AS CUST_NM, c.ADDR_1 AS ADDR_1, c.ADR_2_ADR AS ADR_2_ADR, "
    "c.CITY AS CITY, c.STATE AS STATE, c.ZIP AS ZIP, f.RFND_TO_CD AS \"TO\", f.DT_MLD AS DT_MLD, "
    "f.CREATED_DT AS CREATED_DT, f.CREATOR_ID AS CREATOR_ID, f.VERIFY_ID AS VERIFY_ID, "
    "f.APPROVE_ID AS APPROVE_ID, f.RFND_BY_ID AS RFND_BY_ID, f.VOID_ID AS VOID_ID, "
    "f.KDV_CMMT_TXT AS KDV_CMMT_TXT, f.FISCAL_CMMT_TXT AS FISCAL_CMMT_TXT, f.RFND_CD AS RFND_CD, "
    "f.WRNT_NBR AS WRNT_NBR, f.RFND_DT AS RFND_DT, f.RFND_AMT AS RFND_AMT, "
    "f.RCPT_NBR AS RCPT_NBR "
    "FROM refund f JOIN customer c ON c.CUST_ID = f.CUST_ID ";
// Its fields that hold form numbers, for ReadDataSet to write with seven digits.
inline constexpr std::string_view kRefundFormNumbers[] = {"RFND_NBR", "RCPT_NBR"};

} // namespace tavrik
