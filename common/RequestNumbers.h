// The request types of the back office's protocol, named once for the forms, the library and the
// back office. The library's own (100x) are ours: they load what the common library keeps.
#pragma once

namespace tavrik {

// An AR's account activity: keys "key:ACCT_RCVBL_NBR", "key:ACCT_RCVBL_TYP_CD", "key:THIN".
inline constexpr int kAccountActivityRequest = 41;
// Search by reference ("key:REF_NBR", "key:REF_TYP_CD", and "key:LPO" for an AR's assessments) or
// a receipt's detail ("key:RECEIPT_NBR", "key:RECEIPT_DETL").
inline constexpr int kReferenceSearchRequest = 47;
// An adjustment of an AR ("ADJUSTAR", "ASSESSMENT", "CTTNADTNINFO") or of a receipt.
inline constexpr int kAdjustmentRequest = 48;
// A customer's accounts or receipts.
inline constexpr int kCustomerAccountsRequest = 50;
// Creating a refund of an excess fund.
inline constexpr int kCreateRefundRequest = 74;
// Transferring an excess fund to another customer: key "key:OVRG_RCPT" (the receipt) and data set
// "EXCESS" (see backoffice/TransferPayment.h).
inline constexpr int kTransferRequest = 36;
// Saving or voiding a refund worksheet.
inline constexpr int kRefundWorksheetRequest = 75;

// All rows of TVK_CODE, as data set "TVK_CODE", for the library's read-only copy of the code tables.
inline constexpr int kCodeTablesRequest = 1001;
// The signed-on user: key "key:USER_ID"; data sets "USERINFO" (one row) and "USERPRIVILEGE".
inline constexpr int kSessionRequest = 1002;
// The customer selector's search: key "key:CUST_SEARCH" (what the clerk typed: words of a name, each
// matching a word of the customer's name from its start, or a customer identifier); data set
// "CUSTOMERMATCH" with at most the best 100 customers.
inline constexpr int kCustomerSearchRequest = 1004;
// New form numbers, each handed out once: keys "key:NBR_TYP_CD" ("U": refund numbers) and
// "key:NBR_CNT" (how many, 1 to 10); data set "REQ", one row per number in field "U".
inline constexpr int kFormNumberRequest = 1005;
// The print template of a type valid on a day: keys "key:TMPLT_TYP_CD" (36: the refund worksheet) and
// "key:TMPLT_DT" ("yyyy-mm-dd"); data set "TEMPLATE", one row, or none when no template is valid then.
inline constexpr int kTemplateRequest = 1006;
// What a transfer of an excess fund shows: key "key:RCPT_NBR" (the receipt), optionally "key:CUST_ID"
// (the receiving customer); data sets "OVERPAYMENT" (the receipt's open excess funds), and with a
// customer "CUSTOMERMATCH" (one row) and "ACNTSRCVBL" (its open ARs still owing).
inline constexpr int kTransferLookupRequest = 1007;
// What the library looks names and troops up in: data sets "APPUSER" (every user's number and name)
// and "TROOPDISTRICT" (one row per district of an enforcement troop).
inline constexpr int kReferenceDataRequest = 1003;

} // namespace tavrik
