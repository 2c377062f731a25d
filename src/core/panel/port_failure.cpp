#include "port_failure.h"

namespace portfailure {

QString english(const Why &why)
{
    switch (why.reason) {
    case Reason::ConnectionRefused:
        return QStringLiteral("CONNECTION REFUSED");
    case Reason::HostNotFound:
        return QStringLiteral("HOST NOT FOUND");
    case Reason::ServerClosed:
        return QStringLiteral("THE DEVICE SERVER CLOSED THE CONNECTION");
    case Reason::Reset:
        return QStringLiteral("THE CONNECTION WAS RESET");
    case Reason::NoAnswer:
        return QStringLiteral("NO ANSWER WITHIN %1 SECONDS").arg(why.number);
    case Reason::Closed:
        return QStringLiteral("THE CONNECTION WAS CLOSED");
    case Reason::NoTelnetAnswer:
        return QStringLiteral("NO RFC 2217 ANSWER WITHIN %1 SECONDS - IN RAW TCP MODE USE TCP://")
            .arg(why.number);
    case Reason::OptionFlood:
        return QStringLiteral(
                   "THE DEVICE SERVER FLOODED THE CONNECTION WITH %1 KIB OF OPTION TRAFFIC")
            .arg(why.number);
    case Reason::TooMuchData:
        return QStringLiteral("THE DEVICE SERVER SENT MORE THAN %1 KIB THAT NO PANEL SENDS")
            .arg(why.number);
    case Reason::ServerStoppedReading:
        return QStringLiteral("THE DEVICE SERVER STOPPED READING");
    case Reason::PortStoppedSending:
        return QStringLiteral("THE PORT STOPPED SENDING");
    case Reason::NoComPortControl:
        return QStringLiteral("THE DEVICE SERVER DOES NOT OFFER RFC 2217 (COM PORT CONTROL) - IN "
                              "RAW TCP MODE USE TCP://");
    case Reason::SettingsRefused:
        return QStringLiteral("THE DEVICE SERVER DID NOT SET 9600 BAUD, 8 DATA BITS, NO PARITY, 1 "
                              "STOP BIT");
    case Reason::Described:
        break;
    }
    return why.text;
}

QString english(const DeviceCause &cause)
{
    switch (cause.cause) {
    case Cause::NoSuchDevice:
        return QStringLiteral("NO SUCH DEVICE");
    case Cause::NoSuchPort:
        return QStringLiteral(
            "NO SUCH PORT - A USB ADAPTER MUST BE PLUGGED IN AND ITS DRIVER INSTALLED");
    case Cause::AlreadyOpen:
        return QStringLiteral("IT IS ALREADY OPEN");
    case Cause::InUse:
        return QStringLiteral("IT IS IN USE BY ANOTHER PROGRAM");
    case Cause::MustJoinGroup:
        return QStringLiteral("PERMISSION DENIED: THE USER MUST BE IN GROUP \"%1\"")
            .arg(cause.name);
    case Cause::OnlyOwner:
        return QStringLiteral("PERMISSION DENIED: ONLY ITS OWNER \"%1\" MAY OPEN IT - GIVE THE "
                              "DEVICE TO A GROUP THE USER IS IN WITH A UDEV RULE (GROUP "
                              "\"dialout\", MODE 0660), OR ASK AN ADMINISTRATOR")
            .arg(cause.name);
    case Cause::Described:
        break;
    }
    return cause.name;
}

QString english(const AddressProblem &problem)
{
    using Kind = AddressProblem::Kind;
    const QString part = problem.quotedPart();
    switch (problem.kind) {
    case Kind::None:
        break;
    case Kind::UnknownScheme:
        return QStringLiteral("NO PORT OF THE KIND ") + part;
    case Kind::NoHost:
        return QStringLiteral("NO HOST");
    case Kind::NotIpv6:
        return part + QStringLiteral(" IS NOT AN IPV6 ADDRESS");
    case Kind::NotIpv4:
        return part + QStringLiteral(" IS NOT AN IPV4 ADDRESS");
    case Kind::NotHostName:
        return part + QStringLiteral(" IS NOT A HOST NAME");
    case Kind::NoPortNumber:
        return QStringLiteral("NO PORT NUMBER");
    case Kind::UnexpectedAfterHost:
        return QStringLiteral("UNEXPECTED ") + part + QStringLiteral(" AFTER THE HOST");
    case Kind::UnexpectedAfterPort:
        return QStringLiteral("UNEXPECTED ") + part + QStringLiteral(" AFTER THE PORT NUMBER");
    case Kind::NotPortNumber:
        return part + QStringLiteral(" IS NOT A PORT NUMBER FROM 1 TO 65535");
    case Kind::NoClosingBracket:
        return QStringLiteral("NO \"]\" AFTER THE IPV6 ADDRESS");
    case Kind::Ipv6NotBracketed:
        return QStringLiteral("AN IPV6 ADDRESS GOES IN BRACKETS, E.G. [FE80::1]:4001");
    }
    return QString();
}

QString english(const OpenFailure &failure)
{
    switch (failure.kind) {
    case OpenFailure::Kind::Device: {
        QString text = QStringLiteral("CANNOT OPEN SERIAL PORT %1 - ").arg(failure.port) +
                       english(failure.device);
        if (!failure.portsFound.isEmpty())
            text +=
                QStringLiteral(" - PORTS FOUND: ") + failure.portsFound.join(QStringLiteral(", "));
        return text;
    }
    case OpenFailure::Kind::Address:
        return QStringLiteral("CANNOT USE %1 AS THE PANEL'S PORT: %2 - WRITE TCP://HOST:PORT OR "
                              "RFC2217://HOST:PORT")
            .arg(failure.port, english(failure.problem));
    case OpenFailure::Kind::Connection:
        return QStringLiteral("CANNOT CONNECT TO %1: %2").arg(failure.port, english(failure.why));
    }
    return QString();
}

QString english(const Loss &loss)
{
    if (loss.network)
        return QStringLiteral("CONNECTION TO %1 LOST: %2")
            .arg(loss.port, loss.why ? english(*loss.why) : QString());
    QString text = QStringLiteral("SERIAL PORT %1 LOST").arg(loss.port);
    if (loss.why)
        text += QStringLiteral(": ") + english(*loss.why);
    return text;
}

} // namespace portfailure
