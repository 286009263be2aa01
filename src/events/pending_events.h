// Events on their way to the shared folder, and to the station's own logs when the
// home folder could not take them. Before an event's files are written, its lines go
// into a journal in the home folder (PendingEvents.txt, one line per event, synced);
// once the shared cruise log, the shared role log and the HTML table hold them, the
// entry is cleared. Whatever stays in the journal (the shared folder was down, a write
// failed, the program was killed, the event was recorded in local operation) is sent
// later, in order and exactly once: each target is checked for the exact line before
// it is appended, so a send cut short anywhere can simply run again. An event that the
// local cruise log, role log or HTML table could not take (a full disk, no permission,
// an I/O error) is held the same way, marked as lacking the local side, and written
// there in order as soon as the home folder can be written again. The entries live in
// the program (ActivityForm::held) and the journal follows them; on a full home disk
// they are in the program only.
#pragma once
#include <string>
#include <vector>

#include "forms/workstation.h"
#include "record/journal_entry.h"

namespace varnel {

std::string PendingJournalPath(const ActivityForm& f);
std::vector<PendingEvent> ReadPendingEvents(FileSystem& fs, const std::string& journal);
// Adds the event to the journal, synced to disk. Throws FileError.
void AddPendingEvent(FileSystem& fs, const std::string& journal, const PendingEvent& e);
// Clears the oldest `count` entries of the journal.
void DropPendingEvents(FileSystem& fs, const std::string& journal, size_t count);

// The held events: the journal's entries, read the first time they are needed (a
// journal that cannot be read is tried again next time; events held meanwhile stay).
std::vector<PendingEvent>& HeldEvents(Workstation& w);
// Holds a new event: the program keeps it and the journal gets its entry (synced).
// False when the journal could not take it; `failed` then says why.
bool HoldEvent(Workstation& w, const PendingEvent& e, std::vector<std::string>& failed);
// Writes the journal from the held events (replaced whole, or removed when none is left).
void SaveHeldEvents(Workstation& w);

// Sends the waiting events, oldest first, when the station runs in network mode;
// stops at the first failure. Shows the count in the status bar while any wait, and
// one message when all that waited have been sent. True when none is left waiting
// (in network mode). With keepNewest, the newest entry (the event being saved) is
// left for the caller.
bool SendWaitingEvents(Workstation& w, bool keepNewest = false);
// How many held events the shared files lack.
size_t WaitingForShared(Workstation& w);
// The status bar's word on waiting events (empty when none).
void ShowWaitingEvents(ActivityForm& f, size_t waiting);

}  // namespace varnel
