// The panel commands end to end: the real window against the panel simulator on a
// pseudo-terminal. Timing is checked loosely (order and counts).

#include "form1_helpers.h"
#include "item_marks.h"
#include "panel/panel_link.h"
#include "panel/port_choice.h"
#include "panel/port_platform.h"
#include "panel/protocol.h"
#include "simulated_panel.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>

class TestPanel : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup();

    void writeAllNotAssigned();
    void writeSendsExactFrames();
    void writeIncompleteSwitchSendsNothing();
    void silentPanel();
    void readbackMismatchStopsWrite();
    void faultyRepliesFailTheWrite_data();
    void faultyRepliesFailTheWrite();
    void splitAcknowledgementIsAccepted();
    void noisyLine_data();
    void noisyLine();
    void fullRead();
    void readStopsWhenPanelFallsSilent();
    void readOutOfRangeIsNotShown();
    void portThatCannotBeOpened();
    void startingPortAroundFirstFrame();
    void deviceVanishingDuringTransfer();
    void commandsLockedWhileRunning();
    void focusStaysOnTheButtonPressed();
    void closingWindowStopsTransfer();
    void compareMarksExactlyTheItemsThatDiffer();
    void compareWithEqualPanelEndsGreen();
    void failedCompareMarksNothing();

private:
    QString startSim(const QStringList &args, const QByteArray &cells = {});
    QStringList logFrames(const QString &direction) { return sim->frames(direction); }
    QList<int> dumpedCells() { return sim->cells(); }
    QString status() { return w->findChild<QTextEdit *>("Text1")->toPlainText(); }
    QColor statusColor()
    {
        return w->findChild<QTextEdit *>("Text1")->palette().color(QPalette::Base);
    }
    void expectEndState(const QString &text, const QColor &color);
    QByteArray savedFile(); // what the save command writes now
    QStringList shownState();
    QList<int> marked() { return w->itemMarks().marked(kPanelDiffers.id); }

    Form1 *w = nullptr;
    QTemporaryDir *dir = nullptr;
    SimulatedPanel *sim = nullptr;
};

static const QColor kRed(255, 0, 0), kGreen(0, 255, 0);

void TestPanel::init()
{
    dir = new QTemporaryDir;
    w = new Form1;
    discardUnsavedEdits(*w);
    w->setBackupBeforeWrite(false); // the designed write; backups are tested on their own
    w->show();
}

void TestPanel::cleanup()
{
    delete w;
    delete sim;
    sim = nullptr;
    delete dir;
}

QString TestPanel::startSim(const QStringList &args, const QByteArray &cells)
{
    sim = new SimulatedPanel(dir->path());
    const QString device = sim->start(args, cells);
    // Typed into the SERIAL PORT drop-down, as for a port the system does not list.
    w->findChild<QComboBox *>("Combo1")->setEditText(device);
    return device;
}

void TestPanel::expectEndState(const QString &text, const QColor &color)
{
    QVERIFY(commandEnded(*w));
    QCOMPARE(status(), text);
    QCOMPARE(statusColor(), color);
    QVERIFY(!w->link().isOpen());
    QVERIFY(!w->isBusy());
    for (QPushButton *b : w->findChildren<QPushButton *>())
        QVERIFY(b->isEnabled());
}

void TestPanel::writeAllNotAssigned()
{
    // Through a link, as /dev/serial/by-id names an adapter.
    const QString link = dir->filePath(QStringLiteral("panel-port"));
    QVERIFY(!startSim({QStringLiteral("--link"), link},
                      "0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20")
                 .isEmpty());
    w->findChild<QComboBox *>("Combo1")->setEditText(link);
    for (int i = 0; i < 21; ++i)
        choose(*w, i, 0);
    w->WRITE_CONFIG_Click();
    expectEndState(QStringLiteral("SWITCH PANEL HAS BEEN PROGRAMMED"), kGreen);
    QCOMPARE(dumpedCells(), QList<int>(21, 160));
    // The port of a successful handshake is where the next run starts; the
    // simulator's own pseudo-terminal is never remembered.
    QCOMPARE(Form1().selectedPort(), link);
}

void TestPanel::writeSendsExactFrames()
{
    startSim({});
    chooseAll(*w);
    choose(*w, 5, 3, 3); // SW6 on C/4 = 23 at address 5
    w->WRITE_CONFIG_Click();
    expectEndState(QStringLiteral("SWITCH PANEL HAS BEEN PROGRAMMED"), kGreen);
    QStringList expected = {QStringLiteral("41")};
    QList<int> cells;
    for (int n = 0; n < 21; ++n) {
        const int value = n == 5 ? 23 : expectedCodeOfChooseAll(n);
        cells << value;
        expected << QString::fromLatin1(protocol::writeFrame(n, value).toHex())
                 << QString::fromLatin1(protocol::readFrame(n).toHex());
    }
    QCOMPARE(logFrames(QStringLiteral("RX")), expected);
    QCOMPARE(expected[11], QStringLiteral("530005001744"));
    QCOMPARE(expected[12], QStringLiteral("560005303056"));
    QCOMPARE(dumpedCells(), cells);
}

void TestPanel::writeIncompleteSwitchSendsNothing()
{
    startSim({});
    chooseAll(*w);
    setSelectedIndex(listOf(*w, 8), -1); // SW4 module without channel
    w->WRITE_CONFIG_Click();
    expectEndState(
        QStringLiteral("DATA MUST BE ENTERED (CLICKED) FOR ALL SWITCHES BEFORE WRITING DATA"),
        kRed);
    QVERIFY(logFrames(QStringLiteral("RX")).isEmpty());

    chooseAll(*w);
    setSelectedIndex(listOf(*w, 41), -1);
    w->WRITE_CONFIG_Click();
    expectEndState(QStringLiteral("DATA MUST BE ENTERED (CLICKED) FOR ALL LED'S AND BACKLIGHTING "
                                  "BEFORE WRITING DATA"),
                   kRed);
    QVERIFY(logFrames(QStringLiteral("RX")).isEmpty());
}

void TestPanel::silentPanel()
{
    startSim({QStringLiteral("--silent")});
    chooseAll(*w);
    QElapsedTimer t;
    t.start();
    w->WRITE_CONFIG_Click();
    QVERIFY(commandEnded(*w));
    const qint64 elapsed = t.elapsed();
    expectEndState(QStringLiteral("COMMUNICATIONS FAILURE SWITCH PANEL FAILED TO RESPOND"), kRed);
    QCOMPARE(logFrames(QStringLiteral("RX")), QStringList(6, QStringLiteral("41")));
    QVERIFY2(elapsed >= 450, qPrintable(QString::number(elapsed))); // six waits of ~100 ms

    w->READ_CONFIG_Click();
    expectEndState(QStringLiteral("COMMUNICATIONS FAILURE SWITCH PANEL FAILED TO RESPOND"), kRed);
    QVERIFY(textOf(*w, 2)->text().isEmpty());
    QCOMPARE(selectedIndex(listOf(*w, 1)), 1); // lists unchanged
}

void TestPanel::readbackMismatchStopsWrite()
{
    startSim({QStringLiteral("--readback-mismatch"), QStringLiteral("12")});
    chooseAll(*w);
    w->WRITE_CONFIG_Click();
    expectEndState(QStringLiteral("COMMUNICATIONS FAILURE-BAD SWITCH PANEL DATA"), kRed);
    const QList<int> cells = dumpedCells();
    QCOMPARE(cells.size(), 21);
    for (int n = 0; n <= 12; ++n)
        QCOMPARE(cells[n], expectedCodeOfChooseAll(n));
    for (int n = 13; n < 21; ++n)
        QCOMPARE(cells[n], 160);
    const QStringList frames = logFrames(QStringLiteral("RX"));
    QCOMPARE(frames.size(), 1 + 2 * 13);
    QCOMPARE(frames.last(), QStringLiteral("56000c303056"));
}

void TestPanel::faultyRepliesFailTheWrite_data()
{
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<int>("framesSent");
    QTest::newRow("short read-back") << QStringList{"--short-reply", "2"} << 1 + 2 * 3;
    QTest::newRow("late acknowledgement")
        << QStringList{"--late-reply", "4", "--late-ms", "250"} << 1 + 2 * 4 + 1;
    QTest::newRow("no answer from 7 on") << QStringList{"--mute-from", "7"} << 1 + 2 * 7 + 1;
}

void TestPanel::faultyRepliesFailTheWrite()
{
    QFETCH(QStringList, faults);
    startSim(faults);
    chooseAll(*w);
    w->WRITE_CONFIG_Click();
    expectEndState(QStringLiteral("COMMUNICATIONS FAILURE-BAD SWITCH PANEL DATA"), kRed);
    QTEST(int(logFrames(QStringLiteral("RX")).size()), "framesSent");
}

void TestPanel::splitAcknowledgementIsAccepted()
{
    startSim({QStringLiteral("--split-ack")});
    chooseAll(*w);
    w->WRITE_CONFIG_Click();
    expectEndState(QStringLiteral("SWITCH PANEL HAS BEEN PROGRAMMED"), kGreen);

    // Two acknowledgements read together are not one.
    cleanup();
    init();
    startSim({QStringLiteral("--double-ack")});
    chooseAll(*w);
    w->WRITE_CONFIG_Click();
    expectEndState(QStringLiteral("COMMUNICATIONS FAILURE SWITCH PANEL FAILED TO RESPOND"), kRed);
}

// On a noisy line a command ends green with exactly the panel's values, or red.
void TestPanel::noisyLine_data()
{
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<bool>("write");
    QTest::addColumn<bool>("succeeds");
    // SW1 is on A/1, code 0, which noise used to decode to.
    QTest::newRow("noise read-back") << QStringList{"--noise-reply", "0"} << true << false;
    QTest::newRow("noise read") << QStringList{"--noise-reply", "0"} << false << false;
    QTest::newRow("stray after read-back") << QStringList{"--stray-after", "3"} << true << true;
    QTest::newRow("stray after read") << QStringList{"--stray-after", "3"} << false << true;
    QTest::newRow("late attention answer")
        << QStringList{"--late-attention", "150"} << true << true;
    // A read reply damaged once is outvoted by the two after it; a damage that
    // repeats is never shown; the read-back of a write is not read again.
    QTest::newRow("wrong value once in read") << QStringList{"--damage-once", "0"} << false << true;
    QTest::newRow("damage repeated in read")
        << QStringList{"--damage-always", "0", "--damage-kind", "blank"} << false << false;
    QTest::newRow("wrong value once in read-back")
        << QStringList{"--damage-once", "0"} << true << false;
}

void TestPanel::noisyLine()
{
    QFETCH(QStringList, faults);
    QFETCH(bool, write);
    QFETCH(bool, succeeds);
    QByteArray cells;
    for (int n = 0; n < 21; ++n)
        cells += QByteArray::number(expectedCodeOfChooseAll(n)) + ' ';
    startSim(faults, write ? QByteArray() : cells);
    if (write) {
        chooseAll(*w);
        w->WRITE_CONFIG_Click();
        QVERIFY(commandEnded(*w));
    } else {
        for (int i = 0; i < 21; ++i)
            choose(*w, i, 16, 9);
        w->READ_CONFIG_Click();
        QVERIFY(commandEnded(*w));
    }
    if (!succeeds) {
        expectEndState(QStringLiteral("COMMUNICATIONS FAILURE-BAD SWITCH PANEL DATA"), kRed);
        QCOMPARE(selectedIndex(listOf(*w, 1)), write ? 1 : 16); // noise is not shown as A
        return;
    }
    expectEndState(write ? QStringLiteral("SWITCH PANEL HAS BEEN PROGRAMMED")
                         : QStringLiteral("SWITCH PANEL DATA READ SUCCESSFUL"),
                   kGreen);
    for (int i = 0; i < 21; ++i) {
        QCOMPARE(dumpedCells().value(i), expectedCodeOfChooseAll(i));
        QCOMPARE(w->record().items[i].code, expectedCodeOfChooseAll(i));
    }
}

void TestPanel::fullRead()
{
    QByteArray cells = "23 0";
    for (int n = 2; n < 21; ++n)
        cells += " 160";
    startSim({}, cells);
    textOf(*w, 2)->setText(QStringLiteral("OLD"));
    w->findChild<QRadioButton *>("Option2")->click();
    w->READ_CONFIG_Click();
    expectEndState(QStringLiteral("SWITCH PANEL DATA READ SUCCESSFUL"), kGreen);
    QCOMPARE(selectedIndex(listOf(*w, 1)), 3); // C
    QCOMPARE(selectedIndex(listOf(*w, 2)), 3); // 4
    QCOMPARE(selectedIndex(listOf(*w, 3)), 1); // A
    QCOMPARE(selectedIndex(listOf(*w, 4)), 0); // 1
    for (int n = 5; n <= 41; n += 2)
        QCOMPARE(selectedIndex(listOf(*w, n)), 0); // N/A
    QVERIFY(textOf(*w, 2)->text().isEmpty());
    QVERIFY(w->findChild<QRadioButton *>("Option1")->isChecked());
    for (int n = 3; n <= 22; ++n) {
        QVERIFY(textOf(*w, n)->isHidden());
        QVERIFY(textOf(*w, n)->text().isEmpty());
    }
    QCOMPARE(w->record().sw(1).code, 23);
    // Choosing a channel for SW4 shows its box alone; the lighting view shows all LED
    // boxes, and back in the switch view all switch boxes are shown again.
    choose(*w, 3, 2, 1);
    QVERIFY(!textOf(*w, 6)->isHidden());
    QVERIFY(textOf(*w, 5)->isHidden());
    w->findChild<QRadioButton *>("Option2")->click();
    w->findChild<QRadioButton *>("Option1")->click();
    for (int n = 3; n <= 12; ++n)
        QVERIFY(!textOf(*w, n)->isHidden());
}

void TestPanel::readStopsWhenPanelFallsSilent()
{
    startSim({QStringLiteral("--mute-from"), QStringLiteral("7")},
             "0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20");
    for (int n = 3; n <= 12; ++n)
        textOf(*w, n)->setText(QStringLiteral("KEEP"));
    for (int i = 0; i < 21; ++i)
        choose(*w, i, 16, 9);
    w->READ_CONFIG_Click();
    expectEndState(QStringLiteral("COMMUNICATIONS FAILURE-BAD SWITCH PANEL DATA"), kRed);
    for (int i = 0; i < 7; ++i) {
        QCOMPARE(selectedIndex(listOf(*w, 2 * i + 1)), 1);
        QCOMPARE(selectedIndex(listOf(*w, 2 * i + 2)), i);
    }
    for (int i = 7; i < 21; ++i)
        QCOMPARE(selectedIndex(listOf(*w, 2 * i + 1)), 16); // SW8 (failed) onward unchanged
    for (int n = 3; n <= 10; ++n)
        QVERIFY(textOf(*w, n)->text().isEmpty()); // SW1..SW8 emptied
    QCOMPARE(textOf(*w, 11)->text(), QStringLiteral("KEEP"));
    QCOMPARE(textOf(*w, 12)->text(), QStringLiteral("KEEP"));
}

void TestPanel::readOutOfRangeIsNotShown()
{
    startSim({QStringLiteral("--out-of-range"), QStringLiteral("3")});
    chooseAll(*w);
    w->READ_CONFIG_Click();
    expectEndState(QStringLiteral("COMMUNICATIONS FAILURE-BAD SWITCH PANEL DATA"), kRed);
    QCOMPARE(selectedIndex(listOf(*w, 5)), 0);          // SW3 read as 160
    QCOMPARE(selectedIndex(listOf(*w, 7)), 1 + 3 % 16); // SW4 keeps its selection
    QCOMPARE(selectedIndex(listOf(*w, 8)), 3 % 10);
}

void TestPanel::portThatCannotBeOpened()
{
    w->findChild<QComboBox *>("Combo1")->setEditText(dir->filePath(QStringLiteral("no-such-port")));
    chooseAll(*w);
    w->WRITE_CONFIG_Click();
    QVERIFY(commandEnded(*w));
    QVERIFY2(status().startsWith(QStringLiteral("CANNOT OPEN SERIAL PORT ") +
                                 dir->filePath(QStringLiteral("no-such-port"))),
             qPrintable(status()));
    expectEndState(status(), kRed);
    w->READ_CONFIG_Click();
    QVERIFY(commandEnded(*w));
    QVERIFY(status().startsWith(QStringLiteral("CANNOT OPEN SERIAL PORT")));
    expectEndState(status(), kRed);

    // Texts for ports that exist but cannot be had.
    QVERIFY(portfailure::english(portplatform::openFailure(QStringLiteral("/dev/null"),
                                                           QSerialPort::PermissionError, {}))
                .endsWith(QStringLiteral("IN USE BY ANOTHER PROGRAM")));
    QCOMPARE(portfailure::english(portplatform::openFailure(QStringLiteral("COM9"),
                                                            QSerialPort::DeviceNotFoundError, {})),
             QStringLiteral("CANNOT OPEN SERIAL PORT COM9 - NO SUCH DEVICE"));
}

void TestPanel::startingPortAroundFirstFrame()
{
    // The remembered port while it exists (here a file, which no command can open)
    // is where a window starts, whether a command comes before the drop-down is
    // filled after the first frame or not; a port set before that keeps its place.
    const QString remembered = dir->filePath(QStringLiteral("remembered-port"));
    QVERIFY(QFile(remembered).open(QIODevice::WriteOnly));
    portchoice::rememberPort(remembered);
    auto combo = [](Form1 &f) { return f.findChild<QComboBox *>("Combo1"); };

    Form1 early; // never shown: the command reads the ports itself
    early.READ_CONFIG_Click();
    QVERIFY(commandEnded(early));
    const QString text = early.findChild<QTextEdit *>("Text1")->toPlainText();
    QVERIFY2(text.startsWith(QStringLiteral("CANNOT OPEN SERIAL PORT ") + remembered),
             qPrintable(text));
    QCOMPARE(combo(early)->currentText(), remembered);

    Form1 shown;
    shown.show();
    QTRY_COMPARE(combo(shown)->currentText(), remembered);

    Form1 typed;
    typed.show();
    combo(typed)->setEditText(QStringLiteral("/dev/ttyS9"));
    QTRY_VERIFY(!typed.windowIcon().isNull()); // the work after the first frame is done
    QCOMPARE(typed.selectedPort(), QStringLiteral("/dev/ttyS9"));
}

void TestPanel::deviceVanishingDuringTransfer()
{
    startSim({QStringLiteral("--hangup-at"), QStringLiteral("5")});
    chooseAll(*w);
    QElapsedTimer t;
    t.start();
    const QString device = w->findChild<QComboBox *>("Combo1")->currentText();
    w->WRITE_CONFIG_Click();
    QVERIFY(commandEnded(*w));
    // Which port was lost, and how far the write came.
    expectEndState(QStringLiteral("COMMUNICATIONS FAILURE-BAD SWITCH PANEL DATA - SERIAL PORT %1 "
                                  "LOST - 5 OF 21 CELLS WRITTEN")
                       .arg(device),
                   kRed);
    QVERIFY2(t.elapsed() < 5000, qPrintable(QString::number(t.elapsed())));
    // The next command reports the missing device and does not hang either.
    w->READ_CONFIG_Click();
    QVERIFY(commandEnded(*w));
    QCOMPARE(statusColor(), kRed);
    QVERIFY(!w->link().isOpen());
}

void TestPanel::commandsLockedWhileRunning()
{
    startSim({});
    chooseAll(*w);
    bool disabledDuring = false, busyDuring = false, portDisabledDuring = false;
    int framesBefore = -1;
    QTimer::singleShot(400, this, [&] {
        busyDuring = w->isBusy();
        disabledDuring = !w->findChild<QPushButton *>("READ_CONFIG")->isEnabled();
        portDisabledDuring = !w->findChild<QComboBox *>("Combo1")->isEnabled();
        framesBefore = logFrames(QStringLiteral("RX")).size();
        w->READ_CONFIG_Click(); // a nested command must not start
        // The lists stay usable during the transfer.
        choose(*w, 0, 0);
    });
    w->WRITE_CONFIG_Click();
    QVERIFY(commandEnded(*w));
    QVERIFY(busyDuring);
    QVERIFY(disabledDuring);
    QVERIFY(portDisabledDuring);
    QVERIFY(w->findChild<QComboBox *>("Combo1")->isEnabled());
    expectEndState(QStringLiteral("SWITCH PANEL HAS BEEN PROGRAMMED"), kGreen);
    QCOMPARE(logFrames(QStringLiteral("RX")).size(), 1 + 42);
    QCOMPARE(w->record().sw(1).code, 160);                        // live code followed the click
    QCOMPARE(dumpedCells().value(0), expectedCodeOfChooseAll(0)); // output was collected before
}

void TestPanel::focusStaysOnTheButtonPressed()
{
    startSim({});
    chooseAll(*w);
    auto *button = w->findChild<QPushButton *>("READ_CONFIG");
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space); // runs the whole read
    expectEndState(QStringLiteral("SWITCH PANEL DATA READ SUCCESSFUL"), kGreen);
    QCOMPARE(QApplication::focusWidget(), button);
    const int before = selectedIndex(listOf(*w, 2));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(selectedIndex(listOf(*w, 2)), before);
}

void TestPanel::closingWindowStopsTransfer()
{
    startSim({});
    chooseAll(*w);
    QTimer::singleShot(500, w, [&] { w->close(); });
    QElapsedTimer t;
    t.start();
    w->WRITE_CONFIG_Click();
    QVERIFY(commandEnded(*w));
    // Sooner than the pauses of a whole write, and with frames left unsent.
    QVERIFY2(t.elapsed() < 2200, qPrintable(QString::number(t.elapsed())));
    QVERIFY(!w->link().isOpen());
    QVERIFY(!w->isBusy());
    QVERIFY(logFrames(QStringLiteral("RX")).size() < 1 + 42);
}

QByteArray TestPanel::savedFile()
{
    const QString path = dir->filePath(QStringLiteral("saved.qcf"));
    QFile::remove(path);
    w->chooseFile = [&](const Form1::FileDialogRequest &) { return path; };
    w->WRITE_FILE_Click();
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The selections and texts of every list and box.
QStringList TestPanel::shownState()
{
    QStringList state;
    for (int n = 1; n <= 42; ++n)
        state << QString::number(selectedIndex(listOf(*w, n)));
    for (int n = 2; n <= 22; ++n)
        state << textOf(*w, n)->text();
    return state;
}

// The panel holds SW3 unassigned and LED5 on C/4; the window the codes of
// chooseAll. Only those two items are marked, in their views, and nothing of the
// window's configuration changes; the next change takes the marks away.
void TestPanel::compareMarksExactlyTheItemsThatDiffer()
{
    chooseAll(*w);
    textOf(*w, 2)->setText(QStringLiteral("DESK"));
    textOf(*w, 5)->setText(QStringLiteral("LIGHTS"));
    QByteArray cells;
    for (int n = 0; n < 21; ++n)
        cells += QByteArray::number(n == 2 ? 160 : n == 14 ? 23 : expectedCodeOfChooseAll(n)) + ' ';
    startSim({}, cells);
    const QByteArray before = savedFile();
    const QStringList state = shownState();
    const QString sw1Tip = listOf(*w, 1)->toolTip();

    w->comparePanel();
    expectEndState(QStringLiteral("PANEL DIFFERS IN 2 ITEMS: SW3, LED5"), kRed);
    QCOMPARE(marked(), (QList<int>{2, 14}));
    QCOMPARE(listOf(*w, 5)->toolTip(), QStringLiteral("SW3 MODULE ASSIGNMENT, PANEL HOLDS N/A"));
    QCOMPARE(listOf(*w, 30)->accessibleDescription(),
             QStringLiteral("LED5 CHANNEL ASSIGNMENT, PANEL HOLDS C 4"));
    QCOMPARE(listOf(*w, 1)->toolTip(), sw1Tip);
    // The read as READ_CONFIG reads: the handshake and two read frames a cell.
    const QStringList frames = logFrames(QStringLiteral("RX"));
    for (const QString &frame : frames) // reads only, each cell at least twice to confirm it
        QVERIFY(frame == "41" || frame.startsWith("56"));
    QVERIFY(frames.size() >= 1 + 2 * 21);
    QCOMPARE(frames.last(), QString::fromLatin1(protocol::readFrame(20).toHex()));

    // The outline goes around SW3's place in the switch view, LED5's in the other.
    auto ring = [&](int i) { return w->findChild<MarkRing *>(QStringLiteral("Mark%1").arg(i)); };
    QVERIFY(ring(2)->isVisible() && !ring(14)->isVisible());
    for (int n : {5, 6})
        QVERIFY(ring(2)->geometry().contains(listOf(*w, n)->geometry()));
    QVERIFY(ring(2)->geometry().contains(textOf(*w, 5)->geometry()));
    QVERIFY(!ring(2)->geometry().intersects(listOf(*w, 7)->geometry())); // SW4 beside it
    w->findChild<QRadioButton *>("Option2")->click();
    QVERIFY(!ring(2)->isVisible() && ring(14)->isVisible());
    QCOMPARE(ring(14)->colours(), QList<QColor>{kPanelDiffers.colour});
    w->findChild<QRadioButton *>("Option1")->click();

    QCOMPARE(shownState(), state);
    QCOMPARE(savedFile(), before);
    QCOMPARE(marked(), (QList<int>{2, 14})); // a save changes nothing
    QCOMPARE(w->configurationFile(), dir->filePath(QStringLiteral("saved.qcf")));

    clickEntry(listOf(*w, 1), 2);
    QVERIFY(marked().isEmpty());
    QVERIFY(!ring(2)->isVisible());
    QCOMPARE(listOf(*w, 5)->toolTip(), QStringLiteral("SW3 MODULE ASSIGNMENT"));
    QVERIFY(w->configurationFile().isEmpty());
}

// Equal codes end green; an item without a complete assignment differs from any
// panel; a read takes the marks away, as does an open.
void TestPanel::compareWithEqualPanelEndsGreen()
{
    QByteArray cells;
    for (int n = 0; n < 21; ++n)
        cells += QByteArray::number(expectedCodeOfChooseAll(n)) + ' ';
    startSim({}, cells);
    chooseAll(*w);
    w->comparePanel();
    expectEndState(QStringLiteral("PANEL HOLDS THIS CONFIGURATION"), kGreen);
    QVERIFY(marked().isEmpty());

    setSelectedIndex(listOf(*w, 42), -1); // the backlighting without a channel
    w->comparePanel();
    expectEndState(QStringLiteral("PANEL DIFFERS IN 1 ITEM: BACKLIGHTING"), kRed);
    QCOMPARE(marked(), QList<int>{20});
    QCOMPARE(listOf(*w, 41)->toolTip(),
             QStringLiteral("BACKLIGHTING MODULE ASSIGNMENT, PANEL HOLDS E 1"));

    w->READ_CONFIG_Click();
    expectEndState(QStringLiteral("SWITCH PANEL DATA READ SUCCESSFUL"), kGreen);
    QVERIFY(marked().isEmpty());
}

void TestPanel::failedCompareMarksNothing()
{
    startSim({QStringLiteral("--mute-from"), QStringLiteral("7")});
    chooseAll(*w); // differs from the panel's 160 everywhere
    textOf(*w, 2)->setText(QStringLiteral("KEEP"));
    const QStringList state = shownState();
    w->comparePanel();
    expectEndState(QStringLiteral("COMMUNICATIONS FAILURE-BAD SWITCH PANEL DATA"), kRed);
    QVERIFY(marked().isEmpty());
    QCOMPARE(shownState(), state);
}

QTEST_MAIN(TestPanel)
#include "tst_panel.moc"
