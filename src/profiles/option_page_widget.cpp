#include "profiles/option_page_widget.h"

#include <QAbstractSpinBox>
#include <QLineEdit>
#include <QVariant>

namespace profiles {

void setControlId(QWidget* widget, int controlId)
{
    widget->setProperty(kControlIdProperty, controlId);
}

void OptionPageWidget::setEditable(bool editable)
{
    for (QWidget* child : findChildren<QWidget*>())
        if (child->property(kControlIdProperty).isValid())
            child->setEnabled(editable);
}

QWidget* OptionPageWidget::control(int controlId) const
{
    for (QWidget* child : findChildren<QWidget*>())
        if (child->property(kControlIdProperty).toInt() == controlId &&
            child->property(kControlIdProperty).isValid())
            return child;
    return nullptr;
}

void OptionPageWidget::focusControl(int controlId)
{
    QWidget* widget = control(controlId);
    if (!widget)
        return;
    widget->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->selectAll();
    else if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget))
        spin->selectAll();
}

} // namespace profiles
