#include "headless_sheet.h"

#include "config_sheet.h"
#include "files/qcf_file.h"
#include "headless.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace headless {

int writeSheet(const CommandLine &cl, QTextStream &out, QTextStream &err)
{
    auto fail = [&](const QString &path, const QString &why) {
        err << "switchpanel-config: " << QDir::toNativeSeparators(path) << ": " << why << Qt::endl;
        return kUnusable;
    };
    const qcf::LoadedFile loaded = qcf::loadFile(cl.file);
    if (!loaded.config)
        return fail(cl.file, files::english(loaded.problem));

    configsheet::Sheet sheet = configsheet::fromConfiguration(*loaded.config);
    sheet.fileName = QDir::toNativeSeparators(QFileInfo(cl.file).absoluteFilePath());
    sheet.made = QDateTime::currentDateTime();
    sheet.program = QCoreApplication::applicationName() + QLatin1Char(' ') +
                    QCoreApplication::applicationVersion();
    const files::FileProblem why =
        configsheet::writePdf(cl.output, sheet, configsheet::pageSizeFor(QLocale()));
    if (why.failed())
        return fail(cl.output, files::english(why));
    out << "CONFIGURATION SHEET WRITTEN TO " << QDir::toNativeSeparators(cl.output) << Qt::endl;
    return kDone;
}

} // namespace headless
