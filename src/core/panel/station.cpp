#include "station.h"

#include "panel/port_address.h"

#include <QFileInfo>

#include <algorithm>

Station::Station(QObject *parent) : QObject(parent)
{
    m_next.setSingleShot(true);
    connect(&m_next, &QTimer::timeout, this, &Station::tryPort);
    connect(&m_transfer, &PanelTransfer::finished, this, &Station::onTransferDone);
    connect(&m_transfer, &PanelTransfer::writeStarted, this,
            [this] { emit progress(m_panel.number, 1); });
    connect(&m_transfer, &PanelTransfer::cellDone, this,
            [this](int address, const cellwalk::Cell &cell, bool writing) {
                if (writing && cell.result == cellwalk::CellResult::Ok &&
                    address + 2 <= memory_map::kCellCount)
                    emit progress(m_panel.number, address + 2);
            });
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
        return; // finished and reported first; panelWritten() then ends the run
    if (m_probing) {
        m_transfer.abort(); // the try ends at once; onTransferDone() then ends the run
        return;
    }
    m_next.stop();
    finish();
}

void Station::abandon()
{
    if (!isRunning())
        return;
    m_stopRequested = true;
    if (m_transfer.isRunning())
        return m_transfer.abort(); // its end ends the run
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
void Station::tryPort()
{
    m_sinceTry.start();
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
        return onPresence(Presence::NoPort);
#endif
    m_link.setPortName(m_port);
    // Stopping ends the try at once, also while a network connection is being made.
    m_probing = m_transfer.startProbe();
    if (!m_probing)
        scheduleTry();
}

void Station::onTransferDone()
{
    if (m_state == State::Writing)
        return panelWritten();
    if (!m_probing)
        return;
    m_probing = false;
    if (!m_transfer.opened()) {
        if (!m_stopRequested && m_link.openFailure() != m_lastProblem) {
            m_lastProblem = m_link.openFailure();
            emit portProblem(m_lastProblem);
        }
        return onPresence(Presence::PortError);
    }
    if (m_lastProblem) {
        m_lastProblem.reset();
        emit portProblem(std::nullopt); // it opens again
    }
    onPresence(m_transfer.answered() ? Presence::Answered : Presence::Silent);
}

void Station::onPresence(Presence presence)
{
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
    m_panel = StationPanel();
    m_panel.number = number;
    m_panel.started = QDateTime::currentDateTime();
    m_panel.port = m_port;
    m_panel.fileName = m_fileName;
    m_panel.codesSha = codesSha256(m_codes);
    m_panelClock.start();
    setState(State::Writing);
    emit progress(number, 0);

    m_link.setPortName(m_port);
    // With --backup the panel's cells are read and kept first, on the open port;
    // a panel whose backup fails is not written. Exactly what --write-panel sends.
    m_kept.reset();
    if (backupPanel)
        m_transfer.setBackup([this](const cellwalk::PanelRead &read) {
            m_kept = backupPanel(read, m_port);
            return m_kept->ok() ? QString() : backup::english(*m_kept);
        });
    else
        m_transfer.setBackup({});
    if (!m_transfer.startWrite(m_codes))
        return panelWritten();
    if (!backupPanel)
        emit progress(number, 1);
}

void Station::panelWritten()
{
    StationPanel panel = m_panel;
    if (!m_transfer.opened()) {
        panel.openFailure = m_link.openFailure();
        if (panel.openFailure)
            panel.statusText = portfailure::english(*panel.openFailure);
    } else if (!m_transfer.backupFailure().isEmpty()) {
        panel.backupFailure = m_kept;
        panel.statusText = m_transfer.backupFailure();
    } else {
        const panelwrite::Result &result = m_transfer.writeResult();
        panel.programmed = result.programmed();
        panel.ending = result.ending();
        panel.statusText = cellwalk::endingText(*panel.ending);
        panel.failedItem = result.failedItem();
        if (!panel.failedItem.isEmpty())
            panel.cellText = cellwalk::cellText(result.failedCell);
    }
    m_link.closePort();
    panel.durationMs = m_panelClock.elapsed();

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
    m_transfer.abort();
    m_link.closePort();
    setState(State::Idle);
    emit finished();
}
