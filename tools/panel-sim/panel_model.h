#pragma once

#include "panel_protocol.h"

#include <array>
#include <bitset>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the simulated panel does with each message: the cell store and the
// replies, including deliberately broken replies for testing the host.
namespace panelsim {

// Misbehaviour switched on from the command line. Faults change only what the
// panel sends back; a write is stored whatever the faults say (except at a
// hang-up, which ends the run before the frame is acted on).
// How a damaged read answer differs from the right one ("dddd" CR): one byte
// changed, added or dropped.
enum class Damage {
    Digit,    // the first digit changed: a well-formed answer with a wrong value
    Unit,     // the last digit changed: not a multiple of ten ("1022")
    Letter,   // the second digit replaced by 'u' ("1u00")
    Blank,    // the third digit replaced by a blank ("16 0")
    Extra,    // a digit added after the first
    Drop,     // the second digit dropped
    FormFeed, // a form feed in place of the CR
};

struct Faults {
    bool silent = false;                      // never answer
    int muteFrom = -1;                        // no answer to frames with address >= this
    std::bitset<kCellCount> readbackMismatch; // read answers stored value + 1
    std::bitset<kCellCount> outOfRange;       // read answers "1610\r"
    std::bitset<kCellCount> shortReply;       // read answers only three characters
    std::bitset<kCellCount> lateReply;        // replies sent lateMs late
    int lateMs = 150;
    std::bitset<kCellCount> noiseReply;   // read answers line noise, no number
    std::bitset<kCellCount> strayAfter;   // a stray digit kStrayGapMs after each read answer
    int lateAttentionMs = -1;             // first attention answered this late
    bool splitAck = false;                // "D0", then "00D" kSplitAckGapMs later
    bool doubleAck = false;               // "D000DD000D" in one piece
    int hangupAt = -1;                    // first frame for this address hangs up
    std::bitset<kCellCount> damageOnce;   // the first read answer for ADDR damaged
    std::bitset<kCellCount> damageAlways; // every read answer for ADDR damaged alike
    Damage damage = Damage::Digit;
};

// Parses a --damage-kind name ("digit", "unit", "letter", "blank", "extra",
// "drop", "formfeed").
std::optional<Damage> parseDamage(std::string_view name);
// `answer` damaged as `damage` says.
Bytes damaged(Bytes answer, Damage damage);

constexpr int kSplitAckGapMs = 20;
constexpr int kStrayGapMs = 30;
// With --late-attention, answers queued behind the late one follow it this much
// later, so that the late answer arrives on its own.
constexpr int kBehindLateAttentionMs = 30;
// Five bytes that begin no number: a NUL, 0xFF, a letter, a NUL, CR.
inline const Bytes kNoise = {0x00, 0xFF, 'X', 0x00, '\r'};

// One piece of a reply, to be written in a single write() `delayMs` after the
// message that caused it was received.
struct Chunk {
    int delayMs = 0;
    Bytes bytes;
    int minGapMs = 0; // at least this long after the piece sent before it
    // Line noise rather than an answer: sent at its time, but it never holds
    // back the answers to later messages.
    bool noise = false;
};

// A line for the log explaining what happened besides plain traffic.
struct Note {
    std::string tag; // "IGN" (frame ignored) or "FAULT" (injected misbehaviour)
    std::string text;
};

struct Outcome {
    std::vector<Note> notes;
    std::vector<Chunk> replies; // in sending order, delays never decreasing
    bool cellsChanged = false;
    bool hangup = false; // close the device now and end the run
};

class Panel
{
public:
    explicit Panel(const Cells &cells, const Faults &faults = {});

    // Acts on one message from the parser. Ignored bytes give an empty outcome.
    Outcome handle(const Message &message);

    const Cells &cells() const { return cells_; }

private:
    void addAcknowledgement(Outcome &outcome, int delayMs) const;
    Bytes readAnswer(int address, Outcome &outcome);

    Cells cells_;
    Faults faults_;
    int attentionsAnswered_ = 0;
    std::array<int, kCellCount> readsAnswered_{};
};

// Reads start values: exactly 21 decimal integers 0..255, separated by any
// mix of whitespace and commas. On bad input returns std::nullopt and describes
// the problem in `error`.
std::optional<Cells> parseCells(std::string_view text, std::string &error);

// The dump line: the 21 values separated by single blanks, then "\n".
// parseCells() reads it back.
std::string formatCells(const Cells &cells);

} // namespace panelsim
