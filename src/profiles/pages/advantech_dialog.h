// The Advantech option dialog (IDD_TOVAN_DEFAULT_DLG): the tabs "Machine",
// "Prices", "Special Prices", "Coins" and "Action Codes" over one
// AdvantechPageRules. The washer's and the dryer's own controls take input
// only for their machine kind.
#pragma once

#include "profiles/option_page_widget.h"
#include "profiles/pages/advantech_page_rules.h"

#include <memory>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QTabWidget;

namespace Ui {
class AdvantechDialog;
}

namespace profiles {

class AdvantechDialog : public OptionPageWidget {
    Q_OBJECT
public:
    explicit AdvantechDialog(QWidget* parent = nullptr);
    ~AdvantechDialog() override;

    AdvantechPageRules& rules() override { return rules_; }
    void showValues() override;
    void readValues() override;
    void setEditable(bool editable) override;

    QTabWidget* tabs() const;

private:
    using Rules = AdvantechPageRules;

    QLineEdit* moneyEdit(int field) const;
    QLineEdit* integerEdit(int index) const;
    QCheckBox* dayBox(int period, int day) const;
    template <typename T> T* child(const QString& name) const;
    void fillLists();
    void tagControls();
    // Washer-only and dryer-only controls follow the machine kind.
    void applyEnabling();
    Check leaveField(int control);

    std::unique_ptr<Ui::AdvantechDialog> ui_;
    AdvantechPageRules rules_;
    bool editable_ = false;
};

} // namespace profiles
