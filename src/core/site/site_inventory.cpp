#include "site_audit.h"

#include "files/csv_table.h"
#include "panel/port_address.h"
#include "panel/port_platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace site {

namespace {

using Refusal = InventoryProblem::Kind;

const QString kWhat = QStringLiteral("AN INVENTORY");

InventoryRead refused(const InventoryProblem &problem) { return {std::nullopt, problem}; }

InventoryProblem unreadable(const QFile &file)
{
    InventoryProblem problem(0, 0, Refusal::Unreadable);
    problem.text = file.errorString().toUpper();
    return problem;
}

// The inventory's bytes, or why they cannot be read: only a regular file is
// opened (a pipe would block, a device never end), and at most
// kMaxInventorySize bytes are read.
std::optional<QByteArray> readBytes(const QString &path, InventoryProblem &why)
{
    InventoryProblem tooLarge(0, 0, Refusal::TooLarge);
    tooLarge.number = int(kMaxInventorySize >> 20);
    const QFileInfo info(path);
    if (!info.exists())
        why = {0, 0, Refusal::Missing};
    else if (info.isDir())
        why = {0, 0, Refusal::IsFolder};
    else if (!info.isFile())
        why = {0, 0, Refusal::IsDevice};
    else if (info.size() > kMaxInventorySize)
        why = tooLarge;
    if (why.failed())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        why = unreadable(file);
        return std::nullopt;
    }
    if (file.isSequential()) { // replaced by a pipe or a device after the check
        why = {0, 0, Refusal::IsDevice};
        return std::nullopt;
    }
    QByteArray bytes = file.read(kMaxInventorySize + 1);
    if (file.error() != QFileDevice::NoError) {
        why = unreadable(file);
        return std::nullopt;
    }
    if (bytes.size() > kMaxInventorySize) {
        why = tooLarge;
        return std::nullopt;
    }
    return bytes;
}

bool allEmpty(const QStringList &fields)
{
    return std::all_of(fields.begin(), fields.end(),
                       [](const QString &f) { return f.trimmed().isEmpty(); });
}

} // namespace

// What tells two ports apart at first sight: a network address by its host and
// port number, a device by its name. Two ports that are one only by a link or a
// host name are found later, all at once (portaddress::repeatedPort).
QString portIdentity(const QString &port)
{
    const portaddress::Address address = portaddress::parse(port);
    if (address.isNetwork())
        return address.hostAndPort().toLower();
    return QDir::cleanPath(port);
}

int Inventory::rowOf(const QString &panel) const
{
    for (int i = 0; i < rows.size(); ++i)
        if (rows[i].panel == panel)
            return i;
    return -1;
}

QString problemText(const QString &path, const InventoryProblem &problem)
{
    QString where;
    if (problem.line > 0)
        where = problem.column > 0
                    ? QStringLiteral("LINE %1, COLUMN %2: ").arg(problem.line).arg(problem.column)
                    : QStringLiteral("LINE %1: ").arg(problem.line);
    return QStringLiteral("%1: %2%3").arg(QDir::toNativeSeparators(path), where, english(problem));
}

QString english(const InventoryProblem &problem)
{
    switch (problem.kind) {
    case Refusal::None:
        return QString();
    case Refusal::Missing:
        return QStringLiteral("THE FILE DOES NOT EXIST");
    case Refusal::IsFolder:
        return QStringLiteral("IT IS A FOLDER, NOT %1").arg(kWhat);
    case Refusal::IsDevice:
        return QStringLiteral("IT IS A DEVICE, PIPE OR SOCKET, NOT %1").arg(kWhat);
    case Refusal::TooLarge:
        return QStringLiteral("THE FILE IS LARGER THAN %1 MIB, TOO LARGE FOR %2")
            .arg(problem.number)
            .arg(kWhat);
    case Refusal::Unreadable:
        return problem.text;
    case Refusal::NotText:
        return QStringLiteral("IT IS NOT A TEXT FILE (IT HOLDS A NUL BYTE), NOT %1").arg(kWhat);
    case Refusal::QuoteNotClosed:
        return QStringLiteral("A QUOTE OPENED ON LINE %1 IS NEVER CLOSED").arg(problem.number);
    case Refusal::TextAfterQuote:
        return QStringLiteral("TEXT AFTER THE CLOSING QUOTE OF A FIELD");
    case Refusal::Empty:
        return QStringLiteral("THE INVENTORY IS EMPTY: ITS FIRST LINE NAMES THE COLUMNS "
                              "panel, location, port AND file");
    case Refusal::ColumnTwice:
        return QStringLiteral("THE COLUMN %1 IS NAMED TWICE (ALSO COLUMN %2)")
            .arg(problem.name)
            .arg(problem.number);
    case Refusal::ColumnMissing:
        return QStringLiteral("NO COLUMN NAMED %1: THE FIRST LINE NAMES THE COLUMNS "
                              "panel, location, port AND file")
            .arg(problem.name);
    case Refusal::FieldCount:
        return QStringLiteral("THE ROW HAS %1 FIELDS, THE HEADER %2")
            .arg(problem.number)
            .arg(problem.other);
    case Refusal::NameEmpty:
        return QStringLiteral("THE PANEL NAME IS EMPTY");
    case Refusal::NameTwice:
        return QStringLiteral("THE PANEL NAME \"%1\" IS ALSO ON LINE %2 (NAMES ARE COMPARED "
                              "WITHOUT REGARD TO CASE)")
            .arg(problem.name)
            .arg(problem.number);
    case Refusal::BadAddress:
        return problem.address ? portfailure::english(*problem.address) : QString();
    case Refusal::PortTwice:
        return QStringLiteral("THE PORT %1 IS ALSO THE PORT OF \"%2\" ON LINE %3")
            .arg(problem.port, problem.name)
            .arg(problem.number);
    case Refusal::SamePort:
        return QStringLiteral("THE PORT %1 IS THE PORT %2 OF \"%3\" ON LINE %4")
            .arg(problem.port, problem.otherPort, problem.name)
            .arg(problem.number);
    }
    return QString();
}

namespace {

// The columns of the header row, found by name in any order and any case; -1 for
// an optional column the inventory does not have.
struct Columns {
    int panel = -1, location = -1, port = -1, file = -1;
    int count = 0; // fields in the header row
};

std::optional<Columns> findColumns(const csvtable::Record &header, InventoryProblem &problem)
{
    QHash<QString, int> found;
    for (int i = 0; i < header.fields.size(); ++i) {
        const QString name = header.fields[i].trimmed().toLower();
        if (name != QLatin1String("panel") && name != QLatin1String("location") &&
            name != QLatin1String("port") && name != QLatin1String("file"))
            continue; // another column, left alone
        if (found.contains(name)) {
            problem = {header.line, i + 1, Refusal::ColumnTwice};
            problem.name = name;
            problem.number = found.value(name) + 1;
            return std::nullopt;
        }
        found.insert(name, i);
    }
    for (const QString &name : {QStringLiteral("panel"), QStringLiteral("file")})
        if (!found.contains(name)) {
            problem = {header.line, 0, Refusal::ColumnMissing};
            problem.name = name;
            return std::nullopt;
        }
    return Columns{found.value(QStringLiteral("panel")),
                   found.value(QStringLiteral("location"), -1),
                   found.value(QStringLiteral("port"), -1), found.value(QStringLiteral("file")),
                   int(header.fields.size())};
}

// The rows of an inventory taken one by one: each checked on its own and against
// the rows before it (a name or a port used twice).
class RowReader
{
public:
    RowReader(const Columns &columns, const QDir &folder) : m_columns(columns), m_folder(folder) {}

    // Adds the row of `record` to `rows`; false with `problem` when it is refused.
    bool add(const csvtable::Record &record, QList<InventoryRow> &rows, InventoryProblem &problem)
    {
        if (record.fields.size() != m_columns.count) {
            problem = {record.line, 0, Refusal::FieldCount};
            problem.number = int(record.fields.size());
            problem.other = m_columns.count;
            return false;
        }
        InventoryRow row;
        row.line = record.line;
        if (!takeName(record, row, problem) || !takePort(record, rows, row, problem))
            return false;
        if (m_columns.location >= 0)
            row.location = record.fields[m_columns.location].trimmed();
        row.file = record.fields[m_columns.file].trimmed();
        if (!row.file.isEmpty())
            row.filePath = QDir::cleanPath(m_folder.absoluteFilePath(row.file));
        rows.append(row);
        return true;
    }

private:
    bool takeName(const csvtable::Record &record, InventoryRow &row, InventoryProblem &problem)
    {
        const int column = m_columns.panel;
        row.panel = record.fields[column].trimmed();
        if (row.panel.isEmpty()) {
            problem = {record.line, column + 1, Refusal::NameEmpty};
            return false;
        }
        // Two names one folder on a file system that ignores case are one name.
        const QString folded = row.panel.toCaseFolded();
        if (m_lineOfName.contains(folded)) {
            problem = {record.line, column + 1, Refusal::NameTwice};
            problem.name = row.panel;
            problem.number = m_lineOfName.value(folded);
            return false;
        }
        m_lineOfName.insert(folded, record.line);
        return true;
    }

    bool takePort(const csvtable::Record &record, const QList<InventoryRow> &rows,
                  InventoryRow &row, InventoryProblem &problem)
    {
        const int column = m_columns.port;
        if (column < 0 || record.fields[column].trimmed().isEmpty())
            return true; // a panel without a permanent port
        row.port = portplatform::typedName(record.fields[column].trimmed());
        if (const portaddress::Address address = portaddress::parse(row.port);
            address.isNetwork() && !address.isUsable()) {
            problem = {record.line, column + 1, Refusal::BadAddress};
            problem.port = row.port;
            problem.address = portaddress::openFailure(address);
            return false;
        }
        const QString key = portIdentity(row.port);
        if (const auto other = m_rowOfPort.constFind(key); other != m_rowOfPort.cend()) {
            const InventoryRow &first = rows[*other];
            problem = {record.line, column + 1, Refusal::PortTwice};
            problem.port = row.port;
            problem.name = first.panel;
            problem.number = first.line;
            return false;
        }
        m_rowOfPort.insert(key, int(rows.size()));
        return true;
    }

    Columns m_columns;
    QDir m_folder;
    QHash<QString, int> m_lineOfName; // names compared without regard to case
    QHash<QString, int> m_rowOfPort;
};

// Ports that are one port written two ways: a link and its device, a host name
// and its address. False with `problem` on the later row of such a pair.
bool checkSamePorts(const QList<InventoryRow> &rows, int portColumn, InventoryProblem &problem)
{
    QStringList ports;
    QList<int> rowOfPortText;
    for (int i = 0; i < rows.size(); ++i)
        if (!rows[i].port.isEmpty()) {
            ports << rows[i].port;
            rowOfPortText << i;
        }
    const auto same = portaddress::repeatedPort(ports);
    if (!same)
        return true;
    for (int k = 0; k < ports.size(); ++k)
        for (int j = 0; j < k; ++j)
            if (ports[k] == same->first && ports[j] == same->second) {
                const InventoryRow &earlier = rows[rowOfPortText[j]];
                problem = {rows[rowOfPortText[k]].line, portColumn + 1, Refusal::SamePort};
                problem.port = same->first;
                problem.otherPort = same->second;
                problem.name = earlier.panel;
                problem.number = earlier.line;
                return false;
            }
    return true;
}

} // namespace

InventoryRead readInventory(const QString &path)
{
    InventoryProblem why;
    const std::optional<QByteArray> bytes = readBytes(path, why);
    if (!bytes)
        return refused(why);
    if (const qsizetype nul = bytes->indexOf('\0'); nul >= 0)
        return refused({int(bytes->left(nul).count('\n')) + 1, 0, Refusal::NotText});
    const csvtable::Table table = csvtable::read(*bytes);
    if (table.errorKind != csvtable::Table::Error::None) {
        InventoryProblem problem(table.errorLine, table.errorField,
                                 table.errorKind == csvtable::Table::Error::QuoteNotClosed
                                     ? Refusal::QuoteNotClosed
                                     : Refusal::TextAfterQuote);
        problem.number = table.quoteLine;
        return refused(problem);
    }
    if (table.records.isEmpty())
        return refused({1, 0, Refusal::Empty});

    InventoryProblem problem;
    const std::optional<Columns> columns = findColumns(table.records.first(), problem);
    if (!columns)
        return {std::nullopt, problem};
    Inventory inventory;
    inventory.path = QFileInfo(path).absoluteFilePath();
    inventory.folder = QFileInfo(path).absolutePath();
    RowReader reader(*columns, QDir(inventory.folder));
    for (qsizetype r = 1; r < table.records.size(); ++r) {
        const csvtable::Record &record = table.records[r];
        if (allEmpty(record.fields)) // a row a spreadsheet left with separators only
            continue;
        if (!reader.add(record, inventory.rows, problem))
            return {std::nullopt, problem};
    }
    if (!checkSamePorts(inventory.rows, columns->port, problem))
        return {std::nullopt, problem};
    return {std::move(inventory), {}};
}

} // namespace site
