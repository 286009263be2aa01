// The main window's event grid, the strip of instruments in the water under it and
// the notice of an overdue operation that stands over the grid's lower rows.
#include <QAbstractItemView>
#include <QAbstractTableModel>
#include <QColor>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>

#include "app/views/main_window.h"
#include "app/views/widgets_sync.h"
#include "events/deployment_watch.h"
#include "events/event_grid.h"

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

// A read-only table over a grid model, its rows without numbers, its last column taking
// the room that is left.
QTableView* MainWindow::GridTable(const QString& name, Grid& g, GridModel*& model) {
    auto* table = new QTableView(central_);
    Name(table, name);
    model = new GridModel(g);
    model->setParent(this);
    table->setModel(model);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->setDefaultSectionSize(static_cast<int>(20 * scale_));
    table->verticalHeader()->setVisible(false);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

void MainWindow::BuildGrids() {
    auto& f = w_.frmActivity;
    grid_ = GridTable(QStringLiteral("EventLog"), f.EventLog, gridModel_);  // Comments takes the room left
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setAlternatingRowColors(true);
    connect(grid_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& i) { act_([this, i] { EventLog_DblClick(w_, i.row() + 1); }); });

    // The strip of instruments in the water, under the grid.
    deployLabel_ = new QLabel(central_);
    Name(deployLabel_, QStringLiteral("lblDeployments"));
    deployments_ = GridTable(QStringLiteral("Deployments"), f.Deployments, deployModel_);
    deployments_->setSelectionMode(QAbstractItemView::NoSelection);
    deployments_->setFocusPolicy(Qt::NoFocus);
    deployments_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    BuildNotice(deployNotice_, QStringLiteral("DeployNotice"), QStringLiteral("Overdue in the water"),
                QStringLiteral("cmdNotice(%1)"), f.DeployNotice, [this](int i) { DeployNotice_Click(w_, i); });
}

void MainWindow::RefreshGrids(const Room& room) {
    auto& f = w_.frmActivity;
    gridModel_->Rebind(f.EventLog);
    // A full-width grid passes under the panel, so it starts below Text2.
    int gridTop = f.EventLog.width > 700 ? 284 : 250;
    Place(grid_, 8, gridTop, f.EventLog.width + room.extraW - room.panelExtra, 576 - gridTop + room.extraH);
    gridModel_->Changed();
    for (int c = 0; c + 1 < f.EventLog.cols && c < static_cast<int>(f.EventLog.colWidth.size()); ++c) {
        int px = static_cast<int>(f.EventLog.colWidth[static_cast<size_t>(c)] / kTwipsPerPixel * scale_);
        if (grid_->columnWidth(c) != px) grid_->setColumnWidth(c, px);
    }
    if (f.gridRow >= 1 && f.gridRow - 1 < gridModel_->rowCount())
        grid_->scrollTo(gridModel_->index(std::max(0, f.gridRow - 2), 0));
    grid_->setToolTip(Q(f.EventLog.tooltip));

    // Strip of instruments in the water, across the window under the grid.
    const int stripTop = 576 + room.extraH;
    Place(deployLabel_, 8, stripTop + 4, 900 + room.extraW, 16);
    deployLabel_->setText(Q(f.lblDeployments.caption));
    Place(deployments_, 8, stripTop + 22, 912 + room.extraW, kStripHeight - 26);
    deployModel_->Rebind(f.Deployments);
    deployModel_->Changed();
    deployments_->setToolTip(Q(f.Deployments.tooltip));
    // The overdue notice stands over the grid's lower rows, just above the strip.
    RefreshNotice(deployNotice_, f.DeployNotice, f.cmdNotice, deployLabel_->mapToGlobal(QPoint(0, -8)), false);
}

}  // namespace varnel::views
