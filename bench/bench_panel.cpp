// Measures a full write and a full read against the panel simulator, on a
// pseudo-terminal and over tcp:// on the loopback: wall time against the pauses
// the protocol mandates, the program's CPU time during each command, and its
// peak memory. Prints figures; asserts nothing.

#include "bench_support.h"
#include "files/qcf_file.h"
#include "form1.h"
#include "list_selection.h"
#include "panel/panel_link.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextEdit>

#include <cstdio>
#include <optional>
#include <sys/resource.h>

namespace {

double cpuSeconds(int who = RUSAGE_SELF)
{
    rusage u{};
    getrusage(who, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

long peakKiB()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

// The high-water mark of a running process's resident memory, in KiB. It belongs
// to the program the process runs now, not to the one it was forked from.
long peakKiBOf(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

// Starts the simulator with `args`, ended with this process, its messages not logged;
// the device or address it plays the panel on.
QString startSim(QProcess &sim, const QStringList &args)
{
    return startSimulatedPanel(sim,
                               QStringList{QStringLiteral("--exit-with-parent"),
                                           QStringLiteral("--log"), QStringLiteral("/dev/null")} +
                                   args);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(
        true); // the remembered port stays out of the user's settings
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;

    // The simulated panel on a pseudo-terminal, and behind a device server in raw
    // TCP mode on the loopback.
    QProcess sim, tcpSim;
    const QString device = startSim(sim, {});
    const QString address = startSim(tcpSim, {QStringLiteral("--tcp"), QStringLiteral("0")});
    if (device.isEmpty() || address.isEmpty()) {
        std::fprintf(stderr, "bench: panel-sim did not start\n");
        return 1;
    }

    Form1 w;
    w.setBackupBeforeWrite(false); // the write itself; a backup adds a whole read
    w.askQuestion = [](const QString &, QMessageBox::StandardButtons) {
        return QMessageBox::Discard;
    };
    w.show();
    for (int n = 1; n <= 41; n += 2) { // every item on module C, channel 4
        setSelectedIndex(w.findChild<QListWidget *>(QStringLiteral("List%1").arg(n)), 3);
        setSelectedIndex(w.findChild<QListWidget *>(QStringLiteral("List%1").arg(n + 1)), 3);
    }
    auto *status = w.findChild<QTextEdit *>(QStringLiteral("Text1"));

    // 22 pauses of 100 ms each: one before every cell and one before the end.
    const double mandated = 2.2;
    std::printf("panel commands in the window, %d runs each; mandated pauses %.1f s\n", runs,
                mandated);
    std::printf("%-6s %-8s %10s %12s %10s %10s  %s\n", "cmd", "port", "wall s", "vs pauses",
                "cpu s", "cpu/wall", "result");
    struct Command {
        const char *name;
        void (Form1::*handler)();
    };
    const Command commands[] = {{"write", &Form1::WRITE_CONFIG_Click},
                                {"read", &Form1::READ_CONFIG_Click}};
    for (const bool loaded : {false, true}) {
        // Then again beside two busy processes: a pause may grow, never shrink.
        std::optional<BusyLoad> load;
        if (loaded) {
            load.emplace();
            std::printf("beside two busy processes\n");
        }
        for (const Command &c : commands) {
            for (const auto &[kind, port] :
                 {std::pair{"pty", device}, std::pair{"tcp://", address}}) {
                w.setPort(port);
                double wallSum = 0, cpuSum = 0, wallMax = 0;
                for (int r = 0; r < runs; ++r) {
                    QElapsedTimer t;
                    const double cpu0 = cpuSeconds();
                    t.start();
                    (w.*c.handler)(); // returns at once; the command ends with the transfer
                    QEventLoop loop;
                    QObject::connect(&w, &Form1::busyChanged, &loop, [&loop](bool busy) {
                        if (!busy)
                            loop.quit();
                    });
                    if (w.isBusy())
                        loop.exec();
                    const double wall = t.nsecsElapsed() / 1e9;
                    cpuSum += cpuSeconds() - cpu0;
                    wallSum += wall;
                    wallMax = std::max(wallMax, wall);
                }
                const double wall = wallSum / runs, cpu = cpuSum / runs;
                std::printf("%-6s %-8s %10.3f %+11.2f%% %10.4f %9.2f%%  %s (max wall %.3f s)\n",
                            c.name, kind, wall, 100.0 * (wall - mandated) / mandated, cpu,
                            100.0 * cpu / wall, qPrintable(status->toPlainText()), wallMax);
            }
        }
    }
    std::printf("peak resident memory: %.1f MiB\n", peakKiB() / 1024.0);

    // The same commands without the window: the program started once per run,
    // its CPU time and peak memory taken from the finished child.
    QTemporaryDir dir;
    qcf::Configuration config;
    config.panel = "BENCH";
    config.codes.fill(23);
    const QString file = dir.filePath(QStringLiteral("bench.qcf"));
    qcf::saveFile(file, qcf::format(config));
    std::printf("\nwithout the window (a new process per run, start-up included)\n");
    long peakChild = 0;
    for (const char *mode : {"--write-panel", "--read-panel"}) {
        for (const auto &[kind, port] : {std::pair{"pty", device}, std::pair{"tcp://", address}}) {
            double wallSum = 0, cpuSum = 0;
            int failures = 0;
            for (int r = 0; r < runs; ++r) {
                QProcess p;
                const double cpu0 = cpuSeconds(RUSAGE_CHILDREN);
                QElapsedTimer t;
                t.start();
                p.start(QStringLiteral(PROGRAM_PATH),
                        {QString::fromLatin1(mode), file, QStringLiteral("--port"), port});
                p.waitForStarted(5000);
                while (!p.waitForFinished(50))
                    peakChild = std::max(peakChild, peakKiBOf(p.processId()));
                wallSum += t.nsecsElapsed() / 1e9;
                cpuSum += cpuSeconds(RUSAGE_CHILDREN) - cpu0;
                failures += p.exitCode() != 0;
            }
            const double wall = wallSum / runs, cpu = cpuSum / runs;
            std::printf("%-13s %-8s %10.3f %+11.2f%% %10.4f %9.2f%%  %d of %d failed\n", mode, kind,
                        wall, 100.0 * (wall - mandated) / mandated, cpu, 100.0 * cpu / wall,
                        failures, runs);
        }
    }
    std::printf("peak resident memory of a run without the window: %.1f MiB\n", peakChild / 1024.0);

    for (QProcess *p : {&sim, &tcpSim}) {
        p->terminate();
        p->waitForFinished(3000);
    }
    return 0;
}
