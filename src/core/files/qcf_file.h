#pragma once

#include "files/qcf_format.h"

#include <QString>
#include <optional>

// Configuration files on disk, as both the window and the command line use them:
// what may be opened, how much is read, and how a file is replaced safely.
namespace qcf {

struct LoadedFile {
    std::optional<Configuration> config; // set exactly when there is no problem
    files::FileProblem problem;          // why the file cannot be used
};

// Reads and checks a whole configuration file: only a regular file (a pipe or a
// device would block or never end), at most kMaxFileSize bytes, the reading rules
// of the format, and no code below -1 (no list entry matches one). Codes of 160 and
// more, and -1, are valid here; what they mean is up to the caller.
LoadedFile loadFile(const QString &path);

// Whether the file at `path` is a configuration file by its content: the open
// command would open it, and every code field holds a number and nothing else,
// as in every file a configuration program writes. A traffic log or a station
// report never is, even when its lines happen to make 42 fields.
bool holdsConfiguration(const QString &path);

// Why content of `size` bytes cannot be saved (the open command would refuse the
// file), or none when it can.
files::FileProblem sizeProblem(qsizetype size);

// Why `path` cannot be saved to, found before anything is written: a folder,
// device or pipe in its place, a folder that does not exist or cannot be
// written. None when it looks writable; the save itself may still fail.
files::FileProblem targetProblem(const QString &path);

// Writes `bytes` as the file's whole content. The bytes go to a file beside the
// target first, which replaces the target only once complete, so a failed save
// leaves an existing file as it was and no partial file behind. Returns why it
// failed, none on success.
files::FileProblem saveFile(const QString &path, const QByteArray &bytes);

// What saveFile does once the size is known to be right, for any file the program
// writes: `kind` is the kind of file a folder or device in its place is not.
files::FileProblem replaceFile(const QString &path, const QByteArray &bytes, files::FileKind kind);

// The file-field number (1-based) that holds the code of item i (0..20).
inline int codeField(int item) { return item == kCodes - 1 ? kFieldCount : 2 * item + 3; }

// The first item of `config` without a complete assignment (code -1), which no
// panel can be written with; -1 when every item has one.
int incompleteItem(const Configuration &config);
// Why the file `file` (as the caller names it) cannot be written into a panel:
// "a.qcf: SW3 HAS NO CHANNEL (CODE -1 IN FIELD 7): DATA MUST BE ENTERED (CLICKED)
// FOR ALL SWITCHES BEFORE WRITING DATA".
QString incompleteItemText(const QString &file, int item);

} // namespace qcf
