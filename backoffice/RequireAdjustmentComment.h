// The comment every adjustment, of an AR or of a receipt, is saved with: required, and no longer than
// the forms' comment boxes take; a longer one is refused, never cut.
#pragma once

#include <cstddef>
#include <string>

namespace tavrik {

// Counted in characters, whatever bytes each takes.
inline constexpr std::size_t kLongestAdjustmentComment = 254;

// Answers the comment as sent. Throws RequestError when it is empty or longer than the limit.
std::string RequireAdjustmentComment(std::string comment);

} // namespace tavrik
