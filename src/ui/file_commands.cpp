#include "file_commands.h"

#include "config/settings.h"
#include "config_sheet.h"
#include "files/code_page.h"
#include "files/config_csv.h"
#include "files/panel_backup.h"
#include "files/qcf_text.h"
#include "files/same_file.h"
#include "item_marks.h"
#include "status_box.h"
#include "translation.h"
#include "user_dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QUndoStack>

using namespace statustext;

namespace {
QString configurationFilter()
{
    return QCoreApplication::translate("Form1", "MARVOLANTIS CONFIGURATION FILES (*.qcf)");
}
} // namespace

void FileCommands::rememberFile(const QString &path)
{
    m_lastFileName = path;
    settings::setLastFolder(QFileInfo(path).absolutePath());
}

bool FileCommands::isModified() const { return !m_window.undo->isClean(); }

bool FileCommands::saveConfiguration()
{
    m_window.status->hide();
    const std::optional<assignment::Codes> codes = m_window.collect();
    if (!codes)
        return false;
    const QString panelName = m_window.model->panelName();
    if (panelName.isEmpty()) {
        m_window.dialogs->showMessageBox(tr("Name must be entered in PANEL NAME field"), false);
        return false;
    }

    const QByteArray bytes = qcf::format(configuration(*codes));
    auto fail = [this](const QString &path, const files::FileProblem &why) {
        m_window.dialogs->showMessageBox(
            tr("THE CONFIGURATION FILE COULD NOT BE SAVED:\n%1\n\n%2")
                .arg(QDir::toNativeSeparators(path), translation::describe(why)),
            true);
        return false;
    };
    if (const files::FileProblem problem = qcf::sizeProblem(bytes.size()); problem.failed())
        return fail(panelName + QStringLiteral(".qcf"), problem);

    const QString path = m_window.dialogs->runFileDialog(
        {true, tr("WRITE CONFIGURATION FILE"), configurationFilter(),
         panelName + QStringLiteral(".qcf"), UserDialogs::fileDialogFolder()});
    if (path.isEmpty())
        return false; // cancelled: nothing written
    rememberFile(path);
    if (const files::FileProblem failure = qcf::saveFile(path, bytes); failure.failed())
        return fail(path, failure);
    m_configurationFile = path;
    m_window.undo->setClean();
    return true;
}

qcf::Configuration FileCommands::configuration(const assignment::Codes &codes) const
{
    qcf::Configuration config;
    config.panel = codepage::toBytes(m_window.model->panelName());
    for (int i = 0; i < qcf::kDesignations; ++i)
        config.designations[i] = codepage::toBytes(m_window.model->item(i).designation);
    std::copy(codes.begin(), codes.end(), config.codes.begin());
    return config;
}

bool FileCommands::maybeSaveChanges()
{
    if (!isModified())
        return true;
    switch (m_window.dialogs->ask(tr("SAVE CHANGES TO THE CONFIGURATION?"),
                                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel)) {
    case QMessageBox::Save:
        return saveConfiguration();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void FileCommands::openWithDialog()
{
    if (!maybeSaveChanges())
        return;
    m_window.status->hide();
    const QString path = m_window.dialogs->runFileDialog({false, tr("READ CONFIGURATION FILE"),
                                                          configurationFilter(), m_lastFileName,
                                                          UserDialogs::fileDialogFolder()});
    if (path.isEmpty())
        return; // cancelled: nothing read
    openFile(path);
}

// A backup loads as any configuration file; the user then writes it.
void FileCommands::restoreBackup()
{
    if (m_window.isBusy() || !maybeSaveChanges())
        return;
    backup::makeFolder(); // with the backups of the earlier folder moved in
    const QString path = m_window.dialogs->runFileDialog(
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
qcf::LoadedFile FileCommands::loadFileOrSay(const QString &path)
{
    qcf::LoadedFile loaded = qcf::loadFile(path);
    if (!loaded.config)
        m_window.dialogs->showMessageBox(
            tr("THE CONFIGURATION FILE COULD NOT BE OPENED:\n%1\n\n%2")
                .arg(QDir::toNativeSeparators(path), translation::describe(loaded.problem)),
            true);
    return loaded;
}

// What the open command does with the file its dialog returned; also used for a
// file named on the command line. The whole file is read and checked before
// anything on the window changes.
bool FileCommands::openFile(const QString &path)
{
    m_window.status->hide();
    rememberFile(path);
    const qcf::LoadedFile loaded = loadFileOrSay(path);
    if (!loaded.config)
        return false;
    m_window.load(*loaded.config, tr("OPEN %1").arg(QFileInfo(path).fileName()));
    m_configurationFile = path;
    m_window.undo->setClean();
    return true;
}

void FileCommands::compareWithFile()
{
    if (m_window.isBusy())
        return;
    const QString path =
        m_window.dialogs->runFileDialog({false, tr("COMPARE WITH CONFIGURATION FILE"),
                                         tr("MARVOLANTIS CONFIGURATION FILES (*.qcf)"), QString(),
                                         UserDialogs::fileDialogFolder()});
    if (!path.isEmpty())
        compareWithFile(path);
}

// Marks every item in which the file differs from the window, as the compare with
// a panel does, and lists the differences in the status box. The configuration
// stays as it is.
bool FileCommands::compareWithFile(const QString &path)
{
    const qcf::LoadedFile loaded = loadFileOrSay(path);
    if (!loaded.config)
        return false;
    m_window.marks->clear(kFileDiffers.id);
    // The window's side first: the lines read "window -> file".
    const QList<qcftext::Difference> differences =
        qcftext::differences(configuration(m_window.model->codes()), *loaded.config);
    for (int item : qcftext::differingItems(differences)) {
        QList<qcftext::Difference> ofItem;
        for (const qcftext::Difference &d : differences)
            if (d.item == item)
                ofItem << d;
        m_window.marks->mark(item, kFileDiffers, translation::fileHolds(ofItem));
    }
    // The outcome, then one line per difference, as --diff lists them.
    QStringList lines{translation::fileCompareStatus(differences)};
    for (const qcftext::Difference &d : differences)
        lines << translation::fileDifference(d);
    m_window.status->setTone(differences.isEmpty() ? kDone : kFailed);
    m_window.status->setLines(lines);
    m_window.status->show();
    return true;
}

// The window's configuration as a CSV file (files/config_csv.h), one row per item.
void FileCommands::exportSpreadsheet()
{
    const QString panelName = m_window.model->panelName();
    const QString base = panelName.isEmpty() ? QStringLiteral("configuration") : panelName;
    const QString path = m_window.dialogs->runFileDialog(
        {true, tr("EXPORT AS SPREADSHEET"), tr("CSV FILES (*.csv)"), base + QStringLiteral(".csv"),
         UserDialogs::fileDialogFolder(), QStringLiteral("csv")});
    if (path.isEmpty())
        return; // cancelled: nothing written
    auto fail = [&](const QString &why) {
        m_window.dialogs->showMessageBox(tr("THE SPREADSHEET COULD NOT BE SAVED:\n%1\n\n%2")
                                             .arg(QDir::toNativeSeparators(path), why),
                                         true);
    };
    if (path.endsWith(QStringLiteral(".qcf"), Qt::CaseInsensitive))
        return fail(tr("A SPREADSHEET IS NOT SAVED AS A CONFIGURATION FILE (.qcf)"));
    // The sheet's file column names the file the configuration is in, else the
    // file the save command would propose.
    const QString file = !m_configurationFile.isEmpty()
                             ? m_configurationFile
                             : QFileInfo(path).dir().filePath(base + QStringLiteral(".qcf"));
    const files::FileProblem failure = configcsv::writeSheet(
        path, {{configcsv::fileColumn(file, path), configuration(m_window.model->codes())}});
    if (failure.failed())
        fail(translation::describe(failure));
}

configsheet::Sheet FileCommands::sheet() const
{
    configsheet::Sheet sheet;
    sheet.panelName = m_window.model->panelName();
    if (!m_configurationFile.isEmpty())
        sheet.fileName =
            QDir::toNativeSeparators(QFileInfo(m_configurationFile).absoluteFilePath());
    sheet.made = QDateTime::currentDateTime();
    sheet.program = QCoreApplication::applicationName() + QLatin1Char(' ') +
                    QCoreApplication::applicationVersion();
    for (int i = 0; i < assignment::kNamedItemCount; ++i)
        sheet.designations[i] = m_window.model->item(i).designation;
    for (int i = 0; i < assignment::kItemCount; ++i)
        sheet.codes[i] = m_window.model->code(i);
    return sheet;
}

// Printed after Qt's print dialog.
void FileCommands::printSheet()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(configsheet::pageLayout(configsheet::pageSizeFor(QLocale())));
    printer.setDocName(tr("CONFIGURATION SHEET %1").arg(m_window.model->panelName()));
    QPrintDialog dialog(&printer, m_window.parent);
    dialog.setWindowTitle(tr("PRINT CONFIGURATION SHEET"));
    dialog.setMinMax(1, 1); // one page
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!configsheet::draw(printer, sheet()))
        m_window.dialogs->showMessageBox(
            tr("THE CONFIGURATION SHEET COULD NOT BE PRINTED:\n%1\n\nTHE "
               "PRINTER CANNOT BE USED")
                .arg(printer.printerName()),
            true);
}

void FileCommands::exportSheetPdf()
{
    const QString panelName = m_window.model->panelName();
    const QString proposed =
        (panelName.isEmpty() ? QStringLiteral("configuration-sheet") : panelName) +
        QStringLiteral(".pdf");
    QString path;
    // A configuration file is never replaced by the PDF: the user chooses again.
    for (;;) {
        path = m_window.dialogs->runFileDialog(
            {true, tr("EXPORT CONFIGURATION SHEET AS PDF"), tr("PDF FILES (*.pdf)"), proposed,
             UserDialogs::fileDialogFolder(), QStringLiteral("pdf")});
        if (path.isEmpty())
            return; // cancelled: nothing written
        const files::OutputCheck check = files::checkOutput(path);
        if (check.allowed())
            break;
        m_window.dialogs->showMessageBox(
            tr("THE CONFIGURATION SHEET IS NOT SAVED INTO THIS FILE:\n%1")
                .arg(translation::outputRefusal(path, check)),
            true);
    }
    const files::FileProblem failure =
        configsheet::writePdf(path, sheet(), configsheet::pageSizeFor(QLocale()));
    if (failure.failed())
        m_window.dialogs->showMessageBox(
            tr("THE CONFIGURATION SHEET COULD NOT BE SAVED:\n%1\n\n%2")
                .arg(QDir::toNativeSeparators(path), translation::describe(failure)),
            true);
}
