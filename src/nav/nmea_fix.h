// One NMEA sentence read into a fix: the time of day, the position and the receiver's
// fix quality as values, beside the texts the main window's navigation boxes show, cut
// from the fields exactly as they come. A sentence is read as the kind its reader asks
// for (the configured one for the current-position file, the kind at its '$' for the
// receiver's own sentences). Hemisphere letters are not read: every position is taken
// as north and west.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "nav/nmea_sentence.h"

namespace varnel {

// Whether the text after the last comma is a field. It is in a sentence as the receiver
// sends it (the last field, with the checksum); it is not in a line of the
// current-position file, where it also holds the closing quote.
enum class LastField { Kept, Dropped };

// A sentence's fields as views into its text: field 0 is the identifier (with whatever
// stands before it), field k the text after the k-th comma. Fields past the last one
// read here are counted but not kept.
struct SentenceFields {
    static constexpr size_t kKept = 12;
    std::array<std::string_view, kKept> at{};
    size_t count = 0;

    std::string_view operator[](size_t k) const { return k < count && k < kKept ? at[k] : std::string_view(); }
    // A later sentence's fields laid over these: each field it has replaces the one here,
    // the fields past its last one stay.
    void Overlay(const SentenceFields& later);
};

SentenceFields SplitSentence(std::string_view sentence, LastField last);

struct Fix {
    SentenceKind kind = SentenceKind::Other;  // the kind the sentence was read as
    std::string talker;                       // the two characters after the '$' ("GP", "GN", "IN")
    bool checksumWrong = false;               // a "*hh" checksum that does not match
    // Seconds since midnight UTC, from field 1 (hhmmss) of GGA, RMC and ZDA when it has
    // at least six characters; each pair reads as a whole number as far as it is one.
    std::optional<long long> utcSecond;
    // Degrees in single precision, as the tick takes them: latitude from degrees and
    // minutes when the degrees read as a positive number; longitude negative (west)
    // when its degrees do too, hold no '-' and the latitude is there and not -99.
    std::optional<float> latitude, longitude;
    std::string quality;           // GGA: fix quality; RMC: "0" for status V, else "1"
    std::string satellites, hdop;  // GGA: satellites in use, horizontal dilution
    // As shown: "hh:mm:ss" (decimal seconds dropped), "dd-Mon-yyyy", and the degree and
    // minute texts of the latitude (2 degree digits) and the longitude (3).
    std::string time, date, latDeg, latMin, lonDeg, lonMin;
};

// The date text the fields of a `kind` sentence carry: RMC's ddmmyy, ZDA's day, month
// and year; empty for the other kinds.
std::string DateOf(const SentenceFields& fields, SentenceKind kind);
// The fix in fields already split, read as `kind` (talker and checksum left unset).
Fix ParseFix(const SentenceFields& fields, SentenceKind kind);
// The fix in a sentence or a line holding one, read as `kind`.
Fix ParseFix(std::string_view sentence, SentenceKind kind, LastField last);

}  // namespace varnel
