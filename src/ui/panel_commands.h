#pragma once

#include "config/assignment.h"
#include "config/configuration_model.h"
#include "config/status_texts.h"
#include "files/qcf_format.h"
#include "panel/cell_walk.h"

#include <QCoreApplication>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QObject;
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
// every panel command shares: the port of the chooser, the keyboard focus while
// it runs, the backup it kept. Each starts the window's transfer and returns at
// once; the status box shows its cells as they come and its end.
class PanelCommands
{
    Q_DECLARE_TR_FUNCTIONS(Form1) // its texts are the window's
public:
    struct Window {
        QWidget *window;
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
    explicit PanelCommands(Window window);
    // A command still running is left to the transfer's end (the window deletes
    // its transfer first): nothing of it runs any more.
    ~PanelCommands();

    // Starts the transfer `start` starts on the port selected in the window at
    // this moment and returns at once: `then` runs when it has ended, with whether
    // the port opened (when not, the status box has said why). The command's
    // connections and questions take the returned object as their context; it
    // goes when the command ends. Nullptr, with nothing started, when the transfer
    // refuses: it runs one command at a time.
    //
    // While a panel command runs, the commands that would open the port again wait
    // (they follow the transfer's state); the lists stay usable. The keyboard
    // focus waits on the window meanwhile: left on a disabled button, Qt would pass
    // it on to the next control, an assignment list, where the next key press would
    // change a selection. A traffic log that could not be written is told after
    // the command.
    QObject *runTransfer(const std::function<bool(PanelTransfer &)> &start,
                         std::function<void(bool opened)> then);
    bool isRunning() const;
    void write();
    void compare();
    void openStation();

    bool backupBeforeWrite() const;
    void setBackupBeforeWrite(bool on);
    QString lastBackup() const { return m_lastBackup; }
    void setLastBackup(const QString &path) { m_lastBackup = path; }

private:
    void transferFinished();
    void reportLogFailure();
    // Keeps the panel's backup read before a write; why the write must not go on,
    // or nothing. A failed read leaves the decision to the user, asked without
    // waiting: the transfer waits for it with the port open.
    QString keepBackup(const cellwalk::PanelRead &read);
    void sayStartingWrite(); // the status box's running text of the write
    void writeEnded(bool opened);

    Window m_window;
    std::unique_ptr<QObject> m_command; // while a command runs: its context
    std::function<void(bool opened)> m_then;
    QPointer<QWidget> m_focus;
    QString m_lastBackup;
    bool m_readingShown = false; // the backup read before a write has been told
};
