#pragma once

// Shared by the window test suites: finding controls by name and selecting
// entries as the user would.

#include "form1.h"
#include "list_selection.h"

#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

inline QListWidget *listOf(Form1 &w, int n)
{
    return w.findChild<QListWidget *>(QStringLiteral("List%1").arg(n));
}

inline QLineEdit *textOf(Form1 &w, int n)
{
    return w.findChild<QLineEdit *>(QStringLiteral("Text%1").arg(n));
}

// The designed flows replace unsaved edits without a question: every question
// before they are thrown away is answered "Discard".
inline void discardUnsavedEdits(Form1 &w)
{
    w.askQuestion = [](const QString &, QMessageBox::StandardButtons) {
        return QMessageBox::Discard;
    };
}

// A panel command returns at once and ends with the window's transfer: waits for
// that end, as a user waits for the status box's last word. The wait is an event
// loop that sleeps nowhere (QTest::qWaitFor would hold the link's timers and
// replies back by its naps between passes).
[[nodiscard]] inline bool commandEnded(Form1 &w, int timeoutMs = 120000)
{
    if (!w.isBusy())
        return true;
    QSignalSpy ended(&w, &Form1::busyChanged);
    return ended.wait(timeoutMs) && !w.isBusy();
}

// Clicks entry `index` of a list with the mouse (scrolling it into view first).
inline void clickEntry(QListWidget *list, int index)
{
    QListWidgetItem *entry = list->item(index);
    list->scrollToItem(entry);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(entry).center());
}

// Sets module and channel position of item i (0..20) by program; module 0 is "N/A".
inline void choose(Form1 &w, int i, int module, int channel = -1)
{
    setSelectedIndex(listOf(w, 2 * i + 1), module);
    if (channel >= 0)
        setSelectedIndex(listOf(w, 2 * i + 2), channel);
}

// Every item complete: item i on module "A"+(i % 16), channel (i % 10) + 1.
inline void chooseAll(Form1 &w)
{
    for (int i = 0; i < 21; ++i)
        choose(w, i, 1 + i % 16, i % 10);
}

inline int expectedCodeOfChooseAll(int i) { return 10 * (i % 16) + i % 10; }
