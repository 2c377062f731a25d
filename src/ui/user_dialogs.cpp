#include "user_dialogs.h"

#include "config/settings.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPushButton>
#include <QStandardPaths>

QString UserDialogs::fileDialogFolder()
{
    const QString last = settings::lastFolder();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString UserDialogs::runFileDialog(const FileDialogRequest &request)
{
    if (chooseFile)
        return chooseFile(request);
    QFileDialog dialog(m_owner, request.title);
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
void UserDialogs::showMessageBox(const QString &text, bool isError)
{
    if (showMessage) {
        showMessage(text, isError);
        return;
    }
    QMessageBox box(isError ? QMessageBox::Warning : QMessageBox::NoIcon,
                    QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok, m_owner);
    box.exec();
}

QMessageBox::StandardButton UserDialogs::ask(const QString &text,
                                             QMessageBox::StandardButtons buttons)
{
    if (askQuestion)
        return askQuestion(text, buttons);
    return QMessageBox::question(m_owner, QGuiApplication::applicationDisplayName(), text, buttons);
}

void UserDialogs::askLater(const QString &text, QMessageBox::StandardButtons buttons,
                           QObject *context,
                           std::function<void(QMessageBox::StandardButton)> answered)
{
    if (askQuestion) {
        QMetaObject::invokeMethod(
            context,
            [this, text, buttons, answered = std::move(answered)] {
                answered(askQuestion(text, buttons));
            },
            Qt::QueuedConnection);
        return;
    }
    auto *box = new QMessageBox(QMessageBox::Question, QGuiApplication::applicationDisplayName(),
                                text, buttons, m_owner);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // Closed without a button (Escape) counts as no answer: nothing goes on.
    QObject::connect(box, &QMessageBox::finished, context, [box, answered = std::move(answered)] {
        QAbstractButton *clicked = box->clickedButton();
        answered(clicked ? box->standardButton(clicked) : QMessageBox::NoButton);
    });
    // The command that asked has ended: the question goes with it, unanswered.
    QObject::connect(context, &QObject::destroyed, box, [box] {
        box->disconnect();
        box->hide();
        box->deleteLater();
    });
    box->open();
}
