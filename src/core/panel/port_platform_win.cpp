// Serial ports on Windows: COM port names, shown and remembered without the
// "\\.\" device prefix, which Qt Serial Port adds itself when it opens them.

#include "port_platform.h"

#include <QSerialPortInfo>

#include <windows.h>

namespace portplatform {

namespace {
// "COM12" for "com12"; empty for what is not a COM port's name (COM1 to COM256).
QString comName(QStringView text)
{
    if (!text.startsWith(u"COM", Qt::CaseInsensitive))
        return QString();
    const QStringView digits = text.sliced(3);
    bool ok = false;
    const int number = digits.toInt(&ok);
    if (!ok || number < 1 || number > 256 || digits.startsWith(u'0') || !digits[0].isDigit())
        return QString();
    return QStringLiteral("COM%1").arg(number);
}
} // namespace

QString firstPort() { return QStringLiteral("COM1"); }

QString listedName(const QSerialPortInfo &info) { return info.portName(); }

QString typedName(const QString &text)
{
    const QString name = text.trimmed();
    QStringView bare = name;
    if (bare.startsWith(u"\\\\.\\") || bare.startsWith(u"//./"))
        bare = bare.sliced(4);
    const QString com = comName(bare);
    // Other devices keep their full name: Qt Serial Port adds the prefix only to
    // names that start with "COM".
    return com.isEmpty() ? name : com;
}

bool existsUnlisted(const QString &name)
{
    const QString com = comName(name);
    if (com.isEmpty())
        return false;
    // Every COM port the system knows has a DOS device name, also one that the
    // Plug and Play listing leaves out.
    wchar_t target[512];
    return QueryDosDeviceW(reinterpret_cast<const wchar_t *>(com.utf16()), target, 512) != 0;
}

bool isRememberable(const QString &) { return true; }

portfailure::DeviceCause openFailureCause(const QString &, QSerialPort::SerialPortError error,
                                          const QString &systemText)
{
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        // A USB adapter appears as a COM port only while it is plugged in and
        // its driver is installed.
        return {portfailure::Cause::NoSuchPort, {}};
    case QSerialPort::OpenError:
        return {portfailure::Cause::AlreadyOpen, {}};
    case QSerialPort::PermissionError:
        // Windows denies access to a COM port that another program has open.
        return {portfailure::Cause::InUse, {}};
    default:
        break;
    }
    return {portfailure::Cause::Described, systemText.toUpper()};
}

int watchSocket(qintptr) { return -1; }

bool wasReset(int) { return false; }

void unwatchSocket(int) {}

QString portExample() { return QStringLiteral("COM3"); }

QString portsHelp()
{
    return QStringLiteral(
        "Serial ports: the window's SERIAL PORT list offers the COM ports with what\n"
        "Windows calls them (COM3 - USB Serial Port), as Device Manager lists them under\n"
        "\"Ports (COM & LPT)\". A USB adapter appears there once its driver is installed\n"
        "(from its maker, or through Windows Update). A port that another program has\n"
        "open cannot be opened until that program closes it. COM10 and above can be\n"
        "given as COM10 or \\\\.\\COM10.");
}

} // namespace portplatform
