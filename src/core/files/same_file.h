#pragma once

#include <QString>

namespace files {

// Whether two paths name one file: for two files that exist, the same device and
// inode (hard links and symbolic links included); otherwise the same path once
// the links in it are resolved (a file still to be made, a dangling link).
bool sameFile(const QString &a, const QString &b);

// Why a file of another kind (a traffic log, a station report, a PDF) must not
// be written at a path: a configuration file is never appended to or replaced
// by one, whatever name or link leads to it.
enum class OutputRefusal {
    None,
    ConfigurationName,    // it is named *.qcf, or is a symbolic link to a file so named
    ConfigurationContent, // it is, or links to, a file that reads as a configuration file
};

struct OutputCheck {
    OutputRefusal refusal = OutputRefusal::None;
    QString target;       // the file written at last, links resolved ("/home/u/keep.qcf")
    bool viaLink = false; // `target` is reached through a symbolic link

    bool allowed() const { return refusal == OutputRefusal::None; }
};

// Whether `path` may be written as such an output. Reads at most the first MiB of
// an existing regular file (never opens a device or a pipe); nothing is written.
OutputCheck checkOutput(const QString &path);

// The English reason for a refusal, naming `path` and what it leads to:
// "it links to /home/u/keep.qcf, a configuration file (its content reads as one)".
QString outputRefusalText(const QString &path, const OutputCheck &check);

} // namespace files
