// The texts about serial ports that are the same on every platform; what differs
// is in port_platform_posix.cpp and port_platform_win.cpp.

#include "port_platform.h"

namespace portplatform {

QString openErrorText(const QString &portName, QSerialPort::SerialPortError error,
                      const QString &systemText)
{
    return QStringLiteral("CANNOT OPEN SERIAL PORT %1 - ").arg(portName) +
           openFailureReason(portName, error, systemText);
}

QString permissionText(const QString &owner, const QString &group, unsigned mode)
{
    constexpr unsigned kGroupReadWrite = 0060;
    if ((mode & kGroupReadWrite) == kGroupReadWrite)
        return QStringLiteral("PERMISSION DENIED: THE USER MUST BE IN GROUP \"%1\"").arg(group);
    return QStringLiteral("PERMISSION DENIED: ONLY ITS OWNER \"%1\" MAY OPEN IT - GIVE THE DEVICE "
                          "TO A GROUP THE USER IS IN WITH A UDEV RULE (GROUP \"dialout\", MODE "
                          "0660), OR ASK AN ADMINISTRATOR")
        .arg(owner);
}

} // namespace portplatform
