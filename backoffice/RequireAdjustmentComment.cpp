#include "backoffice/RequireAdjustmentComment.h"

#include "backoffice/RefusalTexts.h"
#include "backoffice/RequestError.h"
#include "common/Utf8.h"

namespace tavrik {

std::string RequireAdjustmentComment(std::string comment) {
    if (comment.empty())
        Refuse(RefusalTexts::kCommentRequired);
    if (Utf8::Length(comment) > kLongestAdjustmentComment)
        Refuse(RefusalTexts::TooLong("comment", kLongestAdjustmentComment));
    return comment;
}

} // namespace tavrik
