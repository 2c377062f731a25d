#pragma once

#include "site/site_audit.h"

#include <QDialog>
#include <QMessageBox>
#include <functional>
#include <memory>

class ButtonRows;
class QLabel;
class QPushButton;
class QTableWidget;
class TrafficLog;

// An installation in the window: the panels of an inventory in a table (panel,
// location, port, file, the last audit's result and time, the items that differ),
// audited all or a selection at once, each row showing its panel's state while
// it is read; a selected panel restored from its file after a question; its file,
// or one of the copies its history keeps, opened in the window. The audit and the
// restore report as they go, so the window stays responsive; closing the dialog
// lets the reads in progress end, and a restore in progress finish, first.
class InstallationDialog : public QDialog
{
    Q_OBJECT
public:
    // The table's columns.
    enum Column { Panel, Location, Port, File, Result, Time, Differences, ColumnCount };

    explicit InstallationDialog(site::Inventory inventory, QWidget *parent = nullptr);
    ~InstallationDialog() override;

    const site::Inventory &inventory() const { return m_inventory; }
    QTableWidget *table() const { return m_table; }
    // Whether an audit or a restore runs.
    bool isBusy() const;

    // Opens a configuration file in the window (after the window's own question
    // about unsaved changes); whether it was opened. Unset, nothing is opened.
    std::function<bool(const QString &path)> openInWindow;
    // The port the window's panel commands use: a panel without a port of its own
    // is read and restored through it when it is the only one chosen.
    std::function<QString()> windowPort;
    // A question with the given buttons, and a message; boxes over the dialog
    // unless replaced (tests).
    std::function<QMessageBox::StandardButton(const QString &text, QMessageBox::StandardButtons)>
        askQuestion;
    std::function<void(const QString &text, bool isError)> showMessage;
    // Where the panels' traffic goes, as the window's own (may be null).
    TrafficLog *trafficLog = nullptr;

    // The rows selected in the table, in inventory order.
    QList<int> selectedRows() const;
    // Selects exactly these rows.
    void selectRows(const QList<int> &rows);

public slots:
    void auditAll();
    void auditSelected();
    // Asks, naming the panel, its port and its file, then writes the file into it.
    void restoreSelected();
    void openSelectedFile();
    // The selected panel's kept copies, newest first; one can be opened.
    void showHistory();
    void stop();
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildTable();
    void buildButtons();
    void arrange();
    QPushButton *addButton(const QString &text, const QString &tip);

    void startAudit(const QList<int> &rows);
    void onPanelFinished(const site::PanelResult &result);
    void onAuditFinished();
    void onRestoreFinished(const site::RestoreResult &result);
    void closeIfPending();

    // The port row `row` is reached on: its own, else the window's.
    QString portOf(int row) const;
    void setCell(int row, Column column, const QString &text);
    // The result cell: its text and ground (none: the table's own).
    void showRowState(int row, const QString &text, const QColor &ground = QColor());
    void showState();
    void updateButtons();
    QMessageBox::StandardButton ask(const QString &text, QMessageBox::StandardButtons buttons);
    void say(const QString &text, bool isError);

    site::Inventory m_inventory;
    std::unique_ptr<site::Audit> m_audit;
    std::unique_ptr<site::Restore> m_restore;
    int m_restoreRow = -1;

    QLabel *m_caption = nullptr;
    QTableWidget *m_table = nullptr;
    QLabel *m_stateLabel = nullptr;
    ButtonRows *m_buttonRows = nullptr;
    QPushButton *m_auditAllButton = nullptr;
    QPushButton *m_auditSelectedButton = nullptr;
    QPushButton *m_restoreButton = nullptr;
    QPushButton *m_openButton = nullptr;
    QPushButton *m_historyButton = nullptr;
    QPushButton *m_stopButton = nullptr;
    QPushButton *m_closeButton = nullptr;

    // What the last run said, for the state line.
    struct Counts {
        int audited = 0, holds = 0, differs = 0, unreachable = 0, noFile = 0, noPort = 0;
        int historyNotKept = 0;
    } m_counts;
    int m_auditTotal = 0;
    QString m_restoreText; // how the last restore ended
    bool m_stopping = false;
    bool m_closePending = false;
    bool m_placed = false; // fitted to the screen once shown
};
