#include "configuration_commands.h"

SetItemCommand::SetItemCommand(ConfigurationModel *model, int item, const ItemState &before,
                               const ItemState &after, const QString &text)
    : QUndoCommand(text), m_model(model), m_item(item), m_before(before), m_after(after)
{}

void SetItemCommand::undo() { m_model->setItem(m_item, m_before); }
void SetItemCommand::redo() { m_model->setItem(m_item, m_after); }

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

void ReplaceCommand::undo() { m_model->setState(m_before); }
void ReplaceCommand::redo() { m_model->setState(m_after); }
