#include "station_gang.h"

#include "panel/port_address.h"
#include "panel/port_choice.h"
#include "panel/traffic_log.h"

#include <QFileInfo>
#include <QHash>

#include <algorithm>

StationGang::StationGang(QObject *parent) : QObject(parent)
{
    m_finished.setSingleShot(true);
    m_finished.setInterval(0);
    connect(&m_finished, &QTimer::timeout, this, &StationGang::finished);
}

StationGang::~StationGang()
{
    // The slots end here, each panel in progress failed and reported; nothing is
    // told of them afterwards.
    m_stopping = true;
    for (const std::unique_ptr<Station> &station : m_stations)
        station->abandon();
    for (const std::unique_ptr<Station> &station : m_stations)
        station->disconnect(this);
    m_stations.clear();
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
    m_stations.clear(); // the last run's, all finished
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
        m_stations.push_back(std::make_unique<Station>());
        setUp(i, *m_stations.back());
        connect(m_stations.back().get(), &Station::finished, this,
                [this, i] { onSlotFinished(i); });
    }
    for (int i = 0; i < int(m_slots.size()); ++i)
        emit slotChanged(i);
    for (int i = 0; i < int(m_stations.size()) && !m_stopping; ++i)
        m_stations[size_t(i)]->start();
}

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
        emit slotChanged(i);
        m_stations[size_t(i)]->stop();
    }
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
        m_finished.start();
}
