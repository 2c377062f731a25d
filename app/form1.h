#pragma once

#include "config/config_record.h"
#include "panel/port_choice.h"

#include <QString>
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
class QTimer;
class PanelLink;

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
        QString folder; // where the dialog starts
    };
    std::function<QString(const FileDialogRequest &)> chooseFile; // "" when cancelled
    std::function<void(const QString &text, bool isError)> showMessage;

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

    // The window's procedures, called by the handlers across the source folders
    // (and by the tests).
    void ShowSwitchView();
    void ShowLightingView();
    void CollectAssignments();
    void SplitCode();
    void LoadItem(int item); // the loading step: A into the item's two lists
    void WriteCell();
    void ReadCell();

public slots:
    void Option1_Click();
    void Option2_Click();
    void READ_FILE_Click();
    void WRITE_FILE_Click();
    void READ_CONFIG_Click();
    void WRITE_CONFIG_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // app/form1_layout.cpp
    void buildControls();
    // app/form1_views.cpp
    void Form_Load();
    void showItemLists(int item);
    // config/form1_editor.cpp
    void ModuleList_Click(int list);
    void ChannelList_Click(int list);
    // panel/form1_panel.cpp
    void Timer1_Timer();
    void setStatus(const QString &text);
    void setStatusColor(const QColor &color);
    void showStatus();
    void failStatus(const QString &text);
    void setCommandsEnabled(bool enabled);
    bool openPanelPort();
    class PanelCommand; // marks a running panel command
    void transferCells(const std::function<void(int address)> &transaction,
                       const QString &doneText);
    // panel/form1_port.cpp
    void buildPortChooser();
    void readPortsOnce(); // fills the drop-down and, unless a port is set, the starting port
    QList<portchoice::PortDescription> refreshPorts(); // the ports it read
    // files/form1_files.cpp
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
    bool m_busy = false;
};
