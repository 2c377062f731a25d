#include "item_commands.h"

#include "config/item_edit.h"
#include "user_dialogs.h"

#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QVBoxLayout>

using assignment::item;
using itemedit::ItemValue;

namespace {
// The dialog of Swap with…: the items to choose from, as the clipboard writes
// them, in a list that Return or a double click accepts.
int runSwapChooser(QWidget *parent, const QString &title, const QString &caption,
                   const QList<int> &choices, const std::function<ItemValue(int)> &value)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(title);
    auto *label = new QLabel(caption, &dialog);
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

void ItemCommands::change(const std::function<void(ConfigurationState &)> &edit,
                          const QString &text)
{
    ConfigurationState after = m_window.model->state();
    edit(after);
    if (after != m_window.model->state())
        m_window.replace(after, text);
}

void ItemCommands::copyItem()
{
    const int current = m_window.currentItem();
    if (current < 0)
        return;
    const ItemValue v = m_window.model->value(current);
    auto *data = new QMimeData;
    data->setText(itemedit::itemText(current, v));
    data->setData(itemedit::kMimeType, itemedit::itemData(current, v));
    QGuiApplication::clipboard()->setMimeData(data);
}

void ItemCommands::pasteItem()
{
    if (!m_window.canEdit())
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
    const int target = m_window.currentItem();
    const ItemValue value = itemedit::pasted(m_window.model->value(target), clip->value);
    change([&](ConfigurationState &s) { s.setValue(target, value); },
           tr("PASTE ONTO %1").arg(item(target).name()));
}

void ItemCommands::swapItem()
{
    if (!m_window.canEdit())
        return;
    const int a = m_window.currentItem();
    const QList<int> choices = itemedit::sameViewItems(a);
    const int b = m_window.dialogs->chooseSwapTarget
                      ? m_window.dialogs->chooseSwapTarget(a, choices)
                      : runSwapChooser(m_window.parent, tr("Swap with"),
                                       tr("SWAP %1 WITH").arg(item(a).name()), choices,
                                       [this](int i) { return m_window.model->value(i); });
    if (choices.contains(b))
        swapItems(a, b);
}

void ItemCommands::swapItems(int a, int b)
{
    if (m_window.isBusy() || a == b)
        return;
    const ItemValue va = m_window.model->value(a), vb = m_window.model->value(b);
    change(
        [&](ConfigurationState &s) {
            s.setValue(a, itemedit::pasted(va, vb));
            s.setValue(b, itemedit::pasted(vb, va));
        },
        tr("SWAP %1 AND %2").arg(item(a).name(), item(b).name()));
}

void ItemCommands::clearItem()
{
    if (!m_window.canEdit())
        return;
    const int i = m_window.currentItem();
    change(
        [&](ConfigurationState &s) {
            s.items[i].module = 0;
            s.items[i].designation.clear();
        },
        tr("CLEAR %1").arg(item(i).name()));
}

void ItemCommands::setEmptyItemsToNotAssigned()
{
    if (m_window.isBusy())
        return;
    change(
        [this](ConfigurationState &s) {
            for (int i = 0; i < assignment::kItemCount; ++i)
                if (m_window.model->code(i) < 0)
                    s.items[i].module = 0;
        },
        tr("SET EMPTY ITEMS TO N/A"));
}
