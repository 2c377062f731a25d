#include "config_sheet.h"
#include "panel_geometry.h"

#include "files/code_page.h"
#include "files/qcf_file.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

// The panel picture is shared with the window; it lives in a static library.
static void initResources() { Q_INIT_RESOURCE(panel_picture); }

namespace configsheet {

namespace {

const QColor kText(0, 0, 0);
const QColor kSwitchText(0, 128, 0);
const QColor kLightingText(192, 0, 0);
const QColor kOnPlate(255, 255, 255);
const QColor kBox(255, 255, 255);
const QColor kBoxEdge(90, 90, 90);
const QColor kMarker(128, 255, 255);
const QColor kRule(110, 110, 110);
const QColor kHeaderFill(215, 215, 215);
const QColor kStripe(242, 242, 242);

// The pictures on the sheet put the window's things in the window's places; the
// assignments go a little below the designation box, not under it.
using namespace panelgeometry;
constexpr qreal kPlateLeft = kPlate.left, kPlateTop = kPlate.top;
constexpr qreal kPlateWidth = kPlate.width, kPlateHeight = kPlate.height;
constexpr int kAssignmentTop = 2700, kAssignmentHeight = 585;

constexpr qreal kMarginMm = 12;
constexpr qreal kGapMm = 4;

// The sheet's words are in the language of the program's translator: the
// window's language, English on the command line (which installs none). Their
// context is fixed, so that moving the drawing code keeps the translations.

QFont sheetFont(qreal points, bool bold = false)
{
    QFont f(QStringLiteral("Liberation Sans")); // untranslated: a font family
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

// Drawing on one page of a device of any resolution: lengths in millimetres are
// turned into the device's units, fonts are given in points.
class Page
{
public:
    Page(QPainter &painter, QPaintDevice &device)
        : painter(painter), m_perMm(device.logicalDpiY() / 25.4),
          m_area(0, 0, device.width(), device.height())
    {}

    QPainter &painter;
    qreal mm(qreal millimetres) const { return millimetres * m_perMm; }
    QRectF area() const { return m_area; }

    void setFont(qreal points, bool bold = false) { painter.setFont(sheetFont(points, bold)); }
    qreal lineHeight() const { return QFontMetricsF(painter.font(), painter.device()).height(); }

    // One line of text in `r`, shortened with "…" where it does not fit.
    void text(const QRectF &r, int align, const QString &text, const QColor &colour = kText,
              Qt::TextElideMode elide = Qt::ElideRight)
    {
        const QFontMetricsF fm(painter.font(), painter.device());
        painter.setPen(colour);
        painter.drawText(r, align | Qt::TextSingleLine, fm.elidedText(text, elide, r.width()));
    }

    void rule(qreal y, qreal left, qreal right)
    {
        painter.setPen(QPen(kRule, mm(0.3)));
        painter.drawLine(QPointF(left, y), QPointF(right, y));
    }

private:
    qreal m_perMm;
    QRectF m_area;
};

QString codeText(std::int16_t code)
{
    if (code < 0)
        return QString();
    return QString::number(std::min(code, assignment::kUnassigned));
}

QString designationOf(const Sheet &sheet, int item)
{
    return item < assignment::kNamedItemCount ? sheet.designations[item] : QString();
}

// The heading; returns where the page goes on below it.
qreal drawHeading(Page &page, const Sheet &sheet)
{
    const QRectF area = page.area();
    page.setFont(15, true);
    const qreal titleHeight = page.lineHeight();
    page.text(QRectF(area.left(), area.top(), area.width(), titleHeight), Qt::AlignLeft,
              QCoreApplication::translate("configsheet", "SWITCH PANEL CONFIGURATION SHEET"));
    qreal y = area.top() + titleHeight + page.mm(1.5);

    page.setFont(9);
    const qreal line = page.lineHeight();
    const qreal half = area.width() / 2;
    const QString name = sheet.panelName.isEmpty() ? QStringLiteral("-") : sheet.panelName;
    page.text(QRectF(area.left(), y, half, line), Qt::AlignLeft,
              QCoreApplication::translate("configsheet", "PANEL NAME: %1").arg(name));
    page.text(QRectF(area.left() + half, y, half, line), Qt::AlignRight,
              QCoreApplication::translate("configsheet", "DATE: %1").arg(sheet.made.toString(QStringLiteral("yyyy-MM-dd HH:mm"))));
    y += line;
    const QString file = sheet.fileName.isEmpty() ? QCoreApplication::translate("configsheet", "NOT SAVED") : sheet.fileName;
    page.text(QRectF(area.left(), y, area.width() * 0.7, line), Qt::AlignLeft,
              QCoreApplication::translate("configsheet", "FILE: %1").arg(file), kText, Qt::ElideMiddle);
    page.text(QRectF(area.left() + area.width() * 0.7, y, area.width() * 0.3, line), Qt::AlignRight,
              sheet.program);
    y += line + page.mm(1.5);
    page.rule(y, area.left(), area.right());
    return y + page.mm(kGapMm);
}

// One view of the panel on `plate`: the panel picture, and over it each
// position's name, designation and assignment where the window shows them.
void drawPanel(Page &page, const QRectF &plate, const Sheet &sheet, bool lighting)
{
    QPainter &p = page.painter;
    const qreal sx = plate.width() / kPlateWidth, sy = plate.height() / kPlateHeight;
    auto place = [&](qreal left, qreal top, qreal width, qreal height) {
        return QRectF(plate.left() + (left - kPlateLeft) * sx, plate.top() + (top - kPlateTop) * sy,
                      width * sx, height * sy);
    };
    initResources();
    p.drawImage(plate, QImage(QStringLiteral(":/images/panel.png")));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kMarker, page.mm(0.35)));
    p.drawRect(place(kHeaderMarker.left, kHeaderMarker.top, kHeaderMarker.width,
                     kHeaderMarker.height)); // the programming header

    const QColor colour = lighting ? kLightingText : kSwitchText;
    auto box = [&](const QRectF &r) {
        p.setPen(QPen(kBoxEdge, page.mm(0.15)));
        p.setBrush(kBox);
        p.drawRect(r);
        p.setBrush(Qt::NoBrush);
    };
    auto assignmentBox = [&](const QRectF &r, std::int16_t code) {
        box(r);
        page.setFont(8, true);
        const QRectF inner = r.adjusted(page.mm(0.8), 0, -page.mm(0.8), 0);
        if (code < 0 || code >= assignment::kUnassigned) {
            page.text(inner, Qt::AlignCenter, code < 0 ? QCoreApplication::translate("configsheet", "INCOMPLETE") : QStringLiteral("N/A"),
                      colour);
            return;
        }
        const qreal half = inner.height() / 2;
        page.text(QRectF(inner.left(), inner.top(), inner.width(), half),
                  Qt::AlignHCenter | Qt::AlignBottom, QCoreApplication::translate("configsheet", "MODULE %1").arg(moduleText(code)),
                  colour);
        page.text(QRectF(inner.left(), inner.top() + half, inner.width(), half),
                  Qt::AlignHCenter | Qt::AlignTop, QCoreApplication::translate("configsheet", "CHANNEL %1").arg(channelText(code)),
                  colour);
    };

    for (int position = 0; position < 10; ++position) {
        const int i = lighting ? 10 + position : position;
        const bool left = position % 2 == 0;
        const int x = columnLeft(position);
        const int row = rowOffset(position);

        const Twips boxPlace = designationBox(position);
        const QRectF designation =
            place(boxPlace.left, boxPlace.top, boxPlace.width, boxPlace.height);
        box(designation);
        page.setFont(7.5, true);
        page.text(designation.adjusted(page.mm(0.6), 0, -page.mm(0.6), 0), Qt::AlignCenter,
                  sheet.designations[i], colour);
        const QRectF lists = place(x, kAssignmentTop + row, kPairWidth, kAssignmentHeight);
        assignmentBox(lists, sheet.codes[i]);

        page.setFont(8, true);
        const QRectF label =
            left ? place(kPlateLeft + 40, kAssignmentTop + row, 640, kAssignmentHeight)
                 : place(x + kPairWidth + 60, kAssignmentTop + row, 640, kAssignmentHeight);
        page.text(label, (left ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                  assignment::item(i).name(), kOnPlate);
    }
    if (lighting) {
        const int i = assignment::kBacklighting;
        assignmentBox(place(kRightColumn, kBacklightingTop, kPairWidth, kAssignmentHeight),
                      sheet.codes[i]);
        page.setFont(8, true);
        page.text(place(1800, kBacklightingTop, 1600, kAssignmentHeight),
                  Qt::AlignRight | Qt::AlignVCenter, assignment::item(i).name(), kOnPlate);
    }
}

// The table of all 21 items in item order, from `top` down.
void drawTable(Page &page, const Sheet &sheet, qreal top, qreal rowHeight)
{
    const QRectF area = page.area();
    QPainter &p = page.painter;
    // Column starts as parts of the width; the designation takes the rest.
    const qreal starts[] = {0, 0.14, 0.26, 0.38, 0.48, 1};
    const QString headings[] = {QCoreApplication::translate("configsheet", "ITEM"), QCoreApplication::translate("configsheet", "MODULE"), QCoreApplication::translate("configsheet", "CHANNEL"), QCoreApplication::translate("configsheet", "CODE"),
                                QCoreApplication::translate("configsheet", "DESIGNATION")};
    const qreal pad = page.mm(1.5);
    auto cell = [&](int column, qreal y, int span = 1) {
        const qreal left = area.left() + area.width() * starts[column];
        const qreal right = area.left() + area.width() * starts[column + span];
        return QRectF(left + pad, y, right - left - 2 * pad, rowHeight);
    };

    p.fillRect(QRectF(area.left(), top, area.width(), rowHeight), kHeaderFill);
    page.setFont(8.5, true);
    for (int c = 0; c < 5; ++c)
        page.text(cell(c, top), Qt::AlignLeft | Qt::AlignVCenter, headings[c]);

    page.setFont(8.5);
    for (int i = 0; i < assignment::kItemCount; ++i) {
        const qreal y = top + rowHeight * (i + 1);
        if (i % 2 == 1)
            p.fillRect(QRectF(area.left(), y, area.width(), rowHeight), kStripe);
        const std::int16_t code = sheet.codes[i];
        page.text(cell(0, y), Qt::AlignLeft | Qt::AlignVCenter, assignment::item(i).name());
        if (code < 0) {
            page.text(cell(1, y, 3), Qt::AlignLeft | Qt::AlignVCenter, QCoreApplication::translate("configsheet", "INCOMPLETE"));
        } else {
            page.text(cell(1, y), Qt::AlignLeft | Qt::AlignVCenter, moduleText(code));
            page.text(cell(2, y), Qt::AlignLeft | Qt::AlignVCenter, channelText(code));
            page.text(cell(3, y), Qt::AlignLeft | Qt::AlignVCenter, codeText(code));
        }
        page.text(cell(4, y), Qt::AlignLeft | Qt::AlignVCenter, designationOf(sheet, i));
    }
    const qreal bottom = top + rowHeight * (1 + assignment::kItemCount);
    page.rule(top + rowHeight, area.left(), area.right());
    page.rule(bottom, area.left(), area.right());
}

} // namespace

QString moduleText(std::int16_t code)
{
    if (code < 0)
        return QString();
    if (code >= assignment::kUnassigned)
        return QStringLiteral("N/A");
    return assignment::moduleEntryText(code / 10 + 1);
}

QString channelText(std::int16_t code)
{
    if (code < 0)
        return QString();
    if (code >= assignment::kUnassigned)
        return QStringLiteral("-");
    return assignment::channelEntryText(code % 10);
}

Sheet fromConfiguration(const qcf::Configuration &config)
{
    Sheet sheet;
    sheet.panelName = codepage::toText(config.panel);
    for (int i = 0; i < assignment::kNamedItemCount; ++i)
        sheet.designations[i] = codepage::toText(config.designations[i]);
    for (int i = 0; i < assignment::kItemCount; ++i)
        sheet.codes[i] = config.codes[i];
    return sheet;
}

QPageSize pageSizeFor(const QLocale &locale)
{
    return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                             : QPageSize::A4);
}

QPageLayout pageLayout(const QPageSize &size)
{
    return QPageLayout(size, QPageLayout::Portrait,
                       QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                       QPageLayout::Millimeter);
}

bool draw(QPagedPaintDevice &device, const Sheet &sheet)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    Page page(painter, device);
    const QRectF area = page.area();

    qreal y = drawHeading(page, sheet);

    // The table takes what its rows need at the bottom; the pictures take the rest.
    page.setFont(8.5);
    const qreal rowHeight = page.lineHeight() * 1.4;
    const qreal tableHeight = rowHeight * (1 + assignment::kItemCount);
    page.setFont(9, true);
    const qreal captionHeight = page.lineHeight() * 1.3;
    const qreal gap = page.mm(kGapMm);
    const qreal room = area.bottom() - tableHeight - gap - captionHeight - y;
    const qreal width = std::min((area.width() - 2 * gap) / 2, room * kPlateWidth / kPlateHeight);
    const qreal height = width * kPlateHeight / kPlateWidth;
    const qreal middle = area.center().x();
    const QRectF plates[2] = {QRectF(middle - gap - width, y + captionHeight, width, height),
                              QRectF(middle + gap, y + captionHeight, width, height)};
    const QString captions[2] = {QCoreApplication::translate("configsheet", "SWITCH CHANNEL ASSIGNMENTS"),
                                 QCoreApplication::translate("configsheet", "LIGHTING CHANNEL ASSIGNMENTS")};
    for (int v = 0; v < 2; ++v) {
        page.setFont(9, true);
        page.text(QRectF(plates[v].left(), y, width, captionHeight), Qt::AlignLeft | Qt::AlignTop,
                  captions[v], v == 0 ? kSwitchText : kLightingText);
        drawPanel(page, plates[v], sheet, v == 1);
    }
    drawTable(page, sheet, y + captionHeight + height + gap, rowHeight);
    return painter.end();
}

files::FileProblem writePdf(const QString &path, const Sheet &sheet, const QPageSize &pageSize)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setPageLayout(pageLayout(pageSize));
        pdf.setTitle(QCoreApplication::translate("configsheet", "CONFIGURATION SHEET %1").arg(sheet.panelName));
        pdf.setCreator(sheet.program);
        if (!draw(pdf, sheet))
            return files::FileProblem::Kind::NotDrawn;
    }
    return qcf::replaceFile(path, buffer.data(), files::FileKind::Pdf);
}

} // namespace configsheet
