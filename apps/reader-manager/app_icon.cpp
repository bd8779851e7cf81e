#include "app_icon.h"

#include <QDirIterator>

namespace readermanager {

QIcon applicationIcon()
{
    QIcon icon;
    // The SVG first: when its icon engine is there it draws every size and
    // keeps the PNGs for the sizes they were rendered for.
    icon.addFile(QStringLiteral(":/reader-manager/icons/reader-manager.svg"));
    QDirIterator pngs(QStringLiteral(":/reader-manager/icons"), {QStringLiteral("*.png")},
                      QDir::Files, QDirIterator::Subdirectories);
    while (pngs.hasNext())
        icon.addFile(pngs.next());
    return icon;
}

} // namespace readermanager
