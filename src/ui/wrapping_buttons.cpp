#include "wrapping_buttons.h"

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {
constexpr int kTextFlags = Qt::TextWordWrap;
}

// The caption wraps within the button less its edge, as designed, also where the
// style keeps wider margins (the Windows styles): the captions then wrap as they
// do on Linux.
QRect WrappingPushButton::captionArea() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    area.adjust(2, 0, -2, 0);
    constexpr int kEdge = 4;
    area.setLeft(qMin(area.left(), kEdge));
    area.setRight(qMax(area.right(), width() - 1 - kEdge));
    return area;
}

void WrappingPushButton::paintEvent(QPaintEvent *)
{
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    p.drawControl(QStyle::CE_PushButton, option);
    p.drawItemText(captionArea(), Qt::AlignCenter | kTextFlags, option.palette, isEnabled(),
                   caption, QPalette::ButtonText);
}

// Return and Enter press the focused button as Space does (outside dialogs Qt
// leaves them to Space alone). Held down, they press it once.
void WrappingPushButton::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || (event->modifiers() & ~Qt::KeypadModifier)) {
        QPushButton::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat())
        click();
}

QRect WrappingRadioButton::captionArea() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect indicator = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
    return QRect(indicator.right() + 5, 0, width() - indicator.right() - 5, height());
}

void WrappingRadioButton::paintEvent(QPaintEvent *)
{
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    // The indicator at the left, centred vertically; the caption beside it.
    QRect indicator = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
    indicator.moveTop((height() - indicator.height()) / 2);
    QStyleOptionButton indicatorOption = option;
    indicatorOption.rect = indicator;
    p.drawPrimitive(QStyle::PE_IndicatorRadioButton, indicatorOption);
    const QRect area = captionArea();
    p.drawItemText(area, Qt::AlignLeft | Qt::AlignVCenter | kTextFlags, option.palette, isEnabled(),
                   caption, QPalette::WindowText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = area.adjusted(-2, 2, 0, -2);
        p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}
