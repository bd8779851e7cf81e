// How the window shows a file or folder: native separators, and the home
// folder as "~", so that paths stay short and a screenshot names no user.
#pragma once

#include <QString>

namespace readermanager {

QString shownPath(const QString& path);

} // namespace readermanager
