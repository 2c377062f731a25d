// The panel commands: read the configuration out of the panel, write it in, and
// compare the window with a panel. Each goes through the same functions as the
// command line and the station (cellwalk::readPanel, panelwrite::writeCodes) and
// shows their per-cell reports in the status box.

#include "config/panel_compare.h"
#include "config/settings.h"
#include "files/panel_backup.h"
#include "form1.h"
#include "item_marks.h"
#include "panel/memory_map.h"
#include "panel/panel_link.h"
#include "panel/panel_write.h"
#include "panel/traffic_log.h"
#include "status_colour.h"
#include "translation.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QUndoStack>

using namespace statustext;

// While a panel command runs, the commands that would open the port again wait
// (they follow the window's activity); the lists stay usable. The keyboard focus
// waits on the window meanwhile: left on a disabled button, Qt would pass it on to
// the next control, an assignment list, where the next key press would change a
// selection. A traffic log that could not be written is told after the command.
class Form1::PanelCommand
{
public:
    explicit PanelCommand(Form1 *window) : m_window(window), m_focus(window->focusWidget())
    {
        if (m_focus)
            m_window->setFocus();
    }
    ~PanelCommand()
    {
        m_running.reset();
        if (m_focus && m_window->focusWidget() == m_window && m_focus->isEnabled() &&
            m_focus->isVisible())
            m_focus->setFocus();
        m_window->reportLogFailure();
    }

private:
    Form1 *m_window;
    QPointer<QWidget> m_focus;
    std::optional<PanelActivity::Command> m_running{std::in_place, m_window->m_activity};
};

// A traffic log that could not be written is told once, after the command, which
// itself went on without it.
void Form1::reportLogFailure()
{
    TrafficLog *log = m_link->trafficLog();
    if (!log)
        return;
    if (const QString why = log->takeFailure(); !why.isEmpty())
        showMessageBox(translation::status(log->failureText(why)), true);
}

// Shows `text`, already in the window's language (translation::describe).
void Form1::setStatus(const QString &text)
{
    m_status->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff); // three lines fit
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

void Form1::setStatusTone(Rgb tone) { setStatusColor(statusColour(tone)); }

void Form1::showStatus() { m_status->show(); }

void Form1::failStatus(const QString &text)
{
    setStatusTone(kFailed);
    setStatus(text);
}

// After the collect step: shows in red which kind of item is incomplete (the LED
// sentence `ledText` differs between the panel and the file commands). Returns
// whether one is.
bool Form1::showIncomplete(Status ledText)
{
    if (rec.error_flag != 1 && rec.error_flag != 2)
        return false;
    showStatus();
    failStatus(translation::describe(rec.error_flag == 1 ? Status::IncompleteSwitches : ledText));
    return true;
}

// What one cell's transaction leaves in the status box: a write's cell turns it
// yellow when it verified, and a write frame without acknowledgement leaves the
// text as it was; a read's cell shows the box and its text.
void Form1::showCellStatus(const cellwalk::Cell &cell, bool write)
{
    if (write) {
        if (cell.result == cellwalk::CellResult::Ok)
            setStatusTone(kRunning);
        if (cell.result == cellwalk::CellResult::NotAcknowledged)
            return;
    } else {
        showStatus();
    }
    setStatus(translation::describe(cell.result));
}

void Form1::showOutcome(cellwalk::Outcome outcome, std::optional<Status> done)
{
    setStatusTone(outcome == cellwalk::Outcome::Done ? kDone : kFailed);
    setStatus(translation::describe(cellwalk::ending(outcome, done, *m_link)));
}

void Form1::failToOpen() { failStatus(translation::describe(*m_link->openFailure())); }

void Form1::setCommandsEnabled(bool enabled)
{
    for (QPushButton *b : m_commandButtons)
        b->setEnabled(enabled);
    m_portCombo->setEnabled(enabled);
}

// OpenPanelPort on the port selected in the window at this moment.
bool Form1::openPanelPort()
{
    readPortsOnce(); // a command that comes before the drop-down is filled
    m_link->setPortName(selectedPort());
    return m_link->openPort();
}

bool Form1::backupBeforeWrite() const { return settings::backupBeforeWrite(); }

void Form1::setBackupBeforeWrite(bool on) { settings::setBackupBeforeWrite(on); }

void Form1::READ_CONFIG_Click()
{
    if (isBusy() || !maybeSaveChanges())
        return;
    PanelCommand command(this);
    beginReplacement(); // one undo step for the whole read
    m_lastBackup.clear();

    setStatusTone(kRunning);
    setStatus(translation::describe(Status::StartingRead));
    showStatus();
    configurationChanged();
    m_textBoxes[2]->clear();

    cellwalk::PanelRead read;
    if (!openPanelPort()) {
        failToOpen();
    } else {
        read = cellwalk::readPanel(*m_link, [this](int n, const cellwalk::Cell &cell) {
            showCellStatus(cell, false);
            const int i = memory_map::itemAt(n);
            // A cell that failed its read is not shown: its value means nothing.
            if (cell.result == cellwalk::CellResult::Ok) {
                rec.A = cell.value;
                LoadItem(i);
            }
            if (QLineEdit *box = designationBox(i)) {
                box->clear();
                box->hide();
                m_model->setDesignationShown(i, false);
            }
        });
        cellwalk::rememberPortIfAnswered(*m_link, read.outcome);
        showOutcome(read.outcome, Status::ReadSuccessful);
    }

    m_link->closePort();
    rec.config_flag = 1;
    ShowSwitchView();
    rec.config_flag = 0;
    endReplacement(tr("READ FROM PANEL"));
    if (read.outcome == cellwalk::Outcome::Done) {
        m_undo->setClean();
        // Every read is kept, with the panel name and designations as shown.
        const backup::Saved saved =
            backup::save(configuration(read.codes), backup::kRead, m_link->portName());
        m_lastBackup = saved.path;
        if (!saved.error.isEmpty())
            showMessageBox(translation::status(saved.error), true);
    }
}

// With backups on, reads the panel as the read command does, without showing
// what it holds, and keeps that as a backup before the write goes on. When the
// read fails the user decides whether to write without a backup. Returns whether
// the write may go on; the port stays open either way.
bool Form1::backUpPanelFirst()
{
    setStatus(translation::describe(Status::ReadingBeforeWrite));
    const backup::Kept kept = backup::readAndKeep(*m_link, configuration({}));
    cellwalk::rememberPortIfAnswered(*m_link, kept.outcome);
    if (m_link->isAborted())
        return false;
    if (kept.outcome != cellwalk::Outcome::Done) {
        const QString why =
            translation::describe(cellwalk::ending(kept.outcome, std::nullopt, *m_link));
        failStatus(why);
        const QString question = tr("THE PANEL COULD NOT BE READ FOR A BACKUP (%1).\n\nWRITE THE "
                                    "CONFIGURATION WITHOUT A BACKUP OF WHAT THE PANEL HOLDS?")
                                     .arg(why);
        if (ask(question, QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes ||
            m_link->isAborted())
            return false;
    } else if (!kept.saved.error.isEmpty()) {
        failStatus(tr("%1 - NOTHING WAS WRITTEN").arg(translation::status(kept.saved.error)));
        return false;
    } else {
        m_lastBackup = kept.saved.path;
    }
    setStatusTone(kRunning);
    setStatus(translation::describe(Status::StartingWrite));
    return true;
}

void Form1::WRITE_CONFIG_Click()
{
    if (isBusy())
        return;
    PanelCommand command(this);
    m_lastBackup.clear();

    setStatusTone(kRunning);
    showStatus();
    setStatus(translation::describe(Status::StartingWrite));

    rec.error_flag = 0;
    CollectAssignments();
    const bool opened = openPanelPort();

    if (showIncomplete(Status::IncompleteLeds)) {
        // nothing is sent
    } else if (!opened) {
        failToOpen();
    } else if (!backupBeforeWrite() || backUpPanelFirst()) {
        const panelwrite::Result result = panelwrite::writeCodes(
            *m_link, collectedCodes(),
            [this](int, const cellwalk::Cell &cell) { showCellStatus(cell, true); });
        cellwalk::rememberPortIfAnswered(*m_link, result.outcome);
        // With the port lost, the text says how far the write came.
        setStatusTone(result.programmed() ? kDone : kFailed);
        setStatus(translation::describe(result.ending()));
        if (result.programmed())
            m_undo->setClean();
    }

    m_link->closePort();
}

// Compare with panel: read the panel as the read command does, but only to mark
// in the window the items in which the panel holds something else. The window's
// configuration stays as it is; the marks go as soon as it changes.
void Form1::comparePanel()
{
    if (isBusy())
        return;
    PanelCommand command(this);
    m_marks->clear(kPanelDiffers.id);

    setStatusTone(kRunning);
    setStatus(translation::describe(Status::StartingRead));
    showStatus();

    cellwalk::PanelRead read;
    if (!openPanelPort()) {
        failToOpen();
    } else {
        read = cellwalk::readPanel(
            *m_link, [this](int, const cellwalk::Cell &cell) { showCellStatus(cell, false); });
        cellwalk::rememberPortIfAnswered(*m_link, read.outcome);
        showOutcome(read.outcome, std::nullopt);
    }
    m_link->closePort();
    if (read.outcome != cellwalk::Outcome::Done)
        return;

    // The window as it is now: its lists may have been used during the read.
    assignment::Codes panel{};
    for (int n = 0; n < memory_map::kCellCount; ++n)
        panel[memory_map::itemAt(n)] = read.codes[n];
    const QList<panelcompare::Difference> differences =
        panelcompare::differences(m_model->codes(), panel);
    QList<int> differing;
    for (const panelcompare::Difference &d : differences) {
        m_marks->mark(d.item, kPanelDiffers, translation::panelHolds(d.panel));
        differing << d.item;
    }
    setStatusTone(differences.isEmpty() ? kDone : kFailed);
    setStatus(translation::compareStatus(differing));
}
