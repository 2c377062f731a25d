#include "first_frame.h"

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
    FirstFrameWatch(QWidget *widget, std::function<void()> work)
        : QObject(widget), m_widget(widget), m_work(std::move(work))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_widget) {
            // The native window exists from the show event on.
            QWindow *window = m_widget->window()->windowHandle();
            if (event->type() == QEvent::Show && window)
                window->installEventFilter(this);
        } else if (event->type() == QEvent::Expose &&
                   static_cast<QWindow *>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            m_widget->removeEventFilter(this);
            QMetaObject::invokeMethod(m_widget, std::move(m_work), Qt::QueuedConnection);
            deleteLater();
        }
        return false;
    }

private:
    QWidget *m_widget;
    std::function<void()> m_work;
};

} // namespace

void afterFirstFrame(QWidget *widget, std::function<void()> work)
{
    new FirstFrameWatch(widget, std::move(work));
}
