#pragma once

// The panel simulator as the test suites use it: started on a pseudo-terminal in a
// folder of its own, with its traffic log and its cell dump read back.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

// A configuration file for the panel tests: SW1 on C/4, SW2 with a code above
// 160 (written as 160), everything else unassigned, the backlighting on P/2.
inline const QByteArray kStandardFile = [] {
    QByteArray line = "\"BENCH\",\"HORN\",23,\"\",200";
    for (int i = 2; i < 20; ++i)
        line += ",\"\",160";
    return line + ",151\r\n";
}();

class SimulatedPanel
{
public:
    // `folder` holds the log, the dump and the start values while the panel runs.
    explicit SimulatedPanel(const QString &folder) : m_dir(folder) {}
    ~SimulatedPanel()
    {
        m_process.terminate();
        m_process.waitForFinished(3000);
    }

    // The simulator: PANEL_SIM as CTest sets it, else this build's beside the suites.
    static QString program()
    {
        const QString set = qEnvironmentVariable("PANEL_SIM");
        return !set.isEmpty() ? set
                              : QCoreApplication::applicationDirPath() +
                                    QStringLiteral("/../tools/panel-sim/panel-sim");
    }

    // Starts the simulator with fault switches `args` and start values `cells` (all
    // 160 when empty); returns the device to open, empty on failure.
    QString start(const QStringList &args, const QByteArray &cells = {})
    {
        // Ended by the kernel should the suite abort.
        QStringList all = {QStringLiteral("--exit-with-parent"), QStringLiteral("--log"),
                           path("sim.log"), QStringLiteral("--dump"), path("cells.txt")};
        if (!cells.isEmpty()) {
            QFile f(path("start.txt"));
            if (f.open(QIODevice::WriteOnly))
                f.write(cells);
            all << QStringLiteral("--cells") << f.fileName();
        }
        m_process.setStandardErrorFile(QProcess::nullDevice());
        m_process.start(program(), all + args);
        if (!m_process.waitForStarted(5000))
            return QString();
        QElapsedTimer t;
        t.start();
        while (!m_process.canReadLine() && t.elapsed() < 5000)
            m_process.waitForReadyRead(100);
        return QString::fromLocal8Bit(m_process.readLine()).trimmed();
    }

    // The frames logged in one direction ("RX" from the program, "TX" to it), as
    // hex strings.
    QStringList frames(const QString &direction) const
    {
        QFile f(path("sim.log"));
        QStringList frames;
        if (!f.open(QIODevice::ReadOnly))
            return frames;
        const QString marker = QLatin1Char(' ') + direction + QLatin1Char(' ');
        while (!f.atEnd()) {
            const QString line = QString::fromLatin1(f.readLine()).trimmed();
            const int at = line.indexOf(marker);
            if (at > 0)
                frames << line.mid(at + marker.size()).remove(QLatin1Char(' ')).toLower();
        }
        return frames;
    }

    // Whether `frames` are reads only (with their handshakes), then from index
    // `writeAt` on the designed write: the handshake and 21 write and read-back
    // pairs. A busy machine may add attention bytes or confirming reads, never
    // other frames.
    static bool readThenWrite(const QStringList &frames, qsizetype writeAt)
    {
        for (qsizetype i = 0; i < writeAt; ++i)
            if (frames[i] != QLatin1String("41") && !frames[i].startsWith(QLatin1String("56")))
                return false;
        QStringList write = frames.mid(writeAt);
        while (write.size() > 42 && write.first() == QLatin1String("41"))
            write.removeFirst();
        if (write.size() != 42)
            return false;
        for (qsizetype i = 0; i < 42; i += 2)
            if (!write[i].startsWith(QLatin1String("53")) ||
                !write[i + 1].startsWith(QLatin1String("56")))
                return false;
        return true;
    }

    // The values the panel holds now.
    QList<int> cells() const
    {
        QFile f(path("cells.txt"));
        QList<int> cells;
        if (f.open(QIODevice::ReadOnly))
            for (const QByteArray &v : f.readAll().simplified().split(' '))
                cells << v.toInt();
        return cells;
    }

private:
    QString path(const char *name) const { return m_dir.filePath(QString::fromLatin1(name)); }

    QDir m_dir;
    QProcess m_process;
};
