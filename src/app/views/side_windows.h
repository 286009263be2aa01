// The Qt views of the GPS serial window, the configuration editor and the event
// list editor. Each shows its form's models and passes the operator's actions on.
#pragma once
#include <QWidget>
#include <array>
#include <functional>

#include "forms/workstation.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QTimer;

namespace varnel {
class QtHost;
}

namespace varnel::views {

using Act = std::function<void(std::function<void()>)>;

class CommCheckWindow : public QWidget {
public:
    // `host` is the station's host, whose pauses hold the window's timer back.
    CommCheckWindow(Workstation& w, QtHost& host, Act act);
    void Refresh();

protected:
    void closeEvent(QCloseEvent* e) override;  // closing is "Hide GPS"

private:
    Workstation& w_;
    QtHost& host_;
    Act act_;
    std::array<QLineEdit*, 2> text2_{};
    std::array<QRadioButton*, 5> port_{};
    std::array<QRadioButton*, 4> baud_{};
    std::array<QRadioButton*, 2> parity_{}, bits_{}, stop_{};
    QLineEdit *text1_ = nullptr, *text3_ = nullptr;
    QPushButton *go_ = nullptr, *save_ = nullptr, *hide_ = nullptr;
    QPlainTextEdit* display_ = nullptr;
    QLabel* receiver_ = nullptr;  // the receiver at a glance
    QTimer* timer_ = nullptr;
};

class EditCfgWindow : public QWidget {
public:
    EditCfgWindow(Workstation& w, Act act);
    void Refresh();
    QLineEdit* TextBox(int row) const { return text_[static_cast<size_t>(row)]; }
    QPushButton* Button(int i) const { return buttons_[static_cast<size_t>(i)]; }

protected:
    void closeEvent(QCloseEvent* e) override;  // closing is "Close Window"

private:
    Workstation& w_;
    Act act_;
    std::array<QLabel*, 21> labels_{};
    std::array<QLineEdit*, 19> text_{};
    std::array<QComboBox*, 6> combos_{};
    std::array<QPushButton*, 2> buttons_{};
};

class EventEditWindow : public QWidget {
public:
    EventEditWindow(Workstation& w, Act act);
    void Refresh();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;  // closing is "Exit back to Logger"

private:
    Workstation& w_;
    Act act_;
    QTableWidget* grid_ = nullptr;
    std::array<QPushButton*, 3> buttons_{};
};

}  // namespace varnel::views
