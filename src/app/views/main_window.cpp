#include "app/views/main_window.h"

#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>

#include "app/views/widgets_sync.h"

namespace varnel::views {

MainWindow::MainWindow(Workstation& w, QtHost& host, std::function<void(std::function<void()>)> act)
    : w_(w), host_(host), act_(std::move(act)) {
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSize(9);
    setFont(f);
    if (screen()) scale_ = std::max(1.0, screen()->logicalDotsPerInch() / 96.0);
    Build();
    BuildMenus();
    Refresh();
}

MainWindow::~MainWindow() = default;

void MainWindow::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    Refresh();  // the grid, the comments box and the panel take the new room
}

void MainWindow::Place(QWidget* w, int x, int y, int width, int height) {
    w->setGeometry(static_cast<int>(x * scale_), static_cast<int>(y * scale_), static_cast<int>(width * scale_),
                   static_cast<int>(height * scale_));
}

void MainWindow::Name(QWidget* w, const QString& name) {
    w->setObjectName(name);
    named_[name] = w;
}

QWidget* MainWindow::Named(const QString& name) const {
    auto it = named_.find(name);
    return it == named_.end() ? nullptr : it->second;
}

void MainWindow::Build() {
    central_ = new QWidget(this);
    setCentralWidget(central_);
    BuildEntryBoxes();
    BuildGrids();
    BuildConfigNotice();
    BuildSelectionPanel();
    BuildStatusBar();
    BuildTimerAndKeys();
}

void MainWindow::Refresh() {
    refreshing_ = true;
    auto& f = w_.frmActivity;
    setWindowTitle(Q(f.caption));
    int width = static_cast<int>(f.widthTwips / kTwipsPerPixel * scale_);
    int height = static_cast<int>(f.heightTwips / kTwipsPerPixel * scale_);
    height += kStripHeight;  // the strip of instruments in the water below the grid
    if (central_->minimumWidth() != width) {
        central_->setMinimumSize(width, height);
        resize(width, height + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
    }
    const Room room = MeasureRoom(width, height);
    RefreshEntryBoxes(room);
    RefreshGrids(room);
    RefreshConfigNotice();
    RefreshSelectionPanel(room);
    RefreshStatusBar();
    RefreshMenus();
    RefreshTimer();
    refreshing_ = false;
}

}  // namespace varnel::views
