// Request 75: one "REFUND" row saving the next step of a refund worksheet, or voiding it. Answers the
// worksheet as stored afterwards, as data set "REFUND" (one row, as the receipt's detail shows it).
//
// The row's STTS_CD is the status the worksheet moves to; the stored status decides the step:
//   "0" -> "1" prepare (ACTION "ADD"): recipient TO, headquarters comment, RFND_AMT equal to an open
//        excess fund of the receipt RCPT_NBR; a refund number not yet stored makes the worksheet.
//   "1" -> "2" verify, "2" -> "3" approve (ACTION "UPD"): recipient and headquarters comment.
//   "3" -> "4" refund (RFND_CD "1", WRNT_NBR, RFND_DT) or "3" -> "T" transfer (RFND_CD "0",
//        FISCAL_CMMT_TXT); a transfer closes the excess fund as "T".
//   "4" -> "5" mailed (DT_MLD, not before the refund date): closes the excess fund as "R".
//   "V" void (ACTION "UPD"): any worksheet not final; the excess fund stays open.
// "5", "T" and "V" are final. The officer of a step is the sender's user number as the store knows it,
// whatever the row names, and no user records two of prepare, verify, approve and refund on one
// worksheet. The privileges, by step:
//   CREATEREFUND prepare, VERIFYREFUND verify, APPROVEREFUND approve, ISSUEREFUND refund, transfer
//   and mailed, VOIDREFUND void.
#pragma once

#include "backoffice/LocalMoment.h"
#include "backoffice/RequirePrivilege.h"
#include "backoffice/SentRow.h"
#include "common/ReplyMessage.h"
#include "common/RequestMessage.h"
#include "store/StoreConnection.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tavrik {

inline constexpr Privilege kPrepareRefunds{"CREATEREFUND", "prepare refund worksheets"};
inline constexpr Privilege kVerifyRefunds{"VERIFYREFUND", "verify refund worksheets"};
inline constexpr Privilege kApproveRefunds{"APPROVEREFUND", "approve refund worksheets"};
inline constexpr Privilege kIssueRefunds{"ISSUEREFUND", "refund or transfer excess funds"};
inline constexpr Privilege kVoidRefunds{"VOIDREFUND", "void refund worksheets"};

class RefundWorksheet {
public:
    // now: the back office's clock, for "today".
    RefundWorksheet(StoreConnection& database, LocalMoment now) : database_(database), now_(now) {}

    // Answers one request (an object serves one), within the caller's write transaction, which the
    // caller commits only when this returns. Every refusal is a RequestError thrown before anything
    // is written.
    ReplyMessage Handle(const RequestMessage& request);

private:
    // A refund row; what a step has not recorded yet is empty.
    struct Stored {
        std::int64_t number = 0;
        std::string customerId;
        std::int64_t receipt = 0;
        std::string status = "0";
        std::optional<std::string> recipient;
        std::int64_t amount = 0; // ten-thousandths
        std::optional<std::string> created;
        std::optional<std::int64_t> creator, verifier, approver, refunder, voider;
        std::optional<std::string> headquartersComment, fiscalComment, refundCode, warrant, refundDay,
            mailDay;
    };

    void ReadStored(std::int64_t number);
    void RequireSameWorksheet(const SentRow& row) const;
    void Void(const RequestMessage& request, const SentRow& row);
    void SaveStep(const RequestMessage& request, const SentRow& row);
    void RequireNewWorksheetAllowed(const SentRow& row);
    void RequireAnotherOfficer(std::int64_t user, const RequestMessage& request) const;
    void ReadRecipientAndComment(const SentRow& row);
    void ReadAmount(const SentRow& row);
    void ReadRefundOrTransfer(const SentRow& row, const std::string& next);
    void ReadMailed(const SentRow& row);
    void CloseExcessFund(std::string_view status);
    void Write();
    std::string Shown() const;

    StoreConnection& database_;
    LocalMoment now_;
    Stored worksheet_;
    bool isStored_ = false;
};

} // namespace tavrik
