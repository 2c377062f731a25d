#include "app/form1.h"

#include "app/app_icon.h"
#include "app/first_frame.h"
#include "panel/panel_link.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QUndoStack>

static void initResources()
{
    Q_INIT_RESOURCE(resources);
    Q_INIT_RESOURCE(panel_picture); // shared with the configuration sheet
}

Form1::Form1(QWidget *parent) : QWidget(parent)
{
    initResources(); // the picture and icon live in static libraries
    buildControls();
    buildItemMarks();
    Form_Load();
    m_shown = shown();
    buildActions();
    // What the first frame does not need waits until it is on the screen.
    afterFirstFrame(this, [this] {
        window()->setWindowIcon(appIcon());
        readPortsOnce();
        const QSignalBlocker quiet(m_actions.backup); // shows the setting, changes nothing
        m_actions.backup->setChecked(backupBeforeWrite());
    });
}

// The children are destroyed after this body, while the window is no longer a
// Form1: the undo stack signals as it clears itself, and the controls give up
// the keyboard focus as they go. Nothing may reach the window's members then.
Form1::~Form1()
{
    disconnect(qApp, nullptr, this, nullptr);
    if (m_undo)
        m_undo->disconnect(this);
}

QLineEdit *Form1::designationBox(int item) const
{
    const int box = assignment::item(item).designationBox;
    return box ? m_textBoxes.at(box) : nullptr;
}

// Closing the window during a panel command stops the transfer and closes the
// port; the command then returns on its own.
void Form1::stopTransfer()
{
    if (m_busy)
        m_link->abort();
}

void Form1::closeEvent(QCloseEvent *event)
{
    stopTransfer();
    event->accept();
}
