#include "telnet_server.h"

namespace panelsim {

namespace {

constexpr std::uint8_t kIac = 255, kDont = 254, kDo = 253, kWont = 252, kWill = 251, kSb = 250,
                       kSe = 240;
constexpr std::uint8_t kBinary = 0, kSuppressGoAhead = 3, kComPort = 44;
constexpr std::size_t kMaxSub = 64;

// What the server does itself (WILL) and what it lets the client do (DO).
bool acceptLocal(std::uint8_t option) { return option == kBinary || option == kSuppressGoAhead; }
bool acceptRemote(std::uint8_t option)
{
    return option == kBinary || option == kSuppressGoAhead || option == kComPort;
}

void command(Bytes &out, std::uint8_t verb, std::uint8_t option)
{
    // Byte by byte: GCC 12 warns falsely (-Wstringop-overflow) of an insert into
    // the empty vector of the greeting.
    for (std::uint8_t b : {kIac, verb, option})
        out.push_back(b);
}

void comPortReply(Bytes &out, std::uint8_t code, const Bytes &value)
{
    out.insert(out.end(), {kIac, kSb, kComPort, code});
    for (std::uint8_t b : value) {
        out.push_back(b);
        if (b == kIac)
            out.push_back(b);
    }
    out.insert(out.end(), {kIac, kSe});
}

} // namespace

void TelnetServer::offer(std::uint8_t verb, std::uint8_t option, Bytes &out)
{
    (verb == kWill ? local_ : remote_)[option].asked = true;
    command(out, verb, option);
}

Bytes TelnetServer::greeting()
{
    Bytes out;
    offer(kWill, kBinary, out);
    offer(kDo, kBinary, out);
    offer(kWill, kSuppressGoAhead, out);
    offer(kDo, kSuppressGoAhead, out);
    offer(kDo, kComPort, out);
    return out;
}

Bytes TelnetServer::escape(const Bytes &data)
{
    Bytes out;
    out.reserve(data.size());
    for (std::uint8_t b : data) {
        out.push_back(b);
        if (b == kIac)
            out.push_back(b);
    }
    return out;
}

void TelnetServer::receive(const std::uint8_t *bytes, std::size_t size, Bytes &data, Bytes &answer)
{
    for (std::size_t i = 0; i < size; ++i)
        feed(bytes[i], data, answer);
}

void TelnetServer::feed(std::uint8_t byte, Bytes &data, Bytes &answer)
{
    switch (parse_) {
    case Parse::Data:
        if (byte == kIac)
            parse_ = Parse::Iac;
        else
            data.push_back(byte);
        return;
    case Parse::Iac:
        parse_ = Parse::Data;
        if (byte == kIac) {
            data.push_back(byte);
        } else if (byte >= kWill) {
            verb_ = byte;
            parse_ = Parse::Verb;
        } else if (byte == kSb) {
            sub_.clear();
            parse_ = Parse::Sub;
        }
        return;
    case Parse::Verb:
        parse_ = Parse::Data;
        negotiate(verb_, byte, answer);
        return;
    case Parse::Sub:
        if (byte == kIac)
            parse_ = Parse::SubIac;
        else if (sub_.size() < kMaxSub)
            sub_.push_back(byte);
        return;
    case Parse::SubIac:
        if (byte == kIac) {
            parse_ = Parse::Sub;
            if (sub_.size() < kMaxSub)
                sub_.push_back(byte);
        } else {
            parse_ = Parse::Data;
            if (byte == kSe)
                subnegotiation(answer);
        }
        return;
    }
}

// Answers only what changes an option, so that the two sides never answer each
// other's answers for ever.
void TelnetServer::negotiate(std::uint8_t verb, std::uint8_t option, Bytes &answer)
{
    const bool local = verb == kDo || verb == kDont;
    Option &o = (local ? local_ : remote_)[option];
    const bool wanted = verb == kDo || verb == kWill;
    const bool wasAsked = o.asked;
    o.asked = false;
    if (wanted) {
        if (!(local ? acceptLocal(option) : acceptRemote(option))) {
            command(answer, local ? kWont : kDont, option);
        } else if (!o.on) {
            o.on = true;
            if (!wasAsked)
                command(answer, local ? kWill : kDo, option);
        }
        return;
    }
    if (o.on && !wasAsked)
        command(answer, local ? kWont : kDont, option);
    o.on = false;
}

void TelnetServer::subnegotiation(Bytes &answer)
{
    if (sub_.size() < 2 || sub_[0] != kComPort)
        return;
    const std::uint8_t code = sub_[1];
    const Bytes value(sub_.begin() + 2, sub_.end());
    auto small = [&](int &setting) {
        if (value.size() == 1 && value[0] != 0) // 0 asks for the value in force
            setting = value[0];
        comPortReply(answer, std::uint8_t(code + 100), {std::uint8_t(setting)});
    };
    switch (code) {
    case 1: { // SET-BAUDRATE, four bytes, most significant first
        if (value.size() == 4) {
            const std::uint32_t baud = std::uint32_t(value[0]) << 24 |
                                       std::uint32_t(value[1]) << 16 |
                                       std::uint32_t(value[2]) << 8 | value[3];
            if (baud != 0)
                baud_ = baud;
        }
        comPortReply(answer, 101,
                     {std::uint8_t(baud_ >> 24), std::uint8_t(baud_ >> 16),
                      std::uint8_t(baud_ >> 8), std::uint8_t(baud_)});
        return;
    }
    case 2:
        return small(dataSize_);
    case 3:
        return small(parity_);
    case 4:
        return small(stopSize_);
    case 5:  // SET-CONTROL (flow control, break, DTR, RTS): taken as asked
    case 10: // SET-LINESTATE-MASK
    case 11: // SET-MODEMSTATE-MASK
        comPortReply(answer, std::uint8_t(code + 100), value);
        return;
    default:
        return;
    }
}

bool TelnetServer::lineReady() const
{
    return baud_ == 9600 && dataSize_ == 8 && parity_ == 1 && stopSize_ == 1;
}

std::string TelnetServer::lineText() const
{
    static const char parities[] = "?NOEMS";
    const auto part = [](int v) { return v == 0 ? std::string("?") : std::to_string(v); };
    return (baud_ == 0 ? std::string("?") : std::to_string(baud_)) + " " + part(dataSize_) +
           (parity_ >= 1 && parity_ <= 5 ? parities[parity_] : '?') + part(stopSize_);
}

} // namespace panelsim
