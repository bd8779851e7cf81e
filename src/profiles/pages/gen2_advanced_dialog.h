// The tab dialog of the Maytag Gen2 Advanced and LG profiles: the
// "Washer/Dryer", "Features", "Super Cycles" and "Prices" tabs over one
// Gen2AdvancedDialogRules.
#pragma once

#include "profiles/option_page_widget.h"
#include "profiles/pages/gen2_advanced_dialog_rules.h"

#include <memory>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QTabWidget;

namespace Ui {
class Gen2AdvancedMachinePage;
class Gen2AdvancedFeaturesPage;
class Gen2AdvancedSuperCyclePage;
class Gen2AdvancedPricePage;
} // namespace Ui

namespace profiles {

class Gen2AdvancedDialog : public OptionPageWidget {
    Q_OBJECT
public:
    // code: kMaytagGen2Advanced or kLg.
    Gen2AdvancedDialog(int code, QWidget* parent = nullptr);
    ~Gen2AdvancedDialog() override;

    Gen2AdvancedDialogRules& rules() override { return rules_; }
    void showValues() override;
    void readValues() override;
    void setEditable(bool editable) override;
    // A refused field may be on another tab: that tab is shown first.
    void focusControl(int controlId) override;

    QTabWidget* tabs() const { return tabs_; }

private:
    template <typename T> T* child(const QString& name) const { return findChild<T*>(name); }
    QLineEdit* moneyEdit(int field) const;
    QLineEdit* numberEdit(int number) const;
    QCheckBox* featureBox(int s) const;
    void tagControls();
    void arrangeForType();
    void connectControls();
    // What the rules enable: the kind's cycle values and prices, the
    // switches, and the values the switches bring into use.
    void applyEnabling();
    Check leave(int control);

    Gen2AdvancedDialogRules rules_;
    QTabWidget* tabs_;
    std::unique_ptr<Ui::Gen2AdvancedMachinePage> machineUi_;
    std::unique_ptr<Ui::Gen2AdvancedFeaturesPage> featuresUi_;
    std::unique_ptr<Ui::Gen2AdvancedSuperCyclePage> superUi_;
    std::unique_ptr<Ui::Gen2AdvancedPricePage> priceUi_;
    bool editable_ = false;
};

} // namespace profiles
