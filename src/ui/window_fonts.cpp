#include "window_fonts.h"

#include <QFontDatabase>
#include <QString>
#include <QStringList>

#include <future>

#ifdef SWITCHPANEL_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

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

// The reading of the font configuration in progress or done, if the program
// started one; made by the program's main thread, and copied there.
std::shared_future<void> &reading()
{
    static std::shared_future<void> r;
    return r;
}

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
        QFont f(QStringLiteral("Arial")); // its weight is not set here
        f.setPointSizeF(8.25);
        return f;
    }
    }
    return QFont();
}

void substituteMissingFamilies()
{
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

ConfigurationRead::ConfigurationRead()
{
#ifdef SWITCHPANEL_FONTCONFIG
    // FcInit loads the configuration once per process; Qt's call finds it loaded.
    if (!reading().valid())
        reading() = std::async(std::launch::async, [] { FcInit(); }).share();
#endif
}

ConfigurationRead::~ConfigurationRead()
{
    if (reading().valid())
        reading().wait();
}

FontListRead::FontListRead()
{
#ifndef Q_OS_WIN
    m_thread = std::thread([configuration = reading()] {
        if (configuration.valid())
            configuration.wait();
        QFontDatabase::families();
    });
#endif
}

FontListRead::~FontListRead() { wait(); }

void FontListRead::wait()
{
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace windowfonts
