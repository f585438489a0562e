#include "common/Utf8.h"

namespace tavrik {

namespace {

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

} // namespace

char32_t Utf8::Decode(std::string_view text, std::size_t& offset) {
    const auto lead = static_cast<unsigned char>(text[offset]);
    std::size_t length = 0;
    char32_t character = 0;
    char32_t smallest = 0;
    if (lead < 0x80) {
        ++offset;
        return lead;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        character = lead & 0x1F;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        character = lead & 0x0F;
        smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        character = lead & 0x07;
        smallest = 0x10000;
    } else {
        ++offset;
        return kReplacement;
    }
    if (text.size() - offset < length) {
        ++offset;
        return kReplacement;
    }
    for (std::size_t at = 1; at < length; ++at) {
        const auto byte = static_cast<unsigned char>(text[offset + at]);
        if (!IsContinuation(byte)) {
            ++offset;
            return kReplacement;
        }
        character = (character << 6) | (byte & 0x3F);
    }
    // Overlong forms, surrogates and values past the last character are not UTF-8.
    if (character < smallest || (character >= 0xD800 && character <= 0xDFFF) || character > 0x10FFFF) {
        ++offset;
        return kReplacement;
    }
    offset += length;
    return character;
}

std::string Utf8::Encode(char32_t character) {
    std::string bytes;
    if (character < 0x80) {
        bytes += static_cast<char>(character);
    } else if (character < 0x800) {
        bytes += static_cast<char>(0xC0 | (character >> 6));
        bytes += static_cast<char>(0x80 | (character & 0x3F));
    } else if (character < 0x10000) {
        if (character >= 0xD800 && character <= 0xDFFF)
            return {};
        bytes += static_cast<char>(0xE0 | (character >> 12));
        bytes += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (character & 0x3F));
    } else if (character <= 0x10FFFF) {
        bytes += static_cast<char>(0xF0 | (character >> 18));
        bytes += static_cast<char>(0x80 | ((character >> 12) & 0x3F));
        bytes += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (character & 0x3F));
    }
    return bytes;
}

bool Utf8::IsValid(std::string_view text) {
    for (std::size_t offset = 0; offset < text.size();) {
        const std::size_t start = offset;
        // A replacement character written out in full is valid; one standing for a bad byte is not.
        if (Decode(text, offset) == kReplacement && offset - start == 1)
            return false;
    }
    return true;
}

std::size_t Utf8::Length(std::string_view text) {
    std::size_t length = 0;
    for (std::size_t offset = 0; offset < text.size(); ++length)
        Decode(text, offset);
    return length;
}

std::size_t Utf8::ByteOffset(std::string_view text, std::size_t position) {
    std::size_t offset = 0;
    for (; position > 0 && offset < text.size(); --position)
        Decode(text, offset);
    return offset;
}

} // namespace tavrik
