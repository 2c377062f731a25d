#pragma once

#include <QPushButton>
#include <QRadioButton>

// Buttons whose caption wraps onto further lines when it is wider than the button,
// as the window's long captions need at their fixed sizes.
class WrappingPushButton : public QPushButton
{
    Q_OBJECT
public:
    WrappingPushButton(const QString &text, QWidget *parent) : QPushButton(text, parent) {}
    // Where the caption is drawn, wrapped at its words.
    QRect captionArea() const;

protected:
    void paintEvent(QPaintEvent *) override;
    void keyPressEvent(QKeyEvent *event) override;
};

class WrappingRadioButton : public QRadioButton
{
    Q_OBJECT
public:
    WrappingRadioButton(const QString &text, QWidget *parent) : QRadioButton(text, parent) {}
    // Where the caption is drawn beside the indicator, wrapped at its words.
    QRect captionArea() const;

protected:
    void paintEvent(QPaintEvent *) override;
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
};
