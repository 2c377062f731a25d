#pragma once

#include <QString>

class QFileDevice;

// Files on this platform: syncing to the disk, and where the program keeps its
// files. One implementation per platform (file_platform_posix.cpp,
// file_platform_win.cpp), chosen by the build.
namespace fileplatform {

// Makes what has been written to `file` (open and flushed) durable on the disk:
// fsync() on POSIX, FlushFileBuffers() on Windows. Returns the reason on failure,
// empty on success.
QString syncToDisk(QFileDevice &file);

// The backup folder as the help names it, with the user's folder as a variable:
// "~/.local/share/..." on POSIX, "%LOCALAPPDATA%\..." on Windows.
QString backupFolderText();

} // namespace fileplatform
