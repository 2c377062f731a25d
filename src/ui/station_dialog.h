#pragma once

#include "panel/panel_write.h"
#include "panel/station.h"
#include "panel/station_report.h"

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class TrafficLog;

// The programming station in the window: the same station as --station, run on
// the window's port with the window's configuration. Large counters of the panels
// programmed and failed, the last panel's result on green or red, the report file
// (remembered between runs), START and STOP. Closing the dialog stops the station,
// after the panel in progress when one is being written.
class StationDialog : public QDialog
{
    Q_OBJECT
public:
    // `codes` are the 21 codes to write (complete: the caller refuses incomplete
    // items first), `configName` the configuration's name for the report.
    StationDialog(const QString &port, const panelwrite::Codes &codes, const QString &configName,
                  QWidget *parent = nullptr);
    ~StationDialog() override;

    // Opens the dialog over `parent` (modal to it, deleted when closed) and returns
    // it. `log` (may be null) records the station's traffic as the window's does.
    static StationDialog *launch(QWidget *parent, const QString &port,
                                 const panelwrite::Codes &codes, const QString &configName,
                                 TrafficLog *log = nullptr);

    Station &station() { return m_station; }

    // The report file the user picks, from the one shown; "" when cancelled.
    // Replaceable so that tests run without a file dialog.
    std::function<QString(const QString &current)> chooseReportFile;

    static QString rememberedReportFile(); // the last one started with, or a proposal

public slots:
    void start();
    void stop();
    void done(int result) override;

private:
    void buildControls();
    void chooseReport();
    void showCounts();
    void showState();
    void showPanel(const StationPanel &panel);
    void onFinished();
    void setStateText(const QString &text, bool problem);

    Station m_station;
    StationReport m_report;
    QString m_configName;

    QLineEdit *m_reportEdit = nullptr;
    QPushButton *m_chooseButton = nullptr;
    QLabel *m_programmedLabel = nullptr;
    QLabel *m_failedLabel = nullptr;
    QLabel *m_resultLabel = nullptr;
    QLabel *m_stateLabel = nullptr;
    QPushButton *m_startButton = nullptr;
    QPushButton *m_stopButton = nullptr;
    QPushButton *m_closeButton = nullptr;
    QString m_problem; // a port or report problem shown instead of the state
    bool m_closePending = false;
    bool m_ran = false; // started at least once
};
