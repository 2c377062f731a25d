#include "station_gang.h"

#include "panel/port_address.h"
#include "panel/port_choice.h"
#include "panel/traffic_log.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QThread>

#include <algorithm>
#include <mutex>

// One slot's thread. Its station is made in the thread, so that the station's
// link, port and timers belong to it, runs in the thread's event loop, and is
// destroyed there when it has finished; the thread then ends.
class StationGang::SlotThread : public QThread
{
public:
    // Sets up the station (its settings and connections) in the thread, before it starts.
    explicit SlotThread(std::function<void(Station &)> setUp) : m_setUp(std::move(setUp)) {}

    // From any thread: asks the station to stop, also before it exists.
    void requestStop()
    {
        const std::lock_guard lock(m_mutex);
        m_stopRequested = true;
        if (m_station)
            QMetaObject::invokeMethod(m_station, &Station::stop, Qt::QueuedConnection);
    }

protected:
    void run() override
    {
        Station station;
        m_setUp(station);
        QObject::connect(&station, &Station::finished, [this] { quit(); });
        bool stopRequested = false;
        {
            const std::lock_guard lock(m_mutex);
            m_station = &station;
            stopRequested = m_stopRequested;
        }
        station.start();
        if (stopRequested)
            station.stop();
        if (station.isRunning())
            exec();
        const std::lock_guard lock(m_mutex);
        m_station = nullptr; // requests posted before this die with the station
    }

private:
    const std::function<void(Station &)> m_setUp;
    std::mutex m_mutex;
    Station *m_station = nullptr;
    bool m_stopRequested = false;
};

StationGang::StationGang(QObject *parent) : QObject(parent) {}

StationGang::~StationGang()
{
    join();
    // What the slots sent before they ended still counts: the rows of the panels
    // they finished go into the report.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

QString StationGang::slotName(const QString &port)
{
    if (const portaddress::Address address = portaddress::parse(port); address.isNetwork())
        return address.isUsable() ? address.hostAndPort()
                                  : address.text.section(QStringLiteral("://"), 1);
    const QString name = QFileInfo(port).fileName();
    return name.isEmpty() ? port : name;
}

QStringList StationGang::slotNames(const QStringList &ports)
{
    QHash<QString, int> uses;
    for (const QString &port : ports)
        ++uses[slotName(port)];
    QStringList names;
    for (const QString &port : ports) {
        const QString name = slotName(port);
        names << (uses.value(name) > 1 ? port : name);
    }
    return names;
}

void StationGang::start()
{
    if (isRunning() || m_ports.isEmpty())
        return;
    join(); // the threads of the last run, all finished
    m_slots.clear();
    m_slotLogs.clear();
    m_stopping = false;
    m_reportError = {};
    m_numbers = std::make_unique<PanelNumbers>(m_count);

    const QStringList names = slotNames(m_ports);
    for (int i = 0; i < m_ports.size(); ++i) {
        Slot slot;
        slot.port = m_ports[i];
        slot.name = names[i];
        slot.running = true;
        m_slots.push_back(slot);
        if (m_log && m_ports.size() > 1)
            m_slotLogs.push_back(std::make_unique<TrafficLog>(*m_log, slot.name));
    }
    for (int i = 0; i < int(m_slots.size()); ++i) {
        auto thread = std::make_unique<SlotThread>([this, i](Station &s) { setUp(i, s); });
        connect(thread.get(), &QThread::finished, this, [this, i] { onSlotFinished(i); });
        m_threads.push_back(std::move(thread));
    }
    for (const auto &thread : m_threads)
        thread->start();
    for (int i = 0; i < int(m_slots.size()); ++i)
        emit slotChanged(i);
}

// Runs in slot `index`'s thread: the gang's members read here are not changed
// while the slot runs; the station's signals reach the gang queued.
void StationGang::setUp(int index, Station &station)
{
    station.setPort(m_ports[index]);
    station.setCodes(m_codes);
    station.setFileName(m_fileName);
    station.setNumbers(m_numbers.get());
    station.setTrafficLog(m_slotLogs.empty() ? m_log : m_slotLogs[size_t(index)].get());
    station.backupPanel = m_backup;

    connect(&station, &Station::stateChanged, this,
            [this, index](Station::State state) { onState(index, state); });
    connect(&station, &Station::portProblem, this,
            [this, index](const std::optional<portfailure::OpenFailure> &failure) {
                m_slots[size_t(index)].problem = failure;
                emit portProblem(index, failure);
                emit slotChanged(index);
            });
    connect(&station, &Station::portMissing, this, [this, index](bool missing) {
        m_slots[size_t(index)].portMissing = missing;
        emit slotChanged(index);
    });
    connect(&station, &Station::progress, this, [this, index](int number, int cell) {
        Slot &slot = m_slots[size_t(index)];
        slot.panel = number;
        slot.cell = cell;
        emit slotChanged(index);
    });
    connect(&station, &Station::panelDone, this,
            [this, index](const StationPanel &panel) { onPanel(index, panel); });
}

void StationGang::stop()
{
    if (!isRunning())
        return;
    m_stopping = true;
    for (int i = 0; i < int(m_slots.size()); ++i) {
        if (!m_slots[size_t(i)].running || m_slots[size_t(i)].stopping)
            continue;
        m_slots[size_t(i)].stopping = true;
        m_threads[size_t(i)]->requestStop();
        emit slotChanged(i);
    }
}

void StationGang::join()
{
    for (const auto &thread : m_threads)
        thread->requestStop();
    for (const auto &thread : m_threads)
        thread->wait();
    m_threads.clear();
}

bool StationGang::isRunning() const
{
    return std::any_of(m_slots.begin(), m_slots.end(), [](const Slot &s) { return s.running; });
}

int StationGang::programmed() const
{
    int n = 0;
    for (const Slot &slot : m_slots)
        n += slot.programmed;
    return n;
}

int StationGang::failed() const
{
    int n = 0;
    for (const Slot &slot : m_slots)
        n += slot.failed;
    return n;
}

QString StationGang::marked(int index, const QString &text) const
{
    if (m_slots.size() <= 1)
        return text;
    return QStringLiteral("[%1] %2").arg(m_slots[size_t(index)].name, text);
}

void StationGang::onState(int index, Station::State state)
{
    Slot &slot = m_slots[size_t(index)];
    slot.state = state;
    if (state == Station::State::Writing) {
        slot.problem.reset();
        slot.portMissing = false;
        // The last panel of --count has been taken: the slots that wait end now,
        // those that write end after their panel.
        if (m_numbers->exhausted())
            stop();
    } else {
        slot.panel = slot.cell = 0;
    }
    emit slotStateChanged(index, state);
    emit slotChanged(index);
}

void StationGang::onPanel(int index, const StationPanel &panel)
{
    Slot &slot = m_slots[size_t(index)];
    ++(panel.programmed ? slot.programmed : slot.failed);
    slot.last = panel;
    // A panel answered on this port (it was programmed, or a cell failed after the
    // handshake): the next run starts on it, as after any other panel command.
    // Remembered here, in the thread that owns the settings, not in the slots.
    if (panel.programmed || !panel.failedItem.isEmpty())
        portchoice::rememberPort(panel.port);
    if (m_report) {
        // Every panel's row is tried; the first failure is kept and ends the run.
        const ReportProblem why = m_report->append(panel);
        if (why.failed() && !m_reportError.failed()) {
            m_reportError = why;
            stop();
        }
    }
    emit panelDone(index, panel);
    emit slotChanged(index);
}

void StationGang::onSlotFinished(int index)
{
    Slot &slot = m_slots[size_t(index)];
    slot.running = false;
    slot.state = Station::State::Idle;
    slot.panel = slot.cell = 0;
    emit slotChanged(index);
    if (!isRunning())
        emit finished();
}
