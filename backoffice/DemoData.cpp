#include "backoffice/DemoData.h"

#include "backoffice/CustomerRows.h"
#include "common/CalendarDate.h"
#include "common/CheckDigit.h"
#include "common/Currency.h"
#include "common/TextUtil.h"
#include "store/StoreQuery.h"
#include "store/StoreTransaction.h"

#include <initializer_list>
#include <map>
#include <stdexcept>
#include <variant>

namespace tavrik {

namespace {

using Cell = std::variant<std::nullptr_t, std::int64_t, std::string_view>;

constexpr std::int64_t kFirstBulkNumber = 3000000;
constexpr int kManyAccounts = 36;
constexpr std::int64_t kLastNumber = 9999999;

void Insert(StoreQuery& statement, std::initializer_list<Cell> cells) {
    int index = 1;
    for (const Cell& cell : cells) {
        if (const auto* number = std::get_if<std::int64_t>(&cell))
            statement.Bind(index, *number);
        else if (const auto* text = std::get_if<std::string_view>(&cell))
            statement.Bind(index, *text);
        else
            statement.BindNull(index);
        ++index;
    }
    statement.Run();
    statement.Reset();
}

// Amounts in the tables below are written in cents and stored in ten-thousandths.
constexpr std::int64_t Cents(std::int64_t cents) {
    return Currency::FromCents(cents).Units();
}

std::int64_t CheckDigitOf(std::int64_t number) {
    return *ComputeCheckDigit(PadLeft(std::to_string(number), 7, '0'));
}

std::string DaysAfter(std::string_view isoDay, int days) {
    return CalendarDate::ParseIso(isoDay)->AddDays(days).FormatIso();
}

struct Account {
    std::int64_t number;
    std::string_view type;
    std::string_view customer;
    std::string_view stopDate;
    std::int64_t original = 0;
    std::int64_t interest = 0;
    std::int64_t due = 0;
    std::int64_t balance = 0;
    std::string_view status = "O";
    std::string_view activeStatus = "A";
    Cell caseId = nullptr;
    Cell planType = nullptr;
    Cell installments = nullptr;
    Cell lastPayment = nullptr;
};

struct Assessment {
    std::int64_t account;
    Cell code;
    std::string_view issued;
    std::int64_t amount;
    Cell lpoAmount = nullptr;
    Cell balance = nullptr;
    std::string_view status = "A";
    Cell adjusted = nullptr;
    Cell lpo = nullptr;
};

struct Activity {
    std::int64_t account;
    std::string_view date;
    std::string_view time;
    std::string_view code;
    std::int64_t amount;
    std::int64_t balance;
    std::string_view comment;
    std::string_view user;
    std::string_view stamp;
};

struct Receipt {
    std::int64_t number;
    std::string_view customer;
    std::string_view date;
    std::string_view status;
    std::int64_t total;
    Cell confirmation;
};

struct Fund {
    std::int64_t receipt;
    std::string_view type;
    Cell reference;
    std::int64_t amount;
    Cell month = nullptr;
    Cell day = nullptr;
    Cell year = nullptr;
};

struct Payment {
    std::int64_t receipt;
    std::int64_t account;
    std::string_view date;
    std::int64_t amount;
    Cell adjusted = nullptr;
    Cell adjustment = nullptr;
};

struct Overpayment {
    std::int64_t receipt;
    std::string_view customer;
    std::string_view date;
    std::int64_t amount;
    std::string_view status;
    Cell destination = nullptr;
};

void AddCodes(StoreConnection& database) {
    StoreQuery code(database,
                    "INSERT INTO tvk_code (CD_TBL_ID, CD_TBL_CD, CD_TBL_DES, REGION, EFCTV_DT, END_DT, "
                    "ADTL_INFO_TXT) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)");
    auto add = [&](std::string_view table, std::string_view value, std::string_view description,
                   Cell info = nullptr, std::string_view region = "R1", Cell endDate = nullptr) {
        Insert(code, {table, value, description, region, "1993-01-01", endDate, info});
    };

    constexpr std::pair<std::string_view, std::string_view> documentTypes[] = {
        {"C", "CITATION"}, {"T", "TEMPORARY PERMIT"}, {"P", "PAYMENT PLAN"},
        {"A", "ALERT"},    {"R", "RECEIPT"},          {"K", "CHECK NUMBER"}};
    for (std::string_view table : {"REFDOCTYP", "ADJDOC", "FORMDOC"})
        for (const auto& [value, description] : documentTypes)
            if (table != "FORMDOC" || value != "K")
                add(table, value, description);
    add("REFDOCTYP", "X", "RETIRED FORM", nullptr, "R1", "2010-12-31");
    add("FORMDOC", "C", "CITATION", nullptr, "R2");
    add("FORMDOC", "T", "TEMPORARY PERMIT", nullptr, "R2");

    for (const auto& [value, description] :
         {std::pair{"O", "OPEN"}, {"P", "PAID"}, {"V", "VOID"}, {"D", "DELETED"}, {"C", "CLOSED"}})
        add("CSTATUS", value, description);
    add("ACCADJUST", "V", "VOID");
    add("ACCADJUST", "D", "DELETE");
    add("PAYADJUST", "B", "BACKOUT");
    add("PAYADJUST", "C", "CANCEL");
    add("PENALTY", "P01", "LATE PAYMENT PENALTY");
    add("PENALTY", "P02", "OVERWEIGHT PENALTY");
    add("PENALTY", "P03", "NO FUEL PERMIT PENALTY");
    add("FEE", "F01", "LPO FEE - 30 DAY");
    add("FEE", "F09", "LPO FEE - 90 DAY");
    add("FEE", "F15", "LPO FEE - ANNUAL");
    add("FEE", "F02", "ADMINISTRATIVE FEE");
    add("FEE", "F03", "LATE FILING FEE");
    add("FEE", "F05", "PROCESSING FEE");
    for (const auto& [value, description] : {std::pair{"C", "CASH"},
                                             {"K", "CHECK"},
                                             {"R", "CREDIT CARD"},
                                             {"M", "MONEY ORDER"},
                                             {"E", "ELECTRONIC TRANSFER"}})
        add("FUNDTYP", value, description);
    for (const auto& [value, description] : {std::pair{"O", "OPEN"},
                                             {"B", "BACKED OUT"},
                                             {"C", "CANCELED"},
                                             {"R", "REFUNDED"},
                                             {"0", "NEW"},
                                             {"1", "PREPARED"},
                                             {"2", "VERIFIED"},
                                             {"3", "APPROVED"},
                                             {"4", "REFUNDED"},
                                             {"5", "MAILED"},
                                             {"T", "TRANSFERRED"},
                                             {"V", "VOIDED"}})
        add("REFUNDTYP", value, description);
    add("COLLECTN", "AS", "ASSESSMENT ISSUED", "Raised on the enforcement form");
    add("COLLECTN", "PY", "PAYMENT RECEIVED", "Applied from a receipt");
    add("COLLECTN", "RM", "ASSESSMENT REMOVED", "Adjusted out by a clerk");
    add("COLLECTN", "RI", "ASSESSMENT REINSTATED", "Adjusted back in by a clerk");
    add("COLLECTN", "VD", "FORM VOIDED", "Whole AR voided");
    add("COLLECTN", "DL", "FORM DELETED", "Whole AR deleted");
    add("COLLECTN", "BO", "PAYMENT BACKED OUT", "Payment reversed");
    add("COLLECTN", "CN", "PAYMENT CANCELED", "Payment canceled");
    add("COLLECTN", "LP", "LICENSE PURCHASE OPTION", "LPO recorded for an LPO fee");
    add("COLLECTN", "TR", "EXCESS FUND TRANSFERRED", "Moved to another customer");
    add("COLLECTN", "RF", "EXCESS FUND REFUNDED", "Paid back by warrant");
}

void AddUsers(StoreConnection& database) {
    StoreQuery user(database,
                    "INSERT INTO app_user (USER_ID, USER_NBR, USER_NM, REGION) VALUES (?1, ?2, ?3, ?4)");
    StoreQuery privilege(database, "INSERT INTO user_privilege (USER_ID, PRVLG_NM) VALUES (?1, ?2)");
    struct User {
        std::string_view id;
        std::int64_t number;
        std::string_view name;
        std::string_view region;
        std::initializer_list<std::string_view> privileges;
    };
    const User users[] = {
        {"SUPER",
         1,
         "SUSAN SUPERVISOR",
         "R1",
         {"ADJUSTAR", "ADJUSTRECEIPT", "CREATEREFUND", "VERIFYREFUND", "VOIDREFUND"}},
        {"CLERK", 2, "CARL CLERK", "R1", {}},
        {"ADJAR", 3, "ANNA ADJUSTER", "R1", {"ADJUSTAR", "ISSUEREFUND"}},
        {"ADJRCPT", 4, "RAY RECEIPTS", "R1", {"ADJUSTRECEIPT", "APPROVEREFUND"}},
        {"REFUNDS", 5, "REBECCA REFUNDS", "R1", {"CREATEREFUND"}},
        {"CANCELONLY", 6, "CONNOR CANCEL", "R1", {"ADJUSTRCPTCANCELONLY"}},
        {"NORTH", 7, "NORA NORTH", "R2", {}},
        {"RCPTCANCEL", 8, "CORA CANCELS", "R1", {"ADJUSTRECEIPT", "ADJUSTRCPTCANCELONLY"}},
        // The refund desk: each opens worksheets from the receipt detail (which takes ADJUSTRECEIPT and
        // CREATEREFUND) and records one step, so that one worksheet goes from preparation to mailing.
        {"PREPARER", 9, "PAT PREPARER", "R1", {"ADJUSTRECEIPT", "CREATEREFUND"}},
        {"VERIFIER", 10, "VERA VERIFIER", "R1", {"ADJUSTRECEIPT", "CREATEREFUND", "VERIFYREFUND"}},
        {"APPROVER", 11, "AL APPROVER", "R1", {"ADJUSTRECEIPT", "CREATEREFUND", "APPROVEREFUND"}},
        {"FISCAL", 12, "FRAN FISCAL", "R1", {"ADJUSTRECEIPT", "CREATEREFUND", "ISSUEREFUND"}},
    };
    for (const User& each : users) {
        Insert(user, {each.id, each.number, each.name, each.region});
        for (std::string_view name : each.privileges)
            Insert(privilege, {each.id, name});
    }
}

void AddCustomers(StoreConnection& database) {
    CustomerRows rows(database);
    const CustomerRows::Customer customers[] = {
        {"100001", "ACME FREIGHT LINES INC", "CARRIER", "1200 INDUSTRIAL PKWY", " SUITE 4", "SPRINGFIELD",
         "IL", "62701"},
        {"100002", "BLUE RIVER TRUCKING LLC", "CARRIER", "55 RIVER RD", {}, "DAVENPORT", "IA", "52801"},
        {"100003", "MIDWEST HAULING CO", "CARRIER", "900 W MAIN ST", {}, "PEORIA", "IL", "61602"},
        {"100004", "O'BRIEN & SONS TRANSPORT", "OWNER", "7 HARBOR WAY", " PO BOX 12", "GARY", "IN", "46402"},
        {"100005", "PRAIRIE STAR EXPRESS", "CARRIER", "3100 PRAIRIE AVE", {}, "CHAMPAIGN", "IL", "61820"},
        {"100006", "GREAT LAKES CARRIERS INC", "CARRIER", "41 DOCK ST", " UNIT 2", "TOLEDO", "OH", "43604"},
        {"100007", "FREIGHT MASTERS INC", "CARRIER", "77 DEPOT RD", {}, "TULSA", "OK", "74103"},
        {"100008", "FRONTIER FREIGHT SYSTEMS", "CARRIER", "5 SUMMIT DR", {}, "OMAHA", "NE", "68102"},
        {"100009", "NORTHERN FREIGHT & STORAGE", "CARRIER", "300 LAKE AVE", {}, "DULUTH", "MN", "55802"},
        {"100010", "FREEDOM HAULERS LLC", "OWNER", "18 ELM ST", {}, "MUNCIE", "IN", "47305"},
        {"100011", "ZÜRICH TRANSPORTE AG", "CARRIER", "2 SWISS WAY", {}, "NEW GLARUS", "WI", "53574"},
        {"100012", "ÉCLAIR LOGISTIQUE SARL", "CARRIER", "900 RUE PRINCIPALE", {}, "CHAMPLAIN", "NY", "12919"},
    };
    for (const CustomerRows::Customer& each : customers)
        rows.Add(each);
}

std::int64_t ManyAccountsAmount(int i) {
    return Cents(5000 + 250 * i);
}

// Customer 100007: three dozen ARs of every listable type, for the account list.
void AddManyAccounts(StoreConnection& database) {
    StoreQuery account(
        database,
        "INSERT INTO acct_rcvbl (ACCT_RCVBL_NBR, ACCT_RCVBL_CK_NBR, ACCT_RCVBL_TYP_CD, CUST_ID, "
        "STP_DT, ACCT_RCVBL_DUE_DT, LST_PYMT_DT, ORIG_ASSMT_AMT, ACCT_RCVBL_DUE_AMT, "
        "ACCT_RCVBL_BAL_AMT, ACCT_STTS_CD) VALUES (?1, ?2, ?3, '100007', ?4, ?5, ?6, ?7, ?7, ?8, ?9)");
    constexpr std::string_view types[] = {"C", "C", "T", "P", "A", "C"};
    for (int i = 0; i < kManyAccounts; ++i) {
        const std::int64_t number = 110001 + i;
        const std::string stop = DaysAfter("2023-01-02", 7 * i);
        const std::int64_t amount = ManyAccountsAmount(i);
        const bool paid = i % 3 == 2;
        Insert(account, {number, CheckDigitOf(number), types[i % 6], std::string_view(stop),
                         std::string_view(DaysAfter(stop, 30)),
                         paid ? Cell(std::string_view(DaysAfter(stop, 20))) : Cell(nullptr), amount,
                         paid ? 0 : amount, paid ? "P" : "O"});
    }
}

void AddAccounts(StoreConnection& database) {
    StoreQuery insert(
        database, "INSERT INTO acct_rcvbl (ACCT_RCVBL_NBR, ACCT_RCVBL_CK_NBR, ACCT_RCVBL_TYP_CD, CUST_ID, "
                  "STP_DT, ACCT_RCVBL_DUE_DT, LST_PYMT_DT, ORIG_ASSMT_AMT, LTE_FEE_AMT, ACRD_INTRST_AMT, "
                  "ACCT_RCVBL_DUE_AMT, ACCT_RCVBL_BAL_AMT, ACCT_STTS_CD, ACTV_STTS_CD, CASE_ID, "
                  "ASSMT_PP_TYP_CD, INSTLMT_NBR) "
                  "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17)");
    const Account accounts[] = {
        {12345, "C", "100001", "2023-03-15", Cents(51000), Cents(1250), Cents(43500), Cents(34750), "O", "A",
         nullptr, nullptr, nullptr, "2023-04-10"},
        {12346, "C", "100001", "2023-06-02", Cents(112000), 0, Cents(112000), Cents(102000)},
        {20001, "T", "100001", "2023-02-01", Cents(3500), 0, Cents(3500), 0, "P", "A", nullptr, nullptr,
         nullptr, "2023-04-10"},
        {30001, "P", "100001", "2023-01-10", Cents(60000), 0, Cents(60000), Cents(60000), "O", "A", nullptr,
         "M", std::int64_t{6}},
        {40001, "A", "100001", "2023-04-20", Cents(15000), 0, Cents(15000), 0, "P", "A", nullptr, nullptr,
         nullptr, "2023-05-02"},
        {1999999, "C", "100001", "2022-11-30", Cents(25000), 0, 0, 0, "V"},
        {2000000, "C", "100001", "2022-12-01", Cents(25000), 0, 0, 0, "V"},
        {2000001, "C", "100001", "2023-09-01", Cents(17500), 0, Cents(17500), Cents(17500)},
        {12350, "C", "100001", "2023-05-05", Cents(8000), 0, Cents(8000), Cents(8000), "O", "A",
         "CASE-2023-0042"},
        {12351, "C", "100001", "2023-05-06", Cents(4500), 0, Cents(4500), Cents(4500), "O", "I"},
        {12352, "C", "100001", "2023-06-15", Cents(25000), 0, Cents(25000), 0, "P", "A", nullptr, nullptr,
         nullptr, "2023-07-01"},
        {12353, "C", "100001", "2023-06-16", Cents(9000), 0, 0, 0, "D"},
        {12354, "C", "100001", "2023-06-17", Cents(35000), 0, Cents(35000), Cents(35000), "C"},
        {50001, "C", "100002", "2023-03-01", Cents(3500), 0, Cents(3500), 0, "P"},
        {50002, "T", "100002", "2023-06-20", Cents(5000), 0, Cents(5000), 0, "P"},
        {60001, "C", "100003", "2023-01-05", Cents(20000), 0, Cents(20000), 0, "P"},
        {70001, "C", "100004", "2023-07-07", Cents(6000), 0, Cents(6000), 0, "P"},
        {80001, "P", "100005", "2023-02-14", Cents(120000), 0, Cents(120000), Cents(120000), "O", "A",
         nullptr, "Q", std::int64_t{4}},
        {80002, "A", "100005", "2023-03-03", Cents(7500), 0, Cents(7500), Cents(7500)},
        {80003, "T", "100005", "2023-04-04", Cents(3500), 0, Cents(3500), Cents(3500)},
        {90001, "C", "100006", "2023-07-20", Cents(30000), 0, Cents(30000), Cents(30000), "O", "A", nullptr,
         nullptr, nullptr, "2023-08-02"},
    };
    for (const Account& each : accounts)
        Insert(insert, {each.number, CheckDigitOf(each.number), each.type, each.customer, each.stopDate,
                        std::string_view(DaysAfter(each.stopDate, 30)), each.lastPayment, each.original, 0,
                        each.interest, each.due, each.balance, each.status, each.activeStatus, each.caseId,
                        each.planType, each.installments});
}

void AddAssessments(StoreConnection& database) {
    StoreQuery insert(database,
                      "INSERT INTO assessment (ACCT_RCVBL_NBR, VLTN_ASSMT_SEQ_NBR, TRNSCTN_NBR, ASSMT_CD, "
                      "ASSMT_ISSUE_DT, ADJSTMT_DT, CL_ASMT_AMT, AC_ASMT_AMT, BAL_DUE_AMT, "
                      "VLTN_ASSMT_STTS_CD, LIC_PRCHS_OPTN_IND) "
                      "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11)");
    const Assessment assessments[] = {
        {12345, "P01", "2023-03-15", Cents(25000), nullptr, Cents(25000)},
        {12345, "F02", "2023-03-15", Cents(3500), nullptr, Cents(3500)},
        {12345, "F01", "2023-03-20", Cents(15000), Cents(12000), Cents(12000), "A", nullptr, "Y"},
        {12345, "F05", "2023-03-15", Cents(7500), nullptr, Cents(0), "I", "2023-04-01"},
        {12346, "F01", "2023-06-02", Cents(15000), Cents(12000), Cents(15000), "A", nullptr, "Y"},
        {12346, "F01", "2023-06-02", Cents(15000), Cents(12000), Cents(15000), "A", nullptr, "Y"},
        {12346, "F09", "2023-06-02", Cents(20000), Cents(18000), Cents(20000), "A", nullptr, "Y"},
        {12346, "F15", "2023-06-03", Cents(40000), Cents(35000), Cents(40000), "A", nullptr, "Y"},
        {12346, nullptr, "2023-06-04", Cents(2000)},
        {20001, "F02", "2023-02-01", Cents(3500), nullptr, Cents(0)},
        {30001, "P02", "2023-01-10", Cents(60000), nullptr, Cents(60000)},
        {40001, "F03", "2023-04-20", Cents(15000), nullptr, Cents(0)},
        {1999999, "P01", "2022-11-30", Cents(25000), nullptr, Cents(0), "I", "2022-12-05"},
        {2000000, "P01", "2022-12-01", Cents(25000), nullptr, Cents(0), "I", "2022-12-05"},
        {2000001, "P03", "2023-09-01", Cents(17500), nullptr, Cents(17500)},
        {12350, "P01", "2023-05-05", Cents(8000), nullptr, Cents(8000)},
        {12351, "F02", "2023-05-06", Cents(4500), nullptr, Cents(4500)},
        {12352, "P01", "2023-06-15", Cents(25000), nullptr, Cents(0)},
        {12354, "P02", "2023-06-17", Cents(35000), nullptr, Cents(35000)},
        {50001, "F02", "2023-03-01", Cents(3500), nullptr, Cents(0)},
        {80001, "P02", "2023-02-14", Cents(120000), nullptr, Cents(120000)},
    };
    std::map<std::int64_t, std::int64_t> lastSequence;
    std::int64_t transaction = 500000;
    for (const Assessment& each : assessments)
        Insert(insert, {each.account, ++lastSequence[each.account], ++transaction, each.code, each.issued,
                        each.adjusted, each.amount, each.lpoAmount, each.balance, each.status, each.lpo});
}

void AddActivity(StoreConnection& database) {
    StoreQuery insert(database,
                      "INSERT INTO account_activity (ACTIVITY_ID, ACCT_RCVBL_NBR, ACTVTY_DT, ACTVTY_TM, "
                      "ACCT_ACTVTY_CD, ACTVTY_AMT, ACTVTY_BAL_AMT, ACTVTY_CMMT_TXT, LST_UPDT_USER_ID, "
                      "LST_UPDT_TS) SELECT COALESCE(MAX(ACTIVITY_ID), 0) + 1, ?1, ?2, ?3, ?4, ?5, ?6, ?7, "
                      "?8, ?9 FROM account_activity");
    const Activity activities[] = {
        {12345, "2023-03-15", "08:30", "AS", Cents(51000), Cents(51000), "Citation issued", "1",
         "2023-03-15 08:30:12"},
        {12345, "2023-04-01", "09:00", "RM", Cents(-7500), Cents(43500), "Processing fee removed", "SUPER",
         "2023-04-01 09:00:40"},
        {12345, "2023-04-10", "14:05", "PY", Cents(-10000), Cents(33500), "Payment on receipt 0100001", "2",
         "2023-04-10 14:05:01"},
        {12345, "2023-04-10", "14:05", "LP", 0, Cents(33500), "LPO recorded", "3", "2023-04-10 14:05:30"},
        {12345, "2023-05-01", "00:00", "ZZ", Cents(1250), Cents(34750), "Interest accrued", "99",
         "2023-05-01 00:00:05"},
        {1999999, "2022-12-05", "10:15", "VD", Cents(-25000), 0, "Issued in error", "1",
         "2022-12-05 10:15:00"},
        {2000000, "2022-12-05", "10:20", "VD", Cents(-25000), 0, "Duplicate of 1999999", "1",
         "2022-12-05 10:20:00"},
        {90001, "2023-07-20", "09:00", "AS", Cents(30000), Cents(30000), "Citation issued", "1",
         "2023-07-20 09:00:00"},
        {90001, "2023-08-01", "11:15", "PY", Cents(-12000), Cents(18000), "Payment on receipt 0600001", "4",
         "2023-08-01 11:15:00"},
        {90001, "2023-08-02", "11:20", "PY", Cents(-8000), Cents(10000), "Payment on receipt 0600002", "4",
         "2023-08-02 11:20:00"},
        {90001, "2023-08-03", "10:30", "CN", Cents(8000), Cents(18000), "Check returned unpaid", "1",
         "2023-08-03 10:30:00"},
        {90001, "2023-08-10", "10:30", "BO", Cents(12000), Cents(30000), "Paid on the wrong citation", "1",
         "2023-08-10 10:30:00"},
    };
    for (const Activity& each : activities)
        Insert(insert, {each.account, each.date, each.time, each.code, each.amount, each.balance,
                        each.comment, each.user, each.stamp});
}

void AddReceipts(StoreConnection& database) {
    StoreQuery receipt(database,
                       "INSERT INTO receipt (RCPT_NBR, RCPT_CK_NBR, CUST_ID, RCPT_DT, RCPT_STTS_CD, "
                       "TOT_PYMT_AMT, CNFRMTN_NBR) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)");
    StoreQuery fund(
        database, "INSERT INTO fund (FUND_ID, RCPT_NBR, FUND_TYP_CD, FUND_RFRNC_NBR, FUND_AMT, EXPRTN_MO_DT, "
                  "EXPRTN_DY_DT, EXPRTN_YR_DT) SELECT COALESCE(MAX(FUND_ID), 0) + 1, ?1, ?2, ?3, ?4, ?5, ?6, "
                  "?7 FROM fund");
    StoreQuery payment(
        database,
        "INSERT INTO payment (PYMT_NBR, RCPT_NBR, ACCT_RCVBL_NBR, TRNSCTN_NBR, TRNSCTN_DT, PYMT_DT, "
        "CL_PYMT_AMT, ADJSTMT_DT, ACTVTY_STTS_CD, STTS_CD) "
        "SELECT COALESCE(MAX(PYMT_NBR), 0) + 1, ?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, 'A' FROM payment");
    StoreQuery overpayment(
        database,
        "INSERT INTO overpayment (OVR_PYMT_ID, RCPT_NBR, CUST_ID, OVR_PYMT_DT, OVR_PYMT_TM, "
        "OVR_PYMT_AMT, OVR_PYMT_STTS_CD, DSTNTN_RCPT_NBR) "
        "SELECT COALESCE(MAX(OVR_PYMT_ID), 0) + 1, ?1, ?2, ?3, '10:30', ?4, ?5, ?6 FROM overpayment");

    const Receipt receipts[] = {
        {100001, "100001", "2023-04-10", "O", Cents(40000), "CNF230410-01"},
        {100002, "100001", "2023-05-02", "O", Cents(16000), nullptr},
        {100003, "100001", "2023-05-20", "B", Cents(8000), "CNF230520-07"},
        {100004, "100001", "2023-06-05", "C", Cents(4500), "CNF230605-02"},
        {100005, "100001", "2023-07-01", "O", Cents(30000), "CNF230701-11"},
        {100006, "100001", "2023-08-15", "O", Cents(50000), "CNF230815-04"},
        {200001, "100002", "2023-03-02", "O", Cents(12000), "CNF230302-09"},
        {200002, "100002", "2023-07-01", "O", Cents(5000), "CNF230701-12"},
        {400001, "100004", "2023-07-20", "O", Cents(6000), "CNF230720-03"},
        {600001, "100006", "2023-08-01", "B", Cents(12000), "CNF230801-05"},
        {600002, "100006", "2023-08-02", "C", Cents(9500), "CNF230802-06"},
    };
    for (const Receipt& each : receipts)
        Insert(receipt, {each.number, CheckDigitOf(each.number), each.customer, each.date, each.status,
                         each.total, each.confirmation});

    const Fund funds[] = {
        {100001, "K", "1001", Cents(35000)},
        {100001, "C", nullptr, Cents(5000)},
        {100002, "R", "XXXXXXXXXXXX4242", Cents(10000), "12", "31", "2026"},
        {100002, "R", "XXXXXXXXXXXX1881", Cents(6000), "07", nullptr, "2025"},
        {100003, "M", "MO778812", Cents(8000)},
        {100004, "C", nullptr, Cents(4500)},
        {100005, "K", "2002", Cents(30000)},
        {100006, "E", "EFT55120", Cents(50000)},
        {200001, "K", "5555", Cents(12000)},
        {400001, "K", "5555", Cents(6000)},
        {600001, "K", "3131", Cents(12000)},
        {600002, "K", "3132", Cents(9500)},
    };
    for (const Fund& each : funds)
        Insert(fund, {each.receipt, each.type, each.reference, each.amount, each.month, each.day, each.year});

    const Payment payments[] = {
        {100001, 12345, "2023-04-10", Cents(10000)},
        {100001, 20001, "2023-04-10", Cents(3500)},
        {100001, 30001, "2023-04-10", Cents(26500), "2023-05-01", "B"},
        {100002, 40001, "2023-05-02", Cents(15000)},
        {100003, 12350, "2023-05-20", Cents(8000), "2023-06-01", "B"},
        {100004, 12351, "2023-06-05", Cents(4500), "2023-06-07", "C"},
        {100005, 12352, "2023-07-01", Cents(25000)},
        {100006, 12346, "2023-08-15", Cents(10000), "2023-08-20", "C"},
        {100006, 12354, "2023-08-15", Cents(35000), "2023-08-21", "B"},
        {200001, 50001, "2023-03-02", Cents(3500)},
        {200002, 50002, "2023-07-01", Cents(5000)},
        {400001, 70001, "2023-07-20", Cents(6000)},
        {600001, 90001, "2023-08-01", Cents(12000), "2023-08-10", "B"},
        {600002, 90001, "2023-08-02", Cents(8000), "2023-08-03", "C"},
    };
    std::int64_t transaction = 700000;
    for (const Payment& each : payments)
        Insert(payment, {each.receipt, each.account, ++transaction, each.date, each.date, each.amount,
                         each.adjusted, each.adjustment});

    const Overpayment overpayments[] = {
        {100001, "100001", "2023-04-10", Cents(2500), "O"},
        {100002, "100001", "2023-05-02", Cents(1000), "O"},
        {100005, "100001", "2023-07-01", Cents(5000), "T", std::int64_t{200002}},
        {100006, "100001", "2023-08-15", Cents(5000), "R"},
        {200001, "100002", "2023-03-02", Cents(8500), "O"},
        {600001, "100006", "2023-08-10", Cents(12000), "O"},
        {600002, "100006", "2023-08-02", Cents(1500), "C"},
    };
    for (const Overpayment& each : overpayments)
        Insert(overpayment,
               {each.receipt, each.customer, each.date, each.amount, each.status, each.destination});
}

// Customer 100007's receipts, each in cash for one of its paid ARs; numbered after every other demo
// payment and fund.
void AddManyAccountsReceipts(StoreConnection& database) {
    StoreQuery receipt(database,
                       "INSERT INTO receipt (RCPT_NBR, RCPT_CK_NBR, CUST_ID, RCPT_DT, RCPT_STTS_CD, "
                       "TOT_PYMT_AMT, CNFRMTN_NBR) VALUES (?1, ?2, '100007', ?3, 'O', ?4, ?5)");
    StoreQuery fund(database, "INSERT INTO fund (FUND_ID, RCPT_NBR, FUND_TYP_CD, FUND_AMT) "
                              "SELECT COALESCE(MAX(FUND_ID), 0) + 1, ?1, 'C', ?2 FROM fund");
    StoreQuery payment(database,
                       "INSERT INTO payment (PYMT_NBR, RCPT_NBR, ACCT_RCVBL_NBR, TRNSCTN_NBR, TRNSCTN_DT, "
                       "PYMT_DT, CL_PYMT_AMT, STTS_CD) SELECT COALESCE(MAX(PYMT_NBR), 0) + 1, ?1, ?2, ?3, "
                       "?4, ?4, ?5, 'A' FROM payment");
    for (int i = 0; i < 3; ++i) {
        const int paidAccount = 2 + 3 * i;
        const std::int64_t number = 700001 + i;
        const std::string day = DaysAfter("2023-01-02", 7 * paidAccount + 20);
        const std::int64_t amount = ManyAccountsAmount(paidAccount);
        Insert(receipt, {number, CheckDigitOf(number), std::string_view(day), amount,
                         std::string_view("CNF-FM-" + std::to_string(i + 1))});
        Insert(fund, {number, amount});
        Insert(payment, {number, 110001 + paidAccount, 700101 + i, std::string_view(day), amount});
    }
}

// Customer 100003: one receipt per refund-worksheet status, each refund handled by different officers
// so that the four-eyes rule holds at every step.
void AddRefunds(StoreConnection& database) {
    StoreQuery receipt(database,
                       "INSERT INTO receipt (RCPT_NBR, RCPT_CK_NBR, CUST_ID, RCPT_DT, RCPT_STTS_CD, "
                       "TOT_PYMT_AMT, CNFRMTN_NBR) VALUES (?1, ?2, '100003', ?3, 'O', ?4, ?5)");
    StoreQuery fund(database, "INSERT INTO fund (FUND_ID, RCPT_NBR, FUND_TYP_CD, FUND_RFRNC_NBR, FUND_AMT) "
                              "SELECT COALESCE(MAX(FUND_ID), 0) + 1, ?1, 'K', ?2, ?3 FROM fund");
    StoreQuery payment(database,
                       "INSERT INTO payment (PYMT_NBR, RCPT_NBR, ACCT_RCVBL_NBR, TRNSCTN_NBR, TRNSCTN_DT, "
                       "PYMT_DT, CL_PYMT_AMT, STTS_CD) SELECT COALESCE(MAX(PYMT_NBR), 0) + 1, ?1, 60001, ?2, "
                       "?3, ?3, ?4, 'A' FROM payment");
    StoreQuery overpayment(
        database, "INSERT INTO overpayment (OVR_PYMT_ID, RCPT_NBR, CUST_ID, OVR_PYMT_DT, OVR_PYMT_TM, "
                  "OVR_PYMT_AMT, OVR_PYMT_STTS_CD) SELECT COALESCE(MAX(OVR_PYMT_ID), 0) + 1, ?1, '100003', "
                  "?2, '11:00', ?3, ?4 FROM overpayment");
    StoreQuery refund(
        database, "INSERT INTO refund (RFND_NBR, CUST_ID, RCPT_NBR, STTS_CD, RFND_TO_CD, RFND_AMT, "
                  "CREATED_DT, CREATOR_ID, VERIFY_ID, APPROVE_ID, RFND_BY_ID, VOID_ID, KDV_CMMT_TXT, "
                  "FISCAL_CMMT_TXT, RFND_CD, WRNT_NBR, RFND_DT, DT_MLD) VALUES (?1, '100003', ?2, ?3, '2', "
                  "?4, ?5, ?15, ?6, ?7, ?8, ?9, 'Overpaid citation 0060001', ?10, ?11, ?12, ?13, ?14)");

    constexpr std::string_view statuses[] = {"0", "1", "2", "3", "4", "5", "T", "V"};
    for (int step = 0; step < 9; ++step) {
        std::int64_t number = 300001 + step;
        std::string day = DaysAfter("2023-02-01", 7 * step);
        std::int64_t excess = Cents(4000 + 100 * step);
        Insert(receipt, {number, CheckDigitOf(number), std::string_view(day), Cents(5000) + excess,
                         std::string_view("CNF-MW-" + std::to_string(step + 1))});
        Insert(fund, {number, std::string_view(std::to_string(8001 + step)), Cents(5000) + excess});
        Insert(payment, {number, 710001 + step, std::string_view(day), Cents(5000)});
        if (step == 8) {
            // No worksheet yet: the excess fund that a new refund starts from.
            Insert(overpayment, {number, std::string_view(day), excess, "O"});
            break;
        }

        std::string_view status = statuses[step];
        bool refunded = status == "4" || status == "5";
        // The excess fund closes when the warrant is mailed or the money transferred.
        std::string_view excessStatus = status == "5" ? "R" : (status == "T" ? "T" : "O");
        Insert(overpayment, {number, std::string_view(day), excess, excessStatus});

        auto officer = [&](int fromStep, std::int64_t user) -> Cell {
            return step >= fromStep && status != "V" ? Cell(user) : Cell(nullptr);
        };
        bool fiscalDone = refunded || status == "T";
        std::string refundDay = DaysAfter(day, 20);
        std::string mailDay = DaysAfter(day, 22);
        Insert(refund,
               {100 + step + 1, number, status, excess, std::string_view(DaysAfter(day, 1)), officer(2, 1),
                officer(3, 4), fiscalDone ? Cell(std::int64_t{3}) : Cell(nullptr),
                status == "V" ? Cell(std::int64_t{1}) : Cell(nullptr),
                status == "T" ? Cell("Moved to citation 0060001") : Cell(nullptr),
                fiscalDone ? Cell(refunded ? "1" : "0") : Cell(nullptr),
                refunded ? Cell(std::string_view("W" + std::to_string(9000100 + step))) : Cell(nullptr),
                refunded ? Cell(std::string_view(refundDay)) : Cell(nullptr),
                status == "5" ? Cell(std::string_view(mailDay)) : Cell(nullptr),
                step >= 1 ? Cell(std::int64_t{5}) : Cell(nullptr)});
    }

    StoreQuery next(database, "INSERT INTO form_number (NBR_TYP_CD, NEXT_NBR) VALUES ('U', 109)");
    next.Run();
}

std::int64_t FirstFreeNumber(StoreConnection& database, std::string_view query) {
    StoreQuery highest(database, query);
    highest.Step();
    return std::max(kFirstBulkNumber, highest.Integer(0) + 1);
}

// The amount of a bulk customer's i-th AR or a bulk receipt's i-th payment: $25.00 to $523.75.
std::int64_t BulkAmount(int i) {
    return Cents(2500 + (i % 400) * 125);
}

CustomerRows::Customer BulkCustomerRow(const std::string& id, const std::string& name) {
    return {id, name, "CARRIER", "1 BULK WAY", {}, "SPRINGFIELD", "IL", "62701"};
}

// The words bulk customers' names are made of. Early entries are picked more often than late ones, so
// that a typed word finds anything from a few customers to tens of thousands.
constexpr std::string_view kNameStarts[] = {
    "AMERICAN", "EAGLE",   "SUMMIT",   "PIONEER", "FRANKLIN", "LIBERTY", "FRONTIER", "HERITAGE", "NORTHERN",
    "SOUTHERN", "WESTERN", "EASTERN",  "CENTRAL", "GOLDEN",   "SILVER",  "RED",      "BLUE",     "GREEN",
    "IRON",     "STEEL",   "ROCKY",    "PRAIRIE", "VALLEY",   "RIVER",   "LAKESIDE", "COASTAL",  "MOUNTAIN",
    "MIDLAND",  "HARBOR",  "KEYSTONE", "LONE",    "STAR",     "FALCON",  "HAWK",     "BISON",    "MUSTANG",
    "JOHNSON",  "MILLER",  "GARCIA",   "NGUYEN",  "KOWALSKI", "O'NEILL", "MÜLLER",   "DUBOIS",   "FREEDOM"};
constexpr std::string_view kNameMiddles[] = {
    "FREIGHT",   "TRUCKING", "TRANSPORT", "HAULING",  "LOGISTICS", "EXPRESS", "CARRIERS", "LINES",
    "MOVERS",    "CARTAGE",  "DELIVERY",  "SHIPPING", "TANKERS",   "FLATBED", "REEFER",   "DRAYAGE",
    "AGGREGATE", "BROTHERS", "& SONS",    "FUEL",     "ROADWAYS",  "TRANSIT", "HAULERS",  "FREIGHTWAYS"};
constexpr std::string_view kNameEnds[] = {"INC", "LLC", "CO", "CORP", "LTD", "GROUP", "SERVICES", "SYSTEMS"};
struct Place {
    std::string_view city;
    std::string_view state;
    std::string_view zip;
};
constexpr Place kPlaces[] = {{"SPRINGFIELD", "IL", "62701"},  {"DES MOINES", "IA", "50309"},
                             {"INDIANAPOLIS", "IN", "46204"}, {"COLUMBUS", "OH", "43215"},
                             {"MADISON", "WI", "53703"},      {"SAINT PAUL", "MN", "55101"},
                             {"LANSING", "MI", "48933"},      {"JEFFERSON CITY", "MO", "65101"}};

// One of count entries, early ones more often: the smaller of two draws.
template <std::size_t count>
std::string_view Skewed(const std::string_view (&words)[count], std::uint64_t& seed) {
    auto draw = [&seed] {
        seed = seed * 6364136223846793005u + 1442695040888963407u;
        return static_cast<std::size_t>(seed >> 33) % count;
    };
    return words[std::min(draw(), draw())];
}

std::string Shown(std::int64_t number) {
    return PadLeft(std::to_string(number), 7, '0') + "-" + std::to_string(CheckDigitOf(number));
}

} // namespace

void DemoData::AddTroops(StoreConnection& database) {
    StoreQuery insert(database, "INSERT INTO troop_district (PO_TRP_ID, PO_TRP_DSTRCT_ID) VALUES (?1, ?2)");
    for (std::string_view troop : {"A", "B", "C", "D", "E", "F", "G", "H"})
        for (std::string_view district : {"1", "2", "3", "4", "5"})
            Insert(insert, {troop, district});
    Insert(insert, {"A", "10"});
    Insert(insert, {"A", "11"});
}

// The refund worksheet's print template: turns the worksheet's print XML (root element TavrikAdjust,
// the application title without blanks) into XHTML. An office edits the stored text to change the
// printed page.
constexpr std::string_view kRefundWorksheetTemplate = R"(<?xml version="1.0" encoding="UTF-8"?>
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform"
                xmlns="http://www.w3.org/1999/xhtml">
  <xsl:output method="xml" encoding="UTF-8" indent="yes"/>
  <xsl:template match="/TavrikAdjust">
    <html>
      <head><title>Refund Worksheet <xsl:value-of select="REFUNDNO"/></title></head>
      <body>
        <h1>Refund Worksheet</h1>
        <table>
          <tr><th>Refund Number</th><td><xsl:value-of select="REFUNDNO"/></td></tr>
          <tr><th>Refund Amount</th><td><xsl:value-of select="REFUNDAMT"/></td></tr>
          <tr><th>Status</th><td><xsl:value-of select="REFUNDSTAT"/></td></tr>
          <tr><th>Refund To</th><td><xsl:value-of select="REFUNDTO"/></td></tr>
        </table>
        <h2>Customer</h2>
        <p>
          <xsl:value-of select="CUSTNAME"/><br/>
          <xsl:value-of select="CUSTADDR"/><br/>
          <xsl:value-of select="CUSTCITY"/>, <xsl:value-of select="CUSTSTATE"/>
          <xsl:text> </xsl:text><xsl:value-of select="CUSTZIP"/>
        </p>
        <h2>Headquarters</h2>
        <table>
          <tr><th>Prepared By</th><td><xsl:value-of select="PREPAREDBY"/></td></tr>
          <tr><th>Verified By</th><td><xsl:value-of select="VERIFIEDBY"/></td></tr>
          <tr><th>Approved By</th><td><xsl:value-of select="APPROVEDBY"/></td></tr>
          <tr><th>Date Mailed</th><td><xsl:value-of select="DATEMAILED"/></td></tr>
        </table>
        <p><xsl:value-of select="HEADQUARTERCOMMENT"/></p>
        <h2>Fiscal</h2>
        <table>
          <tr><th>Overage</th><td><xsl:value-of select="OVERAGE"/></td></tr>
          <tr><th>Warrant Number</th><td><xsl:value-of select="WARRANTNO"/></td></tr>
          <tr><th>Refund Date</th><td><xsl:value-of select="REFUNDDATE"/></td></tr>
          <tr><th>Refund By</th><td><xsl:value-of select="REFUNDBY"/></td></tr>
        </table>
        <p><xsl:value-of select="FISCALCOMMENT"/></p>
      </body>
    </html>
  </xsl:template>
</xsl:stylesheet>
)";

void DemoData::AddPrintTemplates(StoreConnection& database) {
    StoreQuery insert(database,
                      "INSERT INTO print_template (TMPLT_TYP_CD, EFCTV_DT, END_DT, TMPLT_TXT) VALUES (36, "
                      "'2000-01-01', NULL, ?1)");
    Insert(insert, {kRefundWorksheetTemplate});
}

void DemoData::Fill(StoreConnection& database) {
    AddCodes(database);
    AddUsers(database);
    AddCustomers(database);
    AddAccounts(database);
    AddManyAccounts(database);
    AddAssessments(database);
    AddActivity(database);
    AddReceipts(database);
    AddRefunds(database);
    AddManyAccountsReceipts(database);
    AddTroops(database);
    AddPrintTemplates(database);
}

DemoData::BulkCustomer DemoData::AddBulkCustomer(StoreConnection& database, int arCount, int receiptCount) {
    if (arCount < 0 || receiptCount < 0 || arCount + receiptCount == 0)
        throw std::invalid_argument("A bulk customer needs at least one AR or receipt.");
    StoreTransaction transaction(database, StoreConnection::Access::Write);
    std::int64_t firstAccount =
        FirstFreeNumber(database, "SELECT COALESCE(MAX(ACCT_RCVBL_NBR), 0) FROM acct_rcvbl");
    std::int64_t firstReceipt = FirstFreeNumber(database, "SELECT COALESCE(MAX(RCPT_NBR), 0) FROM receipt");
    if (firstAccount + arCount - 1 > kLastNumber || firstReceipt + receiptCount - 1 > kLastNumber)
        throw std::invalid_argument("A bulk customer of that size would pass number 9999999.");

    std::string customerId = "B" + PadLeft(std::to_string(arCount > 0 ? firstAccount : firstReceipt), 7, '0');
    CustomerRows(database).Add(BulkCustomerRow(customerId, "BULK CARRIER " + customerId));

    const CalendarDate firstDay = *CalendarDate::FromYmd(2019, 1, 1);
    constexpr std::string_view statuses[] = {"O", "P", "C", "O", "V"};
    StoreQuery account(
        database, "INSERT INTO acct_rcvbl (ACCT_RCVBL_NBR, ACCT_RCVBL_CK_NBR, ACCT_RCVBL_TYP_CD, CUST_ID, "
                  "STP_DT, ACCT_RCVBL_DUE_DT, ORIG_ASSMT_AMT, ACCT_RCVBL_DUE_AMT, ACCT_RCVBL_BAL_AMT, "
                  "ACCT_STTS_CD) VALUES (?1, ?2, 'C', ?3, ?4, ?5, ?6, ?6, ?7, ?8)");
    for (int i = 0; i < arCount; ++i) {
        std::int64_t number = firstAccount + i;
        CalendarDate stop = firstDay.AddDays(i % 1800);
        std::int64_t amount = BulkAmount(i);
        std::string_view status = statuses[i % 5];
        Insert(account, {number, CheckDigitOf(number), std::string_view(customerId),
                         std::string_view(stop.FormatIso()), std::string_view(stop.AddDays(30).FormatIso()),
                         amount, status == "O" ? amount : 0, status});
    }

    StoreQuery receipt(database,
                       "INSERT INTO receipt (RCPT_NBR, RCPT_CK_NBR, CUST_ID, RCPT_DT, RCPT_STTS_CD, "
                       "TOT_PYMT_AMT, CNFRMTN_NBR) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)");
    for (int i = 0; i < receiptCount; ++i) {
        std::int64_t number = firstReceipt + i;
        std::string confirmation = "BULK-" + std::to_string(number);
        Insert(receipt, {number, CheckDigitOf(number), std::string_view(customerId),
                         std::string_view(firstDay.AddDays(i % 1800).FormatIso()), i % 7 == 0 ? "B" : "O",
                         Cents(1000 + (i % 900) * 50),
                         i % 3 == 0 ? Cell(nullptr) : Cell(std::string_view(confirmation))});
    }
    transaction.Commit();

    if (arCount > 0)
        return {customerId, "C", Shown(firstAccount)};
    return {customerId, "R", Shown(firstReceipt)};
}

std::string DemoData::AddBulkCustomers(StoreConnection& database, int count) {
    if (count < 1)
        throw std::invalid_argument("Add at least one bulk customer.");
    StoreTransaction transaction(database, StoreConnection::Access::Write);
    StoreQuery made(database, "SELECT COUNT(*) FROM customer WHERE SUBSTR(CUST_ID, 1, 1) = 'M'");
    made.Step();
    const std::int64_t first = made.Integer(0) + 1;
    if (first + count - 1 > kLastNumber)
        throw std::invalid_argument("Bulk customers are numbered M0000001 to M9999999.");
    CustomerRows rows(database);
    std::vector<CustomerRows::Customer> batch;
    std::uint64_t seed = 20230915;
    for (std::int64_t number = first; number < first + count; ++number) {
        std::string name =
            std::string(Skewed(kNameStarts, seed)) + " " + std::string(Skewed(kNameMiddles, seed));
        if (seed % 4 != 0)
            name += " " + std::string(Skewed(kNameEnds, seed));
        const Place& place = kPlaces[number % std::size(kPlaces)];
        batch.push_back({"M" + PadLeft(std::to_string(number), 7, '0'),
                         name,
                         number % 5 == 0 ? "OWNER" : "CARRIER",
                         std::to_string(100 + number % 9000) + " MAIN ST",
                         {},
                         std::string(place.city),
                         std::string(place.state),
                         std::string(place.zip)});
        if (batch.size() == 1000 || number == first + count - 1) {
            rows.AddAll(batch);
            batch.clear();
        }
    }
    transaction.Commit();
    return "M" + PadLeft(std::to_string(first), 7, '0');
}

std::string DemoData::AddBulkReceipt(StoreConnection& database, int paymentCount) {
    if (paymentCount < 1)
        throw std::invalid_argument("A bulk receipt needs at least one payment.");
    StoreTransaction transaction(database, StoreConnection::Access::Write);
    const std::int64_t firstAccount =
        FirstFreeNumber(database, "SELECT COALESCE(MAX(ACCT_RCVBL_NBR), 0) FROM acct_rcvbl");
    const std::int64_t receiptNumber =
        FirstFreeNumber(database, "SELECT COALESCE(MAX(RCPT_NBR), 0) FROM receipt");
    if (firstAccount + paymentCount - 1 > kLastNumber || receiptNumber > kLastNumber)
        throw std::invalid_argument("A bulk receipt of that size would pass number 9999999.");
    // Payment and transaction numbers follow every one in use, as an adjustment hands them out.
    StoreQuery highest(database, "SELECT COALESCE(MAX(PYMT_NBR), 0), (SELECT COALESCE(MAX(TRNSCTN_NBR), 0) "
                                 "FROM (SELECT TRNSCTN_NBR FROM assessment UNION ALL SELECT TRNSCTN_NBR FROM "
                                 "payment) AS used) FROM payment");
    highest.Step();
    const std::int64_t firstPayment = highest.Integer(0) + 1;
    const std::int64_t firstTransaction = highest.Integer(1) + 1;

    const std::string customerId = "R" + PadLeft(std::to_string(receiptNumber), 7, '0');
    CustomerRows(database).Add(BulkCustomerRow(customerId, "BULK PAYER " + customerId));

    std::int64_t total = 0;
    for (int i = 0; i < paymentCount; ++i)
        total += BulkAmount(i);
    constexpr std::string_view day = "2023-01-02";
    const std::string confirmation = "BULK-" + std::to_string(receiptNumber);
    StoreQuery receipt(database,
                       "INSERT INTO receipt (RCPT_NBR, RCPT_CK_NBR, CUST_ID, RCPT_DT, RCPT_STTS_CD, "
                       "TOT_PYMT_AMT, CNFRMTN_NBR) VALUES (?1, ?2, ?3, ?4, 'O', ?5, ?6)");
    Insert(receipt, {receiptNumber, CheckDigitOf(receiptNumber), std::string_view(customerId), day, total,
                     std::string_view(confirmation)});
    StoreQuery fund(database, "INSERT INTO fund (FUND_ID, RCPT_NBR, FUND_TYP_CD, FUND_RFRNC_NBR, FUND_AMT) "
                              "SELECT COALESCE(MAX(FUND_ID), 0) + 1, ?1, 'E', ?2, ?3 FROM fund");
    Insert(fund, {receiptNumber, std::string_view(confirmation), total});

    // Each payment settles an AR of its own, which it left paid.
    StoreQuery account(
        database,
        "INSERT INTO acct_rcvbl (ACCT_RCVBL_NBR, ACCT_RCVBL_CK_NBR, ACCT_RCVBL_TYP_CD, CUST_ID, "
        "STP_DT, ACCT_RCVBL_DUE_DT, LST_PYMT_DT, ORIG_ASSMT_AMT, ACCT_RCVBL_DUE_AMT, "
        "ACCT_RCVBL_BAL_AMT, ACCT_STTS_CD) VALUES (?1, ?2, 'C', ?3, '2022-12-01', '2022-12-31', ?4, "
        "?5, ?5, 0, 'P')");
    StoreQuery payment(database,
                       "INSERT INTO payment (PYMT_NBR, RCPT_NBR, ACCT_RCVBL_NBR, TRNSCTN_NBR, TRNSCTN_DT, "
                       "PYMT_DT, CL_PYMT_AMT, STTS_CD) VALUES (?1, ?2, ?3, ?4, ?5, ?5, ?6, 'A')");
    for (int i = 0; i < paymentCount; ++i) {
        const std::int64_t number = firstAccount + i;
        Insert(account, {number, CheckDigitOf(number), std::string_view(customerId), day, BulkAmount(i)});
        Insert(payment, {firstPayment + i, receiptNumber, number, firstTransaction + i, day, BulkAmount(i)});
    }
    transaction.Commit();
    return PadLeft(std::to_string(receiptNumber), 7, '0');
}

} // namespace tavrik
