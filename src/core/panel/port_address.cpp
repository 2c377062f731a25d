#include "port_address.h"

#include "panel/port_platform.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QHostAddress>
#include <QHostInfo>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

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

using Problem = portfailure::AddressProblem;

// What is wrong with HOST, none when nothing is.
Problem hostProblem(const QString &host, bool bracketed)
{
    if (host.isEmpty())
        return Problem::Kind::NoHost;
    if (bracketed) {
        const QHostAddress address(host);
        if (address.protocol() != QAbstractSocket::IPv6Protocol)
            return {Problem::Kind::NotIpv6, host};
        return {};
    }
    const bool numeric = std::all_of(host.begin(), host.end(),
                                     [](QChar c) { return c == u'.' || (c >= u'0' && c <= u'9'); });
    if (numeric)
        return isIpv4(host) ? Problem() : Problem(Problem::Kind::NotIpv4, host);
    return isHostName(host) ? Problem() : Problem(Problem::Kind::NotHostName, host);
}

// Reads ":PORT" (or nothing) after the host into `address`; what is wrong, if anything.
Problem readPort(QStringView rest, Address &address)
{
    if (rest.isEmpty() || rest == u":")
        return Problem::Kind::NoPortNumber;
    if (!rest.startsWith(u':'))
        return {Problem::Kind::UnexpectedAfterHost, rest.toString()};
    const QStringView number = rest.sliced(1);
    qsizetype digits = 0;
    while (digits < number.size() && number[digits] >= u'0' && number[digits] <= u'9')
        ++digits;
    if (digits > 0 && digits < number.size())
        return {Problem::Kind::UnexpectedAfterPort, number.sliced(digits).toString()};
    bool ok = false;
    const uint port = number.toUInt(&ok);
    if (!ok || port < 1 || port > 65535)
        return {Problem::Kind::NotPortNumber, number.toString()};
    address.port = static_cast<quint16>(port);
    return {};
}

// Reads HOST:PORT into `address`; what is wrong, if anything.
Problem readHostAndPort(const QString &hostAndPort, Address &address)
{
    if (hostAndPort.startsWith(QLatin1Char('['))) {
        const qsizetype close = hostAndPort.indexOf(QLatin1Char(']'));
        if (close < 0)
            return Problem::Kind::NoClosingBracket;
        address.host = hostAndPort.mid(1, close - 1);
        if (const Problem why = hostProblem(address.host, true); why.failed())
            return why;
        return readPort(QStringView(hostAndPort).sliced(close + 1), address);
    }
    const qsizetype colons = hostAndPort.count(QLatin1Char(':'));
    if (colons > 1)
        return Problem::Kind::Ipv6NotBracketed;
    const qsizetype colon =
        colons == 1 ? hostAndPort.indexOf(QLatin1Char(':')) : hostAndPort.size();
    address.host = hostAndPort.left(colon);
    if (const Problem why = hostProblem(address.host, false); why.failed())
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
        address.problem = {Problem::Kind::UnknownScheme, scheme.captured(0)};
        return address;
    }
    address.problem = readHostAndPort(address.text.mid(scheme.capturedLength()), address);
    if (address.problem.failed()) {
        address.host.clear();
        address.port = 0;
    }
    return address;
}

portfailure::OpenFailure openFailure(const Address &address)
{
    portfailure::OpenFailure failure;
    failure.kind = portfailure::OpenFailure::Kind::Address;
    failure.port = address.text;
    failure.problem = address.problem;
    return failure;
}

QString problemText(const Address &address) { return portfailure::english(openFailure(address)); }

namespace {

// What a port text is compared by.
struct Identity {
    bool network = false;
    QString key;       // a device's canonical path; a host's address or lower-cased name
    quint16 port = 0;  // a network address's port number
    bool name = false; // `key` is a host name, which may be looked up
};

// An address in one form: an IPv4-mapped IPv6 address as its IPv4 address, IPv6
// in Qt's compressed lower-case form, IPv4 without leading zeros.
QString addressKey(const QHostAddress &address)
{
    bool mapped = false;
    const quint32 v4 = address.toIPv4Address(&mapped);
    return mapped ? QHostAddress(v4).toString() : address.toString();
}

Identity identityOf(const QString &text)
{
    const QString typed = portplatform::typedName(text); // COM3 and com3 are one port
    const Address address = parse(typed);
    Identity id;
    if (address.isNetwork()) {
        id.network = true;
        if (!address.isUsable()) { // refused elsewhere; compared as written
            id.key = address.text.toLower();
            return id;
        }
        id.port = address.port;
        QString host = address.host;
        if (isIpv4(host)) { // "127.000.000.001" is 127.0.0.1
            QStringList parts = host.split(QLatin1Char('.'));
            for (QString &part : parts)
                part = QString::number(part.toInt());
            host = parts.join(QLatin1Char('.'));
        }
        if (const QHostAddress literal(host); !literal.isNull()) {
            id.key = addressKey(literal);
        } else {
            id.key = host.toLower();
            if (id.key.endsWith(QLatin1Char('.'))) // the fully qualified form
                id.key.chop(1);
            id.name = true;
        }
        return id;
    }
#ifdef Q_OS_WIN
    if (!typed.contains(QLatin1Char('\\')) && !typed.contains(QLatin1Char('/'))) {
        id.key = typed;
        return id;
    }
#endif
    const QFileInfo info(typed);
    const QString canonical = info.canonicalFilePath();
    id.key = canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
    return id;
}

// The addresses of each of `names`, looked up side by side; a name not found
// within kLookupLimit has none. Each lookup runs in a thread of its own, which is
// left to end by itself when it takes longer (the system's resolver cannot be
// interrupted), so the caller never waits beyond the limit.
QHash<QString, QSet<QString>> lookUp(const QStringList &names)
{
    struct Shared {
        std::mutex mutex;
        std::condition_variable done;
        QHash<QString, QSet<QString>> found;
        qsizetype left = 0;
    };
    const auto shared = std::make_shared<Shared>();
    shared->left = names.size();
    for (const QString &name : names) {
        std::thread([shared, name] {
            QSet<QString> addresses;
            for (const QHostAddress &a : QHostInfo::fromName(name).addresses())
                addresses.insert(addressKey(a));
            const std::lock_guard lock(shared->mutex);
            shared->found.insert(name, addresses);
            --shared->left;
            shared->done.notify_all();
        }).detach();
    }
    std::unique_lock lock(shared->mutex);
    shared->done.wait_for(lock, kLookupLimit, [&] { return shared->left == 0; });
    return shared->found;
}

// Compares ports by their identities, looking names up once and only as needed.
class PortComparer
{
public:
    explicit PortComparer(const QStringList &ports)
    {
        for (const QString &port : ports)
            m_ids.push_back(identityOf(port));
    }

    // Looks up, at once, every name whose address shares a port number with
    // another network address written with another host; with `only`, for the
    // comparisons of that port alone.
    void lookUpNeeded(std::optional<size_t> only = std::nullopt)
    {
        QStringList names;
        for (size_t i = only.value_or(0); i < (only ? *only + 1 : m_ids.size()); ++i)
            for (size_t j = 0; j < i; ++j) {
                const Identity &a = m_ids[i];
                const Identity &b = m_ids[j];
                if (!a.network || !b.network || a.port != b.port || a.port == 0 || a.key == b.key)
                    continue;
                for (const Identity *id : {&a, &b})
                    if (id->name && !names.contains(id->key))
                        names << id->key;
            }
        if (!names.isEmpty())
            m_addresses = lookUp(names);
    }

    bool same(size_t i, size_t j) const
    {
        const Identity &a = m_ids[i];
        const Identity &b = m_ids[j];
        if (a.network != b.network || a.port != b.port)
            return false;
        if (a.key == b.key)
            return true;
        return a.network && a.port != 0 && addresses(a).intersects(addresses(b));
    }

private:
    QSet<QString> addresses(const Identity &id) const
    {
        return id.name ? m_addresses.value(id.key) : QSet<QString>{id.key};
    }

    std::vector<Identity> m_ids;
    QHash<QString, QSet<QString>> m_addresses;
};

} // namespace

std::optional<std::pair<QString, QString>> repeatedPort(const QStringList &ports)
{
    PortComparer comparer(ports);
    comparer.lookUpNeeded();
    for (qsizetype i = 0; i < ports.size(); ++i)
        for (qsizetype j = 0; j < i; ++j)
            if (comparer.same(size_t(i), size_t(j)))
                return std::pair{ports[i], ports[j]};
    return std::nullopt;
}

qsizetype indexOfPort(const QStringList &ports, const QString &port)
{
    const QStringList all = ports + QStringList{port};
    PortComparer comparer(all);
    comparer.lookUpNeeded(size_t(ports.size()));
    for (qsizetype i = 0; i < ports.size(); ++i)
        if (comparer.same(size_t(i), size_t(ports.size())))
            return i;
    return -1;
}

} // namespace portaddress
