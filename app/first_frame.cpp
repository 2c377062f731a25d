#include "app/first_frame.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace {

// Qt draws the widgets of a window and puts the frame on the screen while it
// handles the window's first expose event. An event filter sees that event
// before it is handled; a call queued from there runs after the frame is out.
class FirstFrameWatch : public QObject
{
public:
    FirstFrameWatch(QWidget *window, std::function<void()> work)
        : QObject(window), m_window(window), m_work(std::move(work))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window) {
            // The native window exists from the show event on.
            if (event->type() == QEvent::Show && m_window->windowHandle())
                m_window->windowHandle()->installEventFilter(this);
        } else if (event->type() == QEvent::Expose &&
                   static_cast<QWindow *>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            m_window->removeEventFilter(this);
            QMetaObject::invokeMethod(m_window, std::move(m_work), Qt::QueuedConnection);
            deleteLater();
        }
        return false;
    }

private:
    QWidget *m_window;
    std::function<void()> m_work;
};

} // namespace

void afterFirstFrame(QWidget *window, std::function<void()> work)
{
    new FirstFrameWatch(window, std::move(work));
}
