#pragma once

#include "config/assignment.h"

#include <array>
#include <cstdint>

// What the window's handlers keep beside the configuration model: per item its
// live code with the module and channel parts it is made of (the list handlers
// keep them as the lists are clicked) and the code collected for output; and the
// flags of the collect step and of the switch view. Numeric fields are 16-bit
// signed and start at zero. (The configuration itself, with the designations and
// the panel name, is the model's; the panel commands' cells and values travel as
// arguments and results of the cell walk.)
struct ItemFields {
    std::int16_t code = 0;        // live code: s1..s10, led1..led10, BL
    std::int16_t modulePart = 0;  // s1m.., led1m.., blm
    std::int16_t channelPart = 0; // s1c.., led1c.., blc
    std::int16_t output = 0; // s1w.., led1w..; unused by the backlighting (BL is its own output)
};

struct ConfigRecord {
    std::array<ItemFields, assignment::kItemCount> items{};

    std::int16_t error_flag = 0;
    std::int16_t config_flag = 0;

    // The collected output code of an item; the backlighting's is BL itself.
    std::int16_t &output(int item)
    {
        return item == assignment::kBacklighting ? items[item].code : items[item].output;
    }

    // Per item by its name: sw(1).code is s1, led(4).output is led4w, bl().code is BL.
    ItemFields &sw(int n) { return items.at(n - 1); }
    ItemFields &led(int n) { return items.at(9 + n); }
    ItemFields &bl() { return items[assignment::kBacklighting]; }
};
