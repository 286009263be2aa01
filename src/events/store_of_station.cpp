#include "events/store_of_station.h"

#include "events/event_files.h"
#include "record/folder_store.h"

namespace varnel {

namespace {

std::unique_ptr<CruiseStore> FolderOf(Workstation& w, const std::string& logFolder) {
    auto& f = w.frmActivity;
    const std::string cruise = f.Text1[0].text;
    FolderStorePaths paths{f.EvNumPath, OrderOccPath(f), logFolder + cruise + "Events.csv",
                           f.dataFolder + cruise + "LastEvent.csv",
                           f.dataFolder + CtdPrefix(cruise) + "CTDATDEPTH.csv"};
    return std::make_unique<FolderStore>(
        w.services, std::move(paths), [&f](const std::string& path, const std::string& holder) {
            f.StatusBar1.panel[1] = "Waiting for " + path + ": in use by " + holder + "...";
        });
}

}  // namespace

std::unique_ptr<CruiseStore> SharedStore(Workstation& w) {
    return FolderOf(w, w.frmActivity.dataFolder);
}

std::unique_ptr<CruiseStore> FollowedStore(Workstation& w) {
    auto& f = w.frmActivity;
    return FolderOf(w, f.NetworkMode ? f.dataFolder : f.homeFolder);
}

}  // namespace varnel
