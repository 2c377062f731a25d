#include "panel_commands.h"

#include "config/panel_compare.h"
#include "config/settings.h"
#include "files/panel_backup.h"
#include "item_marks.h"
#include "panel/memory_map.h"
#include "panel/panel_link.h"
#include "panel/panel_transfer.h"
#include "panel/panel_write.h"
#include "panel/traffic_log.h"
#include "port_chooser.h"
#include "station_dialog.h"
#include "status_box.h"
#include "translation.h"
#include "user_dialogs.h"

#include <QFileInfo>
#include <QUndoStack>
#include <QWidget>

using namespace statustext;

PanelCommands::PanelCommands(Window window) : m_window(std::move(window))
{
    QObject::connect(m_window.transfer, &PanelTransfer::finished, m_window.window,
                     [this] { transferFinished(); });
}

PanelCommands::~PanelCommands() = default;

bool PanelCommands::isRunning() const { return m_window.transfer->isRunning(); }

QObject *PanelCommands::runTransfer(const std::function<bool(PanelTransfer &)> &start,
                                    std::function<void(bool opened)> then)
{
    if (isRunning())
        return nullptr;             // refused below too; the port of the running one stays
    m_window.port->readPortsOnce(); // a command that comes before the drop-down is filled
    m_window.link->setPortName(m_window.port->selectedPort());
    QWidget *window = m_window.window;
    m_focus = window->focusWidget();
    m_command = std::make_unique<QObject>();
    m_then = std::move(then);
    if (m_focus)
        window->setFocus();
    if (!start(*m_window.transfer)) {
        m_then = {};
        m_command.reset();
        return nullptr;
    }
    return m_command.get();
}

// The transfer has ended: the command shows its end, then the focus returns to
// where it was and a traffic log that failed is told.
void PanelCommands::transferFinished()
{
    if (!m_command)
        return; // not one of the window's commands
    const bool opened = m_window.transfer->opened();
    if (!opened)
        m_window.status->failToOpen(*m_window.link);
    if (const std::function<void(bool)> then = std::exchange(m_then, {}))
        then(opened);
    m_command.reset();
    QWidget *window = m_window.window;
    if (m_focus && window->focusWidget() == window && m_focus->isEnabled() && m_focus->isVisible())
        m_focus->setFocus();
    m_focus = nullptr;
    reportLogFailure();
}

// A traffic log that could not be written is told once, after the command, which
// itself went on without it.
void PanelCommands::reportLogFailure()
{
    TrafficLog *log = m_window.link->trafficLog();
    if (!log)
        return;
    if (const std::optional<TrafficLogFailure> failure = log->takeFailure())
        m_window.dialogs->showMessageBox(translation::describe(*failure), true);
}

bool PanelCommands::backupBeforeWrite() const { return settings::backupBeforeWrite(); }

void PanelCommands::setBackupBeforeWrite(bool on) { settings::setBackupBeforeWrite(on); }

// With backups on, the panel is read as the read command does, without showing
// what it holds, and kept as a backup before the write goes on. When the read
// fails the user decides whether to write without a backup. Returns why the write
// must not go on, or nothing; the port stays open either way.
QString PanelCommands::keepBackup(const cellwalk::PanelRead &read)
{
    cellwalk::rememberPortIfAnswered(*m_window.link, read.outcome);
    if (m_window.transfer->isAborted())
        return QStringLiteral("ABORTED");
    if (read.outcome != cellwalk::Outcome::Done) {
        const QString why =
            translation::describe(cellwalk::ending(read.outcome, std::nullopt, *m_window.link));
        m_window.status->fail(why);
        const QString question = tr("THE PANEL COULD NOT BE READ FOR A BACKUP (%1).\n\nWRITE THE "
                                    "CONFIGURATION WITHOUT A BACKUP OF WHAT THE PANEL HOLDS?")
                                     .arg(why);
        m_window.transfer->deferDecision();
        m_window.dialogs->askLater(question, QMessageBox::Yes | QMessageBox::No, m_command.get(),
                                   [this, why](QMessageBox::StandardButton answer) {
                                       if (answer != QMessageBox::Yes)
                                           return m_window.transfer->resumeWrite(why);
                                       sayStartingWrite();
                                       m_window.transfer->resumeWrite(QString());
                                   });
        return QString();
    }
    const backup::Kept kept =
        backup::keep(read, m_window.configuration({}), m_window.link->portName());
    if (kept.saved.failure.failed()) {
        m_window.status->fail(
            tr("%1 - NOTHING WAS WRITTEN").arg(translation::describe(kept.saved.failure)));
        return backup::english(kept.saved.failure);
    }
    m_lastBackup = kept.saved.path;
    sayStartingWrite();
    return QString();
}

void PanelCommands::sayStartingWrite()
{
    m_window.status->setTone(kRunning);
    m_window.status->setText(translation::describe(Status::StartingWrite));
}

void PanelCommands::write()
{
    if (isRunning())
        return;
    m_lastBackup.clear();
    const std::optional<assignment::Codes> codes = m_window.collect(Status::IncompleteLeds);
    if (!codes)
        return; // the collect step has said why; nothing is sent
    PanelTransfer &transfer = *m_window.transfer;
    if (backupBeforeWrite())
        transfer.setBackup([this](const cellwalk::PanelRead &read) { return keepBackup(read); });
    else
        transfer.setBackup({});
    QObject *command = runTransfer([&](PanelTransfer &t) { return t.startWrite(*codes); },
                                   [this](bool opened) { writeEnded(opened); });
    if (!command)
        return;
    m_window.status->show();
    sayStartingWrite();
    m_readingShown = false;
    QObject::connect(
        &transfer, &PanelTransfer::stateChanged, command, [this](PanelTransfer::State s) {
            if (s == PanelTransfer::State::Handshake && m_window.transfer->cell() < 0 &&
                backupBeforeWrite() && !m_readingShown) {
                m_readingShown = true;
                m_window.status->setText(translation::describe(Status::ReadingBeforeWrite));
            }
        });
    QObject::connect(&transfer, &PanelTransfer::cellDone, command,
                     [this](int, const cellwalk::Cell &cell, bool writing) {
                         if (writing)
                             m_window.status->showCell(cell, true);
                     });
}

void PanelCommands::writeEnded(bool opened)
{
    PanelTransfer &transfer = *m_window.transfer;
    transfer.setBackup({});
    if (!opened || !transfer.backupFailure().isEmpty())
        return;
    const panelwrite::Result &result = transfer.writeResult();
    cellwalk::rememberPortIfAnswered(*m_window.link, result.outcome);
    // With the port lost, the text says how far the write came.
    m_window.status->setTone(result.programmed() ? kDone : kFailed);
    m_window.status->setText(translation::describe(result.ending()));
    if (result.programmed())
        m_window.undo->setClean();
}

// Compare with panel: read the panel as the read command does, but only to mark
// in the window the items in which the panel holds something else. The window's
// configuration stays as it is; the marks go as soon as it changes.
void PanelCommands::compare()
{
    QObject *command = runTransfer(
        [](PanelTransfer &t) { return t.startRead(); },
        [this](bool opened) {
            if (!opened)
                return;
            const cellwalk::PanelRead &read = m_window.transfer->panelRead();
            cellwalk::rememberPortIfAnswered(*m_window.link, read.outcome);
            m_window.status->showOutcome(read.outcome, std::nullopt, *m_window.link);
            if (read.outcome != cellwalk::Outcome::Done)
                return;
            // The window as it is now: its lists may have been used during the read.
            assignment::Codes panel{};
            for (int n = 0; n < memory_map::kCellCount; ++n)
                panel[memory_map::itemAt(n)] = read.codes[n];
            const QList<panelcompare::Difference> differences =
                panelcompare::differences(m_window.model->codes(), panel);
            QList<int> differing;
            for (const panelcompare::Difference &d : differences) {
                m_window.marks->mark(d.item, kPanelDiffers, translation::panelHolds(d.panel));
                differing << d.item;
            }
            m_window.status->setTone(differences.isEmpty() ? kDone : kFailed);
            m_window.status->setText(translation::compareStatus(differing));
        });
    if (!command)
        return;
    m_window.marks->clear(kPanelDiffers.id);
    m_window.status->setTone(kRunning);
    m_window.status->setText(translation::describe(Status::StartingRead));
    m_window.status->show();
    QObject::connect(
        m_window.transfer, &PanelTransfer::cellDone, command,
        [this](int, const cellwalk::Cell &cell, bool) { m_window.status->showCell(cell, false); });
}

// Panel > Programming station: the window's configuration written into panel
// after panel by the station dialog, on the port of the chooser and any other
// ports ticked in the dialog. Refused as a write is refused, with the same texts.
void PanelCommands::openStation()
{
    if (isRunning())
        return;
    const std::optional<assignment::Codes> codes = m_window.collect(Status::IncompleteLeds);
    if (!codes)
        return;
    const qcf::Configuration config = m_window.configuration(*codes);
    const QString file = m_window.configurationFile();
    const QString name =
        !file.isEmpty() ? QFileInfo(file).fileName()
                        : (config.panel.isEmpty() ? tr("NOT SAVED") : m_window.model->panelName());
    StationDialog *dialog = StationDialog::launch(m_window.window, m_window.port->selectedPort(),
                                                  *codes, name, m_window.link->trafficLog());
    // Each panel is backed up first while the window backs up before writing.
    if (backupBeforeWrite())
        dialog->gang().setBackup([config](const cellwalk::PanelRead &read, const QString &port) {
            return backup::keep(read, config, port);
        });
}
