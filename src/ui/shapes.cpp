#include "shapes.h"

#include <QPainter>

namespace {
constexpr int kPenWidth = 2;
}

LineShape::LineShape(QPoint from, QPoint to, QWidget *parent)
    : QWidget(parent), m_from(from), m_to(to)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(
        QRect(from, to).normalized().adjusted(-kPenWidth, -kPenWidth, kPenWidth, kPenWidth));
}

void LineShape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(QPen(palette().color(QPalette::WindowText), kPenWidth, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(m_from - pos(), m_to - pos());
}

RectangleShape::RectangleShape(const QRect &rect, const QColor &outline, QWidget *parent)
    : QWidget(parent), m_outline(outline)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(rect);
}

void RectangleShape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(QPen(m_outline, 1));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
