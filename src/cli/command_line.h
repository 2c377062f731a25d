#pragma once

#include <QString>
#include <QStringList>

// What the program was asked to do on its command line. Parsed before any
// application object exists, so that --help, --version and usage errors need no
// display.
struct CommandLine {
    enum class Mode {
        Window,
        WritePanel,
        ReadPanel,
        Compare,
        Sheet,
        Station,
        Describe,
        Diff,
        ExportCsv,
        ImportCsv,
        Audit,
        Restore,
        Help,
        Version,
        Error
    };
    Mode mode = Mode::Window;
    QString file;        // the .qcf file of a headless mode, or the one to open in the window
    QString output;      // Sheet: the PDF file to write
    QString port;        // --port, empty when not given (the first one, for --station)
    QStringList ports;   // every --port in order: several only with --station
    QString log;         // --log, empty when not given
    QString message;     // Help: the help text; Version: the version line; Error: what is wrong
    bool backup = false; // --backup: keep what the panel held before writing

    // --describe FILE, --diff FILE OTHER, --export-csv OUT FILE..., --import-csv FILE
    QStringList inputs;  // --diff: OTHER; --export-csv: the configuration files
    bool dryRun = false; // --import-csv --dry-run: say what would change, write nothing

    // --station
    QString report; // --report, empty when not given
    int count = 0;  // --count: panels to program, 0 until stopped

    // --audit SITE.csv, --restore SITE.csv (in `file`)
    QStringList panels; // every --panel in order
    static constexpr int kMaxJobs = 64;
    int jobs = 8; // --jobs: panels read at once
};

// `arguments` as in main's argv, the program name first.
CommandLine parseCommandLine(const QStringList &arguments);

// Why the files named on a parsed command line cannot be used together, found
// before anything is done: a file to write (the PDF, the file --read-panel saves,
// the report, the traffic log) that is the same file as the file read or another
// file to write, or a PDF, report or log that is, or links to, a configuration
// file (by its .qcf name or by its content; files::checkOutput). Empty when they
// can.
QString fileConflict(const CommandLine &commandLine);

// Why the ports of a parsed command line cannot be used together: one port given
// twice, however written (a link and its target, "localhost" and "127.0.0.1";
// portaddress::repeatedPort). Needs an application object, as host names may be
// looked up; checked before anything is done. Empty when they can.
QString portConflict(const CommandLine &commandLine);

// The modes that talk to the panel without the window, also the installation's
// (--sheet, which draws,
// needs a QGuiApplication, though no display).
inline bool isHeadless(CommandLine::Mode mode)
{
    return mode == CommandLine::Mode::WritePanel || mode == CommandLine::Mode::ReadPanel ||
           mode == CommandLine::Mode::Compare || mode == CommandLine::Mode::Station ||
           mode == CommandLine::Mode::Audit || mode == CommandLine::Mode::Restore;
}

// The modes that only read and write files, as text: --describe, --diff,
// --export-csv and --import-csv. They need no application object.
inline bool isFileText(CommandLine::Mode mode)
{
    return mode == CommandLine::Mode::Describe || mode == CommandLine::Mode::Diff ||
           mode == CommandLine::Mode::ExportCsv || mode == CommandLine::Mode::ImportCsv;
}
