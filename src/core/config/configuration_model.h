#pragma once

#include "config/assignment.h"
#include "config/item_edit.h"

#include <QObject>
#include <QString>
#include <array>
#include <cstdint>

// The configuration the window shows and edits: per item the chosen positions of
// its module and channel lists and its designation, and the panel name. The
// window's lists and boxes show it and edit it; the undo commands change it; the
// save, the write, the compare, the sheet and the station take it from here. No
// widgets. A new configuration has nothing chosen and every designation reads
// "DESIGNATION " (content a file keeps, in every language).
struct ItemState {
    int module = -1;  // -1 none, 0 "N/A", 1..16 "A".."P"
    int channel = -1; // -1 none, 0..9 "1".."10"
    QString designation;
    bool operator==(const ItemState &) const = default;
};

struct ConfigurationState {
    std::array<ItemState, assignment::kItemCount> items{};
    QString panelName;
    bool operator==(const ConfigurationState &) const = default;
    // Item `i` as the Edit commands and the clipboard take it, and given such a
    // value (its designation only where the value has one).
    itemedit::ItemValue value(int i) const;
    void setValue(int i, const itemedit::ItemValue &value);
};

class ConfigurationModel : public QObject
{
    Q_OBJECT
public:
    explicit ConfigurationModel(QObject *parent = nullptr);

    const ConfigurationState &state() const { return m_state; }
    const ItemState &item(int i) const { return m_state.items.at(i); }
    QString panelName() const { return m_state.panelName; }

    // The item's assignment code: 160 for "N/A", module part plus channel part
    // otherwise; -1 while the item has no complete assignment.
    std::int16_t code(int i) const;
    assignment::Codes codes() const;
    itemedit::ItemValue value(int i) const { return m_state.value(i); }

    // Each setter tells of the items it changed; setting what is there already
    // changes nothing.
    void setItem(int i, const ItemState &state);
    void setDesignation(int i, const QString &text);
    void setPanelName(const QString &name);
    void setState(const ConfigurationState &state);

signals:
    void itemChanged(int item);
    void panelNameChanged();

private:
    ConfigurationState m_state;
};
