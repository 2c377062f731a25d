#include "focus_ring.h"

#include <QApplication>
#include <QPainter>

FocusRing::FocusRing(QWidget *window) : QFocusFrame(window)
{
    hide(); // until a control has the focus
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget *, QWidget *now) { follow(now); });
}

void FocusRing::follow(QWidget *focused)
{
    QWidget *window = parentWidget() ? parentWidget()->window() : nullptr;
    const bool inWindow = focused && focused != window && window && window->isAncestorOf(focused);
    setWidget(inWindow ? focused : nullptr);
}

// The frame is masked to a ring outside the control; filling it draws the ring.
void FocusRing::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Highlight));
}
