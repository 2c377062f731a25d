#pragma once

#include "config/assignment.h"
#include "files/file_problem.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

// The ".qcf" configuration file: one line of 42 comma-separated fields, the panel
// name, then designation and code of SW1..SW10 and LED1..LED10, then the
// backlighting code; texts in double quotes, codes as bare decimal numbers, CR LF
// at the end. Texts are kept as the file's bytes, so that a file read and written
// again stays byte-identical; files/code_page.h turns them into text and back.
namespace qcf {

inline constexpr int kFieldCount = 42;
inline constexpr int kDesignations = 20;
inline constexpr int kCodes = assignment::kItemCount;

// The longest panel name the program keeps: the window's box holds this many
// characters, and a read names its file's panel after at most this many.
inline constexpr int kPanelNameLength = 12;

// The open command reads at most this many bytes of a file.
inline constexpr qsizetype kMaxFileSize = 1 << 20;

struct Configuration {
    QByteArray panel;                                   // field 1
    std::array<QByteArray, kDesignations> designations; // SW1..SW10, LED1..LED10
    assignment::Codes codes{};                          // SW1..SW10, LED1..LED10, backlighting
};

// The file's whole content: the line of 42 fields followed by "\r\n".
QByteArray format(const Configuration &config);

enum class ReadError {
    None,
    EndsEarly,        // the data ends before the 42nd field is complete
    NumberOutOfRange, // a number field outside -32768..32767
    EmptyNumber,      // a number field with nothing in it (no code is "empty")
};

struct ReadResult {
    std::optional<Configuration> config; // set exactly when error == None
    ReadError error = ReadError::None;
    int field = 0; // 1-based number of the field where reading failed, 0 on success
    // Every code field holds a number and nothing else ("160", " -1 ", "2.5"), as in
    // every file a configuration program writes; false when one holds more text.
    bool plainNumbers = true;
};

// Reads the 42 fields from the bytes of a file (see the reading rules in the
// implementation). Never reads past `bytes`; anything after the 42nd field is ignored.
ReadResult parse(QByteArrayView bytes);

// Why a read failed, as a value; none when reading succeeded.
files::FileProblem problem(const ReadResult &result);

// Its English, e.g. "THE FILE ENDS BEFORE FIELD 17 OF 42 IS COMPLETE"; empty when
// reading succeeded.
QString describe(const ReadResult &result);

} // namespace qcf
