#pragma once

#include <QObject>

class QSocketNotifier;

// Ctrl+C (SIGINT) and SIGTERM delivered as a Qt signal in the event loop, for a
// headless run that must end cleanly instead of being killed with the port open.
// On POSIX the handler only writes the signal's number into a pipe; the event loop
// (also a wait inside a panel transaction) reads it and emits received(). The
// previous handlers are restored when the object goes. On Windows the console's
// Ctrl+C and Ctrl+Break arrive as SIGINT, its close, log-off and shut-down as
// SIGTERM (stop_signals_win.cpp).
class StopSignals : public QObject
{
    Q_OBJECT
public:
    explicit StopSignals(QObject *parent = nullptr);
    ~StopSignals() override;

signals:
    void received(int signal);

private:
    void readPipe();

    QSocketNotifier *m_notifier = nullptr;
};
