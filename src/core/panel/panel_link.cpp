#include "panel_link.h"

#include "link_port.h"
#include "network_port.h"
#include "port_address.h"
#include "port_platform.h"
#include "protocol.h"
#include "traffic_log.h"

#include <QEventLoop>
#include <QTimer>

namespace {
constexpr int kTickMs = 100;
constexpr int kMaxAttentionBytes = 6;
// How long the line must stay silent before characters still owed by earlier
// messages count as lost (at least; a network port's round trip may ask more).
constexpr int kQuietMs = 300;
// The longest a network port's reply wait grows to, and the longest the line
// may keep talking before the link sends again all the same.
constexpr int kMaxReplyWaitMs = 5000;
constexpr int kMaxSettleMs = 10000;

// The port for `name` as given by the user: a device path, tcp://HOST:PORT or
// rfc2217://HOST:PORT. A malformed network address gives no port (the link
// refuses it before anything is sent).
std::unique_ptr<LinkPort> portFor(const QString &name)
{
    const portaddress::Address address = portaddress::parse(name);
    if (!address.isNetwork())
        return std::make_unique<SerialLinkPort>(name);
    if (!address.isUsable())
        return nullptr;
    return std::make_unique<NetworkLinkPort>(address);
}
} // namespace

PanelLink::PanelLink(QObject *parent)
    : QObject(parent), m_timer(new QTimer(this)), m_portName(portplatform::firstPort()),
      m_replyDeadline(new QTimer(this))
{
    m_replyDeadline->setSingleShot(true);
    m_replyDeadline->setTimerType(Qt::PreciseTimer);
    // Disabled, 500 ms until the first wait sets it to 100 ms; precise, since the
    // pauses are timed to the protocol.
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(500);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, [this] { m_ticked = true; });
}

PanelLink::~PanelLink() { closePort(); }

bool PanelLink::openPort()
{
    m_aborted = false;
    m_lost = false;
    m_port = portFor(m_portName);
    if (!m_port)
        m_openFailure = portaddress::openFailure(portaddress::parse(m_portName));
    else
        m_openFailure = m_port->open();
    if (m_openFailure) {
        if (m_log)
            m_log->event(QStringLiteral("OPEN FAILED %1: %2")
                             .arg(m_portName, portfailure::english(*m_openFailure)));
        return false;
    }
    connect(m_port.get(), &LinkPort::lost, this, &PanelLink::onPortLost);
    m_owed = 0;
    m_owing.clear();
    m_roundTripMs = -1;
    m_roundTripVarMs = 0;
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

std::optional<portfailure::Loss> PanelLink::loss() const
{
    return m_lost && m_port ? m_port->loss() : std::nullopt;
}

int PanelLink::replyWaitMs() const
{
    if (m_roundTripMs < 0) // a serial line, or nothing measured yet
        return kTickMs;
    // The smoothed round trip and room for its swings, as TCP reckons its
    // retransmission time-out, with at least half the round trip to spare.
    const qint64 spare = qMax(4 * m_roundTripVarMs, m_roundTripMs / 2 + 20);
    return int(qBound(qint64(kTickMs), m_roundTripMs + spare, qint64(kMaxReplyWaitMs)));
}

void PanelLink::addRoundTrip(qint64 ms)
{
    if (!m_port || !m_port->isNetwork() || ms < 0)
        return;
    if (m_roundTripMs < 0) {
        m_roundTripMs = ms;
        m_roundTripVarMs = ms / 2;
    } else {
        m_roundTripVarMs = (3 * m_roundTripVarMs + qAbs(m_roundTripMs - ms)) / 4;
        m_roundTripMs = (7 * m_roundTripMs + ms) / 8;
    }
}

void PanelLink::account(qsizetype received, int expected, qint64 roundTripMs)
{
    // Characters beyond a whole reply are noise, dropped before the next send;
    // a shortfall is what the line still owes.
    m_owed = qMax<qint64>(0, m_owed + expected - received);
    if (received >= protocol::kReplyThreshold)
        addRoundTrip(roundTripMs);
}

// Waits until the characters owed by earlier messages have come, or the line has
// been silent for the quiet time, and discards what came: a late reply is never
// read as the reply to the message sent next.
void PanelLink::settle()
{
    if (m_owed <= 0 || m_aborted || !isOpen())
        return;
    const int quietMs = qMax(kQuietMs, 2 * replyWaitMs());
    QElapsedTimer since;
    since.start();
    QTimer quiet;
    quiet.setSingleShot(true);
    quiet.setTimerType(Qt::PreciseTimer);
    QTimer limit;
    limit.setSingleShot(true);
    QEventLoop loop;
    m_loop = &loop;
    connect(&quiet, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(m_port.get(), &LinkPort::readyRead, &loop, [&] {
        if (m_port->bytesAvailable() >= m_owed)
            loop.quit();
        else
            quiet.start(quietMs); // still talking: silence counts from now
    });
    const bool waited = m_port->bytesAvailable() < m_owed;
    if (waited) {
        quiet.start(quietMs);
        limit.start(kMaxSettleMs);
        loop.exec();
    }
    m_loop = nullptr;
    if (!isOpen())
        return;
    const QByteArray late = m_port->readAll();
    // A late reply that came while waiting for it tells the round trip too: the
    // next waits follow it.
    if (waited && late.size() >= m_owed)
        addRoundTrip(m_handedOver.elapsed());
    if (m_log) {
        if (!late.isEmpty())
            m_log->late(late);
        if (late.size() < m_owed)
            m_log->event(QStringLiteral("NO LATE REPLY WITHIN %1 MS: %2 CHARACTERS TAKEN AS LOST")
                             .arg(since.elapsed())
                             .arg(m_owed - late.size()));
    }
    m_owed = 0;
    m_owing.clear();
}

void PanelLink::abort()
{
    m_aborted = true;
    closePort();
    if (m_port)
        m_port->close(); // also a connection still being made
    if (m_loop)
        m_loop->quit();
}

qsizetype PanelLink::send(const QByteArray &message)
{
    if (!isOpen())
        return 0;
    // A reply belongs to the frame just sent: whatever is still waiting (a late
    // answer to an earlier message, a stray character on the line) is dropped, so
    // that it cannot become the start of this message's reply.
    const QByteArray stale = m_port->dropInput();
    if (m_log && !stale.isEmpty())
        m_log->dropped(stale);
    m_port->write(message);
    if (m_log)
        m_log->sent(message);
    return stale.size();
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
// A port that takes nothing for kSendLimitMs has stalled (a device server that
// stopped reading): it is given up as lost.
void PanelLink::awaitSent()
{
    if (m_aborted || !isOpen() || m_port->bytesToWrite() == 0)
        return;
    QEventLoop loop;
    m_loop = &loop;
    QTimer limit;
    limit.setSingleShot(true);
    connect(m_port.get(), &LinkPort::bytesWritten, &loop, [this, &loop, &limit] {
        if (m_port->bytesToWrite() == 0)
            loop.quit();
        else
            limit.start(kSendLimitMs); // it moves: the limit counts from the last progress
    });
    connect(m_port.get(), &LinkPort::lost, &loop, &QEventLoop::quit);
    connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    limit.start(kSendLimitMs);
    loop.exec();
    m_loop = nullptr;
    if (!m_aborted && isOpen() && m_port->bytesToWrite() > 0)
        m_port->giveUp(m_port->isNetwork() ? portfailure::Reason::ServerStoppedReading
                                           : portfailure::Reason::PortStoppedSending);
}

void PanelLink::wait(int threshold)
{
    if (m_aborted || (threshold > 0 && !isOpen()))
        return;
    if (threshold > 0 && m_port->bytesAvailable() >= threshold)
        return;
    // A network port's reply wait may last longer than the period: then its own
    // deadline ends it, not the tick.
    const int replyWait = threshold > 0 ? replyWaitMs() : kTickMs;
    const bool lengthened = replyWait > kTickMs;
    if (lengthened) {
        m_replyDeadline->start(qMax<qint64>(0, replyWait - m_handedOver.elapsed()));
        if (m_log)
            m_log->event(QStringLiteral("REPLY WAIT %1 MS").arg(replyWait));
    } else if (m_ticked) {
        return;
    }

    QEventLoop loop;
    m_loop = &loop;
    const auto end = [this, &loop, threshold] {
        // Characters the device already holds arrived before the end, even when a
        // busy machine delivers the timer first: take them in without blocking.
        if (threshold > 0 && isOpen() && m_port->bytesAvailable() < threshold)
            m_port->takeInWaiting();
        loop.quit();
    };
    if (lengthened) {
        connect(m_replyDeadline, &QTimer::timeout, &loop, end);
    } else {
        // The link's own tick handler is connected first, so the flag is set when
        // this runs.
        connect(m_timer, &QTimer::timeout, &loop, [this, end] {
            if (m_ticked)
                end();
        });
    }
    if (threshold > 0) {
        connect(m_port.get(), &LinkPort::readyRead, &loop, [this, &loop, threshold] {
            if (m_port->bytesAvailable() >= threshold)
                loop.quit();
        });
    }
    loop.exec();
    m_loop = nullptr;
    m_replyDeadline->stop();
}

void PanelLink::waitTick()
{
    restartTimer();
    wait(0);
}

QByteArray PanelLink::exchange(const QByteArray &message)
{
    // A late reply to the very message sent again (a read frame repeated to
    // confirm its cell) answers the same question, when whole replies are owed
    // (earlier waits that ended with nothing). Before any other message, or after
    // a reply that came short (damaged, or cut), the line falls quiet first.
    if (message != m_owing || m_owed % protocol::kReplyThreshold != 0)
        settle();
    m_owed = qMax<qint64>(0, m_owed - send(message)); // what was dropped came, at least
    // What is still owed to the same message comes first, then this frame's own
    // reply: the wait is for both, and the late part is taken off the front.
    const qint64 late = m_owed;
    restartTimer();
    m_handedOver.start();
    wait(int(late) + protocol::kReplyThreshold);
    const qint64 roundTrip = m_handedOver.elapsed();
    QByteArray reply = readAll();
    account(reply.size(), protocol::kReplyThreshold, roundTrip);
    m_owing = m_owed > 0 ? message : QByteArray();
    // With only the late reply in, it stands for this frame's: the same question.
    if (late > 0 && reply.size() > late) {
        if (m_log)
            m_log->event(QStringLiteral("THE FIRST %1 CHARACTERS ANSWER THE SAME FRAME SENT BEFORE")
                             .arg(late));
        reply.remove(0, late);
    }
    if (m_log && reply.size() < protocol::kReplyThreshold && isOpen())
        m_log->event(QStringLiteral("NO WHOLE REPLY WITHIN %1 MS").arg(roundTrip));
    return reply;
}

bool PanelLink::handshake()
{
    const QByteArray attention(1, protocol::kAttention);
    settle(); // what an earlier command on the open port is still owed
    QElapsedTimer sinceFirst;
    int sent = 0;
    qsizetype dropped = 0; // parts of answers that came after their wait
    while (sent < kMaxAttentionBytes) {
        dropped += send(attention);
        restartTimer();
        m_handedOver.start();
        if (++sent == 1)
            sinceFirst.start();
        wait(protocol::kReplyThreshold);
        if (m_aborted || !isOpen())
            return false;
        if (m_port->bytesAvailable() >= protocol::kReplyThreshold)
            break;
    }
    // The acknowledgement counts when it was complete by the end of its wait.
    const bool inTime = isOpen() && m_port->bytesAvailable() >= protocol::kReplyThreshold;
    // Every attention byte is answered: those after the first one answered still
    // owe their acknowledgements, which are let in and discarded before the first
    // frame. The time since the first byte is the longest the round trip can be.
    const qint64 roundTrip = sinceFirst.elapsed();
    const QByteArray reply = readAll();
    account(reply.size() + dropped, sent * protocol::kReplyThreshold, roundTrip);
    m_owing = m_owed > 0 ? attention : QByteArray();
    return protocol::isAcknowledgement(reply) && inTime;
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
