// The panel commands: read the configuration out of the panel and write it in,
// cell by cell over the serial link, with progress and failures in the status box.

#include "app/form1.h"
#include "panel/memory_map.h"
#include "panel/panel_link.h"
#include "panel/port_choice.h"
#include "panel/protocol.h"

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

const QString kFailedToRespond =
    QStringLiteral("COMMUNICATIONS FAILURE SWITCH PANEL FAILED TO RESPOND");
const QString kBadData = QStringLiteral("COMMUNICATIONS FAILURE-BAD SWITCH PANEL DATA");
const QString kCommunicationsOk = QStringLiteral("COMMUNICATIONS OK");
const QString kCorrupted = QStringLiteral("COMMUNICATIONS CORRUPTED");
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
    m_link->setPortName(selectedPort());
    return m_link->openPort();
}

// Why the port could not be opened, and which other ports the machine has.
void Form1::failPortStatus()
{
    failStatus(m_link->errorText() +
               portchoice::portsFoundText(portchoice::entries(portchoice::availablePorts()),
                                          m_link->portName()));
}

// Writes data_l into cell address_l, then reads the cell back and compares.
void Form1::WriteCell()
{
    rec.error_flag = 0;
    const QByteArray ack = m_link->exchange(protocol::writeFrame(rec.address_l, rec.data_l));
    if (!protocol::isAcknowledgement(ack)) {
        rec.error_flag = 1;
        return;
    }
    const QByteArray reply = m_link->exchange(protocol::readFrame(rec.address_l));
    const protocol::DecodedReply decoded = protocol::decodeReply(reply);
    if (protocol::isCorrupted(decoded)) {
        rec.error_flag = 1;
        setStatus(kCorrupted);
        return;
    }
    if (decoded.status == protocol::ReplyStatus::Value)
        rec.A = decoded.value;
    if (decoded.status == protocol::ReplyStatus::Value && rec.A == rec.data_l) {
        setStatusColor(kYellow);
        setStatus(kCommunicationsOk);
    } else {
        rec.error_flag = 1;
        setStatus(QStringLiteral("DATA FAILED TO VERIFY"));
    }
}

// Reads cell address_l into A and checks that it holds an assignment code.
void Form1::ReadCell()
{
    showStatus();
    rec.error_flag = 0;
    const QByteArray reply = m_link->exchange(protocol::readFrame(rec.address_l));
    rec.temp1 = static_cast<std::int16_t>(qMin<qsizetype>(reply.size(), 32767));
    const protocol::DecodedReply decoded = protocol::decodeReply(reply);
    if (protocol::isCorrupted(decoded)) {
        rec.error_flag = 1;
        setStatus(kCorrupted);
        return;
    }
    if (decoded.status == protocol::ReplyStatus::Value)
        rec.A = decoded.value;
    if (decoded.status != protocol::ReplyStatus::Value || !protocol::isValidCellValue(rec.A)) {
        rec.error_flag = 1;
        setStatus(QStringLiteral("ERROR - DATA OUT OF RANGE"));
    } else {
        setStatus(kCommunicationsOk);
    }
}

// The exchange both panel commands share once the port is open: the handshake,
// then one transaction per cell in ascending address order with a pause before
// each, stopping at the first cell that fails; after the last cell one more pause
// and the green end text.
void Form1::transferCells(const std::function<void(int address)> &transaction,
                          const QString &doneText)
{
    if (!m_link->handshake()) {
        failStatus(kFailedToRespond);
        return;
    }
    portchoice::rememberPort(m_link->portName()); // the next run starts on this port
    for (int n = 0; n < memory_map::kCellCount; ++n) {
        m_link->waitTick();
        rec.address_l = static_cast<std::int16_t>(n);
        transaction(n);
        if (rec.error_flag == 1) {
            failStatus(kBadData);
            return;
        }
    }
    m_link->waitTick();
    setStatusColor(kGreen);
    setStatus(doneText);
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
        failPortStatus();
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
            QStringLiteral("SWITCH PANEL DATA READ SUCCESSFUL"));
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
        failStatus(
            QStringLiteral("DATA MUST BE ENTERED (CLICKED) FOR ALL SWITCHES BEFORE WRITING DATA"));
    } else if (rec.error_flag == 2) {
        showStatus();
        failStatus(QStringLiteral(
            "DATA MUST BE ENTERED (CLICKED) FOR ALL LED'S AND BACKLIGHTING BEFORE WRITING DATA"));
    } else if (!opened) {
        failPortStatus();
    } else {
        transferCells(
            [this](int n) {
                rec.data_l = rec.output(memory_map::itemAt(n));
                WriteCell();
            },
            QStringLiteral("SWITCH PANEL HAS BEEN PROGRAMMED"));
    }

    m_link->closePort();
}
