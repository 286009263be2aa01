// The Qt view of frmActivity: one widget per control model, the menu bar built from
// the menu tree, the status bar's six panels; every operator action calls the
// window's handler and the station's views are refreshed afterwards.
#pragma once
#include <QMainWindow>
#include <array>
#include <functional>
#include <map>

#include "forms/workstation.h"

class QAction;
class QComboBox;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QCheckBox;
class QTableView;
class QTimer;

namespace varnel {
class QtHost;
}

namespace varnel::views {

class GridModel;

class MainWindow : public QMainWindow {
public:
    // `act` runs a handler and refreshes every view of the station; `host` is the
    // station's host, whose pauses hold the timer's ticks back.
    MainWindow(Workstation& w, QtHost& host, std::function<void(std::function<void()>)> act);
    ~MainWindow() override;

    void Refresh();
    QWidget* Named(const QString& name) const;  // widgets by control name, for tests
    QAction* Menu(const QString& name) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* e) override;

private:
    // The room an enlarged window has beyond the size of its model, in unscaled
    // pixels: the event panel widens by panelExtra and starts at panelX, the comments
    // box and the grid take the rest of extraW and extraH.
    struct Room {
        int extraW, extraH, panelExtra, panelX;
    };

    // Each part of the window is built once, in the order that sets the tab order,
    // and brought in line with its models by Refresh in the same order.
    void Build();
    void BuildEntryBoxes();
    void BuildGrids();
    QTableView* GridTable(const QString& name, Grid& g, GridModel*& model);
    void BuildSelectionPanel();
    void BuildStatusBar();
    void BuildTimerAndKeys();
    void BuildMenus();
    Room MeasureRoom(int width, int height) const;  // the model's size in screen pixels
    void RefreshEntryBoxes(const Room& room);
    // The characters of the event, operator and comments boxes that their models hold as "?".
    void ReadReplacedCharacters();
    void RefreshGrids(const Room& room);
    void RefreshSelectionPanel(const Room& room);
    void RefreshStatusBar();
    void FitStatusPanels();
    void RefreshMenus();
    void RefreshTimer();
    void Place(QWidget* w, int x, int y, int width, int height);
    void Name(QWidget* w, const QString& name);
    void OnTick();
    void resizeEvent(QResizeEvent* e) override;

    Workstation& w_;
    QtHost& host_;
    std::function<void(std::function<void()>)> act_;
    double scale_ = 1.0;
    QWidget* central_ = nullptr;
    std::array<QPushButton*, 4> command_{};
    std::array<QLineEdit*, 6> text1_{};
    QComboBox *combo1_ = nullptr, *combo2_ = nullptr, *combo3_ = nullptr, *combo4_ = nullptr;
    QPlainTextEdit* comments_ = nullptr;
    QGroupBox *frame5_ = nullptr, *frame6_ = nullptr, *frame4_ = nullptr;
    std::array<QRadioButton*, 3> option5_{};
    std::array<QRadioButton*, 3> option3_{};
    std::array<QRadioButton*, 2> option4_{};
    QGroupBox *selectEvent_ = nullptr, *selectMulti_ = nullptr;
    std::array<QRadioButton*, 30> option1_{};
    std::array<QCheckBox*, 27> check1_{};
    QTableView* grid_ = nullptr;
    GridModel* gridModel_ = nullptr;
    QLineEdit* text2_ = nullptr;
    std::array<QLabel*, 10> panels_{};
    QLabel* deployLabel_ = nullptr;
    QTableView* deployments_ = nullptr;
    GridModel* deployModel_ = nullptr;
    // A notice window of the station: it neither takes the focus from the entry boxes
    // nor stops the tick; its text and two buttons follow a frame and its buttons.
    struct Notice {
        QDialog* dialog = nullptr;
        QLabel* text = nullptr;
        std::array<QPushButton*, 2> buttons{};
    };
    // `click` gets the button's index; closing the window counts as the second button
    // while the model still shows the notice.
    void BuildNotice(Notice& n, const QString& name, const QString& title, const QString& buttonName,
                     const Frame& model, std::function<void(int)> click);
    // Shows, hides and fills the window; a window that opens is centred on the main
    // window, its top edge (below) or its bottom edge at `at`'s height (global).
    void RefreshNotice(Notice& n, const Frame& model, const std::array<Button, 2>& buttons, QPoint at, bool below);
    void BuildConfigNotice();
    void RefreshConfigNotice();
    Notice deployNotice_, cfgNotice_;
    static constexpr int kStripHeight = 112;  // pixels under the grid for the deployments strip
    std::map<std::string, QChar> mnemonics_;  // the Alt letter of each top-level menu
    std::array<QLabel*, 11> labels_{};
    QTimer* timer1_ = nullptr;
    QTimer* clock_ = nullptr;
    bool tickDeferred_ = false;
    std::map<std::string, QAction*> actions_;
    std::map<QString, QWidget*> named_;
    bool refreshing_ = false;
};

}  // namespace varnel::views
