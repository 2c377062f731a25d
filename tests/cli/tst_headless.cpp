// The modes without the window against the panel simulator, beside the window's
// own commands: the same bytes on the wire, the same file, and the exit statuses.

#include "command_line.h"
#include "headless.h"
#include "config/panel_compare.h"
#include "files/panel_backup.h"
#include "files/qcf_file.h"
#include "form1_helpers.h"
#include "simulated_panel.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

class TestHeadless : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void commandLine();
    void writeSendsWhatTheWindowSends();
    void writeWithBackupReadsFirst();
    void readSavesWhatTheWindowSaves();
    void compareFindsOneChangedCell();
    void oneDamagedReply_data();
    void oneDamagedReply();
    void compareTexts();
    void failuresWriteNothing();
    void logThatCannotBeWritten();

private:
    int run(const QStringList &arguments, const QString &device);
    QString writeFile(const QString &name, const QByteArray &bytes);
    QByteArray readFile(const QString &name);

    QTemporaryDir dir;
    QString out, err;
};

static const QByteArray &kFile = kStandardFile;

int TestHeadless::run(const QStringList &arguments, const QString &device)
{
    QStringList all = QStringList{"switchpanel-config"} + arguments;
    if (!device.isEmpty())
        all << "--port" << device;
    out.clear();
    err.clear();
    QTextStream o(&out), e(&err);
    return headless::run(parseCommandLine(all), o, e);
}

QString TestHeadless::writeFile(const QString &name, const QByteArray &bytes)
{
    QFile f(dir.filePath(name));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write test file");
    return f.fileName();
}

QByteArray TestHeadless::readFile(const QString &name)
{
    QFile f(dir.filePath(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void TestHeadless::commandLine()
{
    auto mode = [](const QStringList &args) {
        return parseCommandLine(QStringList{"switchpanel-config"} + args).mode;
    };
    using M = CommandLine::Mode;
    QCOMPARE(mode({}), M::Window);
    QCOMPARE(mode({"a.qcf"}), M::Window);
    QCOMPARE(parseCommandLine({"switchpanel-config", "a.qcf"}).file, QStringLiteral("a.qcf"));
    QCOMPARE(mode({"--version"}), M::Version);
    QCOMPARE(mode({"--compare", "a.qcf", "--port", "/dev/ttyUSB0"}), M::Compare);
    const CommandLine bad = parseCommandLine({"switchpanel-config", "--bogus"});
    QCOMPARE(bad.mode, M::Error);
    QVERIFY(bad.message.contains("bogus"));
    QCOMPARE(mode({"a.qcf", "b.qcf"}), M::Error);
    QCOMPARE(mode({"--read-panel", "a.qcf", "b.qcf"}), M::Error);
    QCOMPARE(mode({"--read-panel", "a.qcf", "--write-panel", "b.qcf"}), M::Error);
    QCOMPARE(mode({"--read-panel", "a.qcf", "--backup"}), M::Error);
    QVERIFY(parseCommandLine({"switchpanel-config", "--write-panel", "a.qcf", "--backup"}).backup);
}

void TestHeadless::writeSendsWhatTheWindowSends()
{
    const QString file = writeFile("standard.qcf", kFile);
    QList<int> expectedCells(21, 160);
    expectedCells[0] = 23;
    expectedCells[20] = 151;

    QStringList window, batch;
    {
        SimulatedPanel sim(dir.path());
        Form1 w;
        w.setBackupBeforeWrite(false);
        w.findChild<QComboBox *>("Combo1")->setEditText(sim.start({}));
        QVERIFY(w.openFile(file));
        w.WRITE_CONFIG_Click();
        QVERIFY(commandEnded(w));
        window = sim.frames("RX");
        QCOMPARE(sim.cells(), expectedCells);
    }
    {
        SimulatedPanel sim(dir.path());
        QCOMPARE(run({"--write-panel", file, "--log", dir.filePath("traffic.log")}, sim.start({})),
                 headless::kDone);
        batch = sim.frames("RX");
        QCOMPARE(sim.cells(), expectedCells);
    }
    QCOMPARE(batch, window);
    QCOMPARE(batch.size(), 1 + 42);
    QVERIFY2(out.endsWith("SWITCH PANEL HAS BEEN PROGRAMMED\n"), qPrintable(out));
    QVERIFY2(out.contains(" 1  SW2           160 (N/A)    COMMUNICATIONS OK\n"), qPrintable(out));
    // The log has the port's open and close around every byte both ways.
    const QList<QByteArray> log = readFile("traffic.log").split('\n');
    QVERIFY2(log.value(0).contains(" PORT OPEN "), log.value(0).constData());
    QVERIFY(log.value(1).endsWith(" TX 41"));
    QVERIFY(log.value(2).endsWith(" RX 44 30 30 30 44"));
    QVERIFY(log.value(3).endsWith(" TX 53 00 00 00 17 44")); // SW1 on C/4 = 23
    QVERIFY(log.value(log.size() - 2).contains(" PORT CLOSE "));
    QCOMPARE(log.size(), 1 + 2 * (1 + 42) + 1 + 1); // the last line ends with a line feed
}

void TestHeadless::writeWithBackupReadsFirst()
{
    QDir(backup::folder()).removeRecursively();
    const QString file = writeFile("standard.qcf", kFile);
    const QByteArray cells = "23 0 160 45 99 160 12 102 7 160 31 62 160 88 110 5 160 140 77 3 159";
    SimulatedPanel sim(dir.path());
    QCOMPARE(run({"--write-panel", file, "--backup"}, sim.start({}, cells)), headless::kDone);
    // A whole read with its own handshake, then the designed write.
    const QStringList frames = sim.frames("RX");
    const qsizetype write =
        frames.lastIndexOf(QStringLiteral("41"), frames.indexOf(QRegularExpression("^53")));
    QVERIFY2(write > 2 * 21 && SimulatedPanel::readThenWrite(frames, write),
             qPrintable(frames.join(' ')));
    const QStringList kept = QDir(backup::folder()).entryList({"*before write*.qcf"});
    QCOMPARE(kept.size(), 1);
    const qcf::LoadedFile backup = qcf::loadFile(backup::folder() + "/" + kept[0]);
    QVERIFY(backup.config);
    QCOMPARE(backup.config->panel, QByteArray("BENCH"));
    QCOMPARE(backup.config->designations[0], QByteArray("HORN"));
    for (int n = 0; n < 21; ++n)
        QCOMPARE(int(backup.config->codes[n]), cells.split(' ')[n].toInt());
}

void TestHeadless::readSavesWhatTheWindowSaves()
{
    const QByteArray cells = "23 0 160 45 99 160 12 150 7 160 31 62 160 88 110 5 160 140 77 3 159";
    QByteArray saved;
    {
        SimulatedPanel sim(dir.path());
        Form1 w;
        w.findChild<QComboBox *>("Combo1")->setEditText(sim.start({}, cells));
        w.READ_CONFIG_Click();
        QVERIFY(commandEnded(w));
        textOf(w, 2)->setText("LONGPANELNAM");
        w.chooseFile = [&](const Form1::FileDialogRequest &) { return dir.filePath("w.qcf"); };
        w.WRITE_FILE_Click();
        saved = readFile("w.qcf");
    }
    SimulatedPanel sim(dir.path());
    QCOMPARE(run({"--read-panel", dir.filePath("LONGPANELNAME.qcf")}, sim.start({}, cells)),
             headless::kDone);
    QCOMPARE(readFile("LONGPANELNAME.qcf"), saved);
}

void TestHeadless::compareFindsOneChangedCell()
{
    const QString file = writeFile("standard.qcf", kFile);
    SimulatedPanel sim(dir.path());
    const QString device =
        sim.start({}, "23 160 160 160 160 160 160 160 160 160 160 160 160 160 160 160 160 160 "
                      "160 160 151");
    QCOMPARE(run({"--compare", file}, device), headless::kDone);
    QVERIFY(out.startsWith("THE PANEL HOLDS THE CONFIGURATION OF"));

    SimulatedPanel changed(dir.path());
    QCOMPARE(run({"--compare", file},
                 changed.start({}, "23 160 23 160 160 160 160 160 160 160 160 160 160 160 160 "
                                   "160 160 160 160 160 151")),
             headless::kDiffers);
    QCOMPARE(out, QStringLiteral("SW3: PANEL C 4, FILE N/A\n"));
}

// Any one read reply damaged on the line (a byte changed, added or dropped): the
// read ends with exactly the panel's values or fails; it never saves a value the
// panel does not hold.
void TestHeadless::oneDamagedReply_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("repeats");
    for (const char *kind : {"digit", "unit", "letter", "blank", "extra", "drop", "formfeed"})
        QTest::addRow("%s once", kind) << QString::fromLatin1(kind) << false;
    for (const char *kind : {"unit", "letter", "blank", "extra", "drop", "formfeed"})
        QTest::addRow("%s repeated", kind) << QString::fromLatin1(kind) << true;
}

void TestHeadless::oneDamagedReply()
{
    QFETCH(QString, kind);
    QFETCH(bool, repeats);
    const QByteArray cells = "23 0 160 45 99 160 12 102 7 160 31 62 160 88 110 5 160 140 77 3 159";
    const QString target = dir.filePath(QStringLiteral("read-%1.qcf").arg(QTest::currentDataTag()));
    SimulatedPanel sim(dir.path());
    const QString device = sim.start(
        {repeats ? "--damage-always" : "--damage-once", "7", "--damage-kind", kind}, cells);
    const int status = run({"--read-panel", target}, device);
    if (repeats) {
        QCOMPARE(status, headless::kPanelFailed);
        QVERIFY2(out.contains(" 7  SW8           -            COMMUNICATIONS CORRUPTED\n"),
                 qPrintable(out));
        QVERIFY(!QFileInfo::exists(target));
        return;
    }
    QCOMPARE(status, headless::kDone);
    QByteArray expected = "\"" + QFileInfo(target).completeBaseName().left(12).toLatin1() + "\"";
    const QList<QByteArray> values = cells.split(' ');
    for (int i = 0; i < 20; ++i)
        expected += ",\"\"," + values[i];
    QCOMPARE(readFile(QFileInfo(target).fileName()), expected + "," + values[20] + "\r\n");
    // The damaged cell took a third read frame (a busy machine may add more).
    QVERIFY(sim.frames("RX").size() >= 1 + 2 * 21 + 1);
}

// What the window's compare and --compare both say.
void TestHeadless::compareTexts()
{
    using namespace panelcompare;
    assignment::Codes ours, panel;
    ours.fill(160);
    panel.fill(160);
    ours[1] = 200; // no assignment either
    QVERIFY(differences(ours, panel).isEmpty());
    QCOMPARE(statusText({}), QStringLiteral("PANEL HOLDS THIS CONFIGURATION"));

    ours[2] = 160, panel[2] = 23; // SW3
    ours[14] = 0, panel[14] = 1;  // LED5: A 1 against A 2
    ours[20] = -1;                // the backlighting without a channel
    QList<Difference> found = differences(ours, panel);
    QCOMPARE(found.size(), 3);
    QCOMPARE(statusText(found),
             QStringLiteral("PANEL DIFFERS IN 3 ITEMS: SW3, LED5, BACKLIGHTING"));
    QCOMPARE(fileLine(found[0]), QStringLiteral("SW3: PANEL C 4, FILE N/A"));
    QCOMPARE(panelHoldsText(found[1].panel), QStringLiteral("PANEL HOLDS A 2"));
    QCOMPARE(panelHoldsText(found[2].panel), QStringLiteral("PANEL HOLDS N/A"));
    QCOMPARE(statusText(found.first(1)), QStringLiteral("PANEL DIFFERS IN 1 ITEM: SW3"));

    ours.fill(-1); // six items are named, then "…"
    QCOMPARE(statusText(differences(ours, panel)),
             QStringLiteral("PANEL DIFFERS IN 21 ITEMS: SW1, SW2, SW3, SW4, SW5, SW6, \u2026"));
    ours.fill(160);
    for (int i = 10; i < 16; ++i)
        ours[i] = 0;
    QCOMPARE(statusText(differences(ours, panel)),
             QStringLiteral("PANEL DIFFERS IN 7 ITEMS: SW3, LED1, LED2, LED3, LED4, LED5, \u2026"));
}

void TestHeadless::failuresWriteNothing()
{
    // A silent panel: status 1, and the file that was there stays as it was.
    const QString kept = writeFile("kept.qcf", kFile);
    {
        SimulatedPanel sim(dir.path());
        QCOMPARE(run({"--read-panel", kept}, sim.start({"--silent"})), headless::kPanelFailed);
        QCOMPARE(readFile("kept.qcf"), kFile);
        QVERIFY(out.endsWith("COMMUNICATIONS FAILURE SWITCH PANEL FAILED TO RESPOND\n"));
    }
    // A pipe is not replaced by a file.
    const QString fifo = dir.filePath("pipe.qcf");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    {
        SimulatedPanel sim(dir.path());
        QCOMPARE(run({"--read-panel", fifo}, sim.start({})), headless::kUnusable);
        QVERIFY2(err.contains("NOT A CONFIGURATION FILE"), qPrintable(err));
        QVERIFY(!QFileInfo(fifo).isFile());
        QVERIFY(sim.frames("RX").isEmpty()); // refused before the panel is read
    }
    // An item without a channel: status 2 before a byte is sent.
    QByteArray incomplete = kFile;
    incomplete.replace(",23,", ",-1,");
    const QString file = writeFile("incomplete.qcf", incomplete);
    for (const char *mode : {"--write-panel", "--compare"}) {
        SimulatedPanel sim(dir.path());
        QCOMPARE(run({mode, file}, sim.start({})), headless::kUnusable);
        QVERIFY2(err.contains("SW1 HAS NO CHANNEL"), qPrintable(err));
        QVERIFY(sim.frames("RX").isEmpty());
    }
}

// A traffic log that fills up is reported once; the command goes on and ends as
// it would.
void TestHeadless::logThatCannotBeWritten()
{
    SimulatedPanel sim(dir.path());
    const QString device = sim.start({});
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 1000; // a few lines of log; the configuration file fits
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const int status =
        run({"--read-panel", dir.filePath("full.qcf"), "--log", dir.filePath("full.log")}, device);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    QCOMPARE(status, headless::kDone);
    QVERIFY(out.endsWith("SWITCH PANEL DATA READ SUCCESSFUL\n"));
    QCOMPARE(err.count("COULD NOT BE WRITTEN"), 1);
    QVERIFY2(err.contains("full.log"), qPrintable(err));
}

QTEST_MAIN(TestHeadless)
#include "tst_headless.moc"
