#include "port_choice.h"

#include "config/settings.h"
#include "panel/port_address.h"
#include "panel/port_platform.h"

#include <QSerialPortInfo>
#include <algorithm>

namespace portchoice {

namespace {

// Name order in which runs of digits compare as numbers: ttyS2 before ttyS10.
bool namedBefore(QStringView a, QStringView b)
{
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            const qsizetype startA = i, startB = j;
            while (i < a.size() && a[i].isDigit())
                ++i;
            while (j < b.size() && b[j].isDigit())
                ++j;
            const QStringView x = a.sliced(startA, i - startA), y = b.sliced(startB, j - startB);
            if (x.size() != y.size())
                return x.size() < y.size();
            if (x != y)
                return x < y;
        } else {
            if (a[i] != b[j])
                return a[i] < b[j];
            ++i;
            ++j;
        }
    }
    return a.size() - i < b.size() - j;
}

// Built-in ports first, then USB adapters, each group in name order.
QList<PortDescription> sorted(QList<PortDescription> ports)
{
    std::stable_sort(ports.begin(), ports.end(),
                     [](const PortDescription &a, const PortDescription &b) {
                         if (a.usb != b.usb)
                             return !a.usb;
                         return namedBefore(a.path, b.path);
                     });
    return ports;
}
} // namespace

QList<PortDescription> availablePorts()
{
    QList<PortDescription> ports;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        ports.append({portplatform::listedName(info), info.description(), info.manufacturer(),
                      info.hasVendorIdentifier()});
    return ports;
}

QList<PortEntry> entries(const QList<PortDescription> &ports)
{
    QList<PortEntry> result;
    for (const PortDescription &p : sorted(ports)) {
        const QString what = !p.description.isEmpty() ? p.description : p.manufacturer;
        result.append({p.path, what.isEmpty() ? p.path : p.path + QStringLiteral(" - ") + what});
    }
    return result;
}

QString startingPort(const QList<PortDescription> &ports, const QString &commandLine,
                     const QString &remembered)
{
    if (!commandLine.isEmpty())
        return commandLine;
    if (portaddress::isNetworkAddress(remembered)) // a device server: nothing to look for
        return remembered;
    if (!remembered.isEmpty()) {
        const bool listed = std::any_of(ports.begin(), ports.end(), [&](const PortDescription &p) {
            return p.path == remembered;
        });
        if (listed || portplatform::existsUnlisted(remembered))
            return remembered;
    }
    for (const PortDescription &p : sorted(ports))
        if (p.usb)
            return p.path;
    return portplatform::firstPort();
}

QString pathOfText(const QList<PortEntry> &entries, const QString &text)
{
    for (const PortEntry &e : entries)
        if (e.text == text)
            return e.path;
    return portplatform::typedName(text);
}

QStringList otherPorts(const QList<PortEntry> &entries, const QString &tried)
{
    QStringList others;
    for (const PortEntry &e : entries)
        if (e.path != tried)
            others << e.path;
    return others;
}

QString rememberedPort() { return settings::lastPort(); }

void rememberPort(const QString &path)
{
    if (portaddress::isNetworkAddress(path) && !portaddress::parse(path).isUsable())
        return;
    if (portplatform::isRememberable(path))
        settings::setLastPort(path);
}

} // namespace portchoice
