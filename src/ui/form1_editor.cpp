// The assignment lists' selection handlers, collecting the selections for output,
// loading codes back into the lists, and the configuration model shown in the
// lists and boxes: what the user changes there becomes an undo step on the model,
// what the model holds (after an undo, say) is shown there.

#include "configuration_commands.h"
#include "form1.h"
#include "list_selection.h"

#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QUndoStack>

using assignment::add16;
using assignment::item;

// Selection handler of every module list (List1, List3, ..., List41).
void Form1::ModuleList_Click(int n)
{
    const int p = selectedIndex(list(n));
    if (p < 0)
        return; // selection cleared by the program: nothing to take over
    ItemFields &f = rec.items[assignment::itemOfList(n)];
    if (p == 0) {
        // "N/A": the entry's number is itself the code; the parts keep their values.
        f.code = static_cast<std::int16_t>(entryNumber(list(n), p));
        list(n + 1)->hide();
        return;
    }
    list(n + 1)->show();
    f.modulePart = static_cast<std::int16_t>(entryNumber(list(n), p));
    if (const auto code = add16(f.channelPart, f.modulePart))
        f.code = *code;
}

// Selection handler of every channel list (List2, List4, ..., List42).
void Form1::ChannelList_Click(int n)
{
    const int q = selectedIndex(list(n));
    if (q < 0)
        return;
    const int i = assignment::itemOfList(n);
    ItemFields &f = rec.items[i];
    f.channelPart = static_cast<std::int16_t>(entryNumber(list(n), q));
    if (const auto code = add16(f.modulePart, f.channelPart))
        f.code = *code;
    if (QLineEdit *box = designationBox(i))
        box->show();
}

// Fills the 21 output codes from the items' selections, whatever the lists'
// visibility, in item order. Stops at the first item without a complete selection
// with error_flag 1 (a switch) or 2 (an LED or the backlighting); on success shows
// the switch view.
void Form1::CollectAssignments()
{
    for (int i = 0; i < assignment::kItemCount; ++i) {
        const std::int16_t code = m_model->code(i);
        if (code < 0) {
            rec.error_flag = item(i).incompleteFlag;
            return;
        }
        rec.output(i) = code;
    }
    ShowSwitchView();
}

assignment::Codes Form1::collectedCodes()
{
    assignment::Codes codes{};
    for (int i = 0; i < assignment::kItemCount; ++i)
        codes[i] = rec.output(i);
    return codes;
}

// Turns the code in A into the list positions h_index and l_index.
void Form1::SplitCode()
{
    const assignment::Split split = assignment::splitCode(rec.A, rec.l_index);
    rec.h_index = split.moduleIndex;
    rec.l_index = split.channelIndex;
    rec.A = split.rest;
}

// The loading step for one item: split A, then select the module entry and then
// the channel entry, which runs their handlers as a click would.
void Form1::LoadItem(int i)
{
    SplitCode();
    setSelectedIndex(list(item(i).moduleList), rec.h_index);
    setSelectedIndex(list(item(i).channelList), rec.l_index);
}

ItemState Form1::shownItem(int i) const
{
    ItemState s = m_model->item(i);
    s.module = selectedIndex(list(item(i).moduleList));
    s.channel = selectedIndex(list(item(i).channelList));
    if (const QLineEdit *box = designationBox(i)) {
        s.designation = box->text();
        // A box hidden by a read shows again once a channel is chosen.
        s.designationShown = s.designationShown || !box->isHidden();
    }
    return s;
}

void Form1::takeListChoice(int n)
{
    if (m_showingModel)
        return;
    const int i = assignment::itemOfList(n);
    const ItemState before = m_model->item(i);
    const ItemState after = shownItem(i);
    if (m_replacing > 0 || (before.module == after.module && before.channel == after.channel)) {
        const QScopedValueRollback showing(m_showingModel, true);
        m_model->setItem(i, after); // part of a larger step, or nothing to undo
        return;
    }
    const QString what = assignment::isModuleList(n) ? tr("%1 MODULE") : tr("%1 CHANNEL");
    const QScopedValueRollback showing(m_showingModel, true); // the controls show it already
    m_undo->push(new SetItemCommand(m_model, i, before, after, what.arg(item(i).name())));
}

void Form1::takeTypedText(int box)
{
    if (m_showingModel)
        return;
    const QString text = m_textBoxes.at(box)->text();
    const bool panelName = box == 2;
    const int i =
        panelName ? TypeTextCommand::kPanelName : box - 3; // Text3 is SW1's, Text13 LED1's
    const QString before = panelName ? m_model->panelName() : m_model->item(i).designation;
    if (m_replacing > 0 || before == text) {
        const QScopedValueRollback showing(m_showingModel, true);
        if (panelName)
            m_model->setPanelName(text);
        else
            m_model->setDesignation(i, text);
        return;
    }
    const QString what = panelName ? tr("PANEL NAME") : tr("%1 DESIGNATION").arg(item(i).name());
    const QScopedValueRollback showing(m_showingModel, true);
    m_undo->push(new TypeTextCommand(m_model, i, before, text, what));
}

// The item's lists select what the model holds, as clicks on their entries would
// (for "N/A" the channel first: its list is hidden once "N/A" is chosen and keeps
// its selection, as after a click), its box shows the designation, and the
// item's controls show as its view shows them.
void Form1::showModelItem(int i)
{
    if (m_showingModel)
        return;
    const QScopedValueRollback showing(m_showingModel, true);
    const ItemState &s = m_model->item(i);
    QListWidget *module = list(item(i).moduleList);
    QListWidget *channel = list(item(i).channelList);
    auto select = [](QListWidget *l, int index) {
        if (selectedIndex(l) != index)
            setSelectedIndex(l, index);
    };
    if (s.module == 0) {
        select(channel, s.channel);
        select(module, 0);
    } else {
        select(module, s.module);
        select(channel, s.channel);
    }
    QLineEdit *box = designationBox(i);
    if (box && box->text() != s.designation)
        box->setText(s.designation);
    if (m_replacing > 0)
        return; // the command's own view procedure places the controls
    const bool lighting = item(i).kind != assignment::ItemKind::Switch;
    const bool inView = lighting == m_option2->isChecked();
    module->setVisible(inView);
    channel->setVisible(inView && s.module != 0);
    if (box)
        box->setVisible(inView && s.designationShown);
}

void Form1::showModelPanelName()
{
    if (m_showingModel)
        return;
    const QScopedValueRollback showing(m_showingModel, true);
    if (m_textBoxes[2]->text() != m_model->panelName())
        m_textBoxes[2]->setText(m_model->panelName());
}

void Form1::beginReplacement()
{
    if (m_replacing++ == 0)
        m_beforeReplacement = m_model->state();
}

void Form1::endReplacement(const QString &text)
{
    if (--m_replacing > 0)
        return;
    if (m_model->state().sameConfiguration(m_beforeReplacement))
        configurationChanged();
    else
        m_undo->push(new ReplaceCommand(m_model, m_beforeReplacement, m_model->state(), text));
}
