#include "qcf_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

namespace qcf {

namespace {
// Why `info` cannot be a file of the kind `what` although it exists, or empty.
QString notAFile(const QFileInfo &info, const QString &what = QStringLiteral("CONFIGURATION FILE"))
{
    if (!info.exists() || info.isFile())
        return QString();
    if (info.isDir())
        return QStringLiteral("IT IS A FOLDER, NOT A %1").arg(what);
    return QStringLiteral("IT IS A DEVICE, PIPE OR SOCKET, NOT A %1").arg(what);
}

// The file read and checked as loadFile does; also whether its codes were plain
// numbers.
LoadedFile load(const QString &path, bool *plainNumbers = nullptr)
{
    auto fail = [](const QString &why) { return LoadedFile{std::nullopt, why}; };

    // Only a regular file is opened: opening a named pipe blocks until someone
    // writes into it, and a device such as /dev/urandom never ends.
    if (const QString why = notAFile(QFileInfo(path)); !why.isEmpty())
        return fail(why);

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    if (file.isSequential()) // replaced by a pipe or device after the check above
        return fail(QStringLiteral("IT IS A DEVICE, PIPE OR SOCKET, NOT A CONFIGURATION FILE"));
    QByteArray bytes = file.read(kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return fail(file.errorString());
    file.close();
    const bool oversized = bytes.size() > kMaxFileSize;
    if (oversized)
        bytes.truncate(kMaxFileSize);

    ReadResult result = parse(bytes);
    if (!result.config) {
        if (oversized && result.error == ReadError::EndsEarly)
            return fail(QStringLiteral("THE FILE IS TOO LARGE TO BE A CONFIGURATION FILE"));
        return fail(describe(result));
    }
    for (int i = 0; i < kCodes; ++i) {
        if (result.config->codes[i] < -1)
            return fail(QStringLiteral("FIELD %1 HOLDS THE CODE %2, WHICH IS NOT AN ASSIGNMENT")
                            .arg(codeField(i))
                            .arg(result.config->codes[i]));
    }
    if (plainNumbers)
        *plainNumbers = result.plainNumbers;
    return {std::move(result.config), QString()};
}

} // namespace

LoadedFile loadFile(const QString &path) { return load(path); }

bool holdsConfiguration(const QString &path)
{
    bool plain = false;
    return load(path, &plain).config && plain;
}

QString sizeProblem(qsizetype size)
{
    if (size <= kMaxFileSize)
        return QString();
    return QStringLiteral("THE FILE WOULD BE LARGER THAN %1 KIB, TOO LARGE TO BE OPENED AGAIN: "
                          "SHORTEN THE PANEL NAME OR THE DESIGNATIONS")
        .arg(kMaxFileSize / 1024);
}

QString targetProblem(const QString &path)
{
    if (path.isEmpty())
        return QStringLiteral("NO FILE NAME GIVEN");
    const QFileInfo info(path);
    if (const QString why = notAFile(info); !why.isEmpty())
        return why;
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir())
        return QStringLiteral("THE FOLDER %1 DOES NOT EXIST")
            .arg(QDir::toNativeSeparators(folder.filePath()));
    if (!folder.isWritable())
        return QStringLiteral("THE FOLDER %1 CANNOT BE WRITTEN")
            .arg(QDir::toNativeSeparators(folder.filePath()));
    return QString();
}

QString saveFile(const QString &path, const QByteArray &bytes)
{
    // A file the open command would refuse is not written at all.
    if (const QString problem = sizeProblem(bytes.size()); !problem.isEmpty())
        return problem;
    return replaceFile(path, bytes, QStringLiteral("CONFIGURATION FILE"));
}

QString replaceFile(const QString &path, const QByteArray &bytes, const QString &what)
{
    // A device or a pipe would be replaced by a regular file.
    const QFileInfo info(path);
    if (const QString why = notAFile(info, what); !why.isEmpty())
        return why;
    const QString folder = info.absolutePath();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        const QFileInfo folderInfo(folder);
        if (!folderInfo.exists())
            return QStringLiteral("THE FOLDER %1 DOES NOT EXIST")
                .arg(QDir::toNativeSeparators(folder));
        if (folderInfo.isDir() && !folderInfo.isWritable())
            return QStringLiteral("THE FOLDER %1 CANNOT BE WRITTEN")
                .arg(QDir::toNativeSeparators(folder));
        return file.errorString();
    }
    // A write that stops short or a flush that fails (a full disk, a file-size
    // limit) leaves QSaveFile with no useful text of its own ("Unknown error"); the
    // reason is in errno right after the call that failed.
    errno = 0;
    bool written = file.write(bytes) == bytes.size();
    if (written) {
        errno = 0;
        written = file.flush();
    }
    if (!written) {
        const int reason = errno;
        file.cancelWriting();
        return reason != 0 ? qt_error_string(reason) : file.errorString();
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}

} // namespace qcf
