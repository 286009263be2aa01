#include "app/views/main_window.h"

#include <QAbstractItemView>
#include <QAbstractTableModel>
#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QColor>
#include <QComboBox>
#include <QDateTime>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <set>

#include "app/menu_commands.h"
#include "app/views/widgets_sync.h"
#include "events/deployment_watch.h"
#include "events/event_grid.h"
#include "events/recording.h"
#include "lists/comment_options.h"
#include "lists/line_station_boxes.h"
#include "lists/selection.h"
#include "nav/nav_tick.h"
#include "platform/qt/codepage.h"
#include "platform/qt/qt_host.h"

namespace varnel::views {

// The event grid's cells as a table model: rows 1.. of the grid, row 0 as headers.
class GridModel : public QAbstractTableModel {
public:
    explicit GridModel(Grid& g) : g_(&g) {}
    void Rebind(Grid& g) { g_ = &g; }
    int rowCount(const QModelIndex& = {}) const override { return std::max(0, g_->rows - 1); }
    int columnCount(const QModelIndex& = {}) const override { return g_->cols; }
    QVariant data(const QModelIndex& i, int role) const override {
        if (!i.isValid()) return {};
        const auto r = static_cast<size_t>(i.row() + 1);
        const bool alert = r < g_->rowAlert.size() && g_->rowAlert[r];
        if (role == Qt::BackgroundRole && alert) return QColor(0xc0, 0, 0);
        if (role == Qt::ForegroundRole && alert) return QColor(Qt::white);
        if (role != Qt::DisplayRole) return {};
        return ToQt(g_->Cell(i.row() + 1, i.column()));
    }
    QVariant headerData(int s, Qt::Orientation o, int role) const override {
        if (role != Qt::DisplayRole) return {};
        if (o == Qt::Horizontal && s < g_->cols && g_->rows > 0) return ToQt(g_->Cell(0, s));
        return s + 1;
    }
    void Changed() {
        if (rowCount() != shownRows_) {
            beginResetModel();
            shownRows_ = rowCount();
            endResetModel();
        } else if (rowCount() > 0) {
            emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
            emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
        }
    }

private:
    Grid* g_;
    int shownRows_ = -1;
};

MainWindow::MainWindow(Workstation& w, std::function<void(std::function<void()>)> act) : w_(w), act_(std::move(act)) {
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

void MainWindow::Build() {
    central_ = new QWidget(this);
    setCentralWidget(central_);
    auto& f = w_.frmActivity;
    auto name = [&](QWidget* wd, const QString& n) {
        wd->setObjectName(n);
        named_[n] = wd;
    };
    // Captions over the boxes.
    for (size_t i = 0; i < labels_.size(); ++i) {
        labels_[i] = new QLabel(central_);
        name(labels_[i], QStringLiteral("Label1(%1)").arg(i));
    }
    for (size_t i = 0; i < 6; ++i) {
        text1_[i] = new QLineEdit(central_);
        name(text1_[i], QStringLiteral("Text1(%1)").arg(i));
        text1_[i]->installEventFilter(this);
        connect(text1_[i], &QLineEdit::textEdited, this,
                [this, i](const QString& t) { w_.frmActivity.Text1[i].text = FromQt(t); });
    }
    auto combo = [&](const QString& n, ComboBox ActivityForm::*member) {
        auto* c = new QComboBox(central_);
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
        name(c, n);
        connect(c, &QComboBox::editTextChanged, this, [this, member](const QString& t) {
            if (!refreshing_) (w_.frmActivity.*member).text = FromQt(t);
        });
        return c;
    };
    combo1_ = combo(QStringLiteral("Combo1"), &ActivityForm::Combo1);
    combo2_ = combo(QStringLiteral("Combo2"), &ActivityForm::Combo2);
    combo3_ = combo(QStringLiteral("Combo3"), &ActivityForm::Combo3);
    combo4_ = combo(QStringLiteral("Combo4"), &ActivityForm::Combo4);
    combo3_->installEventFilter(this);
    combo3_->lineEdit()->installEventFilter(this);
    connect(combo1_, &QComboBox::activated, this, [this](int i) {
        act_([this, i] {
            auto& c = w_.frmActivity.Combo1;
            if (i >= 0 && static_cast<size_t>(i) < c.items.size()) c.text = c.items[static_cast<size_t>(i)];
            Combo1_Click(w_);
        });
    });
    connect(combo3_, &QComboBox::activated, this, [this](int i) {
        act_([this, i] {
            auto& c = w_.frmActivity.Combo3;
            if (i >= 0 && static_cast<size_t>(i) < c.items.size()) c.text = c.items[static_cast<size_t>(i)];
            Combo3_Click(w_);
        });
    });
    connect(combo4_, &QComboBox::activated, this, [this](int i) {
        auto& c = w_.frmActivity.Combo4;
        if (i >= 0 && static_cast<size_t>(i) < c.items.size()) c.text = c.items[static_cast<size_t>(i)];
    });

    // Comment option frames.
    auto frame = [&](const QString& n) {
        auto* g = new QGroupBox(central_);
        name(g, n);
        return g;
    };
    frame5_ = frame(QStringLiteral("Frame5"));
    frame6_ = frame(QStringLiteral("Frame6"));
    frame4_ = frame(QStringLiteral("Frame4"));
    auto options = [&](QGroupBox* g, auto& arr, const QString& base, OptionFrame which) {
        for (size_t i = 0; i < arr.size(); ++i) {
            auto* r = new QRadioButton(g);
            r->setAutoExclusive(false);
            name(r, QStringLiteral("%1(%2)").arg(base).arg(i));
            r->setGeometry(static_cast<int>((8 + 80 * static_cast<int>(i)) * scale_), static_cast<int>(24 * scale_),
                           static_cast<int>(78 * scale_), static_cast<int>(22 * scale_));
            r->installEventFilter(this);
            connect(r, &QRadioButton::clicked, this, [this, which, i] {
                act_([this, which, i] { CommentOption_Click(w_, which, static_cast<int>(i)); });
            });
            arr[i] = r;
        }
    };
    options(frame5_, option5_, QStringLiteral("Option5"), OptionFrame::StationType);
    options(frame6_, option3_, QStringLiteral("Option3"), OptionFrame::SeaConditions);
    options(frame4_, option4_, QStringLiteral("Option4"), OptionFrame::DayNight);

    comments_ = new QPlainTextEdit(central_);
    name(comments_, QStringLiteral("txtComments"));
    connect(comments_, &QPlainTextEdit::textChanged, this, [this] {
        if (refreshing_) return;
        std::string typed = FromQt(comments_->toPlainText());
        w_.frmActivity.txtComments.text = typed;
        txtComments_Change(w_);
        const std::string& clean = w_.frmActivity.txtComments.text;
        if (clean != typed) {
            // Keep the caret where the operator was typing, less what the clean-up took out.
            QTextCursor cur = comments_->textCursor();
            int pos = cur.position() - static_cast<int>(typed.size() - clean.size());
            refreshing_ = true;
            comments_->setPlainText(Q(clean));
            refreshing_ = false;
            cur = comments_->textCursor();
            cur.setPosition(std::clamp(pos, 0, static_cast<int>(clean.size())));
            comments_->setTextCursor(cur);
        }
    });

    for (size_t i = 0; i < 4; ++i) {
        command_[i] = new QPushButton(central_);
        name(command_[i], QStringLiteral("Command1(%1)").arg(i));
        connect(command_[i], &QPushButton::clicked, this,
                [this, i] { act_([this, i] { Command1_Click(w_, static_cast<int>(i)); }); });
    }

    // Event grid.
    grid_ = new QTableView(central_);
    name(grid_, QStringLiteral("EventLog"));
    gridModel_ = new GridModel(f.EventLog);
    gridModel_->setParent(this);
    grid_->setModel(gridModel_);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->setDefaultSectionSize(static_cast<int>(20 * scale_));
    grid_->verticalHeader()->setVisible(false);
    grid_->setAlternatingRowColors(true);
    grid_->horizontalHeader()->setStretchLastSection(true);  // Comments takes the room that is left
    connect(grid_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& i) { act_([this, i] { EventLog_DblClick(w_, i.row() + 1); }); });

    // The strip of instruments in the water, under the grid.
    deployLabel_ = new QLabel(central_);
    name(deployLabel_, QStringLiteral("lblDeployments"));
    deployments_ = new QTableView(central_);
    name(deployments_, QStringLiteral("Deployments"));
    deployModel_ = new GridModel(f.Deployments);
    deployModel_->setParent(this);
    deployments_->setModel(deployModel_);
    deployments_->setSelectionMode(QAbstractItemView::NoSelection);
    deployments_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    deployments_->setFocusPolicy(Qt::NoFocus);
    deployments_->verticalHeader()->setDefaultSectionSize(static_cast<int>(20 * scale_));
    deployments_->verticalHeader()->setVisible(false);
    deployments_->horizontalHeader()->setStretchLastSection(true);
    deployments_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    // The notice of an overdue operation: a window of its own that neither takes the
    // focus from the entry boxes nor stops the tick.
    notice_ = new QDialog(this);
    notice_->setObjectName(QStringLiteral("DeployNotice"));
    named_[QStringLiteral("DeployNotice")] = notice_;
    notice_->setModal(false);
    notice_->setAttribute(Qt::WA_ShowWithoutActivating);
    notice_->setWindowTitle(QStringLiteral("Overdue in the water"));
    auto* noticeLayout = new QVBoxLayout(notice_);
    noticeText_ = new QLabel(notice_);
    noticeText_->setWordWrap(true);
    noticeText_->setMinimumWidth(static_cast<int>(360 * scale_));
    noticeLayout->addWidget(noticeText_);
    auto* noticeButtons = new QHBoxLayout;
    for (size_t i = 0; i < 2; ++i) {
        noticeButtons_[i] = new QPushButton(notice_);
        name(noticeButtons_[i], QStringLiteral("cmdNotice(%1)").arg(i));
        noticeButtons->addWidget(noticeButtons_[i]);
        connect(noticeButtons_[i], &QPushButton::clicked, this,
                [this, i] { act_([this, i] { DeployNotice_Click(w_, static_cast<int>(i)); }); });
    }
    noticeLayout->addLayout(noticeButtons);
    connect(notice_, &QDialog::rejected, this, [this] {
        if (w_.frmActivity.DeployNotice.visible) act_([this] { DeployNotice_Click(w_, 1); });
    });

    // Selection panels down the right.
    selectEvent_ = new QGroupBox(central_);
    name(selectEvent_, QStringLiteral("frmSelectEvent"));
    selectEvent_->installEventFilter(this);
    selectMulti_ = new QGroupBox(central_);
    name(selectMulti_, QStringLiteral("frmSelectMulti"));
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setStyleHint(QFont::SansSerif);
    tahoma.setPointSize(8);
    for (size_t i = 0; i < 30; ++i) {
        auto* r = new QRadioButton(selectEvent_);
        r->setAutoExclusive(false);
        r->setFont(tahoma);
        name(r, QStringLiteral("Option1(%1)").arg(i));
        connect(r, &QRadioButton::clicked, this,
                [this, i] { act_([this, i] { Option1_Click(w_, static_cast<int>(i)); }); });
        option1_[i] = r;
    }
    for (size_t i = 0; i < 27; ++i) {
        auto* c = new QCheckBox(selectMulti_);
        c->setFont(tahoma);
        name(c, QStringLiteral("Check1(%1)").arg(i));
        connect(c, &QCheckBox::clicked, this,
                [this, i] { act_([this, i] { Check1_Click(w_, static_cast<int>(i)); }); });
        check1_[i] = c;
    }
    text2_ = new QLineEdit(central_);
    text2_->setReadOnly(true);
    name(text2_, QStringLiteral("Text2"));

    // The status bar's panels; 4 and 5 keep the date and the time themselves.
    // Panel 7 shows only while events wait for the shared folder, in a colour that
    // reads on a dim bridge screen.
    const int widths[] = {0, 120, 110, 130, 80, 70, 100, 0, 0, 0};
    for (int i = 1; i <= 9; ++i) {
        panels_[static_cast<size_t>(i)] = new QLabel(this);
        panels_[static_cast<size_t>(i)]->setFrameShape(QFrame::StyledPanel);
        panels_[static_cast<size_t>(i)]->setMinimumWidth(static_cast<int>(widths[i] * scale_));
        name(panels_[static_cast<size_t>(i)], QStringLiteral("StatusBar1(%1)").arg(i));
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

    timer1_ = new QTimer(this);
    connect(timer1_, &QTimer::timeout, this, [this] { OnTick(); });

    auto* f9 = new QShortcut(QKeySequence(Qt::Key_F9), this);
    f9->setContext(Qt::WindowShortcut);
    connect(f9, &QShortcut::activated, this, [this] { act_([this] { Activity_Form_KeyDown(w_, 120); }); });
    // F10 opens the first menu, as on the desktops the operators know.
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    f10->setContext(Qt::WindowShortcut);
    connect(f10, &QShortcut::activated, this, [this] {
        if (!menuBar()->actions().isEmpty()) menuBar()->setActiveAction(menuBar()->actions().first());
    });
}

namespace {

// A menu caption as Qt shows it: "&" doubled, and for a top-level menu "&" before its
// Alt letter, so Alt+letter opens it (the captions of the models stay as they are).
QString MenuText(const std::string& caption, QChar mnemonic) {
    QString t = Q(caption).replace(QStringLiteral("&"), QStringLiteral("&&"));
    if (!mnemonic.isNull()) {
        int at = static_cast<int>(t.indexOf(mnemonic, 0, Qt::CaseInsensitive));
        if (at >= 0) t.insert(at, QLatin1Char('&'));
    }
    return t;
}

}  // namespace

void MainWindow::BuildMenus() {
    static const std::set<std::string> checkable = {"mnuAuto",      "mnuAutoEvent", "mnuStndLine", "mnuSelectLine",
                                                    "mnuCalcLine",  "mnuLastEvent", "mnuCurrSta",  "mnuLastSta",
                                                    "mnuAllEvents", "mnuMulti",     "mnuhtml"};
    auto tree = w_.frmActivity.MenuTree();
    std::set<QChar> used;
    for (const auto& e : tree) {
        if (e.depth != 0) continue;
        for (QChar c : Q(e.item->caption).toLower())
            if (c.isLetter() && used.insert(c).second) {
                mnemonics_[e.name] = c;
                break;
            }
    }
    std::vector<QMenu*> stack;
    for (size_t i = 0; i < tree.size(); ++i) {
        const auto& e = tree[i];
        bool parent = i + 1 < tree.size() && tree[i + 1].depth > e.depth;
        stack.resize(static_cast<size_t>(e.depth));
        std::string nm = e.name;
        if (parent) {
            QString text = MenuText(e.item->caption, mnemonics_[nm]);
            QMenu* m = e.depth == 0 ? menuBar()->addMenu(text) : stack.back()->addMenu(text);
            m->setObjectName(QString::fromStdString(nm));
            actions_[nm] = m->menuAction();
            stack.push_back(m);
            continue;
        }
        QString text = MenuText(e.item->caption, mnemonics_[nm]);
        QAction* a = e.depth == 0 ? menuBar()->addAction(text) : stack.back()->addAction(text);
        a->setObjectName(QString::fromStdString(nm));
        a->setCheckable(checkable.count(nm) > 0);
        if (nm == "mnuNetwork") a->setShortcut(QKeySequence(Qt::Key_F1));
        connect(a, &QAction::triggered, this, [this, nm] { act_([this, nm] { ClickMenu(w_, nm); }); });
        actions_[nm] = a;
    }
}

QWidget* MainWindow::Named(const QString& name) const {
    auto it = named_.find(name);
    return it == named_.end() ? nullptr : it->second;
}

QAction* MainWindow::Menu(const QString& name) const {
    auto it = actions_.find(name.toStdString());
    return it == actions_.end() ? nullptr : it->second;
}

void MainWindow::OnTick() {
    auto* host = dynamic_cast<QtHost*>(&w_.host);
    if (host && host->Pausing()) {
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
            act_([this] { w_.frmEventEdit.visible = true; });
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
    // An enlarged window: the event panel keeps to the right edge (wider when its event
    // names need it), the comments box and the grid take the rest of the extra room.
    const int extraW = static_cast<int>(std::max(0, central_->width() - width) / scale_);
    const int extraH = static_cast<int>(std::max(0, central_->height() - height) / scale_);
    int longest = 0;
    for (size_t i = 0; i < 30; ++i)
        if (f.Option1[i].visible)
            longest = std::max(longest, option1_[i]->fontMetrics().horizontalAdvance(Q(f.Option1[i].caption)));
    for (size_t i = 0; i < 27; ++i)
        if (f.Check1[i].visible)
            longest = std::max(longest, check1_[i]->fontMetrics().horizontalAdvance(Q(f.Check1[i].caption)));
    const int panelExtra = std::clamp(static_cast<int>(longest / scale_) + 40 - 206, 0, extraW);
    const int panelX = 700 + extraW - panelExtra;
    // Header and event rows.
    struct Box {
        QWidget* w;
        int label, x, y, width;
    };
    const int comboX = f.Combo1.left + 8;
    const Box boxes[] = {{text1_[0], 0, 8, 22, 72},
                         {combo3_, 9, 86, 22, 72},
                         {combo4_, 10, 164, 22, 64},
                         {text1_[1], 1, 234, 22, 110},
                         {text1_[2], 2, 350, 22, 84},
                         {text1_[3], 3, 440, 22, 110},
                         {text1_[4], 4, 556, 22, 128},
                         {text1_[5], 5, 8, 70, f.Text1[5].width},
                         {combo1_, 7, comboX, 70, f.Combo1.width},
                         {combo2_, 8, 607, 70, 77}};
    for (const auto& b : boxes) {
        Place(b.w, b.x, b.y, b.width, 24);
        Place(labels_[static_cast<size_t>(b.label)], b.x, b.y - 17, b.width + 20, 16);
    }
    for (size_t i = 0; i < labels_.size(); ++i) {
        labels_[i]->setText(Q(f.Label1[i].caption));
        labels_[i]->setVisible(f.Label1[i].visible);
    }
    for (size_t i = 0; i < 6; ++i) SyncLineEdit(text1_[i], f.Text1[i]);
    SyncCombo(combo1_, f.Combo1);
    SyncCombo(combo2_, f.Combo2);
    SyncCombo(combo3_, f.Combo3);
    SyncCombo(combo4_, f.Combo4);

    Place(frame5_, 8, 100, 250, 54);
    Place(frame6_, 264, 100, 250, 54);
    Place(frame4_, 520, 100, 164, 54);
    frame5_->setTitle(Q(f.Frame5.caption));
    frame6_->setTitle(Q(f.Frame6.caption));
    frame4_->setTitle(Q(f.Frame4.caption));
    for (size_t i = 0; i < 3; ++i) SyncButton(option5_[i], f.Option5[i].caption, f.Option5[i].value, f.Option5[i]);
    for (size_t i = 0; i < 3; ++i) SyncButton(option3_[i], f.Option3[i].caption, f.Option3[i].value, f.Option3[i]);
    for (size_t i = 0; i < 2; ++i) SyncButton(option4_[i], f.Option4[i].caption, f.Option4[i].value, f.Option4[i]);

    Place(comments_, 8, 160, 676 + extraW - panelExtra, 46);
    if (comments_->toPlainText() != Q(f.txtComments.text)) {
        comments_->setPlainText(Q(f.txtComments.text));
        comments_->moveCursor(QTextCursor::End);
    }
    SyncCommon(comments_, f.txtComments);

    for (size_t i = 0; i < 4; ++i) {
        Place(command_[i], 8 + 171 * static_cast<int>(i), 212, 163, 32);
        SyncButton(command_[i], f.Command1[i].caption, false, f.Command1[i]);
    }

    // Grid.
    gridModel_->Rebind(f.EventLog);
    // A full-width grid passes under the panel, so it starts below Text2.
    int gridTop = f.EventLog.width > 700 ? 284 : 250;
    Place(grid_, 8, gridTop, f.EventLog.width + extraW - panelExtra, 576 - gridTop + extraH);
    gridModel_->Changed();
    for (int c = 0; c + 1 < f.EventLog.cols && c < static_cast<int>(f.EventLog.colWidth.size()); ++c) {
        int px = static_cast<int>(f.EventLog.colWidth[static_cast<size_t>(c)] / kTwipsPerPixel * scale_);
        if (grid_->columnWidth(c) != px) grid_->setColumnWidth(c, px);
    }
    if (f.gridRow >= 1 && f.gridRow - 1 < gridModel_->rowCount())
        grid_->scrollTo(gridModel_->index(std::max(0, f.gridRow - 2), 0));
    grid_->setToolTip(Q(f.EventLog.tooltip));

    // Strip of instruments in the water, across the window under the grid.
    const int stripTop = 576 + extraH;
    Place(deployLabel_, 8, stripTop + 4, 900 + extraW, 16);
    deployLabel_->setText(Q(f.lblDeployments.caption));
    Place(deployments_, 8, stripTop + 22, 912 + extraW, kStripHeight - 26);
    deployModel_->Rebind(f.Deployments);
    deployModel_->Changed();
    deployments_->setToolTip(Q(f.Deployments.tooltip));
    noticeText_->setText(Q(f.DeployNotice.caption));
    for (size_t i = 0; i < 2; ++i) noticeButtons_[i]->setText(Q(f.cmdNotice[i].caption));
    if (f.DeployNotice.visible != notice_->isVisible()) {
        if (f.DeployNotice.visible) {  // over the grid's lower rows, just above the strip
            notice_->adjustSize();
            QPoint stripAt = deployLabel_->mapToGlobal(QPoint(0, 0));
            notice_->move(geometry().center().x() - notice_->width() / 2, stripAt.y() - notice_->height() - 8);
        }
        notice_->setVisible(f.DeployNotice.visible);
    }

    // Selection panel.
    int panelH = std::max(120, f.frmSelectEvent.height - 36);
    Place(selectEvent_, panelX, 4, f.frmSelectEvent.width + panelExtra, panelH);
    Place(selectMulti_, panelX, 4, f.frmSelectMulti.width + panelExtra, panelH);
    selectEvent_->setTitle(Q(f.frmSelectEvent.caption));
    selectEvent_->setToolTip(Q(f.frmSelectEvent.tooltip));
    selectEvent_->setVisible(f.frmSelectEvent.visible);
    selectMulti_->setTitle(Q(f.frmSelectMulti.caption));
    selectMulti_->setToolTip(Q(f.frmSelectMulti.tooltip));
    selectMulti_->setVisible(f.frmSelectMulti.visible);
    int shown = std::max(1, f.LastEventIndex + 1);
    int rowH = std::clamp((panelH - 24) / shown, 14, 22);
    for (size_t i = 0; i < 30; ++i) {
        option1_[i]->setGeometry(static_cast<int>(8 * scale_),
                                 static_cast<int>((20 + rowH * static_cast<int>(i)) * scale_),
                                 static_cast<int>((206 + panelExtra) * scale_), static_cast<int>(rowH * scale_));
        SyncButton(option1_[i], f.Option1[i].caption, f.Option1[i].value, f.Option1[i]);
        option1_[i]->setToolTip(Q(f.Option1[i].caption));
    }
    for (size_t i = 0; i < 27; ++i) {
        check1_[i]->setGeometry(static_cast<int>(8 * scale_),
                                static_cast<int>((20 + rowH * static_cast<int>(i)) * scale_),
                                static_cast<int>((206 + panelExtra) * scale_), static_cast<int>(rowH * scale_));
        SyncButton(check1_[i], f.Check1[i].caption, f.Check1[i].value != 0, f.Check1[i]);
        check1_[i]->setToolTip(Q(f.Check1[i].caption));
    }
    Place(text2_, panelX, f.Text2.top, 220, 22);
    text2_->setText(Q(f.Text2.text));
    text2_->setVisible(f.Text2.visible);

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
    // The fix's health: black on amber when stale, without fix or off the clock.
    const QString fixStyle = f.StatusBar1.panelAlert[8]
                                 ? QStringLiteral("QLabel { background: #ffb000; color: black; font-weight: bold; }")
                                 : QString();
    if (panels_[8]->styleSheet() != fixStyle) panels_[8]->setStyleSheet(fixStyle);
    for (int i = 1; i <= 9; ++i)
        panels_[static_cast<size_t>(i)]->setToolTip(Q(f.StatusBar1.panelTooltip[static_cast<size_t>(i)].empty()
                                                          ? f.StatusBar1.tooltip
                                                          : f.StatusBar1.panelTooltip[static_cast<size_t>(i)]));

    for (auto& e : f.MenuTree()) {
        auto it = actions_.find(e.name);
        if (it == actions_.end()) continue;
        QAction* a = it->second;
        QString text = MenuText(e.item->caption, mnemonics_[e.name]);
        if (a->text() != text) a->setText(text);
        if (a->isCheckable() && a->isChecked() != e.item->checked) a->setChecked(e.item->checked);
        a->setEnabled(e.item->enabled);
    }

    // Timer1 follows its model.
    int interval = std::max(1, f.Timer1.interval);
    if (timer1_->interval() != interval) timer1_->setInterval(interval);
    if (f.Timer1.enabled && !timer1_->isActive() && !w_.ended) timer1_->start();
    if ((!f.Timer1.enabled || w_.ended) && timer1_->isActive()) timer1_->stop();
    refreshing_ = false;
}

}  // namespace varnel::views
