#pragma once

// The guard of a running panel command, for the window's panel commands in
// form1_panel.cpp and form1_compare.cpp.

#include "form1.h"

#include <QColor>
#include <QPointer>

// The status box's grounds: yellow while a panel command runs, red for every
// failure, green when it has completed.
namespace statuscolour {
inline const QColor kYellow(255, 255, 0);
inline const QColor kRed(255, 0, 0);
inline const QColor kGreen(0, 255, 0);
} // namespace statuscolour

// While a panel command runs, the command buttons are disabled so that no second
// command opens the port again; the lists stay usable. The keyboard focus waits on
// the window meanwhile: left on a disabled button, Qt would pass it on to the next
// control, an assignment list, where the next key press would change a selection.
class Form1::PanelCommand
{
public:
    explicit PanelCommand(Form1 *window) : m_window(window), m_focus(window->focusWidget())
    {
        m_window->m_busy = true;
        if (m_focus)
            m_window->setFocus();
        m_window->setCommandsEnabled(false);
    }
    ~PanelCommand()
    {
        m_window->m_busy = false;
        m_window->setCommandsEnabled(true);
        if (m_focus && m_window->focusWidget() == m_window && m_focus->isEnabled() &&
            m_focus->isVisible())
            m_focus->setFocus();
        m_window->reportLogFailure();
    }

private:
    Form1 *m_window;
    QPointer<QWidget> m_focus;
};
