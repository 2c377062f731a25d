// An installation: its inventory read and refused line by line, the history's
// folder names, and panels of a site audited at once and restored by name
// against the panel simulator, on the command line.

#include "command_line.h"
#include "files/qcf_file.h"
#include "headless.h"
#include "simulated_panel.h"
#include "site/site_audit.h"

#include <QRegularExpression>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QThread>
#include <QTimer>

#include <csignal>
#include <sys/stat.h>

class TestSite : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void inventoryRefused_data();
    void inventoryRefused();
    void inventoryAccepted();
    void hostileInventoryFiles();
    void folderNamesStayApartAndInside();
    void historyKeepsEveryChangeAndNothingElse();
    void siteAuditedAtOnceThenRestored();
    void panelsReadSideBySideInOneThread();

private:
    QString write(const QString &name, const QByteArray &bytes);
    int run(const QStringList &arguments);

    QTemporaryDir dir;
    QString out, err;
};

QString TestSite::write(const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

int TestSite::run(const QStringList &arguments)
{
    out.clear();
    err.clear();
    QTextStream o(&out), e(&err);
    return headless::run(parseCommandLine(QStringList{"switchpanel-config"} + arguments), o, e);
}

void TestSite::inventoryRefused_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::newRow("no panel column")
        << QByteArray("name,file\nA,a.qcf\n") << 1 << 0 << "NO COLUMN NAMED panel";
    QTest::newRow("no file column")
        << QByteArray("panel,port\nA,\n") << 1 << 0 << "NO COLUMN NAMED file";
    QTest::newRow("column twice") << QByteArray("panel,file,Panel\n") << 1 << 3
                                  << "THE COLUMN panel IS NAMED TWICE";
    QTest::newRow("empty name") << QByteArray("file,panel\na.qcf,A\n\nb.qcf,  \n") << 4 << 2
                                << "THE PANEL NAME IS EMPTY";
    QTest::newRow("same name") << QByteArray("panel,file\nStudio 3,a\nstudio 3,b\n") << 3 << 1
                               << "\"studio 3\" IS ALSO ON LINE 2";
    QTest::newRow("same port") << QByteArray("panel,port,file\nA,tcp://h:4001,a\nB,,b\n"
                                             "C,TCP://H:4001,c\n")
                               << 4 << 2 << "IS ALSO THE PORT OF \"A\" ON LINE 2";
    QTest::newRow("too many fields") << QByteArray("panel,file\r\nA,a.qcf,x\r\n") << 2 << 0
                                     << "THE ROW HAS 3 FIELDS, THE HEADER 2";
    QTest::newRow("too few fields") << QByteArray("panel;port;file\nA;a.qcf\n") << 2 << 0
                                    << "THE ROW HAS 2 FIELDS, THE HEADER 3";
    QTest::newRow("bad address") << QByteArray("panel,port,file\nA,tcp://h,a\n") << 2 << 2
                                 << "NO PORT NUMBER";
    QTest::newRow("quote not closed") << QByteArray("panel,file\nA,\"a.qcf\n") << 2 << 2
                                      << "A QUOTE OPENED ON LINE 2 IS NEVER CLOSED";
    QTest::newRow("text after quote") << QByteArray("panel,file\n\"A\"x,a.qcf\n") << 2 << 1
                                      << "TEXT AFTER THE CLOSING QUOTE OF A FIELD";
    QTest::newRow("blank lines only") << QByteArray("\r\n\n") << 1 << 0
                                      << "THE INVENTORY IS EMPTY: ITS FIRST LINE NAMES THE "
                                         "COLUMNS panel, location, port AND file";
    QTest::newRow("binary") << QByteArray("panel,file\nA,\0\x01\x02", 16) << 2 << 0
                            << "NOT A TEXT FILE";
}

// Every problem is refused with its line and column, and nothing else is given.
void TestSite::inventoryRefused()
{
    QFETCH(QByteArray, csv);
    const site::InventoryRead read = site::readInventory(write("refused.csv", csv));
    QVERIFY(!read.inventory);
    QFETCH(int, line);
    QFETCH(int, column);
    QFETCH(QString, text);
    QCOMPARE(read.problem.line, line);
    QCOMPARE(read.problem.column, column);
    QVERIFY2(site::english(read.problem).contains(text), qPrintable(site::english(read.problem)));
}

// A German spreadsheet's export: semicolons, a byte-order mark, quoted fields,
// columns in another order and case, another column, a row of separators only.
void TestSite::inventoryAccepted()
{
    const QString path = write("sub/de.csv", "\xEF\xBB\xBF"
                                             "Datei;PANEL;Notiz;Port;Location\r\n"
                                             "a.qcf;\"Studio; 3\";x;;Keller\r\n"
                                             ";;;;\r\n"
                                             "/abs/b.qcf;Regie;;/dev/ttyUSB7;\r\n");
    // The header names no `file`: only the German one. Then a proper one.
    QVERIFY(!site::readInventory(path).inventory);
    const QString good = write("sub/de.csv", "\xEF\xBB\xBF"
                                             "File;PANEL;Notiz;Port;Location\r\n"
                                             "a.qcf;\"Studio; 3\";x;;K\xC3\xA4ller\r\n"
                                             ";;;;\r\n"
                                             "/abs/b.qcf;Regie;;/dev/ttyUSB7;\r\n");
    const site::InventoryRead read = site::readInventory(good);
    QVERIFY2(read.inventory, qPrintable(site::english(read.problem)));
    const site::Inventory &inv = *read.inventory;
    QCOMPARE(inv.rows.size(), 2);
    QCOMPARE(inv.rows[0].panel, QStringLiteral("Studio; 3"));
    QCOMPARE(inv.rows[0].location, QString::fromUtf8("K\xC3\xA4ller"));
    QCOMPARE(inv.rows[0].port, QString());
    QCOMPARE(inv.rows[0].filePath, dir.filePath("sub/a.qcf"));
    QCOMPARE(inv.rows[1].line, 4);
    QCOMPARE(inv.rows[1].filePath, QStringLiteral("/abs/b.qcf"));
    QCOMPARE(inv.rowOf("Regie"), 1);
    QCOMPARE(inv.rowOf("regie"), -1);
}

// A folder, a pipe and a 50 MB file are refused without being read; on the
// command line with status 2.
void TestSite::hostileInventoryFiles()
{
    const QString fifo = dir.filePath("pipe.csv");
    QCOMPARE(::mkfifo(qPrintable(fifo), 0600), 0);
    QFile big(dir.filePath("big.csv"));
    QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(50 << 20));
    big.close();
    const QList<std::pair<QString, QString>> cases = {{dir.path(), "IT IS A FOLDER"},
                                                      {fifo, "IT IS A DEVICE, PIPE OR SOCKET"},
                                                      {big.fileName(), "TOO LARGE"},
                                                      {dir.filePath("none.csv"), "DOES NOT EXIST"}};
    for (const auto &[path, text] : cases) {
        QCOMPARE(run({"--audit", path}), headless::kUnusable);
        QVERIFY2(err.contains(text), qPrintable(err));
        QVERIFY(out.isEmpty());
    }
}

// Names that would escape history/ or clash on Windows get folder names of
// their own, inside it, each told apart from every other.
void TestSite::folderNamesStayApartAndInside()
{
    const QString longName(300, QLatin1Char('x'));
    const QStringList names = {"..",           ".",
                               "../etc",       "..\\..\\x",
                               "a/b",          "a%2Fb",
                               "a\\b",         "CON",
                               "con.txt",      "%43ON",
                               "COM1",         "LPT9 .log",
                               "name.",        "name",
                               "name ",        "tab\there",
                               "new\nline",    "a:b*c?d\"e<f>g|h",
                               "Studio 3",     longName,
                               longName + "y", "\xC3\xA9t\xC3\xA9"};
    site::Inventory inv;
    inv.folder = dir.path();
    QSet<QString> seen;
    for (const QString &name : names) {
        const QString folder = site::safeFolderName(name);
        QVERIFY2(!seen.contains(folder.toCaseFolded()), qPrintable(name));
        seen.insert(folder.toCaseFolded());
        QVERIFY(folder.toUtf8().size() <= 255);
        QVERIFY(
            !QRegularExpression("[/\\\\:*?\"<>|\\x00-\\x1f]|^\\.|[. ]$").match(folder).hasMatch());
        QVERIFY(!QRegularExpression("^(CON|PRN|AUX|NUL|COM\\d|LPT\\d)(\\.|$| )",
                                    QRegularExpression::CaseInsensitiveOption)
                     .match(folder)
                     .hasMatch());
        QCOMPARE(QFileInfo(site::historyFolder(inv, name)).dir().absolutePath(),
                 dir.filePath("history"));
    }
    QCOMPARE(site::safeFolderName("Studio 3"), QStringLiteral("Studio 3"));
}

void TestSite::historyKeepsEveryChangeAndNothingElse()
{
    site::Inventory inv;
    inv.folder = dir.filePath("keep");
    QDir().mkpath(inv.folder);
    qcf::Configuration config;
    config.codes.fill(160);
    const QDateTime t = QDateTime::fromString("2026-12-08 14.03.22", "yyyy-MM-dd HH.mm.ss");

    const site::Keeping first = site::keepInHistory(inv, "P", config, t);
    QVERIFY(first.added && !first.problem.failed());
    QVERIFY(first.path.endsWith("/history/P/2026-12-08 14.03.22.qcf"));
    QVERIFY(!site::keepInHistory(inv, "P", config, t.addSecs(60)).added); // unchanged
    config.codes[4] = 23;
    const site::Keeping second = site::keepInHistory(inv, "P", config, t); // same second
    QVERIFY(second.added);
    QVERIFY(second.path.endsWith("/2026-12-08 14.03.22 2.qcf"));
    const QList<site::KeptCopy> copies = site::keptCopies(inv, "P");
    QCOMPARE(copies.size(), 2);
    QCOMPARE(copies[0].path, second.path); // newest first
    QCOMPARE(QDir(inv.folder + "/history/P")
                 .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                 .size(),
             2);

    // A history that is a link leading elsewhere, or a file: nothing written.
    site::Inventory other;
    other.folder = dir.filePath("linked");
    QDir().mkpath(other.folder + "/elsewhere");
    QVERIFY(QFile::link(other.folder + "/elsewhere", other.folder + "/history"));
    QVERIFY(
        site::english(site::keepInHistory(other, "P", config).problem).contains("SYMBOLIC LINK"));
    QVERIFY(QDir(other.folder + "/elsewhere").isEmpty());
}

// Four panels at once: one holds its file, one differs, one cannot be reached,
// one has no file. Then a restore puts the right file into the one that differs.
void TestSite::siteAuditedAtOnceThenRestored()
{
    const QString site = dir.filePath("site");
    SimulatedPanel simA(site + "/simA"), simB(site + "/simB"), simD(site + "/simD");
    QDir().mkpath(site + "/simA");
    QDir().mkpath(site + "/simB");
    QDir().mkpath(site + "/simD");
    const QByteArray held = "23 160 160 160 160 160 160 160 160 160 160 160 160 160 160 160 "
                            "160 160 160 160 151";
    const QString portA = simA.start({}, held), portB = simB.start({}), portD = simD.start({});
    QVERIFY(!portA.isEmpty() && !portB.isEmpty() && !portD.isEmpty());
    write("site/files/standard.qcf", kStandardFile);
    const QString inventory =
        write("site/site.csv", QStringLiteral("panel;port;file;location\n"
                                              "Studio A;%1;files/standard.qcf;1\n"
                                              "Studio B;%2;files/standard.qcf;2\n"
                                              "Gone;%3/ttyNone;files/standard.qcf;3\n"
                                              "../Studio D;%4;files/missing.qcf;4\n")
                                   .arg(portA, portB, site, portD)
                                   .toUtf8());
    const QString report = dir.filePath("site/audit.csv");

    QCOMPARE(run({"--audit", inventory, "--report", report}), headless::kPanelFailed);
    QStringList lines = out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 5);
    QCOMPARE(lines.last(), QStringLiteral("4 PANELS: 1 HOLD THEIR CONFIGURATION, 1 DIFFER, 1 "
                                          "UNREACHABLE, 1 NO FILE, 0 NO PORT"));
    lines.removeLast();
    lines.sort();
    QCOMPARE(lines[0].left(24), QStringLiteral("[../Studio D] NO FILE: /"));
    QVERIFY(lines[1].startsWith("[Gone] UNREACHABLE: "));
    QCOMPARE(lines[2], QStringLiteral("[Studio A] HOLDS ITS CONFIGURATION"));
    QCOMPARE(lines[3], QStringLiteral("[Studio B] DIFFERS: SW1 (FILE C 4, PANEL N/A), "
                                      "BACKLIGHTING (FILE P 2, PANEL N/A)"));

    QFile f(report);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QStringList rows = QString::fromUtf8(f.readAll()).split("\r\n", Qt::SkipEmptyParts);
    f.close();
    QCOMPARE(rows.size(), 5);
    QCOMPARE(rows[0], site::AuditReport::columns().join(','));
    const QString rowB = rows.filter(",Studio B,").value(0);
    QVERIFY2(QRegularExpression(",Studio B,2,[^,]+,files/standard.qcf,differs,SW1 BACKLIGHTING,"
                                "[0-9a-f]{64},$")
                 .match(rowB)
                 .hasMatch(),
             qPrintable(rowB));
    QVERIFY(rows.filter(",Gone,").value(0).contains(",unreachable,,,"));

    // Kept: the three panels read, outside nothing.
    site::Inventory inv = *site::readInventory(inventory).inventory;
    QCOMPARE(site::keptCopies(inv, "Studio A").size(), 1);
    QCOMPARE(site::keptCopies(inv, "Studio B").size(), 1);
    QCOMPARE(site::keptCopies(inv, "../Studio D").size(), 1);
    QCOMPARE(site::keptCopies(inv, "Gone").size(), 0);
    QCOMPARE(QDir(site + "/history").entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 3);
    QVERIFY(!QFileInfo::exists(site + "/Studio D"));
    const qcf::LoadedFile keptD = qcf::loadFile(site::keptCopies(inv, "../Studio D")[0].path);
    QVERIFY(keptD.config);
    QCOMPARE(keptD.config->panel, QByteArray("../Studio D"));

    // Restored by name: what it held is already the last copy, so none is added.
    QCOMPARE(run({"--restore", inventory, "--panel", "Studio B"}), headless::kDone);
    QVERIFY2(out.endsWith("SWITCH PANEL HAS BEEN PROGRAMMED\n"), qPrintable(out));
    QVERIFY(SimulatedPanel::readThenWrite(simB.frames("RX"), simB.frames("RX").size() - 42));
    QCOMPARE(site::keptCopies(inv, "Studio B").size(), 1);

    // Audited again, only these two: both hold; B's change is kept, A's is not.
    QCOMPARE(
        run({"--audit", inventory, "--panel", "Studio A", "--panel", "Studio B", "--jobs", "1"}),
        headless::kDone);
    QVERIFY2(out.startsWith("[Studio A] HOLDS ITS CONFIGURATION\n[Studio B] HOLDS ITS "
                            "CONFIGURATION\n2 PANELS: 2 HOLD"),
             qPrintable(out));
    QCOMPARE(site::keptCopies(inv, "Studio A").size(), 1);
    QCOMPARE(site::keptCopies(inv, "Studio B").size(), 2);

    // A panel without a port of its own, through the technician's port; its
    // history folder is a file: said plainly, and the audit fails.
    write("site/history/Gone", "not a folder");
    QCOMPARE(run({"--audit", inventory, "--panel", "Gone", "--port", portA}),
             headless::kPanelFailed);
    QVERIFY2(out.startsWith("[Gone] HOLDS ITS CONFIGURATION\n[Gone] HISTORY NOT KEPT: "),
             qPrintable(out));
    QCOMPARE(run({"--restore", inventory, "--panel", "Nobody"}), headless::kUnusable);
    QVERIFY(err.contains("NO PANEL NAMED \"Nobody\""));
    // A panel whose file cannot be read is refused before its port is opened.
    const qsizetype framesD = simD.frames("RX").size();
    QCOMPARE(run({"--restore", inventory, "--panel", "../Studio D"}), headless::kUnusable);
    QVERIFY2(err.contains("NO FILE: " + site + "/files/missing.qcf: "), qPrintable(err));
    QCOMPARE(simD.frames("RX").size(), framesD);

    // Ctrl+C in the middle of a restore ends it at once: a failure, never a success.
    const int framesBefore = int(simB.frames("RX").size());
    QTimer::singleShot(1500, [] { ::raise(SIGINT); });
    QCOMPARE(run({"--restore", inventory, "--panel", "Studio B"}), headless::kPanelFailed);
    QVERIFY2(!out.contains("PROGRAMMED"), qPrintable(out));
    QVERIFY(simB.frames("RX").size() - framesBefore < 1 + 42 + 1 + 42);
}

// Two panels read at the same time, every signal in the test's own thread; then an
// audit destroyed while it reads: its ports are closed and nothing more is told.
void TestSite::panelsReadSideBySideInOneThread()
{
    const QString site = dir.filePath("one-thread");
    QDir().mkpath(site + "/simA");
    QDir().mkpath(site + "/simB");
    SimulatedPanel simA(site + "/simA"), simB(site + "/simB");
    const QByteArray held = "23 160 160 160 160 160 160 160 160 160 160 160 160 160 160 160 "
                            "160 160 160 160 151";
    const QString portA = simA.start({}, held), portB = simB.start({});
    QVERIFY(!portA.isEmpty() && !portB.isEmpty());
    QTcpServer silent; // accepts, never answers
    QVERIFY(silent.listen(QHostAddress::LocalHost));
    write("one-thread/standard.qcf", kStandardFile);
    const QString path = write(
        "one-thread/site.csv",
        QStringLiteral("panel,port,file\nA,%1,standard.qcf\nB,%2,standard.qcf\nC,%3,standard.qcf\n")
            .arg(portA, portB, QStringLiteral("tcp://127.0.0.1:%1").arg(silent.serverPort()))
            .toUtf8());
    const site::Inventory inventory = *site::readInventory(path).inventory;

    auto audit = std::make_unique<site::Audit>(inventory);
    audit->setRows({0, 1});
    QThread *const here = QThread::currentThread();
    QStringList events;
    bool inThisThread = true;
    connect(audit.get(), &site::Audit::panelStarted, this, [&](int row) {
        inThisThread = inThisThread && QThread::currentThread() == here;
        events << QStringLiteral("start %1").arg(row);
    });
    connect(audit.get(), &site::Audit::cellRead, this,
            [&](int, int) { inThisThread = inThisThread && QThread::currentThread() == here; });
    QList<site::PanelResult> results;
    connect(audit.get(), &site::Audit::panelFinished, this, [&](const site::PanelResult &r) {
        inThisThread = inThisThread && QThread::currentThread() == here;
        events << QStringLiteral("end %1").arg(r.row);
        results << r;
    });
    audit->start();
    QTRY_VERIFY_WITH_TIMEOUT(!audit->isRunning(), 30000);
    QVERIFY(inThisThread);
    QCOMPARE(events.mid(0, 2), QStringList({"start 0", "start 1"})); // both before either ends
    QCOMPARE(results.size(), 2);
    for (const site::PanelResult &r : results)
        QCOMPARE(r.verdict, r.row == 0 ? site::Verdict::Holds : site::Verdict::Differs);
    QCOMPARE(site::keptCopies(inventory, "B").size(), 1);

    // Destroyed while panel A is read and C's device server has just been reached
    // (its handshake, unanswered, would take six pauses to fail).
    audit = std::make_unique<site::Audit>(inventory);
    audit->setRows({0, 2});
    int told = 0;
    connect(audit.get(), &site::Audit::panelFinished, this, [&] { ++told; });
    audit->start();
    QTRY_VERIFY_WITH_TIMEOUT(silent.hasPendingConnections(), 10000);
    QTcpSocket *line = silent.nextPendingConnection();
    audit.reset();
    QTRY_COMPARE(line->state(), QAbstractSocket::UnconnectedState);
    QTest::qWait(200); // what was on its way to A has come
    const qsizetype frames = simA.frames("RX").size();
    QTest::qWait(400); // longer than a pause: nothing more goes to A, nothing is told
    QCOMPARE(simA.frames("RX").size(), frames);
    QCOMPARE(told, 0);
    QCOMPARE(site::keptCopies(inventory, "A").size(), 1);
}

QTEST_MAIN(TestSite)
#include "tst_site.moc"
