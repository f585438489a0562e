#include "tests/select/FakeReplies.h"

#include "common/DataSetDefinitions.h"

#include <deque>
#include <memory>

namespace tavrik {

void AnswerNextWith(BackOfficeSession& session, std::vector<ReplyMessage> replies) {
    auto queue = std::make_shared<std::deque<ReplyMessage>>(replies.begin(), replies.end());
    session.RewriteReplies([queue](ReplyMessage& reply) {
        if (queue->empty())
            return;
        reply = std::move(queue->front());
        queue->pop_front();
    });
}

ReplyMessage DataSetReply(const std::string& name, std::vector<std::vector<FieldValue>> rows) {
    ReplyMessage reply;
    reply.dataSets[name] = DataTable(DataSetDefinitions::EmptyTable(name)->Fields(), rows);
    return reply;
}

ReplyMessage CustomerMatches(std::initializer_list<std::vector<std::string>> rows) {
    std::vector<std::vector<FieldValue>> cells;
    for (const std::vector<std::string>& row : rows)
        cells.emplace_back(row.begin(), row.end());
    return DataSetReply("CUSTOMERMATCH", std::move(cells));
}

} // namespace tavrik
