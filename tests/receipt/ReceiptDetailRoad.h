// What the receipt detail tests share: opening a receipt's detail window from the document the way
// a clerk does, and choosing a payment's action in the payments grid.
#pragma once

#include "receipt/Tavrik_PayDetail.h"
#include "tests/support/DocumentHarness.h"

#include <functional>
#include <string>

namespace tavrik {

// Opens the citation's account (ACME's by default), selects the receipt ("0100001") and presses
// "Receipt Detail"; the script runs while the detail window is shown, after the receipt reply has been
// handled. A script that leaves the window shown fails the test.
void WithReceiptDetail(DocumentHarness& harness, const std::string& receiptNumber,
                       std::function<void(Tavrik_PayDetail&)> script, const std::string& citation = "12345");

// Picks the action ("BACKOUT", or "" to clear it) in the Action cell of the payment against the AR,
// as the drop-down list does.
void ChooseAction(Tavrik_PayDetail& detail, const std::string& arNumber, const std::string& action);

// Enters the date adjusted and the comment.
void DateAndComment(Tavrik_PayDetail& detail, int year, unsigned month, unsigned day,
                    const std::string& comment);

} // namespace tavrik
