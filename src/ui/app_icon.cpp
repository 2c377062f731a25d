#include "app_icon.h"

#include <QSize>
#include <QString>

static void initIconResources() { Q_INIT_RESOURCE(resources); }

QIcon appIcon()
{
    initIconResources(); // the icons live in a static library; registering twice is harmless
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    return icon;
}
