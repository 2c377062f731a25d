#pragma once

#include "files/qcf_format.h"
#include "panel/cell_walk.h"

#include <QDateTime>
#include <QString>

// Dated copies of what a panel held, kept as ordinary configuration files in the
// backups folder of the user's data folder (QStandardPaths::AppDataLocation:
// ~/.local/share/switchpanel-config/switchpanel-config, on Windows
// %APPDATA%/switchpanel-config/switchpanel-config): before every write that asks
// for one, and after every read. Named so that a sorted listing
// is chronological and names the command and the port:
//   2026-12-08 14.03.22 before write ttyUSB0.qcf
class PanelLink;

namespace backup {

inline constexpr int kKeep = 500; // the folder keeps the newest this many

inline const QString kBeforeWrite = QStringLiteral("before write");
inline const QString kRead = QStringLiteral("read");

QString folder();

// The file name of a backup made by `command` on `port` at `when`.
QString fileName(const QDateTime &when, const QString &command, const QString &port);

struct Saved {
    QString path;  // the file written, on success
    QString error; // the user text of a failure, empty on success
};

// Saves `config` as a backup (atomically, as a configuration file is saved),
// then removes the oldest backups beyond kKeep.
Saved save(const qcf::Configuration &config, const QString &command, const QString &port,
           const QDateTime &when = QDateTime::currentDateTime());

struct Kept {
    cellwalk::Outcome outcome = cellwalk::Outcome::NoResponse; // of the read
    Saved saved;                                               // once the panel was read
    bool ok() const { return outcome == cellwalk::Outcome::Done && saved.error.isEmpty(); }
    // Why nothing may be written now: the read or the save failed.
    QString failureText() const;
};

// Reads the panel on `link` (open) as the read command does and keeps what it
// holds, with `file`'s panel name and designations, as a backup before a write.
Kept readAndKeep(PanelLink &link, const qcf::Configuration &file);

// Removes the oldest backup files of `dir` (by name) beyond `keep`.
void prune(const QString &dir, int keep = kKeep);

} // namespace backup
