#include "station_report.h"

#include "files/file_platform.h"

#include <QCryptographicHash>
#include <QFileInfo>

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

QByteArray codesSha256(const panelwrite::Codes &codes)
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

QByteArray StationReport::row(const QStringList &fields)
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

QString StationReport::open(const QString &path)
{
    // Opening a pipe would block until someone reads it; a device is no report.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return QStringLiteral("NOT A REGULAR FILE");
    m_file.close();
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append))
        return m_file.errorString();
    if (m_file.size() == 0) {
        if (const QString why = write(row(columns())); !why.isEmpty()) {
            m_file.close();
            return why;
        }
    }
    return QString();
}

QString StationReport::append(const StationPanel &panel)
{
    if (!m_file.isOpen())
        return QStringLiteral("THE REPORT IS NOT OPEN");
    return write(row(fields(panel)));
}

QString StationReport::write(const QByteArray &bytes)
{
    if (m_file.write(bytes) != bytes.size() || !m_file.flush())
        return m_file.errorString();
    return fileplatform::syncToDisk(m_file);
}
