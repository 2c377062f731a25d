#pragma once

#include "config/configuration_model.h"

#include <QCoreApplication>
#include <QList>
#include <functional>

class QWidget;
class UserDialogs;

// The Edit menu's item commands on the window's current item: copy, paste, swap
// and clear whole items, and set every empty item to "N/A". Each builds the
// configuration it leaves and hands it over as one undo step; the lists then
// show it as clicks on their entries would.
class ItemCommands
{
    Q_DECLARE_TR_FUNCTIONS(Form1) // its texts are the window's
public:
    struct Window {
        QWidget *parent;
        const ConfigurationModel *model;
        UserDialogs *dialogs;
        std::function<int()> currentItem; // -1 when there is none
        std::function<bool()> canEdit;    // on an item, no panel command running
        std::function<bool()> isBusy;
        // Pushes the change from the model's state to `after` as one undo step.
        std::function<void(const ConfigurationState &after, const QString &text)> replace;
    };
    explicit ItemCommands(Window window) : m_window(std::move(window)) {}

    void copyItem();
    void pasteItem();
    void swapItem(); // asks for the item to swap with
    void swapItems(int a, int b);
    void clearItem();
    void setEmptyItemsToNotAssigned();

private:
    void change(const std::function<void(ConfigurationState &)> &edit, const QString &text);

    Window m_window;
};
