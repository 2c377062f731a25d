// Console control events on Windows: Ctrl+C and Ctrl+Break, the console window
// closed, the user logging off, the system shutting down.

#include "stop_signals.h"

#include <QMetaObject>

#include <csignal>
#include <mutex>

#include <windows.h>

namespace {
std::mutex g_mutex;
StopSignals *g_target = nullptr; // under g_mutex
HANDLE g_gone = nullptr;         // set once the target is destroyed

// Runs on a thread the system starts for the event. Ctrl+C and Ctrl+Break count as
// SIGINT, the others as SIGTERM. After a close, log-off or shut-down event the
// system ends the process as soon as the handler returns (and after 5 s at the
// latest), so the handler waits until the run has stopped and the object is gone.
BOOL WINAPI onConsoleEvent(DWORD type)
{
    const bool interrupt = type == CTRL_C_EVENT || type == CTRL_BREAK_EVENT;
    HANDLE gone = nullptr;
    {
        const std::lock_guard lock(g_mutex);
        if (!g_target)
            return FALSE; // the default handling: end the process
        StopSignals *target = g_target;
        const int signal = interrupt ? SIGINT : SIGTERM;
        QMetaObject::invokeMethod(
            target, [target, signal] { emit target->received(signal); }, Qt::QueuedConnection);
        gone = g_gone;
    }
    if (!interrupt)
        WaitForSingleObject(gone, 4500);
    return TRUE;
}
} // namespace

StopSignals::StopSignals(QObject *parent) : QObject(parent)
{
    const std::lock_guard lock(g_mutex);
    if (g_target)
        return; // one at a time
    if (!g_gone)
        g_gone = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ResetEvent(g_gone);
    g_target = this;
    // A program started with Ctrl+C ignored (a new process group) takes it again.
    SetConsoleCtrlHandler(nullptr, FALSE);
    SetConsoleCtrlHandler(onConsoleEvent, TRUE);
}

StopSignals::~StopSignals()
{
    const std::lock_guard lock(g_mutex);
    if (g_target != this)
        return;
    SetConsoleCtrlHandler(onConsoleEvent, FALSE);
    g_target = nullptr;
    SetEvent(g_gone);
}

void StopSignals::readPipe() {}
