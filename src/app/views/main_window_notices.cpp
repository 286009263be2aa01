// The station's notice windows over the main window: the overdue operation above the
// strip, the configuration values that will not work over the grid's first rows.
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "app/config_editor.h"
#include "app/views/main_window.h"
#include "app/views/widgets_sync.h"

namespace varnel::views {

void MainWindow::BuildNotice(Notice& n, const QString& name, const QString& title, const QString& buttonName,
                             const Frame& model, std::function<void(int)> click) {
    n.dialog = new QDialog(this);
    Name(n.dialog, name);
    n.dialog->setModal(false);
    n.dialog->setAttribute(Qt::WA_ShowWithoutActivating);
    n.dialog->setWindowTitle(title);
    auto* layout = new QVBoxLayout(n.dialog);
    n.text = new QLabel(n.dialog);
    n.text->setWordWrap(true);
    n.text->setMinimumWidth(static_cast<int>(360 * scale_));
    layout->addWidget(n.text);
    auto* row = new QHBoxLayout;
    for (size_t i = 0; i < 2; ++i) {
        n.buttons[i] = new QPushButton(n.dialog);
        Name(n.buttons[i], buttonName.arg(i));
        row->addWidget(n.buttons[i]);
        connect(n.buttons[i], &QPushButton::clicked, this,
                [this, click, i] { act_([click, i] { click(static_cast<int>(i)); }); });
    }
    layout->addLayout(row);
    connect(n.dialog, &QDialog::rejected, this, [this, click, &model] {
        if (model.visible) act_([click] { click(1); });
    });
}

void MainWindow::RefreshNotice(Notice& n, const Frame& model, const std::array<Button, 2>& buttons, QPoint at,
                               bool below) {
    n.text->setText(Q(model.caption));
    for (size_t i = 0; i < 2; ++i) n.buttons[i]->setText(Q(buttons[i].caption));
    if (model.visible == n.dialog->isVisible()) return;
    if (model.visible) {
        n.dialog->adjustSize();
        const int top = below ? at.y() : at.y() - n.dialog->height();
        n.dialog->move(geometry().center().x() - n.dialog->width() / 2, top);
    }
    n.dialog->setVisible(model.visible);
}

void MainWindow::BuildConfigNotice() {
    BuildNotice(cfgNotice_, QStringLiteral("CfgNotice"), QStringLiteral("Configuration values that will not work"),
                QStringLiteral("cmdCfgNotice(%1)"), w_.frmActivity.CfgNotice,
                [this](int i) { CfgNotice_Click(w_, i); });
}

void MainWindow::RefreshConfigNotice() {
    auto& f = w_.frmActivity;
    RefreshNotice(cfgNotice_, f.CfgNotice, f.cmdCfgNotice, grid_->mapToGlobal(QPoint(0, 24)), true);
}

}  // namespace varnel::views
