#include "common/DataSetDefinitions.h"

#include "common/TextUtil.h"

#include <map>
#include <string>

namespace tavrik {

namespace {

constexpr FieldType T = FieldType::Text;
constexpr FieldType I = FieldType::Integer;
constexpr FieldType C = FieldType::Currency;
constexpr FieldType D = FieldType::Date;

using Definitions = std::map<std::string, std::vector<FieldDefinition>, std::less<>>;

// Each data set appears once; a name used both in replies and in update rows (ACNTSRCVBL, ASSESSMENT,
// REFUND) carries the fields of every use, and a row leaves unset what its use does not need.
const Definitions& AllDefinitions() {
    static const Definitions definitions{
        {"ACNTSRCVBL",
         {{"CUST_ID", T},
          {"CUST_NAME", T},
          {"FORM_DESC", T},
          {"ACCT_RCVBL_NBR", T},
          {"ACCT_RCVBL_CK_NBR", T},
          {"ACCT_RCVBL_TYP_CD", T},
          {"STP_DT", D},
          {"ACCT_RCVBL_DUE_DT", D},
          {"ORIG_ASSMT_AMT", C},
          {"LTE_FEE_AMT", C},
          {"ACRD_INTRST_AMT", C},
          {"STTS_DESC", T},
          {"ACCT_RCVBL_DUE_AMT", C},
          {"ACCT_RCVBL_BAL_AMT", C},
          {"ACCT_STTS_CD", T},
          {"ACTV_STTS_CD", T},
          {"CASE_ID", T},
          {"RCPT_NBR", T},
          {"CL_PYMT_AMT", C},
          {"ADJSTMT_DT", D},
          {"ACTVTY_STTS_CD", T},
          {"ACTION", T},
          {"ADJST_ACTION", T},
          {"TRNSCTN_NBR", I},
          {"TRNSCTN_DT", D},
          {"PYMT_DT", D},
          {"PYMT_NBR", I},
          {"STTS_CD", T},
          {"ASSMT_PP_TYP_CD", T},
          {"INSTLMT_NBR", I},
          {"ROW_VERSION", I}}},
        {"RECEIPT",
         {{"RCPT_DT", D},
          {"RCPT_NBR", T},
          {"RCPT_STTS_CD", T},
          {"STTS_DESC", T},
          {"TOT_PYMT_AMT", C},
          {"OVR_PYMT_AMT", C},
          {"CUST_ID", T},
          {"CNFRMTN_NBR", T}}},
        {"ASSESSMENT",
         {{"ACTION", T},
          {"VLTN_ASSMT_STTS_CD", T},
          {"VLTN_ASSMT_SEQ_NBR", I},
          {"TRNSCTN_NBR", I},
          {"CUST_ID", T},
          {"CUST_NM", T},
          {"ASSMT_ISSUE_DT", D},
          {"ADJSTMT_DT", D},
          {"ASSMT_CD", T},
          {"CL_ASMT_AMT", C},
          {"AC_ASMT_AMT", C},
          {"BAL_DUE_AMT", C},
          {"LIC_PRCHS_OPTN_IND", T}}},
        {"FUND",
         {{"FUND_TYP_CD", T},
          {"FUND_RFRNC_NBR", T},
          {"FUND_AMT", C},
          {"FRCPT_NBR", T},
          {"FUND_EXPR", T},
          {"EXPRTN_MO_DT", T},
          {"EXPRTN_DY_DT", T},
          {"EXPRTN_YR_DT", T}}},
        {"OVERPAYMENT",
         {{"CUST_NM", T},
          {"OVR_PYMT_DT", D},
          {"OVR_PYMT_TM", T},
          {"FUND_DESC", T},
          {"DSTNTN_RCPT_NBR", T},
          {"OVR_PYMT_AMT", C},
          {"CUST_ID", T},
          {"ADDR_1", T},
          {"ADDR_2", T},
          {"CITY", T},
          {"STATE", T},
          {"ZIP", T},
          {"OVR_PYMT_STTS_CD", T},
          {"OVR_PYMT_ID", I},
          {"ROW_VERSION", I}}},
        {"REFUND", {{"ACTION", T},     {"CUST_ID", T},    {"RFND_NBR", T},     {"STTS_CD", T},
                    {"CUST_NM", T},    {"ADDR_1", T},     {"ADR_2_ADR", T},    {"CITY", T},
                    {"STATE", T},      {"ZIP", T},        {"TO", T},           {"DT_MLD", D},
                    {"CREATED_DT", D}, {"CREATOR_ID", I}, {"VERIFY_ID", I},    {"APPROVE_ID", I},
                    {"RFND_BY_ID", I}, {"VOID_ID", I},    {"KDV_CMMT_TXT", T}, {"FISCAL_CMMT_TXT", T},
                    {"RFND_CD", T},    {"WRNT_NBR", T},   {"RFND_DT", D},      {"RFND_AMT", C},
                    {"RCPT_NBR", T}}},
        {"CUSTOMERFORM",
         {{"FORM_CK_DGT_NBR", T},
          {"FORM_NBR", I},
          {"FORM_NUMBER", T},
          {"STP_DT", D},
          {"CTTN_STTS_TXT", T},
          {"ASSMT_DUE_AMT", C},
          {"ORIG_ASSMT_AMT", C},
          {"FORM_TYP_CD", T},
          {"CTTN_STTS_CD", T},
          {"BAL_DUE", C},
          {"LST_PYMT_DT", D}}},
        {"CUSTOMERMATCH", {{"CUST_ID", T}, {"CUST_NM", T}, {"CUST_TYP_CD", T}, {"CITY", T}, {"STATE", T}}},
        {"CUSTRCPT", {{"RCPTNBR", I}, {"RCPTDATE", D}, {"RCPTSTTS", T}, {"RCPTAMT", C}, {"RCPTCKDGTNBR", T}}},
        {"ACCOUNTACTIVITY",
         {{"ACCT_CK_DGT_NBR", T},
          {"ACCT_RCVBL_NBR", T},
          {"ACCT_RCVBL_TYP_CD", T},
          {"ACTVTY_DT", D},
          {"ACTVTY_TM", T},
          {"ACCT_ACTVTY_CD", T},
          {"ACTVTY_AMT", C},
          {"ACTVTY_BAL_AMT", C},
          {"ACTVTY_CMMT_TXT", T},
          {"LST_UPDT_USER_ID", T},
          {"LST_UPDT_TS", T},
          {"ADTL_INFO_TXT", T},
          {"ACTION", T}}},
        {"ADJUSTAR",
         {{"ACTION", T},
          {"CUST_ID", T},
          {"ADJSTMT_DT", D},
          {"ADJST_CMMT_TXT", T},
          {"ADJSTMT_TYP_CD", T},
          {"ACCT_RCVBL_NBR", T},
          {"ACCT_RCVBL_CK_NBR", T},
          {"ACCT_RCVBL_TYP_CD", T}}},
        {"CTTNADTNINFO",
         {{"ACTION", T},
          {"PRCHS_OPTN_ST_CD", T},
          {"PRCHS_OPTN_TAG_NBR", T},
          {"PRCHS_OPTN_DT", D},
          {"PRCHS_OPTN_TM", T},
          {"PO_TRP_ID", T},
          {"PO_TRP_DSTRCT_ID", T},
          {"PRCHS_OPTN_WGT", I},
          {"TOT_PRCHS_OPTN_AMT", C},
          {"PRCHS_OPTN_TXT", T}}},
        {"ADJUSTPAY",
         {{"ACTION", T}, {"ADJSTMT_DT", D}, {"ADJSTMT_CMMT_TXT", T}, {"ADJSTMT_TYP_CD", T}, {"RCPT_NBR", T}}},
        // The rows the payment control writes into a transfer of an excess fund: the fund moved, then one
        // per receiving AR paid.
        {"EXCESS",
         {{"ACTION", T},
          {"RCPT_NBR", T},
          {"OVR_PYMT_ID", I},
          {"ROW_VERSION", I},
          {"CUST_ID", T},
          {"ACCT_RCVBL_TYP_CD", T},
          {"ACCT_RCVBL_NBR", T},
          {"ACCT_RCVBL_CK_NBR", T},
          {"PYMT_AMT", C}}},
        // The answer to a request for new form numbers: field "U" holds a refund number.
        {"REQ", {{"U", I}}},
        {"TEMPLATE", {{"TMPLT_TYP_CD", I}, {"EFCTV_DT", D}, {"END_DT", D}, {"TMPLT_TXT", T}}},
        {"TVK_CODE",
         {{"CD_TBL_ID", T},
          {"CD_TBL_CD", T},
          {"CD_TBL_DES", T},
          {"REGION", T},
          {"EFCTV_DT", D},
          {"END_DT", D},
          {"ADTL_INFO_TXT", T}}},
        {"USERINFO", {{"USER_ID", T}, {"USER_NBR", I}, {"USER_NM", T}, {"REGION", T}}},
        {"USERPRIVILEGE", {{"USER_ID", T}, {"PRVLG_NM", T}}},
        {"APPUSER", {{"USER_NBR", I}, {"USER_NM", T}}},
        {"TROOPDISTRICT", {{"PO_TRP_ID", T}, {"PO_TRP_DSTRCT_ID", T}}},
    };
    return definitions;
}

} // namespace

const std::vector<FieldDefinition>* DataSetDefinitions::Find(std::string_view name) {
    const Definitions& definitions = AllDefinitions();
    auto found = definitions.find(ToUpper(name));
    return found == definitions.end() ? nullptr : &found->second;
}

std::optional<DataTable> DataSetDefinitions::EmptyTable(std::string_view name) {
    const std::vector<FieldDefinition>* fields = Find(name);
    if (fields == nullptr)
        return std::nullopt;
    return DataTable{*fields, {}};
}

} // namespace tavrik
