#include "headless_site.h"

#include "headless.h"
#include "panel/memory_map.h"
#include "site/site_audit.h"
#include "stop_signals.h"

#include <QDir>
#include <QEventLoop>
#include <QTextStream>

namespace headless {

namespace {

const QString kProgram = QStringLiteral("switchpanel-config: ");

// The inventory of the command line and the rows its --panel options name.
// Returns kDone, or the exit status after saying what is wrong.
int loadInventory(const CommandLine &cl, QTextStream &err, site::Inventory &inventory,
                  QList<int> &rows)
{
    const site::InventoryRead read = site::readInventory(cl.file);
    if (!read.inventory) {
        err << kProgram << site::problemText(cl.file, read.problem) << Qt::endl;
        return kUnusable;
    }
    inventory = *read.inventory;
    for (const QString &name : cl.panels) {
        const int row = inventory.rowOf(name);
        if (row < 0) {
            err << kProgram
                << QStringLiteral("%1: NO PANEL NAMED \"%2\" IN THE INVENTORY")
                       .arg(QDir::toNativeSeparators(cl.file), name)
                << Qt::endl;
            return kUnusable;
        }
        if (!rows.contains(row))
            rows << row;
    }
    return kDone;
}

} // namespace

int audit(const CommandLine &cl, QTextStream &out, QTextStream &err, TrafficLog *log)
{
    site::Inventory inventory;
    QList<int> rows;
    if (const int status = loadInventory(cl, err, inventory, rows); status != kDone)
        return status;
    site::AuditReport report;
    if (!cl.report.isEmpty()) {
        if (const QString why = english(report.open(cl.report)); !why.isEmpty()) {
            err << kProgram << cl.report << ": " << why << Qt::endl;
            return kUnusable;
        }
        if (!report.repairNote().isEmpty())
            err << kProgram << cl.report << ": " << report.repairNote() << Qt::endl;
    }

    site::Audit audit(inventory);
    audit.setJobs(cl.jobs);
    audit.setRows(rows);
    audit.setPort(cl.port);
    audit.setTrafficLog(log);
    site::Counts counts;
    QString reportError;
    // Every line is written here, in this thread, whole.
    QObject::connect(&audit, &site::Audit::panelFinished, [&](const site::PanelResult &result) {
        counts.add(result);
        out << site::resultLine(inventory, result) << Qt::endl;
        if (result.historyProblem.failed())
            out << QStringLiteral("[%1] HISTORY NOT KEPT: %2")
                       .arg(inventory.rows[result.row].panel, english(result.historyProblem))
                << Qt::endl;
        if (report.isOpen() && reportError.isEmpty()) {
            reportError = report.append(inventory, result);
            if (!reportError.isEmpty())
                audit.stop();
        }
    });
    StopSignals stopSignals;
    QObject::connect(&stopSignals, &StopSignals::received, &audit, &site::Audit::stop);
    QEventLoop loop;
    QObject::connect(&audit, &site::Audit::finished, &loop, &QEventLoop::quit);
    audit.start();
    if (audit.isRunning())
        loop.exec();

    out << counts.line() << Qt::endl;
    if (audit.notStarted() > 0)
        out << (audit.notStarted() == 1
                    ? QStringLiteral("STOPPED: 1 PANEL NOT AUDITED")
                    : QStringLiteral("STOPPED: %1 PANELS NOT AUDITED").arg(audit.notStarted()))
            << Qt::endl;
    if (!reportError.isEmpty()) {
        err << kProgram << cl.report << ": " << reportError << Qt::endl;
        return kUnusable;
    }
    if (counts.unreachable + counts.noFile + counts.noPort + counts.historyNotKept > 0 ||
        audit.notStarted() > 0)
        return kPanelFailed;
    return counts.differs > 0 ? kDiffers : kDone;
}

int restore(const CommandLine &cl, QTextStream &out, QTextStream &err, TrafficLog *log)
{
    site::Inventory inventory;
    QList<int> rows;
    if (const int status = loadInventory(cl, err, inventory, rows); status != kDone)
        return status;
    const int row = rows.value(0, -1);
    if (row < 0)
        return kUnusable; // the command line names one panel
    const QString port = cl.port.isEmpty() ? inventory.rows[row].port : cl.port;
    if (!port.isEmpty())
        err << kProgram << "panel \"" << inventory.rows[row].panel << "\" on " << port << Qt::endl;

    if (!port.isEmpty())
        out << statustext::english(statustext::Status::ReadingBeforeWrite) << Qt::endl;
    // The restore runs in this thread's event loop until it has ended.
    site::Restore restore(inventory, row);
    restore.setPort(cl.port);
    restore.setTrafficLog(log);
    QObject::connect(
        &restore, &site::Restore::cellWritten, [&](int cell, const cellwalk::Cell &written) {
            out << cellLine(cell - 1,
                            written.hasValue ? std::optional(written.value) : std::nullopt,
                            cellwalk::cellText(written.result))
                << Qt::endl;
        });
    // Ctrl+C or SIGTERM ends the write at once, the port closed, as --write-panel's.
    StopSignals stopSignals;
    QObject::connect(&stopSignals, &StopSignals::received, &restore, &site::Restore::abort);
    site::RestoreResult result;
    QEventLoop loop;
    QObject::connect(&restore, &site::Restore::finished, &loop,
                     [&](const site::RestoreResult &ended) {
                         result = ended;
                         loop.quit();
                     });
    restore.start();
    if (restore.isRunning())
        loop.exec();
    if (result.problem.refused()) {
        err << kProgram << english(result.problem) << Qt::endl;
        return kUnusable;
    }
    if (!result.backup.isEmpty())
        err << kProgram << "backup of the panel: " << result.backup << Qt::endl;
    if (!result.keptCopy.isEmpty())
        err << kProgram << "in its history: " << result.keptCopy << Qt::endl;
    if (result.historyProblem.failed())
        out << QStringLiteral("[%1] HISTORY NOT KEPT: %2")
                   .arg(inventory.rows[row].panel, english(result.historyProblem))
            << Qt::endl;
    out << result.statusText << Qt::endl;
    if (!result.programmed)
        return kPanelFailed;
    return result.historyProblem.failed() ? kPanelFailed : kDone;
}

} // namespace headless
