#include "fuzz/StoreInvariants.h"

#include "store/StoreQuery.h"

namespace tavrik {

namespace {

struct Invariant {
    const char* sentence;
    const char* countBreaking;
};

const Invariant kInvariants[] = {
    {"no AR balance is below zero", "SELECT COUNT(*) FROM acct_rcvbl WHERE ACCT_RCVBL_BAL_AMT < 0"},
    {"no excess fund is below zero", "SELECT COUNT(*) FROM overpayment WHERE OVR_PYMT_AMT < 0"},
    {"a refund worksheet from step 1 on has its creator",
     "SELECT COUNT(*) FROM refund WHERE STTS_CD IN ('1', '2', '3', '4', '5', 'T') AND CREATOR_ID IS NULL"},
    {"a refund worksheet from step 2 on has its verifier",
     "SELECT COUNT(*) FROM refund WHERE STTS_CD IN ('2', '3', '4', '5', 'T') AND VERIFY_ID IS NULL"},
    {"a refund worksheet from step 3 on has its approver",
     "SELECT COUNT(*) FROM refund WHERE STTS_CD IN ('3', '4', '5', 'T') AND APPROVE_ID IS NULL"},
    {"a refund worksheet issued or transferred has its fiscal officer",
     "SELECT COUNT(*) FROM refund WHERE STTS_CD IN ('4', '5', 'T') AND RFND_BY_ID IS NULL"},
};

} // namespace

std::string StoreInvariants::UnbalancedReceipts(StoreConnection& store) {
    StoreQuery receipts(
        store,
        "SELECT r.RCPT_NBR, r.TOT_PYMT_AMT - "
        "COALESCE((SELECT SUM(p.CL_PYMT_AMT) FROM payment p WHERE p.RCPT_NBR = r.RCPT_NBR "
        "AND COALESCE(p.ACTVTY_STTS_CD, '') <> 'B'), 0) - "
        "COALESCE((SELECT SUM(o.OVR_PYMT_AMT) FROM overpayment o WHERE o.RCPT_NBR = r.RCPT_NBR), 0) AS GAP "
        "FROM receipt r WHERE GAP <> 0 ORDER BY r.RCPT_NBR");
    std::string unbalanced;
    while (receipts.Step())
        unbalanced += receipts.Text(0) + ":" + receipts.Text(1) + " ";
    return unbalanced;
}

std::vector<std::string> StoreInvariants::Broken(StoreConnection& store) {
    std::vector<std::string> broken;
    for (const Invariant& invariant : kInvariants) {
        StoreQuery count(store, invariant.countBreaking);
        if (count.Step() && count.Integer(0) != 0)
            broken.emplace_back(invariant.sentence);
    }
    return broken;
}

} // namespace tavrik
