#include "file_text.h"

#include "files/config_csv.h"
#include "files/qcf_file.h"
#include "files/qcf_text.h"
#include "files/same_file.h"
#include "headless.h"

#include <QDir>
#include <QTextStream>

namespace headless {

namespace {

QString native(const QString &path) { return QDir::toNativeSeparators(path); }

int refuse(QTextStream &err, const QString &what, const QString &why)
{
    err << "switchpanel-config: " << what << ": " << why << Qt::endl;
    return kUnusable;
}

int describe(const CommandLine &cl, QTextStream &out, QTextStream &err)
{
    const qcf::LoadedFile loaded = qcf::loadFile(cl.file);
    if (!loaded.config)
        return refuse(err, native(cl.file), files::english(loaded.problem));
    out << qcftext::describe(*loaded.config);
    out.flush();
    return kDone;
}

int diff(const CommandLine &cl, QTextStream &out, QTextStream &err)
{
    const QString &other = cl.inputs.constFirst();
    const qcf::LoadedFile a = qcf::loadFile(cl.file);
    if (!a.config)
        return refuse(err, native(cl.file), files::english(a.problem));
    const qcf::LoadedFile b = qcf::loadFile(other);
    if (!b.config)
        return refuse(err, native(other), files::english(b.problem));
    const QList<qcftext::Difference> differences = qcftext::differences(*a.config, *b.config);
    for (const qcftext::Difference &d : differences)
        out << qcftext::line(d) << '\n';
    if (differences.isEmpty())
        out << QStringLiteral("%1 AND %2 HOLD THE SAME CONFIGURATION")
                   .arg(native(cl.file), native(other))
            << '\n';
    out.flush();
    return differences.isEmpty() ? kDone : kDiffers;
}

int exportCsv(const CommandLine &cl, QTextStream &out, QTextStream &err)
{
    const auto nothingDone = QStringLiteral("; nothing was done.");
    // The sheet never takes the place of a configuration file.
    for (const QString &input : cl.inputs)
        if (files::sameFile(cl.output, input))
            return refuse(err, QStringLiteral("--export-csv"),
                          QStringLiteral("%1 and the configuration file %2 are the same file")
                                  .arg(cl.output, input) +
                              nothingDone);
    if (cl.output.endsWith(QStringLiteral(".qcf"), Qt::CaseInsensitive))
        return refuse(err, QStringLiteral("--export-csv"),
                      QStringLiteral("%1 is named as a configuration file (.qcf), not a sheet")
                              .arg(cl.output) +
                          nothingDone);

    QList<configcsv::SheetFile> sheet;
    for (const QString &input : cl.inputs) {
        qcf::LoadedFile loaded = qcf::loadFile(input);
        if (!loaded.config)
            return refuse(err, native(input), files::english(loaded.problem));
        sheet.append({configcsv::fileColumn(input, cl.output), std::move(*loaded.config)});
    }
    if (const files::FileProblem why = configcsv::writeSheet(cl.output, sheet); why.failed())
        return refuse(err, native(cl.output), files::english(why));
    out << QStringLiteral("%1 ROWS OF %2 %3 WRITTEN TO %4")
               .arg(sheet.size() * 21)
               .arg(sheet.size())
               .arg(sheet.size() == 1 ? QStringLiteral("FILE") : QStringLiteral("FILES"),
                    native(cl.output))
        << Qt::endl;
    return kDone;
}

int importCsv(const CommandLine &cl, QTextStream &out, QTextStream &err)
{
    const configcsv::Import import = configcsv::planImport(cl.file);
    if (!import.problems.isEmpty()) {
        for (const QString &problem : import.problems)
            err << "switchpanel-config: " << native(cl.file) << ": " << problem << '\n';
        err << "switchpanel-config: " << native(cl.file)
            << ": THE SHEET IS REFUSED; NO FILE WAS CHANGED" << Qt::endl;
        return kUnusable;
    }
    if (!cl.dryRun) {
        if (const QStringList failures = configcsv::applyImport(import); !failures.isEmpty()) {
            for (const QString &failure : failures)
                err << "switchpanel-config: " << failure << '\n';
            err.flush();
            return kUnusable;
        }
    }
    for (const configcsv::FileImport &file : import.files)
        out << configcsv::summary(file) << '\n';
    out.flush();
    return kDone;
}

} // namespace

int runFileText(const CommandLine &cl, QTextStream &out, QTextStream &err)
{
    switch (cl.mode) {
    case CommandLine::Mode::Describe:
        return describe(cl, out, err);
    case CommandLine::Mode::Diff:
        return diff(cl, out, err);
    case CommandLine::Mode::ExportCsv:
        return exportCsv(cl, out, err);
    case CommandLine::Mode::ImportCsv:
        return importCsv(cl, out, err);
    default:
        return refuse(err, QStringLiteral("switchpanel-config"), QStringLiteral("no mode to run"));
    }
}

} // namespace headless
