#pragma once

// The program's settings, each under its key in the user's settings file
// (QSettings with the application's organisation and name), read and written
// only through these functions.

#include <QString>

namespace settings {

// Whether a write first reads the panel and keeps what it held (on by default).
bool backupBeforeWrite();
void setBackupBeforeWrite(bool on);

// The folder of the configuration file last opened or saved; empty when none.
QString lastFolder();
void setLastFolder(const QString &folder);

// The port of the last panel command whose handshake succeeded; empty when none.
QString lastPort();
void setLastPort(const QString &port);

// The station dialog's report file; empty when none was chosen.
QString stationReport();
void setStationReport(const QString &path);

// The language of the window chosen under Help > Language: a language code such as
// "de" or "en", or empty for the system's (the default).
QString language();
void setLanguage(const QString &code);

} // namespace settings
