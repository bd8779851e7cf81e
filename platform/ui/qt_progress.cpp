#include "ui/qt_progress.h"

#include "ui/console_progress.h"

#include <QApplication>

#include <algorithm>

namespace ui {
namespace {

bool haveGui()
{
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

} // namespace

QtProgress::~QtProgress()
{
    // After the application is gone a widget cannot be deleted any more;
    // the process is ending then and takes the window with it.
    if (QCoreApplication::instance())
        delete dialog_.data();
}

void QtProgress::show(const QString& title, int steps)
{
    if (!haveGui()) {
        consoleProgress().show(title, steps);
        return;
    }
    if (!dialog_) {
        dialog_ = new QProgressDialog;
        dialog_->setCancelButton(nullptr);
        // The operation is not cancellable and keeps running on this thread:
        // block input elsewhere so nothing starts another one meanwhile.
        dialog_->setWindowModality(Qt::ApplicationModal);
        // Reaching the maximum must not hide or reset the window; the
        // operation closes it when it is done.
        dialog_->setAutoClose(false);
        dialog_->setAutoReset(false);
        dialog_->setMinimumDuration(0);
    }
    dialog_->setWindowTitle(title);
    dialog_->setLabelText(QString());
    dialog_->setRange(0, std::max(steps, 0));
    dialog_->setValue(0);
    dialog_->show();
    QCoreApplication::processEvents();
}

void QtProgress::step(const QString& text)
{
    if (!dialog_) {
        if (!haveGui())
            consoleProgress().step(text);
        return;
    }
    dialog_->setLabelText(text);
    // Operations may step once more than they announced; the bar stays full.
    dialog_->setValue(std::min(dialog_->value() + 1, dialog_->maximum()));
    QCoreApplication::processEvents();
}

void QtProgress::end()
{
    if (!dialog_) {
        if (!haveGui())
            consoleProgress().end();
        return;
    }
    dialog_->close();
    delete dialog_.data();
}

QtProgress& qtProgress()
{
    static QtProgress progress;
    return progress;
}

} // namespace ui
