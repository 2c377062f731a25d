#pragma once

#include <QString>

// Why a file could not be opened, read or written, as a value: what went wrong,
// which kind of file and which path, field or number it concerns, and the
// system's own words where only the system knows. The English texts the command
// line prints are made of it here; the window makes its own, in its language,
// from the same value.
namespace files {

// The kind of file a text names: "IT IS A FOLDER, NOT A PDF FILE".
enum class FileKind {
    Configuration, // "CONFIGURATION FILE"
    Pdf,           // "PDF FILE"
    Csv,           // "CSV FILE"
    Backup,        // "BACKUP FILE": an import's copy of a file before it
};
inline constexpr FileKind kLastFileKind = FileKind::Backup;

QString english(FileKind kind);

struct FileProblem {
    enum class Kind {
        None,
        NoFileName,        // "NO FILE NAME GIVEN"
        IsFolder,          // "IT IS A FOLDER, NOT A <file>"
        IsDevice,          // "IT IS A DEVICE, PIPE OR SOCKET, NOT A <file>"
        FolderMissing,     // "THE FOLDER <path> DOES NOT EXIST"
        FolderNotWritable, // "THE FOLDER <path> CANNOT BE WRITTEN"
        TooLarge,          // a file longer than any configuration file
        EndsEarly,         // the data ends before field <field> of <number> is complete
        NumberOutOfRange,  // field <field> holds a number outside -32768..32767
        EmptyNumber,       // field <field> holds no number
        NotAnAssignment,   // field <field> holds the code <number>, below -1
        WouldBeTooLarge,   // a save larger than <number> KiB, which no open would take
        NotRegular,        // "NOT A REGULAR FILE": a traffic log's path is a device or pipe
        WriteFailed,       // "WRITE FAILED": a write stopped and the system gave no reason
        NotDrawn,          // "THE SHEET COULD NOT BE DRAWN": the PDF writer refused the page
        System,            // `text`: the system's own words, as it gives them
    };

    FileProblem() = default;
    FileProblem(Kind kind, FileKind file = FileKind::Configuration) : kind(kind), file(file) {}

    Kind kind = Kind::None;
    FileKind file = FileKind::Configuration; // IsFolder, IsDevice
    QString path;                            // FolderMissing, FolderNotWritable
    int field = 0;                           // the 1-based field of the reading rules
    int number = 0;                          // a field count, a code or a size in KiB
    QString text;                            // System

    bool failed() const { return kind != Kind::None; }
    bool operator==(const FileProblem &) const = default;

    static FileProblem ofFolder(Kind kind, const QString &folder);
    static FileProblem atField(Kind kind, int field, int number = 0);
    static FileProblem said(const QString &systemText);
};
inline constexpr FileProblem::Kind kLastProblemKind = FileProblem::Kind::System;

// "IT IS A FOLDER, NOT A CONFIGURATION FILE", "THE FOLDER /tmp/x DOES NOT EXIST",
// the system's words as they are; empty for none.
QString english(const FileProblem &problem);

} // namespace files
