#include "site_audit.h"

#include "files/code_page.h"
#include "files/panel_backup.h"
#include "files/qcf_file.h"
#include "panel/memory_map.h"
#include "panel/panel_link.h"
#include "panel/panel_transfer.h"
#include "panel/port_address.h"
#include "panel/traffic_log.h"

#include <QDir>

#include <algorithm>

namespace site {

namespace {

// A panel's name as a line shows it: a control character would move the
// terminal's cursor or start an escape sequence.
QString shownName(const QString &panel)
{
    QString name = panel;
    for (QChar &c : name)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char('?');
    return name;
}

// The codes a file stands for, as opening it and writing would send them: 160
// and more as 160; -1 (an item without a complete assignment) stays -1.
assignment::Codes fileCodes(const qcf::Configuration &config)
{
    assignment::Codes codes{};
    for (int i = 0; i < assignment::kItemCount; ++i)
        codes[i] = std::min(config.codes[i], assignment::kUnassigned);
    return codes;
}

// The file of an inventory row, or why there is none.
qcf::LoadedFile loadRowFile(const InventoryRow &row)
{
    if (row.filePath.isEmpty())
        return {std::nullopt,
                files::FileProblem::said(QStringLiteral("THE INVENTORY NAMES NO FILE"))};
    return qcf::loadFile(row.filePath);
}

// What a panel without a file is kept as: its name from the inventory, no
// designations.
qcf::Configuration nameOnly(const QString &panel)
{
    qcf::Configuration config;
    config.panel = codepage::toBytes(panel.left(qcf::kPanelNameLength));
    return config;
}

} // namespace

QString resultLine(const Inventory &inventory, const PanelResult &result)
{
    const QString name = QStringLiteral("[%1] ").arg(shownName(inventory.rows[result.row].panel));
    switch (result.verdict) {
    case Verdict::Holds:
        return name + QStringLiteral("HOLDS ITS CONFIGURATION");
    case Verdict::Differs: {
        QStringList items;
        for (const panelcompare::Difference &d : result.differences)
            items << QStringLiteral("%1 (FILE %2, PANEL %3)")
                         .arg(assignment::item(d.item).name(), panelcompare::assignmentText(d.ours),
                              panelcompare::assignmentText(d.panel));
        return name + QStringLiteral("DIFFERS: ") + items.join(QStringLiteral(", "));
    }
    case Verdict::Unreachable:
        return name + QStringLiteral("UNREACHABLE: ") + reasonText(result);
    case Verdict::NoFile:
        return name + QStringLiteral("NO FILE: ") + reasonText(result);
    case Verdict::NoPort:
        return name + QStringLiteral("NO PORT");
    }
    return name;
}

QString reasonText(const PanelResult &result)
{
    switch (result.verdict) {
    case Verdict::Unreachable:
        if (result.openFailure)
            return portfailure::english(*result.openFailure);
        return result.ending ? cellwalk::endingText(*result.ending) : QString();
    case Verdict::NoFile:
        if (!result.fileProblem)
            return QStringLiteral("THE INVENTORY NAMES NO FILE");
        return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(result.filePath),
                                            files::english(*result.fileProblem));
    case Verdict::Holds:
    case Verdict::Differs:
    case Verdict::NoPort:
        break;
    }
    return QString();
}

QString verdictName(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Holds:
        return QStringLiteral("holds");
    case Verdict::Differs:
        return QStringLiteral("differs");
    case Verdict::Unreachable:
        return QStringLiteral("unreachable");
    case Verdict::NoFile:
        return QStringLiteral("no file");
    case Verdict::NoPort:
        return QStringLiteral("no port");
    }
    return QString();
}

void Counts::add(const PanelResult &result)
{
    switch (result.verdict) {
    case Verdict::Holds:
        ++holds;
        break;
    case Verdict::Differs:
        ++differs;
        break;
    case Verdict::Unreachable:
        ++unreachable;
        break;
    case Verdict::NoFile:
        ++noFile;
        break;
    case Verdict::NoPort:
        ++noPort;
        break;
    }
    if (result.historyProblem.failed())
        ++historyNotKept;
}

QString Counts::line() const
{
    QString text =
        (total() == 1 ? QStringLiteral("%1 PANEL: ") : QStringLiteral("%1 PANELS: ")).arg(total()) +
        QStringLiteral("%1 HOLD THEIR CONFIGURATION, %2 DIFFER, %3 UNREACHABLE, "
                       "%4 NO FILE, %5 NO PORT")
            .arg(holds)
            .arg(differs)
            .arg(unreachable)
            .arg(noFile)
            .arg(noPort);
    if (historyNotKept > 0)
        text += QStringLiteral("; HISTORY NOT KEPT FOR %1").arg(historyNotKept);
    return text;
}

namespace {

// The audit of panel `row` once its read on `link` has ended: compared with its
// file and kept in its history.
PanelResult readResult(const Inventory &inventory, int row, const PanelLink &link,
                       const PanelTransfer &transfer)
{
    const InventoryRow &panel = inventory.rows[row];
    PanelResult result;
    result.row = row;
    result.time = QDateTime::currentDateTime();
    if (!transfer.opened()) {
        result.verdict = Verdict::Unreachable;
        result.openFailure = link.openFailure();
        return result;
    }
    const cellwalk::PanelRead &read = transfer.panelRead();
    if (read.outcome != cellwalk::Outcome::Done) {
        result.verdict = Verdict::Unreachable;
        result.ending = cellwalk::ending(read.outcome, std::nullopt, link);
        return result;
    }
    assignment::Codes held{};
    for (int i = 0; i < assignment::kItemCount; ++i)
        held[i] = read.codes[memory_map::addressOf(i)];
    result.panelCodes = held;

    const qcf::LoadedFile file = loadRowFile(panel);
    qcf::Configuration kept = file.config ? *file.config : nameOnly(panel.panel);
    kept.codes = held;
    const Keeping keeping = keepInHistory(inventory, panel.panel, kept, result.time);
    if (keeping.added)
        result.keptCopy = keeping.path;
    result.historyProblem = keeping.problem;

    if (!file.config) {
        result.verdict = Verdict::NoFile;
        if (!panel.filePath.isEmpty()) {
            result.fileProblem = file.problem;
            result.filePath = panel.filePath;
        }
        return result;
    }
    result.differences = panelcompare::differences(fileCodes(*file.config), held);
    result.verdict = result.differences.isEmpty() ? Verdict::Holds : Verdict::Differs;
    return result;
}

} // namespace

QStringList AuditReport::columns()
{
    return {QStringLiteral("time"),
            QStringLiteral("panel"),
            QStringLiteral("location"),
            QStringLiteral("port"),
            QStringLiteral("file"),
            QStringLiteral("result"),
            QStringLiteral("differing_items"),
            QStringLiteral("codes_sha256"),
            QStringLiteral("reason")};
}

QStringList AuditReport::fields(const Inventory &inventory, const PanelResult &result)
{
    const InventoryRow &row = inventory.rows[result.row];
    QStringList items;
    for (const panelcompare::Difference &d : result.differences)
        items << assignment::item(d.item).name();
    QString reason = reasonText(result);
    if (result.historyProblem.failed())
        reason += (reason.isEmpty() ? QString() : QStringLiteral("; ")) +
                  QStringLiteral("HISTORY NOT KEPT: ") + english(result.historyProblem);
    return {isoLocalTime(result.time),
            row.panel,
            row.location,
            row.port,
            row.file,
            verdictName(result.verdict),
            items.join(QLatin1Char(' ')),
            result.panelCodes ? QString::fromLatin1(codesSha256(*result.panelCodes)) : QString(),
            reason};
}

// One panel being read: its transfer on a link of its own, both driven by the
// audit's thread beside the other panels' (members destroyed in reverse order:
// the transfer, which closes the port, before its link, the link before its log).
struct Audit::Job {
    int row = -1;
    QString portKey;
    std::unique_ptr<TrafficLog> log; // marked with the panel's name
    std::unique_ptr<PanelLink> link;
    std::unique_ptr<PanelTransfer> transfer;
};

Audit::Audit(Inventory inventory, QObject *parent)
    : QObject(parent), m_inventory(std::move(inventory))
{}

Audit::~Audit()
{
    // The reads in progress end here, untold: their transfers close their ports.
    m_queue.clear();
    m_active.clear();
}

QString Audit::portOf(int row) const
{
    return m_port.isEmpty() ? m_inventory.rows[row].port : m_port;
}

void Audit::start()
{
    if (m_running)
        return;
    m_queue.clear();
    if (m_rows.isEmpty())
        for (int i = 0; i < m_inventory.rows.size(); ++i)
            m_queue << i;
    else
        for (int row : m_rows)
            if (row >= 0 && row < m_inventory.rows.size())
                m_queue << row;
    m_running = true;
    m_stopping = false;
    m_notStarted = 0;
    // Everything is reported from the event loop, after start() has returned.
    QMetaObject::invokeMethod(
        this, [this] { schedule(); }, Qt::QueuedConnection);
}

void Audit::stop()
{
    if (!m_running || m_stopping)
        return;
    m_stopping = true;
    m_notStarted = int(m_queue.size());
    m_queue.clear();
    QMetaObject::invokeMethod(
        this, [this] { schedule(); }, Qt::QueuedConnection);
}

bool Audit::isRunning() const { return m_running; }

void Audit::schedule()
{
    if (!m_running)
        return;
    const int jobs = std::max(1, m_jobs);
    for (qsizetype i = 0; i < m_queue.size() && int(m_active.size()) < jobs;) {
        const int row = m_queue[i];
        const QString port = portOf(row);
        if (port.isEmpty()) {
            m_queue.removeAt(i);
            PanelResult result;
            result.row = row;
            result.time = QDateTime::currentDateTime();
            emit panelStarted(row);
            emit panelFinished(result);
            if (!m_running) // stopped and finished by a receiver
                return;
            continue;
        }
        // Panels on one port are never read at once.
        const QString key = portIdentity(port);
        if (std::any_of(m_active.begin(), m_active.end(),
                        [&](const auto &job) { return job->portKey == key; })) {
            ++i;
            continue;
        }
        m_queue.removeAt(i);
        startJob(row, port, key);
    }
    if (m_active.empty() && (m_queue.isEmpty() || m_stopping)) {
        m_running = false;
        emit finished();
    }
}

void Audit::startJob(int row, const QString &port, const QString &portKey)
{
    auto job = std::make_unique<Job>();
    Job *j = job.get();
    j->row = row;
    j->portKey = portKey;
    if (m_log)
        j->log = std::make_unique<TrafficLog>(*m_log, m_inventory.rows[row].panel);
    j->link = std::make_unique<PanelLink>();
    j->link->setPortName(port);
    j->link->setTrafficLog(j->log.get());
    j->transfer = std::make_unique<PanelTransfer>(*j->link);
    connect(j->transfer.get(), &PanelTransfer::cellDone, this,
            [this, row](int address, const cellwalk::Cell &, bool) {
                emit cellRead(row, address + 1);
            });
    // The rest of the panel's audit, and the transfer's end, once its finished()
    // has returned.
    connect(
        j->transfer.get(), &PanelTransfer::finished, this, [this, j] { onJobFinished(j); },
        Qt::QueuedConnection);
    m_active.push_back(std::move(job));
    emit panelStarted(row);
    j->transfer->startRead();
}

void Audit::onJobFinished(Job *job)
{
    const auto it = std::find_if(m_active.begin(), m_active.end(),
                                 [job](const auto &j) { return j.get() == job; });
    if (it == m_active.end())
        return;
    std::unique_ptr<Job> done = std::move(*it);
    m_active.erase(it);
    const PanelResult result = readResult(m_inventory, done->row, *done->link, *done->transfer);
    done.reset();
    emit panelFinished(result);
    schedule();
}

Restore::Restore(Inventory inventory, int row, QObject *parent)
    : QObject(parent), m_inventory(std::move(inventory)), m_row(row)
{}

// The transfer goes before its link; the write it runs, if any, ends where it is.
Restore::~Restore() { m_transfer.reset(); }

QString english(const RestoreProblem &problem)
{
    using Kind = RestoreProblem::Kind;
    const QString path = QDir::toNativeSeparators(problem.path);
    switch (problem.kind) {
    case Kind::None:
        return QString();
    case Kind::NoPort:
        return QStringLiteral("NO PORT: THE INVENTORY GIVES \"%1\" NO PORT").arg(problem.panel);
    case Kind::NoFileNamed:
        return QStringLiteral("NO FILE: THE INVENTORY NAMES NO FILE");
    case Kind::NoFile:
        return QStringLiteral("NO FILE: %1: %2").arg(path, files::english(problem.file));
    case Kind::IncompleteItem:
        return qcf::incompleteItemText(path, problem.item);
    case Kind::BackupNotRead:
        return QStringLiteral("THE PANEL COULD NOT BE READ FOR A BACKUP (%1), NOTHING WAS WRITTEN")
            .arg(problem.ending ? cellwalk::endingText(*problem.ending) : QString());
    case Kind::BackupNotSaved:
        return backup::english(problem.backup) + QStringLiteral(", NOTHING WAS WRITTEN");
    }
    return QString();
}

RestoreProblem Restore::refusal(const QString &port, assignment::Codes &codes)
{
    using Kind = RestoreProblem::Kind;
    const InventoryRow &panel = m_inventory.rows[m_row];
    RestoreProblem problem;
    if (port.isEmpty()) {
        problem.kind = Kind::NoPort;
        problem.panel = shownName(panel.panel);
        return problem;
    }
    if (panel.filePath.isEmpty()) {
        problem.kind = Kind::NoFileNamed;
        return problem;
    }
    const qcf::LoadedFile file = qcf::loadFile(panel.filePath);
    problem.path = panel.filePath;
    if (!file.config) {
        problem.kind = Kind::NoFile;
        problem.file = file.problem;
        return problem;
    }
    if (const int item = qcf::incompleteItem(*file.config); item >= 0) {
        problem.kind = Kind::IncompleteItem;
        problem.item = item;
        return problem;
    }
    codes = fileCodes(*file.config);
    m_file = file.config;
    return {};
}

void Restore::start()
{
    if (m_running || m_row < 0 || m_row >= m_inventory.rows.size())
        return;
    m_running = true;
    m_result = {};
    m_file.reset();
    const QString port = m_port.isEmpty() ? m_inventory.rows[m_row].port : m_port;
    assignment::Codes codes{};
    if (const RestoreProblem why = refusal(port, codes); why.failed()) {
        m_result.problem = why;
        m_result.statusText = english(why);
        // Told from the event loop, as the end of a write is.
        QMetaObject::invokeMethod(
            this, [this] { end(); }, Qt::QueuedConnection);
        return;
    }

    m_transfer.reset();
    m_link = std::make_unique<PanelLink>();
    m_link->setPortName(port);
    m_link->setTrafficLog(m_log);
    m_transfer = std::make_unique<PanelTransfer>(*m_link);
    // What the panel holds, read and kept before anything is written: as a backup,
    // as --write-panel --backup keeps it, and in the panel's history.
    m_transfer->setBackup([this](const cellwalk::PanelRead &read) { return keepBackup(read); });
    connect(m_transfer.get(), &PanelTransfer::cellDone, this,
            [this](int address, const cellwalk::Cell &cell, bool writing) {
                if (writing)
                    emit cellWritten(address + 1, cell);
            });
    connect(m_transfer.get(), &PanelTransfer::finished, this, &Restore::onTransferFinished,
            Qt::QueuedConnection);
    m_transfer->startWrite(codes);
}

void Restore::abort()
{
    if (m_transfer && m_transfer->isRunning())
        m_transfer->abort();
}

// Keeps what the panel held before the write; the transfer is told why not in
// English, the result keeps the same as a value.
QString Restore::keepBackup(const cellwalk::PanelRead &read)
{
    if (read.outcome != cellwalk::Outcome::Done) {
        m_result.problem.kind = RestoreProblem::Kind::BackupNotRead;
        m_result.problem.ending = cellwalk::ending(read.outcome, std::nullopt, *m_link);
        return english(m_result.problem);
    }
    qcf::Configuration held = *m_file;
    for (int i = 0; i < assignment::kItemCount; ++i)
        held.codes[i] = read.codes[memory_map::addressOf(i)];
    const backup::Saved saved = backup::save(held, backup::kBeforeWrite, m_link->portName());
    if (saved.failure.failed()) {
        m_result.problem.kind = RestoreProblem::Kind::BackupNotSaved;
        m_result.problem.backup = saved.failure;
        return english(m_result.problem);
    }
    m_result.backup = saved.path;
    const Keeping keeping = keepInHistory(m_inventory, m_inventory.rows[m_row].panel, held);
    m_result.keptCopy = keeping.path;
    m_result.historyProblem = keeping.problem;
    return QString();
}

void Restore::onTransferFinished()
{
    if (!m_transfer || m_transfer->isRunning())
        return;
    RestoreResult &result = m_result;
    if (!m_transfer->opened()) {
        result.openFailure = m_link->openFailure();
        result.statusText =
            m_link->openFailure() ? portfailure::english(*m_link->openFailure()) : QString();
    } else if (!m_transfer->backupFailure().isEmpty()) {
        result.statusText = m_transfer->backupFailure();
    } else {
        const panelwrite::Result &written = m_transfer->writeResult();
        result.programmed = written.programmed();
        result.statusText = written.statusText();
        result.ending = written.ending();
    }
    m_transfer.reset();
    m_link.reset();
    end();
}

void Restore::end()
{
    m_running = false;
    emit finished(m_result);
}

} // namespace site
