#pragma once

#include "panel/port_failure.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <chrono>
#include <optional>
#include <utility>

// What the text where a port goes names: a serial device ("/dev/ttyUSB0",
// "COM3"), or the panel's serial line behind a device server on the network,
// "tcp://HOST:PORT" (raw TCP) or "rfc2217://HOST:PORT" (Telnet with Com Port
// Control). HOST is a name, an IPv4 address or an IPv6 address in brackets.
// Widget-free and without sockets, so every form is tested as text; only telling
// whether two addresses are one port may look a host name up.
namespace portaddress {

enum class Kind {
    SerialDevice, // anything that is not SCHEME://...
    Tcp,          // tcp://HOST:PORT
    Rfc2217,      // rfc2217://HOST:PORT
    Unsupported,  // another SCHEME://, e.g. socket://
};

struct Address {
    Kind kind = Kind::SerialDevice;
    QString text; // as given, without surrounding blanks
    QString host; // a name or an address; an IPv6 address without its brackets
    quint16 port = 0;
    portfailure::AddressProblem problem; // what is wrong with a network address, if anything

    bool isNetwork() const { return kind != Kind::SerialDevice; }
    bool isUsable() const { return !problem.failed(); }
    // "10.0.0.7:4001", "panel-bridge.local:4001", "[fe80::1]:4001"
    QString hostAndPort() const;
};

// Reads the text of a port. A network address that cannot be used says why in
// `problem`; a serial device is never checked here (opening it tells).
Address parse(const QString &text);

// Whether the text is written as a network address (SCHEME://...), usable or not.
// Such a text is never a file: it is not looked for on the disk.
bool isNetworkAddress(const QString &text);

// The user text for an address that cannot be used, naming it and what is wrong:
// "CANNOT USE tcp://10.0.0.7 AS THE PANEL'S PORT: NO PORT NUMBER - WRITE
// TCP://HOST:PORT OR RFC2217://HOST:PORT".
QString problemText(const Address &address);
// The same as a value, for the window to put into its own words.
portfailure::OpenFailure openFailure(const Address &address);

// How long telling two addresses apart may wait for host names to be looked up.
inline constexpr std::chrono::milliseconds kLookupLimit{3000};

// Whether texts name one port. A serial device is its canonical path (a link and
// its target are one port; on Windows "com3" is "COM3"). A network address is
// its host and port number, whatever the scheme and however written: "TCP://"
// is "tcp://", ":04001" and ":+4001" are ":4001", an IPv4-mapped IPv6 address is
// its IPv4 address, and a host name is each of its addresses ("localhost" is
// "127.0.0.1"). Names are looked up (within kLookupLimit, all at once) only when
// two addresses share a port number and their hosts differ as written; a name
// that cannot be looked up is its lower-cased text.
//
// The first port of `ports` that names the same port as one before it, with that
// earlier one; nothing when every port is a port of its own.
std::optional<std::pair<QString, QString>> repeatedPort(const QStringList &ports);
// The index of the first of `ports` that names the same port as `port`, or -1.
qsizetype indexOfPort(const QStringList &ports, const QString &port);

} // namespace portaddress
