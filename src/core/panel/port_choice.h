#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Which serial port the panel is on: the ports the machine has, how they are
// offered to the user, and the port a run starts on. Pure functions over port
// descriptions, so that the choice is tested without hardware.
namespace portchoice {

struct PortDescription {
    QString path;         // device path, e.g. "/dev/ttyUSB0" or "COM3"
    QString description;  // what the system says the device is, e.g. "FT232R USB UART"
    QString manufacturer; // e.g. "FTDI"
    bool usb = false;     // a USB adapter rather than a port built into the machine
};

struct PortEntry {
    QString path;
    QString text; // "/dev/ttyUSB0 - FT232R USB UART", or the path alone
};

// The serial ports of this machine, as QSerialPortInfo lists them.
QList<PortDescription> availablePorts();

// One entry per port: built-in ports first, then USB adapters, each group in
// name order (ttyS2 before ttyS10).
QList<PortEntry> entries(const QList<PortDescription> &ports);

// The port a run starts on: the one given on the command line; else the one of
// the last panel command whose handshake succeeded, while it is still there (a
// listed port, or a path that exists, such as a /dev/serial/by-id link; a network
// address, tcp:// or rfc2217://, is never looked for as a file and is taken as it
// is); else the first USB adapter; else the platform's first serial port.
QString startingPort(const QList<PortDescription> &ports, const QString &commandLine,
                     const QString &remembered);

// The device path meant by the text of the drop-down: the path of the entry
// showing exactly that text, else the text as typed (without surrounding blanks).
QString pathOfText(const QList<PortEntry> &entries, const QString &text);

// The listed ports other than `tried` ("/dev/ttyUSB0", "/dev/ttyUSB1"), which a
// failure to open `tried` names.
QStringList otherPorts(const QList<PortEntry> &entries, const QString &tried);

// The port remembered between runs (last successful handshake), a device path or
// a network address as typed; pseudo-terminals are not remembered.
QString rememberedPort();
void rememberPort(const QString &path);

} // namespace portchoice
