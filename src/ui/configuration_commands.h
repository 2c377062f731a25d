#pragma once

#include "config/configuration_model.h"

#include <QUndoCommand>

#include <functional>

// The undo steps of the window's configuration, one class per kind of edit. Each
// changes only the model; the window shows what the model holds. A step pushed
// makes its change with its first redo (or finds it made already, as a read that
// shows the panel's cells as they come leaves it).

// A choice in one item's module or channel list.
class SetItemCommand : public QUndoCommand
{
public:
    SetItemCommand(ConfigurationModel *model, int item, const ItemState &before,
                   const ItemState &after, const QString &text);
    void undo() override;
    void redo() override;

private:
    ConfigurationModel *m_model;
    int m_item;
    ItemState m_before, m_after;
};

// Whether each item's designation box shows is the view's, not the
// configuration's; but a step that hid or showed boxes (a read hides them, a
// channel chosen shows its item's box) sets them back with it. Added as a child
// of that step, it runs after the step's own change.
class BoxesShownCommand : public QUndoCommand
{
public:
    using Shown = std::array<bool, assignment::kItemCount>;
    using Show = std::function<void(int item, bool shown)>;

    // The boxes of `items` as `before` and `after` have them.
    BoxesShownCommand(Show show, const QList<int> &items, const Shown &before, const Shown &after,
                      QUndoCommand *parent);
    void undo() override;
    void redo() override;

private:
    void set(const Shown &shown);

    Show m_show;
    QList<int> m_items;
    Shown m_before, m_after;
};

// Typing in a designation box or the panel name box: the keystrokes in one box
// in a row are one step, and a step typed and taken back again is no step.
class TypeTextCommand : public QUndoCommand
{
public:
    static constexpr int kPanelName = -1; // `item` of the panel name box

    TypeTextCommand(ConfigurationModel *model, int item, const QString &before,
                    const QString &after, const QString &text);
    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand *other) override;

private:
    void set(const QString &value);

    ConfigurationModel *m_model;
    int m_item;
    QString m_before, m_after;
};

// A change of several items at once in one step: an open, a read, a paste, a
// swap, a clear, empty items set to "N/A", a restored backup.
class ReplaceCommand : public QUndoCommand
{
public:
    ReplaceCommand(ConfigurationModel *model, const ConfigurationState &before,
                   const ConfigurationState &after, const QString &text);
    void undo() override;
    void redo() override;

private:
    ConfigurationModel *m_model;
    ConfigurationState m_before, m_after;
};
