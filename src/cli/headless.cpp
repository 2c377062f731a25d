#include "headless.h"

#include "config/assignment.h"
#include "config/panel_compare.h"
#include "files/code_page.h"
#include "files/panel_backup.h"
#include "files/qcf_file.h"
#include "headless_site.h"
#include "panel/cell_walk.h"
#include "panel/memory_map.h"
#include "panel/panel_link.h"
#include "panel/panel_transfer.h"
#include "panel/panel_write.h"
#include "panel/port_choice.h"
#include "panel/station_gang.h"
#include "panel/traffic_log.h"
#include "stop_signals.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QTextStream>
#include <QTimer>

#include <array>
#include <functional>
#include <optional>

namespace headless {

namespace {

using assignment::Codes;

} // namespace

QString cellLine(int address, std::optional<std::int16_t> code, const QString &result)
{
    const QString value =
        code ? QStringLiteral("%1 (%2)").arg(*code, 3).arg(panelcompare::assignmentText(*code))
             : QStringLiteral("-");
    return QStringLiteral("%1  %2  %3  %4")
        .arg(address, 2)
        .arg(assignment::item(memory_map::itemAt(address)).name(), -12)
        .arg(value, -11)
        .arg(result);
}

namespace {

class Runner
{
public:
    Runner(const CommandLine &cl, QTextStream &out, QTextStream &err)
        : m_cl(cl), m_out(out), m_err(err)
    {}

    int run()
    {
        if (!m_cl.log.isEmpty()) {
            const files::FileProblem why = m_log.open(m_cl.log);
            if (why.failed())
                return fail(kUnusable, QStringLiteral("%1: %2").arg(m_cl.log, files::english(why)));
            m_link.setTrafficLog(&m_log);
        }
        const int status = runMode();
        if (const std::optional<TrafficLogFailure> failure = m_log.takeFailure())
            m_err << "switchpanel-config: " << english(*failure) << Qt::endl;
        return status;
    }

private:
    int runMode()
    {
        switch (m_cl.mode) {
        case CommandLine::Mode::WritePanel:
            return writePanel();
        case CommandLine::Mode::ReadPanel:
            return readPanel();
        case CommandLine::Mode::Compare:
            return compare();
        case CommandLine::Mode::Station:
            return station();
        case CommandLine::Mode::Audit:
            return audit(m_cl, m_out, m_err, m_cl.log.isEmpty() ? nullptr : &m_log);
        case CommandLine::Mode::Restore:
            return restore(m_cl, m_out, m_err, m_cl.log.isEmpty() ? nullptr : &m_log);
        default:
            return fail(kUnusable, QStringLiteral("no mode to run"));
        }
    }

    int fail(int status, const QString &message)
    {
        m_err << "switchpanel-config: " << message << Qt::endl;
        return status;
    }

    // The codes that opening the file in the window and writing would send (160 and
    // more as 160; -1 is an item without a complete assignment); the file itself in
    // `file` when asked for. Returns kDone, or the exit status of what failed.
    int loadCodes(Codes &codes, std::optional<qcf::Configuration> *file = nullptr)
    {
        const qcf::LoadedFile loaded = qcf::loadFile(m_cl.file);
        if (!loaded.config)
            return fail(kUnusable,
                        QStringLiteral("%1: %2").arg(m_cl.file, files::english(loaded.problem)));
        if (const int item = qcf::incompleteItem(*loaded.config); item >= 0)
            return fail(kUnusable, qcf::incompleteItemText(m_cl.file, item));
        for (int i = 0; i < assignment::kItemCount; ++i)
            codes[i] = std::min(loaded.config->codes[i], assignment::kUnassigned);
        if (file)
            *file = loaded.config;
        return kDone;
    }

    QString chosenPort() const
    {
        return portchoice::startingPort(portchoice::availablePorts(), m_cl.port,
                                        portchoice::rememberedPort());
    }

    // Runs the transfer started by `start` on the chosen port in the event loop
    // until it ends; Ctrl+C or SIGTERM ends it at once, the port closed. Returns
    // whether the port opened (else the failure has been told).
    bool runTransfer(const std::function<bool(PanelTransfer &)> &start)
    {
        m_link.setPortName(chosenPort());
        QEventLoop loop;
        QObject::connect(&m_transfer, &PanelTransfer::finished, &loop, &QEventLoop::quit);
        const QMetaObject::Connection opened = QObject::connect(
            &m_transfer, &PanelTransfer::stateChanged, [this](PanelTransfer::State state) {
                if (state == PanelTransfer::State::Handshake && !m_told) {
                    m_told = true;
                    m_err << "switchpanel-config: panel on " << m_link.portName() << Qt::endl;
                    if (m_transfer.kind() == PanelTransfer::Kind::Write && m_cl.backup)
                        m_out << statustext::english(statustext::Status::ReadingBeforeWrite)
                              << Qt::endl;
                }
            });
        StopSignals stopSignals;
        QObject::connect(&stopSignals, &StopSignals::received, &m_transfer, &PanelTransfer::abort);
        m_told = false;
        if (start(m_transfer) && m_transfer.isRunning())
            loop.exec();
        QObject::disconnect(opened);
        if (!m_transfer.opened()) {
            fail(kPanelFailed,
                 m_link.openFailure() ? portfailure::english(*m_link.openFailure()) : QString());
            return false;
        }
        return true;
    }

    // Reads all 21 cells, with a line per cell when `report`; the values, or
    // nothing when the panel failed.
    std::optional<Codes> readCells(bool report)
    {
        const QMetaObject::Connection cells = QObject::connect(
            &m_transfer, &PanelTransfer::cellDone, [&](int n, const cellwalk::Cell &cell, bool) {
                if (report || cell.result != cellwalk::CellResult::Ok)
                    m_out << cellLine(n, cell.hasValue ? std::optional(cell.value) : std::nullopt,
                                      cellwalk::cellText(cell.result))
                          << Qt::endl;
            });
        const bool opened = runTransfer([](PanelTransfer &t) { return t.startRead(); });
        QObject::disconnect(cells);
        if (!opened)
            return std::nullopt;
        const cellwalk::PanelRead &read = m_transfer.panelRead();
        cellwalk::rememberPortIfAnswered(m_link, read.outcome);
        if (read.outcome != cellwalk::Outcome::Done) {
            m_out << cellwalk::endingText(cellwalk::ending(read.outcome, std::nullopt, m_link))
                  << Qt::endl;
            return std::nullopt;
        }
        return read.codes;
    }

    int writePanel()
    {
        Codes codes{};
        std::optional<qcf::Configuration> loaded;
        if (const int status = loadCodes(codes, &loaded); status != kDone)
            return status;
        // With --backup the panel is read and kept as a dated backup, with the
        // file's panel name and designations, before the write, on the same port.
        if (m_cl.backup)
            m_transfer.setBackup([this, file = *loaded](const cellwalk::PanelRead &read) {
                cellwalk::rememberPortIfAnswered(m_link, read.outcome);
                const backup::Kept kept = backup::keep(read, file, m_link.portName());
                if (!kept.ok())
                    return backup::english(kept);
                m_err << "switchpanel-config: backup of the panel: " << kept.saved.path << Qt::endl;
                return QString();
            });
        const QMetaObject::Connection cells =
            QObject::connect(&m_transfer, &PanelTransfer::cellDone,
                             [&](int n, const cellwalk::Cell &cell, bool writing) {
                                 const std::int16_t code = codes[memory_map::itemAt(n)];
                                 if (writing)
                                     m_out << cellLine(n, code, cellwalk::cellText(cell.result))
                                           << Qt::endl;
                             });
        const bool opened = runTransfer([&](PanelTransfer &t) { return t.startWrite(codes); });
        QObject::disconnect(cells);
        if (!opened)
            return kPanelFailed;
        if (!m_transfer.backupFailure().isEmpty())
            return fail(kPanelFailed, m_transfer.backupFailure());
        const panelwrite::Result &result = m_transfer.writeResult();
        cellwalk::rememberPortIfAnswered(m_link, result.outcome);
        m_out << result.statusText() << Qt::endl;
        return result.programmed() ? kDone : kPanelFailed;
    }

    // Panel after panel until --count panels are done, Ctrl+C or SIGTERM: a line
    // per panel, a row per panel in --report. With several ports, one slot per port
    // at the same time, each line marked with its slot.
    int station()
    {
        Codes codes{};
        std::optional<qcf::Configuration> loaded;
        if (const int status = loadCodes(codes, &loaded); status != kDone)
            return status;
        StationReport report;
        if (!m_cl.report.isEmpty()) {
            if (const ReportProblem why = report.open(m_cl.report); why.failed())
                return fail(kUnusable, QStringLiteral("%1: %2").arg(m_cl.report, english(why)));
            if (!report.repairNote().isEmpty())
                m_err << "switchpanel-config: " << m_cl.report << ": " << report.repairNote()
                      << Qt::endl;
        }

        StationGang gang;
        gang.setPorts(m_cl.ports.size() > 1 ? m_cl.ports : QStringList{chosenPort()});
        gang.setCodes(codes);
        gang.setFileName(QFileInfo(m_cl.file).fileName());
        gang.setCount(m_cl.count);
        gang.setReport(m_cl.report.isEmpty() ? nullptr : &report);
        if (!m_cl.log.isEmpty())
            gang.setTrafficLog(&m_log);
        if (m_cl.backup)
            gang.setBackup([file = *loaded](const cellwalk::PanelRead &read, const QString &port) {
                return backup::keep(read, file, port);
            });

        // Every line is written here, in this thread, whole.
        QObject::connect(
            &gang, &StationGang::slotStateChanged, [&](int slot, Station::State state) {
                if (state == Station::State::WaitingForPanel)
                    m_out << gang.marked(slot, QStringLiteral("WAITING FOR A PANEL ON ") +
                                                   gang.slot(slot).port)
                          << Qt::endl;
            });
        QObject::connect(&gang, &StationGang::portProblem,
                         [&](int slot, const std::optional<portfailure::OpenFailure> &failure) {
                             if (failure)
                                 m_err << gang.marked(slot, portfailure::english(*failure))
                                       << Qt::endl;
                         });
        QObject::connect(&gang, &StationGang::panelDone, [&](int slot, const StationPanel &panel) {
            m_out << gang.marked(slot, panel.line()) << Qt::endl;
        });

        StopSignals stopSignals;
        QObject::connect(&stopSignals, &StopSignals::received, &gang, &StationGang::stop);
        QEventLoop loop;
        QObject::connect(&gang, &StationGang::finished, &loop, &QEventLoop::quit);
        gang.start();
        if (gang.isRunning())
            loop.exec();

        m_out << countsText(gang.programmed(), gang.failed());
        if (gang.slotCount() > 1) {
            QStringList perSlot;
            for (int i = 0; i < gang.slotCount(); ++i)
                perSlot << gang.slot(i).name + QStringLiteral(": ") +
                               countsText(gang.slot(i).programmed, gang.slot(i).failed);
            m_out << " (" << perSlot.join(QStringLiteral("; ")) << ')';
        }
        m_out << Qt::endl;
        if (gang.reportError().failed())
            return fail(kUnusable,
                        QStringLiteral("%1: %2").arg(m_cl.report, english(gang.reportError())));
        return gang.failed() == 0 ? kDone : kPanelFailed;
    }

    static QString countsText(int programmed, int failed)
    {
        return QStringLiteral("%1 PROGRAMMED, %2 FAILED").arg(programmed).arg(failed);
    }

    int readPanel()
    {
        // A target that cannot be written is found before the panel is read.
        const QFileInfo target(m_cl.file);
        if (const files::FileProblem why = qcf::targetProblem(m_cl.file); why.failed())
            return fail(kUnusable, QStringLiteral("%1: %2").arg(m_cl.file, files::english(why)));
        const std::optional<Codes> values = readCells(true);
        if (!values)
            return kPanelFailed;

        // As the save command would save it after the read: the panel name from the
        // file name, no designations.
        qcf::Configuration config;
        QString name = target.fileName();
        if (name.endsWith(QStringLiteral(".qcf"), Qt::CaseInsensitive))
            name.chop(4);
        config.panel = codepage::toBytes(name.left(qcf::kPanelNameLength));
        for (int i = 0; i < qcf::kCodes; ++i)
            config.codes[i] = (*values)[i];
        const files::FileProblem why = qcf::saveFile(m_cl.file, qcf::format(config));
        if (why.failed())
            return fail(kUnusable, QStringLiteral("%1: %2").arg(m_cl.file, files::english(why)));
        m_out << statustext::english(statustext::Status::ReadSuccessful) << Qt::endl;
        return kDone;
    }

    int compare()
    {
        Codes codes{};
        if (const int status = loadCodes(codes); status != kDone)
            return status;
        const std::optional<Codes> values = readCells(false);
        if (!values)
            return kPanelFailed;
        // The cells in item order.
        Codes panel{};
        for (int i = 0; i < assignment::kItemCount; ++i)
            panel[i] = (*values)[memory_map::addressOf(i)];
        const QList<panelcompare::Difference> differences = panelcompare::differences(codes, panel);
        for (const panelcompare::Difference &d : differences)
            m_out << panelcompare::fileLine(d) << Qt::endl;
        if (differences.isEmpty()) {
            m_out << QStringLiteral("THE PANEL HOLDS THE CONFIGURATION OF %1")
                         .arg(QDir::toNativeSeparators(m_cl.file))
                  << Qt::endl;
            return kDone;
        }
        return kDiffers;
    }

    const CommandLine &m_cl;
    QTextStream &m_out;
    QTextStream &m_err;
    TrafficLog m_log; // outlives the session's link
    PanelLink m_link;
    PanelTransfer m_transfer{m_link};
    bool m_told = false; // the port's opening has been told
};

} // namespace

int run(const CommandLine &commandLine, QTextStream &out, QTextStream &err)
{
    return Runner(commandLine, out, err).run();
}

} // namespace headless
