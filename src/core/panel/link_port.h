#pragma once

#include "panel/port_failure.h"

#include <QByteArray>
#include <QObject>
#include <QSerialPort>
#include <QString>

// The port beneath the panel link: a local serial device, or the panel's serial
// line behind a device server on the network (panel/network_port.h). The link
// sees the same thing through either: bytes of the panel's line in and out, a
// count of the bytes waiting, a signal when more came in, and a signal when the
// port was lost while open.
class LinkPort : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Opens the port at 9600 baud, 8 data bits, no parity, 1 stop bit, without
    // blocking: openEnded() tells when it has (a serial device at once, from
    // within the call). Then isOpen(), or openFailure() why it failed, naming the
    // port and the cause.
    virtual void open() = 0;
    virtual std::optional<portfailure::OpenFailure> openFailure() const = 0;
    // Safe to call when the port is not open.
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // What the log says once the port is open: "/dev/ttyS0 9600 8N1".
    virtual QString openedText() const = 0;

    // Bytes of the panel's line waiting to be read.
    virtual qint64 bytesAvailable() const = 0;
    virtual QByteArray readAll() = 0;
    // Hands `bytes` to the device at once, without blocking.
    virtual void write(const QByteArray &bytes) = 0;
    // Bytes written but not yet handed to the device (or the system's socket).
    virtual qint64 bytesToWrite() const = 0;
    // Drops everything received so far; returns what of it had been read in.
    virtual QByteArray dropInput() = 0;

    // Once lost: the port and the cause, for the end of a command's failure
    // text: "SERIAL PORT /dev/ttyUSB0 LOST", "CONNECTION TO 10.0.0.7:4001 LOST:
    // THE CONNECTION WAS RESET".
    virtual std::optional<portfailure::Loss> loss() const = 0;
    // Whether the port is a device server's on the network, whose round trip may
    // be longer than the panel's pauses.
    virtual bool isNetwork() const { return false; }
    // Closes the port as lost for `reason`, which the loss then names: a port
    // that stopped taking the bytes written.
    virtual void giveUp(portfailure::Reason reason) = 0;

signals:
    // The open started last has ended, opened or failed.
    void openEnded();
    void readyRead();
    // Some of the bytes written have been handed to the device.
    void bytesWritten();
    // The port failed while open (a device unplugged, a connection lost) and is
    // closed now; `why` goes to the traffic log.
    void lost(const QString &why);
};

// A local serial device (QSerialPort).
class SerialLinkPort : public LinkPort
{
    Q_OBJECT
public:
    explicit SerialLinkPort(const QString &device, QObject *parent = nullptr);

    void open() override;
    std::optional<portfailure::OpenFailure> openFailure() const override { return m_openFailure; }
    void close() override;
    bool isOpen() const override;
    QString openedText() const override;
    qint64 bytesAvailable() const override;
    QByteArray readAll() override;
    void write(const QByteArray &bytes) override;
    qint64 bytesToWrite() const override { return m_port->bytesToWrite(); }
    QByteArray dropInput() override;
    std::optional<portfailure::Loss> loss() const override { return m_loss; }
    void giveUp(portfailure::Reason reason) override;

private:
    void onError(QSerialPort::SerialPortError error);
    void lose(const QString &why, std::optional<portfailure::Why> reason);

    QSerialPort *m_port;
    QString m_device; // as the user named it
    std::optional<portfailure::Loss> m_loss;
    std::optional<portfailure::OpenFailure> m_openFailure;
};
