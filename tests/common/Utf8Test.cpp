#include "common/Utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace tavrik {
namespace {

TEST(Utf8, counts_and_cuts_characters_and_refuses_what_is_not_utf8) {
    struct Case {
        const char* name;
        std::string text;
        bool valid;
        std::size_t length;
        std::string firstTwo;
    };
    const Case cases[] = {
        {"ASCII", "abc", true, 3, "ab"},
        {"two, three and four bytes", "\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80", true, 3,
         "\xc3\xa9\xe2\x82\xac"},
        {"replacement character written out",
         "\xef\xbf\xbd"
         "a",
         true, 2,
         "\xef\xbf\xbd"
         "a"},
        {"Latin-1 byte",
         "G\xfc"
         "r",
         false, 3, "G\xfc"},
        {"stray continuation byte",
         "\x80"
         "ab",
         false, 3,
         "\x80"
         "a"},
        {"sequence cut short at the end", "a\xe2\x82", false, 3, "a\xe2"},
        {"overlong slash",
         "\xc0\xaf"
         "a",
         false, 3, "\xc0\xaf"},
        {"surrogate", "\xed\xa0\x80", false, 3, "\xed\xa0"},
        {"past the last character", "\xf4\x90\x80\x80", false, 4, "\xf4\x90"},
        {"last character",
         "\xf4\x8f\xbf\xbf"
         "a",
         true, 2,
         "\xf4\x8f\xbf\xbf"
         "a"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);

        const bool valid = Utf8::IsValid(test.text);
        const std::size_t length = Utf8::Length(test.text);
        const std::string_view firstTwo = Utf8::Left(test.text, 2);

        EXPECT_EQ(valid, test.valid);
        EXPECT_EQ(length, test.length);
        EXPECT_EQ(firstTwo, test.firstTwo);
    }
}

TEST(Utf8, encodes_what_it_decodes_and_nothing_for_values_that_are_no_character) {
    for (char32_t character : {U'a', U'\u00e9', U'\u20ac', U'\U0001F600', U'\U0010FFFF'}) {
        const std::string bytes = Utf8::Encode(character);
        std::size_t offset = 0;

        const char32_t decoded = Utf8::Decode(bytes, offset);

        EXPECT_EQ(decoded, character);
        EXPECT_EQ(offset, bytes.size());
        EXPECT_TRUE(Utf8::IsValid(bytes));
    }
    EXPECT_EQ(Utf8::Encode(0xD800), "");
    EXPECT_EQ(Utf8::Encode(0x110000), "");
    EXPECT_EQ(Utf8::Encode(static_cast<char32_t>(-1)), "");
}

} // namespace
} // namespace tavrik
