// Replies the tests put in place of the back office's: the customer search's matches and a
// customer's accounts or receipts, as the protocol gives them, for what the back office does not
// answer the way a test needs (a late reply, a reply without data, a failure).
#pragma once

#include "common/ReplyMessage.h"
#include "tests/support/BackOfficeSession.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace tavrik {

// The next replies are these, in order, whatever the back office answered; later ones are its own.
void AnswerNextWith(BackOfficeSession& session, std::vector<ReplyMessage> replies);

// A "CUSTOMERMATCH" reply; each row is CUST_ID, CUST_NM, CUST_TYP_CD, CITY, STATE.
ReplyMessage CustomerMatches(std::initializer_list<std::vector<std::string>> rows);
// A reply of the named data set with these rows, cells in the data set's field order.
ReplyMessage DataSetReply(const std::string& name, std::vector<std::vector<FieldValue>> rows);

} // namespace tavrik
