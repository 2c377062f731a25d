#include "file_problem.h"

#include <QDir>

namespace files {

QString english(FileKind kind)
{
    switch (kind) {
    case FileKind::Configuration:
        return QStringLiteral("CONFIGURATION FILE");
    case FileKind::Pdf:
        return QStringLiteral("PDF FILE");
    case FileKind::Csv:
        return QStringLiteral("CSV FILE");
    case FileKind::Backup:
        return QStringLiteral("BACKUP FILE");
    }
    return QString();
}

FileProblem FileProblem::ofFolder(Kind kind, const QString &folder)
{
    FileProblem problem(kind);
    problem.path = folder;
    return problem;
}

FileProblem FileProblem::atField(Kind kind, int field, int number)
{
    FileProblem problem(kind);
    problem.field = field;
    problem.number = number;
    return problem;
}

FileProblem FileProblem::said(const QString &systemText)
{
    FileProblem problem(Kind::System);
    problem.text = systemText;
    return problem;
}

QString english(const FileProblem &problem)
{
    using Kind = FileProblem::Kind;
    switch (problem.kind) {
    case Kind::None:
        return QString();
    case Kind::NoFileName:
        return QStringLiteral("NO FILE NAME GIVEN");
    case Kind::IsFolder:
        return QStringLiteral("IT IS A FOLDER, NOT A %1").arg(english(problem.file));
    case Kind::IsDevice:
        return QStringLiteral("IT IS A DEVICE, PIPE OR SOCKET, NOT A %1")
            .arg(english(problem.file));
    case Kind::FolderMissing:
        return QStringLiteral("THE FOLDER %1 DOES NOT EXIST")
            .arg(QDir::toNativeSeparators(problem.path));
    case Kind::FolderNotWritable:
        return QStringLiteral("THE FOLDER %1 CANNOT BE WRITTEN")
            .arg(QDir::toNativeSeparators(problem.path));
    case Kind::TooLarge:
        return QStringLiteral("THE FILE IS TOO LARGE TO BE A CONFIGURATION FILE");
    case Kind::EndsEarly:
        return QStringLiteral("THE FILE ENDS BEFORE FIELD %1 OF %2 IS COMPLETE")
            .arg(problem.field)
            .arg(problem.number);
    case Kind::NumberOutOfRange:
        return QStringLiteral("FIELD %1 HOLDS A NUMBER OUTSIDE -32768 TO 32767").arg(problem.field);
    case Kind::EmptyNumber:
        return QStringLiteral("FIELD %1 HOLDS NO NUMBER: IT IS EMPTY").arg(problem.field);
    case Kind::NotAnAssignment:
        return QStringLiteral("FIELD %1 HOLDS THE CODE %2, WHICH IS NOT AN ASSIGNMENT")
            .arg(problem.field)
            .arg(problem.number);
    case Kind::WouldBeTooLarge:
        return QStringLiteral("THE FILE WOULD BE LARGER THAN %1 KIB, TOO LARGE TO BE OPENED AGAIN: "
                              "SHORTEN THE PANEL NAME OR THE DESIGNATIONS")
            .arg(problem.number);
    case Kind::NotRegular:
        return QStringLiteral("NOT A REGULAR FILE");
    case Kind::WriteFailed:
        return QStringLiteral("WRITE FAILED");
    case Kind::NotDrawn:
        return QStringLiteral("THE SHEET COULD NOT BE DRAWN");
    case Kind::System:
        return problem.text;
    }
    return QString();
}

} // namespace files
