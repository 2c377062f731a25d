#pragma once

#include "files/qcf_format.h"

#include <QList>
#include <QString>

// A configuration file as text a person reads and a version control system diffs:
// the description that --describe prints (one line per item, in fixed columns,
// always the same bytes for the same configuration) and the differences between
// two configurations that --diff and the window's compare with a file list.
// English whatever the window's language; designations decoded from the files'
// code page.
namespace qcftext {

// The assignment of a code as the lists show it: "C 4" for 23, "N/A" for 160 and
// more, "-" for an item without a complete assignment (-1).
QString assignmentText(std::int16_t code);
// Its two parts: the module ("C", "N/A", "-") and the channel ("4"; empty for an
// unassigned or incomplete item).
QString moduleText(std::int16_t code);
QString channelText(std::int16_t code);

// Whether two codes assign the same: every code of 160 and more is "N/A".
bool sameAssignment(std::int16_t a, std::int16_t b);

// A text of a file in double quotes, as the description and the differences show
// it: control characters (a line end in a hand-made file) written as \xHH, so
// that every item stays on one line.
QString quoted(const QByteArray &fileText);

// The description, lines ending in "\n":
//   PANEL          "BENCH 3"
//   SW1            A     1  "PUMP"
//   SW2            N/A      "DESIGNATION "
//   BACKLIGHTING   P    10
// The panel name first, then SW1..SW10, LED1..LED10 and BACKLIGHTING in the
// panel's order; module, channel and designation in fixed columns, so that two
// configurations that differ in one item differ in exactly that line.
QString describe(const qcf::Configuration &config);

// One way in which two configurations differ.
struct Difference {
    enum class Kind { PanelName, Assignment, Designation };
    Kind kind = Kind::Assignment;
    int item = -1; // 0..20; -1 for the panel name
    // The two sides as the line shows them: "A 1" and "B 4", or "\"STUDIO\"".
    QString before;
    QString after;
};

// Every difference from `before` to `after`: the panel name first, then per item
// in the panel's order its assignment and then its designation.
QList<Difference> differences(const qcf::Configuration &before, const qcf::Configuration &after);

// The items among `differences`, each once, in the panel's order.
QList<int> differingItems(const QList<Difference> &differences);

// One line of --diff: "panel name: \"A\" -> \"B\"", "SW2: A 1 -> B 4",
// "LED3 designation: \"STUDIO\" -> \"STUDIO 2\"".
QString line(const Difference &difference);

} // namespace qcftext
