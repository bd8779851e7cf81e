// The tab dialog of the Maytag Marlin, Quicksilver and MHN33 profiles: the
// "Prices" tab and the type's options tab over one MaytagDialogRules.
#pragma once

#include "profiles/option_page_widget.h"
#include "profiles/pages/maytag_dialog_rules.h"

#include <memory>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QTabWidget;

namespace Ui {
class MaytagPricePage;
class MaytagOptionsPage;
} // namespace Ui

namespace profiles {

class MaytagDialog : public OptionPageWidget {
    Q_OBJECT
public:
    // code: kMaytagMarlin, kMaytagQuicksilver or kMaytagMhn33.
    MaytagDialog(int code, QWidget* parent = nullptr);
    ~MaytagDialog() override;

    MaytagDialogRules& rules() override { return rules_; }
    void showValues() override;
    void readValues() override;
    void setEditable(bool editable) override;

    QTabWidget* tabs() const { return tabs_; }

private:
    QLineEdit* moneyEdit(int field) const;
    QComboBox* timeList(int list) const;
    QCheckBox* box(const QString& name) const;
    QComboBox* list(const QString& name) const;
    void tagControls();
    void arrangeForModel();
    // The special-pricing controls follow Enable Special Pricing.
    void enableSpecialPricing();
    Check leaveMoney(int control);

    MaytagDialogRules rules_;
    QTabWidget* tabs_;
    QWidget* pricePage_;
    QWidget* optionsPage_;
    std::unique_ptr<Ui::MaytagPricePage> priceUi_;
    std::unique_ptr<Ui::MaytagOptionsPage> optionsUi_;
    bool editable_ = false;
};

} // namespace profiles
