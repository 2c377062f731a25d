#include "config/item_edit.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

namespace itemedit {

namespace {
int itemNamed(const QString &name)
{
    for (int i = 0; i < assignment::kItemCount; ++i)
        if (assignment::item(i).name() == name)
            return i;
    return -1;
}

bool hasDesignation(int item) { return assignment::item(item).designationBox != 0; }

// Positions no list has, and a designation where the item has no box, are no value.
bool valid(int item, const ItemValue &v)
{
    return v.module >= -1 && v.module < assignment::kModuleEntries && v.channel >= -1 &&
           v.channel < assignment::kChannelEntries &&
           v.designation.has_value() == hasDesignation(item);
}

QString assignmentText(const ItemValue &v)
{
    if (v.module < 0)
        return QStringLiteral("-");
    QString text = assignment::moduleEntryText(v.module);
    if (v.module > 0 && v.channel >= 0)
        text += QLatin1Char(' ') + assignment::channelEntryText(v.channel);
    return text;
}

const QString kItem = QStringLiteral("item");
const QString kModule = QStringLiteral("module");
const QString kChannel = QStringLiteral("channel");
const QString kDesignation = QStringLiteral("designation");
} // namespace

QString itemText(int item, const ItemValue &value)
{
    QString text = assignment::item(item).name() + QStringLiteral(": ") + assignmentText(value);
    if (value.designation && !value.designation->trimmed().isEmpty())
        text += QLatin1Char(' ') + *value.designation;
    return text;
}

QByteArray itemData(int item, const ItemValue &value)
{
    QJsonObject o{
        {kItem, assignment::item(item).name()}, {kModule, value.module}, {kChannel, value.channel}};
    if (value.designation)
        o.insert(kDesignation, *value.designation);
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

std::optional<Clip> parseItemData(const QByteArray &data)
{
    const QJsonObject o = QJsonDocument::fromJson(data).object();
    Clip clip;
    clip.item = itemNamed(o.value(kItem).toString());
    if (clip.item < 0 || !o.value(kModule).isDouble() || !o.value(kChannel).isDouble())
        return std::nullopt;
    clip.value.module = o.value(kModule).toInt();
    clip.value.channel = o.value(kChannel).toInt();
    if (o.value(kDesignation).isString())
        clip.value.designation = o.value(kDesignation).toString();
    if (!valid(clip.item, clip.value))
        return std::nullopt;
    return clip;
}

std::optional<Clip> parseItemText(const QString &text)
{
    const qsizetype colon = text.indexOf(QStringLiteral(": "));
    if (colon < 0)
        return std::nullopt;
    Clip clip;
    clip.item = itemNamed(text.left(colon));
    if (clip.item < 0)
        return std::nullopt;
    QString rest = text.mid(colon + 2);
    auto take = [&rest]() {
        const qsizetype space = rest.indexOf(QLatin1Char(' '));
        const QString word = space < 0 ? rest : rest.left(space);
        rest = space < 0 ? QString() : rest.mid(space + 1);
        return word;
    };
    const QString module = take();
    for (int m = 0; m < assignment::kModuleEntries; ++m)
        if (assignment::moduleEntryText(m) == module)
            clip.value.module = m;
    if (clip.value.module > 0) {
        const QString channel = take();
        for (int c = 0; c < assignment::kChannelEntries; ++c)
            if (assignment::channelEntryText(c) == channel)
                clip.value.channel = c;
        if (clip.value.channel < 0)
            return std::nullopt;
    } else if (clip.value.module < 0) {
        return std::nullopt;
    }
    if (hasDesignation(clip.item))
        clip.value.designation = rest;
    return clip;
}

ItemValue pasted(const ItemValue &target, const ItemValue &source)
{
    ItemValue v = source;
    v.designation =
        target.designation && source.designation ? source.designation : target.designation;
    return v;
}

QList<int> sameViewItems(int item)
{
    const bool switches = assignment::item(item).kind == assignment::ItemKind::Switch;
    QList<int> items;
    for (int i = switches ? 0 : 10; i < (switches ? 10 : assignment::kItemCount); ++i)
        if (i != item)
            items << i;
    return items;
}

QMap<int, QList<int>> sameChannelSwitches(const assignment::Codes &codes)
{
    QMap<int, QList<int>> same;
    auto assigned = [&](int i) { return codes[i] >= 0 && codes[i] < assignment::kUnassigned; };
    for (int i = 0; i < 10; ++i)
        for (int j = 0; j < 10; ++j)
            if (i != j && assigned(i) && codes[i] == codes[j])
                same[i] << j;
    return same;
}

QString sameChannelText(const QList<int> &others)
{
    QStringList names;
    for (int i : others)
        names << assignment::item(i).name();
    QString text = names.takeLast();
    if (!names.isEmpty())
        text = names.join(QStringLiteral(", ")) + QStringLiteral(" AND ") + text;
    return QStringLiteral("SAME CHANNEL AS ") + text;
}

} // namespace itemedit
