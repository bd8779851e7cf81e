// The Speed Queen/Huebsch MDC option pages (IDD_DIALOG_ALLIANCE): a tab
// container with the " Washer/Dryer " and " Pricing " pages, one shown at a
// time.
#pragma once

#include "profiles/option_page_widget.h"
#include "profiles/pages/mdc_page_rules.h"

#include <array>
#include <memory>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace Ui {
class MdcPage;
}

namespace profiles {

class MdcPage : public OptionPageWidget {
    Q_OBJECT
public:
    explicit MdcPage(QWidget* parent = nullptr);
    ~MdcPage() override;

    MdcPageRules& rules() override { return rules_; }
    void showValues() override;
    void readValues() override;
    void setEditable(bool editable) override;

private:
    void tagControls();
    void connectControls();
    // A choice of the operator: the rules react, the page shows the result.
    template <typename Choice> void choose(Choice&& choice);
    void readLists();
    void fillLists();
    void showPrices();
    void applyEnabling();
    Check leaveCycleTimes(int control);
    Check leavePrice(int control);

    std::unique_ptr<Ui::MdcPage> ui_;
    MdcPageRules rules_;
    bool editable_ = false;
    std::array<QComboBox*, 4> temperatures_{};
    std::array<QLineEdit*, 4> regular_{};
    std::array<QLineEdit*, 4> special_{};
    std::array<QCheckBox*, 7> days_{};
};

} // namespace profiles
