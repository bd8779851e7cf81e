// The widget of an option page: it shows its rules' values in its controls
// and reads them back, as MFC's value/control exchange does. Every control
// carries the dialog resource's id in the "controlId" property, so the editor
// and the tests find a control by the id the messages and rules name.
#pragma once

#include "profiles/page_rules.h"

#include <QWidget>

namespace profiles {

inline constexpr char kControlIdProperty[] = "controlId";

class OptionPageWidget : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    virtual PageRules& rules() = 0;
    // Rules -> controls.
    virtual void showValues() = 0;
    // Controls -> rules, without checks (a type change, a save).
    virtual void readValues() = 0;
    // Enables or disables every control of the page (viewing vs editing).
    virtual void setEditable(bool editable);

    // The child control carrying `controlId`, or nullptr.
    QWidget* control(int controlId) const;
    // Puts the focus on that control and selects its text (a tab dialog
    // shows the control's tab first).
    virtual void focusControl(int controlId);
};

// Tags a control with its resource id.
void setControlId(QWidget* widget, int controlId);

} // namespace profiles
