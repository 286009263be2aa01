// Where the station takes its navigation from, named once from the configuration's
// source word, so the rest of the program compares names instead of words.
#pragma once
#include <string_view>

namespace varnel {

enum class NavSource {
    None,     // no source: the form's state before start-up picks one, and the word JD
    Network,  // NMEA sentences in the current-position file (NETWORK)
    Knorr,    // the same file; while it is missing the station says it is reading it (KNORR)
    Scs,      // the same file, with "Auto Fill Data" left as it was at start-up (SCS, JORDAN)
    Met,      // a MET record of tagged items in the current-position file (MET)
    Gps,      // a receiver on the serial port, written on to the file (GPS)
    Udp,      // datagrams on a UDP port: NMEA sentences or position records (UDP)
    Unknown,  // a word the program does not know; selects no source either
};

// The source a configuration word names; blanks around it and the case of its
// letters do not matter.
NavSource ParseNavSource(std::string_view word);

// The source's word as the program keeps it ("SCS" for JORDAN); empty for no source.
std::string_view NavSourceName(NavSource source);

}  // namespace varnel
