// Request 1006 of our own: the print template of a type valid on a day, as data set "TEMPLATE" (one
// row: type, validity and the file's text), or no data set when none is valid then. Keys
// "key:TMPLT_TYP_CD" and "key:TMPLT_DT" ("yyyy-mm-dd"). Of two templates valid that day, the one
// that became valid last.
#pragma once

#include "common/ReplyMessage.h"
#include "common/RequestMessage.h"
#include "store/StoreConnection.h"

namespace tavrik {

class PrintTemplates {
public:
    explicit PrintTemplates(StoreConnection& database) : database_(database) {}

    // Reads within the caller's transaction. Throws RequestError when a key is missing or malformed.
    ReplyMessage Handle(const RequestMessage& request);

private:
    StoreConnection& database_;
};

} // namespace tavrik
