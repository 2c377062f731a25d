#pragma once

#include "command_line.h"

class QTextStream;

namespace headless {

// --sheet FILE.qcf OUT.pdf: the configuration sheet of a file as a PDF, without the
// window. Needs a QGuiApplication (any platform, offscreen too) for the fonts.
// The outcome on `out`, messages on `err`; returns the exit status (kDone, or
// kUnusable for a file that cannot be read or a PDF that cannot be written).
int writeSheet(const CommandLine &commandLine, QTextStream &out, QTextStream &err);

} // namespace headless
