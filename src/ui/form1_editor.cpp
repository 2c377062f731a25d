// The assignment lists' selection handlers, collecting the selections for output,
// and loading codes back into the lists.

#include "form1.h"
#include "config/assignment.h"
#include "list_selection.h"

#include <QLineEdit>
#include <QListWidget>

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

// The code item i's lists select: the "N/A" entry's number, or the sum of the
// module and channel entries' numbers; -1 while the item has no complete selection.
std::int16_t Form1::selectedCode(int i) const
{
    const QListWidget *module = list(item(i).moduleList);
    const QListWidget *channel = list(item(i).channelList);
    const int m = selectedIndex(module);
    if (m == 0)
        return static_cast<std::int16_t>(entryNumber(module, 0));
    const int c = selectedIndex(channel);
    if (m < 0 || c < 0)
        return -1;
    const auto code = add16(static_cast<std::int16_t>(entryNumber(module, m)),
                            static_cast<std::int16_t>(entryNumber(channel, c)));
    return code.value_or(assignment::kUnassigned);
}

// Fills the 21 output codes from the lists, whatever their visibility, in item
// order. Stops at the first item without a complete selection with error_flag 1
// (a switch) or 2 (an LED or the backlighting); on success shows the switch view.
void Form1::CollectAssignments()
{
    for (int i = 0; i < assignment::kItemCount; ++i) {
        const std::int16_t code = selectedCode(i);
        if (code < 0) {
            rec.error_flag = item(i).incompleteFlag;
            return;
        }
        rec.output(i) = code;
    }
    ShowSwitchView();
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
