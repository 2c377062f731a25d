#pragma once

// The status box's grounds and the system's own status texts, shared by the
// window, the command line and the station dialog: as values, with their English
// texts in capitals, character for character as the panel and file commands show
// them (the window shows them in its language, src/ui/translation).

#include <QString>

namespace statustext {

// A ground of the status box, as red, green and blue.
struct Rgb {
    int red, green, blue;
};
inline constexpr Rgb kRunning{255, 255, 0}; // yellow: a panel command runs, a cell went well
inline constexpr Rgb kFailed{255, 0, 0};    // red: every failure text
inline constexpr Rgb kDone{0, 255, 0};      // green: a panel command has completed

// What the status box says, apart from what a cell or a whole command came to
// (cellwalk::CellResult, cellwalk::Ending): the start of a panel command, its
// successful end, and an item without a complete assignment that keeps a write or
// a save from starting.
enum class Status {
    StartingRead,         // "STARTING COMMUNICATIONS TO READ SWITCH PANEL CONFIGURATION"
    StartingWrite,        // "STARTING COMMUNICATIONS TO WRITE SWITCH PANEL CONFIGURATION"
    ReadingBeforeWrite,   // a write first reads the panel for its backup
    Programmed,           // "SWITCH PANEL HAS BEEN PROGRAMMED"
    ReadSuccessful,       // "SWITCH PANEL DATA READ SUCCESSFUL"
    IncompleteSwitches,   // a switch without a complete assignment
    IncompleteLeds,       // an LED or the backlighting, for a panel command ("LED'S")
    IncompleteLedsOfSave, // the same for a save ("LED's", with a small s)
};
inline constexpr Status kLastStatus = Status::IncompleteLedsOfSave;

// The status text in English, character for character as the command line and the
// station's report print it.
inline QString english(Status status)
{
    switch (status) {
    case Status::StartingRead:
        return QStringLiteral("STARTING COMMUNICATIONS TO READ SWITCH PANEL CONFIGURATION");
    case Status::StartingWrite:
        return QStringLiteral("STARTING COMMUNICATIONS TO WRITE SWITCH PANEL CONFIGURATION");
    case Status::ReadingBeforeWrite:
        return QStringLiteral("READING THE PANEL BEFORE WRITING");
    case Status::Programmed:
        return QStringLiteral("SWITCH PANEL HAS BEEN PROGRAMMED");
    case Status::ReadSuccessful:
        return QStringLiteral("SWITCH PANEL DATA READ SUCCESSFUL");
    case Status::IncompleteSwitches:
        return QStringLiteral(
            "DATA MUST BE ENTERED (CLICKED) FOR ALL SWITCHES BEFORE WRITING DATA");
    case Status::IncompleteLeds:
        return QStringLiteral(
            "DATA MUST BE ENTERED (CLICKED) FOR ALL LED'S AND BACKLIGHTING BEFORE WRITING DATA");
    case Status::IncompleteLedsOfSave:
        return QStringLiteral(
            "DATA MUST BE ENTERED (CLICKED) FOR ALL LED's AND BACKLIGHTING BEFORE WRITING DATA");
    }
    return QString();
}

} // namespace statustext
