#include "store/DollarParameters.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace tavrik {
namespace {

TEST(DollarParameters, numbers_parameters_outside_literals_names_and_comments) {
    struct Case {
        std::string_view sql;
        std::string_view expected;
        int count;
    };
    const Case cases[] = {
        {"SELECT ?1", "SELECT $1", 1},
        {"a=?1 AND b=?12 OR c=?2", "a=$1 AND b=$12 OR c=$2", 12},
        {"SELECT '?1', 'it''s ?2' || ?3", "SELECT '?1', 'it''s ?2' || $3", 3},
        {"SELECT \"?1 \"\"x\"\"\" FROM t WHERE k = ?1", "SELECT \"?1 \"\"x\"\"\" FROM t WHERE k = $1", 1},
        {"-- ?1 of old\nWHERE k = ?2", "-- ?1 of old\nWHERE k = $2", 2},
        {"/* ?1 - ' */ ?3", "/* ?1 - ' */ $3", 3},
        {"SELECT data ? 'key', ?", "SELECT data ? 'key', ?", 0},
        {"SELECT 'M\xc3\xbcller ?1' || ?1", "SELECT 'M\xc3\xbcller ?1' || $1", 1},
        {"SELECT 'open ?1", "SELECT 'open ?1", 0},
        {"", "", 0},
    };
    for (const Case& each : cases) {
        const DollarParameters converted = WithDollarParameters(each.sql);
        EXPECT_EQ(converted.sql, each.expected) << each.sql;
        EXPECT_EQ(converted.count, each.count) << each.sql;
    }
}

TEST(DollarParameters, refuses_numbers_past_what_postgres_takes) {
    for (const std::string_view sql : {"SELECT ?65536", "SELECT ?99999999999999999999"})
        EXPECT_THROW(WithDollarParameters(sql), std::runtime_error) << sql;
    EXPECT_EQ(WithDollarParameters("SELECT ?65535").count, 65535);
}

} // namespace
} // namespace tavrik
