#pragma once

#include "panel/port_failure.h"

#include <QSerialPort>
#include <QString>

class QSerialPortInfo;

// What serial ports are called on this platform and why one cannot be opened.
// One implementation per platform (port_platform_posix.cpp, port_platform_win.cpp),
// chosen by the build; everything else about the ports is the same on both, and
// the texts common to both are in port_platform.cpp.
namespace portplatform {

// The machine's first serial port, where a run starts without a better choice:
// "/dev/ttyS0", "COM1".
QString firstPort();

// The name a listed port is shown, opened and remembered by: its device path on
// POSIX ("/dev/ttyUSB0"), its port name on Windows ("COM3", not "\\.\COM3").
QString listedName(const QSerialPortInfo &info);

// The port meant by a name the user typed or gave with --port (without
// surrounding blanks): on Windows "\\.\com12", "//./COM12" and "com12" are all
// "COM12"; on POSIX the name as it is.
QString typedName(const QString &text);

// Whether a port that is not listed can still be opened by its name: a path that
// exists (a /dev/serial/by-id link) on POSIX, a DOS device name on Windows.
// Never for a pseudo-terminal, whose name goes to another program later.
bool existsUnlisted(const QString &name);

// Whether the port may be remembered as the panel's: not a pseudo-terminal of a
// simulated panel.
bool isRememberable(const QString &name);

// Why `portName` could not be opened: e.g. the group a POSIX user must join, or
// on Windows another program holding the port.
portfailure::DeviceCause openFailureCause(const QString &portName,
                                          QSerialPort::SerialPortError error,
                                          const QString &systemText);

// A port that cannot be opened: "CANNOT OPEN SERIAL PORT <name> - <cause>", e.g.
// for PermissionError on a device owned by group "dialout".
portfailure::OpenFailure openFailure(const QString &portName, QSerialPort::SerialPortError error,
                                     const QString &systemText);
// Why this user may not open a device of `owner` and `group` with the
// permission bits `mode`: join the group when the group may read and write
// it, else only the owner may open it.
portfailure::DeviceCause permissionCause(const QString &owner, const QString &group, unsigned mode);

// A second hold on a connected TCP socket's descriptor, so that once Qt has
// closed it after the connection ended, wasReset() can still tell a connection
// reset by the peer from one it closed (Qt reports both as closed by the peer).
// -1 where the platform cannot tell; unwatchSocket(-1) does nothing.
int watchSocket(qintptr descriptor);
bool wasReset(int watch);
void unwatchSocket(int watch);

// For --help: a port name to show as an example ("/dev/ttyUSB0", "COM3") and the
// paragraph on serial ports and access to them.
QString portExample();
QString portsHelp();

} // namespace portplatform
