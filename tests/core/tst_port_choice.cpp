// Which serial ports are offered, in which order, and which one a run starts on.

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
    QCOMPARE(portchoice::portsFoundText(entries, "/dev/ttyS0"),
             QStringLiteral(" - PORTS FOUND: /dev/ttyUSB0"));
    QCOMPARE(portchoice::portsFoundText(entries, "/dev/ttyS5"),
             QStringLiteral(" - PORTS FOUND: /dev/ttyS0, /dev/ttyUSB0"));
    QCOMPARE(portchoice::portsFoundText(entries.mid(0, 1), "/dev/ttyS0"), QString());

    // A group is named only where joining it gives access.
    QVERIFY(portplatform::permissionText("root", "dialout", 020660).contains("GROUP \"dialout\""));
    const QString ownerOnly = portplatform::permissionText("root", "root", 020600);
    QVERIFY2(ownerOnly.contains("ONLY ITS OWNER \"root\"") && !ownerOnly.contains("GROUP \"root\""),
             qPrintable(ownerOnly));
    QVERIFY(portplatform::permissionText("root", "uucp", 020640).contains("ONLY ITS OWNER"));
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

    QCOMPARE(portplatform::openErrorText("COM3", QSerialPort::PermissionError, "Access is denied."),
             QStringLiteral("CANNOT OPEN SERIAL PORT COM3 - IT IS IN USE BY ANOTHER PROGRAM"));
    const QString missing =
        portplatform::openErrorText("COM3", QSerialPort::DeviceNotFoundError, {});
    QVERIFY2(missing.contains("NO SUCH PORT") && missing.contains("DRIVER"), qPrintable(missing));

    // A real open of a port that is not there: named as typed, the ports found
    // by their names.
    PanelLink link;
    link.setPortName(portchoice::pathOfText({}, "\\\\.\\com250"));
    QVERIFY(!link.openPort());
    QVERIFY2(link.errorText().startsWith("CANNOT OPEN SERIAL PORT COM250 - NO SUCH PORT"),
             qPrintable(link.errorText()));
    QVERIFY2(!link.errorText().contains("\\\\.\\"), qPrintable(link.errorText()));
#endif
}

QTEST_APPLESS_MAIN(TestPortChoice)
#include "tst_port_choice.moc"
