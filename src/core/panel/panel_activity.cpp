#include "panel_activity.h"

PanelActivity::Command::Command(PanelActivity &activity) : m_activity(activity)
{
    m_activity.setBusy(true);
}

PanelActivity::Command::~Command() { m_activity.setBusy(false); }

void PanelActivity::setBusy(bool busy)
{
    if (m_busy == busy)
        return;
    m_busy = busy;
    emit busyChanged(busy);
}
