#include "network_port.h"

#include "panel/port_platform.h"

#include <QTcpSocket>
#include <QTimer>

#include <utility>

namespace {

portfailure::Why reasonOf(QAbstractSocket::SocketError error, const QString &systemText)
{
    using portfailure::Reason;
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        return {Reason::ConnectionRefused};
    case QAbstractSocket::HostNotFoundError:
        return {Reason::HostNotFound};
    case QAbstractSocket::RemoteHostClosedError:
        return {Reason::ServerClosed};
    case QAbstractSocket::NetworkError:
        if (systemText.contains(QLatin1String("reset"), Qt::CaseInsensitive))
            return {Reason::Reset};
        return {Reason::Described, 0, systemText.toUpper()};
    case QAbstractSocket::SocketTimeoutError:
        return {Reason::NoAnswer, NetworkLinkPort::kConnectTimeoutMs / 1000};
    default:
        return {Reason::Described, 0, systemText.toUpper()};
    }
}

} // namespace

NetworkLinkPort::NetworkLinkPort(const portaddress::Address &address, QObject *parent)
    : LinkPort(parent), m_address(address), m_connectLimit(new QTimer(this))
{
    m_connectLimit->setSingleShot(true);
    connect(m_connectLimit, &QTimer::timeout, this, [this] { endConnecting(true); });
}

NetworkLinkPort::~NetworkLinkPort() { close(); }

portfailure::OpenFailure NetworkLinkPort::connectFailure(const QString &hostAndPort,
                                                         const portfailure::Why &why)
{
    portfailure::OpenFailure failure;
    failure.kind = portfailure::OpenFailure::Kind::Connection;
    failure.port = hostAndPort;
    failure.why = why;
    return failure;
}

QString NetworkLinkPort::shownAddress() const
{
    // A host name may be 253 characters: its start and its port say enough.
    constexpr qsizetype kLongest = 48;
    if (m_address.host.size() <= kLongest)
        return m_address.hostAndPort();
    return QStringLiteral("%1...:%2").arg(m_address.host.left(kLongest - 3)).arg(m_address.port);
}

QString NetworkLinkPort::openedText() const
{
    return m_telnet ? m_address.text + QStringLiteral(" 9600 8N1") : m_address.text;
}

void NetworkLinkPort::open()
{
    close();
    m_loss.reset();
    m_connectError.reset();
    m_openFailure.reset();
    m_received.clear();
    if (m_address.kind == portaddress::Kind::Rfc2217)
        m_telnet.emplace();
    else
        m_telnet.reset();
    m_socket = new QTcpSocket(this);
    // What Qt keeps unread is bounded too; onReadyRead takes it all each time.
    m_socket->setReadBufferSize(kMaxWaiting);
    connect(m_socket, &QTcpSocket::readyRead, this, &NetworkLinkPort::onReadyRead);
    connect(m_socket, &QTcpSocket::bytesWritten, this, &LinkPort::bytesWritten);
    connect(m_socket, &QAbstractSocket::errorOccurred, this, &NetworkLinkPort::onError);
    connect(m_socket, &QAbstractSocket::disconnected, this,
            [this] { onError(QAbstractSocket::RemoteHostClosedError); });
    connect(m_socket, &QAbstractSocket::connected, this, [this] {
        // The panel's messages are a few bytes each: out at once, not gathered.
        m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        m_watch = portplatform::watchSocket(m_socket->socketDescriptor());
        if (!m_telnet)
            return endConnecting();
        m_socket->write(m_telnet->takeOutgoing());
        m_socket->flush();
    });
    m_connecting = true;
    m_connectLimit->start(kConnectTimeoutMs);
    m_socket->connectToHost(m_address.host, m_address.port);
    if (m_connecting && (m_connectError || !m_socket)) // a failure may be told at once
        endConnecting();
}

void NetworkLinkPort::endConnecting(bool timedOut)
{
    if (!m_connecting)
        return;
    m_connecting = false;
    m_connectLimit->stop();
    if (const std::optional<portfailure::Why> why = connectProblem(timedOut)) {
        dropSocket();
        m_openFailure = connectFailure(shownAddress(), *why);
    } else {
        m_open = true;
        m_received.clear(); // anything before the port was open is not the panel's answer
    }
    emit openEnded();
}

std::optional<portfailure::Why> NetworkLinkPort::connectProblem(bool timedOut) const
{
    using portfailure::Reason;
    if (m_connectError)
        return m_connectError;
    if (!m_socket || m_socket->state() != QAbstractSocket::ConnectedState)
        return timedOut ? reasonOf(QAbstractSocket::SocketTimeoutError, QString())
                        : portfailure::Why{Reason::Closed};
    if (m_telnet && m_telnet->state() != rfc2217::Client::State::Ready) {
        if (const std::optional<Reason> refused = m_telnet->problem())
            return portfailure::Why{*refused};
        return portfailure::Why{Reason::NoTelnetAnswer, kConnectTimeoutMs / 1000};
    }
    return std::nullopt;
}

void NetworkLinkPort::close()
{
    dropSocket();
    endConnecting(); // a connection still being made fails as closed
}

void NetworkLinkPort::dropSocket()
{
    m_open = false;
    portplatform::unwatchSocket(std::exchange(m_watch, -1));
    QTcpSocket *socket = std::exchange(m_socket, nullptr);
    if (!socket)
        return;
    socket->disconnect(this);
    if (socket->state() == QAbstractSocket::ConnectedState) {
        socket->flush();
        socket->disconnectFromHost(); // at once when everything has been written
    }
    if (socket->state() != QAbstractSocket::UnconnectedState)
        socket->abort();
    socket->deleteLater(); // may be inside one of its own signals
}

void NetworkLinkPort::onReadyRead()
{
    if (!m_socket)
        return;
    QByteArray data = m_socket->readAll();
    if (m_telnet) {
        data = m_telnet->receive(data);
        if (m_telnet->optionBytes() > kMaxOptionBytes)
            return lose({portfailure::Reason::OptionFlood, int(m_telnet->optionBytes() / 1024)});
        if (const QByteArray answers = m_telnet->takeOutgoing(); !answers.isEmpty()) {
            m_socket->write(answers);
            m_socket->flush();
        }
        if (m_connecting && m_telnet->state() != rfc2217::Client::State::Negotiating)
            endConnecting();
    }
    if (data.isEmpty())
        return;
    if (m_received.size() + data.size() > kMaxWaiting)
        return lose({portfailure::Reason::TooMuchData, int(kMaxWaiting / 1024)});
    m_received += data;
    emit readyRead();
}

void NetworkLinkPort::giveUp(portfailure::Reason reason)
{
    if (m_open)
        lose({reason});
}

// The connection cannot be used (any more): while connecting, that is why it
// could not be made; once open, it is lost, and the running command fails.
void NetworkLinkPort::lose(const portfailure::Why &reason)
{
    if (!m_open) {
        if (!m_connectError)
            m_connectError = reason;
        dropSocket();
        endConnecting();
        return;
    }
    m_loss = portfailure::Loss{true, shownAddress(), reason};
    dropSocket();
    emit lost(portfailure::english(reason));
}

void NetworkLinkPort::onError(QAbstractSocket::SocketError error)
{
    // A time-out is no failure of the connection (nothing here waits for one).
    if (error == QAbstractSocket::SocketTimeoutError || !m_socket)
        return;
    // Qt reports a reset connection as closed by the server: the system tells
    // them apart.
    const portfailure::Why reason =
        error == QAbstractSocket::RemoteHostClosedError && portplatform::wasReset(m_watch)
            ? portfailure::Why{portfailure::Reason::Reset}
            : reasonOf(error, m_socket->errorString());
    if (!m_open) {
        if (!m_connectError)
            m_connectError = reason;
        endConnecting();
        return;
    }
    lose(reason);
}

QByteArray NetworkLinkPort::readAll() { return std::exchange(m_received, QByteArray()); }

void NetworkLinkPort::write(const QByteArray &bytes)
{
    if (!m_open)
        return;
    m_socket->write(m_telnet ? m_telnet->encode(bytes) : bytes);
    m_socket->flush(); // hand the bytes to the system now, without blocking
}

qint64 NetworkLinkPort::bytesToWrite() const { return m_socket ? m_socket->bytesToWrite() : 0; }

QByteArray NetworkLinkPort::dropInput()
{
    // Only what has been read in is dropped: the link lets the line fall quiet
    // before a new message, so what the system may still hold is a late reply to
    // the very message sent again, which answers it as well.
    return readAll();
}
