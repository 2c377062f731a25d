// What the ports' failures have in common on every platform; what differs is in
// port_platform_posix.cpp and port_platform_win.cpp.

#include "port_platform.h"

namespace portplatform {

portfailure::OpenFailure openFailure(const QString &portName, QSerialPort::SerialPortError error,
                                     const QString &systemText)
{
    portfailure::OpenFailure failure;
    failure.kind = portfailure::OpenFailure::Kind::Device;
    failure.port = portName;
    failure.device = openFailureCause(portName, error, systemText);
    return failure;
}

portfailure::DeviceCause permissionCause(const QString &owner, const QString &group, unsigned mode)
{
    constexpr unsigned kGroupReadWrite = 0060;
    if ((mode & kGroupReadWrite) == kGroupReadWrite)
        return {portfailure::Cause::MustJoinGroup, group};
    return {portfailure::Cause::OnlyOwner, owner};
}

} // namespace portplatform
