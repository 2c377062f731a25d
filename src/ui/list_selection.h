#pragma once

#include <QListWidget>

// The selected position of an assignment list: the selected entry's row, or -1
// when nothing is selected. The list's current row alone does not do: Qt moves
// the current row to the first entry when a list takes the keyboard focus,
// without selecting anything.
inline int selectedIndex(const QListWidget *list)
{
    const QList<QListWidgetItem *> items = list->selectedItems();
    return items.isEmpty() ? -1 : list->row(items.first());
}

// Selects entry `index`, or clears the selection for -1. The list's selection
// notification fires as it does for a click.
inline void setSelectedIndex(QListWidget *list, int index)
{
    if (index < 0 || index >= list->count()) {
        list->clearSelection();
        list->setCurrentRow(-1);
        return;
    }
    list->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
}

// The number carried by entry `index` of an assignment list.
inline int entryNumber(const QListWidget *list, int index)
{
    return list->item(index)->data(Qt::UserRole).toInt();
}
