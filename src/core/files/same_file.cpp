#include "same_file.h"

#include "files/qcf_file.h"

#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace files {

namespace {

// The path `path` stands for with every link resolved; for a file that does not
// exist, its folder resolved and its name as given.
QString resolved(const QString &path, int depth = 0)
{
    const QFileInfo info(path);
    if (info.exists())
        return info.canonicalFilePath();
    if (info.isSymLink() && depth < 16) // dangling: where the file would be made
        return resolved(info.symLinkTarget(), depth + 1);
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return (folder.isEmpty() ? info.absolutePath() : folder) + QLatin1Char('/') + info.fileName();
}

bool isConfigurationName(const QString &path)
{
    return path.endsWith(QStringLiteral(".qcf"), Qt::CaseInsensitive);
}

} // namespace

bool sameFile(const QString &a, const QString &b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
#ifdef Q_OS_UNIX
    struct stat sa {};
    struct stat sb {};
    if (::stat(QFile::encodeName(a).constData(), &sa) == 0 &&
        ::stat(QFile::encodeName(b).constData(), &sb) == 0)
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
#endif
#ifdef Q_OS_WIN
    return resolved(a).compare(resolved(b), Qt::CaseInsensitive) == 0;
#else
    return resolved(a) == resolved(b);
#endif
}

OutputCheck checkOutput(const QString &path)
{
    OutputCheck check;
    if (path.isEmpty())
        return check;
    check.target = resolved(path);
    check.viaLink = QFileInfo(path).isSymLink();
    if (isConfigurationName(path) || isConfigurationName(check.target))
        check.refusal = OutputRefusal::ConfigurationName;
    else if (QFileInfo::exists(check.target) && qcf::holdsConfiguration(check.target))
        check.refusal = OutputRefusal::ConfigurationContent; // a hard link or another name
    return check;
}

QString outputRefusalText(const QString &path, const OutputCheck &check)
{
    const QString shown = QDir::toNativeSeparators(path);
    const QString target = QDir::toNativeSeparators(check.target);
    switch (check.refusal) {
    case OutputRefusal::None:
        return QString();
    case OutputRefusal::ConfigurationName:
        if (check.viaLink && !isConfigurationName(path))
            return QStringLiteral("%1 links to %2, named as a configuration file (.qcf)")
                .arg(shown, target);
        return QStringLiteral("%1 is named as a configuration file (.qcf)").arg(shown);
    case OutputRefusal::ConfigurationContent:
        if (check.viaLink)
            return QStringLiteral("%1 links to %2, a configuration file (its content reads as one)")
                .arg(shown, target);
        return QStringLiteral("%1 is a configuration file (its content reads as one)").arg(shown);
    }
    return QString();
}

} // namespace files
