#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>
#include <functional>

class QObject;
class QWidget;

// What the window's commands ask of the user: a file, a message, a question, the
// item to swap with. Each goes through its hook when one is set, so that tests
// (and scripted use) run without modal dialogs; unset, a dialog asks.
class UserDialogs
{
public:
    explicit UserDialogs(QWidget *owner) : m_owner(owner) {}

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
    // cancelled.
    std::function<int(int item, const QList<int> &choices)> chooseSwapTarget;

    // A modal message (failures with a warning icon) and a question.
    void showMessageBox(const QString &text, bool isError);
    QMessageBox::StandardButton ask(const QString &text, QMessageBox::StandardButtons buttons);
    // The question without waiting for it: `answered` gets the button chosen once the
    // user has chosen, always after the call has returned, and never once `context`
    // is gone (which closes the box). The box is modal to the window.
    void askLater(const QString &text, QMessageBox::StandardButtons buttons, QObject *context,
                  std::function<void(QMessageBox::StandardButton)> answered);
    QString runFileDialog(const FileDialogRequest &request);
    // The folder both file dialogs start in: that of the last file used,
    // remembered between runs, else the user's documents folder; never the folder
    // the program was started from.
    static QString fileDialogFolder();

private:
    QWidget *m_owner;
};
