#pragma once

#include <QKeyEvent>
#include <QListWidget>

// An assignment list: one entry selected at a time, and a selection cannot be
// taken back (Ctrl+click would otherwise leave an item with no entry at all).
// The arrow keys, Home, End and the page keys choose the entry they move to, each
// choice a click; one that cannot move (Up or Home on the first entry of an
// untouched list) chooses the entry under the cursor.
class AssignmentList : public QListWidget
{
public:
    using QListWidget::QListWidget;

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event) const override
    {
        const auto flags = QListWidget::selectionCommand(index, event);
        return (flags & QItemSelectionModel::Deselect) ? QItemSelectionModel::NoUpdate : flags;
    }

    void keyPressEvent(QKeyEvent *event) override
    {
        const QModelIndex before = currentIndex();
        QListWidget::keyPressEvent(event);
        if (isMove(event->key()) && event->modifiers() == Qt::NoModifier &&
            currentIndex() == before && before.isValid() && !selectionModel()->isSelected(before))
            selectionModel()->select(before, QItemSelectionModel::ClearAndSelect);
    }

private:
    static bool isMove(int key)
    {
        switch (key) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            return true;
        default:
            return false;
        }
    }
};
