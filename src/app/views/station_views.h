// One running station on Qt: its Host, its Workstation and the views of its four
// windows. Every operator action goes through Act: the handler runs, an error
// that escapes it is shown to the operator, and every view is refreshed.
#pragma once
#include <functional>
#include <memory>

#include "app/views/main_window.h"
#include "app/views/side_windows.h"
#include "platform/qt/qt_host.h"

namespace varnel::views {

class StationViews {
public:
    explicit StationViews(DriveMap drives);
    ~StationViews();
    // Runs start-up and shows the windows it leaves visible.
    void Start();
    void Act(const std::function<void()>& handler);
    void RefreshAll();

    QtHost& Host() { return *host_; }
    Workstation& Station() { return *ws_; }
    MainWindow& Main() { return *main_; }
    EditCfgWindow& ConfigEditor() { return *editCfg_; }

private:
    std::unique_ptr<QtHost> host_;
    std::unique_ptr<Workstation> ws_;
    std::unique_ptr<MainWindow> main_;
    std::unique_ptr<CommCheckWindow> commCheck_;
    std::unique_ptr<EditCfgWindow> editCfg_;
    std::unique_ptr<EventEditWindow> eventEdit_;
    int depth_ = 0;
};

}  // namespace varnel::views
