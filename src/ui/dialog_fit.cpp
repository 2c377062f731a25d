#include "dialog_fit.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QStyle>
#include <QWidget>

FittingScrollArea::FittingScrollArea(QWidget *content, QWidget *parent) : QScrollArea(parent)
{
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setWidget(content);
    // The keyboard goes to the controls inside, which scroll into view.
    setFocusPolicy(Qt::NoFocus);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && widget() && widget()->isAncestorOf(now))
            ensureWidgetVisible(now, 8, 8);
    });
}

FittingScrollArea::~FittingScrollArea() { disconnect(qApp, nullptr, this, nullptr); }

QSize FittingScrollArea::sizeHint() const
{
    const int frame = 2 * frameWidth();
    const QSize content = widget() ? widget()->sizeHint() : QSize();
    return content + QSize(frame, frame);
}

QSize fittedDialogSize(QSize wanted, const QSize &room, int scrollBar)
{
    if (wanted.height() > room.height())
        wanted.rwidth() += scrollBar;
    if (wanted.width() > room.width())
        wanted.rheight() += scrollBar;
    return wanted.boundedTo(room);
}

namespace {

// A layout and those nested in it forget the sizes they keep.
void invalidateAll(QLayout *layout)
{
    if (!layout)
        return;
    layout->invalidate();
    for (int i = 0; i < layout->count(); ++i)
        invalidateAll(layout->itemAt(i)->layout());
}

} // namespace

void fitDialogToScreen(QWidget &dialog, bool growOnly)
{
    const QScreen *screen = dialog.screen();
    if (!screen)
        return;
    // Controls just added or changed are counted: the layouts run first, and the
    // scroll areas ask anew for their content's room.
    for (FittingScrollArea *area : dialog.findChildren<FittingScrollArea *>()) {
        if (area->widget())
            invalidateAll(area->widget()->layout());
        area->updateGeometry();
    }
    invalidateAll(dialog.layout());
    const QRect available = screen->availableGeometry();
    QSize frame = dialog.frameGeometry().size() - dialog.size();
    if (!dialog.isVisible() || frame.isNull()) {
        // Not known before the window manager has framed the dialog: room for a
        // title bar and borders as most desktops draw them.
        const int line = QFontMetrics(dialog.font()).height();
        frame = QSize(8, 2 * line + 8);
    }
    const QSize room = (available.size() - frame).expandedTo(dialog.minimumSize());
    const int bar = dialog.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &dialog);
    QSize size = fittedDialogSize(dialog.sizeHint(), room, bar);
    if (growOnly)
        size = size.expandedTo(dialog.size()).boundedTo(room);
    dialog.resize(size);

    // Within the available area, the frame's top left first. Before the first
    // show, QDialog places it over its parent, within the screen.
    if (!dialog.isVisible())
        return;
    const QRect placed(dialog.pos(), size + frame);
    QPoint topLeft = placed.topLeft();
    topLeft.setX(qMin(topLeft.x(), available.right() + 1 - placed.width()));
    topLeft.setY(qMin(topLeft.y(), available.bottom() + 1 - placed.height()));
    topLeft.setX(qMax(topLeft.x(), available.left()));
    topLeft.setY(qMax(topLeft.y(), available.top()));
    if (topLeft != dialog.pos())
        dialog.move(topLeft);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

ButtonRows::ButtonRows(QWidget *parent) : QWidget(parent), m_grid(new QGridLayout(this))
{
    m_grid->setContentsMargins(0, 0, 0, 0);
}

void ButtonRows::addButton(QPushButton *button)
{
    m_buttons << button;
    arrange(int(m_buttons.size()));
}

int ButtonRows::widestButton() const
{
    int widest = 0;
    for (const QPushButton *b : m_buttons)
        widest = qMax(widest, b->sizeHint().expandedTo(b->minimumSize()).width());
    return widest;
}

int ButtonRows::columnsFor(int width) const
{
    const int spacing = qMax(0, m_grid->horizontalSpacing());
    const int columns = (width + spacing) / qMax(1, widestButton() + spacing);
    return qBound(1, columns, qMax(1, int(m_buttons.size())));
}

void ButtonRows::arrange(int columns)
{
    if (columns == m_columns && m_grid->count() == m_buttons.size())
        return;
    m_columns = columns;
    for (QPushButton *b : m_buttons)
        m_grid->removeWidget(b);
    for (int c = 0; c < m_grid->columnCount(); ++c)
        m_grid->setColumnStretch(c, 0);
    for (int i = 0; i < m_buttons.size(); ++i)
        m_grid->addWidget(m_buttons[i], i / columns, i % columns);
    for (int c = 0; c < columns; ++c)
        m_grid->setColumnStretch(c, 1);
    updateGeometry();
}

// As wide as all buttons in one row; as high as the rows they take now.
QSize ButtonRows::sizeHint() const
{
    const int spacing = qMax(0, m_grid->horizontalSpacing());
    const int count = int(m_buttons.size());
    const int width = count * widestButton() + qMax(0, count - 1) * spacing;
    return QSize(width, m_grid->sizeHint().height());
}

// One button wide: narrower, the buttons go onto more rows.
QSize ButtonRows::minimumSizeHint() const
{
    return QSize(widestButton(), m_grid->minimumSize().height());
}

void ButtonRows::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    arrange(columnsFor(event->size().width()));
}
