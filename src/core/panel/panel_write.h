#pragma once

#include "panel/cell_walk.h"
#include "panel/memory_map.h"

#include <QString>
#include <array>
#include <cstdint>
#include <functional>

// The result of programming a whole panel (the handshake, then every cell written
// and read back, stopping at the first that fails; panel/panel_transfer.h), as the
// window, --write-panel and the programming station tell it.
namespace panelwrite {

struct Result {
    cellwalk::Outcome outcome = cellwalk::Outcome::NoResponse;
    int failedAddress = -1; // the cell that failed (CellFailed), else -1
    cellwalk::CellResult failedCell = cellwalk::CellResult::Ok;
    std::optional<portfailure::Loss> loss; // the port lost during the write: which and why

    bool programmed() const { return outcome == cellwalk::Outcome::Done; }
    // How the write ended, as the status box says it: "SWITCH PANEL HAS BEEN
    // PROGRAMMED" or the failure of the walk; with the port lost, which and why,
    // and how many cells had been written and verified.
    cellwalk::Ending ending() const;
    // The same in English (cellwalk::endingText), as the command line and the
    // station's report print it.
    QString statusText() const { return cellwalk::endingText(ending()); }
    // The item of the failed cell ("SW8"), empty when no cell failed.
    QString failedItem() const;
};

} // namespace panelwrite
