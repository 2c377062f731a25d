#include "qcf_file.h"

#include "config/assignment.h"
#include "config/status_texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

namespace qcf {

namespace {

using files::FileKind;
using files::FileProblem;
using Kind = files::FileProblem::Kind;

// Why `info` cannot be a file of the kind `kind` although it exists, or none.
FileProblem notAFile(const QFileInfo &info, FileKind kind = FileKind::Configuration)
{
    if (!info.exists() || info.isFile())
        return {};
    return {info.isDir() ? Kind::IsFolder : Kind::IsDevice, kind};
}

// The file read and checked as loadFile does; also whether its codes were plain
// numbers.
LoadedFile load(const QString &path, bool *plainNumbers = nullptr)
{
    auto fail = [](const FileProblem &why) { return LoadedFile{std::nullopt, why}; };

    // Only a regular file is opened: opening a named pipe blocks until someone
    // writes into it, and a device such as /dev/urandom never ends.
    if (const FileProblem why = notAFile(QFileInfo(path)); why.failed())
        return fail(why);

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(FileProblem::said(file.errorString()));
    if (file.isSequential()) // replaced by a pipe or device after the check above
        return fail(Kind::IsDevice);
    QByteArray bytes = file.read(kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return fail(FileProblem::said(file.errorString()));
    file.close();
    const bool oversized = bytes.size() > kMaxFileSize;
    if (oversized)
        bytes.truncate(kMaxFileSize);

    ReadResult result = parse(bytes);
    if (!result.config) {
        if (oversized && result.error == ReadError::EndsEarly)
            return fail(Kind::TooLarge);
        return fail(problem(result));
    }
    for (int i = 0; i < kCodes; ++i) {
        if (result.config->codes[i] < -1)
            return fail(
                FileProblem::atField(Kind::NotAnAssignment, codeField(i), result.config->codes[i]));
    }
    if (plainNumbers)
        *plainNumbers = result.plainNumbers;
    return {std::move(result.config), {}};
}

} // namespace

LoadedFile loadFile(const QString &path) { return load(path); }

bool holdsConfiguration(const QString &path)
{
    bool plain = false;
    return load(path, &plain).config && plain;
}

FileProblem sizeProblem(qsizetype size)
{
    if (size <= kMaxFileSize)
        return {};
    FileProblem problem(Kind::WouldBeTooLarge);
    problem.number = int(kMaxFileSize / 1024);
    return problem;
}

FileProblem targetProblem(const QString &path)
{
    if (path.isEmpty())
        return Kind::NoFileName;
    const QFileInfo info(path);
    if (const FileProblem why = notAFile(info); why.failed())
        return why;
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir())
        return FileProblem::ofFolder(Kind::FolderMissing, folder.filePath());
    if (!folder.isWritable())
        return FileProblem::ofFolder(Kind::FolderNotWritable, folder.filePath());
    return {};
}

FileProblem saveFile(const QString &path, const QByteArray &bytes)
{
    // A file the open command would refuse is not written at all.
    if (const FileProblem problem = sizeProblem(bytes.size()); problem.failed())
        return problem;
    return replaceFile(path, bytes, FileKind::Configuration);
}

FileProblem replaceFile(const QString &path, const QByteArray &bytes, FileKind kind)
{
    // A device or a pipe would be replaced by a regular file.
    const QFileInfo info(path);
    if (const FileProblem why = notAFile(info, kind); why.failed())
        return why;
    const QString folder = info.absolutePath();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        const QFileInfo folderInfo(folder);
        if (!folderInfo.exists())
            return FileProblem::ofFolder(Kind::FolderMissing, folder);
        if (folderInfo.isDir() && !folderInfo.isWritable())
            return FileProblem::ofFolder(Kind::FolderNotWritable, folder);
        return FileProblem::said(file.errorString());
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
        return FileProblem::said(reason != 0 ? qt_error_string(reason) : file.errorString());
    }
    if (!file.commit())
        return FileProblem::said(file.errorString());
    return {};
}

int incompleteItem(const Configuration &config)
{
    for (int i = 0; i < assignment::kItemCount; ++i)
        if (config.codes[i] == -1)
            return i;
    return -1;
}

QString incompleteItemText(const QString &file, int item)
{
    const bool isSwitch = assignment::item(item).kind == assignment::ItemKind::Switch;
    return QStringLiteral("%1: %2 HAS NO CHANNEL (CODE -1 IN FIELD %3): %4")
        .arg(file, assignment::item(item).name())
        .arg(codeField(item))
        .arg(statustext::english(isSwitch ? statustext::Status::IncompleteSwitches
                                          : statustext::Status::IncompleteLeds));
}

} // namespace qcf
