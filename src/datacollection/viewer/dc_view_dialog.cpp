// Forms: dc_view_simple.ui (IDD_DC_VIEW_SIMPLE, 130), dc_view_washer_dryer.ui
// (IDD_DC_VIEW_WASHER_DRYER, 164), dc_view_stack.ui (IDD_DC_VIEW_STACK, 165),
// dc_view_advanteck.ui (IDD_DC_VIEW_ADVANTECK, 182), dc_view_mdc.ui
// (IDD_DC_VIEW_MDC, 200).
#include "datacollection/viewer/dc_view_dialog.h"
#include "fields/screen_fit.h"

#include "ui_dc_view_advanteck.h"
#include "ui_dc_view_mdc.h"
#include "ui_dc_view_simple.h"
#include "ui_dc_view_stack.h"
#include "ui_dc_view_washer_dryer.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace datacollection {

namespace {

// The generated form classes only hold pointers to the widgets they made;
// the dialog finds its controls by name, so the form object is not kept.
template <class Form> void setUpForm(QDialog* dialog)
{
    Form form;
    form.setupUi(dialog);
}

} // namespace

DcViewDialog::DcViewDialog(const DcViewContent& content, QWidget* parent) : QDialog(parent)
{
    loadForm(content.kind);
    setWindowTitle(content.caption);
    showFields(content.fields);
    hideEmptyGroups(content.fields);
    showButtons(content.buttons);
    // Read-only: the filled form's size is the largest the dialog takes; the
    // larger views scroll on a screen smaller than that.
    fields::scrollWholeContent(this);
    setMaximumSize(sizeHint());
    resize(sizeHint());
    fields::boundToScreen(this);
}

void DcViewDialog::loadForm(DcViewKind kind)
{
    switch (kind) {
    case DcViewKind::Simple:
        setUpForm<Ui::DcViewSimple>(this);
        break;
    case DcViewKind::WasherDryer:
        setUpForm<Ui::DcViewWasherDryer>(this);
        break;
    case DcViewKind::Stack:
        setUpForm<Ui::DcViewStack>(this);
        break;
    case DcViewKind::Advanteck:
        setUpForm<Ui::DcViewAdvanteck>(this);
        break;
    case DcViewKind::Mdc:
    case DcViewKind::None:
        setUpForm<Ui::DcViewMdc>(this);
        break;
    }
}

void DcViewDialog::showFields(const QList<DcViewField>& fields)
{
    for (const DcViewField& field : fields) {
        if (auto* value = findChild<QLineEdit*>(field.control)) {
            value->setText(field.value);
            value->setCursorPosition(0);
            value->setVisible(field.visible);
        }
        // A table row's label belongs to its first column only.
        if (auto* label = findChild<QLabel*>(dcViewLabelControl(field.control))) {
            label->setText(field.label);
            label->setVisible(field.visible);
        }
    }
}

// A group box shows while one of its fields does.
void DcViewDialog::hideEmptyGroups(const QList<DcViewField>& fields)
{
    for (QGroupBox* box : findChildren<QGroupBox*>()) {
        bool any = false;
        bool shown = false;
        for (const DcViewField& field : fields) {
            if (field.group == box->title()) {
                any = true;
                shown = shown || field.visible;
            }
        }
        if (any && !shown)
            box->hide();
    }
}

void DcViewDialog::showButtons(const QList<DcViewButton>& buttons)
{
    for (const DcViewButton& wanted : buttons) {
        auto* button = findChild<QPushButton*>(wanted.control);
        if (button == nullptr)
            continue;
        button->setText(wanted.text);
        button->setVisible(wanted.visible);
        button->setDefault(wanted.isDefault);
    }
    if (auto* done = findChild<QPushButton*>(QStringLiteral("doneButton")))
        connect(done, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace datacollection
