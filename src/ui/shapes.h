#pragma once

#include <QColor>
#include <QPoint>
#include <QWidget>

// A line drawn between two points of the window, 2 pixels wide, in the colour of
// window text. Not interactive.
class LineShape : public QWidget
{
    Q_OBJECT
public:
    LineShape(QPoint from, QPoint to, QWidget *parent);
    QPoint from() const { return m_from; }
    QPoint to() const { return m_to; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QPoint m_from, m_to; // in window coordinates
};

// A rectangle outline in a fixed colour, transparent inside. Not interactive.
class RectangleShape : public QWidget
{
    Q_OBJECT
public:
    RectangleShape(const QRect &rect, const QColor &outline, QWidget *parent);
    QColor outline() const { return m_outline; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QColor m_outline;
};
