#pragma once

#include <QFocusFrame>

// A ring around whichever control of the window has the keyboard focus, in the
// window's highlight colour, plain to see on the light window and on the dark
// panel picture alike; the styles' own focus marks are faint or shown only now
// and then. It follows the focus by itself and is hidden while no control of the
// window has it. Assistive technology does not see it.
class FocusRing : public QFocusFrame
{
    Q_OBJECT
public:
    explicit FocusRing(QWidget *window);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    void follow(QWidget *focused);
};
