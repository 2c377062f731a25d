// The panel commands: read the configuration out of the panel, write it in,
// compare the window with a panel, and the programming station. Each goes through the same
// functions as the command line and the station (cellwalk::readPanel, panelwrite::writeCodes) and
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
#include "station_dialog.h"
#include "translation.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
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

// The collect step with its refusal: the 21 codes, or none when an item is
// incomplete, which the status box then says in red (the LED sentence `ledText`
// differs between the panel and the file commands).
std::optional<assignment::Codes> Form1::collectOrSay(const QString &ledText)
{
    rec.error_flag = 0;
    CollectAssignments();
    if (rec.error_flag != 1 && rec.error_flag != 2)
        return collectedCodes();
    m_status->show();
    m_status->fail(rec.error_flag == 1 ? kIncompleteSwitches : ledText);
    return std::nullopt;
}

void Form1::setCommandsEnabled(bool enabled)
{
    for (QPushButton *b : m_commandButtons)
        b->setEnabled(enabled);
    m_port->comboBox()->setEnabled(enabled);
}

// OpenPanelPort on the port selected in the window at this moment.
bool Form1::openPanelPort()
{
    m_port->readPortsOnce(); // a command that comes before the drop-down is filled
    m_link->setPortName(selectedPort());
    return m_link->openPort();
}

bool Form1::backupBeforeWrite() const { return settings::backupBeforeWrite(); }

void Form1::setBackupBeforeWrite(bool on) { settings::setBackupBeforeWrite(on); }

// The panel's cells show in the lists as they come; the whole read is one undo
// step.
void Form1::READ_CONFIG_Click()
{
    if (isBusy() || !maybeSaveChanges())
        return;
    PanelCommand command(this);
    const ConfigurationState before = m_model->state();
    const BoxesShownCommand::Shown boxesBefore = m_boxesShown;
    m_lastBackup.clear();

    m_status->setTone(kRunning);
    m_status->setText(kStartingRead);
    m_status->show();
    configurationChanged();
    m_model->setPanelName(QString());

    cellwalk::PanelRead read;
    if (!openPanelPort()) {
        m_status->fail(m_link->errorText());
    } else {
        read = cellwalk::readPanel(*m_link, [this](int n, const cellwalk::Cell &cell) {
            m_status->showCell(cell, false);
            const int i = memory_map::itemAt(n);
            ConfigurationState state = m_model->state();
            // A cell that failed its read is not shown: its value means nothing.
            if (cell.result == cellwalk::CellResult::Ok)
                LoadItem(state, i, cell.value);
            // The panel keeps no designations.
            if (designationBox(i))
                state.items[i].designation.clear();
            m_model->setItem(i, state.items[i]);
            if (designationBox(i))
                showDesignationBox(i, false);
        });
        cellwalk::rememberPortIfAnswered(*m_link, read.outcome);
        m_status->showOutcome(read.outcome, kReadSuccessful, *m_link);
    }

    m_link->closePort();
    rec.config_flag = 1;
    ShowSwitchView();
    rec.config_flag = 0;
    pushReplacement(before, m_model->state(), boxesBefore, tr("READ FROM PANEL"));
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
    m_status->setText(kReadingBeforeWrite);
    const backup::Kept kept = backup::readAndKeep(*m_link, configuration({}));
    cellwalk::rememberPortIfAnswered(*m_link, kept.outcome);
    if (m_link->isAborted())
        return false;
    if (kept.outcome != cellwalk::Outcome::Done) {
        const QString why = cellwalk::outcomeText(kept.outcome, QString(), *m_link);
        m_status->fail(why); // the status box shows it in the window's language
        const QString question = tr("THE PANEL COULD NOT BE READ FOR A BACKUP (%1).\n\nWRITE THE "
                                    "CONFIGURATION WITHOUT A BACKUP OF WHAT THE PANEL HOLDS?")
                                     .arg(translation::status(why));
        if (ask(question, QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes ||
            m_link->isAborted())
            return false;
    } else if (!kept.saved.error.isEmpty()) {
        m_status->fail(tr("%1 - NOTHING WAS WRITTEN").arg(translation::status(kept.saved.error)));
        return false;
    } else {
        m_lastBackup = kept.saved.path;
    }
    m_status->setTone(kRunning);
    m_status->setText(kStartingWrite);
    return true;
}

void Form1::WRITE_CONFIG_Click()
{
    if (isBusy())
        return;
    PanelCommand command(this);
    m_lastBackup.clear();

    m_status->setTone(kRunning);
    m_status->show();
    m_status->setText(kStartingWrite);

    const std::optional<assignment::Codes> codes = collectOrSay(kIncompleteLeds);
    const bool opened = openPanelPort();

    if (!codes) {
        // nothing is sent
    } else if (!opened) {
        m_status->fail(m_link->errorText());
    } else if (!backupBeforeWrite() || backUpPanelFirst()) {
        const panelwrite::Result result =
            panelwrite::writeCodes(*m_link, *codes, [this](int, const cellwalk::Cell &cell) {
                m_status->showCell(cell, true);
            });
        cellwalk::rememberPortIfAnswered(*m_link, result.outcome);
        // With the port lost, the text says how far the write came.
        m_status->setTone(result.programmed() ? kDone : kFailed);
        m_status->setText(result.statusText());
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

    m_status->setTone(kRunning);
    m_status->setText(kStartingRead);
    m_status->show();

    cellwalk::PanelRead read;
    if (!openPanelPort()) {
        m_status->fail(m_link->errorText());
    } else {
        read = cellwalk::readPanel(
            *m_link, [this](int, const cellwalk::Cell &cell) { m_status->showCell(cell, false); });
        cellwalk::rememberPortIfAnswered(*m_link, read.outcome);
        m_status->showOutcome(read.outcome, QString(), *m_link);
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
    m_status->setTone(differences.isEmpty() ? kDone : kFailed);
    m_status->setText(translation::compareStatus(differing));
}

// Panel > Programming station: the window's configuration written into panel
// after panel by the station dialog, on the port of the chooser and any other
// ports ticked in the dialog. Refused as a write is refused, with the same texts.
void Form1::openStation()
{
    if (isBusy())
        return;
    const std::optional<assignment::Codes> codes = collectOrSay(kIncompleteLeds);
    if (!codes)
        return;
    const qcf::Configuration config = configuration(*codes);
    const QString file = configurationFile();
    const QString name = !file.isEmpty()
                             ? QFileInfo(file).fileName()
                             : (config.panel.isEmpty() ? tr("NOT SAVED") : m_model->panelName());
    StationDialog *dialog =
        StationDialog::launch(this, selectedPort(), *codes, name, m_link->trafficLog());
    // Each panel is backed up first while the window backs up before writing.
    if (backupBeforeWrite())
        dialog->gang().setBackup(
            [config](PanelLink &link) { return backup::readAndKeep(link, config).failureText(); });
}
