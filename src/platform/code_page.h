// Windows-1252, the code page of every file and every text of the logger, against
// Unicode: the text of the window's boxes and files that a text editor saved as UTF-8.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace varnel {

// Text in the code page with the characters it could not hold, each of which stands
// as one "?" in the text.
struct CodePageText {
    std::string text;
    std::u32string replaced;
};

// The byte of a character in the code page; nothing when it cannot hold it.
std::optional<char> CodePageByte(char32_t c);
// UTF-8 to the code page. Every character the code page cannot hold becomes one "?",
// however many bytes it takes (one outside the Basic Multilingual Plane too); so does
// each byte that is no part of a valid UTF-8 sequence. The rest of the text is kept.
CodePageText CodePageFromUtf8(std::string_view utf8);
// The code page as UTF-8; every byte is a character.
std::string Utf8FromCodePage(std::string_view text);
// Whether the bytes are valid UTF-8 that holds at least one multi-byte sequence: a
// text editor's UTF-8 rather than the code page, whose letters past ASCII hardly ever
// line up into valid sequences ("Ñ" in UTF-8 is "Ã‘" read as the code page).
bool LooksLikeUtf8(std::string_view bytes);
// How the code page's texts name characters they cannot show: "U+9BE8, U+1F433".
std::string CodePointNames(std::u32string_view chars);

}  // namespace varnel
