#include "assignment.h"

#include <limits>

namespace assignment {

QString moduleEntryText(int index)
{
    return index == 0 ? QStringLiteral("N/A") : QString(QChar(u'A' + (index - 1)));
}

std::int16_t moduleEntryNumber(int index)
{
    return index == 0 ? kUnassigned : static_cast<std::int16_t>(10 * (index - 1));
}

QString channelEntryText(int index) { return QString::number(index + 1); }

std::int16_t channelEntryNumber(int index) { return static_cast<std::int16_t>(index); }

namespace {
std::array<Item, kItemCount> makeItems()
{
    std::array<Item, kItemCount> items{};
    for (int i = 0; i < kItemCount; ++i) {
        Item &it = items[i];
        if (i == kBacklighting) {
            it = {ItemKind::Backlighting, 0, 41, 42, 0, 2};
        } else {
            const bool isSwitch = i < 10;
            it = {isSwitch ? ItemKind::Switch : ItemKind::Led, i % 10 + 1, 2 * i + 1, 2 * i + 2,
                  i + 3, static_cast<std::int16_t>(isSwitch ? 1 : 2)};
        }
    }
    return items;
}
} // namespace

const Item &item(int index)
{
    static const std::array<Item, kItemCount> items = makeItems();
    return items.at(index);
}

QString Item::name() const
{
    switch (kind) {
    case ItemKind::Switch:
        return QStringLiteral("SW%1").arg(number);
    case ItemKind::Led:
        return QStringLiteral("LED%1").arg(number);
    case ItemKind::Backlighting:
        break;
    }
    return QStringLiteral("BACKLIGHTING");
}

int itemOfList(int list) { return (list - 1) / 2; }

bool isModuleList(int list) { return list % 2 == 1; }

std::optional<std::int16_t> add16(std::int16_t a, std::int16_t b)
{
    const int sum = int(a) + int(b);
    if (sum < std::numeric_limits<std::int16_t>::min() ||
        sum > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(sum);
}

Split splitCode(std::int16_t code, std::int16_t previousChannel)
{
    if (code >= kUnassigned)
        return {0, previousChannel, code};
    if (code < 10)
        return {1, code, code};
    // code is 10..159 here: the repeated subtraction comes down to div and mod.
    const auto rest = static_cast<std::int16_t>(code % 10);
    return {static_cast<std::int16_t>(1 + code / 10), rest, rest};
}

} // namespace assignment
