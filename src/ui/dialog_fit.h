#pragma once

#include <QList>
#include <QScrollArea>

class QGridLayout;
class QPushButton;
class QWidget;

// The part of a dialog that scrolls when the screen is too small for the whole
// dialog, above what must stay in reach (its state line and its buttons). It
// asks for room for its whole content, not for Qt's usual fraction of it, so
// that the dialog comes out as large as its content where the screen has room.
// The control that takes the keyboard focus is scrolled into view.
class FittingScrollArea : public QScrollArea
{
    Q_OBJECT
public:
    // Takes `content` as its widget, resized to the viewport's width.
    FittingScrollArea(QWidget *content, QWidget *parent);
    ~FittingScrollArea() override;

    QSize sizeHint() const override;
};

// The size `wanted` on a screen whose available area leaves `room` for the
// window without its frame: as wanted where it fits; else no larger than the
// room, with `scrollBar` pixels added in the other direction where one
// direction must scroll (its scroll bar takes room from the other).
QSize fittedDialogSize(QSize wanted, const QSize &room, int scrollBar);

// Sizes `dialog` to its layout's size hint within the available area of its
// screen, its frame included (estimated before the dialog is first shown), and
// keeps it on the screen with its title bar in reach. With `growOnly` it never
// gets smaller than it is (new content, the user's own size kept).
void fitDialogToScreen(QWidget &dialog, bool growOnly = false);

// A dialog's buttons in a row that wraps onto further rows, in columns of equal
// width, when the dialog is narrower than the row: every button stays in reach
// on a small or strongly scaled screen, whatever the length of its caption.
class ButtonRows : public QWidget
{
    Q_OBJECT
public:
    explicit ButtonRows(QWidget *parent);
    // Adds `button` after the others.
    void addButton(QPushButton *button);
    // How many buttons go in a row at `width` pixels.
    int columnsFor(int width) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void arrange(int columns);
    int widestButton() const;

    QGridLayout *m_grid;
    QList<QPushButton *> m_buttons;
    int m_columns = 0;
};
