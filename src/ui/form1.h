#pragma once

#include "config/config_record.h"
#include "config/configuration_model.h"
#include "configuration_commands.h"
#include "file_commands.h"
#include "item_commands.h"
#include "panel/cell_walk.h"
#include "panel_commands.h"
#include "port_chooser.h"
#include "status_box.h"
#include "user_dialogs.h"
#include "window_fonts.h"

#include <QString>
#include <QUndoStack>
#include <QWidget>
#include <array>
#include <memory>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class PanelLink;
class PanelTransfer;
class ItemMarks;

// The client area of the program's window: its controls and their layout, the
// two views, and the designed handlers of the controls. The configuration lives
// in the model: the lists, the boxes and the name field show it, and what the
// user changes there becomes an undo step on it. The panel commands go through
// the same functions as the command line and the station; the file commands, the
// Edit menu's item commands, the status box and the port chooser are classes of
// their own.
//
// Files: form1_layout.cpp (controls), form1_views.cpp (the two views),
// form1_editor.cpp (list handlers, collecting and loading, the model shown),
// form1_panel.cpp (the read and the collect step's refusal).
class Form1 : public QWidget, public UserDialogs
{
    Q_OBJECT
public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    // Whether windows made from now on build the controls of the lighting view,
    // hidden at start, only once their first frame is on the screen (or when one
    // of them is needed before), so that they appear sooner. The program's window
    // does; otherwise a window has every control once it is made.
    static void setLightingViewBuiltLate(bool late) { s_lightingViewLate = late; }

    ConfigRecord &record() { return rec; }
    PanelLink &link() { return *m_link; }
    ConfigurationModel &model() { return m_configuration; }
    QUndoStack *undoStack() { return &m_undoStack; }
    // Whether a panel command runs: the window's transfer is under way. The
    // commands that must wait follow busyChanged().
    bool isBusy() const;

    // The file name the dialog last returned; both file commands propose it.
    QString lastFileName() const { return m_files->lastFileName(); }
    // Opens a configuration file as the open command does after its dialog, with
    // the same checks and messages. Returns whether the file was loaded.
    bool openFile(const QString &path) { return m_files->openFile(path); }
    // Asked before unsaved edits would be thrown away: "SAVE CHANGES TO THE
    // CONFIGURATION?" with Save, Discard and Cancel. True to go on (saved, or
    // discarded, or nothing unsaved); false when cancelled or the save failed.
    bool maybeSaveChanges() { return m_files->maybeSaveChanges(); }
    bool saveConfiguration() { return m_files->saveConfiguration(); }
    // Whether the configuration has changed since the last open, save, read or
    // write (the modified mark).
    bool isModified() const { return !m_undoStack.isClean(); }
    // The file that holds the configuration the window shows: the one last opened
    // or saved, until the configuration changes; empty when there is none.
    QString configurationFile() const { return m_files->configurationFile(); }

    // The serial port the panel commands open: the one selected or typed in the
    // SERIAL PORT drop-down at the moment a command starts.
    QString selectedPort() const { return m_port->selectedPort(); }
    void setPort(const QString &path) { m_port->setPort(path); }

    // Whether a write first reads the panel and keeps its contents as a backup
    // (remembered, on by default).
    bool backupBeforeWrite() const { return m_panel->backupBeforeWrite(); }
    void setBackupBeforeWrite(bool on) { m_panel->setBackupBeforeWrite(on); }
    // The backup file the last panel command kept, empty when it kept none.
    QString lastBackup() const { return m_panel->lastBackup(); }
    // Ends a running panel command at once (the window is closing).
    void stopTransfer();

    // Marks on the items, such as those of the last compare with the panel.
    ItemMarks &itemMarks() { return *m_marks; }
    configsheet::Sheet sheet() const;
    // `codes` with the model's panel name and designations, as a file holds them.
    qcf::Configuration configuration(const assignment::Codes &codes) const
    {
        return m_files->configuration(codes);
    }
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
    // The list positions of `code`; "N/A" keeps the channel position of the code
    // split before it.
    assignment::Split SplitCode(std::int16_t code);
    // The loading step: item `item` of `state` on the list entries of `code`, as
    // selecting them would set it.
    void LoadItem(ConfigurationState &state, int item, std::int16_t code);

signals:
    void modifiedChanged(bool modified);
    void currentItemChanged(int item);
    // A panel command has begun or ended (the transfer's state).
    void busyChanged(bool busy);

public slots:
    void Option1_Click();
    void Option2_Click();
    void READ_FILE_Click() { m_files->openWithDialog(); }
    void WRITE_FILE_Click() { m_files->saveConfiguration(); }
    void READ_CONFIG_Click();
    void WRITE_CONFIG_Click() { m_panel->write(); }

    void restoreBackup() { m_files->restoreBackup(); }
    // The programming station dialog, with the window's configuration on the port
    // of the chooser.
    void openStation() { m_panel->openStation(); }
    // Reads the panel as READ_CONFIG does, leaving the window's configuration as it
    // is, and marks every item in which the panel differs.
    void comparePanel() { m_panel->compare(); }
    // File > Compare with file…: marks every item in which a chosen file differs.
    void compareWithFile() { m_files->compareWithFile(); }
    bool compareWithFile(const QString &path) { return m_files->compareWithFile(path); }
    void exportSpreadsheet() { m_files->exportSpreadsheet(); }
    // Every change of the configuration ends here, once: an undo step pushed,
    // undone or redone. Takes away what no longer holds (the compare's marks, the
    // configuration's file) and marks the switches that share a channel anew.
    void configurationChanged();
    void printSheet() { m_files->printSheet(); }
    void exportSheetPdf() { m_files->exportSheetPdf(); }
    // The Edit menu's item commands on the current item, each one undo step.
    void copyItem() { m_items->copyItem(); }
    void pasteItem() { m_items->pasteItem(); }
    void swapItem() { m_items->swapItem(); }
    void swapItems(int a, int b) { m_items->swapItems(a, b); }
    void clearItem() { m_items->clearItem(); }
    void setEmptyItemsToNotAssigned() { m_items->setEmptyItemsToNotAssigned(); }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // form1_layout.cpp
    void buildControls();
    void buildLabels();
    void sizeLabels();
    void buildItemLists(int first, int end, QWidget *next = nullptr);
    void buildDesignationBoxes(int first, int end);
    void buildLightingView();
    void buildPanelName();
    void buildViewOptions();
    void buildCommandButtons();
    QList<QWidget *> focusOrder() const;
    void applyFocusOrder();
    void buildItemMarks();
    // form1_views.cpp
    void Form_Load();
    void showItemLists(int item);
    void showDesignationBox(int item, bool shown);
    void setCurrentItem(QWidget *focus);
    void updateSameChannelMarks();
    // form1_editor.cpp
    void ModuleList_Click(int list);
    void ChannelList_Click(int list);
    // A choice the user made in a list, or text typed in a box, as an undo step.
    void takeListChoice(int list, bool boxShownBefore);
    void takeTypedText(int box);
    // Shows the model's item (or panel name) in the controls.
    void showModelItem(int item);
    void showModelPanelName();
    // The change from the model's state to `after` as one undo step, with the
    // designation boxes as the view shows them now (shown as `boxesBefore` before).
    void pushReplacement(const ConfigurationState &before, const ConfigurationState &after,
                         const BoxesShownCommand::Shown &boxesBefore, const QString &text);
    BoxesShownCommand::Show boxesShownSetter();
    void loadConfiguration(const qcf::Configuration &config, const QString &text);
    // form1_panel.cpp
    std::optional<assignment::Codes> collectOrSay(statustext::Status ledText);
    void setCommandsEnabled(bool enabled);
    void readEnded(bool opened, const ConfigurationState &before,
                   const BoxesShownCommand::Shown &boxesBefore);

    // An item's controls; those of the lighting view are built when first asked
    // for (m_lists and m_textBoxes hold null until then).
    QListWidget *list(int n)
    {
        if (!m_lists.at(n))
            buildLightingView();
        return m_lists.at(n);
    }
    QLineEdit *designationBox(int item);

    static constexpr int kFirstLightingItem = 10; // LED1
    static inline bool s_lightingViewLate = false;

    // Qt's list of the system's fonts, read while the first controls are built.
    windowfonts::FontListRead m_fontList;
    ConfigRecord rec;
    // The configuration and its undo steps die before the
    // controls do, so that nothing reaches them from a control being destroyed.
    ConfigurationModel m_configuration;
    ConfigurationModel *const m_model = &m_configuration;
    QUndoStack m_undoStack;
    QUndoStack *const m_undo = &m_undoStack;

    std::array<QListWidget *, 43> m_lists{};   // List1..List42 at their numbers
    std::array<QLineEdit *, 23> m_textBoxes{}; // Text2..Text22 at their numbers
    QLabel *m_heading = nullptr;               // Label1, sized once the fonts are read
    std::array<QLabel *, 10> m_positionLabels{};
    // Whether each item's designation box shows in its view (the view's, not the
    // configuration's): a read hides them until the item's channel is chosen or its
    // view is shown again.
    BoxesShownCommand::Shown m_boxesShown;
    std::int16_t m_splitChannel = 0;       // the channel position SplitCode left
    QLabel *m_backlightingLabel = nullptr; // Label14
    QRadioButton *m_option1 = nullptr;
    QRadioButton *m_option2 = nullptr;
    std::array<QPushButton *, 4> m_commandButtons{};
    PanelLink *m_link = nullptr;
    PanelTransfer *m_transfer = nullptr; // on m_link; destroyed before it
    bool m_busyShown = false;            // the buttons show a command running
    ItemMarks *m_marks = nullptr;
    std::unique_ptr<StatusBox> m_status; // Text1
    std::unique_ptr<PortChooser> m_port; // Label15, Combo1
    std::unique_ptr<FileCommands> m_files;
    std::unique_ptr<ItemCommands> m_items;
    std::unique_ptr<PanelCommands> m_panel;

    int m_currentItem = -1;
};
