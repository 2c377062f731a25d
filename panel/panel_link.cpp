#include "panel_link.h"

#include "port_choice.h"
#include "port_platform.h"
#include "protocol.h"
#include "traffic_log.h"

#include <QEventLoop>
#include <QTimer>

namespace {
constexpr int kTickMs = 100;
constexpr int kMaxAttentionBytes = 6;
} // namespace

PanelLink::PanelLink(QTimer *timer, std::int16_t *timerFlag, QObject *parent)
    : QObject(parent), m_timer(timer), m_timerFlag(timerFlag), m_port(new QSerialPort(this)),
      m_portName(defaultPortName())
{
    m_timer->setTimerType(Qt::PreciseTimer); // the 100 ms pauses are timed to the protocol
    m_port->setObjectName(QStringLiteral("MSComm1"));
    m_port->setReadBufferSize(1024);
    connect(m_port, &QSerialPort::errorOccurred, this, &PanelLink::onPortError);
}

PanelLink::~PanelLink() { closePort(); }

QString PanelLink::defaultPortName() { return portplatform::firstPort(); }

bool PanelLink::openPort()
{
    m_aborted = false;
    m_lost = false;
    m_errorText.clear();
    m_port->setPortName(m_portName);
    m_port->setBaudRate(QSerialPort::Baud9600);
    m_port->setParity(QSerialPort::NoParity);
    m_port->setDataBits(QSerialPort::Data8);
    m_port->setStopBits(QSerialPort::OneStop);
    m_port->setFlowControl(QSerialPort::NoFlowControl);
    if (!m_port->open(QIODevice::ReadWrite)) {
        // Which other ports the machine has, so that the user sees what to choose.
        m_errorText = openErrorText(m_portName, m_port->error(), m_port->errorString()) +
                      portchoice::portsFoundText(portchoice::entries(portchoice::availablePorts()),
                                                 m_portName);
        if (m_log)
            m_log->event(QStringLiteral("OPEN FAILED %1: %2").arg(m_portName, m_errorText));
        return false;
    }
    if (m_log)
        m_log->event(QStringLiteral("OPEN %1 9600 8N1").arg(m_portName));
    m_port->clear(); // drop whatever the device held from before
    return true;
}

void PanelLink::closePort()
{
    if (!m_port->isOpen())
        return;
    if (m_log) {
        if (const QByteArray rest = m_port->readAll(); !rest.isEmpty())
            m_log->dropped(rest);
        m_log->event(QStringLiteral("CLOSE %1").arg(m_portName));
    }
    m_port->close();
}

bool PanelLink::isOpen() const { return m_port->isOpen(); }

void PanelLink::abort()
{
    m_aborted = true;
    closePort();
    if (m_loop)
        m_loop->quit();
}

void PanelLink::send(const QByteArray &message)
{
    if (!m_port->isOpen())
        return;
    // A reply belongs to the frame just sent: whatever is still waiting (a late
    // answer to an earlier message, a stray character on the line) is dropped, so
    // that it cannot become the start of this message's reply.
    if (m_log) {
        if (const QByteArray stale = m_port->readAll(); !stale.isEmpty())
            m_log->dropped(stale);
    }
    m_port->clear(QSerialPort::Input);
    m_port->write(message);
    if (m_log)
        m_log->sent(message);
    m_port->flush(); // hand the bytes to the device now, without blocking
}

QByteArray PanelLink::readAll()
{
    if (!m_port->isOpen())
        return QByteArray();
    const QByteArray bytes = m_port->readAll();
    if (m_log && !bytes.isEmpty())
        m_log->received(bytes);
    return bytes;
}

void PanelLink::restartTimer()
{
    m_timer->setInterval(kTickMs);
    *m_timerFlag = 0;
    m_timer->start();
}

void PanelLink::wait(int threshold)
{
    if (m_aborted || (threshold > 0 && !m_port->isOpen()))
        return;
    if (threshold > 0 && m_port->bytesAvailable() >= threshold)
        return;
    if (*m_timerFlag == 1)
        return;

    QEventLoop loop;
    m_loop = &loop;
    // The window's tick handler is connected first, so timer_flag is already 1
    // when this runs.
    connect(m_timer, &QTimer::timeout, &loop, [this, &loop, threshold] {
        if (*m_timerFlag != 1)
            return;
        // Characters the device already holds arrived before the tick, even when a
        // busy machine delivers the tick first: take them in without blocking.
        if (threshold > 0 && m_port->isOpen() && m_port->bytesAvailable() < threshold)
            m_port->waitForReadyRead(0);
        loop.quit();
    });
    if (threshold > 0) {
        connect(m_port, &QSerialPort::readyRead, &loop, [this, &loop, threshold] {
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
        if (m_aborted || !m_port->isOpen())
            return false;
        if (m_port->bytesAvailable() >= protocol::kReplyThreshold)
            break;
    }
    // The acknowledgement counts when it was complete by the end of its wait.
    const bool inTime = m_port->isOpen() && m_port->bytesAvailable() >= protocol::kReplyThreshold;
    return protocol::isAcknowledgement(readAll()) && inTime;
}

void PanelLink::onPortError(QSerialPort::SerialPortError error)
{
    if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError)
        return;
    if (!m_port->isOpen())
        return; // failures of open() itself are reported by openPort()
    // The device has gone (adapter unplugged) or cannot be read or written: close
    // it at once, since a vanished device keeps raising errors, and end the wait.
    m_lost = true;
    if (m_log)
        m_log->event(QStringLiteral("LOST %1: %2").arg(m_portName, m_port->errorString()));
    m_port->close();
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
