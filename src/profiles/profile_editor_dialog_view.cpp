// The dialog's side of the session's view: every control shows what the
// view holds, and the focus goes where the session sends it.
#include "fields/read_only_look.h"
#include "profiles/editor_pages.h"
#include "profiles/profile_editor_dialog.h"
#include "profiles/profile_list_control.h"
#include "ui_profile_editor_dialog.h"

#include <QScopedValueRollback>
#include <QTimer>

namespace profiles {
namespace {

void showText(QLineEdit* edit, const QString& text)
{
    if (edit->text() != text)
        edit->setText(text);
}

void showReadOnly(QLineEdit* edit, bool readOnly)
{
    edit->setReadOnly(readOnly);
    fields::showReadOnlyLook(*edit, readOnly);
}

} // namespace

void ProfileEditorDialog::showView()
{
    const QScopedValueRollback showing(showing_, true);
    const EditorView& view = session_->view();
    QTreeWidget* list = ui_->profileList;
    if (view.rows != shownRows_) {
        showProfileRows(list, view.rows);
        shownRows_ = view.rows;
    }
    const cardcore::ListSort& sort = session_->sort();
    list->header()->setSortIndicatorShown(sort.column >= 0);
    if (sort.column >= 0)
        list->header()->setSortIndicator(sort.column,
                                         sort.ascending ? Qt::AscendingOrder : Qt::DescendingOrder);

    const EntryFields& entry = view.entry;
    showText(ui_->profileName, entry.name);
    const int selectorIndex = selectorIndexOf(entry.typeCode);
    if (ui_->typeSelector->currentIndex() != selectorIndex)
        ui_->typeSelector->setCurrentIndex(selectorIndex);
    showText(ui_->vendPrice, entry.vendPrice);
    showText(ui_->topoffPrice, entry.topoffPrice);
    showText(ui_->maxCardValue, entry.maxCardValue);
    ui_->enableTokens->setChecked(entry.enableTokens);
    ui_->clearCounters->setChecked(entry.clearCounters);
    ui_->checkLocation->setChecked(entry.checkLocation);
    ui_->locationClustering->setChecked(entry.locationClustering);
    ui_->userTransaction->setChecked(entry.userTransaction);
    if (!view.tokensShown)
        ui_->enableTokens->hide();

    showControls(view.controls);
    pages_->show(view.shownPage);

    if (view.selectedRow != selectedRow()) {
        if (QTreeWidgetItem* item = list->topLevelItem(view.selectedRow))
            list->setCurrentItem(item);
        else
            list->clearSelection();
    }
}

void ProfileEditorDialog::showControls(const ControlStates& controls)
{
    ui_->profileList->setEnabled(controls.listEnabled);
    showReadOnly(ui_->profileName, controls.nameReadOnly);
    ui_->typeSelector->setEnabled(controls.typeSelectorEnabled);
    showReadOnly(ui_->vendPrice, controls.pricesReadOnly);
    showReadOnly(ui_->topoffPrice, controls.pricesReadOnly);
    ui_->maxCardValue->setEnabled(controls.maxCardValueEnabled);
    ui_->enableTokens->setEnabled(controls.enableTokensEnabled);
    ui_->clearCounters->setEnabled(controls.clearCountersEnabled);
    ui_->checkLocation->setEnabled(controls.checkLocationEnabled);
    ui_->locationClustering->setEnabled(controls.locationClusteringEnabled);
    ui_->userTransaction->setEnabled(controls.userTransactionEnabled);
    ui_->updateButton->setEnabled(controls.updateEnabled);
    ui_->cancelButton->setEnabled(controls.cancelEnabled);
    const std::initializer_list<QWidget*> prices = {ui_->vendPrice, ui_->vendPriceLabel,
                                                    ui_->topoffPrice, ui_->topoffPriceLabel};
    for (QWidget* widget : prices)
        widget->setVisible(controls.pricesVisible);
    if (controls.editablePage != editablePage_) {
        editablePage_ = controls.editablePage;
        pages_->setEditablePage(editablePage_);
    }
}

void ProfileEditorDialog::showFocus(const EditorFocus& focus)
{
    showView();
    switch (focus.target) {
    case EditorFocus::Target::List:
        if (QTreeWidgetItem* item = ui_->profileList->currentItem())
            ui_->profileList->scrollToItem(item);
        ui_->profileList->setFocus();
        break;
    case EditorFocus::Target::Name:
        ui_->profileName->setFocus();
        if (focus.selectAll)
            ui_->profileName->selectAll();
        break;
    case EditorFocus::Target::VendPrice:
    case EditorFocus::Target::TopoffPrice: {
        // The focus is on its way elsewhere: bring it back once it got there.
        QLineEdit* edit =
            focus.target == EditorFocus::Target::VendPrice ? ui_->vendPrice : ui_->topoffPrice;
        QTimer::singleShot(0, edit, [edit] {
            edit->setFocus();
            edit->selectAll();
        });
        break;
    }
    case EditorFocus::Target::PageControl:
        if (OptionPageWidget* page = pages_->widget(focus.pageCode))
            page->focusControl(focus.control);
        break;
    }
}

} // namespace profiles
