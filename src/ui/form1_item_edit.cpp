// The Edit menu's item commands: copy, paste, swap and clear whole items, and the
// marks on switches that share a channel. Every change goes through the item's
// lists, module list first, as a click on their entries would, so the record, the
// collect step, a save and a write see what the same clicks give; the whole
// command is one undo step.

#include "form1.h"
#include "item_marks.h"
#include "config/item_edit.h"
#include "list_selection.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QVBoxLayout>

using assignment::item;
using itemedit::ItemValue;

namespace {
// The dialog of Swap with…: the items to choose from, as the clipboard writes
// them, in a list that Return or a double click accepts.
int runSwapChooser(QWidget *parent, int current, const QList<int> &choices,
                   const std::function<ItemValue(int)> &value)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(QObject::tr("Swap with"));
    auto *label = new QLabel(QObject::tr("SWAP %1 WITH").arg(item(current).name()), &dialog);
    auto *list = new QListWidget(&dialog);
    for (int i : choices)
        list->addItem(itemedit::itemText(i, value(i)));
    list->setCurrentRow(0);
    label->setBuddy(list);
    list->setAccessibleName(label->text());
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::itemActivated, &dialog, &QDialog::accept);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(label);
    layout->addWidget(list);
    layout->addWidget(buttons);
    list->setFocus();
    if (dialog.exec() != QDialog::Accepted || list->currentRow() < 0)
        return -1;
    return choices.at(list->currentRow());
}
} // namespace

void Form1::buildEditActions()
{
    auto action = [this](const QString &text, QKeySequence key, const QString &tip,
                         void (Form1::*slot)()) {
        auto *a = new QAction(text, this);
        a->setShortcut(key);
        a->setStatusTip(tip);
        a->setToolTip(tip);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    EditActions &e = m_editActions;
    e.copy = action(tr("&Copy item"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
                    tr("Copy the module, channel and designation of the item with the focus"),
                    &Form1::copyItem);
    e.paste = action(tr("&Paste item"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V),
                     tr("Give the item with the focus the copied module, channel and designation"),
                     &Form1::pasteItem);
    e.swap = action(tr("S&wap with…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W),
                    tr("Exchange the item with the focus with another item of its view"),
                    &Form1::swapItem);
    e.clear = action(tr("C&lear item"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete),
                     tr("Set the item with the focus to N/A with an empty designation"),
                     &Form1::clearItem);
    e.fillNotAssigned = action(tr("Set all &empty items to N/A"), QKeySequence(),
                               tr("Set every item without a module and channel to N/A"),
                               &Form1::setEmptyItemsToNotAssigned);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget *, QWidget *now) { setCurrentItem(now); });
    updateEditActions();
}

void Form1::addEditActions(QMenu *menu)
{
    const EditActions &e = m_editActions;
    menu->addActions({e.copy, e.paste, e.swap, e.clear});
    menu->addSeparator();
    menu->addAction(e.fillNotAssigned);
}

// Focus outside the window (a menu, a dialog) keeps the current item; focus on
// any other control of the window ends it.
void Form1::setCurrentItem(QWidget *focus)
{
    if (!focus || !isAncestorOf(focus))
        return;
    m_currentItem = -1;
    for (int i = 0; i < assignment::kItemCount; ++i) {
        if (focus == list(item(i).moduleList) || focus == list(item(i).channelList) ||
            (focus && focus == designationBox(i)))
            m_currentItem = i;
    }
    updateEditActions();
}

void Form1::updateEditActions()
{
    const EditActions &e = m_editActions;
    if (!e.copy)
        return;
    const bool onItem = m_currentItem >= 0 && !m_busy;
    for (QAction *a : {e.copy, e.paste, e.swap, e.clear})
        a->setEnabled(onItem);
    e.fillNotAssigned->setEnabled(!m_busy);
}

ItemValue Form1::itemValue(int i) const
{
    ItemValue v;
    v.module = selectedIndex(list(item(i).moduleList));
    v.channel = selectedIndex(list(item(i).channelList));
    if (const QLineEdit *box = designationBox(i))
        v.designation = box->text();
    return v;
}

// For "N/A" the channel goes first: its list is hidden once "N/A" is chosen, and
// keeps the selection it had, as it does after a click.
void Form1::setItemValue(int i, const ItemValue &v)
{
    QListWidget *module = list(item(i).moduleList);
    QListWidget *channel = list(item(i).channelList);
    if (v.module == 0) {
        setSelectedIndex(channel, v.channel);
        setSelectedIndex(module, 0);
    } else {
        setSelectedIndex(module, v.module);
        setSelectedIndex(channel, v.channel);
    }
    if (QLineEdit *box = designationBox(i); box && v.designation)
        box->setText(*v.designation);
}

void Form1::copyItem()
{
    if (m_currentItem < 0)
        return;
    const ItemValue v = itemValue(m_currentItem);
    auto *data = new QMimeData;
    data->setText(itemedit::itemText(m_currentItem, v));
    data->setData(itemedit::kMimeType, itemedit::itemData(m_currentItem, v));
    QGuiApplication::clipboard()->setMimeData(data);
}

void Form1::pasteItem()
{
    if (m_currentItem < 0 || m_busy)
        return;
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return;
    const std::optional<itemedit::Clip> clip =
        data->hasFormat(itemedit::kMimeType)
            ? itemedit::parseItemData(data->data(itemedit::kMimeType))
            : itemedit::parseItemText(data->text().trimmed());
    if (!clip)
        return;
    const int target = m_currentItem;
    const Shown before = shown();
    ++m_quiet;
    setItemValue(target, itemedit::pasted(itemValue(target), clip->value));
    --m_quiet;
    recordReplacement(before, QStringLiteral("PASTE ONTO %1").arg(item(target).name()));
}

void Form1::swapItem()
{
    if (m_currentItem < 0 || m_busy)
        return;
    const int a = m_currentItem;
    const QList<int> choices = itemedit::sameViewItems(a);
    const int b = chooseSwapTarget
                      ? chooseSwapTarget(a, choices)
                      : runSwapChooser(this, a, choices, [this](int i) { return itemValue(i); });
    if (choices.contains(b))
        swapItems(a, b);
}

void Form1::swapItems(int a, int b)
{
    if (m_busy || a == b)
        return;
    const ItemValue va = itemValue(a), vb = itemValue(b);
    const Shown before = shown();
    ++m_quiet;
    setItemValue(a, itemedit::pasted(va, vb));
    setItemValue(b, itemedit::pasted(vb, va));
    --m_quiet;
    recordReplacement(before, QStringLiteral("SWAP %1 AND %2").arg(item(a).name(), item(b).name()));
}

void Form1::clearItem()
{
    if (m_currentItem < 0 || m_busy)
        return;
    const int i = m_currentItem;
    const Shown before = shown();
    ++m_quiet;
    setSelectedIndex(list(item(i).moduleList), 0);
    if (QLineEdit *box = designationBox(i))
        box->clear();
    --m_quiet;
    recordReplacement(before, QStringLiteral("CLEAR %1").arg(item(i).name()));
}

void Form1::setEmptyItemsToNotAssigned()
{
    if (m_busy)
        return;
    const Shown before = shown();
    ++m_quiet;
    for (int i = 0; i < assignment::kItemCount; ++i)
        if (selectedCode(i) < 0)
            setSelectedIndex(list(item(i).moduleList), 0);
    --m_quiet;
    recordReplacement(before, QStringLiteral("SET EMPTY ITEMS TO N/A"));
}

void Form1::updateSameChannelMarks()
{
    itemedit::Codes codes{};
    for (int i = 0; i < assignment::kItemCount; ++i)
        codes[i] = selectedCode(i);
    m_marks->clear(kSameChannel.id);
    const QMap<int, QList<int>> same = itemedit::sameChannelSwitches(codes);
    for (auto it = same.cbegin(); it != same.cend(); ++it)
        m_marks->mark(it.key(), kSameChannel, itemedit::sameChannelText(it.value()));
}
