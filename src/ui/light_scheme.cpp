#include "light_scheme.h"

QPalette lightScheme()
{
    const QColor grey(239, 239, 239);
    QPalette p(grey, grey); // black texts, white boxes and white bright text
    p.setColor(QPalette::Midlight, QColor(202, 202, 202));
    p.setColor(QPalette::Mid, QColor(184, 184, 184));
    p.setColor(QPalette::Dark, QColor(159, 159, 159));
    p.setColor(QPalette::Shadow, QColor(118, 118, 118));
    p.setColor(QPalette::Highlight, QColor(48, 140, 198));

    const QColor disabledText(190, 190, 190);
    for (QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::Dark})
        p.setColor(QPalette::Disabled, role, disabledText);
    p.setColor(QPalette::Disabled, QPalette::Base, grey);
    p.setColor(QPalette::Disabled, QPalette::Shadow, QColor(177, 177, 177));
    p.setColor(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));

    // Every colour counts as set, so that none comes from the desktop's palette
    // when a widget takes this one.
    for (int g = 0; g < QPalette::NColorGroups; ++g)
        for (int r = 0; r < QPalette::NColorRoles; ++r) {
            const auto group = QPalette::ColorGroup(g);
            const auto role = QPalette::ColorRole(r);
            p.setBrush(group, role, p.brush(group, role));
        }
    return p;
}
