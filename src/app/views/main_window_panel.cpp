// The event panel down the right of the main window: option buttons for a station
// that picks one event, check boxes for one that picks several, and Text2 below them.
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

#include "app/views/main_window.h"
#include "app/views/widgets_sync.h"
#include "lists/selection.h"

namespace varnel::views {

void MainWindow::BuildSelectionPanel() {
    selectEvent_ = new QGroupBox(central_);
    Name(selectEvent_, QStringLiteral("frmSelectEvent"));
    selectEvent_->installEventFilter(this);
    selectMulti_ = new QGroupBox(central_);
    Name(selectMulti_, QStringLiteral("frmSelectMulti"));
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setStyleHint(QFont::SansSerif);
    tahoma.setPointSize(8);
    for (size_t i = 0; i < 30; ++i) {
        auto* r = new QRadioButton(selectEvent_);
        r->setAutoExclusive(false);
        r->setFont(tahoma);
        Name(r, QStringLiteral("Option1(%1)").arg(i));
        connect(r, &QRadioButton::clicked, this,
                [this, i] { act_([this, i] { Option1_Click(w_, static_cast<int>(i)); }); });
        option1_[i] = r;
    }
    for (size_t i = 0; i < 27; ++i) {
        auto* c = new QCheckBox(selectMulti_);
        c->setFont(tahoma);
        Name(c, QStringLiteral("Check1(%1)").arg(i));
        connect(c, &QCheckBox::clicked, this,
                [this, i] { act_([this, i] { Check1_Click(w_, static_cast<int>(i)); }); });
        check1_[i] = c;
    }
    text2_ = new QLineEdit(central_);
    text2_->setReadOnly(true);
    Name(text2_, QStringLiteral("Text2"));
}

MainWindow::Room MainWindow::MeasureRoom(int width, int height) const {
    // An enlarged window: the event panel keeps to the right edge (wider when its event
    // names need it), the comments box and the grid take the rest of the extra room.
    const auto& f = w_.frmActivity;
    Room room{};
    room.extraW = static_cast<int>(std::max(0, central_->width() - width) / scale_);
    room.extraH = static_cast<int>(std::max(0, central_->height() - height) / scale_);
    int longest = 0;
    for (size_t i = 0; i < 30; ++i)
        if (f.Option1[i].visible)
            longest = std::max(longest, option1_[i]->fontMetrics().horizontalAdvance(Q(f.Option1[i].caption)));
    for (size_t i = 0; i < 27; ++i)
        if (f.Check1[i].visible)
            longest = std::max(longest, check1_[i]->fontMetrics().horizontalAdvance(Q(f.Check1[i].caption)));
    room.panelExtra = std::clamp(static_cast<int>(longest / scale_) + 40 - 206, 0, room.extraW);
    room.panelX = 700 + room.extraW - room.panelExtra;
    return room;
}

void MainWindow::RefreshSelectionPanel(const Room& room) {
    auto& f = w_.frmActivity;
    int panelH = std::max(120, f.frmSelectEvent.height - 36);
    Place(selectEvent_, room.panelX, 4, f.frmSelectEvent.width + room.panelExtra, panelH);
    Place(selectMulti_, room.panelX, 4, f.frmSelectMulti.width + room.panelExtra, panelH);
    selectEvent_->setTitle(Q(f.frmSelectEvent.caption));
    selectEvent_->setToolTip(Q(f.frmSelectEvent.tooltip));
    selectEvent_->setVisible(f.frmSelectEvent.visible);
    selectMulti_->setTitle(Q(f.frmSelectMulti.caption));
    selectMulti_->setToolTip(Q(f.frmSelectMulti.tooltip));
    selectMulti_->setVisible(f.frmSelectMulti.visible);
    // Every entry gets an equal row, between 14 and 22 pixels, so the list fills the panel.
    int shown = std::max(1, f.LastEventIndex + 1);
    int rowH = std::clamp((panelH - 24) / shown, 14, 22);
    auto placeRow = [&](QAbstractButton* b, size_t i) {
        b->setGeometry(static_cast<int>(8 * scale_), static_cast<int>((20 + rowH * static_cast<int>(i)) * scale_),
                       static_cast<int>((206 + room.panelExtra) * scale_), static_cast<int>(rowH * scale_));
    };
    for (size_t i = 0; i < 30; ++i) {
        placeRow(option1_[i], i);
        SyncButton(option1_[i], f.Option1[i].caption, f.Option1[i].value, f.Option1[i]);
        option1_[i]->setToolTip(Q(f.Option1[i].caption));
    }
    for (size_t i = 0; i < 27; ++i) {
        placeRow(check1_[i], i);
        SyncButton(check1_[i], f.Check1[i].caption, f.Check1[i].value != 0, f.Check1[i]);
        check1_[i]->setToolTip(Q(f.Check1[i].caption));
    }
    Place(text2_, room.panelX, f.Text2.top, 220, 22);
    text2_->setText(Q(f.Text2.text));
    text2_->setVisible(f.Text2.visible);
}

}  // namespace varnel::views
