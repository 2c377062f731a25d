#pragma once

#include "config/assignment.h"

#include <QList>
#include <QString>
#include <array>
#include <cstdint>

// Comparing a configuration with what a panel holds, shared by the window's
// compare command and --compare: which items differ, and the texts that say so.
namespace panelcompare {

// The 21 codes of the items in item order. A configuration's code is -1 for an
// item without a complete assignment; 160 and more all mean "not assigned".

struct Difference {
    int item;               // 0..20
    std::int16_t ours = 0;  // the configuration's code
    std::int16_t panel = 0; // the panel's code
};

// The items in which `panel` differs from `ours`, in item order. An item without
// a complete assignment (-1) always differs, as nothing on a panel matches it.
QList<Difference> differences(const assignment::Codes &ours, const assignment::Codes &panel);

// "C 4" for code 23, "N/A" for 160 and for every code that is no assignment.
QString assignmentText(std::int16_t code);

// What a differing item's lists say: "PANEL HOLDS C 4", "PANEL HOLDS N/A".
QString panelHoldsText(std::int16_t panelCode);

// The compare's outcome in the status box: "PANEL HOLDS THIS CONFIGURATION", or
// "PANEL DIFFERS IN 3 ITEMS: SW3, LED5, BACKLIGHTING", naming at most the first
// six items and ending with "…" when there are more.
QString statusText(const QList<Difference> &differences);

// One line of --compare: "SW3: PANEL C 4, FILE N/A".
QString fileLine(const Difference &difference);

inline const QString kSame = QStringLiteral("PANEL HOLDS THIS CONFIGURATION");
inline constexpr int kNamedInStatus = 6;

} // namespace panelcompare
