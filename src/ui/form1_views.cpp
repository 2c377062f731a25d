// The switch view and the lighting view, and start-up.

#include "form1.h"
#include "list_selection.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScopedValueRollback>

using assignment::item;
using assignment::kBacklighting;

void Form1::Form_Load() { ShowSwitchView(); }

void Form1::Option1_Click() { ShowSwitchView(); }

void Form1::Option2_Click() { ShowLightingView(); }

// Shows the item's module list, and its channel list unless the module is "N/A"
// (a list with nothing selected counts as not "N/A").
void Form1::showItemLists(int i)
{
    QListWidget *module = list(item(i).moduleList);
    module->show();
    list(item(i).channelList)->setVisible(selectedIndex(module) != 0);
}

// The designation boxes a view shows are shown in the model too, so that an undo
// step shows them as the view left them.
void Form1::ShowSwitchView()
{
    m_option1->setChecked(true);
    for (int i = 0; i < 10; ++i) {
        designationBox(i)->setVisible(rec.config_flag == 0);
        if (rec.config_flag == 0)
            keepDesignationShown(i);
    }
    for (int i = 10; i < 20; ++i)
        designationBox(i)->hide();
    for (int i = 0; i < 10; ++i)
        showItemLists(i);
    for (int n = 21; n <= 42; ++n)
        list(n)->hide();
    for (int p = 0; p < 10; ++p) {
        m_positionLabels[p]->setText(item(p).name());
        m_positionLabels[p]->adjustSize();
    }
    m_backlightingLabel->hide();
}

void Form1::keepDesignationShown(int i)
{
    const QScopedValueRollback showing(m_showingModel, true);
    m_model->setDesignationShown(i, true);
}

void Form1::ShowLightingView()
{
    for (int i = 0; i < 10; ++i)
        designationBox(i)->hide();
    for (int i = 10; i < 20; ++i) {
        designationBox(i)->show();
        keepDesignationShown(i);
    }
    for (int n = 1; n <= 20; ++n)
        list(n)->hide();
    for (int i = 10; i <= kBacklighting; ++i)
        showItemLists(i);
    for (int p = 0; p < 10; ++p) {
        m_positionLabels[p]->setText(item(10 + p).name());
        m_positionLabels[p]->adjustSize();
    }
    m_backlightingLabel->show();
}
