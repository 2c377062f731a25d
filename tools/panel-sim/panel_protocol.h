#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The switch panel's serial protocol as seen from the panel: an incremental
// parser for what the host sends and the replies the panel gives.
namespace panelsim {

using Bytes = std::vector<std::uint8_t>;

constexpr int kCellCount = 21;            // SW1..SW10 at 0..9, LED1..LED10 at 10..19, backlight 20
constexpr std::uint8_t kUnassigned = 160; // value every cell holds at power-up
constexpr std::size_t kFrameSize = 6;

constexpr std::uint8_t kAttention = 0x41;  // 'A'
constexpr std::uint8_t kWriteStart = 0x53; // 'S'
constexpr std::uint8_t kReadStart = 0x56;  // 'V'

using Cells = std::array<std::uint8_t, kCellCount>;

enum class MessageKind {
    Attention, // the single byte 'A'
    Write,     // S 00 addr 00 value D
    Read,      // V 00 addr '0' '0' V
    Ignored,   // bytes that begin no message (consecutive ones merged)
};

struct Message {
    MessageKind kind = MessageKind::Ignored;
    Bytes bytes;      // exactly the bytes received for this message
    int address = -1; // Write/Read: the address byte as sent (may exceed 20)
    int value = -1;   // Write: the value byte
};

// Splits the byte stream from the host into messages. Bytes may arrive in any
// pieces; a frame is held until its sixth byte arrives. When a byte breaks the
// fixed pattern of a frame, the frame's first byte is reported as ignored and
// the bytes after it are parsed again, so a following 'A', 'S' or 'V' is found.
class FrameParser
{
public:
    // Appends the messages completed by `data` to `out`, in stream order.
    void feed(const std::uint8_t *data, std::size_t size, std::vector<Message> &out);
    void feed(const Bytes &data, std::vector<Message> &out) { feed(data.data(), data.size(), out); }

    // Bytes of a frame that has started but not yet completed.
    const Bytes &pending() const { return frame_; }

private:
    void push(std::uint8_t byte, std::vector<Message> &out);
    void flushIgnored(std::vector<Message> &out);

    Bytes frame_;
    Bytes ignored_;
};

// "D000D": the answer to the attention byte and to a write frame.
Bytes acknowledgement();

// The answer to a read frame: value * 10 as four decimal digits and a carriage
// return, e.g. 23 -> "0230\r", 0 -> "0000\r".
Bytes readReply(int value);

// "53 00 05 00 17 44": bytes as upper-case hex pairs separated by single blanks.
std::string hex(const Bytes &bytes);

} // namespace panelsim
