// The window's configuration beside a file: compare it with a configuration file
// (the differing items marked, as the compare with a panel marks them), and
// export it as a spreadsheet. Both take the configuration from the model and
// leave it as it is; the texts and the sheet are the core's (files/qcf_text.h,
// files/config_csv.h).

#include "files/config_csv.h"
#include "files/qcf_file.h"
#include "files/qcf_text.h"
#include "form1.h"
#include "item_marks.h"
#include "translation.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QTextEdit>

using namespace statustext;

void Form1::compareWithFile()
{
    if (isBusy())
        return;
    const QString path = runFileDialog({false, tr("COMPARE WITH CONFIGURATION FILE"),
                                        tr("MARVOLANTIS CONFIGURATION FILES (*.qcf)"), QString(),
                                        fileDialogFolder()});
    if (!path.isEmpty())
        compareWithFile(path);
}

bool Form1::compareWithFile(const QString &path)
{
    const qcf::LoadedFile loaded = loadFileOrSay(path);
    if (!loaded.config)
        return false;
    m_marks->clear(kFileDiffers.id);
    // The window's side first: the lines read "window -> file".
    const QList<qcftext::Difference> differences =
        qcftext::differences(configuration(m_model->codes()), *loaded.config);
    for (int item : qcftext::differingItems(differences)) {
        QList<qcftext::Difference> ofItem;
        for (const qcftext::Difference &d : differences)
            if (d.item == item)
                ofItem << d;
        m_marks->mark(item, kFileDiffers, translation::fileHolds(ofItem));
    }
    // The outcome, then one line per difference, as --diff lists them.
    QStringList lines{translation::fileCompareStatus(differences)};
    for (const qcftext::Difference &d : differences)
        lines << translation::fileDifference(d);
    setStatusTone(differences.isEmpty() ? kDone : kFailed);
    setStatus(lines.join(QLatin1Char('\n')));
    // A list longer than the box scrolls.
    m_status->setVerticalScrollBarPolicy(lines.size() > 3 ? Qt::ScrollBarAsNeeded
                                                          : Qt::ScrollBarAlwaysOff);
    showStatus();
    return true;
}

void Form1::exportSpreadsheet()
{
    const QString panelName = m_textBoxes[2]->text();
    const QString base = panelName.isEmpty() ? QStringLiteral("configuration") : panelName;
    const QString path =
        runFileDialog({true, tr("EXPORT AS SPREADSHEET"), tr("CSV FILES (*.csv)"),
                       base + QStringLiteral(".csv"), fileDialogFolder(), QStringLiteral("csv")});
    if (path.isEmpty())
        return; // cancelled: nothing written
    auto fail = [&](const QString &why) {
        showMessageBox(tr("THE SPREADSHEET COULD NOT BE SAVED:\n%1\n\n%2")
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
    const QString failure = configcsv::writeSheet(
        path, {{configcsv::fileColumn(file, path), configuration(m_model->codes())}});
    if (!failure.isEmpty())
        fail(translation::status(failure));
}
