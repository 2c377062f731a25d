#include "file_platform.h"

#include <QFileDevice>

#include <cerrno>

#include <unistd.h>

namespace fileplatform {

QString syncToDisk(QFileDevice &file)
{
    if (::fsync(file.handle()) != 0)
        return qt_error_string(errno);
    return QString();
}

QString backupFolderText()
{
    return QStringLiteral("~/.local/share/switchpanel-config/backups/");
}

} // namespace fileplatform
