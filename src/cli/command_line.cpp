#include "command_line.h"

#include "files/file_platform.h"
#include "files/same_file.h"
#include "panel/port_address.h"
#include "panel/port_platform.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {
// The files after --diff A.qcf and --export-csv OUT.csv, and --dry-run, which
// goes only with --import-csv. Why they do not fit the mode, or empty.
QString takeFileTextArguments(CommandLine &cl, QStringList &files, bool dryRun)
{
    using Mode = CommandLine::Mode;
    if (dryRun && cl.mode != Mode::ImportCsv)
        return QStringLiteral("--dry-run goes with --import-csv.");
    cl.dryRun = dryRun;
    if (cl.mode == Mode::Diff) {
        if (files.size() != 1)
            return QStringLiteral("--diff compares two files: --diff A.qcf B.qcf");
        cl.inputs = files;
        files.clear();
    } else if (cl.mode == Mode::ExportCsv) {
        if (files.isEmpty())
            return QStringLiteral("--export-csv needs the configuration files to write: "
                                  "--export-csv OUT.csv FILE.qcf...");
        cl.output = cl.file;
        cl.file.clear();
        cl.inputs = files;
        files.clear();
    }
    return QString();
}
} // namespace

namespace {

// What --help says before the options.
QString programDescription()
{
    return QStringLiteral(
               "Configures the switches, LEDs and backlighting of a 10-button switch panel.\n"
               "Without a mode option the window opens, with FILE.qcf loaded if one is given.\n"
               "The modes --write-panel, --read-panel, --compare, --sheet and --station work\n"
               "without the window and without a display. Their exit status: 0 done (or the\n"
               "panel holds the file's configuration; for --station, no panel failed), 1 the\n"
               "panel or the port failed (for --station, a panel failed), 2 a bad command line\n"
               "or a file that cannot be read, used or written, 3 the panel differs from the\n"
               "file. A file to write that is the same file as one read or another one\n"
               "written (--sheet F.qcf F.qcf), or a log, report or PDF that is or links to a\n"
               "configuration file (named .qcf, or by its content), is refused with status 2\n"
               "before anything is done.\n"
               "\n"
               "--station programs panel after panel: it waits for a panel on the port (a\n"
               "handshake once a second, a port that is not there yet waited for too), writes\n"
               "FILE into it as --write-panel does, prints a line per panel, and waits until the\n"
               "panel is disconnected before it waits for the next. Ctrl+C ends it after the\n"
               "panel in progress, printing \"N PROGRAMMED, M FAILED\". The --report file gets\n"
               "one CSV row per panel: time,port,file,codes_sha256,result,status,failed_item,\n"
               "duration_ms (result \"programmed\" or \"failed\").\n"
               "With several --port, one slot per port programs panels at the same time as the\n"
               "others; each line starts with its slot, e.g. \"[ttyUSB1] PANEL 3 ...\" (panels\n"
               "are numbered over all slots), --count counts the panels of all slots, the last\n"
               "line adds the counts of each slot, and the report's port column tells the slots\n"
               "apart. The same port given twice (also written two ways: localhost and\n"
               "127.0.0.1, TCP:// and tcp://) is refused.\n"
               "\n"
               "Configuration files as text: --describe prints one line per item (for git:\n"
               "'*.qcf diff=qcf' in .gitattributes and git config diff.qcf.textconv\n"
               "\"switchpanel-config --describe\"); --diff lists what differs between two files\n"
               "(status 0 the same, 3 they differ); --export-csv writes a spreadsheet, one row\n"
               "per item: file,panel,item,module,channel,designation; --import-csv changes in\n"
               "each file named only the items and columns the sheet holds, after checking\n"
               "every row (a fault writes nothing), keeping each file's previous content as\n"
               "FILE.qcf.bak.\n"
               "\n"
               "Installations: --audit reads every panel of a site's inventory (a CSV file with\n"
               "the columns panel, location, port and file, by name in any order; comma or\n"
               "semicolon separated; file relative to the inventory's folder), several at once\n"
               "(--jobs, default 8), compares each with its file and prints a line per panel:\n"
               "\"[NAME] HOLDS ITS CONFIGURATION\", \"[NAME] DIFFERS: SW2 (FILE A 1, PANEL B "
               "4)\",\n"
               "\"[NAME] UNREACHABLE: ...\", \"[NAME] NO FILE: ...\" or \"[NAME] NO PORT\", then\n"
               "the counts. Status 0 every panel holds its configuration, 3 one differs and\n"
               "none failed, 1 a panel, its file or its history could not be read or kept (a\n"
               "panel without a port too), 2 a bad inventory. What each panel holds is kept in\n"
               "history/NAME/ beside the inventory when it changed. The --report file gets one\n"
               "CSV row per panel: time,panel,location,port,file,result,differing_items,\n"
               "codes_sha256,reason. --restore writes a panel's file into it, as --write-panel\n"
               "--backup does, keeping what it held in its history first.\n"
               "\n") +
           portplatform::portsHelp() +
           QStringLiteral(
               "\n"
               "\n"
               "Device servers: a panel wired to an Ethernet-to-serial converter (or a machine\n"
               "running ser2net) is reached with its address as the port, wherever a device\n"
               "goes: tcp://HOST:PORT for raw TCP, the server set to 9600 baud, 8 data bits,\n"
               "no parity, 1 stop bit; rfc2217://HOST:PORT for Telnet with Com Port Control\n"
               "(RFC 2217), on which the program sets 9600 8N1 itself. HOST is a name, an IPv4\n"
               "address or an IPv6 address in brackets: tcp://[fe80::1]:4001.");
}

// Every option of the command line, with its help text.
struct Options {
    const QCommandLineOption port{
        QStringLiteral("port"),
        QStringLiteral("Serial device the panel is connected to, e.g. %1, or a device "
                       "server's address, tcp://HOST:PORT or rfc2217://HOST:PORT (default: "
                       "the port last used successfully, else the first USB serial adapter, "
                       "else %2). With --station it can be given several times, one "
                       "slot per port.")
            .arg(portplatform::portExample(), portplatform::firstPort()),
        QStringLiteral("PORT")};
    const QCommandLineOption writePanel{
        QStringLiteral("write-panel"),
        QStringLiteral("Program the panel with the configuration in FILE.qcf, without the "
                       "window."),
        QStringLiteral("FILE.qcf")};
    const QCommandLineOption readPanel{
        QStringLiteral("read-panel"),
        QStringLiteral("Read the panel's configuration and save it as FILE.qcf, without the "
                       "window."),
        QStringLiteral("FILE.qcf")};
    const QCommandLineOption compare{
        QStringLiteral("compare"),
        QStringLiteral("Read the panel and list every item whose assignment differs from "
                       "FILE.qcf."),
        QStringLiteral("FILE.qcf")};
    const QCommandLineOption sheet{
        QStringLiteral("sheet"),
        QStringLiteral("--sheet FILE.qcf OUT.pdf: write the configuration sheet of FILE (the "
                       "panel's two views with designations and assignments, and a table of "
                       "the 21 items) as the one-page PDF OUT.pdf, A4 or in US locales Letter."),
        QStringLiteral("FILE")};
    const QCommandLineOption log{
        QStringLiteral("log"),
        QStringLiteral("Append every byte sent to and received from the panel, and each port "
                       "open and close, to FILE (hex, millisecond timestamps)."),
        QStringLiteral("FILE")};
    const QCommandLineOption station{
        QStringLiteral("station"),
        QStringLiteral("Programming station: program every panel connected to the port with the "
                       "configuration in FILE, one after the other, until stopped."),
        QStringLiteral("FILE")};
    const QCommandLineOption report{
        QStringLiteral("report"),
        QStringLiteral("With --station or --audit: append one CSV row per panel to FILE (a "
                       "header row when the file is new or empty; a torn last row is cut off "
                       "first)."),
        QStringLiteral("FILE")};
    const QCommandLineOption count{
        QStringLiteral("count"),
        QStringLiteral("With --station: end after N panels (programmed or failed)."),
        QStringLiteral("N")};
    const QCommandLineOption backup{
        QStringLiteral("backup"),
        QStringLiteral("With --write-panel or --station: read the panel first and keep what it "
                       "held as a dated configuration file in %1 (the window does so by "
                       "default).")
            .arg(fileplatform::backupFolderText())};
    const QCommandLineOption describe{
        QStringLiteral("describe"),
        QStringLiteral("Print the configuration in FILE.qcf as text: the panel name, then one line "
                       "per item with its module, channel and designation, in fixed columns."),
        QStringLiteral("FILE.qcf")};
    const QCommandLineOption diff{
        QStringLiteral("diff"),
        QStringLiteral("--diff A.qcf B.qcf: list every item whose assignment or designation "
                       "differs, and the panel name if it differs (status 0 the same, 3 they "
                       "differ)."),
        QStringLiteral("A.qcf")};
    const QCommandLineOption exportCsv{
        QStringLiteral("export-csv"),
        QStringLiteral("--export-csv OUT.csv FILE.qcf...: write the items of the files as a "
                       "spreadsheet (UTF-8 CSV), one row per item."),
        QStringLiteral("OUT.csv")};
    const QCommandLineOption importCsv{
        QStringLiteral("import-csv"),
        QStringLiteral("Change the configuration files named in the spreadsheet IN.csv as its "
                       "rows say, each file's previous content kept as FILE.qcf.bak; nothing is "
                       "written when a row is wrong."),
        QStringLiteral("IN.csv")};
    const QCommandLineOption dryRun{
        QStringLiteral("dry-run"),
        QStringLiteral("With --import-csv: check the sheet and say what would change, without "
                       "writing anything.")};
    const QCommandLineOption audit{
        QStringLiteral("audit"),
        QStringLiteral("Audit the panels of the inventory SITE.csv: read each, compare it with "
                       "its file and keep it in its history when it changed."),
        QStringLiteral("SITE.csv")};
    const QCommandLineOption restore{
        QStringLiteral("restore"),
        QStringLiteral("With --panel NAME: write the file of panel NAME in the inventory SITE.csv "
                       "into it, as --write-panel --backup does, keeping what it held in its "
                       "history first."),
        QStringLiteral("SITE.csv")};
    const QCommandLineOption panel{
        QStringLiteral("panel"),
        QStringLiteral("With --audit: audit only the panel NAME (can be given several times); "
                       "with --restore: the panel to write. With --port, the one panel is "
                       "reached on that port."),
        QStringLiteral("NAME")};
    const QCommandLineOption jobs{
        QStringLiteral("jobs"),
        QStringLiteral("With --audit: read at most N panels at once (default 8)."),
        QStringLiteral("N")};

    // The options as --help lists them.
    QList<QCommandLineOption> all() const
    {
        return {port,   writePanel, readPanel, compare,  sheet, station,   report,
                count,  backup,     log,       describe, diff,  exportCsv, importCsv,
                dryRun, audit,      restore,   panel,    jobs};
    }
    // The modes: one at most.
    QList<std::pair<const QCommandLineOption *, CommandLine::Mode>> modes() const
    {
        using Mode = CommandLine::Mode;
        return {{&writePanel, Mode::WritePanel},
                {&readPanel, Mode::ReadPanel},
                {&compare, Mode::Compare},
                {&sheet, Mode::Sheet},
                {&station, Mode::Station},
                {&describe, Mode::Describe},
                {&diff, Mode::Diff},
                {&exportCsv, Mode::ExportCsv},
                {&importCsv, Mode::ImportCsv},
                {&audit, Mode::Audit},
                {&restore, Mode::Restore}};
    }
};

QString givenTwice(const QCommandLineOption &option)
{
    return QStringLiteral("Option '%1' given more than once.").arg(option.names().constFirst());
}

// The mode and its file. Why they cannot be used, or empty.
QString takeMode(const QCommandLineParser &parser, const Options &o, CommandLine &cl)
{
    // An empty name ("") is a mistake, never "no file": it is said as such.
    for (const QCommandLineOption *option : {&o.writePanel, &o.readPanel, &o.compare, &o.sheet,
                                             &o.station, &o.log, &o.report, &o.audit, &o.restore}) {
        if (parser.values(*option).contains(QString()))
            return QStringLiteral("--%1: the file name is empty.")
                .arg(option->names().constFirst());
    }
    int modes = 0;
    for (const auto &[option, mode] : o.modes()) {
        if (!parser.isSet(*option))
            continue;
        ++modes;
        cl.mode = mode;
        cl.file = parser.value(*option);
        if (parser.values(*option).size() > 1)
            return givenTwice(*option);
    }
    if (modes > 1)
        return QStringLiteral("Only one of --write-panel, --read-panel, --compare, --sheet, "
                              "--station, --describe, --diff, --export-csv, --import-csv, "
                              "--audit and --restore can be given.");
    return QString();
}

// --port, once or (with --station) several times, and --log.
QString takePorts(const QCommandLineParser &parser, const Options &o, CommandLine &cl)
{
    for (const QString &p : parser.values(o.port))
        cl.ports << portplatform::typedName(p);
    cl.port = cl.ports.value(0);
    // A device server's address that cannot be used is refused before anything starts.
    for (const QString &p : cl.ports)
        if (const portaddress::Address address = portaddress::parse(p);
            address.isNetwork() && !address.isUsable())
            return QStringLiteral("--port: ") + portaddress::problemText(address);
    if (cl.ports.size() > 1 && cl.mode != CommandLine::Mode::Station)
        return QStringLiteral("Option 'port' can be given more than once only with --station.");
    cl.log = parser.value(o.log);
    return QString();
}

// --report, --count and --backup: the station's, --report also the audit's and
// --backup also --write-panel's.
QString takeStationOptions(const QCommandLineParser &parser, const Options &o, CommandLine &cl)
{
    using Mode = CommandLine::Mode;
    if (parser.isSet(o.backup) && cl.mode != Mode::Station && cl.mode != Mode::WritePanel)
        return QStringLiteral("--backup goes with --write-panel or --station.");
    if (parser.isSet(o.report) && cl.mode != Mode::Station && cl.mode != Mode::Audit)
        return QStringLiteral("Option 'report' needs --station or --audit.");
    if (parser.isSet(o.count) && cl.mode != Mode::Station)
        return QStringLiteral("Option 'count' needs --station.");
    for (const QCommandLineOption *option : {&o.report, &o.count})
        if (parser.values(*option).size() > 1)
            return givenTwice(*option);
    cl.report = parser.value(o.report);
    cl.backup = parser.isSet(o.backup);
    if (parser.isSet(o.count)) {
        bool ok = false;
        cl.count = parser.value(o.count).toInt(&ok);
        if (!ok || cl.count < 1)
            return QStringLiteral("--count: '%1' is not a number of panels from 1 up.")
                .arg(parser.value(o.count));
    }
    return QString();
}

// --panel and --jobs, for --audit and --restore.
QString takeSiteOptions(const QCommandLineParser &parser, const Options &o, CommandLine &cl)
{
    using Mode = CommandLine::Mode;
    const bool site = cl.mode == Mode::Audit || cl.mode == Mode::Restore;
    if (parser.isSet(o.panel) && !site)
        return QStringLiteral("Option 'panel' needs --audit or --restore.");
    if (parser.isSet(o.jobs) && cl.mode != Mode::Audit)
        return QStringLiteral("Option 'jobs' needs --audit.");
    cl.panels = parser.values(o.panel);
    if (cl.panels.contains(QString()))
        return QStringLiteral("--panel: the panel name is empty.");
    if (cl.mode == Mode::Restore && cl.panels.size() != 1)
        return QStringLiteral("--restore writes one panel: --restore SITE.csv --panel NAME");
    if (cl.mode == Mode::Audit && !cl.port.isEmpty() && cl.panels.size() != 1)
        return QStringLiteral("--audit with --port reads one panel: --audit SITE.csv --panel "
                              "NAME --port PORT");
    if (parser.isSet(o.jobs)) {
        if (parser.values(o.jobs).size() > 1)
            return givenTwice(o.jobs);
        bool ok = false;
        cl.jobs = parser.value(o.jobs).toInt(&ok);
        if (!ok || cl.jobs < 1 || cl.jobs > CommandLine::kMaxJobs)
            return QStringLiteral("--jobs: '%1' is not a number of panels from 1 to %2.")
                .arg(parser.value(o.jobs))
                .arg(CommandLine::kMaxJobs);
    }
    return QString();
}

// The files after the options: the one to open in the window, the PDF of --sheet,
// and those of the file modes. Why they do not fit the mode, or empty.
QString takeFiles(const QCommandLineParser &parser, const Options &o, CommandLine &cl)
{
    QStringList files = parser.positionalArguments();
    if (const QString why = takeFileTextArguments(cl, files, parser.isSet(o.dryRun));
        !why.isEmpty())
        return why;
    if (cl.mode == CommandLine::Mode::Sheet) {
        if (files.isEmpty())
            return QStringLiteral("--sheet needs the PDF file to write: --sheet FILE.qcf OUT.pdf");
        cl.output = files.takeFirst();
        if (cl.output.isEmpty())
            return QStringLiteral("--sheet: the name of the PDF file to write is empty.");
    }
    const bool window = cl.mode == CommandLine::Mode::Window;
    if (!window && !files.isEmpty())
        return QStringLiteral("Unexpected argument '%1'.").arg(files[0]);
    if (files.size() > 1)
        return QStringLiteral("Unexpected argument '%1': only one file can be opened.")
            .arg(files[1]);
    if (window && !files.isEmpty())
        cl.file = files[0];
    return QString();
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(programDescription());
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const Options options;
    parser.addOptions(options.all());
    parser.addPositionalArgument(QStringLiteral("FILE.qcf"),
                                 QStringLiteral("Configuration file to open in the window."),
                                 QStringLiteral("[FILE.qcf]"));

    CommandLine cl;
    auto fail = [&](const QString &why) {
        cl.mode = CommandLine::Mode::Error;
        cl.message = why;
        return cl;
    };
    if (!parser.parse(arguments))
        return fail(parser.errorText());
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        cl.mode = CommandLine::Mode::Help;
        // Without an application object the parser cannot know the program's name.
        cl.message = parser.helpText().replace(QStringLiteral("<executable_name>"),
                                               QCoreApplication::applicationName());
        return cl;
    }
    if (parser.isSet(version)) {
        cl.mode = CommandLine::Mode::Version;
        cl.message = QCoreApplication::applicationName() + QLatin1Char(' ') +
                     QCoreApplication::applicationVersion() + QLatin1Char('\n');
        return cl;
    }
    for (const auto take : {takeMode, takePorts, takeStationOptions, takeSiteOptions, takeFiles})
        if (const QString why = take(parser, options, cl); !why.isEmpty())
            return fail(why);
    return cl;
}

QString fileConflict(const CommandLine &cl)
{
    struct Named {
        QString what; // how the command line named it
        QString path;
        QString kind = {}; // what is written into it, when not a configuration file
    };
    using Mode = CommandLine::Mode;
    QList<Named> read;
    QList<Named> written;
    switch (cl.mode) {
    case Mode::Window:
        read.append({QStringLiteral("the file to open"), cl.file});
        break;
    case Mode::WritePanel:
        read.append({QStringLiteral("--write-panel"), cl.file});
        break;
    case Mode::Compare:
        read.append({QStringLiteral("--compare"), cl.file});
        break;
    case Mode::Station:
        read.append({QStringLiteral("--station"), cl.file});
        written.append({QStringLiteral("--report"), cl.report, QStringLiteral("a report")});
        break;
    case Mode::Sheet:
        read.append({QStringLiteral("--sheet"), cl.file});
        written.append({QStringLiteral("the PDF file"), cl.output, QStringLiteral("a PDF")});
        break;
    case Mode::ReadPanel:
        written.append({QStringLiteral("--read-panel"), cl.file});
        break;
    case Mode::Audit:
        read.append({QStringLiteral("--audit"), cl.file});
        written.append({QStringLiteral("--report"), cl.report, QStringLiteral("a report")});
        break;
    case Mode::Restore:
        read.append({QStringLiteral("--restore"), cl.file});
        break;
    default:
        return QString();
    }
    written.append({QStringLiteral("--log"), cl.log, QStringLiteral("a traffic log")});

    const auto nothingDone = QStringLiteral("; nothing was done.");
    for (qsizetype i = 0; i < written.size(); ++i) {
        for (const Named &other : read + written.mid(0, i)) {
            if (files::sameFile(written[i].path, other.path))
                return QStringLiteral("%1 %2 and %3 %4 are the same file")
                           .arg(other.what, other.path, written[i].what, written[i].path) +
                       nothingDone;
        }
    }
    // A configuration file is never appended to or replaced by a file of another
    // kind, whether the output is named *.qcf, links to one, or holds one under
    // another name (a hard link, a copy renamed).
    for (const Named &w : written) {
        if (w.kind.isEmpty()) // --read-panel's configuration file
            continue;
        if (const files::OutputCheck check = files::checkOutput(w.path); !check.allowed())
            return QStringLiteral("%1: %2; %3 is never written into a configuration file")
                       .arg(w.what, files::outputRefusalText(w.path, check), w.kind) +
                   nothingDone;
    }
    return QString();
}

QString portConflict(const CommandLine &cl)
{
    // Two slots on one port would both write the same panel.
    const auto same = portaddress::repeatedPort(cl.ports);
    if (!same)
        return QString();
    return same->first == same->second
               ? QStringLiteral("Port '%1' given more than once.").arg(same->first)
               : QStringLiteral("Ports '%1' and '%2' are the same port.")
                     .arg(same->second, same->first);
}
