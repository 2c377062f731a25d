#include "command_line.h"
#include "config/settings.h"
#include "file_text.h"
#include "form1.h"
#include "headless.h"
#include "headless_sheet.h"
#include "main_window.h"
#include "panel/panel_link.h"
#include "panel/traffic_log.h"
#include "parent_console.h"
#include "translation.h"
#include "window_fonts.h"
#include "window_placement.h"

#include <QApplication>
#include <QLocale>
#include <QTextStream>
#include <QTimer>

#include <csignal>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication::setOrganizationName(QStringLiteral("switchpanel-config"));
    QCoreApplication::setApplicationName(QStringLiteral("switchpanel-config"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));

    // The command line is read before any application object exists: help,
    // version, usage errors and the headless modes need no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine cl = parseCommandLine(arguments);
    if (cl.mode != CommandLine::Mode::Window)
        useParentConsole();
    QTextStream out(stdout), err(stderr);
    switch (cl.mode) {
    case CommandLine::Mode::Help:
    case CommandLine::Mode::Version:
        out << cl.message;
        return headless::kDone;
    case CommandLine::Mode::Error:
        err << "switchpanel-config: " << cl.message << "\n"
            << "Try 'switchpanel-config --help' for more information.\n";
        return headless::kUnusable;
    default:
        break;
    }
    // A file written must never be the file read, nor another file written.
    if (const QString why = fileConflict(cl); !why.isEmpty()) {
        err << "switchpanel-config: " << why << "\n";
        return headless::kUnusable;
    }
    if (isFileText(cl.mode))
        return headless::runFileText(cl, out, err);
    if (cl.mode == CommandLine::Mode::Sheet) {
        // Drawing needs fonts, not a screen: the offscreen platform unless another
        // one is asked for. Windows always has its fonts and needs no display, and
        // Qt's offscreen platform there finds no fonts.
#ifndef Q_OS_WIN
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
        QGuiApplication app(argc, argv);
        return headless::writeSheet(cl, out, err);
    }
    if (isHeadless(cl.mode)) {
#ifdef SIGPIPE
        // Output piped into a program that stops reading (| head) must not end a
        // transfer half way; the walk goes on and the exit status tells.
        std::signal(SIGPIPE, SIG_IGN);
#endif
        QCoreApplication app(argc, argv);
        if (const QString why = portConflict(cl); !why.isEmpty()) {
            err << "switchpanel-config: " << why << "\n"
                << "Try 'switchpanel-config --help' for more information.\n";
            return headless::kUnusable;
        }
        return headless::run(cl, out, err);
    }

    // The window's fonts are read meanwhile (until the window first measures text).
    windowfonts::ConfigurationRead fonts;
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("switchpanel-config"));
    // The window in the language chosen under Help > Language, else the system's
    // when there is a translation for it; the modes above stay English.
    translation::install(
        app, translation::chooseLanguage(settings::language(), QLocale::system().uiLanguages()));
    TrafficLog log; // outlives the window and its link
    if (!cl.log.isEmpty()) {
        const files::FileProblem why = log.open(cl.log);
        if (why.failed()) {
            useParentConsole();
            err << "switchpanel-config: " << cl.log << ": " << files::english(why) << "\n";
            return headless::kUnusable;
        }
    }

    // The window appears before its hidden lighting view is built.
    Form1::setLightingViewBuiltLate(true);
    MainWindow window;
    Form1 &form = window.form();
    form.link().setTrafficLog(cl.log.isEmpty() ? nullptr : &log);
    if (!cl.port.isEmpty())
        form.setPort(cl.port);
    window.fitToScreen();
    window.show();
    if (!cl.file.isEmpty()) // loaded once the window is up, messages over it
        QTimer::singleShot(0, &form, [&form, file = cl.file] { form.openFile(file); });
    return app.exec();
}
