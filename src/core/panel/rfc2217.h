#pragma once

#include "panel/port_failure.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// Telnet with the Com Port Control option (RFC 854, 856, 858 and 2217), the
// client side, for the panel's line behind a device server: the options are
// negotiated, the line is set to 9600 baud, 8 data bits, no parity, 1 stop bit,
// and the panel's bytes are told apart from the option traffic around them.
// Only bytes in and bytes out, no socket: the link's network port carries them.
namespace rfc2217 {

inline constexpr std::uint8_t kIac = 255;
inline constexpr std::uint8_t kDont = 254;
inline constexpr std::uint8_t kDo = 253;
inline constexpr std::uint8_t kWont = 252;
inline constexpr std::uint8_t kWill = 251;
inline constexpr std::uint8_t kSb = 250;
inline constexpr std::uint8_t kSe = 240;

inline constexpr std::uint8_t kBinary = 0;
inline constexpr std::uint8_t kEcho = 1;
inline constexpr std::uint8_t kSuppressGoAhead = 3;
inline constexpr std::uint8_t kComPortOption = 44;

// COM-PORT-OPTION commands from client to server; the server answers each with
// the command + 100 and the value in force.
inline constexpr std::uint8_t kSetBaudRate = 1;
inline constexpr std::uint8_t kSetDataSize = 2;
inline constexpr std::uint8_t kSetParity = 3;
inline constexpr std::uint8_t kSetStopSize = 4;
inline constexpr std::uint8_t kServerReply = 100;

inline constexpr std::uint32_t kBaudRate = 9600;
inline constexpr std::uint8_t kDataSize = 8;
inline constexpr std::uint8_t kParityNone = 1;
inline constexpr std::uint8_t kStopSizeOne = 1;

class Client
{
public:
    enum class State {
        Negotiating,     // the line settings are not all confirmed yet
        Ready,           // COM-PORT-OPTION accepted and 9600 8N1 confirmed by the server
        Refused,         // the server does not do COM-PORT-OPTION
        SettingsRefused, // the server confirmed other line settings than the ones asked
    };

    // Queues the opening offers: WILL and DO BINARY, WILL and DO SUPPRESS-GO-AHEAD,
    // WILL COM-PORT-OPTION. The line settings follow once the server agrees.
    Client();

    // Takes bytes as they came from the server, cut anywhere (a command may end
    // in the next chunk), and returns the data bytes in them: doubled 0xFF bytes
    // undone, commands, negotiations and subnegotiations taken out.
    QByteArray receive(QByteArrayView chunk);
    // Everything queued to go to the server (offers, answers, line settings),
    // once; empty when nothing is queued.
    QByteArray takeOutgoing();
    // Data for the server: every 0xFF doubled, and a CR followed by NUL for as
    // long as the server has not agreed to take binary data.
    QByteArray encode(QByteArrayView data) const;

    State state() const { return m_state; }
    // How many bytes of option traffic (everything but the data) have come in.
    qsizetype optionBytes() const { return m_optionBytes; }
    // Why the connection cannot be used; none unless Refused or SettingsRefused.
    std::optional<portfailure::Reason> problem() const;

private:
    enum class Parse { Data, Iac, Verb, Sub, SubIac };
    struct Option {
        bool on = false;
        bool asked = false; // we asked for it and wait for the answer
    };

    void offer(std::uint8_t verb, std::uint8_t option);
    void feed(std::uint8_t byte, QByteArray &data);
    void negotiate(std::uint8_t verb, std::uint8_t option);
    void subnegotiation();
    void sendLineSettings();
    void queueCommand(std::uint8_t verb, std::uint8_t option);
    void queueSub(std::uint8_t command, QByteArrayView value);

    State m_state = State::Negotiating;
    Parse m_parse = Parse::Data;
    std::uint8_t m_verb = 0;
    QByteArray m_sub;
    bool m_subTooLong = false;
    bool m_crBefore = false; // the last data byte was a CR (NVT: a NUL after it is dropped)
    std::array<Option, 256> m_local{};  // options on our side (WILL/WONT from us)
    std::array<Option, 256> m_remote{}; // options on the server's side
    bool m_settingsSent = false;
    unsigned m_confirmed = 0; // bit n: the answer to command n has come
    QByteArray m_outgoing;
    qsizetype m_optionBytes = 0;
};

} // namespace rfc2217
