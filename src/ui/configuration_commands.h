#pragma once

#include "config/configuration_model.h"

#include <QUndoCommand>

// The undo steps of the window's configuration, one class per kind of edit. Each
// changes only the model; the window shows what the model holds. A command is
// pushed once its change has been made, so its first redo finds the model as it
// leaves it and changes nothing.

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
