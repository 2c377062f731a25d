// The panel commands: read the configuration out of the panel and write it in,
// cell by cell over the serial link, with progress and failures in the status box.

#include "app/form1.h"
#include "files/panel_backup.h"
#include "panel/cell_walk.h"
#include "panel/memory_map.h"
#include "panel/panel_command.h"
#include "panel/panel_link.h"
#include "panel/traffic_log.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QUndoStack>

using namespace statuscolour;

void Form1::Timer1_Timer() { rec.timer_flag = 1; }

// A traffic log that could not be written is told once, after the command, which
// itself went on without it.
void Form1::reportLogFailure()
{
    TrafficLog *log = m_link->trafficLog();
    if (!log)
        return;
    if (const QString why = log->takeFailure(); !why.isEmpty())
        showMessageBox(log->failureText(why), true);
}

void Form1::setStatus(const QString &text)
{
    m_status->setPlainText(text);
    QTextCursor cursor(m_status->document());
    cursor.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.mergeBlockFormat(centred);
}

void Form1::setStatusColor(const QColor &color)
{
    QPalette pal = m_status->palette();
    pal.setColor(QPalette::Base, color);
    m_status->setPalette(pal);
}

void Form1::showStatus() { m_status->show(); }

void Form1::failStatus(const QString &text)
{
    setStatusColor(kRed);
    setStatus(text);
}

void Form1::setCommandsEnabled(bool enabled)
{
    for (QPushButton *b : m_commandButtons)
        b->setEnabled(enabled);
    m_portCombo->setEnabled(enabled);
    for (QAction *a :
         {m_actions.open, m_actions.save, m_actions.read, m_actions.write, m_actions.restore})
        a->setEnabled(enabled);
    updateUndoActions();
    updateEditActions();
}

// OpenPanelPort on the port selected in the window at this moment.
bool Form1::openPanelPort()
{
    readPortsOnce(); // a command that comes before the drop-down is filled
    m_link->setPortName(selectedPort());
    return m_link->openPort();
}

// Writes data_l into cell address_l, then reads the cell back and compares.
void Form1::WriteCell()
{
    rec.error_flag = 0;
    const cellwalk::Cell cell = cellwalk::writeCell(*m_link, rec.address_l, rec.data_l);
    if (cell.hasValue)
        rec.A = cell.value;
    if (cell.result == cellwalk::CellResult::Ok)
        setStatusColor(kYellow);
    else
        rec.error_flag = 1;
    if (cell.result != cellwalk::CellResult::NotAcknowledged) // leaves the text as it was
        setStatus(cellwalk::cellText(cell.result));
}

// Reads cell address_l into A and checks that it holds an assignment code.
void Form1::ReadCell()
{
    showStatus();
    rec.error_flag = 0;
    const cellwalk::Cell cell = cellwalk::readCell(*m_link, rec.address_l);
    rec.temp1 = cell.replyLength;
    if (cell.hasValue)
        rec.A = cell.value;
    if (cell.result != cellwalk::CellResult::Ok)
        rec.error_flag = 1;
    setStatus(cellwalk::cellText(cell.result));
}

// The exchange both panel commands share once the port is open: the handshake,
// then one transaction per cell, stopping at the first that fails; the outcome in
// the status box.
bool Form1::transferCells(const std::function<void(int address)> &transaction,
                          const QString &doneText)
{
    const cellwalk::Outcome outcome = cellwalk::walk(*m_link, [&](int n) {
        rec.address_l = static_cast<std::int16_t>(n);
        transaction(n);
        return rec.error_flag != 1;
    });
    if (outcome == cellwalk::Outcome::Done)
        setStatusColor(kGreen);
    else
        setStatusColor(kRed);
    setStatus(cellwalk::outcomeText(outcome, doneText, *m_link));
    return outcome == cellwalk::Outcome::Done;
}

void Form1::READ_CONFIG_Click()
{
    if (m_busy || !maybeSaveChanges())
        return;
    PanelCommand command(this);
    const Shown before = m_shown;
    ++m_quiet; // one undo step for the whole read
    m_lastBackup.clear();

    setStatusColor(kYellow);
    setStatus(QStringLiteral("STARTING COMMUNICATIONS TO READ SWITCH PANEL CONFIGURATION"));
    showStatus();
    configurationChanged();
    m_textBoxes[2]->clear();

    cellwalk::Codes codes{};
    bool done = false;
    if (!openPanelPort()) {
        failStatus(m_link->errorText());
    } else {
        done = transferCells(
            [&](int n) {
                ReadCell();
                const int i = memory_map::itemAt(n);
                codes[n] = rec.A;
                // A cell that failed its read is not shown: its value means nothing.
                if (rec.error_flag == 0)
                    LoadItem(i);
                if (QLineEdit *box = designationBox(i)) {
                    box->clear();
                    box->hide();
                }
            },
            cellwalk::kReadSuccessful);
    }

    m_link->closePort();
    rec.config_flag = 1;
    ShowSwitchView();
    rec.config_flag = 0;
    --m_quiet;
    recordReplacement(before, QStringLiteral("READ FROM PANEL"));
    if (done) {
        m_undo->setClean();
        // Every read is kept, with the panel name and designations as shown.
        const backup::Saved saved =
            backup::save(shownConfiguration(codes), backup::kRead, m_link->portName());
        m_lastBackup = saved.path;
        if (!saved.error.isEmpty())
            showMessageBox(saved.error, true);
    }
}

// With backups on, reads the panel as the read command does, without showing
// what it holds, and keeps that as a backup before the write goes on. When the
// read fails the user decides whether to write without a backup. Returns whether
// the write may go on; the port stays open either way.
bool Form1::backUpPanelFirst()
{
    setStatus(cellwalk::kReadingBeforeWrite);
    const backup::Kept kept = backup::readAndKeep(*m_link, shownConfiguration({}));
    if (m_link->isAborted())
        return false;
    if (kept.outcome != cellwalk::Outcome::Done) {
        const QString why = cellwalk::outcomeText(kept.outcome, QString(), *m_link);
        failStatus(why);
        const QString question =
            QStringLiteral("THE PANEL COULD NOT BE READ FOR A BACKUP (%1).\n\nWRITE THE "
                           "CONFIGURATION WITHOUT A BACKUP OF WHAT THE PANEL HOLDS?")
                .arg(why);
        if (ask(question, QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes ||
            m_link->isAborted())
            return false;
    } else if (!kept.saved.error.isEmpty()) {
        failStatus(kept.saved.error + QStringLiteral(" - NOTHING WAS WRITTEN"));
        return false;
    } else {
        m_lastBackup = kept.saved.path;
    }
    setStatusColor(kYellow);
    setStatus(QStringLiteral("STARTING COMMUNICATIONS TO WRITE SWITCH PANEL CONFIGURATION"));
    return true;
}

void Form1::WRITE_CONFIG_Click()
{
    if (m_busy)
        return;
    PanelCommand command(this);
    m_lastBackup.clear();

    setStatusColor(kYellow);
    showStatus();
    setStatus(QStringLiteral("STARTING COMMUNICATIONS TO WRITE SWITCH PANEL CONFIGURATION"));

    rec.error_flag = 0;
    CollectAssignments();
    const bool opened = openPanelPort();

    if (rec.error_flag == 1) {
        showStatus();
        failStatus(cellwalk::kIncompleteSwitches);
    } else if (rec.error_flag == 2) {
        showStatus();
        failStatus(cellwalk::kIncompleteLeds);
    } else if (!opened) {
        failStatus(m_link->errorText());
    } else if (!backupBeforeWrite() || backUpPanelFirst()) {
        const bool done = transferCells(
            [this](int n) {
                rec.data_l = rec.output(memory_map::itemAt(n));
                WriteCell();
            },
            cellwalk::kProgrammed);
        if (done)
            m_undo->setClean();
    }

    m_link->closePort();
}
