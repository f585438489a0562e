// Request 48 for an AR: voids or deletes the whole AR, or removes and reinstates its assessments
// (with the License Purchase Option when an LPO fee is removed), after checking everything a
// trusting client could get wrong. Answers the AR's assessments as they are afterwards.
#pragma once

#include "backoffice/LicensePurchaseOption.h"
#include "backoffice/LocalMoment.h"
#include "backoffice/SentRow.h"
#include "backoffice/StoredAccount.h"
#include "common/ReplyMessage.h"
#include "common/RequestMessage.h"
#include "store/StoreConnection.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavrik {

class AccountAdjustment {
public:
    // now: the back office's clock, for "today" and the time the activity is recorded at.
    AccountAdjustment(StoreConnection& database, LocalMoment now) : database_(database), now_(now) {}

    // Answers one request (an object serves one), within the caller's write transaction, which the
    // caller commits only when this returns. Every refusal is a RequestError thrown before anything
    // is written.
    ReplyMessage Handle(const RequestMessage& request);

private:
    struct StoredAssessment {
        std::int64_t sequence = 0;
        std::int64_t transaction = 0;
        std::string code; // "" when it has none
        CalendarDate issued;
        Currency clerkAmount;               // CL_ASMT_AMT
        std::optional<Currency> lpoAmount;  // AC_ASMT_AMT
        std::optional<Currency> balanceDue; // BAL_DUE_AMT
        bool active = false;
        bool lpo = false;

        // What it is worth: the LPO amount for an LPO fee that has one, else the clerk's amount.
        Currency Amount() const { return lpo && lpoAmount ? *lpoAmount : clerkAmount; }
        // The amount the form shows for it, and so sends back.
        std::optional<Currency> ShownAmount() const { return lpo ? lpoAmount : clerkAmount; }
    };
    struct Change {
        StoredAssessment assessment;
        bool removal = false;
    };

    void ReadAdjustment(const SentRow& row);
    void RequireAdjustable() const;
    void CheckWholeAccountAction(const RequestMessage& request) const;
    std::vector<StoredAssessment> StoredAssessments() const;
    std::vector<Change> ReadChanges(const DataTable* rows) const;
    Change ReadChange(const SentRow& row, const std::vector<StoredAssessment>& stored) const;
    std::optional<LicensePurchaseOption> ReadLpo(const DataTable* rows,
                                                 const std::vector<Change>& changes) const;

    void ApplyWholeAccountAction();
    void ApplyChanges(const std::vector<Change>& changes);
    void SetAssessment(std::int64_t sequence, std::string_view status, Currency balanceDue);
    void SaveAccount(std::optional<std::string_view> status);
    void Record(std::string_view activityCode, Currency amount);

    StoreConnection& database_;
    LocalMoment now_;
    std::string userNumber_; // LST_UPDT_USER_ID of the activity recorded
    StoredAccount account_;
    CalendarDate day_;
    std::string comment_;
    std::string action_; // "V", "D" or "" for changes of assessments
    std::int64_t nextTransaction_ = 0;
};

} // namespace tavrik
