#include "panel_link.h"

#include "link_port.h"
#include "network_port.h"
#include "port_address.h"
#include "port_platform.h"
#include "protocol.h"
#include "traffic_log.h"

#include <QTimer>

#include <utility>

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
      m_replyDeadline(new QTimer(this)), m_quiet(new QTimer(this)), m_limit(new QTimer(this)),
      m_done(new QTimer(this)), m_takeIn(new QTimer(this))
{
    for (QTimer *timer : {m_replyDeadline, m_quiet, m_limit, m_done, m_takeIn}) {
        timer->setSingleShot(true);
        timer->setTimerType(Qt::PreciseTimer);
    }
    m_done->setInterval(0);
    m_takeIn->setInterval(0);
    connect(m_takeIn, &QTimer::timeout, this, [this] {
        if (m_phase == Phase::Waiting && !m_lengthened)
            phaseEnded();
    });
    // Disabled, 500 ms until the first wait sets it to 100 ms; precise, since the
    // pauses are timed to the protocol.
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(500);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &PanelLink::onTick);
    connect(m_replyDeadline, &QTimer::timeout, this, [this] {
        if (m_phase == Phase::Waiting && m_lengthened)
            phaseEnded();
    });
    connect(m_quiet, &QTimer::timeout, this, [this] {
        if (m_phase == Phase::Settling)
            phaseEnded();
    });
    connect(m_limit, &QTimer::timeout, this, [this] {
        if (m_phase == Phase::Settling) {
            phaseEnded();
        } else if (m_phase == Phase::Sending) {
            // A port that takes nothing for kSendLimitMs has stalled (a device
            // server that stopped reading): it is given up as lost.
            if (isOpen() && m_port->bytesToWrite() > 0)
                m_port->giveUp(m_port->isNetwork() ? portfailure::Reason::ServerStoppedReading
                                                   : portfailure::Reason::PortStoppedSending);
            if (m_phase == Phase::Sending)
                phaseEnded();
        }
    });
    connect(m_done, &QTimer::timeout, this, [this] {
        m_step = Step::None;
        emit stepDone();
    });
}

PanelLink::~PanelLink()
{
    // Whatever runs ends here: nothing is told of it any more.
    m_done->stop();
    closePort();
    if (m_port)
        m_port->disconnect(this);
}

void PanelLink::usePort(std::unique_ptr<LinkPort> port) { m_given = std::move(port); }

void PanelLink::beginStep(Step step)
{
    m_done->stop();
    m_step = step;
    m_phase = Phase::Idle;
}

void PanelLink::endStep()
{
    m_phase = Phase::Idle;
    m_replyDeadline->stop();
    m_quiet->stop();
    m_limit->stop();
    m_takeIn->stop();
    m_done->start();
}

void PanelLink::phaseEnded()
{
    const Phase phase = std::exchange(m_phase, Phase::Idle);
    m_replyDeadline->stop();
    m_quiet->stop();
    m_limit->stop();
    m_takeIn->stop();
    switch (phase) {
    case Phase::Idle:
        return;
    case Phase::Connecting:
        return onOpened();
    case Phase::Settling:
        return settled();
    case Phase::Sending:
        return afterSent();
    case Phase::Waiting:
        return afterWait();
    }
}

void PanelLink::startOpen()
{
    if (m_port)
        m_port->disconnect(this);
    closePort();
    beginStep(Step::Open);
    m_aborted = false;
    m_lost = false;
    m_openFailure.reset();
    m_port = m_given ? std::move(m_given) : portFor(m_portName);
    if (!m_port) {
        m_openFailure = portaddress::openFailure(portaddress::parse(m_portName));
        return onOpened();
    }
    connect(m_port.get(), &LinkPort::openEnded, this, [this] {
        if (m_phase == Phase::Connecting)
            phaseEnded();
    });
    m_phase = Phase::Connecting;
    m_port->open(); // a serial device tells at once, a connection when made
}

void PanelLink::onOpened()
{
    if (m_port && !m_openFailure)
        m_openFailure = m_port->openFailure();
    if (m_aborted && !m_openFailure && m_port)
        m_port->close();
    if (m_openFailure) {
        if (m_log)
            m_log->event(QStringLiteral("OPEN FAILED %1: %2")
                             .arg(m_portName, portfailure::english(*m_openFailure)));
        return endStep();
    }
    if (!isOpen()) // aborted while connecting
        return endStep();
    connect(m_port.get(), &LinkPort::lost, this, &PanelLink::onPortLost);
    connect(m_port.get(), &LinkPort::readyRead, this, &PanelLink::onReadyRead);
    connect(m_port.get(), &LinkPort::bytesWritten, this, &PanelLink::onBytesWritten);
    m_owed = 0;
    m_owing.clear();
    m_roundTripMs = -1;
    m_roundTripVarMs = 0;
    if (m_log)
        m_log->event(QStringLiteral("OPEN %1").arg(m_port->openedText()));
    endStep();
}

void PanelLink::closePort()
{
    if (isOpen()) {
        if (m_log) {
            if (const QByteArray rest = m_port->readAll(); !rest.isEmpty())
                m_log->dropped(rest);
            m_log->event(QStringLiteral("CLOSE %1").arg(m_portName));
        }
        m_port->close();
    } else if (m_port && m_phase == Phase::Connecting) {
        m_port->close(); // a connection still being made
    }
    // A wait in progress ends now: nothing is left to wait for.
    if (m_phase != Phase::Idle)
        phaseEnded();
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
        return afterSettle();
    m_since.start();
    m_settleWaited = m_port->bytesAvailable() < m_owed;
    if (!m_settleWaited)
        return settled();
    m_phase = Phase::Settling;
    m_quiet->start(qMax(kQuietMs, 2 * replyWaitMs()));
    m_limit->start(kMaxSettleMs);
}

void PanelLink::settled()
{
    if (!isOpen())
        return afterSettle();
    const QByteArray late = m_port->readAll();
    // A late reply that came while waiting for it tells the round trip too: the
    // next waits follow it.
    if (m_settleWaited && late.size() >= m_owed)
        addRoundTrip(m_handedOver.elapsed());
    if (m_log) {
        if (!late.isEmpty())
            m_log->late(late);
        if (late.size() < m_owed)
            m_log->event(QStringLiteral("NO LATE REPLY WITHIN %1 MS: %2 CHARACTERS TAKEN AS LOST")
                             .arg(m_since.elapsed())
                             .arg(m_owed - late.size()));
    }
    m_owed = 0;
    m_owing.clear();
    afterSettle();
}

void PanelLink::abort()
{
    m_aborted = true;
    closePort();
    if (m_port)
        m_port->close(); // also a connection still being made
    if (m_phase != Phase::Idle)
        phaseEnded();
    // The step ends untold: whoever aborted it goes on from here.
    m_done->stop();
    m_step = Step::None;
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
    m_timer->setInterval(kTickMs);
    m_ticked = false;
    m_timer->start();
}

// Waits until the device (or the system's socket) has taken every byte written;
// goes on at once when it has, the port is gone or the link aborted.
void PanelLink::awaitSent()
{
    if (m_aborted || !isOpen() || m_port->bytesToWrite() == 0)
        return afterSent();
    m_phase = Phase::Sending;
    m_limit->start(kSendLimitMs);
}

void PanelLink::onBytesWritten()
{
    if (m_phase != Phase::Sending)
        return;
    if (!isOpen() || m_port->bytesToWrite() == 0)
        return phaseEnded();
    m_limit->start(kSendLimitMs); // it moves: the limit counts from the last progress
}

void PanelLink::wait(int threshold)
{
    m_threshold = threshold;
    m_lengthened = false;
    if (m_aborted || (threshold > 0 && !isOpen()))
        return afterWait();
    if (threshold > 0 && m_port->bytesAvailable() >= threshold)
        return afterWait();
    // A network port's reply wait may last longer than the period: then its own
    // deadline ends it, not the tick.
    const int replyWait = threshold > 0 ? replyWaitMs() : kTickMs;
    m_lengthened = replyWait > kTickMs;
    if (m_lengthened) {
        m_replyDeadline->start(qMax<qint64>(0, replyWait - m_handedOver.elapsed()));
        if (m_log)
            m_log->event(QStringLiteral("REPLY WAIT %1 MS").arg(replyWait));
    } else if (m_ticked) {
        return afterWait();
    }
    m_phase = Phase::Waiting;
}

void PanelLink::onTick()
{
    m_ticked = true;
    if (m_phase != Phase::Waiting || m_lengthened)
        return;
    // Characters the device already holds arrived before the end, even when a
    // busy machine delivers the timer first: the wait ends after one more pass
    // of the event loop, in which the port's notifier takes them in (a reply
    // that completes there ends it at once).
    if (m_threshold > 0 && isOpen() && m_port->bytesAvailable() < m_threshold)
        return m_takeIn->start();
    if (m_phase == Phase::Waiting)
        phaseEnded();
}

void PanelLink::onReadyRead()
{
    if (!isOpen())
        return;
    if (m_phase == Phase::Waiting) {
        if (m_threshold > 0 && m_port->bytesAvailable() >= m_threshold)
            phaseEnded();
    } else if (m_phase == Phase::Settling) {
        if (m_port->bytesAvailable() >= m_owed)
            phaseEnded();
        else
            m_quiet->start(qMax(kQuietMs, 2 * replyWaitMs())); // silence counts from now
    }
}

void PanelLink::startTick()
{
    beginStep(Step::Tick);
    awaitSent();
}

void PanelLink::startExchange(const QByteArray &message)
{
    beginStep(Step::Exchange);
    m_message = message;
    m_reply.clear();
    // A late reply to the very message sent again (a read frame repeated to
    // confirm its cell) answers the same question, when whole replies are owed
    // (earlier waits that ended with nothing). Before any other message, or after
    // a reply that came short (damaged, or cut), the line falls quiet first.
    if (message != m_owing || m_owed % protocol::kReplyThreshold != 0)
        return settle();
    afterSettle();
}

void PanelLink::startHandshake()
{
    beginStep(Step::Handshake);
    m_answered = false;
    m_attentionSent = 0;
    m_dropped = 0;
    settle(); // what an earlier command on the open port is still owed
}

void PanelLink::afterSettle()
{
    switch (m_step) {
    case Step::Exchange:
        m_owed = qMax<qint64>(0, m_owed - send(m_message)); // what was dropped came, at least
        // What is still owed to the same message comes first, then this frame's own
        // reply: the wait is for both, and the late part is taken off the front.
        m_late = m_owed;
        return awaitSent();
    case Step::Handshake:
        return sendAttention();
    default:
        return endStep();
    }
}

void PanelLink::sendAttention()
{
    m_dropped += send(QByteArray(1, protocol::kAttention));
    awaitSent();
}

void PanelLink::afterSent()
{
    restartTimer();
    switch (m_step) {
    case Step::Tick:
        return wait(0);
    case Step::Exchange:
        m_handedOver.start();
        return wait(int(m_late) + protocol::kReplyThreshold);
    case Step::Handshake:
        m_handedOver.start();
        if (++m_attentionSent == 1)
            m_since.start();
        return wait(protocol::kReplyThreshold);
    default:
        return endStep();
    }
}

void PanelLink::afterWait()
{
    switch (m_step) {
    case Step::Exchange:
        return finishExchange();
    case Step::Handshake:
        if (m_aborted || !isOpen())
            return endStep();
        if (m_port->bytesAvailable() < protocol::kReplyThreshold &&
            m_attentionSent < kMaxAttentionBytes)
            return sendAttention();
        return finishHandshake();
    default:
        return endStep();
    }
}

void PanelLink::finishExchange()
{
    const qint64 roundTrip = m_handedOver.elapsed();
    QByteArray reply = readAll();
    account(reply.size(), protocol::kReplyThreshold, roundTrip);
    m_owing = m_owed > 0 ? m_message : QByteArray();
    // With only the late reply in, it stands for this frame's: the same question.
    if (m_late > 0 && reply.size() > m_late) {
        if (m_log)
            m_log->event(QStringLiteral("THE FIRST %1 CHARACTERS ANSWER THE SAME FRAME SENT BEFORE")
                             .arg(m_late));
        reply.remove(0, m_late);
    }
    if (m_log && reply.size() < protocol::kReplyThreshold && isOpen())
        m_log->event(QStringLiteral("NO WHOLE REPLY WITHIN %1 MS").arg(roundTrip));
    m_reply = reply;
    endStep();
}

void PanelLink::finishHandshake()
{
    // The acknowledgement counts when it was complete by the end of its wait.
    const bool inTime = isOpen() && m_port->bytesAvailable() >= protocol::kReplyThreshold;
    // Every attention byte is answered: those after the first one answered still
    // owe their acknowledgements, which are let in and discarded before the first
    // frame. The time since the first byte is the longest the round trip can be.
    const qint64 roundTrip = m_since.elapsed();
    const QByteArray reply = readAll();
    account(reply.size() + m_dropped, m_attentionSent * protocol::kReplyThreshold, roundTrip);
    m_owing = m_owed > 0 ? QByteArray(1, protocol::kAttention) : QByteArray();
    m_answered = protocol::isAcknowledgement(reply) && inTime;
    endStep();
}

// The device has gone (adapter unplugged) or the connection is lost: the port
// has closed itself; the running wait ends and the command fails from there.
void PanelLink::onPortLost(const QString &why)
{
    m_lost = true;
    if (m_log)
        m_log->event(QStringLiteral("LOST %1: %2").arg(m_portName, why));
    if (m_phase != Phase::Idle && m_phase != Phase::Connecting)
        phaseEnded();
}
