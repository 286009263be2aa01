// What reaches the main window besides clicks on its controls: the navigation
// timer's ticks, the F9, F10 and Ctrl+R keys, double-clicks, keys and wheel turns the
// window filters, and the operator closing it.
#include <QAbstractItemView>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTimer>

#include "app/menu_commands.h"
#include "app/views/main_window.h"
#include "events/event_grid.h"
#include "lists/comment_options.h"
#include "platform/qt/qt_host.h"
#include "station/station_tick.h"

namespace varnel::views {

void MainWindow::BuildTimerAndKeys() {
    timer1_ = new QTimer(this);
    connect(timer1_, &QTimer::timeout, this, [this] { OnTick(); });

    auto* f9 = new QShortcut(QKeySequence(Qt::Key_F9), this);
    f9->setContext(Qt::WindowShortcut);
    connect(f9, &QShortcut::activated, this, [this] { act_([this] { Activity_Form_KeyDown(w_, 120); }); });
    // Ctrl+R records the event from any control of the window, like Alt+R on the button.
    auto* record = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_R), this);
    record->setContext(Qt::WindowShortcut);
    connect(record, &QShortcut::activated, this, [this] {
        if (w_.frmActivity.Command1[0].caption == "Record Event" && command_[0]->isEnabled() &&
            command_[0]->isVisible())
            command_[0]->animateClick();
    });
    // F10 opens the first menu, as on the desktops the operators know.
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    f10->setContext(Qt::WindowShortcut);
    connect(f10, &QShortcut::activated, this, [this] {
        if (!menuBar()->actions().isEmpty()) menuBar()->setActiveAction(menuBar()->actions().first());
    });
}

void MainWindow::RefreshTimer() {
    // Timer1 follows its model.
    auto& f = w_.frmActivity;
    int interval = std::max(1, f.Timer1.interval);
    if (timer1_->interval() != interval) timer1_->setInterval(interval);
    if (f.Timer1.enabled && !timer1_->isActive() && !w_.ended) timer1_->start();
    if ((!f.Timer1.enabled || w_.ended) && timer1_->isActive()) timer1_->stop();
}

void MainWindow::OnTick() {
    if (host_.Pausing()) {
        tickDeferred_ = true;  // runs once the pause is over
        QTimer::singleShot(200, this, [this] {
            if (tickDeferred_) OnTick();
        });
        return;
    }
    tickDeferred_ = false;
    act_([this] {
        if (w_.frmActivity.Timer1.enabled) Timer1_Timer(w_);
    });
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // The line box changes only by a pick from its open list: a wheel turn or an arrow
    // key while the focus merely passes through it must not pick a line (and ask to
    // stop the calculation).
    if ((watched == combo3_ || watched == combo3_->lineEdit()) && !combo3_->view()->isVisible()) {
        if (event->type() == QEvent::Wheel) return true;
        if (event->type() == QEvent::KeyPress) {
            int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown ||
                key == Qt::Key_Home || key == Qt::Key_End)
                return true;
        }
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (size_t i = 0; i < 6; ++i)
            if (watched == text1_[i]) {
                act_([this] { Text1_DblClick(w_); });
                return true;
            }
        auto dbl = [&](auto& arr, OptionFrame which) {
            for (size_t i = 0; i < arr.size(); ++i)
                if (watched == arr[i]) {
                    act_([this, which, i] { CommentOption_DblClick(w_, which, static_cast<int>(i)); });
                    return true;
                }
            return false;
        };
        if (dbl(option5_, OptionFrame::StationType) || dbl(option3_, OptionFrame::SeaConditions) ||
            dbl(option4_, OptionFrame::DayNight))
            return true;
        if (watched == selectEvent_) {
            act_([this] { ClickMenu(w_, "mnuMakeEvFile"); });
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* e) {
    // Closing the window is the menu's Exit: ask first.
    if (w_.ended) {
        e->accept();
        return;
    }
    e->ignore();
    act_([this] { mnuExit_Click(w_); });
}

}  // namespace varnel::views
