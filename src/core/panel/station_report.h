#pragma once

#include "files/panel_backup.h"
#include "panel/panel_write.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QString>
#include <QStringList>

#include <utility>

// What the programming station records of one panel: the line it prints, the row
// of its report, and the dialog's last result are all made from this.
struct StationPanel {
    int number = 0;      // 1 for the first panel of the run
    QDateTime started;   // when the write began, local time
    QString port;        // the device it was written on
    QString fileName;    // the configuration's file name, without its folder
    QByteArray codesSha; // SHA-256 of the 21 codes sent, lower-case hex
    bool programmed = false;
    QString statusText; // "SWITCH PANEL HAS BEEN PROGRAMMED" or the failure text
    // What the status text says, for the window to say it in its language: the port
    // could not be opened, the backup before the write failed, or how the write
    // ended.
    std::optional<portfailure::OpenFailure> openFailure;
    std::optional<backup::Kept> backupFailure;
    std::optional<cellwalk::Ending> ending;
    QString failedItem; // the item of the first failed cell ("SW8"), or empty
    QString cellText;   // what that cell's transaction found ("NOT ACKNOWLEDGED"), or empty
    qint64 durationMs = 0;

    // "PANEL 2  2026-12-08 14:05:11  COMMUNICATIONS FAILURE-BAD SWITCH PANEL DATA  SW8:
    // NOT ACKNOWLEDGED"
    QString line() const;
};

// ISO 8601 local time with its offset from UTC: "2026-12-08T14:03:07+01:00".
QString isoLocalTime(const QDateTime &time);

// SHA-256 of the codes as they go into the cells: one byte per cell, addresses 0 to
// 20 in order; lower-case hex.
QByteArray codesSha256(const assignment::Codes &codes);

// Why a report cannot be opened or a row appended to it.
struct ReportProblem {
    enum class Kind {
        None,
        NotRegular,           // "NOT A REGULAR FILE": a device or pipe in its place
        NamedAsConfiguration, // "A CONFIGURATION FILE (.qcf) IS NO REPORT"
        NotAReport,    // it ends in a torn row, and its first line is not `text`'s header row
        NotOpen,       // "THE REPORT IS NOT OPEN"
        RowNotWritten, // "THE ROW COULD NOT BE WRITTEN": the system gave no reason
        System,        // `text`: the system's words, in capitals ("DISK FULL")
    };
    ReportProblem() = default;
    ReportProblem(Kind kind, QString text = QString()) : kind(kind), text(std::move(text)) {}
    Kind kind = Kind::None;
    QString text; // System; NotAReport: what the report is ("A REPORT OF THE STATION")
    bool failed() const { return kind != Kind::None; }
    bool operator==(const ReportProblem &) const = default;
};
inline constexpr ReportProblem::Kind kLastReportProblem = ReportProblem::Kind::System;

// "NOT A REGULAR FILE", "DISK FULL", ...; empty for none.
QString english(const ReportProblem &problem);

// A report of rows: a CSV file (RFC 4180) to which one row per panel is
// appended, with a header row of its columns when the file is new or empty. A row
// is appended whole or not at all: made in memory, written with one write, flushed
// and synced to the disk before appendRow() returns; a write that fails cuts the
// file back to where the row began, so the next run appends to whole rows. A crash
// or a power cut loses at most the row being written, and the next open() cuts off
// what is left of it. The station's report and the audit's are such reports.
class RowReport
{
public:
    // `columns` as the header row names them; `kind` names the report in the texts
    // ("A REPORT OF THE STATION").
    RowReport(QStringList columns, QString kind)
        : m_columns(std::move(columns)), m_kind(std::move(kind))
    {}

    // One row, CR LF at the end; fields quoted where RFC 4180 needs it.
    static QByteArray row(const QStringList &fields);
    const QStringList &header() const { return m_columns; }

    // Opens `path` for appending (created when missing) and writes the header when
    // the file is empty. A file that ends in a torn row (no line end after it) is
    // cut back to its last whole row first, and repairNote() says so. Returns why
    // it failed, none on success.
    ReportProblem open(const QString &path);
    bool isOpen() const { return m_file.isOpen(); }
    QString path() const { return m_file.fileName(); }
    // What open() cut off a torn report, for the user; empty when it cut nothing.
    QString repairNote() const;
    // How many bytes of a torn row open() cut off; 0 when it cut nothing.
    qint64 bytesCut() const { return m_bytesCut; }
    // Appends one row. Returns why it failed, none on success.
    ReportProblem appendRow(const QStringList &fields);
    void close() { m_file.close(); }

private:
    ReportProblem repairTail();
    ReportProblem write(const QByteArray &bytes);

    QStringList m_columns;
    QString m_kind;
    QFile m_file;
    qint64 m_bytesCut = 0;
};

// The station's report: one row per panel written.
class StationReport : public RowReport
{
public:
    StationReport() : RowReport(columns(), QStringLiteral("A REPORT OF THE STATION")) {}

    // The columns, as the header row names them.
    static QStringList columns();
    static QStringList fields(const StationPanel &panel);

    // Appends the panel's row. Returns why it failed, none on success.
    ReportProblem append(const StationPanel &panel) { return appendRow(fields(panel)); }
};

// The user text of a failed file operation from the system's error number, in
// capitals: "DISK FULL", "PERMISSION DENIED", "FILE SIZE LIMIT REACHED".
QString fileErrorText(int error);
