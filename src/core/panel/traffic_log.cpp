#include "traffic_log.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

TrafficLog::TrafficLog(TrafficLog &shared, const QString &source)
    : m_open(shared.m_open), m_shared(&shared), m_source('[' + source.toUtf8() + "] ")
{}

TrafficLog::~TrafficLog()
{
    if (!m_writer.joinable())
        return;
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_one();
    m_writer.join(); // writes what is still queued first
}

QString english(const TrafficLogFailure &failure)
{
    return QStringLiteral("THE TRAFFIC LOG %1 COULD NOT BE WRITTEN (%2); THE PANEL COMMAND WENT "
                          "ON WITHOUT IT")
        .arg(QDir::toNativeSeparators(failure.path),
             // The system's words in capitals, as every text of the log.
             failure.why.kind == files::FileProblem::Kind::System ? failure.why.text.toUpper()
                                                                  : files::english(failure.why));
}

files::FileProblem TrafficLog::open(const QString &path)
{
    // Opening a pipe would block until someone reads it; a device is no log.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return files::FileProblem::Kind::NotRegular;
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return files::FileProblem::said(m_file.errorString());
    m_open = true;
    m_writer = std::thread([this] { writeLines(); });
    return {};
}

void TrafficLog::line(const char *tag, const QByteArray &text)
{
    if (!m_open)
        return;
    QByteArray l = QDateTime::currentDateTime().toString(u"yyyy-MM-dd HH:mm:ss.zzz").toLatin1();
    l += ' ';
    l += m_source;
    l += tag;
    if (!text.isEmpty())
        l += ' ' + text;
    l += '\n';
    if (m_shared)
        return m_shared->enqueue(std::move(l));
    enqueue(std::move(l));
}

void TrafficLog::enqueue(QByteArray line)
{
    {
        const std::lock_guard lock(m_mutex);
        m_queue.push_back(std::move(line));
    }
    m_wake.notify_one();
}

std::optional<TrafficLogFailure> TrafficLog::takeFailure()
{
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return m_queue.empty() && !m_writing; });
    if (!m_failure.failed() || m_failureTold)
        return std::nullopt;
    m_failureTold = true;
    return TrafficLogFailure{m_file.fileName(), m_failure};
}

void TrafficLog::writeLines()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stopping || !m_queue.empty(); });
        if (m_queue.empty())
            return; // stopping, and everything is written
        const QByteArray l = std::move(m_queue.front());
        m_queue.pop_front();
        m_writing = true;
        lock.unlock();
        // Unbuffered: the line is in the file once write() returns. A log that
        // cannot be written must not stop the transfer: the first failure is kept
        // for takeFailure().
        const bool written = m_file.write(l) == l.size();
        const QString why = written ? QString() : m_file.errorString();
        lock.lock();
        m_writing = false;
        if (!written && !m_failure.failed())
            m_failure = why.isEmpty() ? files::FileProblem(files::FileProblem::Kind::WriteFailed)
                                      : files::FileProblem::said(why);
        if (m_queue.empty())
            m_idle.notify_all();
    }
}
