#include "cell_walk.h"

#include "panel/memory_map.h"
#include "panel/panel_link.h"
#include "panel/port_choice.h"
#include "panel/protocol.h"

namespace cellwalk {

namespace {
Cell decoded(const QByteArray &reply)
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
} // namespace

Cell writeCell(PanelLink &link, std::int16_t address, std::int16_t value)
{
    if (!protocol::isAcknowledgement(link.exchange(protocol::writeFrame(address, value))))
        return {CellResult::NotAcknowledged};
    Cell cell = decoded(link.exchange(protocol::readFrame(address)));
    if (cell.result == CellResult::Ok && cell.value != value)
        cell.result = CellResult::FailedToVerify;
    return cell;
}

Cell readCell(PanelLink &link, std::int16_t address)
{
    // A read counts only when two consecutive replies to the read frame are the
    // same bytes: a reply damaged on the line is outvoted by its neighbours. The
    // further frames follow each reply at once, without another pause.
    const QByteArray frame = protocol::readFrame(address);
    QByteArray previous = link.exchange(frame);
    for (int frames = 1; frames < kMaxReadFrames; ++frames) {
        const QByteArray reply = link.exchange(frame);
        if (reply == previous) {
            Cell cell = decoded(reply);
            if (cell.result == CellResult::Ok && !protocol::isValidCellValue(cell.value))
                cell.result = CellResult::OutOfRange;
            return cell;
        }
        previous = reply;
    }
    Cell cell = decoded(previous);
    cell.result = CellResult::Corrupted;
    cell.hasValue = false;
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

Outcome walk(PanelLink &link, const std::function<bool(int address)> &cell)
{
    if (!link.handshake())
        return Outcome::NoResponse;
    for (int n = 0; n < memory_map::kCellCount; ++n) {
        link.waitTick();
        if (!cell(n))
            return Outcome::CellFailed;
    }
    link.waitTick();
    return Outcome::Done;
}

void rememberPortIfAnswered(const PanelLink &link, Outcome outcome)
{
    if (answered(outcome))
        portchoice::rememberPort(link.portName());
}

PanelRead readPanel(PanelLink &link, const std::function<void(int address, const Cell &)> &onCell)
{
    PanelRead read;
    read.outcome = walk(link, [&](int n) {
        const Cell cell = readCell(link, static_cast<std::int16_t>(n));
        if (onCell)
            onCell(n, cell);
        read.codes[n] = cell.value;
        return cell.result == CellResult::Ok;
    });
    return read;
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
