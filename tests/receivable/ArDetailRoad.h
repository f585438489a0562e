// What the AR detail tests share: opening an AR's detail window from the document the way a clerk
// does, and ticking its assessments.
#pragma once

#include "receivable/Tavrik_AccDetail.h"
#include "tests/support/DocumentHarness.h"

#include <functional>
#include <string>

namespace tavrik {

// Opens customer ACME's account, selects the AR and presses "AR Detail"; the script runs while the
// detail window is shown, after the assessment reply has been handled. A script that leaves the
// window shown fails the test.
void WithArDetail(DocumentHarness& harness, const std::string& arNumber,
                  std::function<void(Tavrik_AccDetail&)> script);

// Ticks a row of a detail grid by its assessment code, as a click in the check-box cell does.
void Tick(Tavrik_AccDetail& detail, int gridIndex, const std::string& assessmentCode, int occurrence = 1);

} // namespace tavrik
