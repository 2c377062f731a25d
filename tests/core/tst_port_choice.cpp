// Which serial ports are offered, in which order, and which one a run starts on.

#include "panel/panel_link.h"
#include "panel/port_choice.h"

#include <QTest>

using portchoice::PortDescription;

class TestPortChoice : public QObject
{
    Q_OBJECT
private slots:
    void entriesAndStartingPort();
    void textOfTheDropDown();
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
    QCOMPARE(portchoice::startingPort(none, {}, {}), PanelLink::defaultPortName());

    // Name order counts numbers as numbers.
    const auto inOrder = portchoice::entries(builtIn);
    QCOMPARE(inOrder.value(0).path, QStringLiteral("/dev/ttyS2"));
    QCOMPARE(inOrder.value(0).text, QStringLiteral("/dev/ttyS2"));
    QCOMPARE(portchoice::startingPort(builtIn, {}, {}), PanelLink::defaultPortName());

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
    QCOMPARE(portchoice::startingPort(none, {}, "/dev/null"), QStringLiteral("/dev/null"));
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
    QVERIFY(PanelLink::permissionText("root", "dialout", 020660).contains("GROUP \"dialout\""));
    const QString ownerOnly = PanelLink::permissionText("root", "root", 020600);
    QVERIFY2(ownerOnly.contains("ONLY ITS OWNER \"root\"") && !ownerOnly.contains("GROUP \"root\""),
             qPrintable(ownerOnly));
    QVERIFY(PanelLink::permissionText("root", "uucp", 020640).contains("ONLY ITS OWNER"));
}

QTEST_APPLESS_MAIN(TestPortChoice)
#include "tst_port_choice.moc"
