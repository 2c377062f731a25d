#pragma once

#include "config/status_texts.h"
#include "panel/cell_walk.h"

#include <QCoreApplication>
#include <QString>
#include <optional>

class QColor;
class QTextEdit;
class QWidget;
class PanelLink;

// The status box `Text1`: hidden until a command shows it, three centred lines on
// a ground coloured by how the command went, in the window's language.
class StatusBox
{
    Q_DECLARE_TR_FUNCTIONS(Form1) // its texts are the window's
public:
    explicit StatusBox(QWidget *parent);

    QTextEdit *widget() const { return m_box; }

    // `text` is already in the window's language (translation::describe).
    void setText(const QString &text);
    // A text of several lines that scrolls when it is longer than the box.
    void setLines(const QStringList &lines);
    void setColor(const QColor &color);
    void setTone(statustext::Rgb tone);
    void show();
    void hide();
    void fail(const QString &text); // red, with `text`
    // What one cell's transaction leaves in the box: a write's cell turns it
    // yellow when it verified, and a write frame without acknowledgement leaves the
    // text as it was; a read's cell shows the box and its text.
    void showCell(const cellwalk::Cell &cell, bool write);
    // Green with the text of `done` when the command is done (none for a compare,
    // which says more itself), else red with why it is not.
    void showOutcome(cellwalk::Outcome outcome, std::optional<statustext::Status> done,
                     const PanelLink &link);
    // Red with why the link's port could not be opened.
    void failToOpen(const PanelLink &link);

private:
    QTextEdit *m_box;
};
