// frmActivity, the main window: its controls, menu tree and the shared state that
// start-up derives and the tick, the recorder and the selection panels work on.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "config/navigation_source.h"
#include "platform/controls.h"
#include "record/deployment_book.h"
#include "record/journal_entry.h"

namespace varnel {

struct ActivityMenu {
    MenuItem mnuCfg, mnuAuto, mnuAutoEvent, mnuLineSta, mnuStndLine, mnuSelectLine, mnuCalcLine;
    MenuItem PreLoad, mnuLastEvent, mnuCurrSta, mnuLastSta, mnuAllEvents;
    MenuItem mnuSelEvents, mnuCruise, mnuBridge, mnuMMammals, mnuCUFES;
    MenuItem mnuMulti, mnuEditCfg, mnuComSet, mnuCEcfg, mnuMakeEvFile, mnuLineFileEdit, mnuComments, mnuhtml;
    MenuItem MnuHelp, mnuNetwork, mnuOrderOcc, mnuOrderOccFile, mnuEvent, mnuEventNumFile;
    MenuItem mnuCurrPosition, mnuCurrPos;
    MenuItem mnuPrintSetup, mnuPrintLog, mnuAllEvents2File;
    MenuItem mnuExit;
};

// One row of the menu tree: its name, submenu depth (0 = menu bar) and item.
struct MenuEntry {
    const char* name;
    int depth;
    MenuItem* item;
};

struct ActivityForm {
    ActivityForm();  // design state of every control

    // Window
    std::string caption = "Cruise Electronic Event Log";
    int widthTwips = 13845;
    int heightTwips = 8730;
    bool loaded = false;
    bool visible = false;

    // Controls
    std::array<Button, 4> Command1;
    std::array<TextBox, 6> Text1;
    ComboBox Combo1, Combo2, Combo3, Combo4;
    TextBox txtComments;
    Frame Frame5, Frame6, Frame4;
    std::array<OptionButton, 3> Option5;  // station type
    std::array<OptionButton, 3> Option3;  // sea conditions
    std::array<OptionButton, 2> Option4;  // day/night
    Frame frmSelectEvent, frmSelectMulti;
    std::array<OptionButton, 30> Option1;
    std::array<CheckBox, 27> Check1;
    Grid EventLog;
    TextBox Text2;
    StatusBar StatusBar1;
    Timer Timer1;
    std::array<Label, 11> Label1;  // indices 0..5 and 7..10
    ActivityMenu menu;
    // Instruments in the water on every station, and the notice of an overdue one
    // (a window of its own that blocks nothing; its caption is the notice).
    Label lblDeployments;
    Grid Deployments;
    Frame DeployNotice;
    std::array<Button, 2> cmdNotice;  // "Snooze 30 min", "OK"
    // The notice of configuration values that will not work (forms/config_notice.h),
    // a window of its own like the overdue notice.
    Frame CfgNotice;
    std::array<Button, 2> cmdCfgNotice;  // "Edit Configuration", "OK"

    std::vector<MenuEntry> MenuTree();

    // Paths and modes derived by start-up
    std::string homeFolder, dataFolder, navFolder, commentOptPath, initialsPath;
    std::string EventListPath, EventRole;
    std::string EvNumNetPath, EvNumPath, EvNumLocalPath, CurrPosFile;
    std::string PreloadMode, EventScheme;
    varnel::NavSource NavSource = varnel::NavSource::None;
    int SamplingInterval = 0;
    bool MultiMode = false;
    bool NetworkMode = true;
    std::string helpPage;

    // Event number and recorder state
    int16_t NextEventNumber = 0;
    bool ManualEventNumber = false;
    bool RollbackPending = false;
    bool EditingRow = false;
    int EvNumRetries = 0;
    int gridRow = 1;  // the next free grid row
    std::string OrdOcc;
    std::string LastEventLine, LastEventName, LastEventTime, Activity;
    bool CtdAtDepth = false;
    int16_t LastEventIndex = -1;

    // Navigation values of the last tick
    std::string DecLat, DecLon, CalcLine, CalcSta, StndLine, StndSta;
    std::array<std::string, 201> metItems{};  // MET items 0 to 200
    int metLaPos = 0, metLoPos = 0;
    std::string udpRecord;  // the last record handed over by the UDP receiver
    long udpMalformed = 0;
    // The fix behind the position on screen as the tick judged it (nav/fix_health.h): not
    // current (stale, absent or unreadable), and the elapsed-clock millisecond its receiver
    // time stands for (-1: no position read yet). Record Event notes an event recorded
    // without a current fix.
    bool fixNotCurrent = false;
    long long fixTakenMs = -1;

    std::string lineFileChoice;  // the file last chosen in "Edit Line or Sta Files"

    // Events waiting for the shared folder
    bool waitingReported = false;     // the status bar has shown events waiting
    size_t waitingSent = 0;           // sent since then
    bool collisionsReported = false;  // numbers of local operation already in the shared log
    bool eventHeld = false;           // the event being saved is the newest held event
    bool drawnLocally = false;        // its number came from this station's copy

    // Characters typed into the event, operator and comments boxes that the code page
    // cannot hold, each standing as one "?" in the box's text. The window fills them as
    // it reads the boxes; Record Event reports and forgets them.
    struct ReplacedCharacters {
        std::u32string event, operatorInitials, comments;
    } replaced;

    // Events not yet in every log, oldest first (events/pending_events.h): the journal's
    // entries as this run knows them. The journal is written from these; when it cannot
    // be (a full home disk) they are kept here only.
    std::vector<PendingEvent> held;
    bool heldRead = false;           // the journal has been read into `held`
    bool journalBehind = false;      // the journal could not be written: `held` is newer
    bool localFailReported = false;  // the operator has been told that the home folder fails

    // The station's own notices of status bar panel 7, by urgency (forms/notices.h)
    struct PostedNotice {
        std::string text, tooltip;
    };
    std::array<PostedNotice, 5> notices{};

    DeploymentBook deployments;
    std::string noticeNumber;  // the event that opened the operation the notice is about
};

// What the first command button does next. Its caption is where the state is kept, as
// the operator sees it; these name the captions so the program compares names.
enum class RecorderState {
    Start,       // "Start": the display has not been started
    Ready,       // "Record Event": a click records the event on screen
    Saving,      // "Saving Event": an event is being saved
    StandingBy,  // "Standingby": the operator stood by; the button resumes
};

// The state the caption of Command1[0] shows ("Start" for any caption but the other three).
RecorderState RecorderStateOf(const ActivityForm& f);
// Puts the state's caption on Command1[0].
void ShowRecorderState(ActivityForm& f, RecorderState state);

}  // namespace varnel
