#include "command_line.h"

#include "files/file_platform.h"
#include "panel/panel_link.h"
#include "panel/port_platform.h"

#include <QCommandLineParser>
#include <QCoreApplication>

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral(
            "Configures the switches, LEDs and backlighting of a 10-button switch panel.\n"
            "Without a mode option the window opens, with FILE.qcf loaded if one is given.\n"
            "The modes --write-panel, --read-panel, --compare, --sheet and --station work\n"
            "without the window and without a display. Their exit status: 0 done (or the\n"
            "panel holds the file's configuration; for --station, no panel failed), 1 the\n"
            "panel or the port failed (for --station, a panel failed), 2 a bad command line\n"
            "or a file that cannot be read, used or written, 3 the panel differs from the\n"
            "file.\n"
            "\n"
            "--station programs panel after panel: it waits for a panel on the port (a\n"
            "handshake once a second, a port that is not there yet waited for too), writes\n"
            "FILE into it as --write-panel does, prints a line per panel, and waits until the\n"
            "panel is disconnected before it waits for the next. Ctrl+C ends it after the\n"
            "panel in progress, printing \"N PROGRAMMED, M FAILED\". The --report file gets\n"
            "one CSV row per panel: time,port,file,codes_sha256,result,status,failed_item,\n"
            "duration_ms (result \"programmed\" or \"failed\").\n"
            "\n") +
        portplatform::portsHelp());

    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption port(
        QStringLiteral("port"),
        QStringLiteral("Serial device the panel is connected to, e.g. %1 (default: the "
                       "port last used successfully, else the first USB serial adapter, else %2).")
            .arg(portplatform::portExample(), PanelLink::defaultPortName()),
        QStringLiteral("DEVICE"));
    const QCommandLineOption writePanel(
        QStringLiteral("write-panel"),
        QStringLiteral("Program the panel with the configuration in FILE.qcf, without the "
                       "window."),
        QStringLiteral("FILE.qcf"));
    const QCommandLineOption readPanel(
        QStringLiteral("read-panel"),
        QStringLiteral("Read the panel's configuration and save it as FILE.qcf, without the "
                       "window."),
        QStringLiteral("FILE.qcf"));
    const QCommandLineOption compare(
        QStringLiteral("compare"),
        QStringLiteral("Read the panel and list every item whose assignment differs from "
                       "FILE.qcf."),
        QStringLiteral("FILE.qcf"));
    const QCommandLineOption sheet(
        QStringLiteral("sheet"),
        QStringLiteral("--sheet FILE.qcf OUT.pdf: write the configuration sheet of FILE (the "
                       "panel's two views with designations and assignments, and a table of "
                       "the 21 items) as the one-page PDF OUT.pdf, A4 or in US locales Letter."),
        QStringLiteral("FILE"));
    const QCommandLineOption log(
        QStringLiteral("log"),
        QStringLiteral("Append every byte sent to and received from the panel, and each port "
                       "open and close, to FILE (hex, millisecond timestamps)."),
        QStringLiteral("FILE"));
    const QCommandLineOption station(
        QStringLiteral("station"),
        QStringLiteral("Programming station: program every panel connected to the port with the "
                       "configuration in FILE, one after the other, until stopped."),
        QStringLiteral("FILE"));
    const QCommandLineOption report(
        QStringLiteral("report"),
        QStringLiteral("With --station: append one CSV row per panel to FILE (a header row when "
                       "the file is new or empty)."),
        QStringLiteral("FILE"));
    const QCommandLineOption count(
        QStringLiteral("count"),
        QStringLiteral("With --station: end after N panels (programmed or failed)."),
        QStringLiteral("N"));
    const QCommandLineOption backup(
        QStringLiteral("backup"),
        QStringLiteral("With --write-panel or --station: read the panel first and keep what it "
                       "held as a dated configuration file in %1 (the window does so by "
                       "default).")
            .arg(fileplatform::backupFolderText()));
    parser.addOptions(
        {port, writePanel, readPanel, compare, sheet, station, report, count, backup, log});
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

    cl.port = portplatform::typedName(parser.value(port));
    cl.log = parser.value(log);
    int modes = 0;
    for (const auto &[option, mode] : {std::pair{&writePanel, CommandLine::Mode::WritePanel},
                                       std::pair{&readPanel, CommandLine::Mode::ReadPanel},
                                       std::pair{&compare, CommandLine::Mode::Compare},
                                       std::pair{&sheet, CommandLine::Mode::Sheet},
                                       std::pair{&station, CommandLine::Mode::Station}}) {
        if (!parser.isSet(*option))
            continue;
        ++modes;
        cl.mode = mode;
        cl.file = parser.value(*option);
        if (parser.values(*option).size() > 1)
            return fail(
                QStringLiteral("Option '%1' given more than once.").arg(option->names()[0]));
    }
    if (modes > 1)
        return fail(QStringLiteral("Only one of --write-panel, --read-panel, --compare, --sheet "
                                   "and --station can be given."));
    if (parser.isSet(backup) && cl.mode != CommandLine::Mode::Station &&
        cl.mode != CommandLine::Mode::WritePanel)
        return fail(QStringLiteral("--backup goes with --write-panel or --station."));
    for (const QCommandLineOption *option : {&report, &count}) {
        if (parser.isSet(*option) && cl.mode != CommandLine::Mode::Station)
            return fail(
                QStringLiteral("Option '%1' needs --station.").arg(option->names().constFirst()));
        if (parser.values(*option).size() > 1)
            return fail(QStringLiteral("Option '%1' given more than once.")
                            .arg(option->names().constFirst()));
    }
    cl.report = parser.value(report);
    cl.backup = parser.isSet(backup);
    if (parser.isSet(count)) {
        bool ok = false;
        cl.count = parser.value(count).toInt(&ok);
        if (!ok || cl.count < 1)
            return fail(QStringLiteral("--count: '%1' is not a number of panels from 1 up.")
                            .arg(parser.value(count)));
    }
    QStringList files = parser.positionalArguments();
    if (cl.mode == CommandLine::Mode::Sheet) {
        if (files.isEmpty())
            return fail(QStringLiteral("--sheet needs the PDF file to write: --sheet FILE.qcf "
                                       "OUT.pdf"));
        cl.output = files.takeFirst();
    }
    if (modes == 1 && !files.isEmpty())
        return fail(QStringLiteral("Unexpected argument '%1'.").arg(files[0]));
    if (files.size() > 1)
        return fail(
            QStringLiteral("Unexpected argument '%1': only one file can be opened.").arg(files[1]));
    if (modes == 0 && !files.isEmpty())
        cl.file = files[0];
    return cl;
}
