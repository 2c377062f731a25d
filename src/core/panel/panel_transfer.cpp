#include "panel_transfer.h"

#include "panel/memory_map.h"
#include "panel/panel_link.h"
#include "panel/protocol.h"

#include <utility>

PanelTransfer::PanelTransfer(PanelLink &link, QObject *parent) : QObject(parent), m_link(link)
{
    connect(&m_link, &PanelLink::stepDone, this, &PanelTransfer::onStepDone);
}

PanelTransfer::~PanelTransfer()
{
    disconnect(&m_link, nullptr, this, nullptr);
    if (isRunning()) {
        m_link.abort();
        m_link.closePort();
    }
}

bool PanelTransfer::begin(Kind kind)
{
    if (isRunning() || m_link.isBusy())
        return false; // one command at a time
    m_kind = kind;
    m_writing = kind == Kind::Write && !m_keep;
    m_aborted = m_opened = m_answered = false;
    m_cell = -1;
    m_read = {};
    m_write = {};
    m_backupFailure.clear();
    setState(State::Opening);
    m_link.startOpen();
    return true;
}

bool PanelTransfer::startProbe() { return begin(Kind::Probe); }

bool PanelTransfer::startRead() { return begin(Kind::Read); }

bool PanelTransfer::startWrite(const assignment::Codes &codes)
{
    if (isRunning())
        return false;
    m_codes = codes;
    return begin(Kind::Write);
}

void PanelTransfer::abort()
{
    if (!isRunning() || m_aborted)
        return;
    m_aborted = true;
    if (m_keeping) { // the walk has ended; the write will not begin
        m_link.abort();
        return;
    }
    if (m_state == State::Deciding) {
        m_link.abort();
        return afterKeep(QString());
    }
    // The step running ends at once, untold, with the port closed; the walk ends
    // where it stands.
    m_link.abort();
    switch (m_state) {
    case State::Opening:
        return finish();
    case State::Handshake:
        return walkEnded(cellwalk::Outcome::NoResponse);
    case State::LastPause: // every cell is done
        return walkEnded(cellwalk::Outcome::Done);
    default:
        return walkEnded(cellwalk::Outcome::CellFailed);
    }
}

void PanelTransfer::setState(State state)
{
    if (state == m_state)
        return;
    m_state = state;
    emit stateChanged(state);
}

void PanelTransfer::onStepDone()
{
    switch (m_state) {
    case State::Idle:
    case State::Deciding:
    case State::Finished:
        return;
    case State::Opening:
        // A port lost just after it opened fails the handshake, saying why.
        m_opened = m_link.isOpen() || m_link.isLost();
        if (!m_opened || m_aborted)
            return finish();
        setState(State::Handshake);
        return m_link.startHandshake();
    case State::Handshake:
        return afterHandshake();
    case State::Pause:
        if (m_aborted || !m_link.isOpen())
            return walkEnded(cellwalk::Outcome::CellFailed);
        return beginCell();
    case State::WriteFrame:
        if (!protocol::isAcknowledgement(m_link.reply()))
            return cellEnded({cellwalk::CellResult::NotAcknowledged});
        if (m_aborted)
            return cellEnded({cellwalk::CellResult::Corrupted});
        setState(State::ReadBack);
        return m_link.startExchange(protocol::readFrame(std::int16_t(m_cell)));
    case State::ReadBack: {
        // The read-back stays a single read: a damaged one already fails to verify.
        const std::int16_t value = m_codes[memory_map::itemAt(m_cell)];
        cellwalk::Cell cell = cellwalk::decodeCell(m_link.reply());
        if (cell.result == cellwalk::CellResult::Ok && cell.value != value)
            cell.result = cellwalk::CellResult::FailedToVerify;
        return cellEnded(cell);
    }
    case State::ReadFrame: {
        // A read counts only when two consecutive replies to the read frame are
        // the same bytes: a reply damaged on the line is outvoted by its
        // neighbours. The further frames follow each reply at once.
        const QByteArray reply = m_link.reply();
        if (m_frames > 1 && reply == m_previous) {
            cellwalk::Cell cell = cellwalk::decodeCell(reply);
            if (cell.result == cellwalk::CellResult::Ok && !protocol::isValidCellValue(cell.value))
                cell.result = cellwalk::CellResult::OutOfRange;
            return cellEnded(cell);
        }
        m_previous = reply;
        if (m_frames < cellwalk::kMaxReadFrames && !m_aborted) {
            ++m_frames;
            return m_link.startExchange(protocol::readFrame(std::int16_t(m_cell)));
        }
        cellwalk::Cell cell = cellwalk::decodeCell(m_previous);
        cell.result = cellwalk::CellResult::Corrupted;
        cell.hasValue = false;
        return cellEnded(cell);
    }
    case State::LastPause:
        return walkEnded(cellwalk::Outcome::Done);
    }
}

void PanelTransfer::afterHandshake()
{
    m_answered = m_link.answered();
    if (!m_answered || m_aborted)
        return walkEnded(cellwalk::Outcome::NoResponse);
    if (m_kind == Kind::Probe)
        return finish();
    m_cell = 0;
    setState(State::Pause);
    m_link.startTick();
}

void PanelTransfer::beginCell()
{
    const QByteArray frame =
        m_writing ? protocol::writeFrame(std::int16_t(m_cell), m_codes[memory_map::itemAt(m_cell)])
                  : protocol::readFrame(std::int16_t(m_cell));
    m_frames = 1;
    m_previous.clear();
    setState(m_writing ? State::WriteFrame : State::ReadFrame);
    m_link.startExchange(frame);
}

void PanelTransfer::cellEnded(const cellwalk::Cell &cell)
{
    if (!m_writing)
        m_read.codes[m_cell] = cell.value;
    emit cellDone(m_cell, cell, m_writing);
    if (cell.result != cellwalk::CellResult::Ok) {
        if (m_writing) {
            m_write.failedAddress = m_cell;
            m_write.failedCell = cell.result;
        }
        return walkEnded(cellwalk::Outcome::CellFailed);
    }
    if (m_aborted)
        return walkEnded(cellwalk::Outcome::CellFailed);
    ++m_cell;
    setState(m_cell < memory_map::kCellCount ? State::Pause : State::LastPause);
    m_link.startTick();
}

void PanelTransfer::walkEnded(cellwalk::Outcome outcome)
{
    if (m_writing) {
        // Interrupted between cells: the cell not yet written is where it stopped.
        if (outcome == cellwalk::Outcome::CellFailed && m_write.failedAddress < 0) {
            m_write.failedAddress = m_cell;
            m_write.failedCell = cellwalk::CellResult::NotAcknowledged;
        }
        m_write.outcome = outcome;
        m_write.loss = m_link.loss();
        return finish();
    }
    m_read.outcome = outcome;
    if (m_kind != Kind::Write)
        return finish();
    // The backup read before a write: kept (whatever its outcome, `keep` says
    // whether the write may go on), then the write on the same port.
    m_keeping = true;
    m_deferred = false;
    const QString why = m_keep(m_read);
    m_keeping = false;
    if (std::exchange(m_deferred, false) && !m_aborted)
        return setState(State::Deciding);
    afterKeep(why);
}

void PanelTransfer::resumeWrite(const QString &why)
{
    if (m_state == State::Deciding)
        afterKeep(why);
}

void PanelTransfer::afterKeep(const QString &why)
{
    m_backupFailure = why;
    if (!m_backupFailure.isEmpty() || m_aborted) {
        if (m_backupFailure.isEmpty())
            m_backupFailure = cellwalk::outcomeText(cellwalk::Outcome::CellFailed);
        return finish();
    }
    m_writing = true;
    m_cell = -1;
    emit writeStarted();
    setState(State::Handshake);
    m_link.startHandshake();
}

void PanelTransfer::finish()
{
    m_link.closePort();
    m_cell = -1;
    setState(State::Finished);
    emit finished();
}
