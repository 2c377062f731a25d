// Measures the programming station on 1 and on 4 simulated panels that are
// connected and disconnected on a schedule, as a technician with one cable and
// with four would: panels per hour for both, their ratio, and the station's CPU
// time against the wall time. Prints figures; asserts nothing.

#include "bench_support.h"
#include "files/qcf_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

namespace {

// Each panel stays connected 5 s (the station finds it within a second and writes
// it in 2.3 s) and is away 3 s (the station notices within two tries).
const QString kSchedule = QStringLiteral("on:5000,off:3000");

struct Figures {
    int panels = 0;
    int programmed = 0;
    double wall = 0; // s
    double cpu = 0;  // s
    double perHour() const { return wall > 0 ? programmed * 3600.0 / wall : 0; }
};

// Programs `panelsPerSlot` panels on each of `slotCount` simulated panels at once,
// connected and disconnected on `schedule` (empty: always connected).
Figures runStation(const QString &file, int slotCount, int panelsPerSlot,
                   const QString &schedule = kSchedule)
{
    std::vector<std::unique_ptr<QProcess>> sims;
    QStringList args{QStringLiteral("--station"), file};
    for (int i = 0; i < slotCount; ++i) {
        auto sim = std::make_unique<QProcess>();
        QStringList simArgs{QStringLiteral("--log"), QStringLiteral("/dev/null")};
        if (!schedule.isEmpty())
            simArgs << QStringLiteral("--connect-schedule") << schedule;
        const QString port = startSimulatedPanel(*sim, simArgs);
        if (port.isEmpty()) {
            std::fprintf(stderr, "bench: panel-sim did not start\n");
            return {};
        }
        args << QStringLiteral("--port") << port;
        sims.push_back(std::move(sim));
    }
    const int count = slotCount * panelsPerSlot;
    args << QStringLiteral("--count") << QString::number(count);

    Figures f;
    QProcess station;
    const double cpu0 = childCpuSeconds();
    QElapsedTimer t;
    t.start();
    station.start(QStringLiteral(PROGRAM_PATH), args);
    station.waitForFinished(-1);
    f.wall = t.nsecsElapsed() / 1e9;
    f.cpu = childCpuSeconds() - cpu0;
    f.panels = count;
    // The last line: "N PROGRAMMED, M FAILED ..."
    const QList<QByteArray> lines = station.readAllStandardOutput().trimmed().split('\n');
    f.programmed = lines.last().split(' ').first().toInt();
    for (const auto &sim : sims) {
        sim->terminate();
        sim->waitForFinished(3000);
    }
    return f;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int panelsPerSlot = argc > 1 ? std::max(1, atoi(argv[1])) : 6;

    QTemporaryDir dir;
    qcf::Configuration config;
    config.panel = "BENCH";
    config.codes.fill(23);
    const QString file = dir.filePath(QStringLiteral("bench.qcf"));
    qcf::saveFile(file, qcf::format(config));

    std::printf("programming station, %d panels per slot, panels connected and disconnected "
                "on the schedule %s\n",
                panelsPerSlot, qPrintable(kSchedule));
    std::printf("%-6s %7s %11s %8s %12s %8s %10s %14s\n", "slots", "panels", "programmed", "wall s",
                "panels/hour", "cpu s", "cpu/wall", "cpu/wall/slot");
    Figures one, four;
    for (const int slotCount : {1, 4}) {
        const Figures f = runStation(file, slotCount, panelsPerSlot);
        std::printf("%-6d %7d %11d %8.1f %12.0f %8.3f %9.2f%% %13.2f%%\n", slotCount, f.panels,
                    f.programmed, f.wall, f.perHour(), f.cpu, 100.0 * f.cpu / f.wall,
                    100.0 * f.cpu / f.wall / slotCount);
        (slotCount == 1 ? one : four) = f;
    }
    if (one.perHour() > 0)
        std::printf("4 slots against 1: %.2fx the panels per hour\n",
                    four.perHour() / one.perHour());

    // Eight panels, always connected, written at once by the station's slots, all in
    // one thread, against one panel alone: the time from start to the last panel
    // written, and the processor time per panel.
    // Then the same beside two busy processes.
    for (const bool loaded : {false, true}) {
        std::optional<BusyLoad> load;
        if (loaded)
            load.emplace();
        std::printf("\none panel against eight written at once (one thread)%s\n",
                    loaded ? ", beside two busy processes" : "");
        std::printf("%-6s %11s %8s %14s\n", "panels", "programmed", "wall s", "cpu/wall/panel");
        Figures single;
        for (const int slotCount : {1, 8}) {
            const Figures f = runStation(file, slotCount, 1, QString());
            std::printf("%-6d %11d %8.2f %13.2f%%\n", slotCount, f.programmed, f.wall,
                        100.0 * f.cpu / f.wall / slotCount);
            if (slotCount == 1)
                single = f;
            else if (single.wall > 0)
                std::printf("8 panels against 1: %.2fx the time\n", f.wall / single.wall);
        }
    }
    return 0;
}
