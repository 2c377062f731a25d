// Panels behind a device server: the port addresses, the RFC 2217 codec on byte
// fixtures, and the commands end to end through Debian's ser2net (raw and RFC
// 2217) in front of the simulator's pseudo-terminal, and against the simulator's
// own network modes for the failures.

#include "command_line.h"
#include "form1_helpers.h"
#include "headless.h"
#include "panel/cell_walk.h"
#include "panel/panel_link.h"
#include "panel/panel_transfer.h"
#include "panel/port_address.h"
#include "panel/port_choice.h"
#include "panel/rfc2217.h"
#include "simulated_panel.h"

#include <QComboBox>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>

using portaddress::Kind;

// ser2net on a free loopback port in front of a serial device, raw or RFC 2217,
// stopped with the object.
class DeviceServer
{
public:
    ~DeviceServer()
    {
        m_process.terminate();
        m_process.waitForFinished(3000);
    }

    // The address to give the program, empty when ser2net did not come up.
    QString start(const QString &device, bool rfc2217, const QString &folder)
    {
        const QString program = QStandardPaths::findExecutable(
            QStringLiteral("ser2net"), {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")});
        if (program.isEmpty())
            return QString();
        const quint16 port = freePort();
        const QString accepter =
            QStringLiteral("%1tcp,127.0.0.1,%2").arg(rfc2217 ? "telnet(rfc2217)," : "").arg(port);
        m_process.setStandardOutputFile(QProcess::nullDevice());
        m_process.setStandardErrorFile(QProcess::nullDevice());
        // -n -d: in the foreground; -u: no UUCP lock files; a pid file of its own.
        m_process.start(program, {"-n", "-d", "-u", "-P", folder + "/ser2net.pid", "-Y",
                                  "connection: &panel", "-Y", "  accepter: " + accepter, "-Y",
                                  "  connector: serialdev," + device + ",9600n81,local"});
        if (!m_process.waitForStarted(5000) || !listening(port))
            return QString();
        return QStringLiteral("%1://127.0.0.1:%2").arg(rfc2217 ? "rfc2217" : "tcp").arg(port);
    }

private:
    static quint16 freePort()
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        return probe.serverPort();
    }

    // Whether the port is listening (state 0A in /proc/net/tcp) within 5 s; the
    // check opens no connection, which ser2net would take for a user.
    bool listening(quint16 port)
    {
        const QByteArray local = QByteArrayLiteral("0100007F:") +
                                 QByteArray::number(port, 16).toUpper().rightJustified(4, '0');
        for (int i = 0; i < 250 && m_process.state() == QProcess::Running; ++i) {
            QFile tcp(QStringLiteral("/proc/net/tcp"));
            if (tcp.open(QIODevice::ReadOnly) &&
                tcp.readAll().contains(local + " 00000000:0000 0A"))
                return true;
            QTest::qWait(20);
        }
        return false;
    }

    QProcess m_process;
};

class TestNetwork : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void addresses_data();
    void addresses();
    void rememberedAddress();
    void rfc2217NegotiatesWithARealServer();
    void rfc2217KeepsDataApartFromOptions();
    void rfc2217Refusals();
    void throughSer2net_data();
    void throughSer2net();
    void windowOverTheNetwork();
    void serverStopsMidWrite();
    void failuresBeforeAnythingIsSent();
    void serverThatNeverNegotiates();
    void slowLinkIsRightOrRed_data();
    void slowLinkIsRightOrRed();
    void lateRepliesOnACable();
    void serverThatFloods();

private:
    int run(const QStringList &arguments);
    QString status(Form1 &w) { return w.findChild<QTextEdit *>("Text1")->toPlainText(); }

    QTemporaryDir dir;
    QString out, err;
};

int TestNetwork::run(const QStringList &arguments)
{
    out.clear();
    err.clear();
    QTextStream o(&out), e(&err);
    return headless::run(parseCommandLine(QStringList{"switchpanel-config"} + arguments), o, e);
}

void TestNetwork::addresses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("hostAndPort"); // or what is wrong
    QTest::newRow("device") << " /dev/ttyUSB0 " << Kind::SerialDevice << "";
    QTest::newRow("COM") << "COM3" << Kind::SerialDevice << "";
    QTest::newRow("ipv4") << "tcp://10.0.0.7:4001" << Kind::Tcp << "10.0.0.7:4001";
    QTest::newRow("name, any case")
        << "RFC2217://panel-bridge.local:2217" << Kind::Rfc2217 << "panel-bridge.local:2217";
    QTest::newRow("ipv6") << "tcp://[fe80::1]:4001" << Kind::Tcp << "[fe80::1]:4001";
    QTest::newRow("no port") << "tcp://10.0.0.7" << Kind::Tcp << "NO PORT NUMBER";
    QTest::newRow("no host") << "rfc2217://:4001" << Kind::Rfc2217 << "NO HOST";
    QTest::newRow("port 0") << "tcp://h:0" << Kind::Tcp << "\"0\" IS NOT A PORT NUMBER";
    QTest::newRow("port too big") << "tcp://h:65536" << Kind::Tcp << "\"65536\" IS NOT A PORT";
    QTest::newRow("after port") << "tcp://h:4001/x" << Kind::Tcp << "UNEXPECTED \"/x\" AFTER";
    QTest::newRow("bare ipv6") << "tcp://fe80::1:4001" << Kind::Tcp << "GOES IN BRACKETS";
    QTest::newRow("open bracket") << "tcp://[fe80::1:4001" << Kind::Tcp << "NO \"]\"";
    QTest::newRow("ipv4 in brackets") << "tcp://[10.0.0.7]:1" << Kind::Tcp << "NOT AN IPV6";
    QTest::newRow("bad ipv4") << "tcp://10.0.0.300:1" << Kind::Tcp << "NOT AN IPV4";
    QTest::newRow("blank in name") << "tcp://my host:1" << Kind::Tcp << "NOT A HOST NAME";
    QTest::newRow("other kind") << "socket://h:1" << Kind::Unsupported << "NO PORT OF THE KIND";
}

void TestNetwork::addresses()
{
    QFETCH(QString, text);
    QFETCH(Kind, kind);
    QFETCH(QString, hostAndPort);
    const portaddress::Address a = portaddress::parse(text);
    QCOMPARE(a.kind, kind);
    QCOMPARE(portaddress::isNetworkAddress(text), kind != Kind::SerialDevice);
    if (a.isUsable()) {
        QCOMPARE(a.isNetwork() ? a.hostAndPort() : QString(), hostAndPort);
        return;
    }
    const QString problem = portfailure::english(a.problem);
    QVERIFY2(problem.contains(hostAndPort), qPrintable(problem));
    // Refused before anything is sent, naming the address as typed and what is wrong.
    const CommandLine cl = parseCommandLine({"switchpanel-config", "--port", text});
    QCOMPARE(cl.mode, CommandLine::Mode::Error);
    QVERIFY2(cl.message.contains(text.trimmed() + " AS THE PANEL'S PORT: " + problem),
             qPrintable(cl.message));
}

void TestNetwork::rememberedAddress()
{
    // Never looked for as a file: taken while there is nothing of that name.
    portchoice::rememberPort(QStringLiteral("rfc2217://bridge:2217"));
    QCOMPARE(portchoice::startingPort({}, {}, portchoice::rememberedPort()),
             QStringLiteral("rfc2217://bridge:2217"));
    portchoice::rememberPort(QStringLiteral("tcp://bridge")); // unusable: not kept
    QCOMPARE(portchoice::rememberedPort(), QStringLiteral("rfc2217://bridge:2217"));
}

// ser2net's own greeting and answers as captured from it: the client refuses
// echo, sets the line once the server takes COM-PORT-OPTION, and is ready once
// the four settings are confirmed, however the bytes are cut.
void TestNetwork::rfc2217NegotiatesWithARealServer()
{
    const QByteArray fromServer =
        QByteArray::fromHex("fffb03fffd03fffb01fffe01fffd00fffb00fffd2c" // options
                            "fffa2c6b00fff0fffd03"                       // modem state, SGA again
                            "fffa2c6500002580fff0fffa2c6608fff0fffa2c6701fff0fffa2c6801fff0");
    const QByteArray settings =
        QByteArray::fromHex("fffa2c0100002580fff0fffa2c0208fff0fffa2c0301fff0fffa2c0401fff0");
    for (int cut = 1; cut <= fromServer.size(); cut += fromServer.size() - 1) {
        rfc2217::Client client;
        QCOMPARE(client.takeOutgoing().toHex(), QByteArray("fffb00fffd00fffb03fffd03fffb2c"));
        QByteArray data;
        for (qsizetype at = 0; at < fromServer.size(); at += cut)
            data += client.receive(
                QByteArrayView(fromServer).sliced(at, qMin(cut, fromServer.size() - at)));
        QVERIFY(data.isEmpty());
        QCOMPARE(client.takeOutgoing().toHex(), ("fffe01" + settings.toHex()));
        QCOMPARE(client.state(), rfc2217::Client::State::Ready);
        // Offers repeated: only the refusal of echo is said again, nothing loops.
        client.receive(fromServer.first(21));
        QCOMPARE(client.takeOutgoing().toHex(), QByteArray("fffe01"));
        QCOMPARE(client.state(), rfc2217::Client::State::Ready);
    }
}

void TestNetwork::rfc2217KeepsDataApartFromOptions()
{
    rfc2217::Client client;
    // Binary agreed both ways: bytes go as they are, 0xFF doubled.
    client.receive(QByteArray::fromHex("fffd00fffb00"));
    QCOMPARE(client.encode(QByteArray::fromHex("5300ff0d0044")).toHex(),
             QByteArray("5300ffff0d0044"));
    // A reply with a 0xFF (doubled), a 0xF0 after it that is data, a NOP, and line
    // state reports (with a doubled 0xFF inside) cut into the middle of it.
    const QByteArray stream = QByteArray::fromHex("00fffff0fff158fffa2c6aff"
                                                  "fffff00d"
                                                  "fffa2c6b00fff0"
                                                  "31");
    QByteArray data;
    for (const char c : stream) // one byte at a time: state kept across chunks
        data += client.receive(QByteArrayView(&c, 1));
    QCOMPARE(data.toHex(), QByteArray("00fff0580d31"));

    // Without binary (NVT), a CR goes as CR NUL and comes back as CR.
    rfc2217::Client nvt;
    QCOMPARE(nvt.encode("\r\x01").toHex(), QByteArray("0d0001"));
    QCOMPARE(nvt.receive(QByteArray::fromHex("30300d0030")).toHex(), QByteArray("30300d30"));
}

void TestNetwork::rfc2217Refusals()
{
    rfc2217::Client refused;
    refused.receive(QByteArray::fromHex("fffe2c"));
    QCOMPARE(refused.state(), rfc2217::Client::State::Refused);
    QVERIFY(portfailure::english(*refused.problem()).contains("DOES NOT OFFER RFC 2217"));

    rfc2217::Client other; // the server keeps 19200 baud
    other.receive(QByteArray::fromHex("fffd2cfffa2c6500004b00fff0"));
    QCOMPARE(other.state(), rfc2217::Client::State::SettingsRefused);
    QVERIFY(portfailure::english(*other.problem()).contains("DID NOT SET 9600 BAUD"));
}

void TestNetwork::throughSer2net_data()
{
    QTest::addColumn<bool>("rfc2217");
    QTest::newRow("raw") << false;
    QTest::newRow("rfc2217") << true;
}

// Write, read and compare as on a cable, through a real device server.
void TestNetwork::throughSer2net()
{
    QFETCH(bool, rfc2217);
    QTemporaryDir folder;
    SimulatedPanel sim(folder.path());
    DeviceServer server;
    const QString address = server.start(sim.start({}), rfc2217, folder.path());
    QVERIFY2(!address.isEmpty(), "ser2net did not start (scripts/setup all installs it)");

    QFile file(folder.filePath("standard.qcf"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(kStandardFile) > 0);
    file.close();
    QCOMPARE(run({"--write-panel", file.fileName(), "--port", address}), headless::kDone);
    QVERIFY2(out.endsWith("SWITCH PANEL HAS BEEN PROGRAMMED\n"), qPrintable(out));
    QList<int> expected(21, 160);
    expected[0] = 23;
    expected[20] = 151;
    QCOMPARE(sim.cells(), expected);
    QVERIFY(SimulatedPanel::readThenWrite(sim.frames("RX"), 0)); // exactly the designed bytes

    const QString read = folder.filePath("found.qcf");
    QCOMPARE(run({"--read-panel", read, "--port", address}), headless::kDone);
    QFile found(read);
    QVERIFY(found.open(QIODevice::ReadOnly));
    QVERIFY(found.readAll().startsWith("\"found\",\"\",23,\"\",160,"));
    QCOMPARE(run({"--compare", file.fileName(), "--port", address}), headless::kDone);
}

// The window's commands on a typed address, and the address remembered after.
void TestNetwork::windowOverTheNetwork()
{
    SimulatedPanel sim(dir.path());
    const QString address = sim.start({"--rfc2217", "0"});
    QVERIFY(address.startsWith("rfc2217://127.0.0.1:"));
    Form1 w;
    discardUnsavedEdits(w);
    w.setBackupBeforeWrite(false);
    w.show();
    w.findChild<QComboBox *>("Combo1")->setEditText(address);
    chooseAll(w);
    w.WRITE_CONFIG_Click();
    QVERIFY(commandEnded(w));
    QCOMPARE(status(w), QStringLiteral("SWITCH PANEL HAS BEEN PROGRAMMED"));
    w.READ_CONFIG_Click();
    QVERIFY(commandEnded(w));
    QCOMPARE(status(w), QStringLiteral("SWITCH PANEL DATA READ SUCCESSFUL"));
    QCOMPARE(w.record().sw(1).code, expectedCodeOfChooseAll(0));
    QVERIFY(!w.link().isOpen());
    QCOMPARE(portchoice::rememberedPort(), address);
    // Kept as every read is, under a name any system takes: "... read rfc2217 127.0.0.1-N.qcf".
    const QString port = QString(address).replace("://", " ").replace(':', '-');
    QVERIFY2(w.lastBackup().endsWith(" read " + port + ".qcf"), qPrintable(w.lastBackup()));
}

// A device server that goes mid-write: the cells written so far are reported as
// for a pulled cable, and the failure names the address and the cause.
void TestNetwork::serverStopsMidWrite()
{
    QFile file(dir.filePath("standard.qcf"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(kStandardFile) > 0);
    file.close();
    SimulatedPanel sim(dir.path());
    const QString address = sim.start({"--tcp", "0", "--hangup-at", "5"});
    QCOMPARE(run({"--write-panel", file.fileName(), "--port", address}), headless::kPanelFailed);
    const QStringList lines = out.trimmed().split('\n');
    QCOMPARE(lines.size(), 7);
    QCOMPARE(lines.filter("COMMUNICATIONS OK").size(), 5);
    QVERIFY2(lines[5].startsWith(" 5  SW6") && lines[5].endsWith("NOT ACKNOWLEDGED"),
             qPrintable(lines[5]));
    QCOMPARE(lines[6],
             "COMMUNICATIONS FAILURE-BAD SWITCH PANEL DATA - CONNECTION TO " + address.mid(6) +
                 " LOST: THE DEVICE SERVER CLOSED THE CONNECTION - 5 OF 21 CELLS WRITTEN");
}

void TestNetwork::failuresBeforeAnythingIsSent()
{
    quint16 closedPort;
    {
        QTcpServer gone;
        gone.listen(QHostAddress::LocalHost);
        closedPort = gone.serverPort();
    }
    Form1 w;
    w.show();
    auto *combo = w.findChild<QComboBox *>("Combo1");
    combo->setEditText(QStringLiteral("tcp://127.0.0.1:%1").arg(closedPort));
    w.READ_CONFIG_Click();
    QVERIFY(commandEnded(w));
    QCOMPARE(status(w),
             QStringLiteral("CANNOT CONNECT TO 127.0.0.1:%1: CONNECTION REFUSED").arg(closedPort));
    QCOMPARE(w.findChild<QTextEdit *>("Text1")->palette().color(QPalette::Base), QColor(255, 0, 0));

    combo->setEditText(QStringLiteral("rfc2217://[::1]"));
    w.READ_CONFIG_Click();
    QVERIFY(commandEnded(w));
    QCOMPARE(status(w), QStringLiteral("CANNOT USE rfc2217://[::1] AS THE PANEL'S PORT: NO PORT "
                                       "NUMBER - WRITE TCP://HOST:PORT OR RFC2217://HOST:PORT"));
    QVERIFY(!w.link().isOpen());
}

// Connected, but no Telnet answer (a device server in raw mode, a wrong port):
// the command ends after the connection's time-out instead of hanging.
void TestNetwork::serverThatNeverNegotiates()
{
    QTcpServer silent;
    QVERIFY(silent.listen(QHostAddress::LocalHost));
    QFile file(dir.filePath("standard.qcf"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(kStandardFile) > 0);
    file.close();
    const QString address = QStringLiteral("rfc2217://localhost:%1").arg(silent.serverPort());
    QCOMPARE(run({"--compare", file.fileName(), "--port", address}), headless::kPanelFailed);
    QVERIFY2(err.contains(QStringLiteral("CANNOT CONNECT TO localhost:%1: NO RFC 2217 ANSWER")
                              .arg(silent.serverPort())),
             qPrintable(err));
}

// The panel behind a relay that holds back every chunk in each direction: a site
// network or a VPN between the device server and the program.
class SlowRelay
{
public:
    ~SlowRelay()
    {
        m_process.terminate();
        m_process.waitForFinished(3000);
    }
    QString start(const QString &target, const QString &delayMs, int seed)
    {
        m_process.start(QStringLiteral("python3"),
                        {QStringLiteral(SUPPORT_DIR "/delay_relay.py"), "--target", target.mid(6),
                         "--delay-ms", delayMs, "--seed", QString::number(seed)});
        if (!m_process.waitForStarted(5000) || !m_process.waitForReadyRead(5000))
            return QString();
        return QString::fromLatin1(m_process.readLine()).trimmed();
    }

private:
    QProcess m_process;
};

// Every cell a different value, so that a reply taken for the wrong frame shows.
static QByteArray distinctCells()
{
    QByteArray cells;
    for (int n = 0; n < 21; ++n)
        cells += QByteArray::number((n * 37 + 11) % 161) + ' ';
    return cells;
}

void TestNetwork::slowLinkIsRightOrRed_data()
{
    QTest::addColumn<QString>("delayMs"); // each way
    QTest::addColumn<int>("runs");
    QTest::addColumn<bool>("mustSucceed");
    QTest::newRow("250 ms round trip") << "125" << 1 << true;
    QTest::newRow("80 to 300 ms, at random") << "40-150" << 6 << false;
}

// Over a link slower than the pauses, a read is right (only slower) or red, never
// green with another cell's value; the read-back of each cell written must match.
void TestNetwork::slowLinkIsRightOrRed()
{
    QFETCH(QString, delayMs);
    QFETCH(int, runs);
    QFETCH(bool, mustSucceed);
    QTemporaryDir folder;
    SimulatedPanel sim(folder.path());
    const QByteArray cells = distinctCells();
    const QString panel = sim.start({"--tcp", "0"}, cells);
    QList<int> held;
    for (const QByteArray &v : cells.simplified().split(' '))
        held << v.toInt();
    for (int run = 0; run < runs; ++run) {
        SlowRelay relay;
        PanelLink link;
        link.setPortName(relay.start(panel, delayMs, run));
        PanelTransfer transfer(link);
        QSignalSpy finished(&transfer, &PanelTransfer::finished);
        // Every cell read as the read command reads it; without mustSucceed the
        // read ends after the run's four neighbouring cells.
        const int last = mustSucceed ? 20 : 4 * run % 17 + 3;
        QList<int> wrong;
        int replyWaitMs = 0;
        connect(&transfer, &PanelTransfer::cellDone, [&](int n, const cellwalk::Cell &cell, bool) {
            if (cell.result == cellwalk::CellResult::Ok && cell.value != held[n])
                wrong << n;
            replyWaitMs = link.replyWaitMs();
            if (n >= last && !mustSucceed)
                transfer.abort();
        });
        QVERIFY(transfer.startRead());
        QVERIFY(finished.wait(60000));
        QVERIFY(transfer.opened());
        QVERIFY(!link.isOpen());
        QCOMPARE(wrong, QList<int>());
        if (mustSucceed) { // the whole read, as --read-panel does it
            const cellwalk::PanelRead &read = transfer.panelRead();
            QCOMPARE(int(read.outcome), int(cellwalk::Outcome::Done));
            QCOMPARE(QList<int>(read.codes.begin(), read.codes.end()), held);
            QVERIFY2(replyWaitMs > 250, qPrintable(QString::number(replyWaitMs)));
        }
    }
}

// On a cable, too, a reply that comes after its wait is never another frame's:
// with every reply 250 ms late a read ends red, or right (a late reply to a read
// frame repeated for the same cell answers the same question), never with a
// neighbour's value.
void TestNetwork::lateRepliesOnACable()
{
    QTemporaryDir folder;
    SimulatedPanel sim(folder.path());
    QStringList late = {"--late-ms", "250"};
    for (int n = 0; n < 21; ++n)
        late << "--late-reply" << QString::number(n);
    PanelLink link;
    link.setPortName(sim.start(late, distinctCells()));
    PanelTransfer transfer(link);
    QSignalSpy finished(&transfer, &PanelTransfer::finished);
    QVERIFY(transfer.startRead());
    QVERIFY(finished.wait(60000));
    QVERIFY(transfer.opened());
    const cellwalk::PanelRead read = transfer.panelRead();
    QCOMPARE(link.replyWaitMs(), 100); // a serial line keeps the designed waits
    if (read.outcome == cellwalk::Outcome::Done) {
        QList<int> held;
        for (const QByteArray &v : distinctCells().simplified().split(' '))
            held << v.toInt();
        QCOMPARE(QList<int>(read.codes.begin(), read.codes.end()), held);
    } else {
        QCOMPARE(int(read.outcome), int(cellwalk::Outcome::CellFailed));
    }
}

// A server that takes COM-PORT-OPTION and sets the line, then floods the
// connection with requests (9 MB of IAC DO ECHO) and never reads: the command
// ends at once, saying so, instead of buffering and answering for ever.
void TestNetwork::serverThatFloods()
{
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    connect(&server, &QTcpServer::newConnection, &server, [&server] {
        QTcpSocket *socket = server.nextPendingConnection();
        socket->setReadBufferSize(1);
        socket->write(QByteArray::fromHex("fffd2cfffa2c6500002580fff0fffa2c6608fff0fffa2c6701fff0"
                                          "fffa2c6801fff0"));
        socket->write(QByteArray::fromHex("fffd01").repeated(3 * 1024 * 1024));
    });
    QFile file(dir.filePath("standard.qcf"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(kStandardFile) > 0);
    file.close();
    QElapsedTimer t;
    t.start();
    QCOMPARE(run({"--compare", file.fileName(), "--port",
                  QStringLiteral("rfc2217://127.0.0.1:%1").arg(server.serverPort())}),
             headless::kPanelFailed);
    QVERIFY2(t.elapsed() < 10000, qPrintable(QString::number(t.elapsed())));
    QVERIFY2(err.contains("FLOODED THE CONNECTION") || out.contains("FLOODED THE CONNECTION"),
             qPrintable(out + err));

    // A server that resets the connection as the handshake comes in (closing with
    // bytes unread sends a reset): the failure says it was reset, not closed.
    QTcpServer resetting;
    QVERIFY(resetting.listen(QHostAddress::LocalHost));
    connect(&resetting, &QTcpServer::newConnection, &resetting, [&resetting] {
        QTcpSocket *socket = resetting.nextPendingConnection();
        socket->setReadBufferSize(1);
        QTimer::singleShot(150, socket, [socket] { socket->abort(); });
    });
    QCOMPARE(run({"--compare", file.fileName(), "--port",
                  QStringLiteral("tcp://127.0.0.1:%1").arg(resetting.serverPort())}),
             headless::kPanelFailed);
    QVERIFY2((out + err).contains("LOST: THE CONNECTION WAS RESET"), qPrintable(out + err));
}

QTEST_MAIN(TestNetwork)
#include "tst_network.moc"
