#include "qcf_text.h"

#include "config/assignment.h"
#include "files/code_page.h"

namespace qcftext {

using assignment::kUnassigned;

namespace {

QString itemName(int item) { return assignment::item(item).name(); }

} // namespace

QString moduleText(std::int16_t code)
{
    if (code < 0)
        return QStringLiteral("-");
    if (code >= kUnassigned)
        return QStringLiteral("N/A");
    return assignment::moduleEntryText(code / 10 + 1);
}

QString channelText(std::int16_t code)
{
    if (code < 0 || code >= kUnassigned)
        return QString();
    return assignment::channelEntryText(code % 10);
}

QString assignmentText(std::int16_t code)
{
    const QString channel = channelText(code);
    return channel.isEmpty() ? moduleText(code) : moduleText(code) + QLatin1Char(' ') + channel;
}

bool sameAssignment(std::int16_t a, std::int16_t b)
{
    return a == b || (a >= kUnassigned && b >= kUnassigned);
}

QString quoted(const QByteArray &fileText)
{
    QString shown = QStringLiteral("\"");
    for (const QChar c : codepage::toText(fileText)) {
        if (c.category() == QChar::Other_Control)
            shown += QStringLiteral("\\x") +
                     QStringLiteral("%1").arg(c.unicode(), 2, 16, QLatin1Char('0')).toUpper();
        else
            shown += c;
    }
    return shown + QLatin1Char('"');
}

QString describe(const qcf::Configuration &config)
{
    // Column widths: the longest item name and "N/A", each with room after it,
    // and channels up to 10 aligned on the right.
    constexpr int kNameWidth = 15;
    constexpr int kModuleWidth = 4;
    QString text = QStringLiteral("%1%2\n")
                       .arg(QStringLiteral("PANEL"), -kNameWidth)
                       .arg(quoted(config.panel));
    for (int i = 0; i < assignment::kItemCount; ++i) {
        const std::int16_t code = config.codes[i];
        QString row = QStringLiteral("%1%2%3")
                          .arg(itemName(i), -kNameWidth)
                          .arg(moduleText(code), -kModuleWidth)
                          .arg(channelText(code), 2);
        if (i < qcf::kDesignations)
            row += QStringLiteral("  ") + quoted(config.designations[i]);
        while (row.endsWith(QLatin1Char(' ')))
            row.chop(1);
        text += row + QLatin1Char('\n');
    }
    return text;
}

QList<Difference> differences(const qcf::Configuration &before, const qcf::Configuration &after)
{
    using Kind = Difference::Kind;
    QList<Difference> found;
    if (before.panel != after.panel)
        found.append({Kind::PanelName, -1, quoted(before.panel), quoted(after.panel)});
    for (int i = 0; i < assignment::kItemCount; ++i) {
        if (!sameAssignment(before.codes[i], after.codes[i]))
            found.append({Kind::Assignment, i, assignmentText(before.codes[i]),
                          assignmentText(after.codes[i])});
        if (i < qcf::kDesignations && before.designations[i] != after.designations[i])
            found.append({Kind::Designation, i, quoted(before.designations[i]),
                          quoted(after.designations[i])});
    }
    return found;
}

QList<int> differingItems(const QList<Difference> &differences)
{
    QList<int> items;
    for (const Difference &d : differences)
        if (d.item >= 0 && !items.contains(d.item))
            items.append(d.item);
    return items;
}

QString line(const Difference &difference)
{
    QString what;
    switch (difference.kind) {
    case Difference::Kind::PanelName:
        what = QStringLiteral("panel name");
        break;
    case Difference::Kind::Assignment:
        what = itemName(difference.item);
        break;
    case Difference::Kind::Designation:
        what = itemName(difference.item) + QStringLiteral(" designation");
        break;
    }
    return QStringLiteral("%1: %2 -> %3").arg(what, difference.before, difference.after);
}

} // namespace qcftext
