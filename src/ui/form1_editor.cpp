// The assignment lists' selection handlers, collecting the model's selections for
// output, loading codes into a configuration, and the model shown in the lists
// and boxes: what the user changes there becomes an undo step on the model, what
// the model holds (after an open, a read or an undo) is shown there.

#include "configuration_commands.h"
#include "files/code_page.h"
#include "form1.h"
#include "list_selection.h"

#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
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
    if (QLineEdit *box = designationBox(i)) {
        box->show();
        m_boxesShown[i] = true;
    }
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

assignment::Split Form1::SplitCode(std::int16_t code)
{
    const assignment::Split split = assignment::splitCode(code, m_splitChannel);
    m_splitChannel = split.channelIndex;
    return split;
}

// The loading step for one item: split the code, then the module entry and the
// channel entry it gives (a channel position no list has clears the selection).
void Form1::LoadItem(ConfigurationState &state, int i, std::int16_t code)
{
    const assignment::Split split = SplitCode(code);
    ItemState &s = state.items.at(i);
    s.module = split.moduleIndex;
    const bool listed = split.channelIndex >= 0 && split.channelIndex < assignment::kChannelEntries;
    s.channel = listed ? split.channelIndex : -1;
}

// A configuration file's panel name (as far as the name box takes it), its
// designations and its codes, loaded in item order; the window ends in the switch
// view with the switch designation boxes shown.
void Form1::loadConfiguration(const qcf::Configuration &config, const QString &text)
{
    const ConfigurationState before = m_model->state();
    const BoxesShownCommand::Shown boxesBefore = m_boxesShown;
    ConfigurationState after = before;
    after.panelName = codepage::toText(config.panel).left(qcf::kPanelNameLength);
    for (int i = 0; i < qcf::kDesignations; ++i)
        after.items[i].designation = codepage::toText(config.designations[i]);
    for (int i = 0; i < qcf::kCodes; ++i)
        LoadItem(after, i, config.codes[i]);
    for (int i = 0; i < 10; ++i)
        m_boxesShown[i] = true; // as the switch view below shows them
    pushReplacement(before, after, boxesBefore, text);
    ShowSwitchView();
}

// What an undo step sets back of the designation boxes: a box whose flag is
// already as the step has it stays as it is.
BoxesShownCommand::Show Form1::boxesShownSetter()
{
    return [this](int i, bool shown) {
        if (m_boxesShown[i] != shown)
            showDesignationBox(i, shown);
    };
}

void Form1::pushReplacement(const ConfigurationState &before, const ConfigurationState &after,
                            const BoxesShownCommand::Shown &boxesBefore, const QString &text)
{
    if (after == before) {
        configurationChanged(); // no step, but what followed the old one goes
        return;
    }
    auto *step = new ReplaceCommand(m_model, before, after, text);
    QList<int> items;
    for (int i = 0; i < assignment::kItemCount; ++i)
        items << i;
    new BoxesShownCommand(boxesShownSetter(), items, boxesBefore, m_boxesShown, step);
    m_undo->push(step);
}

// A list whose selection differs from the model was clicked (or set by a test as
// a click would): the choice becomes an undo step, with the item's designation
// box as the click left it. A list that shows the model already has nothing to
// take.
void Form1::takeListChoice(int n, bool boxShownBefore)
{
    const int i = assignment::itemOfList(n);
    const ItemState before = m_model->item(i);
    ItemState after = before;
    (assignment::isModuleList(n) ? after.module : after.channel) = selectedIndex(list(n));
    if (after == before)
        return;
    const QString what = assignment::isModuleList(n) ? tr("%1 MODULE") : tr("%1 CHANNEL");
    auto *step = new SetItemCommand(m_model, i, before, after, what.arg(item(i).name()));
    BoxesShownCommand::Shown boxesBefore = m_boxesShown;
    boxesBefore[i] = boxShownBefore;
    new BoxesShownCommand(boxesShownSetter(), {i}, boxesBefore, m_boxesShown, step);
    m_undo->push(step);
}

void Form1::takeTypedText(int box)
{
    const QString text = m_textBoxes.at(box)->text();
    const bool panelName = box == 2;
    const int i =
        panelName ? TypeTextCommand::kPanelName : box - 3; // Text3 is SW1's, Text13 LED1's
    const QString before = panelName ? m_model->panelName() : m_model->item(i).designation;
    if (before == text)
        return; // the box shows the model
    const QString what = panelName ? tr("PANEL NAME") : tr("%1 DESIGNATION").arg(item(i).name());
    m_undo->push(new TypeTextCommand(m_model, i, before, text, what));
}

// The item's lists select what the model holds, as clicks on their entries would
// (for "N/A" the channel first: its list is hidden once "N/A" is chosen and keeps
// its selection, as after a click), its box shows the designation, and the
// item's controls show as its view shows them. Controls that show the model
// already (the user's own edit) stay as they are.
void Form1::showModelItem(int i)
{
    const ItemState &s = m_model->item(i);
    QListWidget *module = list(item(i).moduleList);
    QListWidget *channel = list(item(i).channelList);
    bool changed = false;
    auto select = [&changed](QListWidget *l, int index) {
        if (selectedIndex(l) != index) {
            setSelectedIndex(l, index);
            changed = true;
        }
    };
    if (s.module == 0) {
        select(channel, s.channel);
        select(module, 0);
    } else {
        select(module, s.module);
        select(channel, s.channel);
    }
    QLineEdit *box = designationBox(i);
    if (box && box->text() != s.designation) {
        box->setText(s.designation);
        changed = true;
    }
    if (!changed)
        return;
    const bool lighting = item(i).kind != assignment::ItemKind::Switch;
    const bool inView = lighting == m_option2->isChecked();
    module->setVisible(inView);
    channel->setVisible(inView && s.module != 0);
    if (box)
        box->setVisible(inView && m_boxesShown[i]);
}

void Form1::showModelPanelName()
{
    if (m_textBoxes[2]->text() != m_model->panelName())
        m_textBoxes[2]->setText(m_model->panelName());
}
