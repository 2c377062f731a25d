#include "item_marks.h"

#include <QEvent>
#include <QPainter>

namespace {
constexpr int kBand = 3; // coloured part of the outline, outside the dark edge
const QColor kEdge(0, 0, 0);
} // namespace

MarkRing::MarkRing(const QRect &place, QWidget *window) : QWidget(window)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(place.adjusted(-kWidth, -kWidth, kWidth, kWidth));
    hide();
}

void MarkRing::setColours(const QList<QColor> &colours)
{
    m_colours = colours;
    update();
}

void MarkRing::paintEvent(QPaintEvent *)
{
    if (m_colours.isEmpty())
        return;
    QPainter p(this);
    const QRectF band =
        QRectF(rect()).adjusted(kBand / 2.0, kBand / 2.0, -kBand / 2.0, -kBand / 2.0);
    // Several colours take turns in dashes of equal length along the band.
    const qreal dash = 2.0; // in band widths
    const int n = int(m_colours.size());
    for (int i = 0; i < n; ++i) {
        QPen pen(m_colours[i], kBand, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
        if (n > 1) {
            pen.setDashPattern({dash, dash * (n - 1)});
            pen.setDashOffset(-dash * i);
        }
        p.setPen(pen);
        p.drawRect(band);
    }
    p.setPen(QPen(kEdge, 1));
    const QRectF edge =
        QRectF(rect()).adjusted(kBand + 0.5, kBand + 0.5, -kBand - 0.5, -kBand - 0.5);
    p.drawRect(edge);
}

ItemMarks::ItemMarks(QWidget *window) : QObject(window), m_window(window) {}

void ItemMarks::addItem(int item, const QList<QWidget *> &lists, const QRect &place)
{
    Entry &e = m_items[item];
    e.ring = new MarkRing(place, m_window);
    e.ring->setObjectName(QStringLiteral("Mark%1").arg(item));
    addLists(item, lists);
}

void ItemMarks::addLists(int item, const QList<QWidget *> &lists)
{
    Entry &e = m_items[item];
    if (lists.isEmpty())
        return;
    if (e.lists.isEmpty())
        lists.first()->installEventFilter(this);
    for (QWidget *w : lists) {
        e.lists << w;
        e.tips << w->toolTip();
    }
    if (!e.marks.isEmpty())
        update(item);
}

void ItemMarks::mark(int item, const MarkKind &kind, const QString &text)
{
    auto it = m_items.find(item);
    if (it == m_items.end())
        return;
    it->marks.insert(kind.id, {kind.colour, text});
    update(item);
}

void ItemMarks::clear(int kindId)
{
    for (auto it = m_items.begin(); it != m_items.end(); ++it)
        if (it->marks.remove(kindId))
            update(it.key());
}

QList<int> ItemMarks::marked(int kindId) const
{
    QList<int> items;
    for (auto it = m_items.cbegin(); it != m_items.cend(); ++it)
        if (it->marks.contains(kindId))
            items << it.key();
    return items;
}

QStringList ItemMarks::texts(int item) const
{
    QStringList texts;
    for (const Mark &m : m_items.value(item).marks)
        texts << m.text;
    return texts;
}

void ItemMarks::update(int item)
{
    Entry &e = m_items[item];
    QList<QColor> colours;
    for (const Mark &m : std::as_const(e.marks))
        colours << m.colour;
    const QStringList added = texts(item);
    for (int i = 0; i < e.lists.size(); ++i) {
        QWidget *w = e.lists[i];
        if (!w)
            continue;
        const QString text = QStringList(QStringList{e.tips[i]} + added).join(QStringLiteral(", "));
        w->setToolTip(text);
        w->setAccessibleDescription(text);
    }
    e.ring->setColours(colours);
    showRing(e);
}

void ItemMarks::showRing(Entry &e)
{
    const bool shown = !e.lists.isEmpty() && e.lists.first() && !e.lists.first()->isHidden();
    e.ring->setVisible(shown && !e.marks.isEmpty());
    if (!e.ring->isHidden())
        e.ring->raise();
}

// The outline follows its item's view: shown and hidden with the item's first list.
bool ItemMarks::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent) {
        for (Entry &e : m_items)
            if (!e.lists.isEmpty() && e.lists.first() == watched)
                showRing(e);
    }
    return QObject::eventFilter(watched, event);
}
