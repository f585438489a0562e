// The text of backoffice/schema.sql, built into the program so that a new store needs no files.
#pragma once

#include <string_view>

namespace tavrik {

extern const std::string_view kSchemaSql;

} // namespace tavrik
