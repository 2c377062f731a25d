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
        return statustext::kCellOk;
    case CellResult::NotAcknowledged:
        return statustext::kNotAcknowledged;
    case CellResult::Corrupted:
        return statustext::kCorrupted;
    case CellResult::FailedToVerify:
        return statustext::kFailedToVerify;
    case CellResult::OutOfRange:
        return statustext::kOutOfRange;
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

QString outcomeText(Outcome outcome, const QString &doneText)
{
    switch (outcome) {
    case Outcome::NoResponse:
        return statustext::kNoResponse;
    case Outcome::CellFailed:
        return statustext::kBadData;
    case Outcome::Done:
        break;
    }
    return doneText;
}

QString outcomeText(Outcome outcome, const QString &doneText, const PanelLink &link)
{
    const QString text = outcomeText(outcome, doneText);
    const QString lost = link.lostText();
    if (outcome == Outcome::Done || lost.isEmpty())
        return text;
    return text.isEmpty() ? lost : text + QStringLiteral(" - ") + lost;
}

} // namespace cellwalk
