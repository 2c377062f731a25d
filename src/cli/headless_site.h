#pragma once

#include "command_line.h"

class QTextStream;
class TrafficLog;

namespace headless {

// --audit SITE.csv: every panel of the inventory (or those of --panel) read,
// several at once, compared with its file and kept in its history; a line per
// panel as it ends, then the counts. Ctrl+C and SIGTERM let the reads in progress
// end and be reported. Returns kDone when every panel holds its configuration,
// kDiffers when one differs and none failed, kPanelFailed when one could not be
// read (or its file, or its history, could not be), kUnusable for a bad inventory
// or a report that cannot be written.
int audit(const CommandLine &commandLine, QTextStream &out, QTextStream &err, TrafficLog *log);

// --restore SITE.csv --panel NAME: the panel's file written into it as
// --write-panel --backup does, what it held kept in its history first.
int restore(const CommandLine &commandLine, QTextStream &out, QTextStream &err, TrafficLog *log);

} // namespace headless
