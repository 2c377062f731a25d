#include "site_audit.h"

#include "files/file_platform.h"
#include "files/qcf_file.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>

#include <algorithm>

namespace site {

namespace {

const QString kTimeFormat = QStringLiteral("yyyy-MM-dd HH.mm.ss");

// "2026-12-08 14.03.22.qcf", "2026-12-08 14.03.22 2.qcf"
const QRegularExpression &copyName()
{
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{4}-\\d\\d-\\d\\d \\d\\d\\.\\d\\d\\.\\d\\d)(?: (\\d{1,6}))?\\.qcf$"));
    return pattern;
}

QString escaped(QChar c)
{
    QString out;
    for (const char byte : QString(c).toUtf8())
        out += QStringLiteral("%%1").arg(quint8(byte), 2, 16, QLatin1Char('0')).toUpper();
    return out;
}

// Names Windows keeps for devices, whatever follows their first dot.
bool isReservedName(const QString &name)
{
    static const QRegularExpression reserved(
        QStringLiteral("^(CON|PRN|AUX|NUL|CONIN\\$|CONOUT\\$|COM[0-9\\x{B9}\\x{B2}\\x{B3}]|"
                       "LPT[0-9\\x{B9}\\x{B2}\\x{B3}])$"),
        QRegularExpression::CaseInsensitiveOption);
    QString base = name.section(QLatin1Char('.'), 0, 0);
    while (base.endsWith(QLatin1Char(' ')))
        base.chop(1);
    return reserved.match(base).hasMatch();
}

using HistoryKind = HistoryProblem::Kind;

Keeping notKept(HistoryKind kind, const QString &path, const QString &text = QString())
{
    return {QString(), false, {kind, path, text}};
}

// Why `path` cannot hold history: a symbolic link (it could lead anywhere) or
// something that is not a folder. None when it is a folder or not there yet.
HistoryProblem folderProblem(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink())
        return {HistoryKind::SymbolicLink, path, QString()};
    if (info.exists() && !info.isDir())
        return {HistoryKind::NotAFolder, path, QString()};
    return {};
}

// Writes `bytes` as a new file in `dir` named after `when`, never replacing one:
// written beside it, synced, and renamed only to a name not taken.
Keeping writeCopy(const QString &dir, const QByteArray &bytes, const QDateTime &when)
{
    QTemporaryFile file(dir + QStringLiteral("/.keeping-XXXXXX"));
    if (!file.open())
        return notKept(HistoryKind::FolderNotWritable, dir, file.errorString().toUpper());
    QString why;
    if (file.write(bytes) != bytes.size() || !file.flush())
        why = file.errorString().toUpper();
    else
        why = fileplatform::syncToDisk(file);
    if (!why.isEmpty())
        return notKept(HistoryKind::CopyNotWritten, dir, why);
    const QString stamp = when.toString(kTimeFormat);
    for (int n = 1; n < 1000; ++n) {
        const QString name =
            n == 1 ? stamp + QStringLiteral(".qcf") : QStringLiteral("%1 %2.qcf").arg(stamp).arg(n);
        const QString path = dir + QLatin1Char('/') + name;
        if (QFileInfo::exists(path) || QFileInfo(path).isSymLink())
            continue;
        // A rename never replaces a file: a name taken meanwhile is passed by.
        if (file.rename(path)) {
            file.setAutoRemove(false);
            return {path, true, {}};
        }
        if (!QFileInfo::exists(path))
            return notKept(HistoryKind::CopyNotMade, path, file.errorString().toUpper());
    }
    return notKept(HistoryKind::TooManyCopies, dir);
}

} // namespace

QString english(const HistoryProblem &problem)
{
    const QString path = QDir::toNativeSeparators(problem.path);
    switch (problem.kind) {
    case HistoryKind::None:
        return QString();
    case HistoryKind::SymbolicLink:
        return QStringLiteral("%1 IS A SYMBOLIC LINK; HISTORY IS KEPT ONLY IN A FOLDER OF ITS OWN")
            .arg(path);
    case HistoryKind::NotAFolder:
        return QStringLiteral("%1 IS NOT A FOLDER").arg(path);
    case HistoryKind::FolderNotCreated:
        return QStringLiteral("THE HISTORY FOLDER %1 CANNOT BE CREATED").arg(path);
    case HistoryKind::FolderNotWritable:
        return QStringLiteral("THE HISTORY FOLDER %1 CANNOT BE WRITTEN: %2")
            .arg(path, problem.text);
    case HistoryKind::CopyNotWritten:
        return QStringLiteral("A COPY COULD NOT BE WRITTEN IN %1: %2").arg(path, problem.text);
    case HistoryKind::CopyNotMade:
        return QStringLiteral("THE COPY %1 COULD NOT BE MADE: %2").arg(path, problem.text);
    case HistoryKind::TooManyCopies:
        return QStringLiteral("TOO MANY COPIES IN %1 FOR ONE SECOND").arg(path);
    }
    return QString();
}

QString safeFolderName(const QString &panel)
{
    // Units of the name, each a character or its escape, so that a cut never
    // splits an escape.
    QStringList units;
    for (qsizetype i = 0; i < panel.size(); ++i) {
        QChar c = panel[i];
        QString unit;
        if (c.isHighSurrogate() && i + 1 < panel.size() && panel[i + 1].isLowSurrogate()) {
            unit = panel.mid(i, 2);
            ++i;
        } else if (c.isSurrogate() || c.category() == QChar::Other_Control ||
                   QStringLiteral("/\\:*?\"<>|%").contains(c) ||
                   (i == 0 && c == QLatin1Char('.'))) {
            unit = c.isSurrogate() ? QStringLiteral("%3F") : escaped(c);
        } else {
            unit = c;
        }
        units << unit;
    }
    // Windows drops a trailing dot or blank from a name: such a name would be
    // another one's.
    for (qsizetype k = units.size() - 1;
         k >= 0 && (units[k] == QLatin1String(".") || units[k] == QLatin1String(" ")); --k)
        units[k] = escaped(units[k][0]);
    if (!units.isEmpty() && isReservedName(units.join(QString())))
        units[0] = escaped(units[0][0]);

    QString name = units.join(QString());
    if (name.toUtf8().size() <= kMaxFolderName)
        return name;
    // Cut, and told apart by the hash of the whole name: always longer than any
    // name left whole, so never one of them.
    const QByteArray hash =
        QCryptographicHash::hash(panel.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    constexpr int kKept = kMaxFolderName - 16;
    QString cut;
    for (const QString &unit : units) {
        if ((cut + unit).toUtf8().size() > kKept)
            break;
        cut += unit;
    }
    if (cut.endsWith(QLatin1Char(' ')) || cut.endsWith(QLatin1Char('.')))
        cut = cut.left(cut.size() - 1) + escaped(cut.back());
    return cut + QLatin1Char('~') + QString::fromLatin1(hash);
}

QString historyFolder(const Inventory &inventory, const QString &panel)
{
    return inventory.folder + QStringLiteral("/history/") + safeFolderName(panel);
}

QList<KeptCopy> keptCopies(const Inventory &inventory, const QString &panel)
{
    struct Found {
        KeptCopy copy;
        int number;
    };
    QList<Found> found;
    const QDir dir(historyFolder(inventory, panel));
    for (const QString &name : dir.entryList({QStringLiteral("*.qcf")}, QDir::Files)) {
        const QRegularExpressionMatch m = copyName().match(name);
        if (!m.hasMatch())
            continue;
        const QDateTime time = QDateTime::fromString(m.captured(1), kTimeFormat);
        if (time.isValid())
            found.append(
                {{dir.filePath(name), time}, m.captured(2).isEmpty() ? 1 : m.captured(2).toInt()});
    }
    std::sort(found.begin(), found.end(), [](const Found &a, const Found &b) {
        return a.copy.time != b.copy.time ? a.copy.time > b.copy.time : a.number > b.number;
    });
    QList<KeptCopy> copies;
    for (const Found &f : found)
        copies.append(f.copy);
    return copies;
}

Keeping keepInHistory(const Inventory &inventory, const QString &panel,
                      const qcf::Configuration &config, const QDateTime &when)
{
    const QString root = inventory.folder + QStringLiteral("/history");
    const QString dir = historyFolder(inventory, panel);
    for (const QString &path : {root, dir})
        if (const HistoryProblem why = folderProblem(path); why.failed())
            return {QString(), false, why};
    if (!QDir().mkpath(dir))
        return notKept(HistoryKind::FolderNotCreated, dir);
    // Made just now through a link put in its place meanwhile: nothing is written there.
    for (const QString &path : {root, dir})
        if (const HistoryProblem why = folderProblem(path); why.failed())
            return {QString(), false, why};

    const QList<KeptCopy> copies = keptCopies(inventory, panel);
    if (!copies.isEmpty()) {
        const qcf::LoadedFile last = qcf::loadFile(copies.first().path);
        if (last.config && last.config->codes == config.codes)
            return {copies.first().path, false, {}};
    }
    return writeCopy(dir, qcf::format(config), when);
}

} // namespace site
