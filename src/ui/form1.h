#pragma once

#include "config/config_record.h"
#include "files/qcf_format.h"
#include "panel/cell_walk.h"
#include "panel/port_choice.h"

#include <QMessageBox>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>

class QAction;
class QComboBox;
class QMenu;
class QMenuBar;
class QUndoStack;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTextEdit;
class QTimer;
class PanelLink;
class ItemMarks;
namespace configsheet {
struct Sheet;
}
namespace itemedit {
struct ItemValue;
}

// The program's one window. It owns the configuration record and every control;
// the handlers below are the window's behaviour, spread over the source folders by
// subject: views and start-up in app/, list handlers, collecting and loading in
// config/, the panel commands in panel/, the file commands in files/.
class Form1 : public QWidget
{
    Q_OBJECT
public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    ConfigRecord &record() { return rec; }
    PanelLink &link() { return *m_link; }

    // What the file commands ask of the user, replaceable so that tests (and
    // scripted use) run without modal dialogs.
    struct FileDialogRequest {
        bool save = false;
        QString title;
        QString filter;
        QString proposedName;
        QString folder;                         // where the dialog starts
        QString suffix = QStringLiteral("qcf"); // added to a name typed without one
    };
    std::function<QString(const FileDialogRequest &)> chooseFile; // "" when cancelled
    std::function<void(const QString &text, bool isError)> showMessage;
    // A question with the given standard buttons; the button chosen.
    std::function<QMessageBox::StandardButton(const QString &text, QMessageBox::StandardButtons)>
        askQuestion;
    // Swap with…: the item chosen from `choices` to swap `item` with, -1 when
    // cancelled. Unset, a dialog asks.
    std::function<int(int item, const QList<int> &choices)> chooseSwapTarget;

    // The file name the dialog last returned; both file commands propose it.
    QString lastFileName() const { return m_lastFileName; }

    // Opens a configuration file as the open command does after its dialog, with
    // the same checks and messages. Returns whether the file was loaded.
    bool openFile(const QString &path);

    // The serial port the panel commands open: the one selected or typed in the
    // SERIAL PORT drop-down at the moment a command starts. The drop-down is filled
    // just after the window's first frame (or by the first command, if that is
    // sooner); until then this is the port the window starts on.
    QString selectedPort() const;
    void setPort(const QString &path);

    // True while a panel command is running.
    bool isBusy() const { return m_busy; }

    // The menu bar's commands (form1_actions.cpp): the window that holds this
    // client area puts them into its menu bar.
    void buildMenus(QMenuBar *bar);
    QUndoStack *undoStack() const { return m_undo; }
    // Whether the configuration has changed since the last open, save, read or
    // write (the modified mark).
    bool isModified() const;
    // Asked before unsaved edits would be thrown away: "SAVE CHANGES TO THE
    // CONFIGURATION?" with Save, Discard and Cancel. True to go on (saved, or
    // discarded, or nothing unsaved); false when cancelled or the save failed.
    bool maybeSaveChanges();
    // The save command; true when the file was saved.
    bool saveConfiguration();
    // Whether a write first reads the panel and keeps its contents as a backup
    // (remembered, on by default).
    bool backupBeforeWrite() const;
    void setBackupBeforeWrite(bool on);
    // The backup file the last panel command kept, empty when it kept none.
    QString lastBackup() const { return m_lastBackup; }
    // Ends a running panel command at once (the window is closing).
    void stopTransfer();
    // Marks on the items, such as those of the last compare with the panel.
    ItemMarks &itemMarks() { return *m_marks; }
    // The file that holds the configuration the window shows: the one last opened
    // or saved, until the configuration changes; empty when there is none.
    QString configurationFile() const { return m_configurationFile; }
    // The configuration sheet of what the window shows.
    configsheet::Sheet sheet() const;
    // The item whose list or designation box has (or last had, while a menu or a
    // dialog is open) the keyboard focus; -1 when there is none.
    int currentItem() const { return m_currentItem; }

    // The window's procedures, called by the handlers across the source folders
    // (and by the tests).
    void ShowSwitchView();
    void ShowLightingView();
    void CollectAssignments();
    void SplitCode();
    void LoadItem(int item); // the loading step: A into the item's two lists
    void WriteCell();
    void ReadCell();

signals:
    void modifiedChanged(bool modified);

public slots:
    void restoreBackup(); // opens a file of the backup folder
    void openStation();   // the programming station dialog (form1_station.cpp)
    void showManual();
    void showAbout();
    void Option1_Click();
    void Option2_Click();
    void READ_FILE_Click();
    void WRITE_FILE_Click();
    void READ_CONFIG_Click();
    void WRITE_CONFIG_Click();

    // Reads the panel as READ_CONFIG does, leaving the window's configuration as it
    // is, and marks every item in which the panel differs (form1_compare.cpp).
    void comparePanel();
    // Every change of the configuration the window shows ends here, once, from
    // where it becomes an undo step (a list selection, a designation or the panel
    // name edited, an open, a read, an item command) or is undone. Takes away what
    // no longer holds (the compare's marks, the configuration's file) and marks
    // the switches that share a channel anew.
    void configurationChanged();
    // The configuration sheet: printed after Qt's print dialog, or saved as a PDF
    // file chosen in a save dialog (form1_sheet.cpp).
    void printSheet();
    void exportSheetPdf();
    // The Edit menu's item commands on the current item (form1_item_edit.cpp),
    // each one undo step that sets the lists as clicks on their entries would.
    void copyItem();
    void pasteItem();
    void swapItem(); // asks for the item to swap with
    void swapItems(int a, int b);
    void clearItem();
    void setEmptyItemsToNotAssigned();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // form1_layout.cpp
    void buildControls();
    // form1_views.cpp
    void Form_Load();
    void showItemLists(int item);
    // form1_compare.cpp
    void buildItemMarks();
    // form1_editor.cpp
    void ModuleList_Click(int list);
    void ChannelList_Click(int list);
    std::int16_t selectedCode(int item) const; // -1 without a complete selection
    // form1_panel.cpp
    void Timer1_Timer();
    void setStatus(const QString &text);
    void setStatusColor(const QColor &color);
    void showStatus();
    void failStatus(const QString &text);
    void setCommandsEnabled(bool enabled);
    void reportLogFailure();
    bool openPanelPort();
    class PanelCommand; // marks a running panel command
    bool transferCells(const std::function<void(int address)> &transaction,
                       const QString &doneText); // true when every cell was done
    // form1_port.cpp
    void buildPortChooser();
    void readPortsOnce(); // fills the drop-down and, unless a port is set, the starting port
    QList<portchoice::PortDescription> refreshPorts(); // the ports it read
    bool backUpPanelFirst();                           // false: the write must not go on
    // The output codes CollectAssignments filled.
    cellwalk::Codes collectedCodes();
    // `codes` with the panel name and the designations as the window shows them,
    // as a configuration file holds them.
    qcf::Configuration shownConfiguration(const cellwalk::Codes &codes) const;
    // form1_item_edit.cpp
    void buildEditActions();
    void addEditActions(QMenu *menu);
    void setCurrentItem(QWidget *focus);
    void updateEditActions();
    void updateSameChannelMarks();
    itemedit::ItemValue itemValue(int item) const;
    void setItemValue(int item, const itemedit::ItemValue &value);
    // form1_actions.cpp
    void buildActions();
    void updateUndoActions();
    QMessageBox::StandardButton ask(const QString &text, QMessageBox::StandardButtons buttons);
    // form1_undo.cpp: what the window shows of the configuration, as one
    // undo step restores it.
    struct Shown {
        std::array<int, 43> selection{}; // List1..List42
        std::array<bool, 43> listHidden{};
        std::array<QString, 23> text; // Text2..Text22
        std::array<bool, 23> textHidden{};
        std::array<ItemFields, assignment::kItemCount> items;
        QString panel;
        bool lightingView = false;
        bool sameConfiguration(const Shown &other) const;
    };
    class ConfigurationChange;
    Shown shown() const;
    void applyShown(const Shown &state);
    // Records a change the user made as one undo step; `mergeId` >= 0 merges it
    // with the step before of the same id (typing in one box).
    void recordChange(const QString &text, int mergeId = -1);
    // A whole-window change (open, read) from `before` as one undo step.
    void recordReplacement(const Shown &before, const QString &text);
    // form1_files.cpp
    QString fileDialogFolder() const;
    void rememberFile(const QString &path);
    QString runFileDialog(const FileDialogRequest &request);
    void showMessageBox(const QString &text, bool isError);

    QListWidget *list(int n) const { return m_lists.at(n); }
    QLineEdit *designationBox(int item) const;

    ConfigRecord rec;

    std::array<QListWidget *, 43> m_lists{};   // List1..List42 at their numbers
    std::array<QLineEdit *, 23> m_textBoxes{}; // Text2..Text22 at their numbers
    std::array<QLabel *, 10> m_positionLabels{};
    QTextEdit *m_status = nullptr;         // Text1
    QLabel *m_backlightingLabel = nullptr; // Label14
    QRadioButton *m_option1 = nullptr;
    QRadioButton *m_option2 = nullptr;
    std::array<QPushButton *, 4> m_commandButtons{};
    QComboBox *m_portCombo = nullptr; // Combo1
    QList<portchoice::PortEntry> m_portEntries;
    bool m_portsRead = false;
    QTimer *m_timer1 = nullptr;
    PanelLink *m_link = nullptr;
    QString m_lastFileName;
    QString m_configurationFile;
    ItemMarks *m_marks = nullptr;
    bool m_busy = false;
    QUndoStack *m_undo = nullptr;
    Shown m_shown;   // as the last undo step left it
    int m_quiet = 0; // > 0 while the program itself changes the lists and boxes
    QString m_lastBackup;
    struct Actions {
        QAction *open, *save, *print, *exportPdf, *quit, *undo, *redo, *read, *write, *compare,
            *backup, *restore, *station, *manual, *about;
    } m_actions{};
    struct EditActions {
        QAction *copy, *paste, *swap, *clear, *fillNotAssigned;
    } m_editActions{};
    int m_currentItem = -1;
};
