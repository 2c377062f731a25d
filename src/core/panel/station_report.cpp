#include "station_report.h"

#include "files/file_platform.h"

#include <QCryptographicHash>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstdlib>

QString StationPanel::line() const
{
    QString text = QStringLiteral("PANEL %1  %2  %3")
                       .arg(number)
                       .arg(started.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), statusText);
    if (!failedItem.isEmpty())
        text += QStringLiteral("  %1: %2").arg(failedItem, cellText);
    return text;
}

QByteArray codesSha256(const assignment::Codes &codes)
{
    QByteArray bytes;
    for (int n = 0; n < memory_map::kCellCount; ++n)
        bytes += char(quint8(codes[memory_map::itemAt(n)]));
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

QString isoLocalTime(const QDateTime &time)
{
    const QDateTime local = time.toLocalTime();
    const int offset = local.offsetFromUtc() / 60; // minutes east of UTC
    const int size = std::abs(offset);
    return local.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) +
           QStringLiteral("%1%2:%3")
               .arg(offset < 0 ? QLatin1Char('-') : QLatin1Char('+'))
               .arg(size / 60, 2, 10, QLatin1Char('0'))
               .arg(size % 60, 2, 10, QLatin1Char('0'));
}

QStringList StationReport::columns()
{
    return {QStringLiteral("time"),         QStringLiteral("port"),       QStringLiteral("file"),
            QStringLiteral("codes_sha256"), QStringLiteral("result"),     QStringLiteral("status"),
            QStringLiteral("failed_item"),  QStringLiteral("duration_ms")};
}

QByteArray RowReport::row(const QStringList &fields)
{
    QByteArray line;
    for (const QString &field : fields) {
        if (!line.isEmpty())
            line += ',';
        QByteArray f = field.toUtf8();
        if (f.contains(',') || f.contains('"') || f.contains('\r') || f.contains('\n'))
            f = '"' + f.replace("\"", "\"\"") + '"';
        line += f;
    }
    return line + "\r\n";
}

QStringList StationReport::fields(const StationPanel &panel)
{
    return {isoLocalTime(panel.started),
            panel.port,
            panel.fileName,
            QString::fromLatin1(panel.codesSha),
            panel.programmed ? QStringLiteral("programmed") : QStringLiteral("failed"),
            panel.statusText,
            panel.failedItem,
            QString::number(panel.durationMs)};
}

QString english(const ReportProblem &problem)
{
    using Kind = ReportProblem::Kind;
    switch (problem.kind) {
    case Kind::None:
        return QString();
    case Kind::NotRegular:
        return QStringLiteral("NOT A REGULAR FILE");
    case Kind::NamedAsConfiguration:
        return QStringLiteral("A CONFIGURATION FILE (.qcf) IS NO REPORT");
    case Kind::NotAReport:
        return QStringLiteral("IT DOES NOT END IN A LINE END AND IS NOT %1 (ITS FIRST LINE IS "
                              "NOT THE HEADER ROW); NOTHING WAS WRITTEN TO IT")
            .arg(problem.text);
    case Kind::NotOpen:
        return QStringLiteral("THE REPORT IS NOT OPEN");
    case Kind::RowNotWritten:
        return QStringLiteral("THE ROW COULD NOT BE WRITTEN");
    case Kind::System:
        return problem.text;
    }
    return QString();
}

ReportProblem RowReport::open(const QString &path)
{
    m_file.close();
    m_bytesCut = 0;
    // Opening a pipe would block until someone reads it; a device is no report.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return ReportProblem::Kind::NotRegular;
    if (info.suffix().compare(QStringLiteral("qcf"), Qt::CaseInsensitive) == 0)
        return ReportProblem::Kind::NamedAsConfiguration;
    m_file.setFileName(path);
    // Unbuffered: each row goes to the file in one write of its own.
    errno = 0;
    if (!m_file.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered))
        return {ReportProblem::Kind::System,
                errno != 0 ? fileErrorText(errno) : m_file.errorString()};
    ReportProblem why = repairTail();
    if (!why.failed() && m_file.size() == 0)
        why = write(row(m_columns));
    if (why.failed())
        m_file.close();
    return why;
}

// A row cut short by a crash, a power cut or an earlier version's failed write:
// the bytes after the last line end. Only a file that begins with the header row
// (or with a part of it, when the header itself was torn) is cut.
ReportProblem RowReport::repairTail()
{
    const qint64 size = m_file.size();
    if (size == 0)
        return {};
    m_file.seek(size - 1);
    if (m_file.read(1) == "\n")
        return {};
    const QByteArray header = row(m_columns);
    m_file.seek(0);
    if (!header.startsWith(m_file.read(header.size())))
        return {ReportProblem::Kind::NotAReport, m_kind};
    // The last line end, from the end backwards.
    qint64 keep = 0;
    constexpr qint64 kChunk = 4096;
    for (qint64 end = size; end > 0 && keep == 0;) {
        const qint64 from = std::max<qint64>(0, end - kChunk);
        m_file.seek(from);
        const QByteArray chunk = m_file.read(end - from);
        if (const qsizetype at = chunk.lastIndexOf('\n'); at >= 0)
            keep = from + at + 1;
        end = from;
    }
    if (!m_file.resize(keep))
        return {ReportProblem::Kind::System, fileErrorText(errno)};
    m_bytesCut = size - keep;
    return {};
}

QString RowReport::repairNote() const
{
    if (m_bytesCut == 0)
        return QString();
    return QStringLiteral("THE REPORT ENDED IN A TORN ROW; ITS LAST %1 BYTES, WITHOUT A LINE END, "
                          "WERE CUT OFF")
        .arg(m_bytesCut);
}

ReportProblem RowReport::appendRow(const QStringList &fields)
{
    if (!m_file.isOpen())
        return ReportProblem::Kind::NotOpen;
    return write(row(fields));
}

ReportProblem RowReport::write(const QByteArray &bytes)
{
    const qint64 before = m_file.size();
    errno = 0;
    bool written = m_file.write(bytes) == bytes.size();
    int error = errno;
    QString syncFailure;
    if (written) {
        syncFailure = fileplatform::syncToDisk(m_file);
        if (!syncFailure.isEmpty()) {
            written = false;
            error = errno;
        }
    }
    if (written)
        return {};
    // Cut back to the whole rows before this one.
    m_file.resize(before);
    if (error != 0)
        return {ReportProblem::Kind::System, fileErrorText(error)};
    if (!syncFailure.isEmpty())
        return {ReportProblem::Kind::System, syncFailure};
    return ReportProblem::Kind::RowNotWritten;
}

QString fileErrorText(int error)
{
    switch (error) {
    case ENOSPC:
        return QStringLiteral("DISK FULL");
#ifdef EDQUOT
    case EDQUOT:
        return QStringLiteral("DISK QUOTA EXCEEDED");
#endif
    case EFBIG:
        return QStringLiteral("FILE SIZE LIMIT REACHED");
    case EACCES:
    case EPERM:
        return QStringLiteral("PERMISSION DENIED");
    case EROFS:
        return QStringLiteral("READ-ONLY FILE SYSTEM");
    case EIO:
        return QStringLiteral("INPUT/OUTPUT ERROR");
    default:
        return qt_error_string(error).toUpper();
    }
}
