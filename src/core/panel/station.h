#pragma once

#include "panel/panel_link.h"
#include "panel/panel_transfer.h"
#include "panel/panel_write.h"
#include "panel/station_report.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <atomic>
#include <functional>

class TrafficLog;

// The running numbers of the panels of stations that program side by side, one
// number per panel over all of them, at most `limit` (0: no limit). Shared by
// the stations' threads.
class PanelNumbers
{
public:
    explicit PanelNumbers(int limit = 0) : m_limit(limit) {}
    // The next panel's number, or 0 when `limit` panels have been numbered.
    int claim()
    {
        const int number = m_next.fetch_add(1);
        return m_limit > 0 && number > m_limit ? 0 : number;
    }
    bool exhausted() const { return m_limit > 0 && m_next.load() > m_limit; }

private:
    std::atomic<int> m_next{1};
    const int m_limit;
};

// The programming station: programs panel after panel on one port, hands-free.
// It waits for a panel (a handshake once a second, the port opened and closed
// again around each, a port that does not exist yet waited for as well), writes
// the codes as --write-panel does, reports the panel, then waits until the panel
// is gone (no acknowledgement twice in a row, or the port disappears) before it
// waits for the next one, so a panel left connected is programmed only once.
//
// Widget-free and driven by its own timer and its transfer's signals: nothing
// waits inside a call, so the window (or the command line's signal handling)
// stays responsive throughout, and several stations run side by side in one
// thread. StationGang runs one per port and counts, limits and reports their
// panels, for --station and the window's station dialog.
class Station : public QObject
{
    Q_OBJECT
public:
    enum class State {
        Idle,              // not started, or finished
        WaitingForPanel,   // trying for a panel once a second
        Writing,           // a panel is being programmed
        WaitingForRemoval, // the panel just programmed is still connected
    };
    Q_ENUM(State)

    static constexpr int kTryIntervalMs = 1000; // one handshake try a second
    static constexpr int kAbsentTries = 2;      // silent tries that mean the panel is gone

    explicit Station(QObject *parent = nullptr);
    ~Station() override;

    // The run's settings, set before start().
    void setPort(const QString &port) { m_port = port; }
    void setCodes(const assignment::Codes &codes) { m_codes = codes; }
    void setFileName(const QString &name) { m_fileName = name; } // for the report
    void setTrafficLog(TrafficLog *log) { m_link.setTrafficLog(log); }
    // Panels numbered over several stations; a station that finds the numbers used
    // up ends instead of writing the panel that answered. nullptr (the default):
    // this station numbers its own panels.
    void setNumbers(PanelNumbers *numbers) { m_numbers = numbers; }
    QString port() const { return m_port; }

    // Called for each panel before it is written, with what the panel held as read
    // on `port` (--backup), to keep it. A backup that is not ok fails the panel
    // without writing it. Empty by default: no backup.
    std::function<backup::Kept(const cellwalk::PanelRead &read, const QString &port)> backupPanel;

    void start();
    // Ends the run: at once while waiting; after the panel in progress has been
    // written and reported while writing.
    void stop();

    // Ends the run at once: a panel being written is failed where it stands (its
    // port closed) and reported.
    void abandon();

    State state() const { return m_state; }
    bool isRunning() const { return m_state != State::Idle; }
    bool isStopping() const { return m_stopRequested && isRunning(); }
    int programmed() const { return m_programmed; }
    int failed() const { return m_failed; }

signals:
    void stateChanged(Station::State state);
    // The port cannot be opened for another reason than not being there (in use,
    // no permission): why, once each time it changes; nothing once the port opens
    // again.
    void portProblem(const std::optional<portfailure::OpenFailure> &failure);
    // The port is not there (an adapter not plugged in), or is there again.
    void portMissing(bool missing);
    // Panel `number` is being programmed: `cell` 0 before its first cell (the
    // backup read, if any), then 1 to 21 as each cell is written.
    void progress(int number, int cell);
    void panelDone(const StationPanel &panel);
    void finished();

private:
    enum class Presence { Answered, Silent, NoPort, PortError };

    void setState(State state);
    void scheduleTry();
    void tryPort();
    void onPresence(Presence presence);
    void onTransferDone();
    void programPanel(int number);
    void panelWritten();
    void finish();

    PanelLink m_link;
    PanelTransfer m_transfer{m_link};   // the probes and the writes
    std::optional<backup::Kept> m_kept; // what the backup of the panel being written kept
    StationPanel m_panel;               // the panel being written
    QElapsedTimer m_panelClock;
    QTimer m_next; // the next try
    QElapsedTimer m_sinceTry;

    QString m_port;
    assignment::Codes m_codes{};
    QString m_fileName;
    PanelNumbers *m_numbers = nullptr;

    State m_state = State::Idle;
    bool m_stopRequested = false;
    bool m_probing = false;
    int m_silentTries = 0;
    int m_programmed = 0;
    int m_failed = 0;
    std::optional<portfailure::OpenFailure> m_lastProblem;
    bool m_portMissing = false;
};
