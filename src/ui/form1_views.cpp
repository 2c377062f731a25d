// The switch view and the lighting view, start-up, the current item and the marks
// that follow the configuration.

#include "config/item_edit.h"
#include "form1.h"
#include "item_marks.h"
#include "list_selection.h"
#include "translation.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

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

// Whether the item's designation box shows, kept for the item's view; the box
// shows at once when its view is on the screen.
void Form1::showDesignationBox(int i, bool shown)
{
    m_boxesShown.at(i) = shown;
    if (QLineEdit *box = designationBox(i)) {
        const bool lighting = item(i).kind != assignment::ItemKind::Switch;
        box->setVisible(shown && lighting == m_option2->isChecked());
    }
}

void Form1::ShowSwitchView()
{
    m_option1->setChecked(true);
    for (int i = 0; i < 10; ++i) {
        designationBox(i)->setVisible(rec.config_flag == 0);
        if (rec.config_flag == 0)
            m_boxesShown[i] = true;
    }
    // The lighting view's controls are hidden, those not built yet included.
    for (int i = 10; i < 20; ++i) {
        if (QLineEdit *box = m_textBoxes[item(i).designationBox])
            box->hide();
    }
    for (int i = 0; i < 10; ++i)
        showItemLists(i);
    for (int n = 21; n <= 42; ++n) {
        if (m_lists[n])
            m_lists[n]->hide();
    }
    for (int p = 0; p < 10; ++p) {
        m_positionLabels[p]->setText(item(p).name());
        m_positionLabels[p]->adjustSize();
    }
    m_backlightingLabel->hide();
}

void Form1::ShowLightingView()
{
    for (int i = 0; i < 10; ++i)
        designationBox(i)->hide();
    for (int i = 10; i < 20; ++i) {
        designationBox(i)->show();
        m_boxesShown[i] = true;
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

void Form1::configurationChanged()
{
    m_marks->clear(kPanelDiffers.id);
    m_marks->clear(kFileDiffers.id);
    m_files->forgetFile();
    updateSameChannelMarks(); // they follow the configuration instead
}

// Focus outside the window (a menu, a dialog) keeps the current item; focus on
// any other control of the window ends it.
void Form1::setCurrentItem(QWidget *focus)
{
    if (!focus || !isAncestorOf(focus))
        return;
    int current = -1;
    for (int i = 0; i < assignment::kItemCount; ++i) {
        const assignment::Item &it = item(i);
        if (focus == m_lists[it.moduleList] || focus == m_lists[it.channelList] ||
            (it.designationBox && focus == m_textBoxes[it.designationBox]))
            current = i;
    }
    if (current == m_currentItem)
        return;
    m_currentItem = current;
    emit currentItemChanged(current);
}

void Form1::updateSameChannelMarks()
{
    m_marks->clear(kSameChannel.id);
    const QMap<int, QList<int>> same = itemedit::sameChannelSwitches(m_model->codes());
    for (auto it = same.cbegin(); it != same.cend(); ++it)
        m_marks->mark(it.key(), kSameChannel, translation::sameChannel(it.value()));
}
