#include "panel_protocol.h"

#include <cstdio>

namespace panelsim {

namespace {

// Whether `byte` may stand at position `pos` (1..5) of a frame starting with
// `start`. Position 2 (address) and, in a write, position 4 (value) take any byte.
bool fitsFrame(std::uint8_t start, std::size_t pos, std::uint8_t byte)
{
    if (start == kWriteStart) {
        switch (pos) {
        case 1:
            return byte == 0x00;
        case 3:
            return byte == 0x00;
        case 5:
            return byte == 'D';
        default:
            return true;
        }
    }
    switch (pos) {
    case 1:
        return byte == 0x00;
    case 3:
        return byte == '0';
    case 4:
        return byte == '0';
    case 5:
        return byte == kReadStart;
    default:
        return true;
    }
}

} // namespace

void FrameParser::feed(const std::uint8_t *data, std::size_t size, std::vector<Message> &out)
{
    for (std::size_t i = 0; i < size; ++i)
        push(data[i], out);
    // Garbage is reported per read, so one burst of noise gives one message.
    flushIgnored(out);
}

void FrameParser::push(std::uint8_t byte, std::vector<Message> &out)
{
    if (frame_.empty()) {
        if (byte == kAttention) {
            flushIgnored(out);
            out.push_back(Message{MessageKind::Attention, Bytes{byte}});
        } else if (byte == kWriteStart || byte == kReadStart) {
            flushIgnored(out);
            frame_.push_back(byte);
        } else {
            ignored_.push_back(byte);
        }
        return;
    }

    if (!fitsFrame(frame_[0], frame_.size(), byte)) {
        // Not a frame after all: drop its first byte and look for a message
        // start among the rest, including the byte that broke the pattern.
        Bytes rest(frame_.begin() + 1, frame_.end());
        rest.push_back(byte);
        ignored_.push_back(frame_[0]);
        frame_.clear();
        for (std::uint8_t b : rest)
            push(b, out);
        return;
    }

    frame_.push_back(byte);
    if (frame_.size() < kFrameSize)
        return;

    Message msg;
    msg.kind = frame_[0] == kWriteStart ? MessageKind::Write : MessageKind::Read;
    msg.address = frame_[2];
    if (msg.kind == MessageKind::Write)
        msg.value = frame_[4];
    msg.bytes.swap(frame_);
    frame_.clear();
    out.push_back(std::move(msg));
}

void FrameParser::flushIgnored(std::vector<Message> &out)
{
    if (ignored_.empty())
        return;
    Message msg;
    msg.kind = MessageKind::Ignored;
    msg.bytes.swap(ignored_);
    ignored_.clear();
    out.push_back(std::move(msg));
}

Bytes acknowledgement() { return Bytes{'D', '0', '0', '0', 'D'}; }

Bytes readReply(int value)
{
    char text[16];
    int length = std::snprintf(text, sizeof text, "%04d\r", value * 10);
    return Bytes(text, text + length);
}

std::string hex(const Bytes &bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size() * 3);
    for (std::uint8_t b : bytes) {
        if (!text.empty())
            text += ' ';
        text += digits[b >> 4];
        text += digits[b & 0x0F];
    }
    return text;
}

} // namespace panelsim
