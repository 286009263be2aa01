#include "app/views/station_views.h"

#include <QApplication>

#include "app/startup.h"

namespace varnel::views {

StationViews::StationViews(DriveMap drives) {
    host_ = std::make_unique<QtHost>(std::move(drives));
    ws_ = std::make_unique<Workstation>(*host_);
    auto act = [this](std::function<void()> h) { Act(h); };
    main_ = std::make_unique<MainWindow>(*ws_, *host_, act);
    commCheck_ = std::make_unique<CommCheckWindow>(*ws_, *host_, act);
    editCfg_ = std::make_unique<EditCfgWindow>(*ws_, act);
    eventEdit_ = std::make_unique<EventEditWindow>(*ws_, act);
    host_->dialogParent = main_.get();
    host_->refresh = [this] { RefreshAll(); };
}

StationViews::~StationViews() = default;

void StationViews::Start() {
    Act([this] { Activity_Form_Load(*ws_); });
}

void StationViews::Act(const std::function<void()>& handler) {
    ++depth_;
    try {
        handler();
    } catch (const std::exception& e) {
        host_->MsgBox(std::string("Unexpected error: ") + e.what() + ". Nothing was lost; the logger goes on.",
                      Buttons::Ok, Icon::Exclamation, "", Answer::Ok);
    }
    --depth_;
    RefreshAll();
    if (ws_->ended && depth_ == 0) QCoreApplication::exit(0);
}

void StationViews::RefreshAll() {
    main_->Refresh();
    if (ws_->frmActivity.visible != main_->isVisible() && !ws_->ended) main_->setVisible(ws_->frmActivity.visible);
    commCheck_->Refresh();
    editCfg_->Refresh();
    eventEdit_->Refresh();
}

}  // namespace varnel::views
