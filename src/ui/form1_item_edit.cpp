// The Edit menu's item commands: copy, paste, swap and clear whole items, and the
// marks on items (the compare's, and switches that share a channel). Each command
// is one undo step on the configuration model, which the lists show as clicks on
// their entries would set them, so the record, the collect step, a save and a
// write see what the same clicks give.

#include "config/item_edit.h"
#include "configuration_commands.h"
#include "form1.h"
#include "item_marks.h"
#include "translation.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QUndoStack>
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
    dialog.setWindowTitle(Form1::tr("Swap with"));
    auto *label = new QLabel(Form1::tr("SWAP %1 WITH").arg(item(current).name()), &dialog);
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

// Each item is markable around the place of its designation box and its two
// lists.
void Form1::buildItemMarks()
{
    m_marks = new ItemMarks(this);
    for (int i = 0; i < assignment::kItemCount; ++i) {
        QListWidget *module = list(item(i).moduleList);
        QListWidget *channel = list(item(i).channelList);
        QRect place = module->geometry() | channel->geometry();
        if (QLineEdit *box = designationBox(i))
            place |= box->geometry();
        m_marks->addItem(i, {module, channel}, place);
    }
}

void Form1::configurationChanged()
{
    m_marks->clear(kPanelDiffers.id);
    m_marks->clear(kFileDiffers.id);
    m_configurationFile.clear();
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
        if (focus == list(item(i).moduleList) || focus == list(item(i).channelList) ||
            focus == designationBox(i))
            current = i;
    }
    if (current == m_currentItem)
        return;
    m_currentItem = current;
    emit currentItemChanged(current);
}

// The change `change` makes to the model's configuration, as one undo step.
void Form1::replaceItems(const std::function<void(ConfigurationState &)> &change,
                         const QString &text)
{
    const ConfigurationState before = m_model->state();
    ConfigurationState after = before;
    change(after);
    if (after.sameConfiguration(before))
        return;
    m_undo->push(new ReplaceCommand(m_model, before, after, text));
}

void Form1::copyItem()
{
    if (m_currentItem < 0)
        return;
    const ItemValue v = m_model->value(m_currentItem);
    auto *data = new QMimeData;
    data->setText(itemedit::itemText(m_currentItem, v));
    data->setData(itemedit::kMimeType, itemedit::itemData(m_currentItem, v));
    QGuiApplication::clipboard()->setMimeData(data);
}

void Form1::pasteItem()
{
    if (!canEditItem())
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
    const ItemValue value = itemedit::pasted(m_model->value(target), clip->value);
    replaceItems([&](ConfigurationState &s) { s.setValue(target, value); },
                 tr("PASTE ONTO %1").arg(item(target).name()));
}

void Form1::swapItem()
{
    if (!canEditItem())
        return;
    const int a = m_currentItem;
    const QList<int> choices = itemedit::sameViewItems(a);
    const int b = chooseSwapTarget ? chooseSwapTarget(a, choices)
                                   : runSwapChooser(this, a, choices,
                                                    [this](int i) { return m_model->value(i); });
    if (choices.contains(b))
        swapItems(a, b);
}

void Form1::swapItems(int a, int b)
{
    if (isBusy() || a == b)
        return;
    const ItemValue va = m_model->value(a), vb = m_model->value(b);
    replaceItems(
        [&](ConfigurationState &s) {
            s.setValue(a, itemedit::pasted(va, vb));
            s.setValue(b, itemedit::pasted(vb, va));
        },
        tr("SWAP %1 AND %2").arg(item(a).name(), item(b).name()));
}

void Form1::clearItem()
{
    if (!canEditItem())
        return;
    const int i = m_currentItem;
    replaceItems(
        [&](ConfigurationState &s) {
            s.items[i].module = 0;
            s.items[i].designation.clear();
        },
        tr("CLEAR %1").arg(item(i).name()));
}

void Form1::setEmptyItemsToNotAssigned()
{
    if (isBusy())
        return;
    replaceItems(
        [this](ConfigurationState &s) {
            for (int i = 0; i < assignment::kItemCount; ++i)
                if (m_model->code(i) < 0)
                    s.items[i].module = 0;
        },
        tr("SET EMPTY ITEMS TO N/A"));
}

void Form1::updateSameChannelMarks()
{
    m_marks->clear(kSameChannel.id);
    const QMap<int, QList<int>> same = itemedit::sameChannelSwitches(m_model->codes());
    for (auto it = same.cbegin(); it != same.cend(); ++it)
        m_marks->mark(it.key(), kSameChannel, translation::sameChannel(it.value()));
}
