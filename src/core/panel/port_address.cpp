#include "port_address.h"

#include <QHostAddress>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace portaddress {

namespace {

// SCHEME:// at the start, as in URLs.
const QRegularExpression &schemePattern()
{
    static const QRegularExpression re(QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]*)://"));
    return re;
}

bool isDigits(QStringView text)
{
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// A dotted IPv4 address: four numbers 0 to 255.
bool isIpv4(const QString &host)
{
    const QStringList parts = host.split(QLatin1Char('.'));
    if (parts.size() != 4)
        return false;
    return std::all_of(parts.begin(), parts.end(), [](const QString &p) {
        return isDigits(p) && p.size() <= 3 && p.toInt() <= 255;
    });
}

// A host name: labels of letters, digits, hyphens (not at either end) and
// underscores (found in names on company networks), 1 to 63 characters each.
bool isHostName(QString host)
{
    if (host.endsWith(QLatin1Char('.'))) // the fully qualified form
        host.chop(1);
    if (host.isEmpty() || host.size() > 253)
        return false;
    static const QRegularExpression label(
        QStringLiteral("^[A-Za-z0-9_]([A-Za-z0-9_-]{0,61}[A-Za-z0-9_])?$"));
    const QStringList labels = host.split(QLatin1Char('.'));
    return std::all_of(labels.begin(), labels.end(),
                       [](const QString &l) { return label.match(l).hasMatch(); });
}

QString quoted(const QString &text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

// What is wrong with HOST, empty when nothing is.
QString hostProblem(const QString &host, bool bracketed)
{
    if (host.isEmpty())
        return QStringLiteral("NO HOST");
    if (bracketed) {
        const QHostAddress address(host);
        if (address.protocol() != QAbstractSocket::IPv6Protocol)
            return quoted(host) + QStringLiteral(" IS NOT AN IPV6 ADDRESS");
        return QString();
    }
    const bool numeric = std::all_of(host.begin(), host.end(),
                                     [](QChar c) { return c == u'.' || (c >= u'0' && c <= u'9'); });
    if (numeric)
        return isIpv4(host) ? QString() : quoted(host) + QStringLiteral(" IS NOT AN IPV4 ADDRESS");
    return isHostName(host) ? QString() : quoted(host) + QStringLiteral(" IS NOT A HOST NAME");
}

// Reads ":PORT" (or nothing) after the host into `address`; what is wrong, else empty.
QString readPort(QStringView rest, Address &address)
{
    if (rest.isEmpty() || rest == u":")
        return QStringLiteral("NO PORT NUMBER");
    if (!rest.startsWith(u':'))
        return QStringLiteral("UNEXPECTED ") + quoted(rest.toString()) +
               QStringLiteral(" AFTER THE HOST");
    const QStringView number = rest.sliced(1);
    qsizetype digits = 0;
    while (digits < number.size() && number[digits] >= u'0' && number[digits] <= u'9')
        ++digits;
    if (digits > 0 && digits < number.size())
        return QStringLiteral("UNEXPECTED ") + quoted(number.sliced(digits).toString()) +
               QStringLiteral(" AFTER THE PORT NUMBER");
    bool ok = false;
    const uint port = number.toUInt(&ok);
    if (!ok || port < 1 || port > 65535)
        return quoted(number.toString()) + QStringLiteral(" IS NOT A PORT NUMBER FROM 1 TO 65535");
    address.port = static_cast<quint16>(port);
    return QString();
}

// Reads HOST:PORT into `address`; what is wrong, else empty.
QString readHostAndPort(const QString &hostAndPort, Address &address)
{
    if (hostAndPort.startsWith(QLatin1Char('['))) {
        const qsizetype close = hostAndPort.indexOf(QLatin1Char(']'));
        if (close < 0)
            return QStringLiteral("NO \"]\" AFTER THE IPV6 ADDRESS");
        address.host = hostAndPort.mid(1, close - 1);
        if (const QString why = hostProblem(address.host, true); !why.isEmpty())
            return why;
        return readPort(QStringView(hostAndPort).sliced(close + 1), address);
    }
    const qsizetype colons = hostAndPort.count(QLatin1Char(':'));
    if (colons > 1)
        return QStringLiteral("AN IPV6 ADDRESS GOES IN BRACKETS, E.G. [FE80::1]:4001");
    const qsizetype colon =
        colons == 1 ? hostAndPort.indexOf(QLatin1Char(':')) : hostAndPort.size();
    address.host = hostAndPort.left(colon);
    if (const QString why = hostProblem(address.host, false); !why.isEmpty())
        return why;
    return readPort(QStringView(hostAndPort).sliced(colon), address);
}

} // namespace

QString Address::hostAndPort() const
{
    const QString h = host.contains(QLatin1Char(':')) ? QStringLiteral("[%1]").arg(host) : host;
    return h + QLatin1Char(':') + QString::number(port);
}

bool isNetworkAddress(const QString &text)
{
    return schemePattern().match(text.trimmed()).hasMatch();
}

Address parse(const QString &text)
{
    Address address;
    address.text = text.trimmed();
    const QRegularExpressionMatch scheme = schemePattern().match(address.text);
    if (!scheme.hasMatch())
        return address;
    const QString name = scheme.captured(1).toLower();
    if (name == QLatin1String("tcp")) {
        address.kind = Kind::Tcp;
    } else if (name == QLatin1String("rfc2217")) {
        address.kind = Kind::Rfc2217;
    } else {
        address.kind = Kind::Unsupported;
        address.problem = QStringLiteral("NO PORT OF THE KIND ") + quoted(scheme.captured(0));
        return address;
    }
    address.problem = readHostAndPort(address.text.mid(scheme.capturedLength()), address);
    if (!address.problem.isEmpty()) {
        address.host.clear();
        address.port = 0;
    }
    return address;
}

QString problemText(const Address &address)
{
    return QStringLiteral("CANNOT USE %1 AS THE PANEL'S PORT: %2 - WRITE TCP://HOST:PORT OR "
                          "RFC2217://HOST:PORT")
        .arg(address.text, address.problem);
}

} // namespace portaddress
