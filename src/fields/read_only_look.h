// A field the operator only reads has the window's colour, not an edit's, so
// that it does not look as if it took typing. Inline: both the library's
// dialogs and the host's window use it.
#pragma once

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace fields {

inline void showReadOnlyLook(QWidget& field, bool readOnly)
{
    QPalette palette = QApplication::palette(&field);
    if (readOnly)
        palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    field.setPalette(palette);
}

} // namespace fields
