#pragma once

#include "panel/panel_write.h"
#include "panel/station.h"
#include "panel/station_report.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class TrafficLog;

// The programming station on several ports at once, one slot per port. Each slot
// is a Station of its own, with its own link, port and timers; all of them run in
// the gang's thread, side by side, since none waits inside a call: one slow or
// failing port never holds up another.
//
// The gang keeps what every slot shows, counts the panels per slot and over all,
// ends the run after `count` panels over all slots, and writes the report's rows
// itself. Stopping lets every slot finish and report the panel it is writing.
// Widget-free: used by --station and the window's station dialog, with one port
// as with eight.
class StationGang : public QObject
{
    Q_OBJECT
public:
    // What one slot shows, kept up to date from its station's signals.
    struct Slot {
        QString port; // as given: "/dev/ttyUSB1"
        QString name; // its mark on the output: "ttyUSB1"
        Station::State state = Station::State::Idle;
        bool running = false;
        bool stopping = false;
        int programmed = 0;
        int failed = 0;
        int panel = 0; // the number of the panel being written, while writing
        int cell = 0;  // the cell being written, 1 to 21; 0 before the first
        bool portMissing = false;
        std::optional<portfailure::OpenFailure> problem; // why the port cannot be opened
        std::optional<StationPanel> last;                // the slot's last panel in this run
    };

    explicit StationGang(QObject *parent = nullptr);
    // Ends every slot at once: a panel being written is failed where it stands,
    // its port closed, and its report row written (the report must outlive the
    // gang).
    ~StationGang() override;

    // A slot's mark: the device's base name ("ttyUSB1"), or HOST:PORT of a network
    // address ("tcp://bench-7:4001" is "bench-7:4001").
    static QString slotName(const QString &port);
    // The marks of `ports`, in order; ports whose base names clash are marked with
    // their whole text instead, so that every mark tells one slot.
    static QStringList slotNames(const QStringList &ports);
    // The run's settings, set while it is not running.
    void setPorts(const QStringList &ports) { m_ports = ports; }
    void setCodes(const assignment::Codes &codes) { m_codes = codes; }
    void setFileName(const QString &name) { m_fileName = name; } // for the report
    void setCount(int count) { m_count = count; } // panels over all slots; 0: until stopped
    void setReport(StationReport *report) { m_report = report; } // nullptr: no report
    // The traffic of every slot goes into `log`; with several slots each line is
    // marked with its slot. nullptr: no log.
    void setTrafficLog(TrafficLog *log) { m_log = log; }
    // As Station::backupPanel.
    void setBackup(
        std::function<backup::Kept(const cellwalk::PanelRead &read, const QString &port)> backup)
    {
        m_backup = std::move(backup);
    }
    QStringList ports() const { return m_ports; }

    void start();
    // Ends the run: at once for the slots that wait, after the panel in progress
    // (written and reported) for those that write.
    void stop();

    bool isRunning() const;
    bool isStopping() const { return m_stopping && isRunning(); }
    int slotCount() const { return int(m_slots.size()); }
    const Slot &slot(int index) const { return m_slots[size_t(index)]; }
    int programmed() const; // over all slots
    int failed() const;
    // Why the report could not be written (the run then ended), else empty.
    ReportProblem reportError() const { return m_reportError; }
    // `text` as a line of slot `index`: "[ttyUSB1] " before it when the gang has
    // several slots, alone with one, so that a single port prints as it always did.
    QString marked(int index, const QString &text) const;

signals:
    void slotStateChanged(int slot, Station::State state);
    // Anything slot `slot` shows has changed.
    void slotChanged(int slot);
    // As Station::portProblem, for slot `slot`.
    void portProblem(int slot, const std::optional<portfailure::OpenFailure> &failure);
    // A panel is done; its report row has been written.
    void panelDone(int slot, const StationPanel &panel);
    // Every slot has ended; told from the event loop, never from within the call
    // (stop(), say) that ended the last one.
    void finished();

private:
    void onState(int index, Station::State state);
    void onPanel(int index, const StationPanel &panel);
    void onSlotFinished(int index);
    void setUp(int index, Station &station);

    QStringList m_ports;
    assignment::Codes m_codes{};
    QString m_fileName;
    int m_count = 0;
    StationReport *m_report = nullptr;
    TrafficLog *m_log = nullptr;
    std::function<backup::Kept(const cellwalk::PanelRead &, const QString &)> m_backup;

    std::vector<Slot> m_slots;
    std::vector<std::unique_ptr<Station>> m_stations;
    std::vector<std::unique_ptr<TrafficLog>> m_slotLogs; // marked, with several slots
    std::unique_ptr<PanelNumbers> m_numbers;
    bool m_stopping = false;
    ReportProblem m_reportError;
    QTimer m_finished; // tells finished() from the event loop, after the call that ended the run
};
