#include "panel_write.h"

#include "config/assignment.h"
#include "panel/panel_link.h"

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

Result writeCodes(PanelLink &link, const assignment::Codes &codes,
                  const std::function<void(int address, const cellwalk::Cell &cell)> &onCell)
{
    Result result;
    result.outcome = cellwalk::walk(link, [&](int n) {
        const std::int16_t value = codes[memory_map::itemAt(n)];
        const cellwalk::Cell cell = cellwalk::writeCell(link, std::int16_t(n), value);
        if (onCell)
            onCell(n, cell);
        if (cell.result == cellwalk::CellResult::Ok)
            return true;
        result.failedAddress = n;
        result.failedCell = cell.result;
        return false;
    });
    result.loss = link.loss();
    return result;
}

} // namespace panelwrite
