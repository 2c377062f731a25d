#pragma once

#include "files/file_problem.h"
#include "files/qcf_format.h"
#include "panel/cell_walk.h"

#include <QDateTime>
#include <QString>

// Dated copies of what a panel held, kept as ordinary configuration files in the
// user's data folder (~/.local/share/switchpanel-config/backups/ on Linux, after
// XDG_DATA_HOME; %LOCALAPPDATA%\\switchpanel-config\\backups on Windows): before every write that
// asks for one, and after every read. Named so that a sorted listing is chronological and names the
// command and the port:
//   2026-12-08 14.03.22 before write ttyUSB0.qcf

namespace backup {

inline constexpr int kKeep = 500; // the folder keeps the newest this many backups

inline const QString kBeforeWrite = QStringLiteral("before write");
inline const QString kRead = QStringLiteral("read");

// The generic data folder, then the application's name, then "backups".
QString folder();
// Where earlier versions kept the backups: the application's own data folder
// (organisation and application name) and "backups".
QString earlierFolder();
// Why a backup was not kept.
struct Failure {
    enum class Kind {
        None,
        FolderNotCreated, // "THE BACKUP FOLDER <path> CANNOT BE CREATED"
        NotSaved,         // "THE BACKUP <path> COULD NOT BE SAVED: <cause>"
        NotThere,         // the backup <path> is not in the folder after saving it
    };
    Kind kind = Kind::None;
    QString path;             // the folder, or the backup's file
    files::FileProblem cause; // NotSaved
    bool failed() const { return kind != Kind::None; }
    bool operator==(const Failure &) const = default;
};
inline constexpr Failure::Kind kLastFailureKind = Failure::Kind::NotThere;

// "THE BACKUP FOLDER /home/u/.local/share/switchpanel-config/backups CANNOT BE
// CREATED", ...; empty for none.
QString english(const Failure &failure);

// Creates the folder when missing and moves the backups of the earlier folder
// into it (a name already taken stays where it is). Returns the failure, none
// when the folder is there.
Failure makeFolder();

// Whether `name` is one that fileName() gives (with or without the number that
// keeps two backups of one second apart): only such files are ever pruned.
bool isBackupName(const QString &name);

// The file name of a backup made by `command` on `port` at `when`.
QString fileName(const QDateTime &when, const QString &command, const QString &port);

struct Saved {
    QString path;    // the file written, on success
    Failure failure; // none on success
};

// Saves `config` as a backup (atomically, as a configuration file is saved),
// then removes the oldest backups beyond kKeep, and reads the new backup back: a
// backup that is not in the folder afterwards is a failure.
Saved save(const qcf::Configuration &config, const QString &command, const QString &port,
           const QDateTime &when = QDateTime::currentDateTime());

struct Kept {
    cellwalk::Outcome outcome = cellwalk::Outcome::NoResponse; // of the read
    Saved saved;                                               // once the panel was read
    bool ok() const { return outcome == cellwalk::Outcome::Done && !saved.failure.failed(); }
};

// Why nothing may be written now, in English: the read or the save failed;
// empty when the backup is kept.
QString english(const Kept &kept);

// Keeps what the read of the panel on `port` found (when it is done), with
// `file`'s panel name and designations, as a backup before a write.
Kept keep(const cellwalk::PanelRead &read, const qcf::Configuration &file, const QString &port);

// Removes the oldest backups of `dir` beyond `keep`, never `spare` (a file name,
// the backup just written) and never a file whose name isBackupName() refuses.
// A backup's age is the time it was written: the earlier of the time in its
// name and its modification time (a copy keeps its name's time), leaving out a
// time later than `now`; a backup with both times later was written by a clock
// that was ahead, and counts as the oldest.
void prune(const QString &dir, int keep = kKeep, const QString &spare = QString(),
           const QDateTime &now = QDateTime::currentDateTime());

} // namespace backup
