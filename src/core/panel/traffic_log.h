#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

// A log of the serial traffic for fault reports: every byte sent and received in
// hex, each port open and close, one line each with a millisecond timestamp:
//   2026-12-08 14:03:07.412 TX 53 00 05 00 17 44
// Lines are appended to the file and flushed one by one by a writer thread of the
// log's own, so a slow disk never holds up a transfer.
class TrafficLog
{
public:
    TrafficLog() = default;
    // A log that writes into `shared` (open, and outliving this one), each line
    // marked with `source` after its time, for links that run side by side:
    //   2026-12-08 14:03:07.412 [ttyUSB1] TX 53 00 05 00 17 44
    TrafficLog(TrafficLog &shared, const QString &source);
    ~TrafficLog();
    TrafficLog(const TrafficLog &) = delete;
    TrafficLog &operator=(const TrafficLog &) = delete;

    // Opens `path` for appending. Returns the reason on failure, empty on success.
    QString open(const QString &path);

    void sent(const QByteArray &bytes) { line("TX", bytes.toHex(' ').toUpper()); }
    void received(const QByteArray &bytes) { line("RX", bytes.toHex(' ').toUpper()); }
    // Received, but dropped unread: arrived after its wait ended, before the next send.
    void dropped(const QByteArray &bytes) { line("RX-DROPPED", bytes.toHex(' ').toUpper()); }
    // A late reply (or what was left of one), let in and discarded before the next send.
    void late(const QByteArray &bytes) { line("RX-LATE", bytes.toHex(' ').toUpper()); }
    void event(const QString &text) { line("PORT", text.toUtf8()); }

    // Once every queued line has been tried: why a line could not be written (a
    // full disk, a file-size limit), the first time this is asked after the
    // failure; empty when nothing failed or the failure was already told. A log
    // that fails never stops a transfer, so the caller tells the user after the
    // command.
    QString takeFailure();
    // The user text for that failure, naming the file.
    QString failureText(const QString &why) const;
    QString fileName() const { return m_file.fileName(); }

private:
    void line(const char *tag, const QByteArray &text);
    void enqueue(QByteArray line);
    void writeLines();

    QFile m_file; // written by the writer thread only, once open
    bool m_open = false;
    TrafficLog *m_shared = nullptr; // the log this one writes into, if any
    QByteArray m_source;            // "[ttyUSB1] ", or empty
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<QByteArray> m_queue;
    bool m_writing = false;
    bool m_stopping = false;
    QString m_failure;
    bool m_failureTold = false;
    std::thread m_writer;
};
