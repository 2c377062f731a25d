#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

// What goes wrong with the panel's port, as values: why it cannot be opened, why
// a connection to a device server cannot be made or breaks, and which port was
// lost during a command. The English texts the command line, the station's report
// and the traffic log print are made of them here; the window makes its own, in
// its language, from the same values.
namespace portfailure {

// Why a connection to a device server cannot be made, or broke; also why a port
// stopped taking the bytes written.
enum class Reason {
    ConnectionRefused,    // "CONNECTION REFUSED"
    HostNotFound,         // "HOST NOT FOUND"
    ServerClosed,         // "THE DEVICE SERVER CLOSED THE CONNECTION"
    Reset,                // "THE CONNECTION WAS RESET"
    NoAnswer,             // "NO ANSWER WITHIN <number> SECONDS"
    Closed,               // "THE CONNECTION WAS CLOSED"
    NoTelnetAnswer,       // no RFC 2217 negotiation within <number> seconds
    OptionFlood,          // <number> KiB of option traffic
    TooMuchData,          // more than <number> KiB of the panel's bytes waiting
    ServerStoppedReading, // "THE DEVICE SERVER STOPPED READING"
    PortStoppedSending,   // "THE PORT STOPPED SENDING"
    Described,            // `text`: the system's or the device server's words, in capitals
};
inline constexpr Reason kLastReason = Reason::Described;

struct Why {
    Why() = default;
    Why(Reason reason, int number = 0, QString text = QString())
        : reason(reason), number(number), text(std::move(text))
    {}
    Reason reason = Reason::Described;
    int number = 0; // the seconds or KiB the reason names
    QString text;   // Described only
    bool operator==(const Why &) const = default;
};

// "CONNECTION REFUSED", "NO ANSWER WITHIN 5 SECONDS", ...
QString english(const Why &why);

// Why a serial device cannot be opened.
enum class Cause {
    NoSuchDevice,  // "NO SUCH DEVICE"
    NoSuchPort,    // a COM port that is not there: an adapter not plugged in
    AlreadyOpen,   // "IT IS ALREADY OPEN"
    InUse,         // "IT IS IN USE BY ANOTHER PROGRAM"
    MustJoinGroup, // `name`: the group that may read and write the device
    OnlyOwner,     // `name`: the owner, the only one who may open it
    Described,     // `name`: the system's words, in capitals
};
inline constexpr Cause kLastCause = Cause::Described;

struct DeviceCause {
    Cause cause = Cause::Described;
    QString name;
    bool operator==(const DeviceCause &) const = default;
};

QString english(const DeviceCause &cause);

// Why a command could not open its port.
struct OpenFailure {
    enum class Kind {
        Device,     // "CANNOT OPEN SERIAL PORT <port> - <cause>[ - PORTS FOUND: ...]"
        Address,    // a malformed network address, refused before anything is sent
        Connection, // "CANNOT CONNECT TO <port>: <why>"
    };
    Kind kind = Kind::Device;
    QString port;           // as the user gave it; a network address as it is shown
    DeviceCause device;     // Device
    QStringList portsFound; // Device: the machine's other serial ports
    QString problem;        // Address: what is wrong with it, as the address parser says
    Why why;                // Connection
    bool operator==(const OpenFailure &) const = default;
};

QString english(const OpenFailure &failure);

// A port lost while a command ran: "SERIAL PORT /dev/ttyUSB0 LOST", "CONNECTION
// TO 10.0.0.7:4001 LOST: THE CONNECTION WAS RESET".
struct Loss {
    bool network = false;
    QString port;
    std::optional<Why> why; // always set for a network connection
    bool operator==(const Loss &) const = default;
};

QString english(const Loss &loss);

} // namespace portfailure
