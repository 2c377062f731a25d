#include "config_csv.h"

#include "config/assignment.h"
#include "files/code_page.h"
#include "files/csv_table.h"
#include "files/qcf_file.h"
#include "files/qcf_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <optional>

namespace configcsv {

namespace {

using assignment::kUnassigned;

enum Column { File, Panel, Item, Module, Channel, Designation, kColumnCount };

const char *const kColumnNames[kColumnCount] = {"file",   "panel",   "item",
                                                "module", "channel", "designation"};

// An item without a complete assignment leaves both cells empty.
QString moduleCell(std::int16_t code) { return code < 0 ? QString() : qcftext::moduleText(code); }

std::optional<int> itemNamed(const QString &name)
{
    for (int i = 0; i < assignment::kItemCount; ++i)
        if (assignment::item(i).name().compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return std::nullopt;
}

// The module part of "A".."P" (any case), 160 for "N/A"; nullopt otherwise.
std::optional<std::int16_t> moduleNamed(const QString &text)
{
    if (text.compare(QStringLiteral("N/A"), Qt::CaseInsensitive) == 0)
        return kUnassigned;
    if (text.size() == 1) {
        const char16_t c = text[0].toUpper().unicode();
        if (c >= u'A' && c <= u'P')
            return static_cast<std::int16_t>(10 * (c - u'A'));
    }
    return std::nullopt;
}

// The channel part of "1".."10"; nullopt otherwise.
std::optional<std::int16_t> channelNamed(const QString &text)
{
    bool ok = false;
    const int channel = text.toInt(&ok);
    if (!ok || channel < 1 || channel > 10)
        return std::nullopt;
    return static_cast<std::int16_t>(channel - 1);
}

QString shown(const QString &text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

// Why `text` cannot be kept in a configuration file as a panel name or a
// designation, or empty. The file keeps a text between double quotes on one
// line, in its code page.
QString textProblem(const QString &text, int maxLength)
{
    if (!codepage::canHold(text))
        return QStringLiteral("%1 HAS A CHARACTER THAT THE CODE PAGE OF CONFIGURATION FILES (%2) "
                              "CANNOT HOLD")
            .arg(shown(text), codepage::name());
    if (text.contains(QLatin1Char('"')))
        return QStringLiteral("%1 HAS A DOUBLE QUOTE, WHICH A CONFIGURATION FILE CANNOT HOLD")
            .arg(shown(text));
    for (const QChar c : text)
        if (c.category() == QChar::Other_Control)
            return QStringLiteral("%1 HAS A LINE END OR CONTROL CHARACTER, WHICH A CONFIGURATION "
                                  "FILE CANNOT HOLD")
                .arg(shown(text));
    if (text.size() > maxLength)
        return QStringLiteral("%1 IS LONGER THAN %2 CHARACTERS").arg(shown(text)).arg(maxLength);
    return QString();
}

// The rows of one file while the sheet is checked.
struct Pending {
    FileImport import;
    int firstLine = 0;
    QHash<int, int> itemLines; // item -> the line that set it
    int panelLine = 0;         // the line that set the panel name, 0 none
    QString panel;
};

} // namespace

QStringList columns()
{
    QStringList names;
    for (const char *name : kColumnNames)
        names << QString::fromLatin1(name);
    return names;
}

QString fileColumn(const QString &path, const QString &csvPath)
{
    const QDir folder = QFileInfo(csvPath).absoluteDir();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const QString relative = folder.relativeFilePath(absolute);
    // On another drive there is no relative path: the result is absolute.
    return QDir::isRelativePath(relative) ? relative : QDir::fromNativeSeparators(absolute);
}

QByteArray sheet(const QList<SheetFile> &files)
{
    QString text = csvtable::record(columns());
    for (const SheetFile &f : files) {
        const QString panel = codepage::toText(f.config.panel);
        for (int i = 0; i < assignment::kItemCount; ++i) {
            const std::int16_t code = f.config.codes[i];
            const QString designation =
                i < qcf::kDesignations ? codepage::toText(f.config.designations[i]) : QString();
            text += csvtable::record({f.fileColumn, panel, assignment::item(i).name(),
                                      moduleCell(code), qcftext::channelText(code), designation});
        }
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

files::FileProblem writeSheet(const QString &csvPath, const QList<SheetFile> &files)
{
    return qcf::replaceFile(csvPath, sheet(files), files::FileKind::Csv);
}

namespace {

// The sheet read and checked row by row into the files it changes. Every
// problem is collected with its line and column; nothing is written.
class Planner
{
public:
    explicit Planner(QStringList &problems) : m_problems(problems)
    {
        std::fill(std::begin(m_at), std::end(m_at), -1);
    }

    std::optional<csvtable::Table> readTable(const QString &csvPath);
    bool readHeader(const csvtable::Record &header);
    void readRow(const csvtable::Record &row);
    QList<FileImport> files();

    QDir folder;

private:
    void problem(const csvtable::Record &row, Column c, const QString &text)
    {
        m_problems << QStringLiteral("LINE %1, COLUMN %2 (%3): %4")
                          .arg(row.line)
                          .arg(m_at[c] + 1)
                          .arg(QLatin1String(kColumnNames[c]), text);
    }
    QString cell(const csvtable::Record &row, Column c) const
    {
        return m_at[c] < 0 ? QString() : row.fields[m_at[c]];
    }
    // The index in m_pending of the file the row names, read and checked once
    // however many rows name it; -1 when it cannot be used.
    int fileOf(const csvtable::Record &row);
    void setAssignment(const csvtable::Record &row, Pending &p, int item);
    void setDesignation(const csvtable::Record &row, Pending &p, int item);
    void setPanel(const csvtable::Record &row, Pending &p);

    QStringList &m_problems;
    int m_at[kColumnCount];
    qsizetype m_width = 0;
    QList<Pending> m_pending;
    QHash<QString, int> m_fileIndex; // the file's canonical path -> its index in m_pending
    QHash<QString, int> m_unusable;  // a path already refused -> the line that said so
};

std::optional<csvtable::Table> Planner::readTable(const QString &csvPath)
{
    QFile csvFile(csvPath);
    const QFileInfo csvInfo(csvPath);
    if (!csvInfo.isFile() || !csvFile.open(QIODevice::ReadOnly)) {
        m_problems << (csvInfo.exists() && !csvInfo.isFile()
                           ? QStringLiteral("IT IS NOT A FILE")
                           : QStringLiteral("IT CANNOT BE READ: %1").arg(csvFile.errorString()));
        return std::nullopt;
    }
    folder = csvInfo.absoluteDir();
    // 21 rows for each of a few hundred files fit many times over.
    constexpr qsizetype kMaxSheetSize = 16 * qcf::kMaxFileSize;
    const QByteArray bytes = csvFile.read(kMaxSheetSize + 1);
    if (bytes.size() > kMaxSheetSize) {
        m_problems << QStringLiteral("THE SHEET IS LARGER THAN %1 MIB").arg(kMaxSheetSize >> 20);
        return std::nullopt;
    }
    csvtable::Table table = csvtable::read(bytes);
    if (!table.error.isEmpty()) {
        m_problems << QStringLiteral("LINE %1, COLUMN %2: %3")
                          .arg(table.errorLine)
                          .arg(table.errorField)
                          .arg(table.error);
        return std::nullopt;
    }
    if (table.records.isEmpty()) {
        m_problems << QStringLiteral("THE SHEET IS EMPTY: IT NEEDS A HEADER ROW WITH THE COLUMNS "
                                     "file AND item");
        return std::nullopt;
    }
    return table;
}

// The header: each known column by its name, once; file and item are needed.
bool Planner::readHeader(const csvtable::Record &header)
{
    m_width = header.fields.size();
    for (int f = 0; f < header.fields.size(); ++f) {
        const QString name = header.fields[f].trimmed();
        for (int c = 0; c < kColumnCount; ++c) {
            if (name.compare(QLatin1String(kColumnNames[c]), Qt::CaseInsensitive) != 0)
                continue;
            if (m_at[c] >= 0)
                m_problems << QStringLiteral(
                                  "LINE %1, COLUMN %2: THE COLUMN %3 IS ALREADY COLUMN %4")
                                  .arg(header.line)
                                  .arg(f + 1)
                                  .arg(QLatin1String(kColumnNames[c]))
                                  .arg(m_at[c] + 1);
            else
                m_at[c] = f;
        }
    }
    for (const Column c : {File, Item})
        if (m_at[c] < 0)
            m_problems << QStringLiteral("LINE %1: THE HEADER ROW HAS NO COLUMN %2")
                              .arg(header.line)
                              .arg(QLatin1String(kColumnNames[c]));
    return m_problems.isEmpty();
}

void Planner::readRow(const csvtable::Record &row)
{
    if (row.fields.size() != m_width) {
        m_problems << QStringLiteral("LINE %1: %2 FIELDS, BUT THE HEADER ROW HAS %3")
                          .arg(row.line)
                          .arg(row.fields.size())
                          .arg(m_width);
        return;
    }
    const int index = fileOf(row);
    if (index < 0)
        return;
    Pending &p = m_pending[index];

    const QString itemText = cell(row, Item).trimmed();
    const std::optional<int> item = itemNamed(itemText);
    if (!item) {
        problem(row, Item,
                QStringLiteral("%1 IS NOT AN ITEM - SW1 TO SW10, LED1 TO LED10 OR BACKLIGHTING")
                    .arg(shown(itemText)));
        return;
    }
    if (p.itemLines.contains(*item)) {
        problem(row, Item,
                QStringLiteral("%1 OF THIS FILE IS ALREADY ON LINE %2")
                    .arg(assignment::item(*item).name())
                    .arg(p.itemLines.value(*item)));
        return;
    }
    p.itemLines.insert(*item, row.line);
    setAssignment(row, p, *item);
    setDesignation(row, p, *item);
    setPanel(row, p);
}

int Planner::fileOf(const csvtable::Record &row)
{
    const QString fileText = cell(row, File).trimmed();
    if (fileText.isEmpty()) {
        problem(row, File, QStringLiteral("NO FILE NAMED"));
        return -1;
    }
    const QString path = QDir::isAbsolutePath(fileText)
                             ? QDir::cleanPath(fileText)
                             : QDir::cleanPath(folder.filePath(fileText));
    if (m_unusable.contains(path))
        return -1; // said on the line that named it first
    const QString key = QFileInfo(path).canonicalFilePath();
    if (const int index = key.isEmpty() ? -1 : m_fileIndex.value(key, -1); index >= 0)
        return index;

    QString why;
    const QString shownPath = QDir::toNativeSeparators(path);
    if (!QFileInfo::exists(path)) {
        why = QStringLiteral("THERE IS NO FILE %1").arg(shownPath);
    } else if (!path.endsWith(QStringLiteral(".qcf"), Qt::CaseInsensitive)) {
        // The reader takes almost any text with 42 fields; a sheet never changes a
        // file that is not named as a configuration file.
        why = QStringLiteral("%1 IS NOT A CONFIGURATION FILE (.qcf)").arg(shownPath);
    } else {
        const qcf::LoadedFile loaded = qcf::loadFile(path);
        QFile raw(path);
        if (!loaded.config)
            why = QStringLiteral("%1 IS NOT A CONFIGURATION FILE THAT CAN BE USED: %2")
                      .arg(shownPath, files::english(loaded.problem));
        else if (!raw.open(QIODevice::ReadOnly))
            why = QStringLiteral("%1: %2").arg(shownPath, raw.errorString());
        if (why.isEmpty()) {
            Pending p;
            p.import.name = fileText;
            p.import.path = path;
            p.import.original = raw.read(qcf::kMaxFileSize);
            p.import.before = *loaded.config;
            p.import.after = *loaded.config;
            p.firstLine = row.line;
            const int index = int(m_pending.size());
            m_pending << p;
            m_fileIndex.insert(key, index);
            return index;
        }
    }
    m_unusable.insert(path, row.line);
    problem(row, File, why);
    return -1;
}

// The assignment: module and channel together, or either one with the file's
// own other part.
void Planner::setAssignment(const csvtable::Record &row, Pending &p, int item)
{
    qcf::Configuration &config = p.import.after;
    const QString name = assignment::item(item).name();
    const std::int16_t current = config.codes[item];
    const bool assigned = current >= 0 && current < kUnassigned;
    const QString moduleText = cell(row, Module).trimmed();
    const QString channelText = cell(row, Channel).trimmed();
    std::optional<std::int16_t> module;
    std::optional<std::int16_t> channel;
    bool usable = true;
    if (!moduleText.isEmpty()) {
        module = moduleNamed(moduleText);
        if (!module) {
            problem(row, Module,
                    QStringLiteral("%1 IS NOT A MODULE - A TO P OR N/A").arg(shown(moduleText)));
            usable = false;
        }
    }
    if (!channelText.isEmpty()) {
        channel = channelNamed(channelText);
        if (!channel) {
            problem(row, Channel,
                    QStringLiteral("%1 IS NOT A CHANNEL - 1 TO 10").arg(shown(channelText)));
            usable = false;
        }
    }
    if (!usable)
        return;
    std::optional<std::int16_t> code;
    if (module == kUnassigned) {
        if (channel)
            problem(row, Channel, QStringLiteral("N/A TAKES NO CHANNEL"));
        else
            code = kUnassigned;
    } else if (module && channel) {
        code = static_cast<std::int16_t>(*module + *channel);
    } else if (module) {
        if (m_at[Channel] < 0 && assigned)
            code = static_cast<std::int16_t>(*module + current % 10);
        else
            problem(row, Channel,
                    m_at[Channel] < 0
                        ? QStringLiteral("%1 HAS NO CHANNEL IN THE FILE TO KEEP").arg(name)
                        : QStringLiteral("MODULE %1 NEEDS A CHANNEL").arg(moduleText.toUpper()));
    } else if (channel) {
        if (m_at[Module] < 0 && assigned)
            code = static_cast<std::int16_t>(current - current % 10 + *channel);
        else
            problem(row, Module,
                    m_at[Module] < 0
                        ? QStringLiteral("%1 HAS NO MODULE IN THE FILE TO KEEP").arg(name)
                        : QStringLiteral("CHANNEL %1 NEEDS A MODULE").arg(channelText));
    }
    if (code && !qcftext::sameAssignment(*code, current))
        config.codes[item] = *code;
}

void Planner::setDesignation(const csvtable::Record &row, Pending &p, int item)
{
    if (m_at[Designation] < 0)
        return;
    const QString designation = cell(row, Designation);
    if (item >= qcf::kDesignations) {
        if (!designation.isEmpty())
            problem(row, Designation, QStringLiteral("THE BACKLIGHTING HAS NO DESIGNATION"));
    } else if (const QString why = textProblem(designation, int(qcf::kMaxFileSize));
               !why.isEmpty()) {
        problem(row, Designation, why);
    } else {
        p.import.after.designations[item] = codepage::toBytes(designation);
    }
}

void Planner::setPanel(const csvtable::Record &row, Pending &p)
{
    const QString panel = cell(row, Panel);
    if (panel.isEmpty())
        return;
    if (p.panelLine > 0 && panel != p.panel) {
        problem(row, Panel,
                QStringLiteral("THE PANEL NAME %1 DIFFERS FROM %2 ON LINE %3")
                    .arg(shown(panel), shown(p.panel))
                    .arg(p.panelLine));
    } else if (const QString why = textProblem(panel, qcf::kPanelNameLength); !why.isEmpty()) {
        problem(row, Panel, why);
    } else if (p.panelLine == 0) {
        p.panelLine = row.line;
        p.panel = panel;
        p.import.after.panel = codepage::toBytes(panel);
    }
}

// Each file as the sheet leaves it, with what changed and whether it can still
// be opened again.
QList<FileImport> Planner::files()
{
    QList<FileImport> files;
    for (Pending &p : m_pending) {
        FileImport &f = p.import;
        if (const files::FileProblem why = qcf::sizeProblem(qcf::format(f.after).size());
            why.failed())
            m_problems << QStringLiteral("LINE %1: %2: %3")
                              .arg(p.firstLine)
                              .arg(QDir::toNativeSeparators(f.path), files::english(why));
        f.panelChanged = f.after.panel != f.before.panel;
        for (int i = 0; i < assignment::kItemCount; ++i)
            if (f.after.codes[i] != f.before.codes[i] ||
                (i < qcf::kDesignations && f.after.designations[i] != f.before.designations[i]))
                ++f.itemsChanged;
        files << f;
    }
    return files;
}

} // namespace

Import planImport(const QString &csvPath)
{
    Import result;
    Planner planner(result.problems);
    const std::optional<csvtable::Table> table = planner.readTable(csvPath);
    if (!table || !planner.readHeader(table->records.first()))
        return result;
    for (qsizetype r = 1; r < table->records.size(); ++r)
        planner.readRow(table->records[r]);
    result.files = planner.files();
    return result;
}

QString summary(const FileImport &file)
{
    const QString items = file.itemsChanged == 1
                              ? QStringLiteral("1 ITEM")
                              : QStringLiteral("%1 ITEMS").arg(file.itemsChanged);
    QString what;
    if (!file.changed())
        what = QStringLiteral("UNCHANGED");
    else if (!file.panelChanged)
        what = items + QStringLiteral(" CHANGED");
    else if (file.itemsChanged == 0)
        what = QStringLiteral("PANEL NAME CHANGED");
    else
        what = QStringLiteral("PANEL NAME AND ") + items + QStringLiteral(" CHANGED");
    return QDir::toNativeSeparators(file.name) + QStringLiteral(": ") + what;
}

QString backupPath(const QString &path) { return path + QStringLiteral(".bak"); }

QStringList applyImport(const Import &import)
{
    QStringList failures;
    if (!import.problems.isEmpty())
        return {QStringLiteral("THE SHEET HAS FAULTS; NOTHING WAS WRITTEN")};
    auto failed = [&](const QString &path, const files::FileProblem &why) {
        failures << QDir::toNativeSeparators(path) + QStringLiteral(": ") + files::english(why);
    };
    // Every backup first: one that cannot be written stops the import before any
    // configuration changes.
    for (const FileImport &f : import.files)
        if (f.changed())
            if (const files::FileProblem why =
                    qcf::replaceFile(backupPath(f.path), f.original, files::FileKind::Backup);
                why.failed())
                failed(backupPath(f.path), why);
    if (!failures.isEmpty())
        return failures;
    for (const FileImport &f : import.files)
        if (f.changed())
            if (const files::FileProblem why = qcf::saveFile(f.path, qcf::format(f.after));
                why.failed())
                failed(f.path, why);
    return failures;
}

} // namespace configcsv
