#pragma once

#include "config/assignment.h"

#include <QColor>
#include <QCoreApplication>
#include <QPalette>
#include <QRect>
#include <QString>

class AssignmentList;
class QFont;
class QLabel;
class QLineEdit;
class QWidget;

// What the window's controls are, as designed: their names, tips, fonts, colours and
// places, and the fixed entries of the assignment lists. What they do is the
// window's own (Form1 connects them and keeps them); the texts are the window's.
class ClientControls
{
    Q_DECLARE_TR_FUNCTIONS(Form1)
public:
    static inline const QColor kSwitchText{0, 128, 0};
    static inline const QColor kLightingText{192, 0, 0};
    static inline const QColor kHeadingText{0, 0, 255};

    static void setTextColor(QWidget *w, QPalette::ColorRole role, const QColor &color);
    // Object names are for the program and its tests. Assistive technology reads
    // what the window shows: a label its caption, a button its caption, a control
    // the name given here, and as description the tip (Qt's own fallback).
    static void name(QWidget *w, const QString &objectName, const QString &accessible = {});
    static QLabel *label(QWidget *parent, const QString &objectName, const QString &caption,
                         const QRect &place);

    // Where an item's lists and designation box go (the backlighting has no box).
    struct ItemPlaces {
        QRect module, channel, box;
    };
    static ItemPlaces itemPlaces(const assignment::Item &it);
    static QColor textColor(const assignment::Item &it);

    // Image1 with the programming header's marker and its two lines; the picture
    // itself is set once decoded.
    static QLabel *picture(QWidget *parent);
    // The module list (or the channel list) of item `it` with its entries, stacked
    // under `next` when given: while it has no place on the window, so that the
    // window repaints nothing.
    static AssignmentList *itemList(QWidget *parent, const assignment::Item &it, bool module,
                                    const QFont &font, QWidget *next);
    // The designation box of item `it`, stacked under `next`.
    static QLineEdit *designationBox(QWidget *parent, const assignment::Item &it, const QFont &font,
                                     QWidget *next);
};
