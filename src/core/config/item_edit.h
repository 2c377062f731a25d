#pragma once

#include "config/assignment.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

// Editing whole items: what one item holds as its lists and designation box show
// it, its text and data on the clipboard, and which switches share a channel.
// Shared by the window's Edit commands; no widgets.
namespace itemedit {

// One item as its controls show it: the selected positions of its module list
// (-1 none, 0 "N/A", 1..16 "A".."P") and channel list (-1 none, 0..9 "1".."10"),
// and its designation box's text (none for the backlighting).
struct ItemValue {
    int module = -1;
    int channel = -1;
    std::optional<QString> designation;
    bool operator==(const ItemValue &) const = default;
};

// A value taken from the clipboard with the item it was copied from.
struct Clip {
    int item = 0;
    ItemValue value;
};

// The clipboard's data type for an item; the plain text goes beside it.
inline const QString kMimeType = QStringLiteral("application/x-switchpanel-item");

// "SW3: C 4 PUMP", "LED1: N/A", "BACKLIGHTING: A 10". A module without a channel
// reads "C", an item without a module "-"; a designation is left off when empty.
QString itemText(int item, const ItemValue &value);
// The data of the custom type, and reading it back (nullopt when it is not one
// item's data, or names positions no list has).
QByteArray itemData(int item, const ItemValue &value);
std::optional<Clip> parseItemData(const QByteArray &data);
// Reads the plain text back, for text pasted from elsewhere: the item's name and a
// complete assignment ("C 4", "N/A") are needed, the designation is the rest.
std::optional<Clip> parseItemText(const QString &text);

// What `item` holds after `source` is pasted onto it: module and channel, and the
// designation where both have one (the target keeps its own otherwise).
ItemValue pasted(const ItemValue &target, const ItemValue &source);

// The items a swap chooser offers for `item`: the others of its view (switches;
// LEDs and the backlighting), in item order.
QList<int> sameViewItems(int item);

// The switches that share their module and channel with another switch, each with
// the others in item order. LEDs, the backlighting and "N/A" never count.
// `codes` in item order: -1 for no complete assignment, 160 and more "N/A".
QMap<int, QList<int>> sameChannelSwitches(const assignment::Codes &codes);
// "SAME CHANNEL AS SW7", "SAME CHANNEL AS SW3 AND SW7", "SAME CHANNEL AS SW2, SW3
// AND SW7".
QString sameChannelText(const QList<int> &others);

} // namespace itemedit
