#include "fuzz/StoreDigest.h"

#include "store/StoreQuery.h"

#include <string>
#include <vector>

namespace tavrik {

namespace {

// FNV-1a: not for adversaries, only to notice any change at all.
void Fold(std::uint64_t& hash, const std::string& bytes) {
    for (unsigned char byte : bytes) {
        hash ^= byte;
        hash *= 1099511628211ULL;
    }
    hash ^= 0xff; // ends the value, so that "ab","c" and "a","bc" differ
    hash *= 1099511628211ULL;
}

} // namespace

std::uint64_t StoreDigest::Of(StoreConnection& store) {
    std::vector<std::string> tables;
    StoreQuery names(store, "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name");
    while (names.Step())
        tables.push_back(names.Text(0));

    std::uint64_t hash = 14695981039346656037ULL;
    for (const std::string& table : tables) {
        Fold(hash, table);
        StoreQuery rows(store, "SELECT * FROM \"" + table + "\"");
        while (rows.Step())
            for (int column = 0; column < rows.ColumnCount(); ++column)
                Fold(hash, rows.IsNull(column) ? std::string("\x01null") : rows.Text(column));
    }
    return hash;
}

} // namespace tavrik
