#include "panel_write.h"

#include "config/assignment.h"
#include "panel/panel_link.h"

namespace panelwrite {

QString Result::statusText() const
{
    const QString text = cellwalk::outcomeText(outcome, statustext::kProgrammed);
    return programmed() || lostText.isEmpty() ? text : text + QStringLiteral(" - ") + lostText;
}

QString Result::failedItem() const
{
    if (failedAddress < 0)
        return QString();
    return assignment::item(memory_map::itemAt(failedAddress)).name();
}

Result writeCodes(PanelLink &link, const Codes &codes,
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
    result.lostText = link.lostText();
    return result;
}

} // namespace panelwrite
