#include "cell_walk.h"

#include "panel/memory_map.h"
#include "panel/panel_link.h"
#include "panel/port_choice.h"
#include "panel/protocol.h"

namespace cellwalk {

Cell decodeCell(const QByteArray &reply)
{
    Cell cell;
    cell.replyLength = static_cast<std::int16_t>(qMin<qsizetype>(reply.size(), 32767));
    const protocol::DecodedReply d = protocol::decodeReply(reply);
    if (protocol::isCorrupted(d)) {
        cell.result = CellResult::Corrupted;
    } else {
        cell.hasValue = true;
        cell.value = d.value;
    }
    return cell;
}

QString cellText(CellResult result)
{
    switch (result) {
    case CellResult::Ok:
        return QStringLiteral("COMMUNICATIONS OK");
    case CellResult::NotAcknowledged:
        return QStringLiteral("NOT ACKNOWLEDGED");
    case CellResult::Corrupted:
        return QStringLiteral("COMMUNICATIONS CORRUPTED");
    case CellResult::FailedToVerify:
        return QStringLiteral("DATA FAILED TO VERIFY");
    case CellResult::OutOfRange:
        return QStringLiteral("ERROR - DATA OUT OF RANGE");
    }
    return QString();
}

void rememberPortIfAnswered(const PanelLink &link, Outcome outcome)
{
    if (answered(outcome))
        portchoice::rememberPort(link.portName());
}

QString outcomeText(Outcome outcome)
{
    switch (outcome) {
    case Outcome::NoResponse:
        return QStringLiteral("COMMUNICATIONS FAILURE SWITCH PANEL FAILED TO RESPOND");
    case Outcome::CellFailed:
        return QStringLiteral("COMMUNICATIONS FAILURE-BAD SWITCH PANEL DATA");
    case Outcome::Done:
        break;
    }
    return QString();
}

Ending ending(Outcome outcome, std::optional<statustext::Status> done, const PanelLink &link)
{
    Ending end;
    end.outcome = outcome;
    end.done = done;
    if (outcome != Outcome::Done)
        end.loss = link.loss();
    return end;
}

QString endingText(const Ending &ending)
{
    if (ending.outcome == Outcome::Done)
        return ending.done ? statustext::english(*ending.done) : QString();
    const QString text = outcomeText(ending.outcome);
    if (!ending.loss)
        return text;
    const QString lost = portfailure::english(*ending.loss);
    // How far the write came: the cells below the failed one are written and verified.
    if (ending.cellsWritten >= 0)
        return QStringLiteral("%1 - %2 - %3 OF %4 CELLS WRITTEN")
            .arg(text, lost)
            .arg(ending.cellsWritten)
            .arg(memory_map::kCellCount);
    return text + QStringLiteral(" - ") + lost;
}

} // namespace cellwalk
