#pragma once

#include "command_line.h"

#include <QString>
#include <cstdint>
#include <optional>

class QTextStream;

// The modes without the window: --write-panel, --read-panel and --compare. They
// use the same file reader, cell transactions and walk over the cells as the
// window's commands, and need only a QCoreApplication.
namespace headless {

inline constexpr int kDone = 0;        // done, or the panel holds the file's configuration
inline constexpr int kPanelFailed = 1; // the port could not be opened or the panel failed
inline constexpr int kUnusable = 2;    // a bad command line or a file that cannot be used
inline constexpr int kDiffers = 3;     // the panel differs from the file

// One line of a cell's transaction: " 0  SW1           23 (C 4)    COMMUNICATIONS OK".
QString cellLine(int address, std::optional<std::int16_t> code, const QString &result);

// Runs the mode of `commandLine`: per-cell lines and results on `out`, messages on
// `err`. Returns the exit status.
int run(const CommandLine &commandLine, QTextStream &out, QTextStream &err);

} // namespace headless
