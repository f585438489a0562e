#include "backoffice/RequestKeys.h"

#include "backoffice/RequestError.h"
#include "common/TextUtil.h"

namespace tavrik {

namespace {

constexpr std::size_t kMostQuotedBytes = 40;

bool IsUtf8Continuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

} // namespace

std::optional<std::string> KeyValue(const RequestMessage& request, std::string_view keyName) {
    for (const RequestKey& key : request.keys) {
        if (key.name != keyName)
            continue;
        if (Trim(key.op) != "=")
            throw RequestError("The back office compares " + std::string(keyName) +
                               " only with \"=\", not with " + QuotedForError(key.op) + ".");
        if (ToUpper(Trim(key.system)) != "PENTRAX")
            throw RequestError("The back office answers " + std::string(keyName) +
                               " only for system PENTRAX, not " + QuotedForError(key.system) + ".");
        return Trim(key.value);
    }
    return std::nullopt;
}

std::string RequiredKeyValue(const RequestMessage& request, std::string_view keyName,
                             std::string_view meaning) {
    std::optional<std::string> value = KeyValue(request, keyName);
    if (!value || value->empty())
        throw RequestError("The request lacks " + std::string(meaning) + " (" + std::string(keyName) + ").");
    return *value;
}

std::string QuotedForError(std::string_view text) {
    std::size_t length = text.size();
    bool cut = length > kMostQuotedBytes;
    if (cut) {
        length = kMostQuotedBytes;
        while (length > 0 && IsUtf8Continuation(text[length]))
            --length;
    }
    std::string quoted = "\"";
    for (char byte : text.substr(0, length))
        quoted += (static_cast<unsigned char>(byte) < 0x20 || byte == 0x7F) ? '?' : byte;
    if (cut)
        quoted += "...";
    return quoted + "\"";
}

} // namespace tavrik
