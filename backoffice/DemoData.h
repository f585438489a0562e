// The demo data a new back-office store is filled with, and bulk customers for benchmarks.
//
// Everything is fixed (no clock, no randomness), so tests and the README can rely on it. Region
// "R1" holds every user and code table; region "R2" holds only FORMDOC codes C and T and the user
// NORTH. AR and receipt numbers are shown "nnnnnnn-d" (seven digits, "-", the Luhn check digit).
//
// Users (user number, privileges): SUPER (1, ADJUSTAR ADJUSTRECEIPT CREATEREFUND VERIFYREFUND
// VOIDREFUND), CLERK (2, none), ADJAR (3, ADJUSTAR ISSUEREFUND), ADJRCPT (4, ADJUSTRECEIPT
// APPROVEREFUND), REFUNDS (5, CREATEREFUND), CANCELONLY (6,
// ADJUSTRCPTCANCELONLY), NORTH (7, none, region R2), RCPTCANCEL (8, ADJUSTRECEIPT
// ADJUSTRCPTCANCELONLY: a receipts clerk who may only cancel whole receipts).
//
// Code tables (R1): REFDOCTYP and ADJDOC C CITATION, T TEMPORARY PERMIT, P PAYMENT PLAN, A ALERT,
// R RECEIPT, K CHECK NUMBER; REFDOCTYP also X RETIRED FORM, ended 2010-12-31. FORMDOC C T P A R.
// CSTATUS O OPEN, P PAID, V VOID, D DELETED, C CLOSED. ACCADJUST V VOID, D DELETE. PAYADJUST
// B BACKOUT, C CANCEL. PENALTY P01 P02 P03. FEE F01 F09 F15 (LPO fees), F02 F03 F05. FUNDTYP C CASH,
// K CHECK, R CREDIT CARD, M MONEY ORDER, E ELECTRONIC TRANSFER. REFUNDTYP: receipt and excess-fund
// statuses O OPEN, B BACKED OUT, C CANCELED (an excess fund closed by the cancel of its receipt),
// R REFUNDED and worksheet statuses 0 1 2 3 4 5 T V.
// COLLECTN: activity codes AS PY RM RI VD DL BO CN LP TR RF, each with additional information.
//
// Check digits of the numbers most used: 0012345-5, 0012346-3, 0020001-4, 0030001-2, 0040001-0,
// 1999999-4, 2000000-6, 2000001-4, 0090001-9; receipts 0100001-7, 0100002-5, 0200001-6, 0300009-8,
// 0600001-2, 0600002-0.
//
// Customer 100001 ACME FREIGHT LINES INC (most roads start here):
//   ARs  0012345 citation, open: P01, F02, LPO fee F01 (LPO "Y", AC amount 120.00 of 150.00) and
//                an inactive F05; five activity rows (two on one date and time, one by the
//                non-numeric user id SUPER, one by unknown user 99, one with code ZZ missing
//                from COLLECTN). Typing "12345" opens it.
//        0012346 citation, open: LPO fees F01 twice, F09 and F15, and an assessment with no
//                code and no balance.
//        0020001 temporary permit; 0030001 payment plan (6 installments); 0040001 alert.
//        1999999 and 2000000 voided citations (2000000 is a generated form); 2000001 open
//                generated citation.
//        0012350 open with case id CASE-2023-0042; 0012351 open but inactive (ACTV_STTS_CD "I");
//        0012352 paid; 0012353 deleted; 0012354 closed.
//   Receipts 0100001 open, confirmed, check 1001 and cash; pays 0012345, 0020001 and (backed
//                out) 0030001; open excess fund 25.00.
//            0100002 open, not confirmed; two credit cards (one without expiry day); open excess
//                fund 10.00.
//            0100003 backed out; 0100004 canceled.
//            0100005 open, confirmed, check 2002; excess fund 50.00 transferred to 0200002.
//            0100006 open, confirmed; every payment already adjusted; excess fund refunded.
// Customer 100002 BLUE RIVER TRUCKING LLC: ARs 0050001, 0050002; receipt 0200001 (check 5555,
//   open excess 85.00) and 0200002 (received the transfer from 0100005).
// Customer 100003 MIDWEST HAULING CO: AR 0060001 paid; receipts 0300001 to 0300008 each with one
//   excess fund and one refund worksheet, numbers 0000101 to 0000108, in statuses 0, 1, 2, 3, 4,
//   5, T and V, prepared by REFUNDS, verified by SUPER, approved by ADJRCPT and refunded by ADJAR;
//   the excess funds of 0300006 (mailed, "5") and 0300007 (transferred) are closed, the others open.
//   Receipt 0300009 has an open, confirmed excess fund of 48.00 and no worksheet yet.
// Customer 100004 O'BRIEN & SONS TRANSPORT (a quote in the name): AR 0070001; receipt 0400001
//   paid with check 5555, so check number 5555 opens both 100002 and 100004.
// Customer 100005 PRAIRIE STAR EXPRESS: payment plan 0080001, alert 0080002, temporary permit
//   0080003, no receipts.
// Customer 100006 GREAT LAKES CARRIERS INC: AR 0090001 open again after both its payments were
//   adjusted (activity AS, PY, PY, CN, BO). Receipt 0600001 backed out (check 3131): its payment
//   backed out, the money left as an open excess fund 120.00. Receipt 0600002 canceled (check
//   3132): its payment canceled, its excess fund 15.00 closed by the cancel (status C).
// Customers the customer search shows together: 100007 FREIGHT MASTERS INC (ARs 0110001 to 0110036,
//   types C C T P A C in turn, every third paid; open receipts 0700001 to 0700003 in cash, paying
//   0110003, 0110006 and 0110009), 100008 FRONTIER FREIGHT SYSTEMS, 100009 NORTHERN FREIGHT & STORAGE, 100010
//   FREEDOM HAULERS LLC, 100011 ZÜRICH TRANSPORTE AG, 100012 ÉCLAIR LOGISTIQUE SARL; the last five have no
//   accounts.
// The next refund number handed out is 0000109.
//
// Enforcement troops "A" to "H", each with districts "1" to "5"; troop "A" also has districts "10"
// and "11", so that a three-character troop/district such as "A10" exists.
#pragma once

#include "store/StoreConnection.h"

#include <string>

namespace tavrik {

class DemoData {
public:
    // Fills a store that has just been given the schema; runs inside the caller's transaction.
    static void Fill(StoreConnection& database);
    // Adds the troops and their districts (part of Fill; on its own when an older store gains the
    // troop table). Runs inside the caller's transaction.
    static void AddTroops(StoreConnection& database);
    // Adds the print templates: type 36, the refund worksheet, from 2000-01-01 on (part of Fill; on its
    // own when an older store gains the template table). Runs inside the caller's transaction.
    static void AddPrintTemplates(StoreConnection& database);

    // What opens a bulk customer through the reference search.
    struct BulkCustomer {
        std::string customerId;
        std::string referenceType;   // "C" when it has ARs, else "R"
        std::string referenceNumber; // its first AR (or receipt) as "nnnnnnn-d"
    };

    // Adds one customer with arCount open citations and receiptCount receipts, numbered above every
    // number in the store, in one transaction. Throws std::invalid_argument when both counts are
    // zero or the numbers would pass 9999999.
    static BulkCustomer AddBulkCustomer(StoreConnection& database, int arCount, int receiptCount);

    // Adds count customers without accounts, "M0000001" on, numbered after those added before, in one
    // transaction: names of two or three words from fixed lists (some far more common than others,
    // one with an accent), cities and states from a fixed list. Answers the first one's id.
    static std::string AddBulkCustomers(StoreConnection& database, int count);

    // Adds one customer with one open, confirmed receipt that made paymentCount payments, none
    // adjusted, each against a paid citation of its own, numbered above every number in the store, in
    // one transaction. Answers the receipt's number as the receipt detail request names it
    // ("3000000"). Throws std::invalid_argument when paymentCount is below one or the numbers would
    // pass 9999999.
    static std::string AddBulkReceipt(StoreConnection& database, int paymentCount);
};

} // namespace tavrik
