// Compare with panel: read the panel as the read command does, but only to mark
// in the window the items in which the panel holds something else. The window's
// configuration stays as it is; the marks go as soon as it changes.

#include "form1.h"
#include "item_marks.h"
#include "config/panel_compare.h"
#include "panel/memory_map.h"
#include "panel_command.h"
#include "panel/panel_link.h"

#include <QLineEdit>
#include <QListWidget>

using namespace statuscolour;

// Each item is markable around the place of its designation box and its two
// lists.
void Form1::buildItemMarks()
{
    m_marks = new ItemMarks(this);
    for (int i = 0; i < assignment::kItemCount; ++i) {
        QListWidget *module = list(assignment::item(i).moduleList);
        QListWidget *channel = list(assignment::item(i).channelList);
        QRect place = module->geometry() | channel->geometry();
        if (QLineEdit *box = designationBox(i))
            place |= box->geometry();
        m_marks->addItem(i, {module, channel}, place);
    }
}

void Form1::configurationChanged()
{
    m_marks->clear(kPanelDiffers.id);
    m_configurationFile.clear();
    updateSameChannelMarks(); // they follow the configuration instead
}

void Form1::comparePanel()
{
    if (m_busy)
        return;
    PanelCommand command(this);
    m_marks->clear(kPanelDiffers.id);

    setStatusColor(kYellow);
    setStatus(QStringLiteral("STARTING COMMUNICATIONS TO READ SWITCH PANEL CONFIGURATION"));
    showStatus();

    panelcompare::Codes panel{};
    bool read = false;
    if (!openPanelPort()) {
        failStatus(m_link->errorText());
    } else {
        read = transferCells(
            [&](int n) {
                ReadCell();
                panel[memory_map::itemAt(n)] = rec.A;
            },
            QString());
    }
    m_link->closePort();
    if (!read)
        return;

    // The window as it is now: its lists may have been used during the read.
    panelcompare::Codes ours{};
    for (int i = 0; i < assignment::kItemCount; ++i)
        ours[i] = selectedCode(i);
    const QList<panelcompare::Difference> differences = panelcompare::differences(ours, panel);
    for (const panelcompare::Difference &d : differences)
        m_marks->mark(d.item, kPanelDiffers, panelcompare::panelHoldsText(d.panel));
    setStatusColor(differences.isEmpty() ? kGreen : kRed);
    setStatus(panelcompare::statusText(differences));
}
