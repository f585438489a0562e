// What must hold in a back-office store after any request it accepted: money neither made nor lost,
// no AR owing less than nothing, and no refund worksheet past a step without the officer of that
// step. Each is one SQL query, here and nowhere else.
#pragma once

#include "store/StoreConnection.h"

#include <string>
#include <vector>

namespace tavrik {

class StoreInvariants {
public:
    // The sentences of those that do not hold; empty when all do.
    static std::vector<std::string> Broken(StoreConnection& store);
    // Each receipt whose total is not what it paid and the excess funds it left, with the difference.
    // A payment backed out becomes an excess fund; a canceled one stays what the receipt took in. The
    // demo's history leaves some receipts unbalanced; a request may make none, nor change one, since
    // money moves between receipts only as an excess fund or a part of one split off.
    static std::string UnbalancedReceipts(StoreConnection& store);
};

} // namespace tavrik
