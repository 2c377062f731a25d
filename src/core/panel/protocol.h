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

enum class ReplyStatus { TooShort, Malformed, Value };

struct DecodedReply {
    ReplyStatus status = ReplyStatus::TooShort;
    std::int16_t value = 0; // valid when status == Value
};

// A read reply: exactly four decimal digits, ten times the cell's value, then a
// CR or nothing more (a four-character reply that came before the time-out).
// Fewer than four characters is too short; anything else (blanks, signs, points,
// other characters, a number that is not a multiple of ten, more characters
// behind the CR) is malformed: one damaged byte must never read as a value.
DecodedReply decodeReply(QByteArrayView reply);

// Whether a reply is unusable: the cell's transaction fails as corrupted.
inline bool isCorrupted(const DecodedReply &reply) { return reply.status != ReplyStatus::Value; }

// A cell value read from the panel is accepted in 0..160.
inline bool isValidCellValue(std::int16_t value) { return value >= 0 && value <= 160; }

} // namespace protocol
