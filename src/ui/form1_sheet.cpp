// The configuration sheet of what the window shows: printed, or saved as a PDF.

#include "config_sheet.h"
#include "files/same_file.h"
#include "form1.h"
#include "translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>

configsheet::Sheet Form1::sheet() const
{
    configsheet::Sheet sheet;
    sheet.panelName = m_textBoxes[2]->text();
    if (!m_configurationFile.isEmpty())
        sheet.fileName =
            QDir::toNativeSeparators(QFileInfo(m_configurationFile).absoluteFilePath());
    sheet.made = QDateTime::currentDateTime();
    sheet.program = QCoreApplication::applicationName() + QLatin1Char(' ') +
                    QCoreApplication::applicationVersion();
    for (int i = 0; i < assignment::kNamedItemCount; ++i)
        sheet.designations[i] = designationBox(i)->text();
    for (int i = 0; i < assignment::kItemCount; ++i)
        sheet.codes[i] = m_model->code(i);
    return sheet;
}

void Form1::printSheet()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(configsheet::pageLayout(configsheet::pageSizeFor(QLocale())));
    printer.setDocName(tr("CONFIGURATION SHEET %1").arg(m_textBoxes[2]->text()));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("PRINT CONFIGURATION SHEET"));
    dialog.setMinMax(1, 1); // one page
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!configsheet::draw(printer, sheet()))
        showMessageBox(tr("THE CONFIGURATION SHEET COULD NOT BE PRINTED:\n%1\n\nTHE "
                          "PRINTER CANNOT BE USED")
                           .arg(printer.printerName()),
                       true);
}

void Form1::exportSheetPdf()
{
    const QString panelName = m_textBoxes[2]->text();
    const QString proposed =
        (panelName.isEmpty() ? QStringLiteral("configuration-sheet") : panelName) +
        QStringLiteral(".pdf");
    QString path;
    // A configuration file is never replaced by the PDF: the user chooses again.
    for (;;) {
        path =
            runFileDialog({true, tr("EXPORT CONFIGURATION SHEET AS PDF"), tr("PDF FILES (*.pdf)"),
                           proposed, fileDialogFolder(), QStringLiteral("pdf")});
        if (path.isEmpty())
            return; // cancelled: nothing written
        const files::OutputCheck check = files::checkOutput(path);
        if (check.allowed())
            break;
        showMessageBox(tr("THE CONFIGURATION SHEET IS NOT SAVED INTO THIS FILE:\n%1")
                           .arg(translation::outputRefusal(path, check)),
                       true);
    }
    const QString failure =
        configsheet::writePdf(path, sheet(), configsheet::pageSizeFor(QLocale()));
    if (!failure.isEmpty())
        showMessageBox(tr("THE CONFIGURATION SHEET COULD NOT BE SAVED:\n%1\n\n%2")
                           .arg(QDir::toNativeSeparators(path), translation::status(failure)),
                       true);
}
