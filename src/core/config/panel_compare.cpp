#include "panel_compare.h"

#include <QStringList>

namespace panelcompare {

namespace {
std::int16_t unassignedAsOne(std::int16_t code)
{
    return code > assignment::kUnassigned ? assignment::kUnassigned : code;
}
} // namespace

QList<Difference> differences(const assignment::Codes &ours, const assignment::Codes &panel)
{
    QList<Difference> found;
    for (int i = 0; i < assignment::kItemCount; ++i) {
        if (ours[i] >= 0 && unassignedAsOne(ours[i]) == unassignedAsOne(panel[i]))
            continue;
        found.append({i, ours[i], panel[i]});
    }
    return found;
}

QString assignmentText(std::int16_t code)
{
    if (code < 0 || code >= assignment::kUnassigned)
        return QStringLiteral("N/A");
    return assignment::moduleEntryText(code / 10 + 1) + QLatin1Char(' ') +
           assignment::channelEntryText(code % 10);
}

QString panelHoldsText(std::int16_t panelCode)
{
    return QStringLiteral("PANEL HOLDS ") + assignmentText(panelCode);
}

QString statusText(const QList<Difference> &differences)
{
    if (differences.isEmpty())
        return kSame;
    QStringList names;
    for (const Difference &d : differences.first(qMin(differences.size(), kNamedInStatus)))
        names << assignment::item(d.item).name();
    if (differences.size() > kNamedInStatus)
        names << QStringLiteral("\u2026");
    return QStringLiteral("PANEL DIFFERS IN %1 %2: %3")
        .arg(differences.size())
        .arg(differences.size() == 1 ? QStringLiteral("ITEM") : QStringLiteral("ITEMS"),
             names.join(QStringLiteral(", ")));
}

QString fileLine(const Difference &difference)
{
    return QStringLiteral("%1: PANEL %2, FILE %3")
        .arg(assignment::item(difference.item).name(), assignmentText(difference.panel),
             assignmentText(difference.ours));
}

} // namespace panelcompare
