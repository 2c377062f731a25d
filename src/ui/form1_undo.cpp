// Undo and redo of the window's configuration: every change the user makes to a
// list, a designation or the panel name, and the whole-window changes of an open
// and a read, are steps on the window's undo stack. A step keeps what the window
// showed before and after it; undoing sets the lists (running their handlers as
// a click would), the boxes and the record back. Nothing is sent to a panel.

#include "form1.h"
#include "list_selection.h"

#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QUndoStack>

class Form1::ConfigurationChange : public QUndoCommand
{
public:
    ConfigurationChange(Form1 *window, Shown before, Shown after, const QString &text, int id)
        : QUndoCommand(text), m_window(window), m_before(std::move(before)),
          m_after(std::move(after)), m_id(id)
    {}

    void undo() override { m_window->applyShown(m_before); }
    void redo() override
    {
        if (m_done) // pushed after the change was made
            m_window->applyShown(m_after);
        m_done = true;
    }
    int id() const override { return m_id; }
    bool mergeWith(const QUndoCommand *other) override
    {
        if (other->id() != m_id)
            return false;
        m_after = static_cast<const ConfigurationChange *>(other)->m_after;
        setObsolete(m_after.sameConfiguration(m_before)); // typed and taken back
        return true;
    }

private:
    Form1 *m_window;
    Shown m_before, m_after;
    int m_id;
    bool m_done = false;
};

bool Form1::Shown::sameConfiguration(const Shown &other) const
{
    return selection == other.selection && text == other.text;
}

Form1::Shown Form1::shown() const
{
    Shown s;
    for (int n = 1; n <= 42; ++n) {
        s.selection[n] = selectedIndex(list(n));
        s.listHidden[n] = list(n)->isHidden();
    }
    for (int n = 2; n <= 22; ++n) {
        s.text[n] = m_textBoxes[n]->text();
        s.textHidden[n] = m_textBoxes[n]->isHidden();
    }
    s.items = rec.items;
    s.panel = rec.panel;
    s.lightingView = m_option2->isChecked();
    return s;
}

void Form1::applyShown(const Shown &s)
{
    ++m_quiet;
    for (int i = 0; i < assignment::kItemCount; ++i) {
        const assignment::Item &it = assignment::item(i);
        setSelectedIndex(list(it.moduleList), s.selection[it.moduleList]);
        setSelectedIndex(list(it.channelList), s.selection[it.channelList]);
    }
    for (int n = 2; n <= 22; ++n)
        m_textBoxes[n]->setText(s.text[n]);
    rec.items = s.items;
    rec.panel = s.panel;
    // The view stays as it is: a view switch is not an undo step.
    if (s.lightingView == m_option2->isChecked()) {
        for (int n = 1; n <= 42; ++n)
            list(n)->setHidden(s.listHidden[n]);
        for (int n = 3; n <= 22; ++n)
            m_textBoxes[n]->setHidden(s.textHidden[n]);
    } else if (m_option2->isChecked()) {
        ShowLightingView();
    } else {
        ShowSwitchView();
    }
    --m_quiet;
    m_shown = shown();
    configurationChanged();
}

void Form1::recordChange(const QString &text, int mergeId)
{
    if (m_quiet > 0)
        return;
    Shown now = shown();
    if (now.sameConfiguration(m_shown)) {
        m_shown = std::move(now); // visibility only
        return;
    }
    m_undo->push(new ConfigurationChange(this, m_shown, now, text, mergeId));
    m_shown = std::move(now);
    configurationChanged();
}

void Form1::recordReplacement(const Shown &before, const QString &text)
{
    Shown now = shown();
    if (!now.sameConfiguration(before))
        m_undo->push(new ConfigurationChange(this, before, now, text, -1));
    m_shown = std::move(now);
    configurationChanged();
}

bool Form1::isModified() const { return !m_undo->isClean(); }
