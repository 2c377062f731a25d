#pragma once

#include "panel/panel_write.h"
#include "panel/station_gang.h"
#include "panel/station_report.h"

#include <QDialog>
#include <functional>
#include <vector>

class FittingScrollArea;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class TrafficLog;

// The programming station in the window: the same station as --station, with the
// window's configuration, on every port ticked in its list (the window's port
// ticked to begin with; the machine's ports offered, others typed in). One tile per
// port shows its slot's state, its last panel's result on green or red and its
// counters; large counters add up all slots. The report file is remembered
// between runs. START and STOP act on all slots. Closing the dialog stops them,
// after the panels in progress when panels are being written. The slots' transfers
// run in the window's thread without waiting inside a call, so the window stays
// responsive throughout. Everything but the state line and the buttons scrolls on
// a screen too small for the dialog.
class StationDialog : public QDialog
{
    Q_OBJECT
public:
    // `codes` are the 21 codes to write (complete: the caller refuses incomplete
    // items first), `configName` the configuration's name for the report, `port`
    // the port ticked to begin with.
    StationDialog(const QString &port, const assignment::Codes &codes, const QString &configName,
                  QWidget *parent = nullptr);
    ~StationDialog() override;

    // Opens the dialog over `parent` (modal to it, deleted when closed) and returns
    // it. `log` (may be null) records the slots' traffic as the window's does.
    static StationDialog *launch(QWidget *parent, const QString &port,
                                 const assignment::Codes &codes, const QString &configName,
                                 TrafficLog *log = nullptr);

    StationGang &gang() { return m_gang; }

    // The report file the user picks, from the one shown; "" when cancelled.
    // Replaceable so that tests run without a file dialog.
    std::function<QString(const QString &current)> chooseReportFile;
    // Shows a refusal of the report file; a warning box unless replaced (tests).
    std::function<void(const QString &text)> showMessage;

    static QString rememberedReportFile(); // the last one started with, or a proposal

    // Adds `port` to the list (when it is not there yet) and ticks it.
    void addPort(const QString &port);
    // The ticked ports, in the list's order.
    QStringList tickedPorts() const;

public slots:
    void start();
    void stop();
    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    struct Tile {
        QGroupBox *box = nullptr;
        QLabel *state = nullptr;
        QLabel *result = nullptr;
        QLabel *counts = nullptr;
    };

    void buildControls(const QString &port);
    void buildReportRow(QGridLayout *rows, int row);
    void buildPortRows(QGridLayout *rows, const QString &port);
    void buildCounters();
    void buildStateAndButtons();
    void arrange(QLabel *what, QGridLayout *settings);
    void buildFocusOrder();
    void addTypedPort();
    void chooseReport();
    bool reportAllowed(const QString &path);
    void buildTiles();
    int tileColumns(int designed) const;
    void showTiles();
    void showTile(int slot);
    void showCounts();
    void showState();
    void onFinished();
    void setStateText(const QString &text, bool problem);

    StationReport m_report; // outlives the gang, which writes the last rows as it goes
    StationGang m_gang;
    QString m_configName;

    QWidget *m_content = nullptr; // what scrolls: all but the state line and the buttons
    FittingScrollArea *m_scroll = nullptr;
    QListWidget *m_portList = nullptr;
    QLineEdit *m_portEdit = nullptr;
    QPushButton *m_addButton = nullptr;
    int m_addedPorts = 0; // ports not listed by the machine, at the top in the order added
    QLineEdit *m_reportEdit = nullptr;
    QPushButton *m_chooseButton = nullptr;
    QLabel *m_programmedLabel = nullptr;
    QLabel *m_failedLabel = nullptr;
    QGridLayout *m_tileGrid = nullptr;
    std::vector<Tile> m_tiles;
    QLabel *m_stateLabel = nullptr;
    QPushButton *m_startButton = nullptr;
    QPushButton *m_stopButton = nullptr;
    QPushButton *m_closeButton = nullptr;
    QString m_problem; // a report problem, or no port ticked, shown instead of the state
    bool m_closePending = false;
    bool m_ran = false;           // started at least once
    bool m_placed = false;        // fitted to the screen once shown
    bool m_countersOnTop = false; // scrolled to the counters and tiles, the user has not scrolled
};
