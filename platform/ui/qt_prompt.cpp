#include "ui/qt_prompt.h"

#include "ui/button_set.h"
#include "ui/console_prompt.h"

#include <QAbstractButton>
#include <QApplication>

using namespace promptui;

namespace ui {

QMessageBox::Icon qtIcon(unsigned flags)
{
    switch (flags & MB_ICONMASK) {
    case MB_ICONERROR:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONWARNING:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButton qtButton(int result)
{
    switch (result) {
    case IDOK:
        return QMessageBox::Ok;
    case IDCANCEL:
        return QMessageBox::Cancel;
    case IDABORT:
        return QMessageBox::Abort;
    case IDRETRY:
        return QMessageBox::Retry;
    case IDIGNORE:
        return QMessageBox::Ignore;
    case IDYES:
        return QMessageBox::Yes;
    case IDNO:
        return QMessageBox::No;
    default:
        return QMessageBox::NoButton;
    }
}

int resultOfButton(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Ok:
        return IDOK;
    case QMessageBox::Cancel:
        return IDCANCEL;
    case QMessageBox::Abort:
        return IDABORT;
    case QMessageBox::Retry:
        return IDRETRY;
    case QMessageBox::Ignore:
        return IDIGNORE;
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    default:
        return 0;
    }
}

int QtPrompt::messageBox(const QString& text, const QString& caption, unsigned flags)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return consolePrompt().messageBox(text, caption, flags);

    QMessageBox box;
    box.setWindowTitle(caption);
    // Plain text: card names and database errors must not be read as markup,
    // and the tabs and line breaks of the texts stay as they are.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setIcon(qtIcon(flags));
    for (int result : buttonResults(flags))
        box.addButton(qtButton(result));
    box.setDefaultButton(qtButton(defaultResult(flags)));
    // Closing the window picks the answer that changes nothing.
    box.setEscapeButton(box.button(qtButton(safeResult(flags))));
    box.exec();

    const int result = resultOfButton(box.standardButton(box.clickedButton()));
    return result != 0 ? result : safeResult(flags);
}

QtPrompt& qtPrompt()
{
    static QtPrompt prompt;
    return prompt;
}

} // namespace ui
