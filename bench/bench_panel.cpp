// Measures a full write and a full read against the panel simulator: wall time
// against the pauses the protocol mandates, the program's CPU time during each
// command, and its peak memory. Prints figures; asserts nothing.

#include "app/form1.h"
#include "config/list_selection.h"
#include "panel/panel_link.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QProcess>
#include <QTextEdit>

#include <cstdio>
#include <sys/resource.h>

namespace {

double cpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

long peakKiB()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;

    QProcess sim;
    sim.setStandardErrorFile(QProcess::nullDevice());
    sim.start(QStringLiteral(PANEL_SIM_PATH),
              {QStringLiteral("--log"), QStringLiteral("/dev/null")});
    if (!sim.waitForStarted(5000) || !sim.waitForReadyRead(5000)) {
        std::fprintf(stderr, "bench: panel-sim did not start\n");
        return 1;
    }
    const QString device = QString::fromLocal8Bit(sim.readLine()).trimmed();

    Form1 w;
    w.setPort(device);
    w.show();
    for (int n = 1; n <= 41; n += 2) { // every item on module C, channel 4
        setSelectedIndex(w.findChild<QListWidget *>(QStringLiteral("List%1").arg(n)), 3);
        setSelectedIndex(w.findChild<QListWidget *>(QStringLiteral("List%1").arg(n + 1)), 3);
    }
    auto *status = w.findChild<QTextEdit *>(QStringLiteral("Text1"));

    // 22 pauses of 100 ms each: one before every cell and one before the end.
    const double mandated = 2.2;
    std::printf("panel commands over a pseudo-terminal, %d runs each; mandated pauses %.1f s\n",
                runs, mandated);
    std::printf("%-6s %10s %12s %10s %10s  %s\n", "cmd", "wall s", "vs pauses", "cpu s", "cpu/wall",
                "result");
    struct Command {
        const char *name;
        void (Form1::*handler)();
    };
    const Command commands[] = {{"write", &Form1::WRITE_CONFIG_Click},
                                {"read", &Form1::READ_CONFIG_Click}};
    for (const Command &c : commands) {
        double wallSum = 0, cpuSum = 0, wallMax = 0;
        for (int r = 0; r < runs; ++r) {
            QElapsedTimer t;
            const double cpu0 = cpuSeconds();
            t.start();
            (w.*c.handler)();
            const double wall = t.nsecsElapsed() / 1e9;
            cpuSum += cpuSeconds() - cpu0;
            wallSum += wall;
            wallMax = std::max(wallMax, wall);
        }
        const double wall = wallSum / runs, cpu = cpuSum / runs;
        std::printf("%-6s %10.3f %+11.2f%% %10.4f %9.2f%%  %s (max wall %.3f s)\n", c.name, wall,
                    100.0 * (wall - mandated) / mandated, cpu, 100.0 * cpu / wall,
                    qPrintable(status->toPlainText()), wallMax);
    }
    std::printf("peak resident memory: %.1f MiB\n", peakKiB() / 1024.0);

    sim.terminate();
    sim.waitForFinished(3000);
    return 0;
}
