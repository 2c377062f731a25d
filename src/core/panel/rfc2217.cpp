#include "rfc2217.h"

namespace rfc2217 {

namespace {

constexpr qsizetype kMaxSub = 64; // longer subnegotiations are skipped, not kept
constexpr char kCr = '\r';

// Options we take on ourselves when the server asks (DO), and the ones we want
// the server to take (WILL). Echo in particular is refused: the panel's own
// bytes must never come back as replies.
bool acceptLocal(std::uint8_t option)
{
    return option == kBinary || option == kSuppressGoAhead || option == kComPortOption;
}

bool acceptRemote(std::uint8_t option) { return option == kBinary || option == kSuppressGoAhead; }

// The value the server must confirm for each line setting.
QByteArray expectedValue(std::uint8_t command)
{
    switch (command) {
    case kSetBaudRate:
        return QByteArray::fromHex("00002580"); // 9600, most significant byte first
    case kSetDataSize:
        return QByteArray(1, char(kDataSize));
    case kSetParity:
        return QByteArray(1, char(kParityNone));
    case kSetStopSize:
        return QByteArray(1, char(kStopSizeOne));
    default:
        return QByteArray();
    }
}

constexpr unsigned kAllConfirmed =
    (1u << kSetBaudRate) | (1u << kSetDataSize) | (1u << kSetParity) | (1u << kSetStopSize);

} // namespace

Client::Client()
{
    offer(kWill, kBinary);
    offer(kDo, kBinary);
    offer(kWill, kSuppressGoAhead);
    offer(kDo, kSuppressGoAhead);
    offer(kWill, kComPortOption);
}

void Client::offer(std::uint8_t verb, std::uint8_t option)
{
    (verb == kWill ? m_local : m_remote)[option].asked = true;
    queueCommand(verb, option);
}

void Client::queueCommand(std::uint8_t verb, std::uint8_t option)
{
    m_outgoing += char(kIac);
    m_outgoing += char(verb);
    m_outgoing += char(option);
}

void Client::queueSub(std::uint8_t command, QByteArrayView value)
{
    m_outgoing += char(kIac);
    m_outgoing += char(kSb);
    m_outgoing += char(kComPortOption);
    m_outgoing += char(command);
    for (const char c : value) { // 0xFF in a value is doubled as in data
        m_outgoing += c;
        if (std::uint8_t(c) == kIac)
            m_outgoing += c;
    }
    m_outgoing += char(kIac);
    m_outgoing += char(kSe);
}

QByteArray Client::takeOutgoing()
{
    QByteArray out;
    out.swap(m_outgoing);
    return out;
}

QByteArray Client::encode(QByteArrayView data) const
{
    const bool binary = m_local[kBinary].on;
    QByteArray out;
    out.reserve(data.size() + 4);
    for (const char c : data) {
        out += c;
        if (std::uint8_t(c) == kIac)
            out += c;
        else if (c == kCr && !binary)
            out += '\0';
    }
    return out;
}

QByteArray Client::receive(QByteArrayView chunk)
{
    QByteArray data;
    for (const char c : chunk)
        feed(std::uint8_t(c), data);
    m_optionBytes += chunk.size() - data.size();
    return data;
}

void Client::feed(std::uint8_t byte, QByteArray &data)
{
    switch (m_parse) {
    case Parse::Data:
        if (byte == kIac) {
            m_parse = Parse::Iac;
            return;
        }
        // Without binary, the server sends a CR of the data as CR NUL.
        if (!(byte == 0 && m_crBefore && !m_remote[kBinary].on))
            data += char(byte);
        m_crBefore = byte == std::uint8_t(kCr);
        return;
    case Parse::Iac:
        if (byte == kIac) { // a doubled 0xFF is one data byte
            m_parse = Parse::Data;
            data += char(byte);
            m_crBefore = false;
        } else if (byte >= kWill) {
            m_verb = byte;
            m_parse = Parse::Verb;
        } else if (byte == kSb) {
            m_sub.clear();
            m_subTooLong = false;
            m_parse = Parse::Sub;
        } else {
            m_parse = Parse::Data; // NOP, GA, and the like: nothing for us
        }
        return;
    case Parse::Verb:
        m_parse = Parse::Data;
        negotiate(m_verb, byte);
        return;
    case Parse::Sub:
        if (byte == kIac)
            m_parse = Parse::SubIac;
        else if (m_sub.size() < kMaxSub)
            m_sub += char(byte);
        else
            m_subTooLong = true;
        return;
    case Parse::SubIac:
        if (byte == kIac) {
            m_parse = Parse::Sub;
            if (m_sub.size() < kMaxSub)
                m_sub += char(byte);
            else
                m_subTooLong = true;
        } else if (byte == kSe) {
            m_parse = Parse::Data;
            if (!m_subTooLong)
                subnegotiation();
        } else {
            // A subnegotiation cut short by another command: the command counts.
            m_parse = Parse::Iac;
            feed(byte, data);
        }
        return;
    }
}

// Answers only requests that change an option, so that two sides never answer
// each other's answers for ever (RFC 854).
void Client::negotiate(std::uint8_t verb, std::uint8_t option)
{
    const bool local = verb == kDo || verb == kDont;
    Option &o = (local ? m_local : m_remote)[option];
    const bool wanted = verb == kDo || verb == kWill;
    const bool wasAsked = o.asked;
    o.asked = false;
    if (wanted) {
        const bool accept = local ? acceptLocal(option) : acceptRemote(option);
        if (!accept) {
            queueCommand(local ? kWont : kDont, option);
            return;
        }
        if (o.on)
            return;
        o.on = true;
        if (!wasAsked)
            queueCommand(local ? kWill : kDo, option);
        if (local && option == kComPortOption)
            sendLineSettings();
        return;
    }
    const bool wasOn = o.on;
    o.on = false;
    if (wasOn && !wasAsked)
        queueCommand(local ? kWont : kDont, option);
    if (local && option == kComPortOption && m_state != State::Ready)
        m_state = State::Refused;
}

void Client::sendLineSettings()
{
    if (m_settingsSent)
        return;
    m_settingsSent = true;
    for (const std::uint8_t command : {kSetBaudRate, kSetDataSize, kSetParity, kSetStopSize})
        queueSub(command, expectedValue(command));
}

void Client::subnegotiation()
{
    // COM-PORT-OPTION, the server's answer to one of our line settings. Its other
    // messages (line and modem state) are of no use on the panel's line.
    if (m_sub.size() < 2 || std::uint8_t(m_sub[0]) != kComPortOption || !m_settingsSent ||
        m_state != State::Negotiating)
        return;
    const int command = std::uint8_t(m_sub[1]) - kServerReply;
    if (command < kSetBaudRate || command > kSetStopSize)
        return;
    if (m_sub.mid(2) != expectedValue(std::uint8_t(command))) {
        m_state = State::SettingsRefused;
        return;
    }
    m_confirmed |= 1u << command;
    if (m_confirmed == kAllConfirmed)
        m_state = State::Ready;
}

std::optional<portfailure::Reason> Client::problem() const
{
    switch (m_state) {
    case State::Refused:
        return portfailure::Reason::NoComPortControl;
    case State::SettingsRefused:
        return portfailure::Reason::SettingsRefused;
    default:
        return std::nullopt;
    }
}

} // namespace rfc2217
