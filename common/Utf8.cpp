// The program's UTF-8 decoder and encoder, and the games' character counts built on them.
#include "Utf8.h"

namespace {

constexpr char32_t Replacement = 0xFFFD;

// The valid sequence that starts at byte i: its length and value, or a length of 0 when the byte
// starts none.
std::size_t DecodeAt(const std::string& utf8, std::size_t i, char32_t& value) {
    const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
    const std::size_t n = utf8.size();
    const unsigned char lead = p[i];
    if (lead < 0x80) {
        value = lead;
        return 1;
    }
    std::size_t length = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, value = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, value = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, value = lead & 0x07, minimum = 0x10000;
    }
    if (length == 0 || i + length > n)
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const unsigned char c = p[i + k];
        if ((c & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (c & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    return length;
}

}  // namespace

std::u32string DecodeUtf8(const std::string& utf8) {
    std::u32string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        char32_t value = 0;
        const std::size_t length = DecodeAt(utf8, i, value);
        out.push_back(length > 0 ? value : Replacement);
        i += length > 0 ? length : 1;
    }
    return out;
}

std::string EncodeUtf8(const std::u32string& text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t c : text) {
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            c = Replacement;
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::vector<std::string> SplitCharacters(const std::string& utf8) {
    std::vector<std::string> characters;
    std::size_t i = 0;
    while (i < utf8.size()) {
        char32_t value = 0;
        std::size_t length = DecodeAt(utf8, i, value);
        if (length == 0)
            length = 1;
        characters.push_back(utf8.substr(i, length));
        i += length;
    }
    return characters;
}

std::size_t CharacterCount(const std::string& utf8) {
    std::size_t count = 0;
    std::size_t i = 0;
    while (i < utf8.size()) {
        char32_t value = 0;
        const std::size_t length = DecodeAt(utf8, i, value);
        i += length > 0 ? length : 1;
        ++count;
    }
    return count;
}
