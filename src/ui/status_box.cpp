#include "status_box.h"

#include "panel/panel_link.h"
#include "status_colour.h"
#include "translation.h"
#include "twips.h"
#include "window_fonts.h"

#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>

StatusBox::StatusBox(QWidget *parent) : m_box(new QTextEdit(parent))
{
    m_box->setObjectName(QStringLiteral("Text1"));
    m_box->setAccessibleName(tr("STATUS"));
    m_box->setFont(windowfonts::font(windowfonts::Role::Status));
    m_box->setReadOnly(true);
    m_box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_box->document()->setDocumentMargin(1); // three lines of text fit the box
    m_box->setGeometry(twipsRect(1680, 1680, 3255, 615));
    m_box->setAutoFillBackground(true);
    setColor(parent->palette().color(QPalette::Midlight));
    // Black reads on every ground the commands give the box.
    QPalette pal = m_box->palette();
    pal.setColor(QPalette::Text, Qt::black);
    m_box->setPalette(pal);
    setText(QStringLiteral("Text1\r\n"));
    m_box->hide();
}

void StatusBox::setText(const QString &text)
{
    m_box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff); // three lines fit
    m_box->setPlainText(text);
    QTextCursor cursor(m_box->document());
    cursor.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.mergeBlockFormat(centred);
}

void StatusBox::setLines(const QStringList &lines)
{
    setText(lines.join(QLatin1Char('\n')));
    m_box->setVerticalScrollBarPolicy(lines.size() > 3 ? Qt::ScrollBarAsNeeded
                                                       : Qt::ScrollBarAlwaysOff);
}

void StatusBox::setColor(const QColor &color)
{
    QPalette pal = m_box->palette();
    pal.setColor(QPalette::Base, color);
    m_box->setPalette(pal);
}

void StatusBox::setTone(statustext::Rgb tone) { setColor(statusColour(tone)); }

void StatusBox::show() { m_box->show(); }

void StatusBox::hide() { m_box->hide(); }

void StatusBox::fail(const QString &text)
{
    setTone(statustext::kFailed);
    setText(text);
}

void StatusBox::showCell(const cellwalk::Cell &cell, bool write)
{
    if (write) {
        if (cell.result == cellwalk::CellResult::Ok)
            setTone(statustext::kRunning);
        if (cell.result == cellwalk::CellResult::NotAcknowledged)
            return;
    } else {
        show();
    }
    setText(translation::describe(cell.result));
}

void StatusBox::showOutcome(cellwalk::Outcome outcome, std::optional<statustext::Status> done,
                            const PanelLink &link)
{
    setTone(outcome == cellwalk::Outcome::Done ? statustext::kDone : statustext::kFailed);
    setText(translation::describe(cellwalk::ending(outcome, done, link)));
}

void StatusBox::failToOpen(const PanelLink &link)
{
    fail(link.openFailure() ? translation::describe(*link.openFailure()) : QString());
}
