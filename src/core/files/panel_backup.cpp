#include "panel_backup.h"

#include "files/qcf_file.h"
#include "panel/cell_walk.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>

namespace backup {

namespace {

const QString kTimeFormat = QStringLiteral("yyyy-MM-dd HH.mm.ss");

// The time in a backup's name: "2026-12-08 14.03.22 read ttyUSB0.qcf".
QDateTime nameTime(const QString &name)
{
    return QDateTime::fromString(name.left(kTimeFormat.size()), kTimeFormat);
}

} // namespace

QString folder()
{
    // The application's name, not its organisation as well: one folder, as
    // documented. Each test suite, an application of its own, has its own.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QLatin1Char('/') + QCoreApplication::applicationName() + QStringLiteral("/backups");
}

QString earlierFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/backups");
}

QString english(const Failure &failure)
{
    const QString path = QDir::toNativeSeparators(failure.path);
    switch (failure.kind) {
    case Failure::Kind::None:
        return QString();
    case Failure::Kind::FolderNotCreated:
        return QStringLiteral("THE BACKUP FOLDER %1 CANNOT BE CREATED").arg(path);
    case Failure::Kind::NotSaved:
        return QStringLiteral("THE BACKUP %1 COULD NOT BE SAVED: %2")
            .arg(path, files::english(failure.cause));
    case Failure::Kind::NotThere:
        return QStringLiteral("THE BACKUP %1 IS NOT IN THE BACKUP FOLDER AFTER SAVING IT: THE "
                              "FOLDER CANNOT BE TRUSTED")
            .arg(path);
    }
    return QString();
}

Failure makeFolder()
{
    const QString dir = folder();
    if (!QDir().mkpath(dir))
        return {Failure::Kind::FolderNotCreated, dir, {}};
    const QString earlier = earlierFolder();
    if (QDir::cleanPath(earlier) == QDir::cleanPath(dir) || !QFileInfo(earlier).isDir())
        return {};
    // Moved once: what cannot be moved (a name taken) stays, and so does the
    // earlier folder then.
    for (const QString &name : QDir(earlier).entryList(QDir::Files)) {
        if (isBackupName(name) && !QFileInfo::exists(dir + QLatin1Char('/') + name))
            QFile::rename(earlier + QLatin1Char('/') + name, dir + QLatin1Char('/') + name);
    }
    if (QDir().rmdir(earlier))
        QDir().rmdir(QFileInfo(earlier).path()); // the application's folder, when empty
    return {};
}

bool isBackupName(const QString &name)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d\\.\\d\\d\\.\\d\\d (%1|%2) [^/\\\\]+\\.qcf$")
            .arg(kBeforeWrite, kRead));
    return pattern.match(name).hasMatch() && nameTime(name).isValid();
}

QString fileName(const QDateTime &when, const QString &command, const QString &port)
{
    // "/dev/ttyUSB0" gives "ttyUSB0", "/dev/pts/3" "pts-3", "tcp://10.0.0.7:4001"
    // "tcp 10.0.0.7-4001": no folder separators, nor characters Windows refuses in
    // a file name.
    QString device = port;
    if (device.startsWith(QStringLiteral("/dev/")))
        device = device.mid(5);
    device.replace(QStringLiteral("://"), QStringLiteral(" "));
    for (const QChar c : QStringLiteral("/\\:*?\"<>|"))
        device.replace(c, QLatin1Char('-'));
    if (device.isEmpty())
        device = QStringLiteral("port");
    return QStringLiteral("%1 %2 %3.qcf").arg(when.toString(kTimeFormat), command, device);
}

Saved save(const qcf::Configuration &config, const QString &command, const QString &port,
           const QDateTime &when)
{
    if (const Failure why = makeFolder(); why.failed())
        return {QString(), why};
    const QString dir = folder();
    QString name = fileName(when, command, port);
    // Two backups of one command and port within a second keep apart.
    for (int n = 2; QFileInfo::exists(dir + QLatin1Char('/') + name); ++n)
        name = fileName(when, command, port)
                   .replace(QStringLiteral(".qcf"), QStringLiteral(" %1.qcf").arg(n));
    const QString path = dir + QLatin1Char('/') + name;
    const QByteArray bytes = qcf::format(config);
    if (const files::FileProblem why = qcf::saveFile(path, bytes); why.failed())
        return {QString(), {Failure::Kind::NotSaved, path, why}};
    prune(dir, kKeep, name);
    // A backup is only told of once it is known to be there.
    QFile saved(path);
    if (!saved.open(QIODevice::ReadOnly) || saved.read(bytes.size() + 1) != bytes)
        return {QString(), {Failure::Kind::NotThere, path, {}}};
    return {path, {}};
}

QString english(const Kept &kept)
{
    if (kept.outcome != cellwalk::Outcome::Done)
        return QStringLiteral("THE PANEL COULD NOT BE READ FOR A BACKUP (%1), NOTHING WAS WRITTEN")
            .arg(cellwalk::outcomeText(kept.outcome));
    if (kept.saved.failure.failed())
        return english(kept.saved.failure) + QStringLiteral(", NOTHING WAS WRITTEN");
    return QString();
}

Kept keep(const cellwalk::PanelRead &read, const qcf::Configuration &file, const QString &port)
{
    Kept kept;
    kept.outcome = read.outcome;
    if (read.outcome != cellwalk::Outcome::Done)
        return kept;
    qcf::Configuration config = file;
    std::copy(read.codes.begin(), read.codes.end(), config.codes.begin());
    kept.saved = save(config, kBeforeWrite, port);
    return kept;
}

void prune(const QString &dir, int keep, const QString &spare, const QDateTime &now)
{
    struct Backup {
        QString name;
        QDateTime written; // invalid: a clock that was ahead wrote it
    };
    QList<Backup> backups;
    for (const QFileInfo &info : QDir(dir).entryInfoList(QDir::Files)) {
        const QString name = info.fileName();
        if (name == spare || !isBackupName(name))
            continue;
        QDateTime written;
        for (const QDateTime &t : {nameTime(name), info.lastModified()})
            if (t.isValid() && t <= now && (!written.isValid() || t < written))
                written = t;
        backups.append({name, written});
    }
    // Newest first; of one second, the later name first.
    std::sort(backups.begin(), backups.end(), [](const Backup &a, const Backup &b) {
        if (a.written != b.written)
            return !b.written.isValid() || (a.written.isValid() && a.written > b.written);
        return a.name > b.name;
    });
    const qsizetype others = spare.isEmpty() ? keep : keep - 1;
    for (qsizetype i = std::max<qsizetype>(others, 0); i < backups.size(); ++i)
        QFile::remove(dir + QLatin1Char('/') + backups[i].name);
}

} // namespace backup
