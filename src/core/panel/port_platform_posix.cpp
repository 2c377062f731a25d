// Serial ports on Linux and other POSIX systems: device paths under /dev, and
// access through the group that owns the device.

#include "port_platform.h"

#include <QFileInfo>
#include <QSerialPortInfo>

#include <fcntl.h>
#include <grp.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace portplatform {

namespace {
bool isPseudoTerminal(const QString &path)
{
    return path.startsWith(QStringLiteral("/dev/pts/")) || path == QStringLiteral("/dev/ptmx");
}
} // namespace

QString firstPort() { return QStringLiteral("/dev/ttyS0"); }

QString listedName(const QSerialPortInfo &info) { return info.systemLocation(); }

QString typedName(const QString &text) { return text.trimmed(); }

bool existsUnlisted(const QString &name)
{
    return !isPseudoTerminal(name) && QFileInfo::exists(name);
}

bool isRememberable(const QString &name) { return !isPseudoTerminal(name); }

portfailure::DeviceCause openFailureCause(const QString &portName,
                                          QSerialPort::SerialPortError error,
                                          const QString &systemText)
{
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return {portfailure::Cause::NoSuchDevice, {}};
    case QSerialPort::OpenError:
        return {portfailure::Cause::AlreadyOpen, {}};
    case QSerialPort::PermissionError: {
        // Qt reports a port locked by another program as a permission error too;
        // only a device this user may not open is a matter of group membership.
        const QByteArray path = QFileInfo(portName).absoluteFilePath().toLocal8Bit();
        struct stat st {};
        if (::access(path.constData(), R_OK | W_OK) != 0 && ::stat(path.constData(), &st) == 0) {
            const struct group *gr = ::getgrgid(st.st_gid);
            const struct passwd *pw = ::getpwuid(st.st_uid);
            return permissionCause(
                pw ? QString::fromLocal8Bit(pw->pw_name) : QString::number(st.st_uid),
                gr ? QString::fromLocal8Bit(gr->gr_name) : QString::number(st.st_gid), st.st_mode);
        }
        return {portfailure::Cause::InUse, {}};
    }
    default:
        break;
    }
    return {portfailure::Cause::Described, systemText.toUpper()};
}

int watchSocket(qintptr descriptor)
{
    return descriptor < 0 ? -1 : ::fcntl(int(descriptor), F_DUPFD_CLOEXEC, 0);
}

bool wasReset(int watch)
{
#ifdef TCP_INFO
    // A reset leaves the socket closed; a close by the peer leaves it waiting
    // for our own close (CLOSE-WAIT).
    tcp_info info{};
    socklen_t size = sizeof info;
    return watch >= 0 && ::getsockopt(watch, IPPROTO_TCP, TCP_INFO, &info, &size) == 0 &&
           info.tcpi_state == TCP_CLOSE;
#else
    Q_UNUSED(watch);
    return false;
#endif
}

void unwatchSocket(int watch)
{
    if (watch >= 0)
        ::close(watch);
}

QString portExample() { return QStringLiteral("/dev/ttyUSB0"); }

QString portsHelp()
{
    return QStringLiteral(
        "Serial ports: the window's SERIAL PORT list offers the built-in ports and the\n"
        "USB adapters (/dev/ttyUSB*, /dev/ttyACM*); a pseudo-terminal is never\n"
        "remembered as the panel's port. Opening a port needs membership of the group\n"
        "that owns it, usually dialout: sudo usermod -aG dialout $USER, then log in\n"
        "again (without sudo, ask an administrator). A simulated panel, from the\n"
        "package switchpanel-config-sim, prints the device to give to --port:\n"
        "  /usr/libexec/switchpanel-config/panel-sim \\\n"
        "      --cells /usr/share/switchpanel-config/sample-panel.cells");
}

} // namespace portplatform
