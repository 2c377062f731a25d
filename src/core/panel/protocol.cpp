#include "protocol.h"

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
    const bool terminated = reply.size() == kMinReplyLength + 1 && reply.back() == '\r';
    if (reply.size() != kMinReplyLength && !terminated)
        return {ReplyStatus::Malformed, 0};
    int number = 0;
    for (qsizetype i = 0; i < kMinReplyLength; ++i) {
        const char c = reply[i];
        if (c < '0' || c > '9')
            return {ReplyStatus::Malformed, 0};
        number = number * 10 + (c - '0');
    }
    if (number % 10 != 0)
        return {ReplyStatus::Malformed, 0};
    return {ReplyStatus::Value, static_cast<std::int16_t>(number / 10)};
}

} // namespace protocol
