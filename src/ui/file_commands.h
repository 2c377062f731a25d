#pragma once

#include "config/assignment.h"
#include "config/configuration_model.h"
#include "files/qcf_file.h"
#include "files/qcf_format.h"

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <optional>

class QUndoStack;
class QWidget;
class ItemMarks;
class StatusBox;
class UserDialogs;
namespace configsheet {
struct Sheet;
}

// The window's file commands: save the configuration to a ".qcf" file and open
// one again, restore a backup, compare with a file, export a spreadsheet, and
// print the configuration sheet or save it as a PDF. Everything they write is
// taken from the configuration model.
class FileCommands
{
    Q_DECLARE_TR_FUNCTIONS(Form1) // its texts are the window's
public:
    struct Window {
        QWidget *parent;
        UserDialogs *dialogs;
        const ConfigurationModel *model;
        QUndoStack *undo;
        StatusBox *status;
        ItemMarks *marks;
        std::function<bool()> isBusy;
        // The collect step before a save: the 21 codes, or none when an item is
        // incomplete (the status box then says which kind).
        std::function<std::optional<assignment::Codes>()> collect;
        // Shows a checked file's configuration as one undo step named `text`.
        std::function<void(const qcf::Configuration &config, const QString &text)> load;
    };
    explicit FileCommands(Window window) : m_window(std::move(window)) {}

    bool openFile(const QString &path);
    void openWithDialog(); // READ_FILE
    bool saveConfiguration();
    bool maybeSaveChanges();
    void restoreBackup();
    void compareWithFile();
    bool compareWithFile(const QString &path);
    void exportSpreadsheet();
    void printSheet();
    void exportSheetPdf();

    configsheet::Sheet sheet() const;
    // `codes` with the model's panel name and designations, as a file holds them.
    qcf::Configuration configuration(const assignment::Codes &codes) const;
    QString lastFileName() const { return m_lastFileName; }
    QString configurationFile() const { return m_configurationFile; }
    // The configuration changed: it is no longer the file's.
    void forgetFile() { m_configurationFile.clear(); }

private:
    qcf::LoadedFile loadFileOrSay(const QString &path);
    void rememberFile(const QString &path);
    bool isModified() const;

    Window m_window;
    QString m_lastFileName;
    QString m_configurationFile;
};
