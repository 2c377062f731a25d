#pragma once

// What the benchmarks that start the program and simulated panels share: the
// processor time of the processes they ran, and a simulated panel started with its
// address (or device) read from its first line.

#include <QProcess>
#include <QString>
#include <QStringList>

#include <sys/resource.h>

// The user and system time of the child processes that have ended, in seconds.
inline double childCpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_CHILDREN, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// Two processes that keep two cores busy while it lives: a loaded machine, on
// which a pause may only grow longer, never shorter.
class BusyLoad
{
public:
    BusyLoad()
    {
        for (QProcess &p : m_busy)
            p.start(QStringLiteral("/bin/sh"),
                    {QStringLiteral("-c"), QStringLiteral("while :; do :; done")});
    }
    ~BusyLoad()
    {
        for (QProcess &p : m_busy) {
            p.kill();
            p.waitForFinished(3000);
        }
    }
    BusyLoad(const BusyLoad &) = delete;
    BusyLoad &operator=(const BusyLoad &) = delete;

private:
    QProcess m_busy[2];
};

// Starts panel-sim with `args` in `sim` (its errors discarded); returns the device or
// address it serves the panel on, empty when it did not start.
inline QString startSimulatedPanel(QProcess &sim, const QStringList &args)
{
    sim.setStandardErrorFile(QProcess::nullDevice());
    sim.start(QStringLiteral(PANEL_SIM_PATH), args);
    if (!sim.waitForStarted(5000) || !sim.waitForReadyRead(5000))
        return QString();
    return QString::fromLocal8Bit(sim.readLine()).trimmed();
}
