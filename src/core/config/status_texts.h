#pragma once

// The system's own status texts and the status box's grounds, in one table shared
// by the window, the command line and the station dialog. The texts are written
// in capitals, character for character as the panel and file commands show them.

#include <QString>

namespace statustext {

// A ground of the status box, as red, green and blue.
struct Rgb {
    int red, green, blue;
};
inline constexpr Rgb kRunning{255, 255, 0}; // yellow: a panel command runs, a cell went well
inline constexpr Rgb kFailed{255, 0, 0};    // red: every failure text
inline constexpr Rgb kDone{0, 255, 0};      // green: a panel command has completed

inline const QString kStartingRead =
    QStringLiteral("STARTING COMMUNICATIONS TO READ SWITCH PANEL CONFIGURATION");
inline const QString kStartingWrite =
    QStringLiteral("STARTING COMMUNICATIONS TO WRITE SWITCH PANEL CONFIGURATION");
// What the status box says while a write first reads the panel for its backup.
inline const QString kReadingBeforeWrite = QStringLiteral("READING THE PANEL BEFORE WRITING");
inline const QString kProgrammed = QStringLiteral("SWITCH PANEL HAS BEEN PROGRAMMED");
inline const QString kReadSuccessful = QStringLiteral("SWITCH PANEL DATA READ SUCCESSFUL");

// How a panel command ends when it does not complete.
inline const QString kNoResponse =
    QStringLiteral("COMMUNICATIONS FAILURE SWITCH PANEL FAILED TO RESPOND");
inline const QString kBadData = QStringLiteral("COMMUNICATIONS FAILURE-BAD SWITCH PANEL DATA");

// What one cell's transaction leaves.
inline const QString kCellOk = QStringLiteral("COMMUNICATIONS OK");
inline const QString kNotAcknowledged = QStringLiteral("NOT ACKNOWLEDGED");
inline const QString kCorrupted = QStringLiteral("COMMUNICATIONS CORRUPTED");
inline const QString kFailedToVerify = QStringLiteral("DATA FAILED TO VERIFY");
inline const QString kOutOfRange = QStringLiteral("ERROR - DATA OUT OF RANGE");

// What a write or a save refuses to start with: an item without a complete
// assignment. The LED sentence of the save has a small s ("LED's"), that of the
// panel commands a capital one ("LED'S"); the switch sentence is the same.
inline const QString kIncompleteSwitches =
    QStringLiteral("DATA MUST BE ENTERED (CLICKED) FOR ALL SWITCHES BEFORE WRITING DATA");
inline const QString kIncompleteLeds = QStringLiteral(
    "DATA MUST BE ENTERED (CLICKED) FOR ALL LED'S AND BACKLIGHTING BEFORE WRITING DATA");
inline const QString kIncompleteLedsOfSave = QStringLiteral(
    "DATA MUST BE ENTERED (CLICKED) FOR ALL LED's AND BACKLIGHTING BEFORE WRITING DATA");

} // namespace statustext
