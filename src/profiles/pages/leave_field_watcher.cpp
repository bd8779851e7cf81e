#include "profiles/pages/leave_field_watcher.h"

#include <QFocusEvent>

namespace profiles {

LeaveFieldWatcher::LeaveFieldWatcher(OptionPageWidget& page, Leave leave)
    : QObject(&page), page_(page), leave_(std::move(leave))
{
}

void LeaveFieldWatcher::watch(int control)
{
    if (QWidget* widget = page_.control(control))
        widget->installEventFilter(this);
}

bool LeaveFieldWatcher::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::FocusOut || busy_)
        return false;
    // Another window or a context menu taking the focus does not leave the field.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return false;
    const QVariant id = watched->property(kControlIdProperty);
    if (!id.isValid())
        return false;

    busy_ = true;
    const int control = id.toInt();
    if (const Check refused = leave_(control)) {
        showRefusal(*refused);
        page_.focusControl(refused->control >= 0 ? refused->control : control);
    }
    busy_ = false;
    return false;
}

} // namespace profiles
