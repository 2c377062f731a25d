#pragma once

#include "config/config_record.h"
#include "config/configuration_model.h"
#include "files/qcf_file.h"
#include "files/qcf_format.h"
#include "panel/cell_walk.h"
#include "panel/panel_activity.h"
#include "panel/port_choice.h"

#include <QMessageBox>
#include <QString>
#include <QUndoStack>
#include <QWidget>
#include <array>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTextEdit;
class PanelLink;
class ItemMarks;
namespace configsheet {
struct Sheet;
}

// The client area of the program's window: its controls and their layout, the
// two views, and the designed handlers of the controls. It shows the
// configuration model and edits it through undo steps; the panel commands go
// through the same functions as the command line and the station.
//
// Files: form1_layout.cpp (controls), form1_views.cpp (the two views),
// form1_editor.cpp (list handlers, collecting and loading, the model shown),
// form1_panel.cpp (the panel commands), form1_port.cpp (the port chooser),
// form1_files.cpp (the file commands), form1_sheet.cpp (the configuration sheet),
// form1_item_edit.cpp (the Edit menu's item commands and the marks),
// form1_file_text.cpp (compare with a file, export as a spreadsheet).
class Form1 : public QWidget
{
    Q_OBJECT
public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    ConfigRecord &record() { return rec; }
    PanelLink &link() { return *m_link; }
    ConfigurationModel &model() { return m_configuration; }
    QUndoStack *undoStack() { return &m_undoStack; }
    // Says when a panel command runs; the commands that must wait follow it.
    PanelActivity &activity() { return m_activity; }
    bool isBusy() const { return m_activity.isBusy(); }

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

    // A modal message (failures with a warning icon) and a question, through the
    // hooks above when they are set.
    void showMessageBox(const QString &text, bool isError);
    QMessageBox::StandardButton ask(const QString &text, QMessageBox::StandardButtons buttons);

    // The file name the dialog last returned; both file commands propose it.
    QString lastFileName() const { return m_lastFileName; }
    // Opens a configuration file as the open command does after its dialog, with
    // the same checks and messages. Returns whether the file was loaded.
    bool openFile(const QString &path);
    // Asked before unsaved edits would be thrown away: "SAVE CHANGES TO THE
    // CONFIGURATION?" with Save, Discard and Cancel. True to go on (saved, or
    // discarded, or nothing unsaved); false when cancelled or the save failed.
    bool maybeSaveChanges();
    // The save command; true when the file was saved.
    bool saveConfiguration();
    // Whether the configuration has changed since the last open, save, read or
    // write (the modified mark).
    bool isModified() const;
    // The file that holds the configuration the window shows: the one last opened
    // or saved, until the configuration changes; empty when there is none.
    QString configurationFile() const { return m_configurationFile; }

    // The serial port the panel commands open: the one selected or typed in the
    // SERIAL PORT drop-down at the moment a command starts. The drop-down is filled
    // just after the window's first frame (or by the first command, if that is
    // sooner); until then this is the port the window starts on.
    QString selectedPort() const;
    void setPort(const QString &path);

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
    // The configuration sheet of what the window shows.
    configsheet::Sheet sheet() const;
    // `codes` with the panel name and the designations the window shows, as a
    // configuration file holds them.
    qcf::Configuration configuration(const assignment::Codes &codes) const;
    // The 21 output codes of the last collect step.
    assignment::Codes collectedCodes();
    // The item whose list or designation box has (or last had, while a menu or a
    // dialog is open) the keyboard focus; -1 when there is none.
    int currentItem() const { return m_currentItem; }
    // The Edit menu's item commands may run: on an item, no panel command running.
    bool canEditItem() const { return m_currentItem >= 0 && !isBusy(); }

    // The window's procedures, called by the handlers (and by the tests).
    void ShowSwitchView();
    void ShowLightingView();
    void CollectAssignments();
    void SplitCode();
    void LoadItem(int item); // the loading step: A into the item's two lists

signals:
    void modifiedChanged(bool modified);
    void currentItemChanged(int item);

public slots:
    void Option1_Click();
    void Option2_Click();
    void READ_FILE_Click();
    void WRITE_FILE_Click();
    void READ_CONFIG_Click();
    void WRITE_CONFIG_Click();

    // Opens a file of the backup folder.
    void restoreBackup();
    // The programming station dialog, with the window's configuration on the port
    // of the chooser.
    void openStation();
    // Reads the panel as READ_CONFIG does, leaving the window's configuration as it
    // is, and marks every item in which the panel differs.
    void comparePanel();
    // File > Compare with file…: marks every item in which a chosen configuration
    // file differs from the window, as the compare with a panel does, and lists
    // the differences in the status box. The configuration stays as it is.
    void compareWithFile();
    // Compares with the file at `path` (what the command does after its dialog);
    // false when the file cannot be read.
    bool compareWithFile(const QString &path);
    // File > Export as spreadsheet…: the window's configuration as a CSV file
    // (files/config_csv.h), one row per item.
    void exportSpreadsheet();
    // Every change of the configuration ends here, once: an undo step pushed,
    // undone or redone. Takes away what no longer holds (the compare's marks, the
    // configuration's file) and marks the switches that share a channel anew.
    void configurationChanged();
    // The configuration sheet: printed after Qt's print dialog, or saved as a PDF
    // file chosen in a save dialog.
    void printSheet();
    void exportSheetPdf();
    // The Edit menu's item commands on the current item, each one undo step that
    // sets the lists as clicks on their entries would.
    void copyItem();
    void pasteItem();
    void swapItem(); // asks for the item to swap with
    void swapItems(int a, int b);
    void clearItem();
    void setEmptyItemsToNotAssigned();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    qcf::LoadedFile loadFileOrSay(const QString &path);
    // form1_layout.cpp
    void buildControls();
    QLabel *buildPicture();
    void buildLabels();
    void buildItemControls();
    void buildStatusAndPanelName();
    void buildViewOptions();
    void buildCommandButtons();
    void buildFocusOrder();
    // form1_views.cpp
    void Form_Load();
    void showItemLists(int item);
    void keepDesignationShown(int item);
    // form1_editor.cpp
    void ModuleList_Click(int list);
    void ChannelList_Click(int list);
    // What the item's controls show, as the model holds it.
    ItemState shownItem(int item) const;
    // A change the user made in an item's lists or designation box, or in the
    // panel name box, taken into the model as an undo step.
    void takeListChoice(int list);
    void takeTypedText(int box);
    // Shows the model's item (or panel name) in the controls.
    void showModelItem(int item);
    void showModelPanelName();
    // A change of many items, made through the controls as the designed commands
    // make it (the loading step, the view's procedures), as one undo step.
    void beginReplacement();
    void endReplacement(const QString &text);
    // form1_panel.cpp
    class PanelCommand; // marks a running panel command
    void setStatus(const QString &text);
    void setStatusColor(const QColor &color);
    void setStatusTone(statustext::Rgb tone);
    void showStatus();
    void failStatus(const QString &text);
    bool showIncomplete(statustext::Status ledText);
    void showCellStatus(const cellwalk::Cell &cell, bool write);
    void showOutcome(cellwalk::Outcome outcome, std::optional<statustext::Status> done);
    void failToOpen(); // the link's port could not be opened: why, in red
    void setCommandsEnabled(bool enabled);
    void reportLogFailure();
    bool openPanelPort();
    bool backUpPanelFirst(); // false: the write must not go on
    // form1_port.cpp
    void buildPortChooser();
    void readPortsOnce(); // fills the drop-down and, unless a port is set, the starting port
    QList<portchoice::PortDescription> refreshPorts(); // the ports it read
    // form1_item_edit.cpp
    void buildItemMarks();
    void setCurrentItem(QWidget *focus);
    void updateSameChannelMarks();
    void replaceItems(const std::function<void(ConfigurationState &)> &change, const QString &text);
    // form1_files.cpp
    QString fileDialogFolder() const;
    void rememberFile(const QString &path);
    QString runFileDialog(const FileDialogRequest &request);

    QListWidget *list(int n) const { return m_lists.at(n); }
    QLineEdit *designationBox(int item) const;

    ConfigRecord rec;
    // The configuration, its undo steps and the panel activity die before the
    // controls do, so that nothing reaches them from a control being destroyed.
    ConfigurationModel m_configuration;
    ConfigurationModel *const m_model = &m_configuration;
    QUndoStack m_undoStack;
    QUndoStack *const m_undo = &m_undoStack;
    PanelActivity m_activity;

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
    PanelLink *m_link = nullptr;
    ItemMarks *m_marks = nullptr;

    QString m_lastFileName;
    QString m_configurationFile;
    QString m_lastBackup;
    int m_currentItem = -1;
    // The controls are being set to what the model holds: their signals are no
    // edits of the user's.
    bool m_showingModel = false;
    // > 0 while a whole-configuration change runs; what changes in the controls
    // meanwhile goes into the model without an undo step of its own.
    int m_replacing = 0;
    ConfigurationState m_beforeReplacement;
};
