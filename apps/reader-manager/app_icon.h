// The program's icon for its windows.
#pragma once

#include <QIcon>

namespace readermanager {

// Every size of the embedded application icon: the SVG where the Qt SVG
// plugin is installed, the rendered PNGs in any case.
QIcon applicationIcon();

} // namespace readermanager
