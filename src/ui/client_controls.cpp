#include "client_controls.h"

#include "assignment_list.h"
#include "code_page_validator.h"
#include "shapes.h"
#include "twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <limits>

namespace {
const QColor kMarkerOutline(128, 255, 255);
}

void ClientControls::setTextColor(QWidget *w, QPalette::ColorRole role, const QColor &color)
{
    QPalette pal = w->palette();
    pal.setColor(role, color);
    w->setPalette(pal);
}

void ClientControls::name(QWidget *w, const QString &objectName, const QString &accessible)
{
    w->setObjectName(objectName);
    w->setAccessibleName(accessible);
}

QLabel *ClientControls::label(QWidget *parent, const QString &objectName, const QString &caption,
                              const QRect &place)
{
    auto *l = new QLabel(caption, parent);
    l->setObjectName(objectName);
    l->setGeometry(place);
    return l;
}

QColor ClientControls::textColor(const assignment::Item &it)
{
    return it.kind == assignment::ItemKind::Switch ? kSwitchText : kLightingText;
}

ClientControls::ItemPlaces ClientControls::itemPlaces(const assignment::Item &it)
{
    if (it.kind == assignment::ItemKind::Backlighting)
        return {twipsRect(panelgeometry::kBacklightingModule),
                twipsRect(panelgeometry::kBacklightingChannel), QRect()};
    const int p = it.number - 1;
    return {twipsRect(panelgeometry::moduleList(p)), twipsRect(panelgeometry::channelList(p)),
            twipsRect(panelgeometry::designationBox(p))};
}

QLabel *ClientControls::picture(QWidget *parent)
{
    auto *image = new QLabel(parent);
    name(image, QStringLiteral("Image1"), tr("SWITCH PANEL PICTURE"));
    image->setScaledContents(true);
    image->setGeometry(twipsRect(panelgeometry::kPlate));

    auto *shape =
        new RectangleShape(twipsRect(panelgeometry::kHeaderMarker), kMarkerOutline, parent);
    name(shape, QStringLiteral("Shape1"), tr("PROGRAMMING HEADER MARKER"));
    auto *line1 = new LineShape(twipsPoint(1320, 7680), twipsPoint(1320, 8760), parent);
    name(line1, QStringLiteral("Line1"));
    auto *line2 = new LineShape(twipsPoint(1680, 8760), twipsPoint(1320, 8760), parent);
    name(line2, QStringLiteral("Line2"));
    return image;
}

AssignmentList *ClientControls::itemList(QWidget *parent, const assignment::Item &it, bool module,
                                         const QFont &font, QWidget *next)
{
    const QString tip = module ? tr("%1 MODULE ASSIGNMENT").arg(it.name())
                               : tr("%1 CHANNEL ASSIGNMENT").arg(it.name());
    const QRect place = module ? itemPlaces(it).module : itemPlaces(it).channel;
    auto *l = new AssignmentList(parent);
    if (next)
        l->stackUnder(next);
    name(l, QStringLiteral("List%1").arg(module ? it.moduleList : it.channelList), tip);
    l->setToolTip(tip);
    l->setAccessibleDescription(tip); // item views do not fall back to the tip
    l->setFont(font);
    setTextColor(l, QPalette::Text, textColor(it));
    l->setSelectionMode(QAbstractItemView::SingleSelection);
    l->setUniformItemSizes(true);
    l->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    l->setGeometry(place);
    // Three entries fill the visible height (the third clipped by at most a
    // pixel, so that no sliver of a fourth shows); the rest scroll.
    const int rowHeight = (place.height() - 2 * l->frameWidth() + 2) / 3;
    const int entries = module ? assignment::kModuleEntries : assignment::kChannelEntries;
    for (int i = 0; i < entries; ++i) {
        auto *entry = new QListWidgetItem(module ? assignment::moduleEntryText(i)
                                                 : assignment::channelEntryText(i));
        entry->setData(Qt::UserRole, module ? int(assignment::moduleEntryNumber(i))
                                            : int(assignment::channelEntryNumber(i)));
        entry->setSizeHint(QSize(0, rowHeight));
        l->addItem(entry);
    }
    return l;
}

QLineEdit *ClientControls::designationBox(QWidget *parent, const assignment::Item &it,
                                          const QFont &font, QWidget *next)
{
    auto *box = new QLineEdit(parent);
    box->stackUnder(next);
    const QString tip = tr("ENTER %1 FUNCTION").arg(it.name());
    name(box, QStringLiteral("Text%1").arg(it.designationBox), tip);
    box->setToolTip(tip);
    box->setFont(font);
    box->setAlignment(Qt::AlignCenter);
    box->setMaxLength(std::numeric_limits<int>::max());
    box->setValidator(new CodePageValidator(box));
    setTextColor(box, QPalette::Text, textColor(it));
    box->setGeometry(itemPlaces(it).box);
    return box;
}
