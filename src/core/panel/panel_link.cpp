#include "panel_link.h"

#include "link_port.h"
#include "port_address.h"
#include "port_platform.h"
#include "protocol.h"
#include "traffic_log.h"

#include <QEventLoop>
#include <QTimer>

namespace {
constexpr int kTickMs = 100;
constexpr int kMaxAttentionBytes = 6;
} // namespace

PanelLink::PanelLink(QObject *parent)
    : QObject(parent), m_timer(new QTimer(this)), m_portName(defaultPortName())
{
    // Disabled, 500 ms until the first wait sets it to 100 ms; precise, since the
    // pauses are timed to the protocol.
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(500);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, [this] { m_ticked = true; });
}

PanelLink::~PanelLink() { closePort(); }

QString PanelLink::defaultPortName() { return portplatform::firstPort(); }

bool PanelLink::openPort()
{
    m_aborted = false;
    m_lost = false;
    m_errorText.clear();
    m_port = LinkPort::create(m_portName);
    if (!m_port)
        m_errorText = portaddress::problemText(portaddress::parse(m_portName));
    else
        m_errorText = m_port->open();
    if (!m_errorText.isEmpty()) {
        if (m_log)
            m_log->event(QStringLiteral("OPEN FAILED %1: %2").arg(m_portName, m_errorText));
        return false;
    }
    connect(m_port.get(), &LinkPort::lost, this, &PanelLink::onPortLost);
    if (m_log)
        m_log->event(QStringLiteral("OPEN %1").arg(m_port->openedText()));
    return true;
}

void PanelLink::closePort()
{
    if (!isOpen())
        return;
    if (m_log) {
        if (const QByteArray rest = m_port->readAll(); !rest.isEmpty())
            m_log->dropped(rest);
        m_log->event(QStringLiteral("CLOSE %1").arg(m_portName));
    }
    m_port->close();
}

bool PanelLink::isOpen() const { return m_port && m_port->isOpen(); }

QString PanelLink::lostText() const { return m_lost && m_port ? m_port->lossText() : QString(); }

void PanelLink::abort()
{
    m_aborted = true;
    closePort();
    if (m_port)
        m_port->close(); // also a connection still being made
    if (m_loop)
        m_loop->quit();
}

void PanelLink::send(const QByteArray &message)
{
    if (!isOpen())
        return;
    // A reply belongs to the frame just sent: whatever is still waiting (a late
    // answer to an earlier message, a stray character on the line) is dropped, so
    // that it cannot become the start of this message's reply.
    if (const QByteArray stale = m_port->dropInput(); m_log && !stale.isEmpty())
        m_log->dropped(stale);
    m_port->write(message);
    if (m_log)
        m_log->sent(message);
}

QByteArray PanelLink::readAll()
{
    if (!isOpen())
        return QByteArray();
    const QByteArray bytes = m_port->readAll();
    if (m_log && !bytes.isEmpty())
        m_log->received(bytes);
    return bytes;
}

void PanelLink::restartTimer()
{
    awaitSent();
    m_timer->setInterval(kTickMs);
    m_ticked = false;
    m_timer->start();
}

// Waits in the event loop until the device (or the system's socket) has taken
// every byte written; at once when it has, the port is gone or the link aborted.
void PanelLink::awaitSent()
{
    if (m_aborted || !isOpen() || m_port->bytesToWrite() == 0)
        return;
    QEventLoop loop;
    m_loop = &loop;
    connect(m_port.get(), &LinkPort::bytesWritten, &loop, [this, &loop] {
        if (m_port->bytesToWrite() == 0)
            loop.quit();
    });
    connect(m_port.get(), &LinkPort::lost, &loop, &QEventLoop::quit);
    loop.exec();
    m_loop = nullptr;
}

void PanelLink::wait(int threshold)
{
    if (m_aborted || (threshold > 0 && !isOpen()))
        return;
    if (threshold > 0 && m_port->bytesAvailable() >= threshold)
        return;
    if (m_ticked)
        return;

    QEventLoop loop;
    m_loop = &loop;
    // The link's own tick handler is connected first, so the flag is set when
    // this runs.
    connect(m_timer, &QTimer::timeout, &loop, [this, &loop, threshold] {
        if (!m_ticked)
            return;
        // Characters the device already holds arrived before the tick, even when a
        // busy machine delivers the tick first: take them in without blocking.
        if (threshold > 0 && isOpen() && m_port->bytesAvailable() < threshold)
            m_port->takeInWaiting();
        loop.quit();
    });
    if (threshold > 0) {
        connect(m_port.get(), &LinkPort::readyRead, &loop, [this, &loop, threshold] {
            if (m_port->bytesAvailable() >= threshold)
                loop.quit();
        });
    }
    loop.exec();
    m_loop = nullptr;
}

void PanelLink::waitTick()
{
    restartTimer();
    wait(0);
}

QByteArray PanelLink::exchange(const QByteArray &message)
{
    send(message);
    restartTimer();
    wait(protocol::kReplyThreshold);
    return readAll();
}

bool PanelLink::handshake()
{
    const QByteArray attention(1, protocol::kAttention);
    for (int sent = 1; sent <= kMaxAttentionBytes; ++sent) {
        send(attention);
        restartTimer();
        wait(protocol::kReplyThreshold);
        if (m_aborted || !isOpen())
            return false;
        if (m_port->bytesAvailable() >= protocol::kReplyThreshold)
            break;
    }
    // The acknowledgement counts when it was complete by the end of its wait.
    const bool inTime = isOpen() && m_port->bytesAvailable() >= protocol::kReplyThreshold;
    return protocol::isAcknowledgement(readAll()) && inTime;
}

// The device has gone (adapter unplugged) or the connection is lost: the port
// has closed itself; the running wait ends and the command fails from there.
void PanelLink::onPortLost(const QString &why)
{
    m_lost = true;
    if (m_log)
        m_log->event(QStringLiteral("LOST %1: %2").arg(m_portName, why));
    if (m_loop)
        m_loop->quit();
}

QString PanelLink::permissionText(const QString &owner, const QString &group, unsigned mode)
{
    constexpr unsigned kGroupReadWrite = 0060;
    if ((mode & kGroupReadWrite) == kGroupReadWrite)
        return QStringLiteral("PERMISSION DENIED: THE USER MUST BE IN GROUP \"%1\"").arg(group);
    return QStringLiteral("PERMISSION DENIED: ONLY ITS OWNER \"%1\" MAY OPEN IT - GIVE THE DEVICE "
                          "TO A GROUP THE USER IS IN WITH A UDEV RULE (GROUP \"dialout\", MODE "
                          "0660), OR ASK AN ADMINISTRATOR")
        .arg(owner);
}

QString PanelLink::openErrorText(const QString &portName, QSerialPort::SerialPortError error,
                                 const QString &systemText)
{
    return QStringLiteral("CANNOT OPEN SERIAL PORT %1 - ").arg(portName) +
           portplatform::openFailureReason(portName, error, systemText);
}
