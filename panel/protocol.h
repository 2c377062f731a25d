#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>
#include <optional>

// Bytes on the wire between this program and the switch panel.
namespace protocol {

inline constexpr char kAttention = 'A';
inline constexpr QByteArrayView kAcknowledgement = "D000D";
inline constexpr int kReplyThreshold = 5; // a wait ends once this many characters are in
inline constexpr int kMinReplyLength = 4; // a read reply needs at least this many

// "S" 00 address 00 value "D"
QByteArray writeFrame(std::int16_t address, std::int16_t value);
// "V" 00 address "0" "0" "V"
QByteArray readFrame(std::int16_t address);

// True only for exactly "D000D": anything else, two acknowledgements read together
// included, is not one.
bool isAcknowledgement(QByteArrayView reply);

enum class ReplyStatus { TooShort, NotANumber, Value, Unrepresentable };

struct DecodedReply {
    ReplyStatus status = ReplyStatus::TooShort;
    std::int16_t value = 0; // valid when status == Value
};

// A read reply: its leading number divided by ten, rounded half to even. Fewer
// than four characters is too short; a reply that does not begin with a number
// (line noise, NUL bytes, a stray acknowledgement) carries no value at all; a
// result outside the 16-bit range is unrepresentable.
DecodedReply decodeReply(QByteArrayView reply);

// A cell value read from the panel is accepted in 0..160.
// Whether a reply is unusable in the way a short one is: the cell's transaction
// fails as corrupted.
inline bool isCorrupted(const DecodedReply &reply)
{
    return reply.status == ReplyStatus::TooShort || reply.status == ReplyStatus::NotANumber;
}

inline bool isValidCellValue(std::int16_t value) { return value >= 0 && value <= 160; }

} // namespace protocol
