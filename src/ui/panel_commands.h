#pragma once

#include "config/assignment.h"
#include "config/configuration_model.h"
#include "config/status_texts.h"
#include "files/qcf_format.h"
#include "panel/cell_walk.h"
#include "panel/panel_activity.h"

#include <QCoreApplication>
#include <QPointer>
#include <QString>
#include <functional>
#include <optional>

class QUndoStack;
class QWidget;
class ItemMarks;
class PanelLink;
class PanelTransfer;
class PortChooser;
class StatusBox;
class UserDialogs;

// The window's panel commands besides the read: the write (with the backup read
// before it), the compare with a panel and the programming station; and what
// every panel command shares: the port of the chooser, the window's activity and
// the keyboard focus while it runs, the backup it kept. Each shows the per-cell
// reports of the functions it calls in the status box.
class PanelCommands
{
    Q_DECLARE_TR_FUNCTIONS(Form1) // its texts are the window's
public:
    struct Window {
        QWidget *window;
        PanelActivity *activity;
        PanelLink *link;
        PanelTransfer *transfer; // on the link
        StatusBox *status;
        PortChooser *port;
        ItemMarks *marks;
        const ConfigurationModel *model;
        QUndoStack *undo;
        UserDialogs *dialogs;
        // The collect step, refused in the status box with the LED sentence given.
        std::function<std::optional<assignment::Codes>(statustext::Status ledText)> collect;
        std::function<qcf::Configuration(const assignment::Codes &)> configuration;
        std::function<QString()> configurationFile;
    };
    explicit PanelCommands(Window window) : m_window(std::move(window)) {}

    // While a panel command runs, the commands that would open the port again wait
    // (they follow the window's activity); the lists stay usable. The keyboard
    // focus waits on the window meanwhile: left on a disabled button, Qt would pass
    // it on to the next control, an assignment list, where the next key press would
    // change a selection. A traffic log that could not be written is told after
    // the command.
    class Running
    {
    public:
        explicit Running(PanelCommands &commands);
        ~Running();
        Running(const Running &) = delete;
        Running &operator=(const Running &) = delete;

    private:
        PanelCommands &m_commands;
        QPointer<QWidget> m_focus;
        std::optional<PanelActivity::Command> m_running;
    };

    // Runs the transfer `start` starts on the port selected in the window at this
    // moment until it ends, the window responsive meanwhile. Returns whether the
    // port opened; the status box says why not.
    bool runTransfer(const std::function<bool(PanelTransfer &)> &start);
    void write();
    void compare();
    void openStation();

    bool backupBeforeWrite() const;
    void setBackupBeforeWrite(bool on);
    QString lastBackup() const { return m_lastBackup; }
    void setLastBackup(const QString &path) { m_lastBackup = path; }

private:
    void reportLogFailure();
    // Keeps the panel's backup read before a write; why the write must not go on,
    // or nothing.
    QString keepBackup(const cellwalk::PanelRead &read);

    Window m_window;
    QString m_lastBackup;
    bool m_readingShown = false; // the backup read before a write has been told
};
