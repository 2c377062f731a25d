// The panel commands: read the configuration out of the panel and write it in,
// cell by cell over the serial link, with progress and failures in the status box.

#include "app/form1.h"
#include "panel/cell_walk.h"
#include "panel/memory_map.h"
#include "panel/panel_link.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>

namespace {
const QColor kYellow(255, 255, 0);
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);
} // namespace

// While a panel command runs, the command buttons are disabled so that no second
// command opens the port again; the lists stay usable. The keyboard focus waits on
// the window meanwhile: left on a disabled button, Qt would pass it on to the next
// control, an assignment list, where the next key press would change a selection.
class Form1::PanelCommand
{
public:
    explicit PanelCommand(Form1 *window) : m_window(window), m_focus(window->focusWidget())
    {
        m_window->m_busy = true;
        if (m_focus)
            m_window->setFocus();
        m_window->setCommandsEnabled(false);
    }
    ~PanelCommand()
    {
        m_window->setCommandsEnabled(true);
        m_window->m_busy = false;
        if (m_focus && m_window->focusWidget() == m_window && m_focus->isEnabled() &&
            m_focus->isVisible())
            m_focus->setFocus();
    }

private:
    Form1 *m_window;
    QPointer<QWidget> m_focus;
};

void Form1::Timer1_Timer() { rec.timer_flag = 1; }

void Form1::setStatus(const QString &text)
{
    m_status->setPlainText(text);
    QTextCursor cursor(m_status->document());
    cursor.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.mergeBlockFormat(centred);
}

void Form1::setStatusColor(const QColor &color)
{
    QPalette pal = m_status->palette();
    pal.setColor(QPalette::Base, color);
    m_status->setPalette(pal);
}

void Form1::showStatus() { m_status->show(); }

void Form1::failStatus(const QString &text)
{
    setStatusColor(kRed);
    setStatus(text);
}

void Form1::setCommandsEnabled(bool enabled)
{
    for (QPushButton *b : m_commandButtons)
        b->setEnabled(enabled);
    m_portCombo->setEnabled(enabled);
}

// OpenPanelPort on the port selected in the window at this moment.
bool Form1::openPanelPort()
{
    readPortsOnce(); // a command that comes before the drop-down is filled
    m_link->setPortName(selectedPort());
    return m_link->openPort();
}

// Writes data_l into cell address_l, then reads the cell back and compares.
void Form1::WriteCell()
{
    rec.error_flag = 0;
    const cellwalk::Cell cell = cellwalk::writeCell(*m_link, rec.address_l, rec.data_l);
    if (cell.hasValue)
        rec.A = cell.value;
    if (cell.result == cellwalk::CellResult::Ok)
        setStatusColor(kYellow);
    else
        rec.error_flag = 1;
    if (cell.result != cellwalk::CellResult::NotAcknowledged) // leaves the text as it was
        setStatus(cellwalk::cellText(cell.result));
}

// Reads cell address_l into A and checks that it holds an assignment code.
void Form1::ReadCell()
{
    showStatus();
    rec.error_flag = 0;
    const cellwalk::Cell cell = cellwalk::readCell(*m_link, rec.address_l);
    rec.temp1 = cell.replyLength;
    if (cell.hasValue)
        rec.A = cell.value;
    if (cell.result != cellwalk::CellResult::Ok)
        rec.error_flag = 1;
    setStatus(cellwalk::cellText(cell.result));
}

// The exchange both panel commands share once the port is open: the handshake,
// then one transaction per cell, stopping at the first that fails; the outcome in
// the status box.
void Form1::transferCells(const std::function<void(int address)> &transaction,
                          const QString &doneText)
{
    const cellwalk::Outcome outcome = cellwalk::walk(*m_link, [&](int n) {
        rec.address_l = static_cast<std::int16_t>(n);
        transaction(n);
        return rec.error_flag != 1;
    });
    if (outcome == cellwalk::Outcome::Done)
        setStatusColor(kGreen);
    else
        setStatusColor(kRed);
    setStatus(cellwalk::outcomeText(outcome, doneText));
}

void Form1::READ_CONFIG_Click()
{
    if (m_busy)
        return;
    PanelCommand command(this);

    setStatusColor(kYellow);
    setStatus(QStringLiteral("STARTING COMMUNICATIONS TO READ SWITCH PANEL CONFIGURATION"));
    showStatus();
    m_textBoxes[2]->clear();

    if (!openPanelPort()) {
        failStatus(m_link->errorText());
    } else {
        transferCells(
            [this](int n) {
                ReadCell();
                const int i = memory_map::itemAt(n);
                // A cell that failed its read is not shown: its value means nothing.
                if (rec.error_flag == 0)
                    LoadItem(i);
                if (QLineEdit *box = designationBox(i)) {
                    box->clear();
                    box->hide();
                }
            },
            cellwalk::kReadSuccessful);
    }

    m_link->closePort();
    rec.config_flag = 1;
    ShowSwitchView();
    rec.config_flag = 0;
}

void Form1::WRITE_CONFIG_Click()
{
    if (m_busy)
        return;
    PanelCommand command(this);

    setStatusColor(kYellow);
    showStatus();
    setStatus(QStringLiteral("STARTING COMMUNICATIONS TO WRITE SWITCH PANEL CONFIGURATION"));

    rec.error_flag = 0;
    CollectAssignments();
    const bool opened = openPanelPort();

    if (rec.error_flag == 1) {
        showStatus();
        failStatus(cellwalk::kIncompleteSwitches);
    } else if (rec.error_flag == 2) {
        showStatus();
        failStatus(cellwalk::kIncompleteLeds);
    } else if (!opened) {
        failStatus(m_link->errorText());
    } else {
        transferCells(
            [this](int n) {
                rec.data_l = rec.output(memory_map::itemAt(n));
                WriteCell();
            },
            cellwalk::kProgrammed);
    }

    m_link->closePort();
}
