#include "backoffice/CustomerWords.h"

#include "common/Utf8.h"

namespace tavrik {

namespace {

constexpr std::size_t kNumberBytes = 7;

// Latin Extended-A pairs an upper-case letter with the lower-case one after it, except in two runs
// where the lower-case letter comes first.
char32_t UpperLatinExtendedA(char32_t c) {
    const bool lowerIsEven = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    if (c == 0x131)
        return U'I';
    if (c == 0x17F)
        return U'S';
    if (c == 0x138 || c == 0x149)
        return c;
    return (c % 2 == 0) == lowerIsEven ? c - 1 : c;
}

char32_t Upper(char32_t c) {
    if (c >= U'a' && c <= U'z')
        return c - 0x20;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return c - 0x20;
    if (c == 0xFF)
        return 0x178;
    if (c >= 0x100 && c <= 0x17F)
        return UpperLatinExtendedA(c);
    if (c == 0x3C2)
        return 0x3A3;
    if (c >= 0x3B1 && c <= 0x3C9)
        return c - 0x20;
    if (c >= 0x430 && c <= 0x44F)
        return c - 0x20;
    if (c >= 0x450 && c <= 0x45F)
        return c - 0x50;
    return c;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

} // namespace

std::string CustomerWords::Fold(std::string_view text) {
    std::string folded;
    folded.reserve(text.size());
    for (std::size_t offset = 0; offset < text.size();)
        folded += Utf8::Encode(Upper(Utf8::Decode(text, offset)));
    return folded;
}

std::vector<std::string> CustomerWords::Split(std::string_view text) {
    std::vector<std::string> words;
    std::size_t start = 0;
    for (std::size_t at = 0; at <= text.size(); ++at) {
        if (at < text.size() && !IsBlank(text[at]))
            continue;
        if (at > start)
            words.push_back(Fold(text.substr(start, at - start)));
        start = at + 1;
    }
    return words;
}

std::int64_t CustomerWords::Number(std::string_view word) {
    std::int64_t number = 0;
    for (std::size_t i = 0; i < kNumberBytes; ++i)
        number = number << 8 | (i < word.size() ? static_cast<unsigned char>(word[i]) : 0);
    return number;
}

CustomerWords::Prefix CustomerWords::PrefixOf(std::string_view word) {
    Prefix prefix;
    prefix.first = Number(word);
    const std::size_t unfixed = word.size() < kNumberBytes ? kNumberBytes - word.size() : 0;
    prefix.last = prefix.first | ((std::int64_t{1} << (8 * unfixed)) - 1);
    if (word.size() > kNumberBytes)
        prefix.checkLength = static_cast<std::int64_t>(Utf8::Length(word));
    prefix.word = std::string(word);
    return prefix;
}

} // namespace tavrik
