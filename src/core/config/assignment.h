#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

// Assignment codes and the table of the 21 configurable items.
//
// An item (switch, LED or the backlighting) is assigned to a module A..P and a
// channel 1..10, or not assigned. Its code is module part + channel part, where
// the module part is 10 x (0 for A .. 15 for P) and the channel part is channel - 1,
// so 0..159; 160 means "not assigned". The same code is stored in a panel cell,
// in a configuration file and in the configuration record.
namespace assignment {

inline constexpr std::int16_t kUnassigned = 160;
inline constexpr int kItemCount = 21;      // SW1..SW10, LED1..LED10, backlighting
inline constexpr int kNamedItemCount = 20; // items that have a designation box
inline constexpr int kBacklighting = 20;   // index of the backlighting item
inline constexpr int kModuleEntries = 17;  // "N/A", "A".."P"
inline constexpr int kChannelEntries = 10; // "1".."10"

// The 21 codes of a configuration, by item and so by panel address: SW1..SW10,
// LED1..LED10, backlighting. The one type for them in the panel commands, the
// files, the model, the compare and the station.
using Codes = std::array<std::int16_t, kItemCount>;

// Entries of every module list and every channel list: text and the number each
// entry carries (its module or channel part).
QString moduleEntryText(int index);
std::int16_t moduleEntryNumber(int index); // 160 for "N/A", 10 * (index - 1) otherwise
QString channelEntryText(int index);
std::int16_t channelEntryNumber(int index); // index

enum class ItemKind { Switch, Led, Backlighting };

// One row of the item table. Items are numbered 0..20 in the fixed order SW1..SW10,
// LED1..LED10, backlighting; that is also the panel memory address of the item and
// the order of the configuration file.
struct Item {
    ItemKind kind;
    int number;          // 1..10 within its kind; 0 for the backlighting
    int moduleList;      // number of its module list (List1..List41)
    int channelList;     // number of its channel list (List2..List42)
    int designationBox;  // number of its designation box (Text3..Text22), 0 if none
    std::int16_t incompleteFlag; // error_flag value when its selection is incomplete
    QString name() const; // "SW1", "LED10", "BACKLIGHTING"
};

const Item &item(int index);

// Item owning list number `list` (1..42), and whether that list is its module list.
int itemOfList(int list);
bool isModuleList(int list);

// 16-bit signed addition that reports an overflow instead of wrapping around.
std::optional<std::int16_t> add16(std::int16_t a, std::int16_t b);

// Result of turning a code back into list positions.
struct Split {
    std::int16_t moduleIndex;  // h_index: 0 = "N/A", 1..16 = "A".."P"
    std::int16_t channelIndex; // l_index: 0..9, -1 clears the selection
    std::int16_t rest;         // what is left in the scratch cell A
};

// Splits `code` into list positions. A code of 160 or more gives module position 0
// and keeps the channel position `previousChannel` and the code itself unchanged; a
// code below 10 (negative codes too) gives module position 1 and the code itself as
// channel position; otherwise module position 1 + code / 10 and channel code % 10.
Split splitCode(std::int16_t code, std::int16_t previousChannel);

} // namespace assignment
