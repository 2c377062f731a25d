#pragma once

#include "panel/link_port.h"
#include "panel/port_address.h"
#include "panel/rfc2217.h"

#include <QAbstractSocket>

#include <optional>

class QTimer;
class QTcpSocket;

// The panel's serial line behind a device server: a TCP connection to
// tcp://HOST:PORT that carries the line's bytes as they are (the server set to
// 9600 8N1), or to rfc2217://HOST:PORT, Telnet with Com Port Control, on which
// the line is set to 9600 8N1 before the port counts as open. Connecting goes on
// in the event loop, for at most kConnectTimeoutMs; openEnded() tells its end. Only ever connects;
// never listens.
class NetworkLinkPort : public LinkPort
{
    Q_OBJECT
public:
    static constexpr int kConnectTimeoutMs = 5000;

    explicit NetworkLinkPort(const portaddress::Address &address, QObject *parent = nullptr);
    ~NetworkLinkPort() override;

    void open() override;
    std::optional<portfailure::OpenFailure> openFailure() const override { return m_openFailure; }
    void close() override;
    bool isOpen() const override { return m_open; }
    QString openedText() const override;
    qint64 bytesAvailable() const override { return m_received.size(); }
    QByteArray readAll() override;
    void write(const QByteArray &bytes) override;
    qint64 bytesToWrite() const override;
    QByteArray dropInput() override;
    std::optional<portfailure::Loss> loss() const override { return m_loss; }
    bool isNetwork() const override { return true; }
    void giveUp(portfailure::Reason reason) override;

    // The most of the panel's bytes kept waiting, and of option traffic taken in
    // one connection: a panel answers five characters at a time, so a server
    // that sends more is flooding the line, and is cut off rather than buffered.
    static constexpr qsizetype kMaxWaiting = 64 * 1024;
    static constexpr qsizetype kMaxOptionBytes = 64 * 1024;

    // "CANNOT CONNECT TO 10.0.0.7:4001: CONNECTION REFUSED"
    static portfailure::OpenFailure connectFailure(const QString &hostAndPort,
                                                   const portfailure::Why &why);

private:
    void onReadyRead();
    void onError(QAbstractSocket::SocketError error);
    void dropSocket();
    void lose(const portfailure::Why &reason);
    // The host and port as messages name them, a very long host name shortened.
    QString shownAddress() const;
    // Why the connection, made or not, cannot be used yet; nothing once it can.
    std::optional<portfailure::Why> connectProblem(bool timedOut) const;
    // The connection is made, has failed, or its time is up: the open ends.
    void endConnecting(bool timedOut = false);

    portaddress::Address m_address;
    QTcpSocket *m_socket = nullptr;
    std::optional<rfc2217::Client> m_telnet;
    QByteArray m_received; // the panel's bytes, option traffic taken out
    QTimer *m_connectLimit;
    bool m_connecting = false;
    std::optional<portfailure::OpenFailure> m_openFailure;
    std::optional<portfailure::Why> m_connectError;
    std::optional<portfailure::Loss> m_loss;
    int m_watch = -1; // portplatform::watchSocket: tells a reset from a close
    bool m_open = false;
};
