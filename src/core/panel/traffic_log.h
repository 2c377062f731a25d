#pragma once

#include "files/file_problem.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>

// A traffic log that could not be written: its file and why.
struct TrafficLogFailure {
    QString path;
    files::FileProblem why; // the system's words, or WriteFailed
    bool operator==(const TrafficLogFailure &) const = default;
};

// "THE TRAFFIC LOG /tmp/t.log COULD NOT BE WRITTEN (NO SPACE LEFT ON DEVICE); THE
// PANEL COMMAND WENT ON WITHOUT IT"
QString english(const TrafficLogFailure &failure);

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

    // Opens `path` for appending. Returns why it failed, none on success.
    files::FileProblem open(const QString &path);

    void sent(const QByteArray &bytes) { line("TX", bytes.toHex(' ').toUpper()); }
    void received(const QByteArray &bytes) { line("RX", bytes.toHex(' ').toUpper()); }
    // Received, but dropped unread: arrived after its wait ended, before the next send.
    void dropped(const QByteArray &bytes) { line("RX-DROPPED", bytes.toHex(' ').toUpper()); }
    // A late reply (or what was left of one), let in and discarded before the next send.
    void late(const QByteArray &bytes) { line("RX-LATE", bytes.toHex(' ').toUpper()); }
    void event(const QString &text) { line("PORT", text.toUtf8()); }

    // Once every queued line has been tried: why a line could not be written (a
    // full disk, a file-size limit), the first time this is asked after the
    // failure; none when nothing failed or the failure was already told. A log
    // that fails never stops a transfer, so the caller tells the user after the
    // command.
    std::optional<TrafficLogFailure> takeFailure();
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
    files::FileProblem m_failure;
    bool m_failureTold = false;
    std::thread m_writer;
};
