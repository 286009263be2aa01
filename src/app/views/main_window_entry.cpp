// The main window's entry boxes: the header and event rows with their captions, the
// three comment option frames, the comments box and the four command buttons.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/views/main_window.h"
#include "app/views/widgets_sync.h"
#include "events/recording.h"
#include "lists/comment_options.h"
#include "lists/line_station_boxes.h"
#include "lists/selection.h"

namespace varnel::views {

namespace {

// The list entry the operator picked becomes the box's text before its click runs.
void TakePick(ComboBox& c, int i) {
    if (i >= 0 && static_cast<size_t>(i) < c.items.size()) c.text = c.items[static_cast<size_t>(i)];
}

}  // namespace

void MainWindow::BuildEntryBoxes() {
    // Captions over the boxes.
    for (size_t i = 0; i < labels_.size(); ++i) {
        labels_[i] = new QLabel(central_);
        Name(labels_[i], QStringLiteral("Label1(%1)").arg(i));
    }
    for (size_t i = 0; i < 6; ++i) {
        text1_[i] = new QLineEdit(central_);
        Name(text1_[i], QStringLiteral("Text1(%1)").arg(i));
        text1_[i]->installEventFilter(this);
        connect(text1_[i], &QLineEdit::textEdited, this,
                [this, i](const QString& t) { w_.frmActivity.Text1[i].text = FromQt(t); });
    }
    auto combo = [&](const QString& n, ComboBox ActivityForm::*member) {
        auto* c = new QComboBox(central_);
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
        Name(c, n);
        connect(c, &QComboBox::editTextChanged, this, [this, member](const QString& t) {
            if (refreshing_) return;
            (w_.frmActivity.*member).text = FromQt(t);
            ReadReplacedCharacters();
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
            TakePick(w_.frmActivity.Combo1, i);
            Combo1_Click(w_);
        });
    });
    connect(combo3_, &QComboBox::activated, this, [this](int i) {
        act_([this, i] {
            TakePick(w_.frmActivity.Combo3, i);
            Combo3_Click(w_);
        });
    });
    connect(combo4_, &QComboBox::activated, this, [this](int i) { TakePick(w_.frmActivity.Combo4, i); });

    // Comment option frames.
    auto frame = [&](const QString& n) {
        auto* g = new QGroupBox(central_);
        Name(g, n);
        return g;
    };
    frame5_ = frame(QStringLiteral("Frame5"));
    frame6_ = frame(QStringLiteral("Frame6"));
    frame4_ = frame(QStringLiteral("Frame4"));
    auto options = [&](QGroupBox* g, auto& arr, const QString& base, OptionFrame which) {
        for (size_t i = 0; i < arr.size(); ++i) {
            auto* r = new QRadioButton(g);
            r->setAutoExclusive(false);
            Name(r, QStringLiteral("%1(%2)").arg(base).arg(i));
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
    Name(comments_, QStringLiteral("txtComments"));
    comments_->setTabChangesFocus(true);  // Tab moves on, as in every other box
    connect(comments_, &QPlainTextEdit::textChanged, this, [this] {
        if (refreshing_) return;
        const QString shown = comments_->toPlainText();
        std::string typed = FromQt(shown);
        w_.frmActivity.txtComments.text = typed;
        ReadReplacedCharacters();
        txtComments_Change(w_);
        const std::string& clean = w_.frmActivity.txtComments.text;
        if (clean != typed) {
            // Keep the caret where the operator was typing, less what the clean-up took out.
            QTextCursor cur = comments_->textCursor();
            int pos = cur.position() - static_cast<int>(typed.size() - clean.size());
            refreshing_ = true;
            comments_->setPlainText(ShownText(clean, shown));
            refreshing_ = false;
            cur = comments_->textCursor();
            cur.setPosition(std::clamp(pos, 0, static_cast<int>(clean.size())));
            comments_->setTextCursor(cur);
        }
    });

    for (size_t i = 0; i < 4; ++i) {
        command_[i] = new QPushButton(central_);
        Name(command_[i], QStringLiteral("Command1(%1)").arg(i));
        connect(command_[i], &QPushButton::clicked, this,
                [this, i] { act_([this, i] { Command1_Click(w_, static_cast<int>(i)); }); });
    }
}

void MainWindow::ReadReplacedCharacters() {
    auto& r = w_.frmActivity.replaced;
    r.event = FromQtNoting(combo1_->currentText()).replaced;
    r.operatorInitials = FromQtNoting(combo2_->currentText()).replaced;
    r.comments = FromQtNoting(comments_->toPlainText()).replaced;
}

void MainWindow::RefreshEntryBoxes(const Room& room) {
    auto& f = w_.frmActivity;
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

    Place(comments_, 8, 160, 676 + room.extraW - room.panelExtra, 46);
    if (!ShowsModel(comments_->toPlainText(), f.txtComments.text)) {
        comments_->setPlainText(ShownText(f.txtComments.text, comments_->toPlainText()));
        comments_->moveCursor(QTextCursor::End);
    }
    SyncCommon(comments_, f.txtComments);
    ReadReplacedCharacters();

    for (size_t i = 0; i < 4; ++i) {
        Place(command_[i], 8 + 171 * static_cast<int>(i), 212, 163, 32);
        // Alt+R presses Record Event: the menu bar's Alt letters are those of its captions'
        // first letters (C, F, P, E), so R is free.
        QChar mnemonic = i == 0 && f.Command1[0].caption == "Record Event" ? QLatin1Char('R') : QChar();
        SyncButton(command_[i], f.Command1[i].caption, false, f.Command1[i], mnemonic);
    }
}

}  // namespace varnel::views
