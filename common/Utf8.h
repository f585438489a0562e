// The one place that knows how text is encoded: every text in the system is UTF-8, while lengths,
// caret positions and typed keys count characters (code points). A byte that starts no valid
// sequence counts as one character of its own, so broken text can be measured and cut without
// breaking it further.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tavrik {

class Utf8 {
public:
    // Stands for a byte that starts no valid sequence.
    static constexpr char32_t kReplacement = 0xFFFD;

    // The character at offset, which moves past it; kReplacement (and one byte on) for a bad one.
    static char32_t Decode(std::string_view text, std::size_t& offset);
    // The UTF-8 bytes of a character; empty for a value that is no character (a surrogate, too big).
    static std::string Encode(char32_t character);
    static bool IsValid(std::string_view text);
    // How many characters text holds.
    static std::size_t Length(std::string_view text);
    // Where the character at position starts, in bytes; the text's size for a position at or past its end.
    static std::size_t ByteOffset(std::string_view text, std::size_t position);
    // The first count characters of text (all of it when shorter).
    static std::string_view Left(std::string_view text, std::size_t count) {
        return text.substr(0, ByteOffset(text, count));
    }
};

} // namespace tavrik
