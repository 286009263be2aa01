// Keeps the main window's strip of instruments in the water: rebuilt from the cruise
// log at start-up, followed at every tick and after every recorded or erased event,
// with a notice (blocking nothing) and a status panel for an operation past its time.
#pragma once
#include <string>

#include "forms/workstation.h"
#include "record/logged_event.h"

namespace varnel {

// The expected durations (C:\VarnelGPS\Deployments.txt, or the defaults when it is
// missing) and the whole cruise log: the shared one in network mode, else the local one.
void RebuildDeployments(Workstation& w);
// The log's new lines, then the strip, the overdue notice and status panel 9.
void WatchDeployments(Workstation& w);
// The event just saved by Record Event (a corrected one replaces its earlier form).
void NoteRecordedEvent(Workstation& w, const LoggedEvent& saved);
// Clear Last: the latest event of this station's operator leaves the strip.
void EraseLatestOfStation(Workstation& w);
// A line of another station's last-event file.
void NotePickedUpEvent(Workstation& w, const std::string& line);

void DeployNotice_Click(Workstation& w, int index);  // 0 snooze, 1 OK

}  // namespace varnel
