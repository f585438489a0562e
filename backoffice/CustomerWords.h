// How customer names and identifiers become the searchable words of table customer_word, and how a
// clerk's typed text becomes the same words, so that both sides fold and cut text by one rule.
//
// Folding: each character is upper-cased by a simple one-to-one mapping: ASCII a-z, the Latin-1
// letters (ß stays), Latin Extended-A, Greek and Cyrillic; every other character is kept as it is.
// Accents are kept: "zurich" does not find "ZÜRICH", "zürich" does. Words are cut at blanks (ASCII
// white space).
//
// The index key: a word's first seven bytes (of its folded UTF-8) as a big-endian number. A prefix
// of a word is then a range of numbers, compared by value on every engine whatever its text
// collation; a prefix longer than seven bytes is also compared with the stored word, as text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavrik {

class CustomerWords {
public:
    // The rows of customer_word that find a word beginning with prefix: WORD_NBR BETWEEN first AND
    // last, and, when checkLength is above zero, SUBSTR(WORD, 1, checkLength) = word.
    struct Prefix {
        std::int64_t first = 0;
        std::int64_t last = 0;
        std::int64_t checkLength = 0;
        std::string word;
    };

    static std::string Fold(std::string_view text);
    // The folded words of text, in order, without empty ones.
    static std::vector<std::string> Split(std::string_view text);
    // The number stored in WORD_NBR for a folded word.
    static std::int64_t Number(std::string_view word);
    static Prefix PrefixOf(std::string_view word);
};

} // namespace tavrik
