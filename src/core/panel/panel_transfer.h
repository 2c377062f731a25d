#pragma once

#include "panel/cell_walk.h"
#include "panel/panel_write.h"

#include <QByteArray>
#include <QObject>
#include <functional>

class PanelLink;

// One conversation with a panel, as a state machine: the port opened, the
// handshake, then for each of the 21 cells a pause and its transaction (a write
// frame and the read-back that verifies it, or read frames until two replies
// agree), one more pause, and the port closed again. It is driven by the link's
// steps (its timer and the port's signals) and never waits inside a call: start
// returns at once, cellDone() tells each cell and finished() the end, whose
// results are then read from the transfer. Several transfers on several links
// run side by side in one thread.
//
// A write may read and keep what the panel holds first (setBackup): the read,
// then the write, on the port opened once. A transfer runs one command at a
// time; a second start while one runs is refused.
class PanelTransfer : public QObject
{
    Q_OBJECT
public:
    enum class State {
        Idle,       // not started yet
        Opening,    // the port is being opened
        Handshake,  // attention bytes until the panel acknowledges
        Pause,      // the pause before a cell
        WriteFrame, // a cell's write frame, waiting for its acknowledgement
        ReadBack,   // the read-back that verifies the value written
        ReadFrame,  // read frames until two consecutive replies agree
        LastPause,  // the pause after the last cell
        Deciding,   // the backup read is over; the write waits for resumeWrite()
        Finished,   // ended; the port is closed
    };
    Q_ENUM(State)

    enum class Kind { None, Probe, Read, Write };

    // Runs on `link` (which stays the caller's); the link's port is opened and
    // closed by the transfer.
    explicit PanelTransfer(PanelLink &link, QObject *parent = nullptr);
    // A transfer destroyed while it runs ends it: the port is closed, nothing is
    // told any more.
    ~PanelTransfer() override;

    // Only the handshake: whether a panel answers on the port.
    bool startProbe();
    // Reads every cell (confirmed reads).
    bool startRead();
    // Writes `codes` (by item) into every cell and verifies each one.
    bool startWrite(const assignment::Codes &codes);
    // Before the next write: the panel read first and handed to `keep` however the
    // read ended, which returns why the write may not go on (the read failed, or
    // what it read could not be kept) or nothing. The port stays open meanwhile;
    // an abort from within `keep` ends the transfer once it returns.
    void setBackup(std::function<QString(const cellwalk::PanelRead &read)> keep)
    {
        m_keep = std::move(keep);
    }
    // Called from within `keep` when the decision is a person's and comes later:
    // the transfer then waits in Deciding, the port open, until resumeWrite()
    // says whether the write goes on (an empty `why`) or not, or abort() ends it.
    void deferDecision() { m_deferred = m_keeping; }
    void resumeWrite(const QString &why);

    // Ends the transfer at once, finished() told from within the call: the port
    // closed, the walk running failed (a walk whose cells were all verified stays
    // done).
    void abort();

    State state() const { return m_state; }
    Kind kind() const { return m_kind; }
    bool isRunning() const { return m_state != State::Idle && m_state != State::Finished; }
    // The cell being transferred (0..20), or -1.
    int cell() const { return m_cell; }
    bool isAborted() const { return m_aborted; }

    // Results, once finished. Whether the port opened (else the link says why).
    bool opened() const { return m_opened; }
    // A probe: whether the panel answered.
    bool answered() const { return m_answered; }
    // A read, or the backup read before a write.
    const cellwalk::PanelRead &panelRead() const { return m_read; }
    // Why the backup failed (the read, or keeping it): nothing was written.
    const QString &backupFailure() const { return m_backupFailure; }
    // A write.
    const panelwrite::Result &writeResult() const { return m_write; }

signals:
    void stateChanged(PanelTransfer::State state);
    // Cell `address` has been transferred (written and verified, or read); with
    // `writing` for a cell of the write, not of a backup read.
    void cellDone(int address, const cellwalk::Cell &cell, bool writing);
    // The walk of the backup read is over and the write begins.
    void writeStarted();
    void finished();

private:
    bool begin(Kind kind);
    void setState(State state);
    void onStepDone();
    void afterHandshake();
    void beginCell();
    void cellEnded(const cellwalk::Cell &cell);
    // The walk running (the read or the write) has ended with `outcome`.
    void walkEnded(cellwalk::Outcome outcome);
    // The backup has been kept, or not (`why`): the write begins or the transfer ends.
    void afterKeep(const QString &why);
    void finish();

    PanelLink &m_link;
    State m_state = State::Idle;
    Kind m_kind = Kind::None;
    bool m_writing = false; // the walk running is the write (else a read)
    bool m_aborted = false;
    bool m_keeping = false; // in the backup's `keep`
    bool m_deferred = false; // `keep` left the decision for later
    bool m_opened = false;
    bool m_answered = false;
    int m_cell = -1;
    int m_frames = 0;      // read frames sent for the cell
    QByteArray m_previous; // the reply before the last one to the cell's read frame
    assignment::Codes m_codes{};
    std::function<QString(const cellwalk::PanelRead &)> m_keep;
    cellwalk::PanelRead m_read;
    panelwrite::Result m_write;
    QString m_backupFailure;
};
