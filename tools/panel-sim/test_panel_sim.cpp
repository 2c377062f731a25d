// Unit tests for panel-sim's protocol parser, panel behaviour (including the
// injected faults) and the cells text format. Plain C++, no test framework:
// every failed check is printed and the exit status is non-zero.

#include "panel_model.h"
#include "panel_protocol.h"
#include "telnet_server.h"

#include <cstdio>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

using namespace panelsim;

namespace {

int g_failures = 0;
const char *g_currentTest = "";

template <typename A, typename B>
void checkEqual(const A &actual, const B &expected, const char *expr, const char *file, int line)
{
    if (actual == expected)
        return;
    std::ostringstream out;
    out << file << ":" << line << ": [" << g_currentTest << "] " << expr
        << "\n    actual:   " << actual << "\n    expected: " << expected << "\n";
    std::fputs(out.str().c_str(), stderr);
    ++g_failures;
}

#define CHECK(cond)                                                                                \
    do {                                                                                           \
        if (!(cond)) {                                                                             \
            std::fprintf(stderr, "%s:%d: [%s] CHECK(%s) failed\n", __FILE__, __LINE__,             \
                         g_currentTest, #cond);                                                    \
            ++g_failures;                                                                          \
        }                                                                                          \
    } while (0)
#define CHECK_EQ(actual, expected) checkEqual((actual), (expected), #actual, __FILE__, __LINE__)

Bytes bytes(std::initializer_list<int> values)
{
    Bytes out;
    for (int v : values)
        out.push_back(static_cast<std::uint8_t>(v));
    return out;
}

Bytes text(const std::string &s) { return Bytes(s.begin(), s.end()); }

Bytes writeFrame(int address, int value) { return bytes({0x53, 0x00, address, 0x00, value, 0x44}); }
Bytes readFrame(int address) { return bytes({0x56, 0x00, address, 0x30, 0x30, 0x56}); }

Bytes concat(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes &p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

// A message written compactly for comparisons: "A", "W5=23", "R5", "I[53 00]".
std::string describe(const Message &m)
{
    switch (m.kind) {
    case MessageKind::Attention:
        return "A";
    case MessageKind::Write:
        return "W" + std::to_string(m.address) + "=" + std::to_string(m.value);
    case MessageKind::Read:
        return "R" + std::to_string(m.address);
    case MessageKind::Ignored:
        return "I[" + hex(m.bytes) + "]";
    }
    return "?";
}

std::string describe(const std::vector<Message> &messages)
{
    std::string out;
    for (const Message &m : messages)
        out += (out.empty() ? "" : " ") + describe(m);
    return out;
}

std::string parseWhole(const Bytes &stream)
{
    FrameParser parser;
    std::vector<Message> out;
    parser.feed(stream, out);
    return describe(out);
}

// Messages with ignored bytes left out, so results from different read
// boundaries can be compared (ignored runs merge per read).
std::string parseBytewiseKnown(const Bytes &stream)
{
    FrameParser parser;
    std::vector<Message> out;
    for (std::uint8_t b : stream)
        parser.feed(&b, 1, out);
    std::vector<Message> known;
    for (const Message &m : out)
        if (m.kind != MessageKind::Ignored)
            known.push_back(m);
    return describe(known);
}

std::string chunksText(const std::vector<Chunk> &chunks)
{
    std::string out;
    for (const Chunk &c : chunks) {
        std::string shown;
        for (std::uint8_t b : c.bytes)
            shown += b == '\r' ? std::string("\\r") : std::string(1, static_cast<char>(b));
        out += (out.empty() ? "" : " ") + std::to_string(c.delayMs) + ":" + shown;
    }
    return out;
}

Cells defaultCells()
{
    Cells c;
    c.fill(kUnassigned);
    return c;
}

Message parseOne(const Bytes &frame)
{
    FrameParser parser;
    std::vector<Message> out;
    parser.feed(frame, out);
    return out.size() == 1 ? out[0] : Message{};
}

std::string replyTo(Panel &panel, const Bytes &frame)
{
    return chunksText(panel.handle(parseOne(frame)).replies);
}

bool hasNote(const Outcome &o, const std::string &tag)
{
    for (const Note &n : o.notes)
        if (n.tag == tag)
            return true;
    return false;
}

// ---------------------------------------------------------------- parser

void parserRecognisesEachMessage()
{
    CHECK_EQ(parseWhole(text("A")), "A");
    CHECK_EQ(parseWhole(writeFrame(5, 23)), "W5=23");
    CHECK_EQ(parseWhole(readFrame(5)), "R5");
    CHECK_EQ(parseWhole(writeFrame(20, 0)), "W20=0");
    // Out-of-range addresses still form frames; the panel decides to ignore them.
    CHECK_EQ(parseWhole(writeFrame(21, 7)), "W21=7");
    CHECK_EQ(parseWhole(readFrame(255)), "R255");
    // The raw bytes are kept for the log.
    CHECK_EQ(hex(parseOne(writeFrame(5, 23)).bytes), "53 00 05 00 17 44");
}

void parserTakesEveryAddressAndValue()
{
    // Address and value bytes that look like message starts ('A' = 65,
    // 'S' = 83, 'V' = 86, 'D' = 68) are ordinary data inside a frame.
    int wrong = 0;
    for (int address = 0; address <= 255; ++address) {
        if (parseWhole(readFrame(address)) != "R" + std::to_string(address))
            ++wrong;
        for (int value = 0; value <= 255; ++value)
            if (parseWhole(writeFrame(address, value)) !=
                "W" + std::to_string(address) + "=" + std::to_string(value))
                ++wrong;
    }
    CHECK_EQ(wrong, 0);
}

void parserHandlesAnyReadBoundaries()
{
    const Bytes stream = concat({text("A"), writeFrame(5, 23), readFrame(5), text("A"),
                                 writeFrame(0x41, 0x53), readFrame(0x56), writeFrame(9, 0x44)});
    const std::string expected = "A W5=23 R5 A W65=83 R86 W9=68";
    CHECK_EQ(parseWhole(stream), expected);
    CHECK_EQ(parseBytewiseKnown(stream), expected);

    // Every split into two reads gives the same messages.
    for (std::size_t cut = 0; cut <= stream.size(); ++cut) {
        FrameParser parser;
        std::vector<Message> out;
        parser.feed(stream.data(), cut, out);
        parser.feed(stream.data() + cut, stream.size() - cut, out);
        if (describe(out) != expected) {
            CHECK_EQ(describe(out), expected);
            break;
        }
    }
}

void parserHoldsPartialFrame()
{
    FrameParser parser;
    std::vector<Message> out;
    const Bytes frame = writeFrame(5, 23);
    parser.feed(frame.data(), 4, out);
    CHECK(out.empty());
    CHECK_EQ(hex(parser.pending()), "53 00 05 00");
    parser.feed(frame.data() + 4, 2, out);
    CHECK_EQ(describe(out), "W5=23");
    CHECK(parser.pending().empty());
}

void parserReportsGarbage()
{
    // Unknown bytes between messages: one ignored run per read, in stream order.
    CHECK_EQ(parseWhole(concat({bytes({0x00, 0x05, 0xFF}), text("A"), bytes({0x0D}), readFrame(3),
                                bytes({0x44})})),
             "I[00 05 FF] A I[0D] R3 I[44]");
    CHECK_EQ(parseWhole(text("D000D")), "I[44 30 30 30 44]");
    CHECK_EQ(parseWhole(Bytes{}), "");
}

void parserResynchronisesAfterBrokenFrame()
{
    // An abandoned write, then a retry: the partial bytes are dropped and the
    // complete frame inside the stream is still found.
    CHECK_EQ(parseWhole(concat({bytes({0x53, 0x00}), writeFrame(5, 23)})), "I[53 00] W5=23");
    CHECK_EQ(parseWhole(concat({bytes({0x53, 0x00, 0x05, 0x00, 0x17}), writeFrame(5, 23)})),
             "I[53 00 05 00 17] W5=23");
    CHECK_EQ(parseWhole(concat({bytes({0x56, 0x00, 0x05, 0x30}), readFrame(5)})),
             "I[56 00 05 30] R5");
    // A byte breaking the pattern may itself start a message.
    CHECK_EQ(parseWhole(concat({bytes({0x53, 0x00, 0x05}), text("A")})), "I[53 00 05] A");
    CHECK_EQ(parseWhole(concat({bytes({0x56, 0x00, 0x05}), writeFrame(1, 2)})), "I[56 00 05] W1=2");
    // A read frame's fixed '0' '0' V and a write's 00 .. D are not interchangeable.
    CHECK_EQ(parseWhole(bytes({0x56, 0x00, 0x05, 0x00, 0x17, 0x44})), "I[56 00 05 00 17 44]");
    // Each frame's closing byte is checked too.
    CHECK_EQ(parseWhole(bytes({0x56, 0x00, 0x05, 0x30, 0x30, 0x44})), "I[56 00 05 30 30 44]");
    CHECK_EQ(parseWhole(bytes({0x53, 0x00, 0x05, 0x00, 0x17, 0x56})), "I[53 00 05 00 17]");
    // ...and a final 'V' that breaks nothing yet is held as the start of a new frame.
    FrameParser parser;
    std::vector<Message> out;
    parser.feed(bytes({0x53, 0x00, 0x05, 0x30, 0x30, 0x56}), out);
    CHECK_EQ(describe(out), "I[53 00 05 30 30]");
    CHECK_EQ(hex(parser.pending()), "56");
}

// ---------------------------------------------------------------- replies

void replyFormats()
{
    CHECK_EQ(hex(acknowledgement()), "44 30 30 30 44");
    CHECK_EQ(chunksText({{0, readReply(0)}}), "0:0000\\r");
    CHECK_EQ(chunksText({{0, readReply(23)}}), "0:0230\\r");
    CHECK_EQ(chunksText({{0, readReply(160)}}), "0:1600\\r");
    CHECK_EQ(chunksText({{0, readReply(255)}}), "0:2550\\r");
    CHECK_EQ(hex(bytes({0x53, 0x00, 0x0A, 0xFF})), "53 00 0A FF");
}

// ---------------------------------------------------------------- panel

void panelStoresAndReadsBack()
{
    Panel panel(defaultCells());
    CHECK_EQ(replyTo(panel, text("A")), "0:D000D");
    CHECK_EQ(replyTo(panel, readFrame(5)), "0:1600\\r");

    Outcome first = panel.handle(parseOne(writeFrame(5, 23)));
    CHECK_EQ(chunksText(first.replies), "0:D000D");
    CHECK(first.cellsChanged);
    CHECK_EQ(replyTo(panel, readFrame(5)), "0:0230\\r");
    CHECK_EQ(int(panel.cells()[5]), 23);
    CHECK_EQ(int(panel.cells()[4]), 160);

    // Writing the value already there is acknowledged but changes nothing.
    Outcome again = panel.handle(parseOne(writeFrame(5, 23)));
    CHECK_EQ(chunksText(again.replies), "0:D000D");
    CHECK(!again.cellsChanged);

    // The first and last cells are real cells too.
    CHECK_EQ(replyTo(panel, writeFrame(0, 0)), "0:D000D");
    CHECK_EQ(replyTo(panel, writeFrame(20, 255)), "0:D000D");
    CHECK_EQ(replyTo(panel, readFrame(0)), "0:0000\\r");
    CHECK_EQ(replyTo(panel, readFrame(20)), "0:2550\\r");
}

void panelIgnoresOutOfRangeAddresses()
{
    Panel panel(defaultCells());
    for (int address : {21, 65, 255}) {
        Outcome w = panel.handle(parseOne(writeFrame(address, 1)));
        Outcome r = panel.handle(parseOne(readFrame(address)));
        CHECK(w.replies.empty());
        CHECK(r.replies.empty());
        CHECK(!w.cellsChanged);
        CHECK(hasNote(w, "IGN"));
        CHECK(hasNote(r, "IGN"));
    }
    CHECK(panel.cells() == defaultCells());

    Message garbage;
    garbage.bytes = bytes({0x01});
    CHECK(panel.handle(garbage).replies.empty());
}

void faultSilent()
{
    Faults f;
    f.silent = true;
    Panel panel(defaultCells(), f);
    CHECK_EQ(replyTo(panel, text("A")), "");
    Outcome w = panel.handle(parseOne(writeFrame(3, 7)));
    CHECK(w.replies.empty());
    CHECK(hasNote(w, "FAULT"));
    // The panel still takes the write; only its answers are lost.
    CHECK(w.cellsChanged);
    CHECK_EQ(int(panel.cells()[3]), 7);
    CHECK_EQ(replyTo(panel, readFrame(3)), "");
}

void faultMuteFrom()
{
    Faults f;
    f.muteFrom = 10;
    Panel panel(defaultCells(), f);
    CHECK_EQ(replyTo(panel, text("A")), "0:D000D");
    CHECK_EQ(replyTo(panel, writeFrame(9, 1)), "0:D000D");
    CHECK_EQ(replyTo(panel, readFrame(9)), "0:0010\\r");
    CHECK_EQ(replyTo(panel, writeFrame(10, 2)), "");
    CHECK_EQ(replyTo(panel, readFrame(10)), "");
    CHECK_EQ(replyTo(panel, readFrame(20)), "");
    CHECK_EQ(int(panel.cells()[10]), 2);

    f.muteFrom = 0;
    Panel all(defaultCells(), f);
    CHECK_EQ(replyTo(all, text("A")), "0:D000D");
    CHECK_EQ(replyTo(all, readFrame(0)), "");
}

void faultWrongReadAnswers()
{
    Faults f;
    f.readbackMismatch.set(5);
    f.outOfRange.set(6);
    f.shortReply.set(7);
    f.shortReply.set(5);
    Cells cells = defaultCells();
    cells[5] = 23;
    cells[7] = 23;
    cells[8] = 23;
    Panel panel(cells, f);

    CHECK_EQ(replyTo(panel, readFrame(8)), "0:0230\\r"); // untouched address
    CHECK_EQ(replyTo(panel, readFrame(6)), "0:1610\\r");
    CHECK_EQ(replyTo(panel, readFrame(7)), "0:023");
    CHECK_EQ(replyTo(panel, readFrame(5)), "0:024"); // + 1, then cut short

    // Only reads are affected: writes are acknowledged normally and stored as sent.
    CHECK_EQ(replyTo(panel, writeFrame(6, 40)), "0:D000D");
    CHECK_EQ(int(panel.cells()[6]), 40);
    CHECK_EQ(replyTo(panel, readFrame(6)), "0:1610\\r");

    Faults wrap;
    wrap.readbackMismatch.set(0);
    Cells top = defaultCells();
    top[0] = 255;
    Panel wrapping(top, wrap);
    CHECK_EQ(replyTo(wrapping, readFrame(0)), "0:0000\\r");
    CHECK_EQ(int(wrapping.cells()[0]), 255);
}

void faultAcknowledgementShapes()
{
    Faults dbl;
    dbl.doubleAck = true;
    Panel doubled(defaultCells(), dbl);
    CHECK_EQ(replyTo(doubled, text("A")), "0:D000DD000D");
    CHECK_EQ(replyTo(doubled, writeFrame(1, 1)), "0:D000DD000D");
    CHECK_EQ(replyTo(doubled, readFrame(1)), "0:0010\\r"); // a read answer is no acknowledgement

    Faults split;
    split.splitAck = true;
    Panel splitting(defaultCells(), split);
    CHECK_EQ(replyTo(splitting, text("A")), "0:D0 20:00D");
    CHECK_EQ(replyTo(splitting, writeFrame(1, 1)), "0:D0 20:00D");
    CHECK_EQ(replyTo(splitting, readFrame(1)), "0:0010\\r");

    Faults both = split;
    both.doubleAck = true;
    Panel bothPanel(defaultCells(), both);
    CHECK_EQ(replyTo(bothPanel, text("A")), "0:D0 20:00DD000D");
}

void faultLateReply()
{
    Faults f;
    f.lateReply.set(4);
    f.lateMs = 300;
    Panel panel(defaultCells(), f);
    CHECK_EQ(replyTo(panel, writeFrame(4, 9)), "300:D000D");
    CHECK_EQ(replyTo(panel, readFrame(4)), "300:0090\\r");
    CHECK_EQ(replyTo(panel, readFrame(3)), "0:1600\\r");
    CHECK_EQ(replyTo(panel, text("A")), "0:D000D"); // the attention byte has no address

    f.splitAck = true;
    Panel late(defaultCells(), f);
    CHECK_EQ(replyTo(late, writeFrame(4, 9)), "300:D0 320:00D");
}

void faultHangup()
{
    Faults f;
    f.hangupAt = 7;
    Panel panel(defaultCells(), f);
    Outcome a = panel.handle(parseOne(text("A")));
    CHECK(!a.hangup);
    Outcome other = panel.handle(parseOne(writeFrame(6, 1)));
    CHECK(!other.hangup);
    CHECK_EQ(chunksText(other.replies), "0:D000D");

    Outcome cut = panel.handle(parseOne(writeFrame(7, 1)));
    CHECK(cut.hangup);
    CHECK(cut.replies.empty());
    CHECK(!cut.cellsChanged);
    CHECK_EQ(int(panel.cells()[7]), 160); // the line went dead before the write was taken
    CHECK(hasNote(cut, "FAULT"));

    Panel reading(defaultCells(), f);
    CHECK(reading.handle(parseOne(readFrame(7))).hangup);
    // A frame outside the cells is ignored before any fault applies.
    f.hangupAt = 20;
    Panel edge(defaultCells(), f);
    CHECK(!edge.handle(parseOne(readFrame(21))).hangup);
}

// ---------------------------------------------------------------- connection schedule

std::string scheduleText(const std::string &input)
{
    std::string error;
    const auto phases = parseSchedule(input, error);
    if (!phases)
        return error;
    std::string out;
    for (const Phase &p : *phases)
        out += (out.empty() ? "" : " ") + std::string(p.connected ? "on" : "off") +
               (p.ms < 0 ? "" : std::to_string(p.ms));
    return out;
}

void scheduleParsing()
{
    CHECK_EQ(scheduleText("off:2000,on:6000,off:5000"), "off2000 on6000 off5000");
    CHECK_EQ(scheduleText("on:1,off"), "on1 off");
    CHECK_EQ(scheduleText("on"), "on");
    CHECK_EQ(scheduleText("on:600000"), "on600000");
    CHECK_EQ(scheduleText(""), "phase 1 \"\" does not begin with on or off");
    CHECK_EQ(scheduleText("on:100,"), "phase 2 \"\" does not begin with on or off");
    CHECK_EQ(scheduleText("up:100"), "phase 1 \"up:100\" does not begin with on or off");
    for (const char *bad : {"on:0", "on:", "on:-5", "on:600001", "on:1e3", "on:99999999999"})
        CHECK_EQ(scheduleText(bad),
                 "phase 1 \"" + std::string(bad) + "\" does not last 1 to 600000 ms");
    CHECK_EQ(scheduleText("on:100,off,on:100"),
             "phase 2 \"off\" lasts for good, so no phase can follow it");
}

std::string presenceText(const std::vector<Phase> &schedule, long long ms)
{
    const Presence p = presenceAt(schedule, ms);
    return std::string(p.connected ? "on" : "off") + " until " + std::to_string(p.phaseEndMs);
}

void presenceOverTime()
{
    CHECK_EQ(presenceText({}, 123456), "on until -1"); // no schedule: always connected
    const std::vector<Phase> once = {{false, 1000}, {true, 3000}, {false, -1}};
    CHECK_EQ(presenceText(once, 0), "off until 1000");
    CHECK_EQ(presenceText(once, 999), "off until 1000");
    CHECK_EQ(presenceText(once, 1000), "on until 4000");
    CHECK_EQ(presenceText(once, 3999), "on until 4000");
    CHECK_EQ(presenceText(once, 4000), "off until -1");
    CHECK_EQ(presenceText(once, 10000000), "off until -1");
    // A schedule ending in a timed phase starts over.
    const std::vector<Phase> cycle = {{true, 300}, {false, 200}};
    CHECK_EQ(presenceText(cycle, 299), "on until 300");
    CHECK_EQ(presenceText(cycle, 499), "off until 500");
    CHECK_EQ(presenceText(cycle, 500), "on until 800");
    CHECK_EQ(presenceText(cycle, 5000 * 500 + 350), "off until 2500500");
}

// ---------------------------------------------------------------- cells text

std::string parseError(const std::string &input)
{
    std::string error;
    return parseCells(input, error) ? std::string("accepted") : error;
}

void cellsDumpRoundTrip()
{
    const std::string defaults =
        "160 160 160 160 160 160 160 160 160 160 160 160 160 160 160 160 160 160 160 160 160\n";
    CHECK_EQ(formatCells(defaultCells()), defaults);

    Cells cells;
    for (std::size_t i = 0; i < cells.size(); ++i)
        cells[i] = static_cast<std::uint8_t>(i * 12);
    cells[20] = 255;
    std::string error;
    const auto back = parseCells(formatCells(cells), error);
    CHECK(back.has_value());
    CHECK(back && *back == cells);
    CHECK_EQ(formatCells(cells).substr(0, 8), "0 12 24 ");
}

void cellsAcceptedSeparators()
{
    std::string error;
    const auto parsed =
        parseCells("1,2, 3 ,\t4\r\n5\n6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 007,\n", error);
    CHECK(parsed.has_value());
    if (parsed) {
        CHECK_EQ(int((*parsed)[0]), 1);
        CHECK_EQ(int((*parsed)[4]), 5);
        CHECK_EQ(int((*parsed)[20]), 7);
    }
    CHECK_EQ(parseError(",,0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0000,,"), "accepted");
}

void cellsRejectedInput()
{
    const std::string twenty = "1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1";
    CHECK_EQ(parseError(""), "expected 21 values, found 0");
    CHECK_EQ(parseError(twenty), "expected 21 values, found 20");
    CHECK_EQ(parseError(twenty + " 1 1"), "more than 21 values");
    CHECK_EQ(parseError(twenty + " 256"), "value 21 \"256\" is not a whole number from 0 to 255");
    CHECK_EQ(parseError("-1 " + twenty), "value 1 \"-1\" is not a whole number from 0 to 255");
    for (const char *bad : {"+1", "1.5", "0x10", "abc", "12a", "1;", "99999999999999999999"}) {
        const std::string error = parseError(twenty + " " + bad);
        if (error.find("value 21") == std::string::npos)
            CHECK_EQ(error, std::string("value 21 rejected for ") + bad);
    }
}

// ---------------------------------------------------------------- telnet

// The client's offers, its line settings, then data: each negotiation answered
// once, each setting confirmed with the value in force, and the panel hearing
// nothing but the data.
void telnetSetsTheLineAndAnswersOnce()
{
    TelnetServer server;
    CHECK_EQ(hex(server.greeting()), "FF FB 00 FF FD 00 FF FB 03 FF FD 03 FF FD 2C");
    Bytes data, answer;
    // Answers to the greeting need no answer; an offer of echo is refused.
    const Bytes offers = bytes({255, 253, 0, 255, 251, 0, 255, 251, 44, 255, 251, 1});
    server.receive(offers.data(), offers.size(), data, answer);
    CHECK_EQ(hex(answer), "FF FE 01");
    CHECK(data.empty());
    CHECK(!server.lineReady());

    const Bytes settings = bytes({255, 250, 44, 1, 0, 0,   0x25, 0x80, 255, 240, // 9600
                                  255, 250, 44, 2, 8, 255, 240,                  // 8 bits
                                  255, 250, 44, 3, 1, 255, 240,                  // no parity
                                  255, 250, 44, 4, 1, 255, 240,  'A'});          // 1 stop bit
    answer.clear();
    // Cut at every place, as TCP may deliver it.
    for (std::uint8_t b : settings)
        server.receive(&b, 1, data, answer);
    CHECK_EQ(hex(answer), "FF FA 2C 65 00 00 25 80 FF F0 FF FA 2C 66 08 FF F0 FF FA 2C 67 01 FF "
                          "F0 FF FA 2C 68 01 FF F0");
    CHECK(server.lineReady());
    CHECK_EQ(server.lineText(), "9600 8N1");
    CHECK_EQ(hex(data), "41");

    TelnetServer seven;
    data.clear();
    const Bytes sevenBits = bytes({255, 250, 44, 2, 7, 255, 240});
    seven.receive(sevenBits.data(), sevenBits.size(), data, answer);
    CHECK(!seven.lineReady());
    CHECK_EQ(seven.lineText(), "? 7??");
}

// 0xFF travels doubled both ways; option traffic in the middle of data is not data.
void telnetKeepsDataApartFromCommands()
{
    CHECK_EQ(hex(TelnetServer::escape(bytes({0x00, 0xFF, 0x58}))), "00 FF FF 58");
    TelnetServer server;
    Bytes data, answer;
    const Bytes stream =
        bytes({0x53, 255, 255, 255, 241, 0x05, 255, 250, 44, 11, 255, 255, 255, 240, 0x44});
    server.receive(stream.data(), stream.size(), data, answer);
    CHECK_EQ(hex(data), "53 FF 05 44");
    CHECK_EQ(hex(answer), "FF FA 2C 6F FF FF FF F0");
}

struct TestCase {
    const char *name;
    std::function<void()> run;
};

} // namespace

int main()
{
    const std::vector<TestCase> tests = {
        {"parserRecognisesEachMessage", parserRecognisesEachMessage},
        {"parserTakesEveryAddressAndValue", parserTakesEveryAddressAndValue},
        {"parserHandlesAnyReadBoundaries", parserHandlesAnyReadBoundaries},
        {"parserHoldsPartialFrame", parserHoldsPartialFrame},
        {"parserReportsGarbage", parserReportsGarbage},
        {"parserResynchronisesAfterBrokenFrame", parserResynchronisesAfterBrokenFrame},
        {"replyFormats", replyFormats},
        {"panelStoresAndReadsBack", panelStoresAndReadsBack},
        {"panelIgnoresOutOfRangeAddresses", panelIgnoresOutOfRangeAddresses},
        {"faultSilent", faultSilent},
        {"faultMuteFrom", faultMuteFrom},
        {"faultWrongReadAnswers", faultWrongReadAnswers},
        {"faultAcknowledgementShapes", faultAcknowledgementShapes},
        {"faultLateReply", faultLateReply},
        {"faultHangup", faultHangup},
        {"scheduleParsing", scheduleParsing},
        {"presenceOverTime", presenceOverTime},
        {"cellsDumpRoundTrip", cellsDumpRoundTrip},
        {"cellsAcceptedSeparators", cellsAcceptedSeparators},
        {"cellsRejectedInput", cellsRejectedInput},
        {"telnetSetsTheLineAndAnswersOnce", telnetSetsTheLineAndAnswersOnce},
        {"telnetKeepsDataApartFromCommands", telnetKeepsDataApartFromCommands},
    };
    for (const TestCase &t : tests) {
        g_currentTest = t.name;
        const int before = g_failures;
        t.run();
        std::printf("%s %s\n", g_failures == before ? "PASS" : "FAIL", t.name);
    }
    std::printf("%zu tests, %d failed checks\n", tests.size(), g_failures);
    return g_failures == 0 ? 0 : 1;
}
