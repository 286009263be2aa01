#include "events/fix_at_recording.h"

#include "forms/notices.h"
#include "platform/files.h"

namespace varnel {

std::string FixAtRecordingPath(const ActivityForm& f) {
    return f.homeFolder + f.Text1[0].text + "FixAtRecording.csv";
}

void NoteFixAtRecording(Workstation& w, const std::string& number) {
    auto& f = w.frmActivity;
    if (!f.fixNotCurrent) {
        ClearNotice(f, Notice::StaleFix);
        return;
    }
    std::string age = f.fixTakenMs < 0 ? "" : std::to_string((w.services.ElapsedMs() - f.fixTakenMs) / 1000);
    // A receiver time ahead of the clock gives no age: the fix panel's reason stands for it.
    std::string why = age.empty()           ? std::string("no position was read")
                      : std::stoll(age) > 0 ? "the position is " + age + " s old"
                                            : f.StatusBar1.panel[8];
    std::string tooltip =
        "The event was saved with the position on screen. The status bar's fix panel says why the position is not "
        "current; the cruise report lists the events recorded without a current fix.";
    try {
        AppendWithHeader(w.files(), FixAtRecordingPath(f), kFixAtRecordingHeader,
                         number + "," + f.Text1[1].text + "," + f.Text1[2].text + "," + age + "," + f.EventRole, false);
    } catch (const FileError& e) {
        tooltip += " This event could not be noted in " + FixAtRecordingPath(f) + ": " + e.what();
    }
    PostNotice(f, Notice::StaleFix, "Event " + number + " recorded without a current fix: " + why, tooltip);
}

}  // namespace varnel
