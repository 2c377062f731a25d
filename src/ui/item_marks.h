#pragma once

#include <QColor>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QStringList>
#include <QWidget>

// A kind of mark: marks of one kind are set and cleared together, and draw in the
// kind's colour. Kinds are ordered by id, in the outline and in the texts.
struct MarkKind {
    int id;
    QColor colour;
};

// The kinds of mark the window shows.
// An item whose code in the panel differs from the window's ("PANEL HOLDS C 4"):
// orange, plain on the dark panel picture and apart from the blue focus ring,
// the cyan header marker and the red and green of the status box.
inline const MarkKind kPanelDiffers{1, QColor(255, 140, 0)};
// A switch on the same module and channel as another ("SAME CHANNEL AS SW7"):
// magenta, apart from the orange above and from every colour the window uses.
inline const MarkKind kSameChannel{2, QColor(255, 0, 255)};
// An item in which a configuration file chosen to compare with differs ("FILE
// HOLDS C 4"): the orange of the panel's differences, as it says the same thing
// of another configuration; a kind of its own, so that each compare replaces only
// its own marks.
inline const MarkKind kFileDiffers{3, kPanelDiffers.colour};

// The outline of a marked item: a band around the place of the item's controls,
// drawn outside them over the panel picture, with a dark inner edge so that it
// stands apart from the white lists as well. One colour draws a solid band;
// several alternate along it. Not interactive; assistive technology reads the
// marks from the item's lists instead.
class MarkRing : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kWidth = 4; // beyond the place on every side

    MarkRing(const QRect &place, QWidget *window);
    void setColours(const QList<QColor> &colours);
    QList<QColor> colours() const { return m_colours; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QList<QColor> m_colours;
};

// Marks on the window's items. A marked item shows an outline in its view, and
// its lists add each mark's text to their tip and accessible description
// ("SW3 MODULE ASSIGNMENT, PANEL HOLDS C 4"). An item can carry one mark of
// every kind at a time. Marks change nothing of the configuration.
class ItemMarks : public QObject
{
    Q_OBJECT
public:
    explicit ItemMarks(QWidget *window);

    // Makes item `item` markable: `lists` carry its texts (their tips as they are
    // now are the start of them), the outline goes around `place` (window
    // coordinates) and shows while the first of `lists` does.
    void addItem(int item, const QList<QWidget *> &lists, const QRect &place);
    // Adds lists to an item made markable without them (built later): they carry
    // its marks from now on, those it has already included.
    void addLists(int item, const QList<QWidget *> &lists);

    // Sets item's mark of `kind`, replacing one of the same kind.
    void mark(int item, const MarkKind &kind, const QString &text);
    // Takes away every mark of the kind with this id.
    void clear(int kindId);

    // The items with a mark of the kind, in item order.
    QList<int> marked(int kindId) const;
    // The texts of an item's marks, in kind order.
    QStringList texts(int item) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Mark {
        QColor colour;
        QString text;
    };
    struct Entry {
        QList<QPointer<QWidget>> lists;
        QStringList tips; // the lists' own tips
        MarkRing *ring = nullptr;
        QMap<int, Mark> marks; // by kind id
    };
    void update(int item);
    static void showRing(Entry &e);

    QWidget *m_window;
    QMap<int, Entry> m_items;
};
