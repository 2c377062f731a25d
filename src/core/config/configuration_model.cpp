#include "configuration_model.h"

using assignment::add16;

itemedit::ItemValue ConfigurationState::value(int i) const
{
    const ItemState &s = items.at(i);
    itemedit::ItemValue v{s.module, s.channel, std::nullopt};
    if (assignment::item(i).designationBox)
        v.designation = s.designation;
    return v;
}

void ConfigurationState::setValue(int i, const itemedit::ItemValue &value)
{
    ItemState &s = items.at(i);
    s.module = value.module;
    s.channel = value.channel;
    if (value.designation && assignment::item(i).designationBox)
        s.designation = *value.designation;
}

ConfigurationModel::ConfigurationModel(QObject *parent) : QObject(parent)
{
    for (int i = 0; i < assignment::kItemCount; ++i)
        if (assignment::item(i).designationBox)
            m_state.items[i].designation = QStringLiteral("DESIGNATION ");
}

std::int16_t ConfigurationModel::code(int i) const
{
    const ItemState &s = item(i);
    if (s.module == 0)
        return assignment::moduleEntryNumber(0);
    if (s.module < 0 || s.channel < 0)
        return -1;
    const auto code =
        add16(assignment::moduleEntryNumber(s.module), assignment::channelEntryNumber(s.channel));
    return code.value_or(assignment::kUnassigned);
}

assignment::Codes ConfigurationModel::codes() const
{
    assignment::Codes codes{};
    for (int i = 0; i < assignment::kItemCount; ++i)
        codes[i] = code(i);
    return codes;
}

void ConfigurationModel::setItem(int i, const ItemState &state)
{
    if (m_state.items.at(i) == state)
        return;
    m_state.items[i] = state;
    emit itemChanged(i);
}

void ConfigurationModel::setDesignation(int i, const QString &text)
{
    ItemState s = item(i);
    s.designation = text;
    setItem(i, s);
}

void ConfigurationModel::setPanelName(const QString &name)
{
    if (m_state.panelName == name)
        return;
    m_state.panelName = name;
    emit panelNameChanged();
}

void ConfigurationModel::setState(const ConfigurationState &state)
{
    setPanelName(state.panelName);
    for (int i = 0; i < assignment::kItemCount; ++i)
        setItem(i, state.items[i]);
}
