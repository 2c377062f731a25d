// The file commands: save the configuration to a ".qcf" file and open one again.

#include "config/settings.h"
#include "files/code_page.h"
#include "files/panel_backup.h"
#include "files/qcf_file.h"
#include "files/qcf_format.h"
#include "form1.h"
#include "translation.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTextEdit>
#include <QUndoStack>

namespace {
QString configurationFilter() { return Form1::tr("MARVOLANTIS CONFIGURATION FILES (*.qcf)"); }
} // namespace

// The folder both dialogs start in: that of the last file used, remembered between
// runs, else the user's documents folder; never the folder the program was started
// from.
QString Form1::fileDialogFolder() const
{
    const QString last = settings::lastFolder();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void Form1::rememberFile(const QString &path)
{
    m_lastFileName = path;
    settings::setLastFolder(QFileInfo(path).absolutePath());
}

QString Form1::runFileDialog(const FileDialogRequest &request)
{
    if (chooseFile)
        return chooseFile(request);
    QFileDialog dialog(this, request.title);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.suffix);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDirectory(request.folder);
    if (!request.proposedName.isEmpty())
        dialog.selectFile(request.proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

// A modal message with an OK button under the application's title; failures
// carry a warning icon.
void Form1::showMessageBox(const QString &text, bool isError)
{
    if (showMessage) {
        showMessage(text, isError);
        return;
    }
    QMessageBox box(isError ? QMessageBox::Warning : QMessageBox::NoIcon,
                    QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok, this);
    box.exec();
}

QMessageBox::StandardButton Form1::ask(const QString &text, QMessageBox::StandardButtons buttons)
{
    if (askQuestion)
        return askQuestion(text, buttons);
    return QMessageBox::question(this, QGuiApplication::applicationDisplayName(), text, buttons);
}

void Form1::WRITE_FILE_Click() { saveConfiguration(); }

bool Form1::saveConfiguration()
{
    m_status->hide();
    rec.error_flag = 0;
    CollectAssignments();
    if (showIncomplete(statustext::Status::IncompleteLedsOfSave))
        return false;
    const QString panelName = m_textBoxes[2]->text();
    if (panelName.isEmpty()) {
        showMessageBox(tr("Name must be entered in PANEL NAME field"), false);
        return false;
    }

    const QByteArray bytes = qcf::format(configuration(collectedCodes()));
    auto fail = [this](const QString &path, const QString &why) {
        showMessageBox(tr("THE CONFIGURATION FILE COULD NOT BE SAVED:\n%1\n\n%2")
                           .arg(QDir::toNativeSeparators(path), translation::status(why)),
                       true);
        return false;
    };
    if (const QString problem = qcf::sizeProblem(bytes.size()); !problem.isEmpty())
        return fail(panelName + QStringLiteral(".qcf"), problem);

    const QString path = runFileDialog({true, tr("WRITE CONFIGURATION FILE"), configurationFilter(),
                                        panelName + QStringLiteral(".qcf"), fileDialogFolder()});
    if (path.isEmpty())
        return false; // cancelled: nothing written
    rememberFile(path);
    if (const QString failure = qcf::saveFile(path, bytes); !failure.isEmpty())
        return fail(path, failure);
    m_configurationFile = path;
    m_undo->setClean();
    return true;
}

qcf::Configuration Form1::configuration(const assignment::Codes &codes) const
{
    qcf::Configuration config;
    config.panel = codepage::toBytes(m_textBoxes[2]->text());
    for (int i = 0; i < qcf::kDesignations; ++i)
        config.designations[i] = codepage::toBytes(designationBox(i)->text());
    std::copy(codes.begin(), codes.end(), config.codes.begin());
    return config;
}

bool Form1::maybeSaveChanges()
{
    if (!isModified())
        return true;
    switch (ask(tr("SAVE CHANGES TO THE CONFIGURATION?"),
                QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel)) {
    case QMessageBox::Save:
        return saveConfiguration();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void Form1::READ_FILE_Click()
{
    if (!maybeSaveChanges())
        return;
    m_status->hide();
    const QString path = runFileDialog({false, tr("READ CONFIGURATION FILE"), configurationFilter(),
                                        m_lastFileName, fileDialogFolder()});
    if (path.isEmpty())
        return; // cancelled: nothing read
    openFile(path);
}

// A backup loads as any configuration file; the user then writes it.
void Form1::restoreBackup()
{
    if (isBusy() || !maybeSaveChanges())
        return;
    backup::makeFolder(); // with the backups of the earlier folder moved in
    const QString path = runFileDialog(
        {false, tr("RESTORE A BACKUP"), configurationFilter(), QString(), backup::folder()});
    if (path.isEmpty())
        return;
    // The dialogs keep starting where the user's own files are.
    const QString lastFolder = settings::lastFolder();
    openFile(path);
    settings::setLastFolder(lastFolder);
}

// Reads and checks a configuration file; a file that cannot be used is said in a
// message box naming it and why.
qcf::LoadedFile Form1::loadFileOrSay(const QString &path)
{
    qcf::LoadedFile loaded = qcf::loadFile(path);
    if (!loaded.config)
        showMessageBox(tr("THE CONFIGURATION FILE COULD NOT BE OPENED:\n%1\n\n%2")
                           .arg(QDir::toNativeSeparators(path), translation::status(loaded.error)),
                       true);
    return loaded;
}

// What the open command does with the file its dialog returned; also used for a
// file named on the command line. The whole file is read and checked before
// anything on the window changes.
bool Form1::openFile(const QString &path)
{
    m_status->hide();
    rememberFile(path);
    const qcf::LoadedFile loaded = loadFileOrSay(path);
    if (!loaded.config)
        return false;
    const qcf::Configuration &config = *loaded.config;
    beginReplacement(); // one undo step for the whole file
    rec.panel = codepage::toText(config.panel);
    for (int i = 0; i < qcf::kDesignations; ++i)
        rec.items[i].designation = codepage::toText(config.designations[i]);
    for (int i = 0; i < qcf::kCodes; ++i)
        rec.items[i].code = config.codes[i];

    m_textBoxes[2]->setText(rec.panel);
    for (int i = 0; i < assignment::kItemCount; ++i) {
        if (QLineEdit *box = designationBox(i))
            box->setText(rec.items[i].designation);
        rec.A = rec.items[i].code;
        LoadItem(i);
    }
    ShowSwitchView();
    endReplacement(tr("OPEN %1").arg(QFileInfo(path).fileName()));
    m_configurationFile = path;
    m_undo->setClean();
    return true;
}
