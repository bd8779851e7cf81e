// The Wascomat dialog (type 11): a "Prices" tab (machine type, programs
// 1-16 and the two options) and a "Special Prices" tab (the same prices
// when special pricing applies, its days and its time window) over one
// WascomatPageRules.
#pragma once

#include "profiles/option_page_widget.h"
#include "profiles/pages/wascomat_page_rules.h"

#include <memory>

class QCheckBox;
class QLineEdit;
class QTabWidget;

namespace Ui {
class WascomatPricePage;
class WascomatSpecialPage;
} // namespace Ui

namespace profiles {

class WascomatDialog : public OptionPageWidget {
    Q_OBJECT
public:
    explicit WascomatDialog(QWidget* parent = nullptr);
    ~WascomatDialog() override;

    WascomatPageRules& rules() override { return rules_; }
    void showValues() override;
    void readValues() override;
    void setEditable(bool editable) override;

    QTabWidget* tabs() const { return tabs_; }

private:
    QLineEdit* priceEdit(bool special, int index) const;
    QCheckBox* dayBox(int day) const;
    void tagControls();
    // The special prices, days and times follow Enable Special Pricing.
    void enableSpecialPricing();
    Check leaveField(int control);

    WascomatPageRules rules_;
    QTabWidget* tabs_;
    QWidget* pricePage_;
    QWidget* specialPage_;
    std::unique_ptr<Ui::WascomatPricePage> priceUi_;
    std::unique_ptr<Ui::WascomatSpecialPage> specialUi_;
    bool editable_ = false;
};

} // namespace profiles
