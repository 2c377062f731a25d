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

const QString kWhat = QStringLiteral("AN INVENTORY");

InventoryRead refused(int line, int column, const QString &text)
{
    return {std::nullopt, {line, column, text}};
}

// The inventory's bytes, or why they cannot be read: only a regular file is
// opened (a pipe would block, a device never end), and at most
// kMaxInventorySize bytes are read.
std::optional<QByteArray> readBytes(const QString &path, QString &why)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        why = QStringLiteral("THE FILE DOES NOT EXIST");
        return std::nullopt;
    }
    if (info.isDir()) {
        why = QStringLiteral("IT IS A FOLDER, NOT %1").arg(kWhat);
        return std::nullopt;
    }
    if (!info.isFile()) {
        why = QStringLiteral("IT IS A DEVICE, PIPE OR SOCKET, NOT %1").arg(kWhat);
        return std::nullopt;
    }
    const QString tooLarge = QStringLiteral("THE FILE IS LARGER THAN %1 MIB, TOO LARGE FOR %2")
                                 .arg(kMaxInventorySize >> 20)
                                 .arg(kWhat);
    if (info.size() > kMaxInventorySize) {
        why = tooLarge;
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        why = file.errorString().toUpper();
        return std::nullopt;
    }
    if (file.isSequential()) { // replaced by a pipe or a device after the check
        why = QStringLiteral("IT IS A DEVICE, PIPE OR SOCKET, NOT %1").arg(kWhat);
        return std::nullopt;
    }
    QByteArray bytes = file.read(kMaxInventorySize + 1);
    if (file.error() != QFileDevice::NoError) {
        why = file.errorString().toUpper();
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
    return QStringLiteral("%1: %2%3").arg(QDir::toNativeSeparators(path), where, problem.text);
}

InventoryRead readInventory(const QString &path)
{
    QString why;
    const std::optional<QByteArray> bytes = readBytes(path, why);
    if (!bytes)
        return refused(0, 0, why);
    if (const qsizetype nul = bytes->indexOf('\0'); nul >= 0)
        return refused(
            int(bytes->left(nul).count('\n')) + 1, 0,
            QStringLiteral("IT IS NOT A TEXT FILE (IT HOLDS A NUL BYTE), NOT %1").arg(kWhat));
    const csvtable::Table table = csvtable::read(*bytes);
    if (!table.error.isEmpty())
        return refused(table.errorLine, table.errorField, table.error);
    if (table.records.isEmpty())
        return refused(1, 0,
                       QStringLiteral("THE INVENTORY IS EMPTY: ITS FIRST LINE NAMES THE COLUMNS "
                                      "panel, location, port AND file"));

    // The header: the columns found by name, in any order and any case.
    const csvtable::Record &header = table.records.first();
    QHash<QString, int> columns;
    for (int i = 0; i < header.fields.size(); ++i) {
        const QString name = header.fields[i].trimmed().toLower();
        if (name != QLatin1String("panel") && name != QLatin1String("location") &&
            name != QLatin1String("port") && name != QLatin1String("file"))
            continue; // another column, left alone
        if (columns.contains(name))
            return refused(header.line, i + 1,
                           QStringLiteral("THE COLUMN %1 IS NAMED TWICE (ALSO COLUMN %2)")
                               .arg(name)
                               .arg(columns.value(name) + 1));
        columns.insert(name, i);
    }
    for (const QString &name : {QStringLiteral("panel"), QStringLiteral("file")})
        if (!columns.contains(name))
            return refused(header.line, 0,
                           QStringLiteral("NO COLUMN NAMED %1: THE FIRST LINE NAMES THE COLUMNS "
                                          "panel, location, port AND file")
                               .arg(name));
    const int panelColumn = columns.value(QStringLiteral("panel"));
    const int fileColumn = columns.value(QStringLiteral("file"));
    const int locationColumn = columns.value(QStringLiteral("location"), -1);
    const int portColumn = columns.value(QStringLiteral("port"), -1);

    Inventory inventory;
    inventory.path = QFileInfo(path).absoluteFilePath();
    inventory.folder = QFileInfo(path).absolutePath();
    const QDir folder(inventory.folder);
    QHash<QString, int> lineOfName; // names compared without regard to case
    QHash<QString, int> rowOfPort;
    for (qsizetype r = 1; r < table.records.size(); ++r) {
        const csvtable::Record &record = table.records[r];
        if (allEmpty(record.fields)) // a row a spreadsheet left with separators only
            continue;
        if (record.fields.size() != header.fields.size())
            return refused(record.line, 0,
                           QStringLiteral("THE ROW HAS %1 FIELDS, THE HEADER %2")
                               .arg(record.fields.size())
                               .arg(header.fields.size()));
        InventoryRow row;
        row.line = record.line;
        row.panel = record.fields[panelColumn].trimmed();
        if (row.panel.isEmpty())
            return refused(record.line, panelColumn + 1, QStringLiteral("THE PANEL NAME IS EMPTY"));
        // Two names one folder on a file system that ignores case are one name.
        const QString folded = row.panel.toCaseFolded();
        if (lineOfName.contains(folded))
            return refused(record.line, panelColumn + 1,
                           QStringLiteral("THE PANEL NAME \"%1\" IS ALSO ON LINE %2 (NAMES ARE "
                                          "COMPARED WITHOUT REGARD TO CASE)")
                               .arg(row.panel)
                               .arg(lineOfName.value(folded)));
        lineOfName.insert(folded, record.line);
        if (locationColumn >= 0)
            row.location = record.fields[locationColumn].trimmed();
        if (portColumn >= 0 && !record.fields[portColumn].trimmed().isEmpty()) {
            row.port = portplatform::typedName(record.fields[portColumn].trimmed());
            if (const portaddress::Address address = portaddress::parse(row.port);
                address.isNetwork() && !address.isUsable())
                return refused(record.line, portColumn + 1, portaddress::problemText(address));
            const QString key = portIdentity(row.port);
            if (const auto other = rowOfPort.constFind(key); other != rowOfPort.cend()) {
                const InventoryRow &first = inventory.rows[*other];
                return refused(record.line, portColumn + 1,
                               QStringLiteral("THE PORT %1 IS ALSO THE PORT OF \"%2\" ON LINE %3")
                                   .arg(row.port, first.panel)
                                   .arg(first.line));
            }
            rowOfPort.insert(key, int(inventory.rows.size()));
        }
        row.file = record.fields[fileColumn].trimmed();
        if (!row.file.isEmpty())
            row.filePath = QDir::cleanPath(folder.absoluteFilePath(row.file));
        inventory.rows.append(row);
    }

    // Ports that are one port written two ways: a link and its device, a host
    // name and its address.
    QStringList ports;
    QList<int> rowOfPortText;
    for (int i = 0; i < inventory.rows.size(); ++i)
        if (!inventory.rows[i].port.isEmpty()) {
            ports << inventory.rows[i].port;
            rowOfPortText << i;
        }
    if (const auto same = portaddress::repeatedPort(ports)) {
        int later = -1, earlier = -1;
        for (int k = 0; k < ports.size() && later < 0; ++k)
            for (int j = 0; j < k; ++j)
                if (ports[k] == same->first && ports[j] == same->second) {
                    later = rowOfPortText[k];
                    earlier = rowOfPortText[j];
                    break;
                }
        if (later >= 0)
            return refused(inventory.rows[later].line, portColumn + 1,
                           QStringLiteral("THE PORT %1 IS THE PORT %2 OF \"%3\" ON LINE %4")
                               .arg(same->first, same->second, inventory.rows[earlier].panel)
                               .arg(inventory.rows[earlier].line));
    }
    return {std::move(inventory), {}};
}

} // namespace site
