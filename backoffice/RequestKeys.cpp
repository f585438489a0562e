#include "backoffice/RequestKeys.h"

#include "backoffice/RefusalTexts.h"
#include "backoffice/RequestError.h"
#include "common/TextUtil.h"
#include "common/Utf8.h"

namespace tavrik {

namespace {

constexpr std::size_t kMostQuotedCharacters = 40;

void RequireUtf8(std::string_view text, const std::string& where) {
    if (!Utf8::IsValid(text))
        throw RequestError(RefusalTexts::NotUtf8(where));
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

void RequireUtf8(const RequestMessage& request) {
    RequireUtf8(request.userId, "user id");
    for (const RequestKey& key : request.keys) {
        RequireUtf8(key.name, "key name");
        RequireUtf8(key.value, "key " + key.name);
        RequireUtf8(key.op, "operator of key " + key.name);
        RequireUtf8(key.system, "system of key " + key.name);
    }
    // Names first: the texts below name where they found bad bytes.
    for (const auto& [name, table] : request.dataSets) {
        RequireUtf8(name, "data set name");
        for (const FieldDefinition& field : table.Fields())
            RequireUtf8(field.name, "field name in " + name);
        for (std::size_t row = 0; row < table.RowCount(); ++row)
            for (std::size_t field = 0; field < table.Fields().size(); ++field)
                if (const FieldValue value = table.Cell(row, field); value.IsText())
                    RequireUtf8(value.ToStoreText(), table.Fields()[field].name + " in " + name);
    }
}

std::string QuotedForError(std::string_view text) {
    const std::string_view shown = Utf8::Left(text, kMostQuotedCharacters);
    const bool cut = shown.size() < text.size();
    std::string quoted = "\"";
    for (char byte : shown)
        quoted += (static_cast<unsigned char>(byte) < 0x20 || byte == 0x7F) ? '?' : byte;
    if (cut)
        quoted += "...";
    return quoted + "\"";
}

} // namespace tavrik
