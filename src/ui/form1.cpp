#include "form1.h"

#include "app_icon.h"
#include "first_frame.h"
#include "panel/panel_link.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
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
    // The model starts as the controls show the configuration; from here on the
    // controls show the model.
    for (int i = 0; i < assignment::kItemCount; ++i)
        m_model->setItem(i, shownItem(i));
    connect(m_model, &ConfigurationModel::itemChanged, this, &Form1::showModelItem);
    connect(m_model, &ConfigurationModel::panelNameChanged, this, &Form1::showModelPanelName);
    connect(m_undo, &QUndoStack::indexChanged, this, &Form1::configurationChanged);
    connect(m_undo, &QUndoStack::cleanChanged, this,
            [this](bool clean) { emit modifiedChanged(!clean); });
    connect(&m_activity, &PanelActivity::busyChanged, this,
            [this](bool busy) { setCommandsEnabled(!busy); });
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget *, QWidget *now) { setCurrentItem(now); });
    // What the first frame does not need waits until it is on the screen.
    afterFirstFrame(this, [this] {
        window()->setWindowIcon(appIcon());
        readPortsOnce();
    });
}

// Nothing may reach the window once its destruction has begun: the undo stack,
// the model and the application's focus changes are cut off before they and the
// controls go.
Form1::~Form1()
{
    disconnect(qApp, nullptr, this, nullptr);
    m_undo->disconnect(this);
    m_model->disconnect(this);
}

QLineEdit *Form1::designationBox(int item) const
{
    const int box = assignment::item(item).designationBox;
    return box ? m_textBoxes.at(box) : nullptr;
}

bool Form1::isModified() const { return !m_undo->isClean(); }

// Closing the window during a panel command stops the transfer and closes the
// port; the command then returns on its own.
void Form1::stopTransfer()
{
    if (isBusy())
        m_link->abort();
}

void Form1::closeEvent(QCloseEvent *event)
{
    stopTransfer();
    event->accept();
}
