#include "panel_backup.h"

#include "files/qcf_file.h"
#include "panel/cell_walk.h"
#include "panel/panel_link.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace backup {

QString folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/backups");
}

QString fileName(const QDateTime &when, const QString &command, const QString &port)
{
    // "/dev/ttyUSB0" gives "ttyUSB0", "/dev/pts/3" "pts-3": no folder separators.
    QString device = port;
    if (device.startsWith(QStringLiteral("/dev/")))
        device = device.mid(5);
    // Nor characters that Windows refuses in file names ("tcp://host:port").
    for (const QChar c : QStringLiteral("/\\:*?\"<>|"))
        device.replace(c, QLatin1Char('-'));
    if (device.isEmpty())
        device = QStringLiteral("port");
    return QStringLiteral("%1 %2 %3.qcf")
        .arg(when.toString(QStringLiteral("yyyy-MM-dd HH.mm.ss")), command, device);
}

Saved save(const qcf::Configuration &config, const QString &command, const QString &port,
           const QDateTime &when)
{
    const QString dir = folder();
    if (!QDir().mkpath(dir))
        return {QString(), QStringLiteral("THE BACKUP FOLDER %1 CANNOT BE CREATED")
                               .arg(QDir::toNativeSeparators(dir))};
    QString name = fileName(when, command, port);
    // Two backups of one command and port within a second keep apart.
    for (int n = 2; QFileInfo::exists(dir + QLatin1Char('/') + name); ++n)
        name = fileName(when, command, port)
                   .replace(QStringLiteral(".qcf"), QStringLiteral(" %1.qcf").arg(n));
    const QString path = dir + QLatin1Char('/') + name;
    if (const QString why = qcf::saveFile(path, qcf::format(config)); !why.isEmpty())
        return {QString(), QStringLiteral("THE BACKUP %1 COULD NOT BE SAVED: %2")
                               .arg(QDir::toNativeSeparators(path), why)};
    prune(dir);
    return {path, QString()};
}

QString Kept::failureText() const
{
    if (outcome != cellwalk::Outcome::Done)
        return QStringLiteral("THE PANEL COULD NOT BE READ FOR A BACKUP (%1), NOTHING WAS WRITTEN")
            .arg(cellwalk::outcomeText(outcome, QString()));
    if (!saved.error.isEmpty())
        return saved.error + QStringLiteral(", NOTHING WAS WRITTEN");
    return QString();
}

Kept readAndKeep(PanelLink &link, const qcf::Configuration &file)
{
    const cellwalk::PanelRead read = cellwalk::readPanel(link);
    Kept kept;
    kept.outcome = read.outcome;
    if (read.outcome != cellwalk::Outcome::Done)
        return kept;
    qcf::Configuration config = file;
    std::copy(read.codes.begin(), read.codes.end(), config.codes.begin());
    kept.saved = save(config, kBeforeWrite, link.portName());
    return kept;
}

void prune(const QString &dir, int keep)
{
    const QStringList names =
        QDir(dir).entryList({QStringLiteral("*.qcf")}, QDir::Files, QDir::Name | QDir::Reversed);
    for (qsizetype i = keep; i < names.size(); ++i)
        QFile::remove(dir + QLatin1Char('/') + names[i]);
}

} // namespace backup
