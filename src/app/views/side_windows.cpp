#include "app/views/side_windows.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "app/config_editor.h"
#include "app/views/widgets_sync.h"
#include "config/configuration.h"
#include "lists/event_editor.h"
#include "nav/comm_check.h"
#include "platform/qt/codepage.h"
#include "platform/qt/qt_host.h"

namespace varnel::views {

CommCheckWindow::CommCheckWindow(Workstation& w, QtHost& host, Act act) : w_(w), host_(host), act_(std::move(act)) {
    setWindowFlag(Qt::Window);
    auto* top = new QVBoxLayout(this);
    auto* ids = new QHBoxLayout;
    for (size_t i = 0; i < 2; ++i) {
        ids->addWidget(new QLabel(i == 0 ? QStringLiteral("GPS 1st: ") : QStringLiteral("GPS 2nd: ")));
        text2_[i] = new QLineEdit;
        text2_[i]->setReadOnly(true);
        ids->addWidget(text2_[i]);
    }
    top->addLayout(ids);
    auto* row = new QHBoxLayout;
    auto group = [&](const char* title, auto& arr, int which, QWidget* extra) {
        auto* g = new QGroupBox(QString::fromLatin1(title));
        auto* l = new QVBoxLayout(g);
        for (size_t i = 0; i < arr.size(); ++i) {
            arr[i] = new QRadioButton;
            arr[i]->setAutoExclusive(false);
            l->addWidget(arr[i]);
            connect(arr[i], &QRadioButton::clicked, this, [this, which, i] {
                act_([this, which, i] { CommCheck_Option_Click(w_, which, static_cast<int>(i)); });
            });
        }
        if (extra) l->addWidget(extra);
        row->addWidget(g);
    };
    text1_ = new QLineEdit;
    text3_ = new QLineEdit;
    connect(text1_, &QLineEdit::textEdited, this, [this](const QString& t) { w_.frmCommCheck.Text1.text = FromQt(t); });
    connect(text3_, &QLineEdit::textEdited, this, [this](const QString& t) { w_.frmCommCheck.Text3.text = FromQt(t); });
    group("GPS Port", port_, 1, text1_);
    group("Baud", baud_, 2, text3_);
    group("Parity", parity_, 3, nullptr);
    group("DataBits", bits_, 4, nullptr);
    group("StopBits", stop_, 5, nullptr);
    top->addLayout(row);
    display_ = new QPlainTextEdit;
    display_->setReadOnly(true);
    display_->setMinimumHeight(200);
    QFont mono(QStringLiteral("Monospace"));
    mono.setStyleHint(QFont::TypeWriter);
    display_->setFont(mono);
    top->addWidget(display_);
    receiver_ = new QLabel;
    receiver_->setWordWrap(true);
    receiver_->setObjectName(QStringLiteral("lblReceiver"));
    top->addWidget(receiver_);
    auto* buttons = new QHBoxLayout;
    go_ = new QPushButton;
    save_ = new QPushButton;
    hide_ = new QPushButton;
    buttons->addWidget(go_);
    buttons->addWidget(save_);
    buttons->addWidget(hide_);
    top->addLayout(buttons);
    connect(go_, &QPushButton::clicked, this, [this] { act_([this] { btnGo_Click(w_); }); });
    connect(save_, &QPushButton::clicked, this, [this] { act_([this] { CommCheck_Command1_Click(w_); }); });
    connect(hide_, &QPushButton::clicked, this, [this] { act_([this] { CommCheck_Command2_Click(w_); }); });
    timer_ = new QTimer(this);
    connect(timer_, &QTimer::timeout, this, [this] {
        if (host_.Pausing()) return;
        act_([this] { CommCheck_Timer1_Timer(w_); });
    });
    resize(640, 420);
}

void CommCheckWindow::Refresh() {
    auto& c = w_.frmCommCheck;
    setWindowTitle(Q(c.caption));
    for (size_t i = 0; i < 2; ++i) SyncLineEdit(text2_[i], c.Text2[i]);
    for (size_t i = 0; i < 5; ++i) SyncButton(port_[i], c.Option1[i].caption, c.Option1[i].value, c.Option1[i]);
    for (size_t i = 0; i < 4; ++i) SyncButton(baud_[i], c.Option2[i].caption, c.Option2[i].value, c.Option2[i]);
    for (size_t i = 0; i < 2; ++i) {
        SyncButton(parity_[i], c.Option3[i].caption, c.Option3[i].value, c.Option3[i]);
        SyncButton(bits_[i], c.Option4[i].caption, c.Option4[i].value, c.Option4[i]);
        SyncButton(stop_[i], c.Option5[i].caption, c.Option5[i].value, c.Option5[i]);
    }
    SyncLineEdit(text1_, c.Text1);
    SyncLineEdit(text3_, c.Text3);
    if (display_->toPlainText() != Q(c.txtDisplay.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))) {
        display_->setPlainText(Q(c.txtDisplay.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        display_->verticalScrollBar()->setValue(display_->verticalScrollBar()->maximum());
    }
    if (receiver_->text() != Q(c.lblReceiver.caption)) receiver_->setText(Q(c.lblReceiver.caption));
    SyncButton(go_, c.btnGo.caption, false, c.btnGo);
    SyncButton(save_, c.Command1.caption, false, c.Command1);
    SyncButton(hide_, c.Command2.caption, false, c.Command2);
    int interval = std::max(1, c.Timer1.interval);
    if (timer_->interval() != interval) timer_->setInterval(interval);
    bool run = c.loaded && c.Timer1.enabled && !w_.ended;
    if (run && !timer_->isActive()) timer_->start();
    if (!run && timer_->isActive()) timer_->stop();
    if (c.visible != isVisible()) setVisible(c.visible);
}

void CommCheckWindow::closeEvent(QCloseEvent* e) {
    e->ignore();
    act_([this] { CommCheck_Command2_Click(w_); });
}

EditCfgWindow::EditCfgWindow(Workstation& w, Act act) : w_(w), act_(std::move(act)) {
    setWindowFlag(Qt::Window);
    auto* grid = new QGridLayout(this);
    grid->setVerticalSpacing(4);
    for (int r = 1; r <= 20; ++r) {
        labels_[static_cast<size_t>(r)] = new QLabel;
        labels_[static_cast<size_t>(r)]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(labels_[static_cast<size_t>(r)], r - 1, 0);
        int combo = EditCfgComboForRow(r);
        if (combo >= 0) {
            auto* c = new QComboBox;
            c->setEditable(true);
            c->setMinimumWidth(380);
            // Only the operator's typing and picking change the value; a refresh does not.
            auto set = [this, combo](const QString& t) {
                act_([this, combo, t] {
                    w_.FrmEditCFG.Combo1[static_cast<size_t>(combo)].text = FromQt(t);
                    EditCfg_Change(w_);
                });
            };
            connect(c->lineEdit(), &QLineEdit::textEdited, this, set);
            connect(c, &QComboBox::textActivated, this, set);
            combos_[static_cast<size_t>(combo)] = c;
            grid->addWidget(c, r - 1, 1);
        } else {
            auto* e = new QLineEdit;
            e->setMinimumWidth(380);
            connect(e, &QLineEdit::textEdited, this, [this, r](const QString& t) {
                act_([this, r, t] {
                    w_.FrmEditCFG.Text1[static_cast<size_t>(r)].text = FromQt(t);
                    EditCfg_Change(w_);
                });
            });
            text_[static_cast<size_t>(r)] = e;
            grid->addWidget(e, r - 1, 1);
        }
    }
    auto* buttons = new QHBoxLayout;
    for (size_t i = 0; i < 2; ++i) {
        buttons_[i] = new QPushButton;
        buttons->addWidget(buttons_[i]);
        connect(buttons_[i], &QPushButton::clicked, this,
                [this, i] { act_([this, i] { EditCfg_Command1_Click(w_, static_cast<int>(i)); }); });
    }
    grid->addLayout(buttons, 20, 0, 1, 2);
}

void EditCfgWindow::Refresh() {
    auto& e = w_.FrmEditCFG;
    setWindowTitle(Q(e.caption));
    for (int r = 1; r <= 20; ++r) {
        labels_[static_cast<size_t>(r)]->setText(Q(e.Label1[static_cast<size_t>(r)].caption));
        labels_[static_cast<size_t>(r)]->setToolTip(Q(e.Label1[static_cast<size_t>(r)].tooltip));
        int combo = EditCfgComboForRow(r);
        QWidget* field = combo >= 0 ? static_cast<QWidget*>(combos_[static_cast<size_t>(combo)])
                                    : static_cast<QWidget*>(text_[static_cast<size_t>(r)]);
        if (combo >= 0)
            SyncCombo(combos_[static_cast<size_t>(combo)], e.Combo1[static_cast<size_t>(combo)]);
        else
            SyncLineEdit(text_[static_cast<size_t>(r)], e.Text1[static_cast<size_t>(r)]);
        // A line that will not work reads dark on light red, with the reason as its tooltip.
        const std::string& mark = e.marks[static_cast<size_t>(r)];
        const QString style = mark.empty() ? QString() : QStringLiteral("background: #ffb3b3; color: black;");
        if (field->styleSheet() != style) field->setStyleSheet(style);
        if (!mark.empty()) field->setToolTip(QStringLiteral("Will not work: ") + Q(mark));
    }
    for (size_t i = 0; i < 2; ++i) SyncButton(buttons_[i], e.Command1[i].caption, false, e.Command1[i]);
    if (e.visible != isVisible()) setVisible(e.visible);
}

void EditCfgWindow::closeEvent(QCloseEvent* e) {
    e->ignore();
    act_([this] { EditCfg_Command1_Click(w_, 1); });
}

EventEditWindow::EventEditWindow(Workstation& w, Act act) : w_(w), act_(std::move(act)) {
    setWindowFlag(Qt::Window);
    auto* top = new QVBoxLayout(this);
    grid_ = new QTableWidget(30, 2);
    grid_->verticalHeader()->setVisible(false);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->installEventFilter(this);
    connect(grid_, &QTableWidget::currentCellChanged, this, [this](int r, int c, int, int) {
        w_.frmEventEdit.EventList.row = r + 1;
        w_.frmEventEdit.EventList.col = c;
    });
    top->addWidget(grid_);
    auto* row = new QHBoxLayout;
    for (size_t i = 0; i < 3; ++i) {
        buttons_[i] = new QPushButton;
        row->addWidget(buttons_[i]);
        connect(buttons_[i], &QPushButton::clicked, this,
                [this, i] { act_([this, i] { EventEdit_Command1_Click(w_, static_cast<int>(i)); }); });
    }
    top->addLayout(row);
    resize(440, 640);
}

bool EventEditWindow::eventFilter(QObject* o, QEvent* e) {
    if (o == grid_ && e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        int code = k->key() == Qt::Key_Backspace ? 8 : (k->text().isEmpty() ? 0 : k->text().at(0).unicode());
        if (code == 8 || (code >= 32 && code <= 127)) {
            act_([this, code] { EventList_KeyPress(w_, code); });
            return true;
        }
    }
    return QWidget::eventFilter(o, e);
}

void EventEditWindow::closeEvent(QCloseEvent* e) {
    e->ignore();
    act_([this] { EventEdit_Command1_Click(w_, 2); });
}

void EventEditWindow::Refresh() {
    auto& e = w_.frmEventEdit;
    setWindowTitle(Q(e.caption));
    grid_->setToolTip(Q(e.EventList.tooltip));
    grid_->setHorizontalHeaderLabels({Q(e.EventList.Cell(0, 0)), Q(e.EventList.Cell(0, 1))});
    for (int r = 1; r <= 30; ++r)
        for (int c = 0; c < 2; ++c) {
            QString t = Q(e.EventList.Cell(r, c));
            auto* item = grid_->item(r - 1, c);
            if (!item) grid_->setItem(r - 1, c, item = new QTableWidgetItem);
            if (item->text() != t) item->setText(t);
        }
    grid_->setColumnWidth(0, static_cast<int>(e.EventList.colWidth[0] / kTwipsPerPixel));
    grid_->setColumnWidth(1, static_cast<int>(e.EventList.colWidth[1] / kTwipsPerPixel));
    for (size_t i = 0; i < 3; ++i) SyncButton(buttons_[i], e.Command1[i].caption, false, e.Command1[i]);
    if (e.visible != isVisible()) setVisible(e.visible);
}

}  // namespace varnel::views
