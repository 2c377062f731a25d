#pragma once

#include "config/assignment.h"

// The panel's configuration memory: 21 one-byte cells, one per item, at addresses
// 0..20 in item order (SW1..SW10 at 0..9, LED1..LED10 at 10..19, the backlighting
// at 20). Both panel commands walk the cells in ascending address order.
namespace memory_map {

inline constexpr int kCellCount = assignment::kItemCount;

// The item stored in a cell, and the cell of an item: the same number.
inline constexpr int itemAt(int address) { return address; }
inline constexpr int addressOf(int item) { return item; }

} // namespace memory_map
