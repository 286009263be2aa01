#include "platform/code_page.h"

#include <array>
#include <cstdio>

namespace varnel {

namespace {

// The characters of bytes 0x80 to 0x9F; the five bytes the code page leaves undefined
// stand for the control characters of the same value, so every byte comes back.
constexpr std::array<char32_t, 32> kHighControls = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CharacterOf(unsigned char b) {
    return b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : b;
}

struct Decoded {
    char32_t c;
    size_t length;
};

// The character that starts at `at`; nothing when the bytes there are no valid UTF-8
// (overlong forms, surrogates and values past U+10FFFF included).
std::optional<Decoded> DecodeUtf8(std::string_view s, size_t at) {
    const auto b = [&](size_t i) { return static_cast<unsigned char>(s[at + i]); };
    const unsigned char lead = b(0);
    if (lead < 0x80) return Decoded{lead, 1};
    size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                    : lead >= 0xE0 && lead <= 0xEF ? 3
                    : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                   : 0;
    if (length == 0 || at + length > s.size()) return std::nullopt;
    char32_t c = lead & (0x7F >> length);
    for (size_t i = 1; i < length; ++i) {
        if ((b(i) & 0xC0) != 0x80) return std::nullopt;
        c = (c << 6) | (b(i) & 0x3F);
    }
    const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < least[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    return Decoded{c, length};
}

// Every character of the code page is below U+0800 or in the Basic Multilingual Plane.
void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::optional<char> CodePageByte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == c) return static_cast<char>(0x80 + i);
    return std::nullopt;
}

CodePageText CodePageFromUtf8(std::string_view utf8) {
    CodePageText out;
    out.text.reserve(utf8.size());
    for (size_t at = 0; at < utf8.size();) {
        const auto d = DecodeUtf8(utf8, at);
        const char32_t c = d ? d->c : 0xFFFD;
        at += d ? d->length : 1;
        if (const auto byte = CodePageByte(c)) {
            out.text += *byte;
        } else {
            out.text += '?';
            out.replaced += c;
        }
    }
    return out;
}

std::string Utf8FromCodePage(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char b : text) AppendUtf8(out, CharacterOf(static_cast<unsigned char>(b)));
    return out;
}

bool LooksLikeUtf8(std::string_view bytes) {
    bool multiByte = false;
    for (size_t at = 0; at < bytes.size();) {
        const auto d = DecodeUtf8(bytes, at);
        if (!d) return false;
        multiByte = multiByte || d->length > 1;
        at += d->length;
    }
    return multiByte;
}

std::string CodePointNames(std::u32string_view chars) {
    std::string out;
    for (char32_t c : chars) {
        char name[16];
        std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(c));
        out += (out.empty() ? "" : ", ") + std::string(name);
    }
    return out;
}

}  // namespace varnel
