#pragma once

#include "config/assignment.h"
#include "files/qcf_format.h"

#include <QDateTime>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <array>
#include <cstdint>

class QPagedPaintDevice;

// The configuration sheet: one page that documents a panel's configuration, to
// take to the installation. A heading (panel name, file, date and time, program),
// the panel face twice, in the switch view and in the lighting view, with each
// position's designation, module and channel written in, and a table of the 21
// items. Drawn once with QPainter, so that print and PDF are the same page; all
// text stays text, so a PDF of it can be searched.
namespace configsheet {

struct Sheet {
    QString panelName;
    QString fileName; // the file that holds the configuration; empty: "NOT SAVED"
    QDateTime made;   // date and time printed on the sheet
    QString program;  // program name and version
    // SW1..SW10, LED1..LED10, backlighting; -1 for an item without a complete
    // assignment, 160 and more for one not assigned.
    assignment::Codes codes{};
    std::array<QString, assignment::kNamedItemCount> designations;
};

// The sheet of a configuration file as the window would show it once opened.
Sheet fromConfiguration(const qcf::Configuration &config);

// A4, or Letter where the locale measures in US units.
QPageSize pageSizeFor(const QLocale &locale);
// The sheet's page: `size`, upright, with margins that printers can print.
QPageLayout pageLayout(const QPageSize &size);

// Draws the sheet on the first page of `device`, fitted to its paintable area.
// Returns false when the device cannot be painted on.
bool draw(QPagedPaintDevice &device, const Sheet &sheet);

// Writes the sheet as a one-page PDF of `pageSize` to `path`, as a configuration
// file is saved: complete or not at all, never a device or pipe replaced. Returns
// why it failed, none on success.
files::FileProblem writePdf(const QString &path, const Sheet &sheet, const QPageSize &pageSize);

// The texts of an item's assignment on the sheet: "C" and "4", "N/A" and "-", or
// empty texts for an item without a complete assignment.
QString moduleText(std::int16_t code);
QString channelText(std::int16_t code);

} // namespace configsheet
