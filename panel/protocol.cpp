#include "protocol.h"

#include "config/number_text.h"

namespace protocol {

QByteArray writeFrame(std::int16_t address, std::int16_t value)
{
    QByteArray frame(6, '\0');
    frame[0] = 'S';
    frame[2] = static_cast<char>(address & 0xFF);
    frame[4] = static_cast<char>(value & 0xFF);
    frame[5] = 'D';
    return frame;
}

QByteArray readFrame(std::int16_t address)
{
    QByteArray frame(6, '\0');
    frame[0] = 'V';
    frame[2] = static_cast<char>(address & 0xFF);
    frame[3] = '0';
    frame[4] = '0';
    frame[5] = 'V';
    return frame;
}

bool isAcknowledgement(QByteArrayView reply) { return reply == kAcknowledgement; }

DecodedReply decodeReply(QByteArrayView reply)
{
    if (reply.size() < kMinReplyLength)
        return {ReplyStatus::TooShort, 0};
    const std::optional<double> number = numtext::leadingNumberIfAny(reply);
    if (!number)
        return {ReplyStatus::NotANumber, 0};
    const auto value = numtext::roundToInt16(*number / 10.0);
    if (!value)
        return {ReplyStatus::Unrepresentable, 0};
    return {ReplyStatus::Value, *value};
}

} // namespace protocol
