// The main window's status bar: its panels follow the status bar model, with
// colours that make a waiting event, a doubtful fix or an overdue operation stand out.
#include <QDateTime>
#include <QFontMetrics>
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
    panels_[2]->setVisible(f.StatusBar1.panel[7].empty() && f.StatusBar1.panel[9].empty());
    FitStatusPanels();
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
    for (size_t i = 1; i <= 9; ++i) {
        // A shortened text keeps its whole wording in the tooltip.
        const std::string& tip =
            f.StatusBar1.panelTooltip[i].empty() ? f.StatusBar1.tooltip : f.StatusBar1.panelTooltip[i];
        bool cut = i != 4 && i != 5 && panels_[i]->text() != Q(f.StatusBar1.panel[i]);
        panels_[i]->setToolTip(cut ? Q(f.StatusBar1.panel[i]) + QStringLiteral("\n") + Q(tip) : Q(tip));
    }
}

void MainWindow::FitStatusPanels() {
    // Each panel shown is as wide as its text. When the window is too narrow for all of
    // them (its smallest size with events waiting, a doubtful fix and an overdue
    // operation), the help hint goes first, then the widest of the panels with texts of
    // their own give way a pixel at a time, their texts shortened with an ellipsis, so
    // that no panel is ever drawn over another.
    auto& f = w_.frmActivity;
    const int base[] = {0, 120, 110, 130, 80, 70, 100, 0, 0, 0};
    const int pad = static_cast<int>(16 * scale_), gap = static_cast<int>(6 * scale_);
    const int floor = static_cast<int>(48 * scale_);
    QFont bold = panels_[9]->font();
    bold.setBold(true);
    auto fontOf = [&](size_t i) {
        return i == 7 || i == 9 || (i == 8 && f.StatusBar1.panelAlert[8]) ? bold : panels_[i]->font();
    };
    auto flexible = [](size_t i) { return i == 1 || i == 3 || i >= 7; };
    std::array<int, 10> want{}, natural{};
    int over = -(width() - 4 * gap);  // the status bar's own margins
    for (size_t i = 1; i <= 9; ++i) {
        if (panels_[i]->isHidden()) continue;
        int text = flexible(i) ? QFontMetrics(fontOf(i)).horizontalAdvance(Q(f.StatusBar1.panel[i])) + pad : 0;
        natural[i] = want[i] = std::max(static_cast<int>(base[i] * scale_), text);
        over += want[i] + gap;
    }
    if (over > 0 && !panels_[2]->isHidden()) {
        panels_[2]->hide();
        over -= want[2] + gap;
    }
    while (over > 0) {
        size_t widest = 0;
        for (size_t i = 1; i <= 9; ++i)
            if (flexible(i) && want[i] > floor && (!widest || want[i] > want[widest])) widest = i;
        if (!widest) break;
        --want[widest];
        --over;
    }
    for (size_t i = 1; i <= 9; ++i) {
        if (panels_[i]->isHidden()) continue;
        panels_[i]->setMinimumWidth(want[i]);
        panels_[i]->setMaximumWidth(i == 1 ? QWIDGETSIZE_MAX : want[i]);
        if (!flexible(i)) continue;
        QString full = Q(f.StatusBar1.panel[i]);
        panels_[i]->setText(
            want[i] < natural[i] ? QFontMetrics(fontOf(i)).elidedText(full, Qt::ElideRight, want[i] - pad) : full);
    }
}

}  // namespace varnel::views
