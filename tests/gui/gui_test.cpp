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
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <fstream>
#include <sstream>

#include "app/views/station_views.h"
#include "nav/nav_tick.h"
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
        WriteStation(dir.path(), QStringLiteral("NETWORK"));
        WriteFile(
            dir.path() + "/Q/0701/Events/CurrPos.txt",
            {"$GPGGA,140509.00,3254.000,N,11718.000,W,1,08,0.9,10.0,M,,,,*47", "$GPZDA,140509.00,05,07,2026,00,00*60"});
        views = std::make_unique<views::StationViews>(Drives(dir.path()));
        AnswerNextBox(QMessageBox::Ok, &seen);
        views->Start();
    }
};
}  // namespace

class GuiTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlAndMenuItemIsThere() {
        StartedStation started;
        auto& station = *started.views;
        QCOMPARE(started.seen, QStringList{"Auto/Network Mode Enabled - Press Start to load Current Position."});
        auto& main = station.Main();
        QCOMPARE(main.windowTitle(), QStringLiteral("Ormanti 0701JD Cruise Electronic Event Log"));
        struct Row {
            const char* name;
            const char* text;
            const char* tip;
        } rows[] = {
            {"Command1(0)", "Start", "Start Event Data Display"},
            {"Command1(1)", "Standby", "Pauses Nav Data Display until Resume is pressed"},
            {"Command1(2)", "Quit", "Exits the program and saves displayed data to the server"},
            {"Command1(3)", "Clear Last", "Erases last event and rolls back event number"},
            {"Option1(0)", "STATION ARRIVAL", "STATION ARRIVAL"},
            {"Option3(1)", "MODRT", "Sea Conditions: Moderate"},
            {"Option4(1)", "Night", "Day/Night: Night"},
        };
        for (const auto& r : rows) {
            auto* b = qobject_cast<QAbstractButton*>(main.Named(r.name));
            QVERIFY2(b, r.name);
            QCOMPARE(b->text(), QString::fromLatin1(r.text));
            QCOMPARE(b->toolTip(), QString::fromLatin1(r.tip));
        }
        auto* box = qobject_cast<QLineEdit*>(main.Named("Text1(5)"));
        QVERIFY(box);
        QCOMPARE(box->text(), QStringLiteral("41"));
        QCOMPARE(box->toolTip(),
                 QStringLiteral("Event Number: read in from Eventnumber.txt over network in auto-mode"));
        QVERIFY(box->isReadOnly());
        for (const char* n :
             {"Text1(0)",      "Text1(1)",       "Text1(2)",       "Text1(3)",    "Text1(4)", "Combo1",
              "Combo2",        "Combo3",         "Combo4",         "txtComments", "Frame4",   "Frame5",
              "Frame6",        "frmSelectEvent", "frmSelectMulti", "EventLog",    "Text2",    "StatusBar1(1)",
              "StatusBar1(6)", "Check1(26)",     "Option1(29)"})
            QVERIFY2(main.Named(n), n);
        auto* panel = qobject_cast<QGroupBox*>(main.Named("frmSelectEvent"));
        QCOMPARE(panel->title(), QStringLiteral("Bridge Events"));
        struct Menu {
            const char* name;
            const char* caption;
            bool checkable, checked;
        } menus[] = {{"mnuAuto", "Auto Fill Data", true, true},
                     {"mnuStndLine", "Use nearest Standard Line.Sta", true, true},
                     {"mnuCalcLine", "Use calculated Line.Sta", true, false},
                     {"mnuLastEvent", "Last Event Only", true, true},
                     {"mnuhtml", "Generate html", true, true},
                     {"mnuMulti", "Switch to CheckBox Mode", true, false},
                     {"mnuEditCfg", "Edit varnel.cfg", false, false},
                     {"mnuEventNumFile", "Q:\\0701\\Events\\EventNumber.txt", false, false},
                     {"mnuAllEvents2File", "Generate Entire Cruise Event File", false, false},
                     {"mnuPrintLog", "Print Log", false, false},
                     {"mnuCfg", "Config ", false, false},
                     {"MnuHelp", "File Settings", false, false},
                     {"mnuExit", "Exit", false, false}};
        for (const auto& m : menus) {
            QAction* a = main.Menu(m.name);
            QVERIFY2(a, m.name);
            QCOMPARE(a->text(), QString::fromLatin1(m.caption));
            QCOMPARE(a->isCheckable(), m.checkable);
            QCOMPARE(a->isChecked(), m.checked);
        }
        QCOMPARE(main.Menu("mnuNetwork")->shortcut(), QKeySequence(Qt::Key_F1));
        // Every item of the menu tree, and every caption over the boxes.
        for (const auto& e : station.Station().frmActivity.MenuTree()) {
            QAction* a = main.Menu(e.name);
            QVERIFY2(a, e.name);
            QCOMPARE(a->text(), QString::fromStdString(e.item->caption));
            if (a->isCheckable()) QCOMPARE(a->isChecked(), e.item->checked);
        }
        const char* captions[] = {"Cruise", "Date_UTC", "Time_UTC", "Lat",  "Lon", "Event #",
                                  "",       "Event",    "Initials", "Line", "Sta"};
        for (int i = 0; i < 11; ++i) {
            if (i == 6) continue;
            auto* l = qobject_cast<QLabel*>(main.Named(QStringLiteral("Label1(%1)").arg(i)));
            QVERIFY(l);
            QCOMPARE(l->text(), QString::fromLatin1(captions[i]));
        }
    }

    void anEventRecordedThroughTheWindowReachesTheFiles() {
        StartedStation started;
        auto& station = *started.views;
        const QTemporaryDir& dir = started.dir;
        auto& main = station.Main();
        qobject_cast<QPushButton*>(main.Named("Command1(0)"))->click();  // Start: a 3 s pause
        QCOMPARE(qobject_cast<QPushButton*>(main.Named("Command1(0)"))->text(), QStringLiteral("Record Event"));
        station.Act([&] { Timer1_Timer(station.Station()); });
        QTRY_COMPARE(qobject_cast<QLineEdit*>(main.Named("Text1(3)"))->text(), QStringLiteral("32.90000"));
        qobject_cast<QRadioButton*>(main.Named("Option1(1)"))->click();
        QCOMPARE(qobject_cast<QComboBox*>(main.Named("Combo1"))->currentText(), QStringLiteral("CTD DEPLOYED"));
        qobject_cast<QPushButton*>(main.Named("Command1(0)"))->click();  // Record Event
        QStringList local = ReadLines(dir.path() + "/C/VarnelGPS/0701JDEvents.csv");
        QCOMPARE(local.size(), 2);
        QVERIFY(local[1].startsWith("0701JD,42,93.3,26.7,93.6,27.0,"));
        QVERIFY(local[1].contains(",32.900000,-117.300000,CTD,CTD DEPLOYED,JD,05-Jul-2026,14:05:09,,1"));
        QStringList shared = ReadLines(dir.path() + "/Q/0701/Events/0701JDEvents.csv");
        QCOMPARE(shared.size(), 1);
        QVERIFY(shared[0].contains(",32.90000,-117.30000,CTD,CTD DEPLOYED,"));
        QCOMPARE(ReadLines(dir.path() + "/Q/0701/Events/EventNumber.txt"), QStringList{"42"});
        QCOMPARE(qobject_cast<QLineEdit*>(main.Named("Text1(5)"))->text(), QStringLiteral("43"));
    }

    void theConfigurationEditorRestartsOnWhatItSaved() {
        StartedStation started;
        auto& station = *started.views;
        const QTemporaryDir& dir = started.dir;
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
        const QStringList saved = ReadLines(dir.path() + "/C/VarnelGPS/VarnelGPS.cfg");
        QCOMPARE(saved.value(1), QStringLiteral("0802XY"));
        // The drop-down rows keep their values through the editor.
        QCOMPARE(saved.value(9), QStringLiteral("NETWORK"));
        QCOMPARE(saved.value(10), QStringLiteral("NETWORK"));
        QCOMPARE(saved.value(15), QStringLiteral("STANDARD"));
        QCOMPARE(saved.value(16), QStringLiteral("LASTEVENT"));
        QCOMPARE(saved.value(18), QStringLiteral("NUMERIC"));
        QCOMPARE(saved.value(19), QStringLiteral("SINGLE"));
        QCOMPARE(station.Main().windowTitle(), QStringLiteral("Ormanti 0802XY Cruise Electronic Event Log"));
        QVERIFY(!editor.isVisible());
    }

    void typingInTheCommentsGetsTheCleanUpWithoutTheCaretJumping() {
        StartedStation started;
        auto* box = qobject_cast<QPlainTextEdit*>(started.views->Main().Named("txtComments"));
        QVERIFY(box);
        box->setFocus();
        QTextCursor c = box->textCursor();
        c.setPosition(9);  // after "Comments:"
        box->setTextCursor(c);
        QTest::keyClicks(box, ";;x");
        QCOMPARE(box->toPlainText(), QStringLiteral("Comments:x "));
        QCOMPARE(box->textCursor().position(), 10);
        QCOMPARE(started.views->Station().frmActivity.txtComments.text, std::string("Comments:x "));
        c.movePosition(QTextCursor::End);
        box->setTextCursor(c);
        QTest::keyClicks(box, "a;;");
        QCOMPARE(box->toPlainText(), QStringLiteral("Comments:x a;"));
        QCOMPARE(box->textCursor().position(), 13);
    }

    // Last: ending the program ends the application's event loops.
    void exitAsksAndEndsTheProgram() {
        StartedStation started;
        auto& station = *started.views;
        QStringList& seen = started.seen;
        AnswerNextBox(QMessageBox::No, &seen);
        station.Main().Menu("mnuExit")->trigger();
        QVERIFY(!station.Station().ended);
        AnswerNextBox(QMessageBox::Yes, &seen);
        station.Main().Menu("mnuExit")->trigger();
        QVERIFY(station.Station().ended);
        QCOMPARE(seen.last(), QStringLiteral("Do you really want to quit? Y/N"));
    }
};

QTEST_MAIN(GuiTest)
#include "gui_test.moc"
