#pragma once

#include "config/assignment.h"
#include "config/status_texts.h"
#include "panel/port_failure.h"

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class PanelLink;

// The transactions on one memory cell and the walk over all 21 cells, shared by
// the window's panel commands and the command line. The port must be open.
namespace cellwalk {

enum class CellResult {
    Ok,
    NotAcknowledged, // a write frame not answered by exactly "D000D"
    Corrupted,       // a reply too short or malformed, or a read not confirmed
    FailedToVerify,  // the read-back differs from the value written
    OutOfRange,      // a value read outside 0..160
};

struct Cell {
    CellResult result = CellResult::Ok;
    bool hasValue = false;  // a well-formed reply was decoded (then in `value`)
    std::int16_t value = 0; // the value read or read back
    std::int16_t replyLength = 0;
};

// A reply to a read frame as a cell: its value, or corrupted.
Cell decodeCell(const QByteArray &reply);

// A read is confirmed when two consecutive replies to the cell's read frame are
// the same bytes, among at most kMaxReadFrames read frames (without such a pair
// the cell is corrupted); it must hold an assignment code (0..160). The
// read-back of a write stays a single read: a damaged one already fails to verify.
inline constexpr int kMaxReadFrames = 4;

inline constexpr CellResult kLastCellResult = CellResult::OutOfRange;

// The status text a cell's transaction leaves, in English: "COMMUNICATIONS OK",
// "COMMUNICATIONS CORRUPTED", "DATA FAILED TO VERIFY", "ERROR - DATA OUT OF RANGE";
// "NOT ACKNOWLEDGED" for a write frame without acknowledgement (the window leaves
// its status text as it was then).
QString cellText(CellResult result);

enum class Outcome {
    Done,
    NoResponse, // "COMMUNICATIONS FAILURE SWITCH PANEL FAILED TO RESPOND"
    CellFailed, // "COMMUNICATIONS FAILURE-BAD SWITCH PANEL DATA"
};
inline constexpr Outcome kLastOutcome = Outcome::CellFailed;

// How a walk (the handshake, then for addresses 0 to 20 in ascending order a
// pause and the cell's transaction, stopping at the first that fails, then one
// more pause; panel/panel_transfer.h) ended.
// Whether the panel answered the handshake of the walk that ended with `outcome`:
// every outcome but NoResponse.
inline bool answered(Outcome outcome) { return outcome != Outcome::NoResponse; }

// Remembers the link's port as the one the next run starts on when the walk that
// ended with `outcome` was answered. For the window and the command line, whose
// thread owns the settings; never called from a station slot.
void rememberPortIfAnswered(const PanelLink &link, Outcome outcome);

struct PanelRead {
    Outcome outcome = Outcome::NoResponse;
    assignment::Codes codes{}; // by address; complete when outcome is Done
};

// How a panel command's walk ended, as the status box says it at the end.
struct Ending {
    Outcome outcome = Outcome::NoResponse;
    // The text of a walk that is Done: "SWITCH PANEL HAS BEEN PROGRAMMED", "SWITCH
    // PANEL DATA READ SUCCESSFUL"; none for a compare, which says more itself.
    std::optional<statustext::Status> done;
    // The port lost during a walk that failed: which and why.
    std::optional<portfailure::Loss> loss;
    // With the port lost at a cell of a write: the cells written and verified
    // before it; else -1.
    int cellsWritten = -1;
};

// The ending of a walk on `link` that came to `outcome`, with the port lost.
Ending ending(Outcome outcome, std::optional<statustext::Status> done, const PanelLink &link);

// The English text the status box ends with: "COMMUNICATIONS FAILURE SWITCH PANEL
// FAILED TO RESPOND", "COMMUNICATIONS FAILURE-BAD SWITCH PANEL DATA", or the done
// text; after a failure with the port lost, what was lost and why
// ("COMMUNICATIONS FAILURE-BAD SWITCH PANEL DATA - CONNECTION TO 10.0.0.7:4001 LOST:
// THE DEVICE SERVER CLOSED THE CONNECTION"), and how far a write came ("- 7 OF 21
// CELLS WRITTEN").
QString endingText(const Ending &ending);
// The English text of the outcome alone; the done text is empty.
QString outcomeText(Outcome outcome);

} // namespace cellwalk
