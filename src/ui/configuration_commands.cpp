#include "configuration_commands.h"

SetItemCommand::SetItemCommand(ConfigurationModel *model, int item, const ItemState &before,
                               const ItemState &after, const QString &text)
    : QUndoCommand(text), m_model(model), m_item(item), m_before(before), m_after(after)
{}

// The children (what the view shows with the step) follow the model's change.
void SetItemCommand::undo()
{
    m_model->setItem(m_item, m_before);
    QUndoCommand::undo();
}

void SetItemCommand::redo()
{
    m_model->setItem(m_item, m_after);
    QUndoCommand::redo();
}

BoxesShownCommand::BoxesShownCommand(Show show, const QList<int> &items, const Shown &before,
                                     const Shown &after, QUndoCommand *parent)
    : QUndoCommand(parent), m_show(std::move(show)), m_items(items), m_before(before),
      m_after(after)
{}

void BoxesShownCommand::set(const Shown &shown)
{
    for (int i : m_items)
        m_show(i, shown[i]);
}

void BoxesShownCommand::undo() { set(m_before); }
void BoxesShownCommand::redo() { set(m_after); }

TypeTextCommand::TypeTextCommand(ConfigurationModel *model, int item, const QString &before,
                                 const QString &after, const QString &text)
    : QUndoCommand(text), m_model(model), m_item(item), m_before(before), m_after(after)
{}

void TypeTextCommand::set(const QString &value)
{
    if (m_item == kPanelName)
        m_model->setPanelName(value);
    else
        m_model->setDesignation(m_item, value);
}

void TypeTextCommand::undo() { set(m_before); }
void TypeTextCommand::redo() { set(m_after); }

// One id per box, so that only typing in the same box merges.
int TypeTextCommand::id() const { return 1000 + m_item; }

bool TypeTextCommand::mergeWith(const QUndoCommand *other)
{
    m_after = static_cast<const TypeTextCommand *>(other)->m_after;
    setObsolete(m_after == m_before);
    return true;
}

ReplaceCommand::ReplaceCommand(ConfigurationModel *model, const ConfigurationState &before,
                               const ConfigurationState &after, const QString &text)
    : QUndoCommand(text), m_model(model), m_before(before), m_after(after)
{}

void ReplaceCommand::undo()
{
    m_model->setState(m_before);
    QUndoCommand::undo();
}

void ReplaceCommand::redo()
{
    m_model->setState(m_after);
    QUndoCommand::redo();
}
