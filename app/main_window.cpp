#include "app/main_window.h"

#include "app/form1.h"
#include "app/window_placement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent), m_form(new Form1), m_scroll(new QScrollArea(this))
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(m_form->windowTitle() + QStringLiteral("[*]"));
    // The icon comes from the form once the first frame is out (app/first_frame.h).
    // The client area's light scheme around it too, so that a window made larger
    // than the client area shows one even ground.
    setPalette(m_form->palette());
    m_form->buildMenus(menuBar());

    m_scroll->setObjectName(QStringLiteral("ClientScroll"));
    m_scroll->setWidgetResizable(false);
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidget(m_form);
    m_scroll->setFocusPolicy(Qt::NoFocus);
    setCentralWidget(m_scroll);

    connect(m_form, &Form1::modifiedChanged, this, &QWidget::setWindowModified);
    // The control that takes the keyboard focus is scrolled into view.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && m_form->isAncestorOf(now))
            m_scroll->ensureWidgetVisible(now, 8, 8);
    });
}

QSize MainWindow::fittedSize(const QRect &available, const QSize &frameMargins) const
{
    const int menuHeight = menuBar()->sizeHint().height();
    QSize wanted = m_form->size() + QSize(0, menuHeight);
    const QSize room = available.size() - frameMargins;
    // Where one direction must scroll, its scroll bar takes room from the other.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_scroll);
    if (wanted.height() > room.height())
        wanted.rwidth() += bar;
    if (wanted.width() > room.width())
        wanted.rheight() += bar;
    return wanted.boundedTo(room);
}

void MainWindow::fitToScreen()
{
    const QScreen *screen = this->screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QSize frame = frameGeometry().size() - geometry().size();
    resize(fittedSize(available, frame));
    placeOnScreen(*this);
    m_fitOnShow = !isVisible();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_fitOnShow)
        return;
    m_fitOnShow = false;
    // The menu bar's height is known for sure once it is laid out: where it came
    // out taller than its size hint said (Windows styles), the client area of a
    // window sized by fitToScreen() would scroll by a few pixels. The window grows
    // by what is missing, within the screen.
    QTimer::singleShot(0, this, [this] {
        const QSize missing =
            (m_form->size() - m_scroll->maximumViewportSize()).expandedTo(QSize(0, 0));
        const QScreen *screen = this->screen();
        if ((missing.width() == 0 && missing.height() == 0) || !screen)
            return;
        const QSize frame = frameGeometry().size() - geometry().size();
        resize((size() + missing).boundedTo(screen->availableGeometry().size() - frame));
    });
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!m_form->maybeSaveChanges()) {
        event->ignore(); // cancelled: everything stays, a running transfer included
        return;
    }
    m_form->stopTransfer();
    event->accept();
}
