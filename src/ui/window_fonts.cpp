#include "window_fonts.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QList>
#include <QString>

#include <atomic>

namespace windowfonts {

namespace {

QFont makeFont(const char *family, qreal points, bool bold, bool underline = false)
{
    QFont f(QString::fromLatin1(family));
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setUnderline(underline);
    return f;
}

#ifndef Q_OS_WIN
// Measuring a font loads it, and with it the system's font list and the fallback
// families of its family. A font is no object to share between threads: the
// thread makes its own from the descriptions, the application's font included.
void measureWindowFonts(const QString &applicationFont)
{
    QList<QFont> fonts;
    // Those of the first frame: the status box is hidden at start.
    for (Role role : {Role::Window, Role::Entry, Role::Heading, Role::Button})
        fonts << font(role);
    QFont menus{QString()};
    menus.fromString(applicationFont);
    fonts << menus;
    for (const QFont &f : std::as_const(fonts))
        QFontMetrics(f).height();
}
#endif

} // namespace

QFont font(Role role)
{
    switch (role) {
    case Role::Window:
        return makeFont("MS Sans Serif", 8.25, true);
    case Role::Entry:
        return makeFont("MS Sans Serif", 8.25, false);
    case Role::Heading:
        return makeFont("Arial", 14.25, true, true);
    case Role::Button:
        return makeFont("Arial", 9.75, true);
    case Role::Status: {
        // Its weight is the window's: not set here.
        QFont f(QStringLiteral("Arial"));
        f.setPointSizeF(8.25);
        return f;
    }
    }
    return QFont();
}

void substituteMissingFamilies()
{
    // Once: the preload's thread may be reading them when another window is built.
    static const bool substituted = [] {
        QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"),
                                  QStringLiteral("Liberation Sans"));
        return true;
    }();
    Q_UNUSED(substituted);
}

Preload::Preload()
{
    substituteMissingFamilies();
#ifndef Q_OS_WIN
    static std::atomic<bool> started{false};
    if (!started.exchange(true))
        m_thread = std::thread(measureWindowFonts, QGuiApplication::font().toString());
#endif
}

Preload::~Preload()
{
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace windowfonts
