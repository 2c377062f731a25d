// The file commands: save the configuration to a ".qcf" file and open one again.

#include "app/form1.h"
#include "files/qcf_format.h"

#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QSaveFile>
#include <QTextEdit>

namespace {
const QString kFilter = QStringLiteral("MARVOLANTIS CONFIGURATION FILES (*.qcf)");

// The file field that holds the code of item i (1-based field numbers).
int codeField(int i) { return i == assignment::kBacklighting ? qcf::kFieldCount : 2 * i + 3; }
} // namespace

QString Form1::runFileDialog(const FileDialogRequest &request)
{
    if (chooseFile)
        return chooseFile(request);
    QFileDialog dialog(this, request.title);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(QStringLiteral("qcf"));
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
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

void Form1::WRITE_FILE_Click()
{
    m_status->hide();
    rec.error_flag = 0;
    CollectAssignments();
    if (rec.error_flag == 1 || rec.error_flag == 2) {
        showStatus();
        failStatus(rec.error_flag == 1
                       ? QStringLiteral("DATA MUST BE ENTERED (CLICKED) FOR ALL SWITCHES BEFORE "
                                        "WRITING DATA")
                       : QStringLiteral("DATA MUST BE ENTERED (CLICKED) FOR ALL LED's AND "
                                        "BACKLIGHTING BEFORE WRITING DATA"));
        return;
    }
    const QString panelName = m_textBoxes[2]->text();
    if (panelName.isEmpty()) {
        showMessageBox(QStringLiteral("Name must be entered in PANEL NAME field"), false);
        return;
    }

    const QString path = runFileDialog(
        {true, QStringLiteral("WRITE CONFIGURATION FILE"), kFilter, panelName + QStringLiteral(".qcf")});
    if (path.isEmpty())
        return; // cancelled: nothing written
    m_lastFileName = path;

    qcf::Configuration config;
    config.panel = panelName.toLatin1();
    for (int i = 0; i < qcf::kDesignations; ++i)
        config.designations[i] = designationBox(i)->text().toLatin1();
    for (int i = 0; i < qcf::kCodes; ++i)
        config.codes[i] = rec.output(i);
    const QByteArray bytes = qcf::format(config);

    // Written beside the target and renamed over it only when complete, so a failed
    // save leaves an existing file as it was and no truncated file behind.
    QSaveFile file(path);
    QString failure;
    if (!file.open(QIODevice::WriteOnly)) {
        failure = file.errorString();
    } else if (file.write(bytes) != bytes.size() || !file.flush()) {
        failure = file.errorString();
        file.cancelWriting();
    } else if (!file.commit()) {
        failure = file.errorString();
    }
    if (!failure.isEmpty())
        showMessageBox(QStringLiteral("THE CONFIGURATION FILE COULD NOT BE SAVED:\n%1\n\n%2")
                           .arg(QDir::toNativeSeparators(path), failure),
                       true);
}

void Form1::READ_FILE_Click()
{
    m_status->hide();
    const QString path = runFileDialog(
        {false, QStringLiteral("READ CONFIGURATION FILE"), kFilter, m_lastFileName});
    if (path.isEmpty())
        return; // cancelled: nothing read
    m_lastFileName = path;

    auto fail = [&](const QString &why) {
        showMessageBox(QStringLiteral("THE CONFIGURATION FILE COULD NOT BE OPENED:\n%1\n\n%2")
                           .arg(QDir::toNativeSeparators(path), why),
                       true);
    };

    // Read and check the whole file before anything on the window changes.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    QByteArray bytes = file.read(qcf::kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return fail(file.errorString());
    file.close();
    const bool oversized = bytes.size() > qcf::kMaxFileSize;
    if (oversized)
        bytes.truncate(qcf::kMaxFileSize);

    const qcf::ReadResult result = qcf::parse(bytes);
    if (!result.config) {
        if (oversized && result.error == qcf::ReadError::EndsEarly)
            return fail(QStringLiteral("THE FILE IS TOO LARGE TO BE A CONFIGURATION FILE"));
        return fail(qcf::describe(result));
    }
    const qcf::Configuration &config = *result.config;
    for (int i = 0; i < qcf::kCodes; ++i) {
        // Codes of 160 and more load as "N/A" and -1 as a module without a channel;
        // below that no channel list has a matching entry.
        if (config.codes[i] < -1)
            return fail(QStringLiteral("FIELD %1 HOLDS THE CODE %2, WHICH IS NOT AN ASSIGNMENT")
                            .arg(codeField(i))
                            .arg(config.codes[i]));
    }

    rec.panel = QString::fromLatin1(config.panel);
    for (int i = 0; i < qcf::kDesignations; ++i)
        rec.items[i].designation = QString::fromLatin1(config.designations[i]);
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
}
