#include "file_platform.h"

#include <QFileDevice>

#include <io.h>
#include <windows.h>

namespace fileplatform {

QString syncToDisk(QFileDevice &file)
{
    // QFile hands out a C runtime descriptor for its Windows handle.
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()));
    if (handle == INVALID_HANDLE_VALUE || !FlushFileBuffers(handle))
        return qt_error_string(int(GetLastError()));
    return QString();
}

QString backupFolderText()
{
    return QStringLiteral("%LOCALAPPDATA%\\switchpanel-config\\backups\\");
}

} // namespace fileplatform
