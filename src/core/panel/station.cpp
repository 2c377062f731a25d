#include "station.h"

#include "panel/port_address.h"

#include <QFileInfo>

#include <algorithm>

Station::Station(QObject *parent) : QObject(parent)
{
    m_next.setSingleShot(true);
    connect(&m_next, &QTimer::timeout, this, &Station::tryPort);
}

Station::~Station() { m_link.closePort(); }

void Station::start()
{
    if (isRunning())
        return;
    m_stopRequested = false;
    m_programmed = m_failed = 0;
    m_lastProblem.reset();
    m_portMissing = false;
    m_sinceTry.invalidate();
    setState(State::WaitingForPanel);
    scheduleTry();
}

void Station::stop()
{
    if (!isRunning() || m_stopRequested)
        return;
    m_stopRequested = true;
    if (m_state == State::Writing)
        return; // finished and reported first; programPanel() then ends the run
    if (m_probing) {
        m_link.abort(); // the try ends at once; tryPort() then ends the run
        return;
    }
    m_next.stop();
    finish();
}

void Station::setState(State state)
{
    if (state == m_state)
        return;
    m_state = state;
    emit stateChanged(state);
}

// Tries start a second apart; a try that took longer is followed at once.
void Station::scheduleTry()
{
    const qint64 since = m_sinceTry.isValid() ? m_sinceTry.elapsed() : kTryIntervalMs;
    m_next.start(int(std::clamp<qint64>(kTryIntervalMs - since, 0, kTryIntervalMs)));
}

// The designed handshake on the port, opened for it and closed again.
Station::Presence Station::probe()
{
#ifdef Q_OS_UNIX
    // An adapter not plugged in yet, or just pulled: nothing to open. (Also keeps
    // the link from listing the machine's ports every second.) A device server's
    // address is no file: its connection is tried every time.
    const bool missing = !portaddress::isNetworkAddress(m_port) && !QFileInfo::exists(m_port);
    if (missing != m_portMissing) {
        m_portMissing = missing;
        emit portMissing(missing);
    }
    if (missing)
        return Presence::NoPort;
#endif
    m_link.setPortName(m_port);
    // Stopping ends the try at once, also while a network connection is being made.
    m_probing = true;
    const bool opened = m_link.openPort();
    const bool answered = opened && m_link.handshake();
    m_probing = false;
    if (!opened) {
        if (!m_stopRequested && m_link.openFailure() != m_lastProblem) {
            m_lastProblem = m_link.openFailure();
            emit portProblem(m_lastProblem);
        }
        return Presence::PortError;
    }
    if (m_lastProblem) {
        m_lastProblem.reset();
        emit portProblem(std::nullopt); // it opens again
    }
    m_link.closePort();
    return answered ? Presence::Answered : Presence::Silent;
}

void Station::tryPort()
{
    m_sinceTry.start();
    const Presence presence = probe();
    if (m_stopRequested)
        return finish();

    if (m_state == State::WaitingForPanel) {
        if (presence == Presence::Answered) {
            const int number = m_numbers ? m_numbers->claim() : m_programmed + m_failed + 1;
            if (number == 0)
                return finish(); // the run's panels are all taken by other stations
            return programPanel(number);
        }
    } else if (presence == Presence::Answered) {
        m_silentTries = 0;
    } else if (presence == Presence::NoPort || ++m_silentTries >= kAbsentTries) {
        setState(State::WaitingForPanel); // gone: the next panel can come
    }
    scheduleTry();
}

void Station::programPanel(int number)
{
    setState(State::Writing);
    emit progress(number, 0);
    StationPanel panel;
    panel.number = number;
    panel.started = QDateTime::currentDateTime();
    panel.port = m_port;
    panel.fileName = m_fileName;
    panel.codesSha = codesSha256(m_codes);
    QElapsedTimer clock;
    clock.start();

    m_link.setPortName(m_port);
    std::optional<backup::Kept> kept;
    if (!m_link.openPort()) {
        panel.openFailure = m_link.openFailure();
        panel.statusText = portfailure::english(*panel.openFailure);
    } else if (backupPanel && !(kept = backupPanel(m_link))->ok()) {
        // With --backup the panel's cells are read and kept first, on the open port;
        // a panel whose backup fails is not written.
        panel.backupFailure = kept;
        panel.statusText = backup::english(*kept);
    } else {
        // Exactly what --write-panel sends.
        emit progress(number, 1);
        const panelwrite::Result result =
            panelwrite::writeCodes(m_link, m_codes, [&](int address, const cellwalk::Cell &cell) {
                if (cell.result == cellwalk::CellResult::Ok &&
                    address + 2 <= memory_map::kCellCount)
                    emit progress(number, address + 2);
            });
        panel.programmed = result.programmed();
        panel.ending = result.ending();
        panel.statusText = cellwalk::endingText(*panel.ending);
        panel.failedItem = result.failedItem();
        if (!panel.failedItem.isEmpty())
            panel.cellText = cellwalk::cellText(result.failedCell);
    }
    m_link.closePort();
    panel.durationMs = clock.elapsed();

    ++(panel.programmed ? m_programmed : m_failed);
    emit panelDone(panel);

    if (m_stopRequested)
        return finish();
    m_silentTries = 0;
    m_sinceTry.start();
    setState(State::WaitingForRemoval);
    scheduleTry();
}

void Station::finish()
{
    m_next.stop();
    m_link.closePort();
    setState(State::Idle);
    emit finished();
}
