// One transaction on a store connection: begun by the constructor, rolled back by the destructor
// unless committed, so that a handler either applies all of an update or nothing.
#pragma once

#include "store/StoreConnection.h"

namespace tavrik {

class StoreTransaction {
public:
    StoreTransaction(StoreConnection& connection, StoreConnection::Access access) : connection_(connection) {
        connection_.Begin(access);
    }
    ~StoreTransaction() {
        if (open_)
            connection_.Rollback();
    }
    StoreTransaction(const StoreTransaction&) = delete;
    StoreTransaction& operator=(const StoreTransaction&) = delete;

    void Commit() {
        connection_.Commit();
        open_ = false;
    }

private:
    StoreConnection& connection_;
    bool open_ = true;
};

} // namespace tavrik
