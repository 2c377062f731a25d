#pragma once

#include <QIcon>

// The program's icon in every size that is installed for the desktop (16 to 256
// pixels), so that window decorations and task bars pick a sharp one.
QIcon appIcon();
