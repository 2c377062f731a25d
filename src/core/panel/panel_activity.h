#pragma once

#include <QObject>

// Whether a panel command is running. The commands that must wait for it (the
// panel and file commands, their buttons and menu items) follow busyChanged, so
// that no second command opens the port while one runs.
class PanelActivity : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    bool isBusy() const { return m_busy; }

    // Marks a panel command as running for the guard's lifetime.
    class Command
    {
    public:
        explicit Command(PanelActivity &activity);
        ~Command();
        Command(const Command &) = delete;
        Command &operator=(const Command &) = delete;

    private:
        PanelActivity &m_activity;
    };

signals:
    void busyChanged(bool busy);

private:
    void setBusy(bool busy);

    bool m_busy = false;
};
