// The programming station against the panel simulator, with panels connected and
// disconnected on a schedule: on the command line (in this process, and as the
// real program for its signals), in the window's dialog, and its report file.
// Timing margins are wide: each phase of a schedule is several times what the
// station needs, so a loaded machine only makes the suite slower.

#include "command_line.h"
#include "headless.h"
#include "panel/station.h"
#include "panel/station_gang.h"
#include "panel/station_report.h"
#include "simulated_panel.h"
#include "station_dialog.h"

#include <QAccessible>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <csignal>
#include <sys/resource.h>

class TestStation : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void commandLine();
    void reportRows();
    void reportRowIsWholeOrNotThere();
    void threePanelsInARow();
    void lateAdapterAndHalfWayFailure();
    void panelLeftConnectedThenCtrlC();
    void stopSignalDuringWriteFinishesPanel();
    void dialogProgramsAndReports();
    void closingDialogMidWriteFinishesPanel();
    void threePortsAtOnceOneFailing();
    void ctrlCWhileTwoPortsWrite();
    void dialogOnTwoPorts();
    void dialogDestroyedMidWriteKeepsRow();

private:
    QString folder(const QString &name);
    QString writeConfig();
    int run(const QStringList &arguments);
    static QList<QStringList> reportRowsOf(const QString &path);
    static QStringList logLines(const QString &folder);

    QTemporaryDir dir;
    QString out, err;
};

static const QByteArray &kFile = kStandardFile;
static const QString kCells =
    "23 160 160 160 160 160 160 160 160 160 160 160 160 160 160 160 160 160 160 160 151";

static QByteArray expectedSha()
{
    QByteArray cells(21, char(160));
    cells[0] = 23;
    cells[20] = char(151);
    return QCryptographicHash::hash(cells, QCryptographicHash::Sha256).toHex();
}

QString TestStation::folder(const QString &name)
{
    QDir(dir.path()).mkpath(name);
    return dir.filePath(name);
}

QString TestStation::writeConfig()
{
    QFile f(dir.filePath("standard.qcf"));
    if (!f.open(QIODevice::WriteOnly) || f.write(kFile) != kFile.size())
        qFatal("cannot write test file");
    return f.fileName();
}

int TestStation::run(const QStringList &arguments)
{
    out.clear();
    err.clear();
    QTextStream o(&out), e(&err);
    return headless::run(parseCommandLine(QStringList{"switchpanel-config"} + arguments), o, e);
}

QList<QStringList> TestStation::reportRowsOf(const QString &path)
{
    QFile f(path);
    QList<QStringList> rows;
    if (f.open(QIODevice::ReadOnly))
        for (const QByteArray &line : f.readAll().split('\n'))
            if (!line.isEmpty())
                rows << QString::fromUtf8(line).chopped(1).split(','); // no quoted fields here
    return rows;
}

QStringList TestStation::logLines(const QString &folder)
{
    QFile f(QDir(folder).filePath("sim.log"));
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()).split('\n')
                                       : QStringList();
}

// What each simulated panel held when it was disconnected, in order.
static QStringList cellsAtDisconnection(const QStringList &log)
{
    QStringList held;
    for (int i = 0; i + 1 < log.size(); ++i)
        if (log[i].contains(" disconnected, holding:"))
            held << log[i + 1].section(" DUMP ", 1);
    return held;
}

static int writeFrames(const SimulatedPanel &sim)
{
    int n = 0;
    for (const QString &frame : sim.frames("RX"))
        n += frame.startsWith("53");
    return n;
}

void TestStation::commandLine()
{
    auto parse = [](const QStringList &args) {
        return parseCommandLine(QStringList{"switchpanel-config"} + args);
    };
    const CommandLine cl =
        parse({"--station", "a.qcf", "--report", "r.csv", "--count", "3", "--backup"});
    QCOMPARE(cl.mode, CommandLine::Mode::Station);
    QCOMPARE(cl.file, QStringLiteral("a.qcf"));
    QCOMPARE(cl.report, QStringLiteral("r.csv"));
    QCOMPARE(cl.count, 3);
    QVERIFY(cl.backup);
    QVERIFY(isHeadless(cl.mode));
    QCOMPARE(parse({"--station", "a.qcf"}).count, 0);

    // Several ports only for the station, and each port once: a link and its target,
    // or one path written two ways, are one port.
    QCOMPARE(
        parse({"--station", "a.qcf", "--port", "/dev/ttyUSB0", "--port", "tcp://b:4001"}).ports,
        (QStringList{"/dev/ttyUSB0", "tcp://b:4001"}));
    const QString target = dir.filePath("ttyTARGET"), link = dir.filePath("ttyLINK");
    QFile(target).open(QIODevice::WriteOnly);
    QVERIFY(QFile::link(target, link));
    for (const QStringList &ports : {QStringList{"/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyUSB0"},
                                     {target, link},
                                     {"/dev/ttyUSB0", "/dev/../dev/ttyUSB0"},
                                     {"tcp://b:4001", "tcp://b:4001"},
                                     // One server, however its address is written.
                                     {"tcp://127.0.0.1:4001", "TCP://127.0.0.1:4001"},
                                     {"tcp://127.0.0.1:4001", "tcp://127.0.0.1:04001"},
                                     {"tcp://127.0.0.1:4001", "rfc2217://127.0.0.1:+4001"},
                                     {"tcp://127.0.0.1:4001", "tcp://[::ffff:127.0.0.1]:4001"},
                                     {"tcp://127.0.0.1:4001", "tcp://LocalHost:4001"},
                                     {"tcp://Bench-7.:4001", "tcp://bench-7:4001"}}) {
        QStringList args{"--station", "a.qcf"};
        for (const QString &port : ports)
            args << "--port" << port;
        const QString same = portConflict(parse(args));
        QVERIFY2(same.contains(ports.last()), qPrintable(args.join(' ')));
    }
    // Another port number, another address or a name not found are other ports.
    QCOMPARE(portConflict(parse({"--station", "a.qcf", "--port", "tcp://127.0.0.1:4001", "--port",
                                 "tcp://localhost:4002", "--port", "tcp://127.0.0.2:4001", "--port",
                                 "tcp://no-such-host.invalid:4001"})),
             QString());
    QCOMPARE(parse({"--write-panel", "a.qcf", "--port", "/dev/ttyS0", "--port", "/dev/ttyS1"}).mode,
             CommandLine::Mode::Error);
    // Each slot's mark tells it apart, also when two devices share a base name.
    QCOMPARE(StationGang::slotNames({"/dev/ttyUSB1", "/a/ttyS0", "/b/ttyS0", "rfc2217://h:7000"}),
             (QStringList{"ttyUSB1", "/a/ttyS0", "/b/ttyS0", "h:7000"}));
    for (const QStringList &bad : {QStringList{"--station", "a.qcf", "--count", "0"},
                                   {"--station", "a.qcf", "--count", "x"},
                                   {"--station", "a.qcf", "--write-panel", "a.qcf"},
                                   {"--write-panel", "a.qcf", "--count", "2"},
                                   {"--report", "r.csv"},
                                   {"--station", "a.qcf", "--report", "r", "--report", "s"}})
        QVERIFY2(parse(bad).mode == CommandLine::Mode::Error, qPrintable(bad.join(' ')));

    // A report that cannot be opened is a bad file: status 2 before any port is opened.
    const QString file = writeConfig();
    QCOMPARE(run({"--station", file, "--port", "/nonexistent/tty", "--report", dir.path()}),
             headless::kUnusable);
    QVERIFY2(err.contains("NOT A REGULAR FILE"), qPrintable(err));
    QVERIFY(!out.contains("WAITING"));
}

void TestStation::reportRows()
{
    StationPanel panel;
    panel.number = 4;
    panel.started =
        QDateTime(QDate(2026, 12, 8), QTime(14, 3, 7), Qt::OffsetFromUTC, -(3 * 3600 + 1800));
    panel.port = "/dev/ttyUSB0";
    panel.fileName = "desk, \"left\".qcf";
    panel.codesSha = expectedSha();
    panel.statusText = "COMMUNICATIONS FAILURE-BAD SWITCH PANEL DATA";
    panel.failedItem = "LED3";
    panel.durationMs = 1234;
    const QByteArray row = StationReport::row(StationReport::fields(panel));
    // Local time with its offset, naming the same moment.
    const QString time = QString::fromLatin1(row.left(25));
    QVERIFY2(QRegularExpression("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d[+-]\\d\\d:\\d\\d$")
                 .match(time)
                 .hasMatch(),
             qPrintable(time));
    QCOMPARE(QDateTime::fromString(time, Qt::ISODate), panel.started);
    QCOMPARE(row.mid(25), ",/dev/ttyUSB0,\"desk, \"\"left\"\".qcf\"," + expectedSha() +
                              ",failed,COMMUNICATIONS FAILURE-BAD SWITCH PANEL DATA,LED3,1234\r\n");
    QCOMPARE(StationReport::row({"a\nb", "c\rd", "plain", ""}),
             QByteArray("\"a\nb\",\"c\rd\",plain,\r\n"));

    // The header once, when the file is new or empty; rows are appended.
    const QString path = dir.filePath("report.csv");
    const QByteArray header =
        "time,port,file,codes_sha256,result,status,failed_item,duration_ms\r\n";
    for (int round = 0; round < 2; ++round) {
        StationReport report;
        QCOMPARE(report.open(path), ReportProblem());
        QCOMPARE(report.append(panel), ReportProblem());
    }
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray all = f.readAll();
    QVERIFY(all.startsWith(header));
    QCOMPARE(all.count(header), 1);
    QCOMPARE(all.count("\r\n"), 3);
    f.close();
    QVERIFY(f.resize(0));
    StationReport empty;
    QCOMPARE(empty.open(path), ReportProblem());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), header);
}

// A row is appended whole or not at all: one that does not fit under a file-size
// limit is cut back, with the reason; a torn row that a power cut left is cut off,
// and said so, before the next run's first row. A file that is not a report is
// not cut.
void TestStation::reportRowIsWholeOrNotThere()
{
    StationPanel panel;
    panel.number = 1;
    panel.started = QDateTime::currentDateTime();
    panel.port = "/dev/ttyUSB0";
    panel.programmed = true;
    panel.statusText = "SWITCH PANEL HAS BEEN PROGRAMMED";
    const QString path = dir.filePath("whole.csv");
    StationReport report;
    QCOMPARE(report.open(path), ReportProblem());
    QCOMPARE(report.append(panel), ReportProblem());
    const qint64 size = QFileInfo(path).size();

    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = size + 20; // a part of the row fits
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const ReportProblem why = report.append(panel);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    QCOMPARE(why, ReportProblem(ReportProblem::Kind::System, "FILE SIZE LIMIT REACHED"));
    QCOMPARE(QFileInfo(path).size(), size);
    report.close();

    const QByteArray torn = "2026-12-09T16:01:33+01:00,/dev/pts/0,standard.qcf,0a1b,program";
    QFile f(path);
    QVERIFY(f.open(QIODevice::Append));
    f.write(torn);
    f.close();
    QCOMPARE(report.open(path), ReportProblem());
    QVERIFY2(report.repairNote().contains(QStringLiteral("LAST %1 BYTES").arg(torn.size())),
             qPrintable(report.repairNote()));
    QCOMPARE(report.append(panel), ReportProblem());
    const QList<QStringList> rows = reportRowsOf(path);
    QCOMPARE(rows.size(), 3);
    for (const QStringList &row : rows)
        QCOMPARE(row.size(), 8);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.readAll().endsWith("programmed,SWITCH PANEL HAS BEEN PROGRAMMED,,0\r\n"));
    f.close();

    const QByteArray mine = "my own notes,\r\nno line end";
    QFile notes(dir.filePath("notes.csv"));
    QVERIFY(notes.open(QIODevice::WriteOnly));
    notes.write(mine);
    notes.close();
    QVERIFY(english(report.open(notes.fileName())).contains("NOT A REPORT OF THE STATION"));
    QVERIFY(notes.open(QIODevice::ReadOnly));
    QCOMPARE(notes.readAll(), mine);
}

void TestStation::threePanelsInARow()
{
    const QString file = writeConfig();
    const QString report = dir.filePath("three.csv");
    const QString simFolder = folder("three");
    SimulatedPanel sim(simFolder);
    // Each panel is connected 7 s (the station needs about 4) and then away 5.5 s
    // (it needs about 3 to notice).
    const QString device =
        sim.start({"--connect-schedule", "off:1000,on:7000,off:5500,on:7000,off:5500,on:7000,off"});
    QVERIFY(!device.isEmpty());
    QCOMPARE(run({"--station", file, "--port", device, "--report", report, "--count", "3"}),
             headless::kDone);

    const QStringList lines = out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.count("WAITING FOR A PANEL ON " + device), 3);
    QCOMPARE(
        lines
            .filter(QRegularExpression("^PANEL [123]  \\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d"
                                       "  SWITCH PANEL HAS BEEN PROGRAMMED$"))
            .size(),
        3);
    QCOMPARE(lines.last(), QStringLiteral("3 PROGRAMMED, 0 FAILED"));

    const QList<QStringList> rows = reportRowsOf(report);
    QCOMPARE(rows.size(), 1 + 3);
    QCOMPARE(rows[0], StationReport::columns());
    for (int i = 1; i <= 3; ++i) {
        const QStringList &row = rows[i];
        QVERIFY2(QRegularExpression("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d[+-]\\d\\d:\\d\\d$")
                     .match(row[0])
                     .hasMatch(),
                 qPrintable(row[0]));
        QCOMPARE(row.mid(1, 6), (QStringList{device, "standard.qcf", expectedSha(), "programmed",
                                             "SWITCH PANEL HAS BEEN PROGRAMMED", ""}));
        QVERIFY(row[7].toInt() >= 22 * 100); // 21 pauses before the cells, one after
    }

    // Every panel written in full, and each only once: the first two as they were
    // when disconnected, the third as it is now.
    QCOMPARE(writeFrames(sim), 3 * 21);
    QTRY_COMPARE_WITH_TIMEOUT(cellsAtDisconnection(logLines(simFolder)).size(), 2, 5000);
    QCOMPARE(cellsAtDisconnection(logLines(simFolder)), QStringList(2, kCells));
    QString now;
    for (int v : sim.cells())
        now += (now.isEmpty() ? "" : " ") + QString::number(v);
    QCOMPARE(now, kCells);
}

void TestStation::lateAdapterAndHalfWayFailure()
{
    const QString file = writeConfig();
    const QString report = dir.filePath("late.csv");
    const QString simFolder = folder("late");
    const QString port = QDir(simFolder).filePath("ttyPANEL"); // not there yet
    SimulatedPanel sim(simFolder);
    // The adapter is plugged in 2.5 s after the start; its panel stops answering
    // write frames from SW8 on.
    QTimer::singleShot(2500, [&] { sim.start({"--link", port, "--mute-from", "7"}); });
    QCOMPARE(run({"--station", file, "--port", port, "--report", report, "--count", "1"}),
             headless::kPanelFailed);

    QCOMPARE(out.count("WAITING FOR A PANEL ON " + port), 1); // not once per try
    QVERIFY2(out.contains(QRegularExpression(
                 "\nPANEL 1  [-0-9]+ [:0-9]+  COMMUNICATIONS FAILURE-BAD SWITCH PANEL DATA  "
                 "SW8: NOT ACKNOWLEDGED\n")),
             qPrintable(out));
    QVERIFY(out.endsWith("0 PROGRAMMED, 1 FAILED\n"));
    const QList<QStringList> rows = reportRowsOf(report);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[1].mid(4, 3), (QStringList{"failed",
                                             "COMMUNICATIONS FAILURE-BAD SWITCH PANEL "
                                             "DATA",
                                             "SW8"}));
    QCOMPARE(writeFrames(sim), 8); // SW1 to SW8, then the walk stopped
}

// Runs the program itself, so that the signal reaches a real process.
class StationProcess
{
public:
    StationProcess(const QStringList &args)
    {
        m_process.start(QStringLiteral(SWITCHPANEL_PATH), args);
        m_process.waitForStarted(5000);
    }
    ~StationProcess()
    {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
    void signal(int number) { ::kill(pid_t(m_process.processId()), number); }
    bool finished() { return m_process.waitForFinished(20000); }
    int exitCode() const
    {
        return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
    }
    QString output() { return QString::fromLocal8Bit(m_process.readAllStandardOutput()); }

private:
    QProcess m_process;
};

void TestStation::panelLeftConnectedThenCtrlC()
{
    const QString file = writeConfig();
    const QString report = dir.filePath("left.csv");
    const QString traffic = dir.filePath("left.log");
    const QString simFolder = folder("left");
    SimulatedPanel sim(simFolder);
    const QString device = sim.start({});
    StationProcess station(
        {"--station", file, "--port", device, "--report", report, "--log", traffic});
    QTRY_COMPARE_WITH_TIMEOUT(reportRowsOf(report).size(), 2, 20000);
    // The panel stays: the station keeps trying for it and writes nothing more.
    // (two attention bytes before the write: its try and its handshake)
    QTRY_VERIFY_WITH_TIMEOUT(sim.frames("RX").count("41") >= 2 + 5, 20000);
    QCOMPARE(writeFrames(sim), 21);

    station.signal(SIGINT);
    QVERIFY(station.finished());
    QCOMPARE(station.exitCode(), headless::kDone);
    QVERIFY(station.output().endsWith("PANEL HAS BEEN PROGRAMMED\n1 PROGRAMMED, 0 FAILED\n"));
    QCOMPARE(reportRowsOf(report).size(), 2);
    QFile log(traffic);
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QList<QByteArray> ports = QByteArray(log.readAll()).split('\n');
    QByteArray lastPortLine;
    for (const QByteArray &line : ports)
        if (line.contains(" PORT "))
            lastPortLine = line;
    QVERIFY2(lastPortLine.contains(" PORT CLOSE "), lastPortLine.constData());
}

void TestStation::stopSignalDuringWriteFinishesPanel()
{
    const QString file = writeConfig();
    const QString report = dir.filePath("term.csv");
    SimulatedPanel sim(folder("term"));
    const QString device = sim.start({});
    StationProcess station({"--station", file, "--port", device, "--report", report});
    QTRY_VERIFY_WITH_TIMEOUT(writeFrames(sim) >= 1, 20000);
    station.signal(SIGTERM);
    QVERIFY(station.finished());
    QCOMPARE(station.exitCode(), headless::kDone);
    QVERIFY(station.output().endsWith("1 PROGRAMMED, 0 FAILED\n"));
    QCOMPARE(writeFrames(sim), 21); // the panel in progress was finished
    QCOMPARE(reportRowsOf(report).value(1).value(4), QStringLiteral("programmed"));
}

static assignment::Codes fileCodes()
{
    assignment::Codes codes;
    codes.fill(160);
    codes[0] = 23;
    codes[20] = 151;
    return codes;
}

static QString accessibleName(QWidget *w)
{
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
}

void TestStation::dialogProgramsAndReports()
{
    SimulatedPanel sim(folder("dialog"));
    const QString device = sim.start({});
    const QString report = dir.filePath("dialog.csv");
    StationDialog dialog(device, fileCodes(), "standard.qcf");
    // A report file that is, or links to, a configuration file is refused with a
    // message, typed or chosen; the user chooses again.
    const QString config = writeConfig();
    const QString link = dir.filePath("dialog-link.csv");
    QVERIFY(QFile::link(config, link));
    QStringList answers{link, report};
    dialog.chooseReportFile = [&](const QString &) { return answers.takeFirst(); };
    QStringList messages;
    dialog.showMessage = [&](const QString &text) { messages << text; };
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.findChild<QLineEdit *>()->setText(config);
    dialog.start();
    QVERIFY(!dialog.gang().isRunning());
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].contains(config + " IS NAMED AS A CONFIGURATION FILE"),
             qPrintable(messages[0]));

    // From the keyboard: Alt+H chooses the report, Alt+S starts.
    // (A mnemonic clicks its button a moment later.)
    QTest::keyClick(&dialog, Qt::Key_H, Qt::AltModifier);
    QTRY_COMPARE(dialog.findChild<QLineEdit *>()->text(), report);
    QCOMPARE(messages.size(), 2);
    QVERIFY2(messages[1].contains(link + " IS A LINK TO " + config), qPrintable(messages[1]));
    QTest::keyClick(&dialog, Qt::Key_S, Qt::AltModifier);
    QTRY_VERIFY(dialog.gang().isRunning());
    QCOMPARE(StationDialog::rememberedReportFile(), report);

    QList<QLabel *> labels = dialog.findChildren<QLabel *>();
    auto shown = [&](const QString &start) -> QLabel * {
        for (QLabel *l : labels)
            if (accessibleName(l).startsWith(start))
                return l;
        return nullptr;
    };
    QTRY_VERIFY_WITH_TIMEOUT(shown("PROGRAMMED: 1"), 20000);
    QVERIFY(shown("FAILED: 0"));
    QLabel *result = shown("PANEL 1: ");
    QVERIFY(result);
    QCOMPARE(accessibleName(result), QStringLiteral("PANEL 1: SWITCH PANEL HAS BEEN PROGRAMMED"));
    QCOMPARE(result->palette().color(QPalette::Window), QColor(0, 255, 0));
    QTRY_VERIFY_WITH_TIMEOUT(shown("DISCONNECT THE PANEL"), 5000);
    QCOMPARE(reportRowsOf(report).size(), 2);

    // Every control reads as it is shown, never as an object name.
    for (QWidget *w : dialog.findChildren<QWidget *>()) {
        if (!w->isVisible() || w->focusPolicy() == Qt::NoFocus)
            continue;
        const QString name = accessibleName(w);
        QVERIFY2(!name.isEmpty(), w->metaObject()->className());
        if (auto *b = qobject_cast<QPushButton *>(w))
            QCOMPARE(name, b->text().remove('&'));
    }

    // Closing while the panel is still connected stops the station at once.
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.isVisible(), 5000);
    QVERIFY(!dialog.gang().isRunning());
    QCOMPARE(writeFrames(sim), 21);
}

void TestStation::closingDialogMidWriteFinishesPanel()
{
    SimulatedPanel sim(folder("dialog-fail"));
    const QString device = sim.start({"--mute-from", "12"});
    StationDialog dialog(device, fileCodes(), "standard.qcf");
    dialog.chooseReportFile = [&](const QString &) { return QString(); };
    dialog.show();
    dialog.findChild<QLineEdit *>()->clear(); // no report
    // The user closes the dialog while the panel is being written.
    bool visibleAfterClose = false;
    connect(&dialog.gang(), &StationGang::slotStateChanged, this, [&](int, Station::State state) {
        if (state == Station::State::Writing)
            QTimer::singleShot(300, &dialog, [&] {
                dialog.reject();
                visibleAfterClose = dialog.isVisible();
            });
    });
    dialog.start();
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.isVisible(), 20000);
    QVERIFY(visibleAfterClose); // it stayed until the panel in progress was done
    QCOMPARE(dialog.gang().failed(), 1);
    QLabel *result = nullptr;
    for (QLabel *l : dialog.findChildren<QLabel *>())
        if (l->text().startsWith("PANEL 1: "))
            result = l;
    QVERIFY(result);
    QCOMPARE(result->text(), QStringLiteral("PANEL 1: COMMUNICATIONS FAILURE-BAD SWITCH PANEL DATA "
                                            "AT LED3"));
    QCOMPARE(result->palette().color(QPalette::Window), QColor(255, 0, 0));
}

// Three panels on three ports, written at the same time; the third stops answering
// at SW8. Each slot writes only its own panel, fails only its own, and has lines,
// counts, report rows and log lines of its own.
void TestStation::threePortsAtOnceOneFailing()
{
    const QString file = writeConfig();
    const QString report = dir.filePath("gang.csv");
    const QString traffic = dir.filePath("gang.log");
    const QString simFolder = folder("gang");
    std::vector<std::unique_ptr<SimulatedPanel>> sims;
    QStringList ports;
    for (const QString &name : QStringList{"ttyA", "ttyB", "ttyC"}) {
        sims.push_back(std::make_unique<SimulatedPanel>(folder("gang/sim-" + name)));
        ports << QDir(simFolder).filePath(name);
        QStringList args{"--link", ports.last(), "--connect-schedule", "off:500,on:6000,off"};
        if (name == "ttyC")
            args << "--mute-from"
                 << "7";
        QVERIFY(!sims.back()->start(args).isEmpty());
    }
    QCOMPARE(run({"--station", file, "--port", ports[0], "--port", ports[1], "--port", ports[2],
                  "--count", "3", "--report", report, "--log", traffic}),
             headless::kPanelFailed);

    QStringList lines = out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.takeLast(), QStringLiteral("2 PROGRAMMED, 1 FAILED (ttyA: 1 PROGRAMMED, 0 "
                                              "FAILED; ttyB: 1 PROGRAMMED, 0 FAILED; ttyC: 0 "
                                              "PROGRAMMED, 1 FAILED)"));
    QStringList numbers;
    for (const QString &name : QStringList{"ttyA", "ttyB", "ttyC"}) {
        const QString mark = "[" + name + "] ";
        const QStringList own = lines.filter(QRegularExpression("^\\[" + name + "\\] "));
        QCOMPARE(own.first(), mark + "WAITING FOR A PANEL ON " + QDir(simFolder).filePath(name));
        const QRegularExpressionMatch panel =
            QRegularExpression("^\\[" + name + "\\] PANEL (\\d)  [-0-9]+ [:0-9]+  (.*)$")
                .match(own.value(1));
        QVERIFY2(panel.hasMatch(), qPrintable(out));
        numbers << panel.captured(1);
        QCOMPARE(panel.captured(2), name == "ttyC" ? QStringLiteral("COMMUNICATIONS FAILURE-BAD "
                                                                    "SWITCH PANEL DATA  SW8: "
                                                                    "NOT ACKNOWLEDGED")
                                                   : QStringLiteral("SWITCH PANEL HAS BEEN "
                                                                    "PROGRAMMED"));
    }
    QCOMPARE(lines.filter(QRegularExpression("^\\[tty[ABC]\\] ")), lines); // every line marked
    numbers.sort();
    QCOMPARE(numbers, (QStringList{"1", "2", "3"})); // numbered over all slots

    const QList<QStringList> rows = reportRowsOf(report);
    QCOMPARE(rows.size(), 1 + 3);
    QMap<QString, QString> resultOf; // port -> result
    for (const QStringList &row : rows.mid(1))
        resultOf[row[1]] = row[4] + row[6];
    QCOMPARE(resultOf,
             (QMap<QString, QString>{
                 {ports[0], "programmed"}, {ports[1], "programmed"}, {ports[2], "failedSW8"}}));

    QCOMPARE(writeFrames(*sims[0]), 21);
    QCOMPARE(writeFrames(*sims[1]), 21);
    QCOMPARE(writeFrames(*sims[2]), 8);
    for (int i = 0; i < 2; ++i) {
        QString now;
        for (int v : sims[size_t(i)]->cells())
            now += (now.isEmpty() ? "" : " ") + QString::number(v);
        QCOMPARE(now, kCells);
    }

    // One log, every line marked with the slot whose link it is.
    QFile log(traffic);
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QStringList logLines = QString::fromLatin1(log.readAll()).split('\n', Qt::SkipEmptyParts);
    QVERIFY(!logLines.isEmpty());
    for (const QString &line : logLines)
        QVERIFY2(
            QRegularExpression("^\\S+ \\S+ \\[tty[ABC]\\] (TX|RX|PORT)").match(line).hasMatch(),
            qPrintable(line));
}

// Ctrl+C while two slots write: both panels are finished and reported, then the
// run ends with the counts of each slot.
void TestStation::ctrlCWhileTwoPortsWrite()
{
    const QString file = writeConfig();
    const QString report = dir.filePath("gang-int.csv");
    const QString simFolder = folder("gang-int");
    SimulatedPanel simD(folder("gang-int/d")), simE(folder("gang-int/e"));
    const QString portD = QDir(simFolder).filePath("ttyD"),
                  portE = QDir(simFolder).filePath("ttyE");
    QVERIFY(!simD.start({"--link", portD}).isEmpty());
    QVERIFY(!simE.start({"--link", portE}).isEmpty());
    StationProcess station(
        {"--station", file, "--port", portD, "--port", portE, "--report", report});
    QTRY_VERIFY_WITH_TIMEOUT(writeFrames(simD) >= 1 && writeFrames(simE) >= 1, 20000);
    station.signal(SIGINT);
    QVERIFY(station.finished());
    QCOMPARE(station.exitCode(), headless::kDone);
    const QString output = station.output();
    QVERIFY2(output.endsWith("\n2 PROGRAMMED, 0 FAILED (ttyD: 1 PROGRAMMED, 0 FAILED; ttyE: 1 "
                             "PROGRAMMED, 0 FAILED)\n"),
             qPrintable(output));
    QCOMPARE(writeFrames(simD), 21);
    QCOMPARE(writeFrames(simE), 21);
    QCOMPARE(reportRowsOf(report).size(), 1 + 2);
}

// The dialog on the window's port and a typed one: a tile each, counters over both.
void TestStation::dialogOnTwoPorts()
{
    SimulatedPanel simF(folder("dialog-two/f")), simG(folder("dialog-two/g"));
    const QString portF = simF.start({}), portG = simG.start({});
    StationDialog dialog(portF, fileCodes(), "standard.qcf");
    dialog.findChild<QLineEdit *>()->clear(); // no report
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));

    // Typed from the keyboard: Alt+O, the path, Enter adds it ticked and starts nothing.
    QTest::keyClick(&dialog, Qt::Key_O, Qt::AltModifier);
    QTRY_VERIFY(dialog.focusWidget() && accessibleName(dialog.focusWidget()) == "OTHER PORT");
    QTest::keyClicks(dialog.focusWidget(), portG);
    QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
    QVERIFY(!dialog.gang().isRunning());
    QCOMPARE(dialog.tickedPorts(), (QStringList{portF, portG}));
    // Alt+P reaches the list, Space unticks and ticks the current port.
    QTest::keyClick(&dialog, Qt::Key_P, Qt::AltModifier);
    QTRY_VERIFY(dialog.focusWidget() && accessibleName(dialog.focusWidget()) == "PORTS");
    QTest::keyClick(dialog.focusWidget(), Qt::Key_Space);
    QCOMPARE(dialog.tickedPorts(), QStringList{portF});
    QTest::keyClick(dialog.focusWidget(), Qt::Key_Space);
    QCOMPARE(dialog.tickedPorts(), (QStringList{portF, portG}));

    QTest::keyClick(&dialog, Qt::Key_S, Qt::AltModifier);
    QTRY_VERIFY(dialog.gang().isRunning());
    QTRY_VERIFY_WITH_TIMEOUT(dialog.gang().programmed() == 2, 20000);
    const QList<QGroupBox *> tiles = dialog.findChildren<QGroupBox *>();
    QCOMPARE(tiles.size(), 2);
    for (QGroupBox *tile : tiles) {
        QStringList texts;
        for (QLabel *label : tile->findChildren<QLabel *>())
            texts << accessibleName(label);
        QVERIFY2(texts.filter(QRegularExpression("^PANEL [12]: SWITCH PANEL HAS BEEN PROGRAMMED$"))
                         .size() == 1,
                 qPrintable(texts.join('|')));
        QVERIFY(texts.contains("PROGRAMMED 1   FAILED 0"));
    }
    QCOMPARE(tiles[0]->title() + tiles[1]->title(),
             QFileInfo(portF).fileName() + QFileInfo(portG).fileName());
    QLabel *overall = nullptr;
    for (QLabel *l : dialog.findChildren<QLabel *>())
        if (accessibleName(l) == "PROGRAMMED: 2")
            overall = l;
    QVERIFY(overall);

    QTest::keyClick(&dialog, Qt::Key_Escape);
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.isVisible(), 5000);
    QCOMPARE(writeFrames(simF), 21);
    QCOMPARE(writeFrames(simG), 21);
}

// The dialog destroyed while a panel is written (its window closing): the panel is
// finished and its row still reaches the report.
void TestStation::dialogDestroyedMidWriteKeepsRow()
{
    SimulatedPanel sim(folder("dialog-gone"));
    const QString device = sim.start({});
    const QString report = dir.filePath("dialog-gone.csv");
    auto *dialog = new StationDialog(device, fileCodes(), "standard.qcf");
    dialog->findChild<QLineEdit *>()->setText(report);
    bool writing = false;
    connect(&dialog->gang(), &StationGang::slotStateChanged, this,
            [&](int, Station::State state) { writing |= state == Station::State::Writing; });
    dialog->start();
    QTRY_VERIFY_WITH_TIMEOUT(writing, 20000);
    delete dialog;
    QCOMPARE(writeFrames(sim), 21);
    QCOMPARE(reportRowsOf(report).size(), 2);
    QCOMPARE(reportRowsOf(report)[1][4], QStringLiteral("programmed"));
}

QTEST_MAIN(TestStation)
#include "tst_station.moc"
