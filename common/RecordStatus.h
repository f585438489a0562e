// What has happened to a row of a recordset since it was read.
#pragma once

namespace tavrik {

enum class RecordStatus { Unmodified, New, Modified, Deleted };

} // namespace tavrik
