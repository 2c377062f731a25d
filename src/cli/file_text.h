#pragma once

#include "command_line.h"

class QTextStream;

// The modes that work on configuration files as text, without the window and
// without a panel: --describe, --diff, --export-csv and --import-csv. Thin: the
// texts, the comparison and the spreadsheet are the core's (files/qcf_text.h,
// files/config_csv.h).
namespace headless {

// Runs the mode of `commandLine`: results on `out`, messages on `err`. Returns
// the exit status: kDone, kDiffers (--diff: the files differ) or kUnusable (a
// file that cannot be read or written, a sheet with faults).
int runFileText(const CommandLine &commandLine, QTextStream &out, QTextStream &err);

} // namespace headless
