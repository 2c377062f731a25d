// Which serial ports are offered, in which order, and which one a run starts on.

#include "panel/cell_walk.h"
#include "panel/panel_link.h"
#include "panel/port_choice.h"
#include "panel/port_platform.h"

#include <QTest>
#include <QTimer>

using portchoice::PortDescription;

class TestPortChoice : public QObject
{
    Q_OBJECT
private slots:
    void entriesAndStartingPort();
    void textOfTheDropDown();
    void englishTexts();
    void windowsPortNames();
};

void TestPortChoice::entriesAndStartingPort()
{
    const QList<PortDescription> none;
    const QList<PortDescription> builtIn = {{"/dev/ttyS10", "", "", false},
                                            {"/dev/ttyS2", "", "", false}};
    const QList<PortDescription> adapters = {
        {"/dev/ttyUSB1", "", "Prolific", true},
        {"/dev/ttyS0", "", "", false},
        {"/dev/ttyUSB0", "FT232R USB UART", "FTDI", true},
    };

    QCOMPARE(portchoice::entries(none).size(), 0);
    QCOMPARE(portchoice::startingPort(none, {}, {}), portplatform::firstPort());

    // Name order counts numbers as numbers.
    const auto inOrder = portchoice::entries(builtIn);
    QCOMPARE(inOrder.value(0).path, QStringLiteral("/dev/ttyS2"));
    QCOMPARE(inOrder.value(0).text, QStringLiteral("/dev/ttyS2"));
    QCOMPARE(portchoice::startingPort(builtIn, {}, {}), portplatform::firstPort());

    // Built-in ports before adapters; the description, else the manufacturer.
    const auto mixed = portchoice::entries(adapters);
    QStringList texts;
    for (const auto &e : mixed)
        texts << e.text;
    QCOMPARE(texts, (QStringList{"/dev/ttyS0", "/dev/ttyUSB0 - FT232R USB UART",
                                 "/dev/ttyUSB1 - Prolific"}));
    QCOMPARE(portchoice::startingPort(adapters, {}, {}), QStringLiteral("/dev/ttyUSB0"));

    // Both kinds of USB adapter are offered after the built-in ports; the first by
    // name is where a run starts.
    const QList<PortDescription> bothKinds = {{"/dev/ttyUSB0", "FT232R USB UART", "FTDI", true},
                                              {"/dev/ttyS0", "", "", false},
                                              {"/dev/ttyACM0", "", "Arduino", true}};
    texts.clear();
    for (const auto &e : portchoice::entries(bothKinds))
        texts << e.text;
    QCOMPARE(texts, (QStringList{"/dev/ttyS0", "/dev/ttyACM0 - Arduino",
                                 "/dev/ttyUSB0 - FT232R USB UART"}));
    QCOMPARE(portchoice::startingPort(bothKinds, {}, {}), QStringLiteral("/dev/ttyACM0"));

    // The remembered port while it is there; an unplugged one is passed over.
    QCOMPARE(portchoice::startingPort(adapters, {}, "/dev/ttyUSB1"),
             QStringLiteral("/dev/ttyUSB1"));
    QCOMPARE(portchoice::startingPort(adapters, {}, "/dev/ttyUSB7"),
             QStringLiteral("/dev/ttyUSB0"));
#ifdef Q_OS_UNIX
    // A path that exists, such as a /dev/serial/by-id link, though not listed.
    QCOMPARE(portchoice::startingPort(none, {}, "/dev/null"), QStringLiteral("/dev/null"));
#endif
    QCOMPARE(portchoice::startingPort(adapters, {}, "/dev/ptmx"), QStringLiteral("/dev/ttyUSB0"));

    // The command line wins, listed or not.
    QCOMPARE(portchoice::startingPort(adapters, "/dev/pts/7", "/dev/ttyUSB1"),
             QStringLiteral("/dev/pts/7"));
}

void TestPortChoice::textOfTheDropDown()
{
    const auto entries = portchoice::entries(
        {{"/dev/ttyS0", "", "", false}, {"/dev/ttyUSB0", "FT232R USB UART", "", true}});
    QCOMPARE(portchoice::pathOfText(entries, "/dev/ttyUSB0 - FT232R USB UART"),
             QStringLiteral("/dev/ttyUSB0"));
    QCOMPARE(portchoice::pathOfText(entries, " /dev/serial/by-id/usb-x \n"),
             QStringLiteral("/dev/serial/by-id/usb-x"));
    // A port that cannot be opened is named with the other ports found.
    auto failureText = [](const QStringList &others) {
        portfailure::OpenFailure failure =
            portplatform::openFailure("/dev/ttyS5", QSerialPort::OpenError, {});
        failure.portsFound = others;
        return portfailure::english(failure);
    };
    QCOMPARE(
        failureText(portchoice::otherPorts(entries, "/dev/ttyS0")),
        QStringLiteral("CANNOT OPEN SERIAL PORT /dev/ttyS5 - IT IS ALREADY OPEN - PORTS FOUND: "
                       "/dev/ttyUSB0"));
    QCOMPARE(
        failureText(portchoice::otherPorts(entries, "/dev/ttyS5")),
        QStringLiteral("CANNOT OPEN SERIAL PORT /dev/ttyS5 - IT IS ALREADY OPEN - PORTS FOUND: "
                       "/dev/ttyS0, /dev/ttyUSB0"));
    QCOMPARE(failureText(portchoice::otherPorts(entries.mid(0, 1), "/dev/ttyS0")),
             QStringLiteral("CANNOT OPEN SERIAL PORT /dev/ttyS5 - IT IS ALREADY OPEN"));

    // A group is named only where joining it gives access.
    auto permission = [](const char *owner, const char *group, unsigned mode) {
        return portfailure::english(portplatform::permissionCause(owner, group, mode));
    };
    QVERIFY(permission("root", "dialout", 020660).contains("GROUP \"dialout\""));
    const QString ownerOnly = permission("root", "root", 020600);
    QVERIFY2(ownerOnly.contains("ONLY ITS OWNER \"root\"") && !ownerOnly.contains("GROUP \"root\""),
             qPrintable(ownerOnly));
    QVERIFY(permission("root", "uucp", 020640).contains("ONLY ITS OWNER"));
}

// The English the command line, the report and the traffic log print, made of the
// core's values: every status, cell result and ending, character for character.
void TestPortChoice::englishTexts()
{
    using namespace portfailure;
    using statustext::Status;
    const QStringList statuses = {
        "STARTING COMMUNICATIONS TO READ SWITCH PANEL CONFIGURATION",
        "STARTING COMMUNICATIONS TO WRITE SWITCH PANEL CONFIGURATION",
        "READING THE PANEL BEFORE WRITING",
        "SWITCH PANEL HAS BEEN PROGRAMMED",
        "SWITCH PANEL DATA READ SUCCESSFUL",
        "DATA MUST BE ENTERED (CLICKED) FOR ALL SWITCHES BEFORE WRITING DATA",
        "DATA MUST BE ENTERED (CLICKED) FOR ALL LED'S AND BACKLIGHTING BEFORE WRITING DATA",
        "DATA MUST BE ENTERED (CLICKED) FOR ALL LED's AND BACKLIGHTING BEFORE WRITING DATA"};
    QCOMPARE(int(statustext::kLastStatus) + 1, statuses.size());
    for (int v = 0; v < statuses.size(); ++v)
        QCOMPARE(statustext::english(Status(v)), statuses[v]);
    const QStringList cells = {"COMMUNICATIONS OK", "NOT ACKNOWLEDGED", "COMMUNICATIONS CORRUPTED",
                               "DATA FAILED TO VERIFY", "ERROR - DATA OUT OF RANGE"};
    QCOMPARE(int(cellwalk::kLastCellResult) + 1, cells.size());
    for (int v = 0; v < cells.size(); ++v)
        QCOMPARE(cellwalk::cellText(cellwalk::CellResult(v)), cells[v]);

    const QStringList reasons = {
        "CONNECTION REFUSED",
        "HOST NOT FOUND",
        "THE DEVICE SERVER CLOSED THE CONNECTION",
        "THE CONNECTION WAS RESET",
        "NO ANSWER WITHIN 5 SECONDS",
        "THE CONNECTION WAS CLOSED",
        "NO RFC 2217 ANSWER WITHIN 5 SECONDS - IN RAW TCP MODE USE TCP://",
        "THE DEVICE SERVER FLOODED THE CONNECTION WITH 5 KIB OF OPTION TRAFFIC",
        "THE DEVICE SERVER SENT MORE THAN 5 KIB THAT NO PANEL SENDS",
        "THE DEVICE SERVER STOPPED READING",
        "THE PORT STOPPED SENDING",
        "THE DEVICE SERVER DOES NOT OFFER RFC 2217 (COM PORT CONTROL) - IN RAW TCP MODE USE TCP://",
        "THE DEVICE SERVER DID NOT SET 9600 BAUD, 8 DATA BITS, NO PARITY, 1 STOP BIT",
        "NETWORK UNREACHABLE"};
    QCOMPARE(int(kLastReason) + 1, reasons.size());
    for (int v = 0; v < reasons.size(); ++v)
        QCOMPARE(english(Why(Reason(v), 5, "NETWORK UNREACHABLE")), reasons[v]);
    const QStringList causes = {
        "NO SUCH DEVICE",
        "NO SUCH PORT - A USB ADAPTER MUST BE PLUGGED IN AND ITS DRIVER INSTALLED",
        "IT IS ALREADY OPEN",
        "IT IS IN USE BY ANOTHER PROGRAM",
        "PERMISSION DENIED: THE USER MUST BE IN GROUP \"uucp\"",
        "PERMISSION DENIED: ONLY ITS OWNER \"uucp\" MAY OPEN IT - GIVE THE DEVICE TO A GROUP THE "
        "USER IS IN WITH A UDEV RULE (GROUP \"dialout\", MODE 0660), OR ASK AN ADMINISTRATOR",
        "uucp"};
    QCOMPARE(int(kLastCause) + 1, causes.size());
    for (int v = 0; v < causes.size(); ++v)
        QCOMPARE(english(DeviceCause{Cause(v), "uucp"}), causes[v]);

    const QStringList addressProblems = {"",
                                         "NO PORT OF THE KIND \"x\"",
                                         "NO HOST",
                                         "\"x\" IS NOT AN IPV6 ADDRESS",
                                         "\"x\" IS NOT AN IPV4 ADDRESS",
                                         "\"x\" IS NOT A HOST NAME",
                                         "NO PORT NUMBER",
                                         "UNEXPECTED \"x\" AFTER THE HOST",
                                         "UNEXPECTED \"x\" AFTER THE PORT NUMBER",
                                         "\"x\" IS NOT A PORT NUMBER FROM 1 TO 65535",
                                         "NO \"]\" AFTER THE IPV6 ADDRESS",
                                         "AN IPV6 ADDRESS GOES IN BRACKETS, E.G. [FE80::1]:4001"};
    QCOMPARE(int(AddressProblem::kLastKind) + 1, addressProblems.size());
    for (int v = 0; v < addressProblems.size(); ++v)
        QCOMPARE(english(AddressProblem(AddressProblem::Kind(v), "x")), addressProblems[v]);
    OpenFailure address;
    address.kind = OpenFailure::Kind::Address;
    address.port = "tcp://10.0.0.7";
    address.problem = AddressProblem::Kind::NoPortNumber;
    QCOMPARE(english(address), QStringLiteral("CANNOT USE tcp://10.0.0.7 AS THE PANEL'S PORT: NO "
                                              "PORT NUMBER - WRITE TCP://HOST:PORT OR "
                                              "RFC2217://HOST:PORT"));
    OpenFailure connection;
    connection.kind = OpenFailure::Kind::Connection;
    connection.port = "10.0.0.7:4001";
    connection.why = Why(Reason::HostNotFound);
    QCOMPARE(english(connection),
             QStringLiteral("CANNOT CONNECT TO 10.0.0.7:4001: HOST NOT FOUND"));

    // How a walk ends: done, failed, failed with the port lost, and how far a write came.
    cellwalk::Ending ending;
    ending.outcome = cellwalk::Outcome::Done;
    QCOMPARE(cellwalk::endingText(ending), QString()); // a compare says more itself
    ending.done = Status::ReadSuccessful;
    QCOMPARE(cellwalk::endingText(ending), statuses[int(Status::ReadSuccessful)]);
    ending.outcome = cellwalk::Outcome::NoResponse;
    QCOMPARE(cellwalk::endingText(ending),
             QStringLiteral("COMMUNICATIONS FAILURE SWITCH PANEL FAILED TO RESPOND"));
    ending.loss = Loss{false, "/dev/ttyUSB0", std::nullopt};
    QCOMPARE(cellwalk::endingText(ending),
             QStringLiteral("COMMUNICATIONS FAILURE SWITCH PANEL FAILED TO RESPOND - SERIAL PORT "
                            "/dev/ttyUSB0 LOST"));
    ending.outcome = cellwalk::Outcome::CellFailed;
    ending.loss = Loss{false, "/dev/ttyUSB0", Why(Reason::PortStoppedSending)};
    QCOMPARE(cellwalk::endingText(ending),
             QStringLiteral("COMMUNICATIONS FAILURE-BAD SWITCH PANEL DATA - SERIAL PORT "
                            "/dev/ttyUSB0 LOST: THE PORT STOPPED SENDING"));
    ending.loss = Loss{true, "10.0.0.7:4001", Why(Reason::ServerClosed)};
    ending.cellsWritten = 7;
    QCOMPARE(cellwalk::endingText(ending),
             QStringLiteral("COMMUNICATIONS FAILURE-BAD SWITCH PANEL DATA - CONNECTION TO "
                            "10.0.0.7:4001 LOST: THE DEVICE SERVER CLOSED THE CONNECTION - 7 OF 21 "
                            "CELLS WRITTEN"));
}

// COM ports go by their names, whatever form the user typed; the failures of an
// open say what a Windows user can do about them.
void TestPortChoice::windowsPortNames()
{
#ifndef Q_OS_WIN
    QSKIP("Windows port names");
#else
    QCOMPARE(portplatform::firstPort(), QStringLiteral("COM1"));
    QCOMPARE(portchoice::startingPort({}, {}, {}), QStringLiteral("COM1"));

    // Typed in the drop-down or given with --port; names above COM9 must keep
    // the upper-case "COM" for Qt to add the device prefix.
    const QList<portchoice::PortEntry> entries =
        portchoice::entries({{"COM10", "USB Serial Port", "FTDI", true}, {"COM2", "", "", false}});
    QCOMPARE(entries.value(0).text, QStringLiteral("COM2"));
    QCOMPARE(entries.value(1).text, QStringLiteral("COM10 - USB Serial Port"));
    for (const char *typed : {"\\\\.\\com12", "//./COM12", " com12 ", "COM12"})
        QCOMPARE(portchoice::pathOfText(entries, QString::fromLatin1(typed)),
                 QStringLiteral("COM12"));
    QCOMPARE(portchoice::pathOfText(entries, "COM10 - USB Serial Port"), QStringLiteral("COM10"));
    // Other device names keep their prefix, which Qt would not add to them.
    QCOMPARE(portplatform::typedName("\\\\.\\CNCA0"), QStringLiteral("\\\\.\\CNCA0"));
    QCOMPARE(portplatform::typedName("COM0"), QStringLiteral("COM0"));

    // A remembered port that the system does not know is passed over.
    QCOMPARE(portchoice::startingPort(portchoice::availablePorts(), {}, "COM250"),
             portchoice::startingPort(portchoice::availablePorts(), {}, {}));
    QVERIFY(!portplatform::existsUnlisted(QStringLiteral("C:\\windows")));

    QCOMPARE(portfailure::english(portplatform::openFailure("COM3", QSerialPort::PermissionError,
                                                            "Access is denied.")),
             QStringLiteral("CANNOT OPEN SERIAL PORT COM3 - IT IS IN USE BY ANOTHER PROGRAM"));
    const QString missing = portfailure::english(
        portplatform::openFailure("COM3", QSerialPort::DeviceNotFoundError, {}));
    QVERIFY2(missing.contains("NO SUCH PORT") && missing.contains("DRIVER"), qPrintable(missing));

    // A real open of a port that is not there: named as typed, the ports found
    // by their names.
    PanelLink link;
    link.setPortName(portchoice::pathOfText({}, "\\\\.\\com250"));
    link.startOpen(); // a serial device opens, or fails, at once
    QVERIFY(!link.isOpen());
    const QString failure = portfailure::english(*link.openFailure());
    QVERIFY2(failure.startsWith("CANNOT OPEN SERIAL PORT COM250 - NO SUCH PORT"),
             qPrintable(failure));
    QVERIFY2(!failure.contains("\\\\.\\"), qPrintable(failure));
#endif
}

QTEST_APPLESS_MAIN(TestPortChoice)
#include "tst_port_choice.moc"
