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
    } else if (d.status == protocol::ReplyStatus::Value) {
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
    if (cell.result == CellResult::Ok && !(cell.hasValue && cell.value == value))
        cell.result = CellResult::FailedToVerify;
    return cell;
}

Cell readCell(PanelLink &link, std::int16_t address)
{
    Cell cell = decoded(link.exchange(protocol::readFrame(address)));
    if (cell.result == CellResult::Ok && !(cell.hasValue && protocol::isValidCellValue(cell.value)))
        cell.result = CellResult::OutOfRange;
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
    portchoice::rememberPort(link.portName());
    for (int n = 0; n < memory_map::kCellCount; ++n) {
        link.waitTick();
        if (!cell(n))
            return Outcome::CellFailed;
    }
    link.waitTick();
    return Outcome::Done;
}

QString outcomeText(Outcome outcome, const QString &doneText)
{
    switch (outcome) {
    case Outcome::NoResponse:
        return QStringLiteral("COMMUNICATIONS FAILURE SWITCH PANEL FAILED TO RESPOND");
    case Outcome::CellFailed:
        return QStringLiteral("COMMUNICATIONS FAILURE-BAD SWITCH PANEL DATA");
    case Outcome::Done:
        break;
    }
    return doneText;
}

} // namespace cellwalk
