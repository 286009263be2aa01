// The main window's menu bar, built once from the menu tree of the window model;
// captions, ticks and enabled states follow the model on every refresh.
#include <QAction>
#include <QMenuBar>
#include <set>

#include "app/menu_commands.h"
#include "app/views/main_window.h"
#include "app/views/widgets_sync.h"

namespace varnel::views {

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

QAction* MainWindow::Menu(const QString& name) const {
    auto it = actions_.find(name.toStdString());
    return it == actions_.end() ? nullptr : it->second;
}

void MainWindow::RefreshMenus() {
    for (auto& e : w_.frmActivity.MenuTree()) {
        auto it = actions_.find(e.name);
        if (it == actions_.end()) continue;
        QAction* a = it->second;
        QString text = MenuText(e.item->caption, mnemonics_[e.name]);
        if (a->text() != text) a->setText(text);
        if (a->isCheckable() && a->isChecked() != e.item->checked) a->setChecked(e.item->checked);
        a->setEnabled(e.item->enabled);
    }
}

}  // namespace varnel::views
