// Role event lists: a list file of event names loaded into the selection panel of
// the current mode (30 option buttons or 27 check boxes) and the Event box.
#pragma once
#include <string>

#include "forms/workstation.h"

namespace varnel {

enum class ListOccasion { StartUp, RoleMenu, ModeSwitch, AfterEditing };

// Loads EventListPath on an occasion: the combo box, the event panel's options and
// (unless after editing) the editor grid. The caller has tested that the file
// exists. Throws FileError on a read error (the caller retries).
void LoadEventList(Workstation& w, ListOccasion occasion);
// The panel height, grid width and Text2 position that follow from LastEventIndex.
void LayOutEventPanel(ActivityForm& f);
// Panel caption EventRole + " Events" and its tooltip.
void SetPanelCaption(ActivityForm& f);
// EventRole from a list file name: every "Events.txt" removed.
std::string RoleFromListName(const std::string& name);

// A list load outside start-up: a missing file is reported, a read error is retried
// each second (at most 10 times, then reported). False when nothing was loaded.
bool LoadEventListWithRetry(Workstation& w, ListOccasion occasion);

// The four role menus: load list file `listFileName`, then offer to save it in line 5.
void LoadRoleEventList(Workstation& w, const std::string& listFileName);
void mnuCruise_Click(Workstation& w);
void mnuBridge_Click(Workstation& w);
void mnuMMammals_Click(Workstation& w);
void mnuCUFES_Click(Workstation& w);
// "Save to VarnelGPS.cfg? Y/N": on Yes line 5 becomes eventFile and the whole
// configuration file is rewritten from CfgLines; No writes nothing.
void OfferConfigurationSave(Workstation& w, const std::string& eventFile);

}  // namespace varnel
