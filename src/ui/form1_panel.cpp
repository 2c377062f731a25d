// The panel commands' designed handlers: the read, which shows the panel's
// cells in the window as they come, and the write, which the panel commands
// carry out (panel_commands.h). Both go through the same functions as the
// command line and the station (PanelTransfer).

#include "files/panel_backup.h"
#include "form1.h"
#include "panel/memory_map.h"
#include "panel/panel_link.h"
#include "panel/panel_transfer.h"
#include "translation.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QUndoStack>

using namespace statustext;

// The collect step with its refusal: the 21 codes, or none when an item is
// incomplete, which the status box then says in red (the LED sentence `ledText`
// differs between the panel and the file commands).
std::optional<assignment::Codes> Form1::collectOrSay(Status ledText)
{
    rec.error_flag = 0;
    CollectAssignments();
    if (rec.error_flag != 1 && rec.error_flag != 2)
        return collectedCodes();
    m_status->show();
    m_status->fail(
        translation::describe(rec.error_flag == 1 ? Status::IncompleteSwitches : ledText));
    return std::nullopt;
}

void Form1::setCommandsEnabled(bool enabled)
{
    for (QPushButton *b : m_commandButtons)
        b->setEnabled(enabled);
    m_port->comboBox()->setEnabled(enabled);
}

// The panel's cells show in the lists as they come; the whole read is one undo
// step, pushed when the read has ended.
void Form1::READ_CONFIG_Click()
{
    if (isBusy() || !maybeSaveChanges())
        return;
    const ConfigurationState before = m_model->state();
    const BoxesShownCommand::Shown boxesBefore = m_boxesShown;
    QObject *command = m_panel->runTransfer(
        [](PanelTransfer &t) { return t.startRead(); },
        [this, before, boxesBefore](bool opened) { readEnded(opened, before, boxesBefore); });
    if (!command)
        return;
    m_panel->setLastBackup(QString());
    m_status->setTone(kRunning);
    m_status->setText(translation::describe(Status::StartingRead));
    m_status->show();
    configurationChanged();
    m_model->setPanelName(QString());
    connect(m_transfer, &PanelTransfer::cellDone, command,
            [this](int n, const cellwalk::Cell &cell, bool) {
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
}

void Form1::readEnded(bool opened, const ConfigurationState &before,
                      const BoxesShownCommand::Shown &boxesBefore)
{
    cellwalk::PanelRead read;
    if (opened) {
        read = m_transfer->panelRead();
        cellwalk::rememberPortIfAnswered(*m_link, read.outcome);
        m_status->showOutcome(read.outcome, Status::ReadSuccessful, *m_link);
    }
    rec.config_flag = 1;
    ShowSwitchView();
    rec.config_flag = 0;
    pushReplacement(before, m_model->state(), boxesBefore, tr("READ FROM PANEL"));
    if (read.outcome == cellwalk::Outcome::Done) {
        m_undo->setClean();
        // Every read is kept, with the panel name and designations as shown.
        const backup::Saved saved =
            backup::save(configuration(read.codes), backup::kRead, m_link->portName());
        m_panel->setLastBackup(saved.path);
        if (saved.failure.failed())
            showMessageBox(translation::describe(saved.failure), true);
    }
}
