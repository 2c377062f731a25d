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
    NoComPortControl,     // an RFC 2217 port whose device server does not offer it
    SettingsRefused,      // an RFC 2217 device server that kept other line settings
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

// What is wrong with a network address, as the address is read; `part` is the
// piece of the address it names, as written.
struct AddressProblem {
    enum class Kind {
        None,
        UnknownScheme,       // "NO PORT OF THE KIND "<part>""
        NoHost,              // "NO HOST"
        NotIpv6,             // ""<part>" IS NOT AN IPV6 ADDRESS"
        NotIpv4,             // ""<part>" IS NOT AN IPV4 ADDRESS"
        NotHostName,         // ""<part>" IS NOT A HOST NAME"
        NoPortNumber,        // "NO PORT NUMBER"
        UnexpectedAfterHost, // "UNEXPECTED "<part>" AFTER THE HOST"
        UnexpectedAfterPort, // "UNEXPECTED "<part>" AFTER THE PORT NUMBER"
        NotPortNumber,       // ""<part>" IS NOT A PORT NUMBER FROM 1 TO 65535"
        NoClosingBracket,    // "NO "]" AFTER THE IPV6 ADDRESS"
        Ipv6NotBracketed,    // "AN IPV6 ADDRESS GOES IN BRACKETS, E.G. [FE80::1]:4001"
    };
    static constexpr Kind kLastKind = Kind::Ipv6NotBracketed;

    AddressProblem() = default;
    AddressProblem(Kind kind, QString part = QString()) : kind(kind), part(std::move(part)) {}
    Kind kind = Kind::None;
    QString part;
    bool failed() const { return kind != Kind::None; }
    // `part` in quotation marks, as every language's text names it.
    QString quotedPart() const { return QLatin1Char('"') + part + QLatin1Char('"'); }
    bool operator==(const AddressProblem &) const = default;
};

QString english(const AddressProblem &problem);

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
    AddressProblem problem; // Address: what is wrong with it
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
