#include "panel_write.h"

#include "config/assignment.h"

namespace panelwrite {

cellwalk::Ending Result::ending() const
{
    cellwalk::Ending end;
    end.outcome = outcome;
    end.done = statustext::Status::Programmed;
    if (!programmed()) {
        end.loss = loss;
        // How far the write came: the cells below the failed one are written and verified.
        if (loss && outcome == cellwalk::Outcome::CellFailed)
            end.cellsWritten = failedAddress;
    }
    return end;
}

QString Result::failedItem() const
{
    if (failedAddress < 0)
        return QString();
    return assignment::item(memory_map::itemAt(failedAddress)).name();
}

} // namespace panelwrite
