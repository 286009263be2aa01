// The real windows, offscreen: every control and menu item is there with its
// caption and tooltip, an event recorded through the window reaches the files, and
// the configuration editor restarts the main window on what it saved.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <fstream>
#include <sstream>

#include "app/views/station_views.h"
#include "platform/qt/codepage.h"
#include "scenario/control_lookup.h"
#include "station/station_tick.h"
#include "station_files.h"

using namespace varnel;

namespace {

// Answers the next message box with `button`, recording its text.
void AnswerNextBox(QMessageBox::StandardButton button, QStringList* seen = nullptr, int tries = 100) {
    QTimer::singleShot(50, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            if (tries > 0) AnswerNextBox(button, seen, tries - 1);
            return;
        }
        if (seen) seen->append(box->text());
        if (auto* b = box->button(button))
            b->click();
        else if (auto* ok = box->button(QMessageBox::Ok))
            ok->click();
    });
}

}  // namespace

using namespace varnel::testing;

namespace {
// A network station with a current position, started: the announcement answered
// and recorded in `seen`.
struct StartedStation {
    QTemporaryDir dir;
    std::unique_ptr<views::StationViews> views;
    QStringList seen;

    StartedStation() {
        WriteStation(dir.path());
        views = std::make_unique<views::StationViews>(Drives(dir.path()));
        AnswerNextBox(QMessageBox::Ok, &seen);
        views->Start();
    }
};
}  // namespace

class GuiTest : public QObject {
    Q_OBJECT

private slots:
    // Each widget shows its control model: buttons, boxes, labels and every menu item.
    void everyWidgetShowsItsModel() {
        StartedStation started;
        auto& main = started.views->Main();
        auto& f = started.views->Station().frmActivity;
        QCOMPARE(started.seen, QStringList{"Auto/Network Mode Enabled - Press Start to load Current Position."});
        QCOMPARE(main.windowTitle(), QString::fromStdString(f.caption));
        // Every widget named for a control shows the control's caption or text (the status
        // panels of date and time read the clock themselves).
        int checked = 0;
        for (QWidget* w : main.findChildren<QWidget*>()) {
            auto c =
                scenario::FindControl(started.views->Station(), scenario::ParseName(w->objectName().toStdString()));
            const char* shows = qobject_cast<QGroupBox*>(w)   ? "title"
                                : qobject_cast<QComboBox*>(w) ? "currentText"
                                                              : "text";
            if (!c || std::holds_alternative<scenario::PanelRef>(*c) || !w->property(shows).isValid()) continue;
            QString shown = w->property(shows).toString().replace(QStringLiteral("&&"), QStringLiteral("&"));
            QCOMPARE(shown, QString::fromStdString(*scenario::Property(*c, "caption", -1)));
            if (auto tip = scenario::Property(*c, "tooltip", -1); tip && !tip->empty())
                QCOMPARE(w->toolTip(), QString::fromStdString(*tip));
            ++checked;
        }
        QVERIFY(checked > 90);
        QVERIFY(qobject_cast<QLineEdit*>(main.Named("Text1(5)"))->isReadOnly());
        for (const auto& e : f.MenuTree()) {
            QAction* a = main.Menu(e.name);
            QVERIFY2(a, e.name);
            QCOMPARE(QString(a->text()).remove(QLatin1Char('&')), QString::fromStdString(e.item->caption));
            QCOMPARE(a->isChecked(), e.item->checked);
        }
        QCOMPARE(main.Menu("mnuNetwork")->shortcut(), QKeySequence(Qt::Key_F1));
    }

    // Alt and the menu's letter open it from the keyboard; the status panels side by side
    // without overlap, also when their texts need more than the window's width; an enlarged window gives the grid the
    // extra width and height and moves nothing above it.
    void keyboardMenusAndAnEnlargedWindow() {
        StartedStation started;
        auto& main = started.views->Main();
        main.show();
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QTest::keyClick(main.Named("txtComments"), Qt::Key_C, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QApplication::activePopupWidget()->close();
        auto& bar = started.views->Station().frmActivity.StatusBar1;
        bar.panel[7] = "2 events wait for the shared folder Q:\\0701\\Events\\";
        bar.panel[8] = "STALE: no new position for 45 s";
        bar.panel[9] = "OVERDUE: BONGO, 1 h 35 min";  // more than the smallest window holds
        started.views->Main().Refresh();
        QTest::qWait(50);
        std::vector<QRect> panels;
        for (int i = 1; i <= 9; ++i)
            if (QWidget* p = main.Named(QStringLiteral("StatusBar1(%1)").arg(i)); p->isVisible())
                panels.push_back(p->geometry());
        std::sort(panels.begin(), panels.end(), [](const QRect& a, const QRect& b) { return a.left() < b.left(); });
        for (size_t i = 1; i < panels.size(); ++i) QVERIFY(panels[i].left() > panels[i - 1].right());
        QVERIFY(panels.back().right() < main.width());
        QWidget* grid = main.Named("EventLog");
        QWidget* record = main.Named("Command1(0)");
        const QRect before = grid->geometry(), button = record->geometry();
        main.resize(main.width() + 300, main.height() + 200);
        QTRY_COMPARE(grid->width(), before.width() + 300);
        QCOMPARE(grid->height(), before.height() + 200);
        QCOMPARE(grid->pos(), before.topLeft());
        QCOMPARE(record->geometry(), button);
    }

    // Two operations in the water, one past its time: the strip under the grid overlaps
    // no control, the overdue row is red, and the notice is up without blocking input,
    // beside the notice of a source that will not work, whose first button opens the editor.
    void theDeploymentStripAndItsNotice() {
        QTemporaryDir dir;
        WriteStation(dir.path(), {{11, QStringLiteral("BANANA")}});
        const QDateTime now = QDateTime::currentDateTimeUtc();
        auto line = [&](int n, const char* activity, const char* event, int minutesAgo) {
            QDateTime t = now.addSecs(-60 * minutesAgo);
            return QStringLiteral("0701JD,%1,93.3,26.7,93.3,26.7,,,32.9,-117.3,%2,%3,JD,%4,%5,,1")
                .arg(n)
                .arg(activity, event, QLocale::c().toString(t.date(), QStringLiteral("dd-MMM-yyyy")),
                     t.toString(QStringLiteral("HH:mm:ss")));
        };
        WriteFile(dir.path() + "/Q/0701/Events/0701JDEvents.csv",
                  {line(30, "BONGO", "BONGO DEPLOYED", 95), line(31, "CTD", "CTD DEPLOYED", 20)});
        views::StationViews station(Drives(dir.path()));
        AnswerNextBox(QMessageBox::Ok);
        station.Start();
        auto& main = station.Main();
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        auto* strip = qobject_cast<QTableView*>(main.Named("Deployments"));
        QCOMPARE(strip->model()->rowCount(), 2);
        QCOMPARE(strip->model()->index(0, 3).data().toString(), QStringLiteral("1 h 35 min OVERDUE"));
        QCOMPARE(strip->model()->index(0, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(0xc0, 0, 0));
        QVERIFY(!strip->model()->index(1, 0).data(Qt::BackgroundRole).isValid());
        const QRect room = main.centralWidget()->rect();
        for (QWidget* w : main.centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!w->isVisible()) continue;
            QVERIFY2(room.contains(w->geometry()), qPrintable(w->objectName()));
            for (const char* ours : {"Deployments", "lblDeployments"})
                if (w != main.Named(ours))
                    QVERIFY2(!w->geometry().intersects(main.Named(ours)->geometry()), qPrintable(w->objectName()));
        }
        QWidget* notice = main.Named("DeployNotice");
        QTRY_VERIFY(notice->isVisible());
        QVERIFY(!QApplication::activeModalWidget());
        QWidget* cfgNotice = main.Named("CfgNotice");
        QVERIFY(cfgNotice->isVisible() && !cfgNotice->geometry().intersects(notice->geometry()));
        qobject_cast<QPushButton*>(main.Named("cmdCfgNotice(0)"))->click();
        QVERIFY(!cfgNotice->isVisible() && station.ConfigEditor().isVisible());
        QVERIFY(main.findChild<QLabel*>("StatusBar1(9)")->text().startsWith("OVERDUE: BONGO, 1 h 3"));
        qobject_cast<QPushButton*>(main.Named("cmdNotice(0)"))->click();  // snooze
        QVERIFY(!notice->isVisible());
    }

    void anEventRecordedThroughTheWindowReachesTheFiles() {
        StartedStation started;
        auto& station = *started.views;
        const QTemporaryDir& dir = started.dir;
        auto& main = station.Main();
        qobject_cast<QPushButton*>(main.Named("Command1(0)"))->click();  // Start: a 3 s pause
        QCOMPARE(qobject_cast<QPushButton*>(main.Named("Command1(0)"))->text(),
                 QStringLiteral("&Record Event"));  // Alt+R
        station.Act([&] { Timer1_Timer(station.Station()); });
        QTRY_COMPARE(qobject_cast<QLineEdit*>(main.Named("Text1(3)"))->text(), QStringLiteral("32.90000"));
        qobject_cast<QRadioButton*>(main.Named("Option1(1)"))->click();
        QCOMPARE(qobject_cast<QComboBox*>(main.Named("Combo1"))->currentText(), QStringLiteral("CTD DEPLOYED"));
        // A character the logs cannot hold is logged as "?" and named; Tab leaves the box.
        auto* comments = qobject_cast<QPlainTextEdit*>(main.Named("txtComments"));
        comments->moveCursor(QTextCursor::End);
        QTest::keyClicks(comments, "abc ");
        QTest::sendKeyEvent(QTest::Click, comments, Qt::Key_unknown, QString::fromUtf8("鯨"), Qt::NoModifier);
        QTest::keyClicks(comments, " def");
        QTest::keyClick(comments, Qt::Key_Tab);
        qobject_cast<QRadioButton*>(main.Named("Option3(0)"))->click();  // Calm: the box keeps what was typed
        QCOMPARE(comments->toPlainText(), QString::fromUtf8("Comments: abc 鯨 def; Sea Conditions: Calm"));
        main.show();
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QTest::keyClick(comments, Qt::Key_R, Qt::ControlModifier);  // Record Event from the comments box
        // At the smallest window the panel shortens its text and keeps it whole in the tooltip.
        // The fixture's position is hours old: that notice is more urgent than the "?".
        QTRY_VERIFY(
            main.findChild<QLabel*>("StatusBar1(7)")->toolTip().startsWith("Event 42 recorded without a current fix"));
        QStringList local = ReadLines(dir.path() + "/C/VarnelGPS/0701JDEvents.csv");
        QCOMPARE(local.size(), 2);
        QVERIFY(local[1].startsWith("0701JD,42,93.3,26.7,93.6,27.0,"));
        QVERIFY(local[1].contains(
            ",32.900000,-117.300000,CTD,CTD DEPLOYED,JD,05-Jul-2026,14:05:09,abc ? def; Sea Conditions: Calm,1"));
        QStringList shared = ReadLines(dir.path() + "/Q/0701/Events/0701JDEvents.csv");
        QCOMPARE(shared.size(), 1);
        QVERIFY(shared[0].contains(",32.90000,-117.30000,CTD,CTD DEPLOYED,"));
        QCOMPARE(ReadLines(dir.path() + "/Q/0701/Events/EventNumber.txt"), QStringList{"42"});
        QCOMPARE(qobject_cast<QLineEdit*>(main.Named("Text1(5)"))->text(), QStringLiteral("43"));
    }

    // Each character outside the code page is one "?" (one outside the BMP too); every byte comes back.
    void theCodePageConversion() {
        const CodePageText t = FromQtNoting(QString::fromUtf8("abc 鯨 def 🐳 €Ñ"));
        QVERIFY(t.text == "abc ? def ? \x80\xD1");
        QVERIFY(t.replaced == U"鯨🐳");
        std::string every;
        for (int b = 0; b < 256; ++b) every += static_cast<char>(b);
        QVERIFY(FromQt(ToQt(every)) == every);
    }

    void theConfigurationEditorRestartsOnWhatItSaved() {
        StartedStation started;
        auto& station = *started.views;
        const QTemporaryDir& dir = started.dir;
        const QStringList before = ReadLines(dir.path() + "/C/VarnelGPS/VarnelGPS.cfg");
        station.Main().Menu("mnuEditCfg")->trigger();
        auto& editor = station.ConfigEditor();
        QVERIFY(editor.isVisible());
        QCOMPARE(editor.TextBox(2)->text(), QStringLiteral("0701JD"));
        editor.TextBox(2)->clear();
        QTest::keyClicks(editor.TextBox(2), "0802XY");
        QStringList seen;
        AnswerNextBox(QMessageBox::Yes, &seen);                           // restart now
        QTimer::singleShot(400, [] { AnswerNextBox(QMessageBox::Ok); });  // the announcement after the restart
        editor.Button(0)->click();
        QCOMPARE(seen.value(0),
                 QStringLiteral("You have to restart the program to load the changes. Restart now? Y/N"));
        // Only the typed row changed: the drop-down rows keep their values through the editor.
        QStringList saved = ReadLines(dir.path() + "/C/VarnelGPS/VarnelGPS.cfg");
        QCOMPARE(saved.value(1), QStringLiteral("0802XY"));
        saved[1] = "0701JD";
        QCOMPARE(saved, before);
        QCOMPARE(station.Main().windowTitle(), QStringLiteral("Ormanti 0802XY Cruise Electronic Event Log"));
        QVERIFY(!editor.isVisible());
    }
};

QTEST_MAIN(GuiTest)
#include "gui_test.moc"
