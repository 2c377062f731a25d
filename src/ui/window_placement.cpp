#include "window_placement.h"

#include <QScreen>
#include <QWidget>

QPoint centredTopLeft(const QRect &available, const QSize &frameSize)
{
    const QPoint centred(available.x() + (available.width() - frameSize.width()) / 2,
                         available.y() + (available.height() - frameSize.height()) / 2);
    return QPoint(qMax(centred.x(), available.x()), qMax(centred.y(), available.y()));
}

void placeOnScreen(QWidget &window)
{
    const QScreen *screen = window.screen();
    if (!screen)
        return;
    // move() places a window's frame, title bar included.
    window.move(centredTopLeft(screen->availableGeometry(), window.frameGeometry().size()));
}
