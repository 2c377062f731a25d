#pragma once

#include "panel_protocol.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The server side of Telnet with the Com Port Control option (RFC 2217), as a
// device server in front of the panel speaks it: option negotiation, the line
// settings the client asks for (confirmed with the value in force), doubled 0xFF
// bytes in both directions. Only bytes in and out, so the unit tests drive it
// without a socket.
namespace panelsim {

class TelnetServer
{
public:
    // What the server offers on a new connection: WILL and DO BINARY, WILL and
    // DO SUPPRESS-GO-AHEAD, DO COM-PORT-OPTION.
    Bytes greeting();

    // Takes bytes from the client, cut anywhere. The panel's data in them goes to
    // `data`, the answers to the client's negotiations and settings to `answer`.
    void receive(const std::uint8_t *bytes, std::size_t size, Bytes &data, Bytes &answer);

    // Data for the client: every 0xFF doubled.
    static Bytes escape(const Bytes &data);

    // Whether the client has set the line to 9600 baud, 8 data bits, no parity,
    // 1 stop bit, as the panel's UART runs; until then the panel hears only noise.
    bool lineReady() const;
    // "9600 8N1"; a setting not made yet is "?".
    std::string lineText() const;

private:
    enum class Parse { Data, Iac, Verb, Sub, SubIac };
    struct Option {
        bool on = false;
        bool asked = false;
    };

    void feed(std::uint8_t byte, Bytes &data, Bytes &answer);
    void negotiate(std::uint8_t verb, std::uint8_t option, Bytes &answer);
    void subnegotiation(Bytes &answer);
    void offer(std::uint8_t verb, std::uint8_t option, Bytes &out);

    Parse parse_ = Parse::Data;
    std::uint8_t verb_ = 0;
    Bytes sub_;
    std::array<Option, 256> local_{};
    std::array<Option, 256> remote_{};
    std::uint32_t baud_ = 0; // 0: not set by the client
    int dataSize_ = 0;
    int parity_ = 0; // RFC 2217: 1 NONE, 2 ODD, 3 EVEN, 4 MARK, 5 SPACE
    int stopSize_ = 0;
};

} // namespace panelsim
