// The main window's status bar: its panels follow the status bar model, with
// colours that make a waiting event, a doubtful fix or an overdue operation stand out.
#include <QDateTime>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>

#include "app/views/main_window.h"
#include "app/views/widgets_sync.h"

namespace varnel::views {

void MainWindow::BuildStatusBar() {
    // The status bar's panels; 4 and 5 keep the date and the time themselves.
    // Panel 7 shows only while the station has a notice of its own, in a colour that
    // reads on a dim bridge screen.
    const int widths[] = {0, 120, 110, 130, 80, 70, 100, 0, 0, 0};
    for (int i = 1; i <= 9; ++i) {
        panels_[static_cast<size_t>(i)] = new QLabel(this);
        panels_[static_cast<size_t>(i)]->setFrameShape(QFrame::StyledPanel);
        panels_[static_cast<size_t>(i)]->setMinimumWidth(static_cast<int>(widths[i] * scale_));
        Name(panels_[static_cast<size_t>(i)], QStringLiteral("StatusBar1(%1)").arg(i));
        if (i < 9) statusBar()->addWidget(panels_[static_cast<size_t>(i)], i == 1 ? 1 : 0);
    }
    panels_[7]->setStyleSheet(QStringLiteral("QLabel { background: #ffd24d; color: black; font-weight: bold; }"));
    panels_[7]->hide();
    panels_[8]->hide();
    // Panel 9 (an operation overdue) stands beside panel 1.
    statusBar()->insertWidget(1, panels_[9], 0);
    panels_[9]->setStyleSheet(QStringLiteral("QLabel { background: #c00000; color: white; font-weight: bold; }"));
    panels_[9]->hide();
    statusBar()->setSizeGripEnabled(false);
    clock_ = new QTimer(this);
    auto showClock = [this] {
        QDateTime n = QDateTime::currentDateTime();
        panels_[4]->setText(n.toString(QStringLiteral("MM/dd/yyyy")));
        panels_[5]->setText(n.toString(QStringLiteral("HH:mm")));
    };
    connect(clock_, &QTimer::timeout, this, showClock);
    clock_->start(1000);
    showClock();
}

void MainWindow::RefreshStatusBar() {
    auto& f = w_.frmActivity;
    for (int i = 1; i <= 9; ++i) {
        if (i == 4 || i == 5) continue;
        panels_[static_cast<size_t>(i)]->setText(Q(f.StatusBar1.panel[static_cast<size_t>(i)]));
    }
    panels_[7]->setVisible(!f.StatusBar1.panel[7].empty());
    panels_[8]->setVisible(!f.StatusBar1.panel[8].empty());
    panels_[9]->setVisible(!f.StatusBar1.panel[9].empty());
    // Panels 7, 8 and 9 are as wide as their texts. While 7 or 9 shows it takes the place
    // of the help hint (panel 2), and panel 1 gives up what else they need.
    QFont bold = panels_[9]->font();
    bold.setBold(true);
    for (size_t i : {7, 8, 9})
        panels_[i]->setMinimumWidth(
            panels_[i]->isVisible() ? QFontMetrics(i == 8 && !f.StatusBar1.panelAlert[8] ? panels_[i]->font() : bold)
                                              .horizontalAdvance(panels_[i]->text()) +
                                          static_cast<int>(16 * scale_)
                                    : 0);
    panels_[2]->setVisible(!panels_[7]->isVisible() && !panels_[9]->isVisible());
    panels_[1]->setMinimumWidth(static_cast<int>(120 * scale_));
    // The station's own notices: white on red while an event is not in every log yet.
    const QString noticeStyle =
        f.StatusBar1.panelAlert[7] ? QStringLiteral("QLabel { background: #c00000; color: white; font-weight: bold; }")
                                   : QStringLiteral("QLabel { background: #ffd24d; color: black; font-weight: bold; }");
    if (panels_[7]->styleSheet() != noticeStyle) panels_[7]->setStyleSheet(noticeStyle);
    // The fix's health: black on amber when stale, without fix or off the clock.
    const QString fixStyle = f.StatusBar1.panelAlert[8]
                                 ? QStringLiteral("QLabel { background: #ffb000; color: black; font-weight: bold; }")
                                 : QString();
    if (panels_[8]->styleSheet() != fixStyle) panels_[8]->setStyleSheet(fixStyle);
    for (int i = 1; i <= 9; ++i)
        panels_[static_cast<size_t>(i)]->setToolTip(Q(f.StatusBar1.panelTooltip[static_cast<size_t>(i)].empty()
                                                          ? f.StatusBar1.tooltip
                                                          : f.StatusBar1.panelTooltip[static_cast<size_t>(i)]));
}

}  // namespace varnel::views
