#pragma once

#include "files/file_problem.h"
#include "files/qcf_format.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Configurations as a spreadsheet: one row per item of each file,
//   file,panel,item,module,channel,designation
//   bench.qcf,BENCH 3,SW1,A,1,PUMP
//   bench.qcf,BENCH 3,SW2,N/A,,DESIGNATION
// written for --export-csv and the window's File > Export as spreadsheet, and
// read back by --import-csv, which changes in each file named only the items and
// columns the sheet holds. Texts keep the files' code page: a designation the
// code page cannot hold is refused, never replaced.
namespace configcsv {

// The columns in the order they are written.
QStringList columns();

// A configuration with how the sheet's `file` column names it.
struct SheetFile {
    QString fileColumn;
    qcf::Configuration config;
};

// How a sheet saved as `csvPath` names the file `path`: relative to the sheet's
// folder (with '/'), or absolute where no relative path leads there.
QString fileColumn(const QString &path, const QString &csvPath);

// The whole sheet: a UTF-8 byte-order mark (so that spreadsheets take the text as
// UTF-8), the header, and 21 rows per file in the panel's order, CR LF line ends.
// An unassigned item has the module "N/A" and an empty channel; one without a
// complete assignment both empty.
QByteArray sheet(const QList<SheetFile> &files);

// Writes `files` as the sheet `csvPath`, replacing it only once complete. Returns
// why it failed, none on success.
files::FileProblem writeSheet(const QString &csvPath, const QList<SheetFile> &files);

// One configuration file an import changes (or leaves as it is).
struct FileImport {
    QString name;        // as the sheet's file column names it
    QString path;        // that name resolved against the sheet's folder
    QByteArray original; // the file's bytes before the import
    qcf::Configuration before;
    qcf::Configuration after;
    int itemsChanged = 0; // items whose assignment or designation changes
    bool panelChanged = false;
    bool changed() const { return itemsChanged > 0 || panelChanged; }
};

struct Import {
    QList<FileImport> files; // in the order the sheet first names them
    // Why the sheet is refused, one text per fault with its line and column:
    // "LINE 4, COLUMN 4 (module): \"Q\" IS NOT A MODULE - A TO P OR N/A". When
    // there is one, nothing may be written.
    QStringList problems;
};

// Reads the sheet `csvPath` and works out, without writing anything, what it
// changes in each file it names. The columns are found by their header names
// (any case, any order; other columns are passed over); `file` and `item` are
// needed. An empty module or channel cell (an empty panel cell) leaves the
// file's as it is; an empty designation cell empties the designation.
Import planImport(const QString &csvPath);

// What the import does to one file: "bench.qcf: 3 ITEMS CHANGED",
// "bench.qcf: PANEL NAME AND 1 ITEM CHANGED", "bench.qcf: UNCHANGED".
QString summary(const FileImport &file);

// Where an import keeps a file's content before it: FILE.qcf.bak.
QString backupPath(const QString &path);

// Saves every changed file of a plan without problems: first each one's previous
// content as its backup file, then the file itself, each replaced only once
// complete. Returns the failures ("bench.qcf: DISK FULL"), empty when all was
// written; a failure while the backups are written leaves every file as it was.
QStringList applyImport(const Import &import);

} // namespace configcsv
