// NMEA sentences of any talker. A configured identifier such as "$GPGGA" names a
// sentence type (GGA): a sentence of that type from any satellite talker matches it
// ($GPGGA, $GNGGA, $GLGGA, $GAGGA, $GBGGA, $BDGGA, $GQGGA). Any other identifier (one
// without the dollar, a shortened one) is looked for as plain text.
#pragma once
#include <string>
#include <string_view>

namespace varnel {

// The sentence kinds the logger reads; Other for every other sentence.
enum class SentenceKind { Other, Gga, Rmc, Zda, Wpl };

// The kind an identifier names ("$GPGGA", "$GNRMC"); Other when it names no sentence
// type or one not read here.
SentenceKind KindOf(std::string_view id);
// The kind of the sentence at the first '$' of `text` when a satellite talker sent it.
SentenceKind KindAt(std::string_view text);
// Where the first sentence matching the identifier starts in `text` (from `from`), or npos.
size_t FindSentence(std::string_view text, std::string_view id, size_t from = 0);
// True when the sentence carries a checksum ("*hh" after the data) that does not match.
bool BadChecksum(std::string_view sentence);
// The talker of a sentence ("GN" for "$GNGGA,..."), or empty.
std::string Talker(std::string_view sentence);

}  // namespace varnel
