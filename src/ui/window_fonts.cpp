#include "window_fonts.h"

#include <QString>

#ifdef SWITCHPANEL_FONTCONFIG
#include <fontconfig/fontconfig.h>

#include <future>
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

#ifdef SWITCHPANEL_FONTCONFIG
// The reading in progress or done; made and waited for by the program's main
// thread only.
std::shared_future<void> &reading()
{
    static std::shared_future<void> r;
    return r;
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

ConfigurationRead::~ConfigurationRead() { wait(); }

void ConfigurationRead::wait()
{
#ifdef SWITCHPANEL_FONTCONFIG
    if (reading().valid())
        reading().wait();
#endif
}

} // namespace windowfonts
