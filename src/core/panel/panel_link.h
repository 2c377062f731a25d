#pragma once

#include "panel/port_failure.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <memory>

class LinkPort;
class QTimer;
class TrafficLog;

// The serial link to the switch panel: the port, the attention handshake, and the
// timer-driven waits. The port is a serial device, or the panel's serial line
// behind a device server (tcp://HOST:PORT, rfc2217://HOST:PORT; panel/link_port.h):
// the waits, thresholds and texts are the same on either.
//
// Nothing waits inside a call. Each operation (opening the port, the handshake,
// one pause, one exchange of a frame and its reply) is a step: it is started,
// returns at once, and runs on as the link's timers tick and the port signals;
// stepDone() tells that it has ended, and its result is then read from the link.
// One step runs at a time. Several links in one thread run side by side.
//
// The link owns its interval timer, Timer1 (100 ms, precise): every wait clears
// the tick flag and starts the period once the bytes just sent have been handed
// to the device, so that a busy machine can only lengthen a pause on the wire,
// never shorten it; the tick sets the flag and the wait ends once it is set.
//
// A reply belongs to its frame. The panel answers every message (attention byte,
// write or read frame) with five characters, so the link counts the characters
// still owed by messages whose waits ended without their whole reply; before it
// sends again it lets the line fall quiet: it waits until those characters have
// come, or the line has been silent for a while, and discards them as late
// replies. A reply that comes late can therefore never be taken as the reply to
// a later frame. Over a network port the reply wait follows the link: the round
// trip is measured at the handshake and at every reply, and a wait is lengthened
// beyond the 100 ms only as far as that round trip needs; a serial line keeps
// exactly the designed pauses and bytes. Every wait has a limit.
class PanelLink : public QObject
{
    Q_OBJECT
public:
    // The step running, if any.
    enum class Step { None, Open, Handshake, Tick, Exchange };
    Q_ENUM(Step)

    explicit PanelLink(QObject *parent = nullptr);
    ~PanelLink() override;

    // The port the link opens; at first the platform's first serial port.
    void setPortName(const QString &name) { m_portName = name; }
    // Where the traffic is logged; nullptr (the default) logs nothing.
    void setTrafficLog(TrafficLog *log) { m_log = log; }
    TrafficLog *trafficLog() const { return m_log; }
    QString portName() const { return m_portName; }

    // OpenPanelPort: "9600,N,8,1" on the link's port. A serial device opens at
    // once; a device server's connection is made in the step. Once it has ended,
    // isOpen() tells whether it succeeded, and openFailure() why not (the port, the
    // cause, the other serial ports found); a malformed network address is refused
    // with what is wrong before anything is sent.
    void startOpen();
    // ClosePanelPort. Safe to call when the port is not open. Ends a step running.
    void closePort();
    bool isOpen() const;
    // Why the last open failed; nothing after one that succeeded.
    const std::optional<portfailure::OpenFailure> &openFailure() const { return m_openFailure; }

    // Handshake: up to six attention bytes, one per 100 ms, until five characters
    // are waiting; succeeds (answered()) only on exactly "D000D", complete by the
    // end of its wait (characters the device holds when the tick is handled count
    // as in time).
    void startHandshake();
    bool answered() const { return m_answered; }
    // WaitTick: one timer period of pause.
    void startTick();
    // Sends `message`, waits as AwaitReply does; reply() is then every character
    // that was waiting. Characters received before `message` was sent are dropped.
    void startExchange(const QByteArray &message);
    const QByteArray &reply() const { return m_reply; }

    Step step() const { return m_step; }
    bool isBusy() const { return m_step != Step::None; }

    // Ends a running step at once and closes the port; every later step of the
    // running command then ends at once. Used when the window closes mid-transfer.
    void abort();
    bool isAborted() const { return m_aborted; }
    // True once the port has failed while open (device unplugged, connection lost).
    bool isLost() const { return m_lost; }
    // For a port lost during the command, which and why ("CONNECTION TO
    // 10.0.0.7:4001 LOST: THE DEVICE SERVER CLOSED THE CONNECTION"); else nothing.
    std::optional<portfailure::Loss> loss() const;

    // The longest wait for a reply on this link now: 100 ms on a serial line, or
    // what the measured round trip of a network port needs.
    int replyWaitMs() const;

    // How long the bytes written may take to leave before the port counts as
    // stalled (a device server that stopped reading).
    static constexpr int kSendLimitMs = 10000;

    // The port the next open uses instead of the one the port name gives: a port
    // made by a test. Taken by that open.
    void usePort(std::unique_ptr<LinkPort> port);

signals:
    // The step started last has ended; its result can be read now. Always told
    // from the event loop, never from within the call that started the step.
    void stepDone();

private:
    // Where a step is: what its current wait is for.
    enum class Phase { Idle, Connecting, Settling, Sending, Waiting };

    void beginStep(Step step);
    // Ends the step: stepDone() follows from the event loop.
    void endStep();
    // The current wait has ended; the step goes on from there.
    void phaseEnded();
    void afterSettle();
    void afterSent();
    void afterWait();
    void sendAttention();
    void finishHandshake();
    void finishExchange();
    void onOpened();

    // Sends `message` after dropping what is waiting; returns how much was dropped.
    qsizetype send(const QByteArray &message);
    // Lets late replies arrive and discards them before anything is sent again;
    // afterSettle() follows.
    void settle();
    void settled();
    // Books a wait that ended with `received` characters for messages owing
    // `expected` of them, and a round-trip sample on a network port.
    void account(qsizetype received, int expected, qint64 roundTripMs);
    void addRoundTrip(qint64 ms);
    QByteArray readAll(); // every character waiting, logged as received
    // Waits until the device has taken every byte written; afterSent() follows.
    void awaitSent();
    // Starts the 100 ms period, once what was sent has left.
    void restartTimer();
    // Waits until `threshold` characters are waiting (0: do not look at the port),
    // the period has ticked, or the link breaks; afterWait() follows.
    void wait(int threshold);
    void onReadyRead();
    void onBytesWritten();
    void onTick();
    void onPortLost(const QString &why);

    QTimer *m_timer;                   // Timer1
    bool m_ticked = false;             // timer_flag: the period has ended
    std::unique_ptr<LinkPort> m_port;  // made by startOpen() for the port named
    std::unique_ptr<LinkPort> m_given; // a port to use at the next open
    QString m_portName;
    std::optional<portfailure::OpenFailure> m_openFailure;
    TrafficLog *m_log = nullptr;
    QTimer *m_replyDeadline;     // a network port's lengthened reply wait
    QTimer *m_quiet;             // the line silent long enough while settling
    QTimer *m_limit;             // the longest a settle or a send may take
    QTimer *m_done;              // tells stepDone() from the event loop
    QTimer *m_takeIn;            // a reply wait's end after one more pass of the loop
    QElapsedTimer m_handedOver;  // since the last bytes were handed to the device
    QElapsedTimer m_since;       // since settling began / the first attention byte
    qint64 m_owed = 0;           // characters still owed by earlier messages
    QByteArray m_owing;          // the last message sent, while it is owed a reply
    qint64 m_roundTripMs = -1;   // smoothed round trip of a network port, -1 unknown
    qint64 m_roundTripVarMs = 0; // and its mean deviation
    bool m_aborted = false;
    bool m_lost = false;

    Step m_step = Step::None;
    Phase m_phase = Phase::Idle;
    int m_threshold = 0;       // of the running wait
    bool m_lengthened = false; // the running wait ends at its deadline, not the tick
    bool m_settleWaited = false;
    QByteArray m_message; // the frame of the running exchange
    qint64 m_late = 0;    // characters of it owed to the same frame sent before
    int m_attentionSent = 0;
    qsizetype m_dropped = 0; // parts of answers to attention bytes that came after their wait
    bool m_answered = false;
    QByteArray m_reply;
};
