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

#include <QEventLoop>
#include <QFileInfo>
#include <QUndoStack>
#include <QWidget>

using namespace statustext;

// While a panel command runs, the commands that would open the port again wait
// (they follow the window's activity); the lists stay usable. The keyboard focus
// waits on the window meanwhile: left on a disabled button, Qt would pass it on to
// the next control, an assignment list, where the next key press would change a
// selection. A traffic log that could not be written is told after the command.
PanelCommands::Running::Running(PanelCommands &commands)
    : m_commands(commands), m_focus(commands.m_window.window->focusWidget()),
      m_running(std::in_place, *commands.m_window.activity)
{
    if (m_focus)
        m_commands.m_window.window->setFocus();
}

PanelCommands::Running::~Running()
{
    m_running.reset();
    QWidget *window = m_commands.m_window.window;
    if (m_focus && window->focusWidget() == window && m_focus->isEnabled() && m_focus->isVisible())
        m_focus->setFocus();
    m_commands.reportLogFailure();
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

bool PanelCommands::runTransfer(const std::function<bool(PanelTransfer &)> &start)
{
    m_window.port->readPortsOnce(); // a command that comes before the drop-down is filled
    m_window.link->setPortName(m_window.port->selectedPort());
    QEventLoop loop;
    QObject::connect(m_window.transfer, &PanelTransfer::finished, &loop, &QEventLoop::quit);
    if (start(*m_window.transfer) && m_window.transfer->isRunning())
        loop.exec();
    if (m_window.transfer->opened())
        return true;
    m_window.status->failToOpen(*m_window.link);
    return false;
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
        if (m_window.dialogs->ask(question, QMessageBox::Yes | QMessageBox::No) !=
                QMessageBox::Yes ||
            m_window.transfer->isAborted())
            return why;
    } else {
        const backup::Kept kept =
            backup::keep(read, m_window.configuration({}), m_window.link->portName());
        if (kept.saved.failure.failed()) {
            m_window.status->fail(
                tr("%1 - NOTHING WAS WRITTEN").arg(translation::describe(kept.saved.failure)));
            return backup::english(kept.saved.failure);
        }
        m_lastBackup = kept.saved.path;
    }
    m_window.status->setTone(kRunning);
    m_window.status->setText(translation::describe(Status::StartingWrite));
    return QString();
}

void PanelCommands::write()
{
    if (m_window.activity->isBusy())
        return;
    const Running running(*this);
    m_lastBackup.clear();

    m_window.status->setTone(kRunning);
    m_window.status->show();
    m_window.status->setText(translation::describe(Status::StartingWrite));

    const std::optional<assignment::Codes> codes = m_window.collect(Status::IncompleteLeds);
    if (!codes)
        return; // nothing is sent

    PanelTransfer &transfer = *m_window.transfer;
    if (backupBeforeWrite())
        transfer.setBackup([this](const cellwalk::PanelRead &read) { return keepBackup(read); });
    else
        transfer.setBackup({});
    const QMetaObject::Connection reading =
        QObject::connect(&transfer, &PanelTransfer::stateChanged, [this](PanelTransfer::State s) {
            if (s == PanelTransfer::State::Handshake && m_window.transfer->cell() < 0 &&
                backupBeforeWrite() && !m_readingShown) {
                m_readingShown = true;
                m_window.status->setText(translation::describe(Status::ReadingBeforeWrite));
            }
        });
    const QMetaObject::Connection cells = QObject::connect(
        &transfer, &PanelTransfer::cellDone, [this](int, const cellwalk::Cell &cell, bool writing) {
            if (writing)
                m_window.status->showCell(cell, true);
        });
    m_readingShown = false;
    const bool opened = runTransfer([&](PanelTransfer &t) { return t.startWrite(*codes); });
    QObject::disconnect(reading);
    QObject::disconnect(cells);
    transfer.setBackup({});
    if (opened && transfer.backupFailure().isEmpty()) {
        const panelwrite::Result &result = transfer.writeResult();
        cellwalk::rememberPortIfAnswered(*m_window.link, result.outcome);
        // With the port lost, the text says how far the write came.
        m_window.status->setTone(result.programmed() ? kDone : kFailed);
        m_window.status->setText(translation::describe(result.ending()));
        if (result.programmed())
            m_window.undo->setClean();
    }
}

// Compare with panel: read the panel as the read command does, but only to mark
// in the window the items in which the panel holds something else. The window's
// configuration stays as it is; the marks go as soon as it changes.
void PanelCommands::compare()
{
    if (m_window.activity->isBusy())
        return;
    const Running running(*this);
    m_window.marks->clear(kPanelDiffers.id);

    m_window.status->setTone(kRunning);
    m_window.status->setText(translation::describe(Status::StartingRead));
    m_window.status->show();

    cellwalk::PanelRead read;
    const QMetaObject::Connection cells = QObject::connect(
        m_window.transfer, &PanelTransfer::cellDone,
        [this](int, const cellwalk::Cell &cell, bool) { m_window.status->showCell(cell, false); });
    const bool opened = runTransfer([](PanelTransfer &t) { return t.startRead(); });
    QObject::disconnect(cells);
    if (opened) {
        read = m_window.transfer->panelRead();
        cellwalk::rememberPortIfAnswered(*m_window.link, read.outcome);
        m_window.status->showOutcome(read.outcome, std::nullopt, *m_window.link);
    }
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
}

// Panel > Programming station: the window's configuration written into panel
// after panel by the station dialog, on the port of the chooser and any other
// ports ticked in the dialog. Refused as a write is refused, with the same texts.
void PanelCommands::openStation()
{
    if (m_window.activity->isBusy())
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
