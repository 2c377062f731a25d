#include "link_port.h"

#include "panel/port_choice.h"
#include "panel/port_platform.h"

SerialLinkPort::SerialLinkPort(const QString &device, QObject *parent)
    : LinkPort(parent), m_port(new QSerialPort(this)), m_device(device)
{
    m_port->setObjectName(QStringLiteral("MSComm1"));
    m_port->setPortName(device);
    m_port->setReadBufferSize(1024);
    connect(m_port, &QSerialPort::errorOccurred, this, &SerialLinkPort::onError);
    connect(m_port, &QSerialPort::readyRead, this, &LinkPort::readyRead);
    connect(m_port, &QSerialPort::bytesWritten, this, &LinkPort::bytesWritten);
}

void SerialLinkPort::open()
{
    m_openFailure.reset();
    m_port->setBaudRate(QSerialPort::Baud9600);
    m_port->setParity(QSerialPort::NoParity);
    m_port->setDataBits(QSerialPort::Data8);
    m_port->setStopBits(QSerialPort::OneStop);
    m_port->setFlowControl(QSerialPort::NoFlowControl);
    if (!m_port->open(QIODevice::ReadWrite)) {
        // Which other ports the machine has, so that the user sees what to choose.
        // The port is named as the user gave it: Qt's own name of a device under
        // /dev leaves that folder out ("pts/0", "ttyUSB0").
        const QString name = portplatform::typedName(m_device);
        portfailure::OpenFailure failure =
            portplatform::openFailure(name, m_port->error(), m_port->errorString());
        failure.portsFound =
            portchoice::otherPorts(portchoice::entries(portchoice::availablePorts()), name);
        m_openFailure = std::move(failure);
    } else {
        m_port->clear(); // drop whatever the device held from before
        m_loss.reset();
    }
    emit openEnded();
}

void SerialLinkPort::close() { m_port->close(); }

bool SerialLinkPort::isOpen() const { return m_port->isOpen(); }

QString SerialLinkPort::openedText() const
{
    return QStringLiteral("%1 9600 8N1").arg(m_port->portName());
}

qint64 SerialLinkPort::bytesAvailable() const { return m_port->bytesAvailable(); }

QByteArray SerialLinkPort::readAll() { return m_port->readAll(); }

void SerialLinkPort::write(const QByteArray &bytes)
{
    m_port->write(bytes);
    m_port->flush(); // hand the bytes to the device now, without blocking
}

QByteArray SerialLinkPort::dropInput()
{
    const QByteArray read = m_port->readAll();
    m_port->clear(QSerialPort::Input); // and what the driver holds
    return read;
}

void SerialLinkPort::onError(QSerialPort::SerialPortError error)
{
    if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError)
        return;
    if (!m_port->isOpen())
        return; // failures of open() itself are reported by open()
    // The device has gone (adapter unplugged) or cannot be read or written: close
    // it at once, since a vanished device keeps raising errors.
    lose(m_port->errorString(), std::nullopt);
}

void SerialLinkPort::giveUp(portfailure::Reason reason)
{
    const portfailure::Why why{reason};
    if (m_port->isOpen())
        lose(portfailure::english(why), why);
}

void SerialLinkPort::lose(const QString &why, std::optional<portfailure::Why> reason)
{
    m_loss = portfailure::Loss{false, m_device, std::move(reason)};
    m_port->close();
    emit lost(why);
}
