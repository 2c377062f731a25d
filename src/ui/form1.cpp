#include "form1.h"

#include "app_icon.h"
#include "config_sheet.h"
#include "first_frame.h"
#include "item_marks.h"
#include "panel/panel_link.h"
#include "panel/panel_transfer.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QUndoStack>

static void initResources()
{
    Q_INIT_RESOURCE(resources);
    Q_INIT_RESOURCE(panel_picture); // shared with the configuration sheet
}

Form1::Form1(QWidget *parent) : QWidget(parent), UserDialogs(this)
{
    initResources(); // the picture and icon live in static libraries
    m_boxesShown.fill(true);
    buildControls();
    buildItemMarks();
    m_files = std::make_unique<FileCommands>(FileCommands::Window{
        this, this, m_model, m_undo, m_status.get(), m_marks, [this] { return isBusy(); },
        [this] { return collectOrSay(statustext::Status::IncompleteLedsOfSave); },
        [this](const qcf::Configuration &config, const QString &text) {
            loadConfiguration(config, text);
        }});
    m_items = std::make_unique<ItemCommands>(
        ItemCommands::Window{this, m_model, this, [this] { return m_currentItem; },
                             [this] { return canEditItem(); }, [this] { return isBusy(); },
                             [this](const ConfigurationState &after, const QString &text) {
                                 pushReplacement(m_model->state(), after, m_boxesShown, text);
                             }});
    m_panel = std::make_unique<PanelCommands>(PanelCommands::Window{
        this, m_link, m_transfer, m_status.get(), m_port.get(), m_marks, m_model, m_undo, this,
        [this](statustext::Status ledText) { return collectOrSay(ledText); },
        [this](const assignment::Codes &codes) { return configuration(codes); },
        [this] { return configurationFile(); }});
    // The controls show the model from the start.
    connect(m_model, &ConfigurationModel::itemChanged, this, &Form1::showModelItem);
    connect(m_model, &ConfigurationModel::panelNameChanged, this, &Form1::showModelPanelName);
    for (int i = 0; i < assignment::kItemCount; ++i) {
        if (m_lists[assignment::item(i).moduleList]) // else shown once built
            showModelItem(i);
    }
    Form_Load();
    connect(m_undo, &QUndoStack::indexChanged, this, &Form1::configurationChanged);
    connect(m_undo, &QUndoStack::cleanChanged, this,
            [this](bool clean) { emit modifiedChanged(!clean); });
    // The buttons and menus follow the transfer: a command runs from the moment
    // it opens the port until it has closed it.
    connect(m_transfer, &PanelTransfer::stateChanged, this, [this] {
        const bool busy = isBusy();
        if (busy == m_busyShown)
            return;
        m_busyShown = busy;
        setCommandsEnabled(!busy);
        emit busyChanged(busy);
    });
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget *, QWidget *now) { setCurrentItem(now); });
    // What the first frame does not need waits until it is on the screen.
    afterFirstFrame(this, [this] {
        buildLightingView();
        window()->setWindowIcon(appIcon());
        m_port->readPortsOnce();
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
    m_transfer->disconnect(this);
    delete std::exchange(m_transfer, nullptr); // before the link it runs on
}

bool Form1::isBusy() const { return m_transfer && m_transfer->isRunning(); }

QLineEdit *Form1::designationBox(int item)
{
    const int box = assignment::item(item).designationBox;
    if (box && !m_textBoxes.at(box))
        buildLightingView();
    return box ? m_textBoxes.at(box) : nullptr;
}

configsheet::Sheet Form1::sheet() const { return m_files->sheet(); }

// Closing the window during a panel command stops the transfer and closes the
// port; the command then ends as the transfer tells it.
void Form1::stopTransfer()
{
    if (m_transfer->isRunning())
        m_transfer->abort();
}

void Form1::closeEvent(QCloseEvent *event)
{
    stopTransfer();
    event->accept();
}
