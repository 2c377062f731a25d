#include "panel_write.h"

#include "config/assignment.h"
#include "panel/panel_link.h"

namespace panelwrite {

QString Result::statusText() const
{
    const QString text = cellwalk::outcomeText(outcome, statustext::kProgrammed);
    if (programmed() || lostText.isEmpty())
        return text;
    // How far the write came: the cells below the failed one are written and verified.
    if (outcome == cellwalk::Outcome::CellFailed)
        return QStringLiteral("%1 - %2 - %3 OF %4 CELLS WRITTEN")
            .arg(text, lostText)
            .arg(failedAddress)
            .arg(memory_map::kCellCount);
    return text + QStringLiteral(" - ") + lostText;
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
    result.lostText = link.lostText();
    return result;
}

} // namespace panelwrite
