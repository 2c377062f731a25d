#pragma once

#include "config/assignment.h"
#include "config/panel_compare.h"
#include "files/file_problem.h"
#include "files/panel_backup.h"
#include "files/qcf_format.h"
#include "panel/cell_walk.h"
#include "panel/port_failure.h"
#include "panel/station_report.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class PanelLink;
class PanelTransfer;
class TrafficLog;

// An installation: every panel of a site in one inventory (a CSV file a person
// keeps in a spreadsheet), audited in one run (each panel read, compared with its
// file, and kept in its history when it changed), and restored by name.
// Widget-free: used by --audit, --restore and the window's installation dialog.
namespace site {

// One panel of the inventory.
struct InventoryRow {
    int line = 0;     // its line in the inventory file, 1 for the first line
    QString panel;    // the `panel` column: the panel's name, unique in the inventory
    QString location; // the `location` column, empty when there is none
    QString port;     // the `port` column: anything --port takes; empty: no permanent port
    QString file;     // the `file` column as written
    QString filePath; // the file's absolute path (relative names from the inventory's folder)
};

struct Inventory {
    QString path;   // the inventory file, absolute
    QString folder; // its folder: relative files and history/ are found there
    QList<InventoryRow> rows;

    // The row of the panel named `panel` (compared exactly), -1 when there is none.
    int rowOf(const QString &panel) const;
};

// Why an inventory is refused, as a value: the line (and column, 0 when the
// whole line or file) where the problem is, what it is, and the names and
// numbers it concerns. Nothing is done with a refused inventory. english() gives
// the text the command line prints; the window makes its own from the value.
struct InventoryProblem {
    enum class Kind {
        None,
        Missing,        // "THE FILE DOES NOT EXIST"
        IsFolder,       // "IT IS A FOLDER, NOT AN INVENTORY"
        IsDevice,       // "IT IS A DEVICE, PIPE OR SOCKET, NOT AN INVENTORY"
        TooLarge,       // larger than `number` MiB
        Unreadable,     // `text`: the system's words, in capitals
        NotText,        // "IT IS NOT A TEXT FILE (IT HOLDS A NUL BYTE), NOT AN INVENTORY"
        QuoteNotClosed, // a quote opened on line `number` is never closed
        TextAfterQuote, // "TEXT AFTER THE CLOSING QUOTE OF A FIELD"
        Empty,          // no line at all
        ColumnTwice,    // the column `name` is named twice, also in column `number`
        ColumnMissing,  // no column named `name` (panel or file)
        FieldCount,     // the row has `number` fields, the header `other`
        NameEmpty,      // "THE PANEL NAME IS EMPTY"
        NameTwice,      // the panel name `name` is also on line `number`
        BadAddress,     // the network address `port` cannot be used: `address`
        PortTwice,      // the port `port` is also the port of `name` on line `number`
        SamePort,       // the port `port` is the port `otherPort` of `name` on line `number`
    };

    InventoryProblem() = default;
    InventoryProblem(int line, int column, Kind kind) : line(line), column(column), kind(kind) {}

    int line = 0;
    int column = 0;
    Kind kind = Kind::None;
    QString name;      // a column's name, or a panel's as the inventory writes it
    QString port;      // BadAddress, PortTwice, SamePort: this row's port
    QString otherPort; // SamePort: the earlier row's port, as it writes it
    int number = 0;    // a size, a line, a column or a field count, as the kind says
    int other = 0;     // FieldCount: the header's fields
    QString text;      // Unreadable
    std::optional<portfailure::OpenFailure> address; // BadAddress

    bool failed() const { return kind != Kind::None; }
};
inline constexpr InventoryProblem::Kind kLastInventoryProblem = InventoryProblem::Kind::SamePort;

// "THE PANEL NAME IS EMPTY", "THE ROW HAS 3 FIELDS, THE HEADER 2", ...: what is
// wrong, without where; empty for none.
QString english(const InventoryProblem &problem);

// Reads the inventory at `path`: its header row names the columns `panel`,
// `location`, `port` and `file` (in any order, any case; others are left alone);
// comma or semicolon separated, RFC 4180 quoting, UTF-8 with or without a
// byte-order mark, or Windows-1252. Either the inventory, or its first problem.
struct InventoryRead {
    std::optional<Inventory> inventory;
    InventoryProblem problem; // when there is no inventory
};
InventoryRead readInventory(const QString &path);

// An inventory larger than this is refused before it is parsed.
inline constexpr qsizetype kMaxInventorySize = 4 << 20;

// What tells two ports apart at first sight: a network address by its host and
// port number, a device by its path. Ports that are one only through a link or a
// host name are found when the inventory is read (portaddress::repeatedPort).
QString portIdentity(const QString &port);

// "site.csv: LINE 3, COLUMN 2: THE PANEL NAME IS EMPTY" (without the column when
// it is 0).
QString problemText(const QString &path, const InventoryProblem &problem);

// Why a panel's history could not be kept, as a value.
struct HistoryProblem {
    enum class Kind {
        None,
        SymbolicLink,      // `path` is a symbolic link: history is kept only in a folder of its own
        NotAFolder,        // `path` is not a folder
        FolderNotCreated,  // the history folder `path` cannot be created
        FolderNotWritable, // nothing can be written in the history folder `path`: `text`
        CopyNotWritten,    // a copy could not be written in `path`: `text`
        CopyNotMade,       // the copy `path` could not be given its name: `text`
        TooManyCopies,     // `path` has no name left for another copy of one second
    };
    Kind kind = Kind::None;
    QString path; // the folder, or the copy's file
    QString text; // the system's words, in capitals
    bool failed() const { return kind != Kind::None; }
    bool operator==(const HistoryProblem &) const = default;
};
inline constexpr HistoryProblem::Kind kLastHistoryProblem = HistoryProblem::Kind::TooManyCopies;

// "/site/history IS NOT A FOLDER", ...; empty for none.
QString english(const HistoryProblem &problem);

// How the audit of one panel ended.
enum class Verdict {
    Holds,       // the panel holds its file's configuration
    Differs,     // it holds another
    Unreachable, // it could not be read
    NoFile,      // it was read and kept, but its file cannot be read
    NoPort,      // it has no port (and none was given)
};

struct PanelResult {
    int row = -1; // index in Inventory::rows
    Verdict verdict = Verdict::NoPort;
    QDateTime time; // when the read ended
    // Why, as values: Unreachable: the port could not be opened (openFailure) or the
    // read did not complete (ending); NoFile: the file could not be read (fileProblem,
    // with filePath), or the inventory names none (no filePath).
    std::optional<portfailure::OpenFailure> openFailure;
    std::optional<cellwalk::Ending> ending;
    std::optional<files::FileProblem> fileProblem;
    QString filePath;
    QList<panelcompare::Difference> differences; // Differs: the items, file against panel
    std::optional<assignment::Codes> panelCodes; // what the panel holds, when it was read
    QString keptCopy; // the copy written into its history; empty when unchanged or not read
    HistoryProblem historyProblem; // why its history could not be kept
};

// The line an audit prints for a panel as it ends: "[Studio 3] HOLDS ITS
// CONFIGURATION", "[Studio 3] DIFFERS: SW2 (FILE A 1, PANEL B 4), LED7 (...)",
// "[Studio 3] UNREACHABLE: <reason>", "[Studio 3] NO FILE: <reason>", "[Studio 3] NO PORT".
QString resultLine(const Inventory &inventory, const PanelResult &result);
// Why the panel was unreachable or has no file, in English, as the read or the open
// gives it: "CANNOT CONNECT TO …", "/site/a.qcf: …", "THE INVENTORY NAMES NO FILE";
// empty for the other verdicts.
QString reasonText(const PanelResult &result);

// The result's word in the report: "holds", "differs", "unreachable", "no file",
// "no port".
QString verdictName(Verdict verdict);

// How many panels of an audit ended each way.
struct Counts {
    int holds = 0, differs = 0, unreachable = 0, noFile = 0, noPort = 0;
    int historyNotKept = 0; // panels read whose history could not be kept
    void add(const PanelResult &result);
    int total() const { return holds + differs + unreachable + noFile + noPort; }
    // "4 PANELS: 1 HOLD THEIR CONFIGURATION, 1 DIFFER, 1 UNREACHABLE, 1 NO FILE, 0 NO PORT"
    QString line() const;
};

// The audit's report: one row per panel audited, appended whole as the station's
// report is: time, panel, location, port, file, result, differing_items,
// codes_sha256, reason.
class AuditReport : public RowReport
{
public:
    AuditReport() : RowReport(columns(), QStringLiteral("A REPORT OF AN AUDIT")) {}
    static QStringList columns();
    static QStringList fields(const Inventory &inventory, const PanelResult &result);
    QString append(const Inventory &inventory, const PanelResult &result)
    {
        return english(appendRow(fields(inventory, result)));
    }
};

// Audits the panels of an inventory: reads every panel that has a port (confirmed
// reads, as --read-panel does), several on different ports at once, compares each
// with its file and keeps what it holds in its history. Every read is a transfer
// of its own on a link of its own, all of them driven by the event loop of the
// thread that made the audit, which reports by signals in that thread; nothing
// waits, so the window stays responsive.
class Audit : public QObject
{
    Q_OBJECT
public:
    explicit Audit(Inventory inventory, QObject *parent = nullptr);
    // An audit destroyed while it reads ends its reads at once: their ports are
    // closed and those panels are not reported. To let them end, stop() and wait
    // for finished() first.
    ~Audit() override;

    const Inventory &inventory() const { return m_inventory; }

    // Set before start(): how many panels are read at once (default 8); which rows
    // (empty: all); the port of a panel without a permanent one (--port, with one
    // row chosen).
    void setJobs(int jobs) { m_jobs = jobs; }
    void setRows(const QList<int> &rows) { m_rows = rows; }
    void setPort(const QString &port) { m_port = port; }
    // Where the traffic of every panel goes, each line marked with its panel;
    // nullptr (the default): nowhere. It must outlive the audit.
    void setTrafficLog(TrafficLog *log) { m_log = log; }

    void start();
    // No new reads start; the reads in progress end and are reported, then finished().
    void stop();
    bool isRunning() const;
    // The panels of the last run that were never started because it was stopped.
    int notStarted() const { return m_notStarted; }

signals:
    void panelStarted(int row);
    // Panel `row` is reading cell `cell` (1 to 21).
    void cellRead(int row, int cell);
    void panelFinished(const site::PanelResult &result);
    void finished();

private:
    Inventory m_inventory;
    int m_jobs = 8;
    QList<int> m_rows;
    QString m_port;
    TrafficLog *m_log = nullptr;

    struct Job;
    void schedule();
    void startJob(int row, const QString &port, const QString &portKey);
    void onJobFinished(Job *job);
    QString portOf(int row) const;
    QList<int> m_queue; // rows still to start, in order
    std::vector<std::unique_ptr<Job>> m_active;
    bool m_running = false;
    bool m_stopping = false;
    int m_notStarted = 0;
};

// A panel's history: the copies of what audits and restores read from it, kept in
// history/<panel>/ beside the inventory, one file per change, never deleted.
struct KeptCopy {
    QString path;
    QDateTime time; // when it was read
};
// The folder of `panel`'s copies (a safe folder name on Linux and Windows, never
// shared by two names, never outside history/).
QString historyFolder(const Inventory &inventory, const QString &panel);
// Its copies, newest first.
QList<KeptCopy> keptCopies(const Inventory &inventory, const QString &panel);

// The folder name of `panel` in history/: its characters, with those that are no
// part of a safe file name on Linux or Windows (separators, control characters,
// :*?"<>|, a leading dot, a trailing dot or blank, the first letter of a reserved
// name such as CON or COM1) and every % written as %XX (the bytes of their UTF-8
// in hex), so that two names never give one folder name; a name that would be
// longer than kMaxFolderName bytes is cut and given a hash of the whole name.
inline constexpr int kMaxFolderName = 120;
QString safeFolderName(const QString &panel);

struct Keeping {
    QString path;       // the copy that holds these codes now: new, or the last one when unchanged
    bool added = false; // a new copy was written
    HistoryProblem problem; // why the history could not be kept
};
// Keeps `config` (what `panel` holds, with its file's designations) in its history
// unless the newest copy kept there holds the same codes. A new copy never replaces
// a file; its name is `when` ("2026-12-08 14.03.22.qcf"), with " 2", " 3"... when
// that is taken. Nothing is written outside the history folder, and not through a
// symbolic link.
Keeping keepInHistory(const Inventory &inventory, const QString &panel,
                      const qcf::Configuration &config,
                      const QDateTime &when = QDateTime::currentDateTime());

// Why a restore wrote nothing, as a value: refused before the port was opened
// (no port, no file, an item without a complete assignment), or the backup made
// first failed.
struct RestoreProblem {
    enum class Kind {
        None,
        NoPort,         // the inventory gives `panel` no port
        NoFileNamed,    // the inventory names no file
        NoFile,         // the file `path` cannot be read: `file`
        IncompleteItem, // item `item` of the file `path` has no channel
        BackupNotRead,  // the panel could not be read for the backup: `ending`
        BackupNotSaved, // the backup could not be kept: `backup`
    };
    Kind kind = Kind::None;
    QString panel;                          // NoPort, as a line shows it
    QString path;                           // NoFile, IncompleteItem
    files::FileProblem file;                // NoFile
    int item = -1;                          // IncompleteItem
    std::optional<cellwalk::Ending> ending; // BackupNotRead
    backup::Failure backup;                 // BackupNotSaved

    bool failed() const { return kind != Kind::None; }
    // Refused before anything was done (the port never opened).
    bool refused() const { return failed() && kind < Kind::BackupNotRead; }
};
inline constexpr RestoreProblem::Kind kLastRestoreProblem = RestoreProblem::Kind::BackupNotSaved;

// "NO PORT: THE INVENTORY GIVES "Studio 3" NO PORT", "NO FILE: /site/a.qcf: ...",
// "THE PANEL COULD NOT BE READ FOR A BACKUP (...), NOTHING WAS WRITTEN", ...;
// empty for none.
QString english(const RestoreProblem &problem);

// How a restore ended.
struct RestoreResult {
    bool programmed = false; // every cell written and verified
    QString statusText;      // as --write-panel ends: "SWITCH PANEL HAS BEEN PROGRAMMED" or why not
    QString keptCopy;        // what the panel held, kept in its history first
    RestoreProblem problem;  // why nothing was written: a refusal, or the backup's failure
    QString backup;          // the dated backup made before the write, as --backup keeps it
    HistoryProblem historyProblem; // why what the panel held could not be kept in its history
    // As values, for the window: the port's failure, or how the write ended.
    std::optional<portfailure::OpenFailure> openFailure;
    std::optional<cellwalk::Ending> ending;
};

// Writes the file of inventory row `row` into its panel, as --write-panel with
// --backup does, keeping what the panel held in its history first: one transfer
// that reads the panel, keeps what it read, then writes on the port opened once.
// Driven by the event loop of the thread that made it and reporting as the audit
// does; nothing waits, so the window stays responsive.
class Restore : public QObject
{
    Q_OBJECT
public:
    Restore(Inventory inventory, int row, QObject *parent = nullptr);
    // A restore destroyed while it writes ends the write at once and leaves the
    // panel half written: let it finish (finished()) before destroying it.
    ~Restore() override;
    void setPort(const QString &port) { m_port = port; } // a panel without a permanent port
    void setTrafficLog(TrafficLog *log) { m_log = log; }
    // Starts; finished() follows from the event loop, also when nothing can be
    // written (no port, no file).
    void start();
    // Ends the restore at once (Ctrl+C on the command line): the port closed, the
    // panel as far as it was written, the result a failure unless every cell had
    // been verified; finished() follows from the event loop.
    void abort();
    bool isRunning() const { return m_running; }

signals:
    // Cell `cell` (1 to 21) has been written and verified, or failed as `written` says.
    void cellWritten(int cell, const cellwalk::Cell &written);
    void finished(const site::RestoreResult &result);

private:
    // Why the row's file cannot be written (no port, no file, an incomplete item),
    // else none; `codes` is then what to write.
    RestoreProblem refusal(const QString &port, assignment::Codes &codes);
    QString keepBackup(const cellwalk::PanelRead &read);
    void onTransferFinished();
    void end();

    Inventory m_inventory;
    int m_row = -1;
    QString m_port;
    TrafficLog *m_log = nullptr;
    bool m_running = false;
    std::optional<qcf::Configuration> m_file; // the row's file, once read
    RestoreResult m_result;
    std::unique_ptr<PanelLink> m_link;
    std::unique_ptr<PanelTransfer> m_transfer; // runs on m_link
};

} // namespace site

Q_DECLARE_METATYPE(site::PanelResult)
Q_DECLARE_METATYPE(site::RestoreResult)
