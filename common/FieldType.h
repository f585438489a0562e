// The kinds of value a data-set field holds.
#pragma once

namespace tavrik {

enum class FieldType { Text, Integer, Currency, Date };

} // namespace tavrik
