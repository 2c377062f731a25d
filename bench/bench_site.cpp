// Measures the audit of an installation: 16 simulated panels, each behind a
// network port of its own (panel-sim --tcp), audited with the default jobs, as a
// ratio of one panel's confirmed read (--read-panel), with the program's CPU time
// per panel being read; and an inventory of 200 rows whose panels all refuse the
// connection. Prints figures; asserts nothing.

#include "bench_support.h"
#include "files/qcf_file.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

struct Run {
    double wall = 0; // s
    double cpu = 0;  // s, the program's
    int status = -1;
    QByteArray lastLine;
};

Run runProgram(const QStringList &args)
{
    Run r;
    QProcess program;
    const double cpu0 = childCpuSeconds();
    QElapsedTimer t;
    t.start();
    program.start(QStringLiteral(PROGRAM_PATH), args);
    program.waitForFinished(-1);
    r.wall = t.nsecsElapsed() / 1e9;
    r.cpu = childCpuSeconds() - cpu0;
    r.status = program.exitCode();
    r.lastLine = program.readAllStandardOutput().trimmed().split('\n').last();
    return r;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int panels = argc > 1 ? std::max(1, atoi(argv[1])) : 16;
    QTemporaryDir dir;
    qcf::Configuration config;
    config.panel = "BENCH";
    config.codes.fill(160);
    qcf::saveFile(dir.filePath(QStringLiteral("bench.qcf")), qcf::format(config));

    std::vector<std::unique_ptr<QProcess>> sims;
    QByteArray inventory = "panel,port,file\n";
    for (int i = 0; i < panels; ++i) {
        auto sim = std::make_unique<QProcess>();
        const QString address = startSimulatedPanel(
            *sim, {QStringLiteral("--tcp"), QStringLiteral("0"), QStringLiteral("--log"),
                   QStringLiteral("/dev/null"), QStringLiteral("--exit-with-parent")});
        if (address.isEmpty()) {
            std::fprintf(stderr, "bench: panel-sim did not start\n");
            return 1;
        }
        inventory += QStringLiteral("Panel %1,%2,bench.qcf\n").arg(i + 1).arg(address).toUtf8();
        sims.push_back(std::move(sim));
    }
    QFile site(dir.filePath(QStringLiteral("site.csv")));
    site.open(QIODevice::WriteOnly);
    site.write(inventory);
    site.close();

    // One panel's confirmed read, the unit; the first port, as the audit reads it.
    const QString firstPort = QString::fromUtf8(inventory.split('\n')[1].split(',')[1]);
    const Run one =
        runProgram({QStringLiteral("--read-panel"), dir.filePath(QStringLiteral("one.qcf")),
                    QStringLiteral("--port"), firstPort});
    const Run audit = runProgram({QStringLiteral("--audit"), site.fileName()});
    std::printf("audit of %d simulated panels (panel-sim --tcp), default jobs\n", panels);
    std::printf("one panel's read: %.2f s (status %d); the audit: %.2f s (status %d)\n", one.wall,
                one.status, audit.wall, audit.status);
    std::printf("  %s\n", audit.lastLine.constData());
    if (one.wall > 0)
        std::printf("audit against one read: %.2fx\n", audit.wall / one.wall);
    std::printf("CPU: %.3f s over %.2f s, %.2f%% per panel being read\n", audit.cpu, audit.wall,
                100.0 * audit.cpu / audit.wall / std::min(panels, 8));
    for (const auto &sim : sims) {
        sim->terminate();
        sim->waitForFinished(3000);
    }

    // 200 rows whose ports refuse the connection (nothing listens on them).
    QByteArray refused = "panel,port,file\n";
    for (int i = 0; i < 200; ++i)
        refused +=
            QStringLiteral("Gone %1,tcp://127.0.0.1:%2,bench.qcf\n").arg(i + 1).arg(1 + i).toUtf8();
    QFile gone(dir.filePath(QStringLiteral("gone.csv")));
    gone.open(QIODevice::WriteOnly);
    gone.write(refused);
    gone.close();
    const Run unreachable = runProgram({QStringLiteral("--audit"), gone.fileName()});
    std::printf("audit of 200 unreachable rows (refused connections): %.2f s (status %d)\n  %s\n",
                unreachable.wall, unreachable.status, unreachable.lastLine.constData());
    return 0;
}
