// The Tovan2000 Cycle Setup page (IDD_OPTIONS_TOVAN2000_CS): the program
// list, the Cold/Warm pair and the fifteen read-only step times of the
// chosen program.
#pragma once

#include "profiles/option_page_widget.h"
#include "profiles/pages/cycle_setup_page_rules.h"

#include <memory>

namespace Ui {
class CycleSetupPage;
}

namespace profiles {

class CycleSetupPage : public OptionPageWidget {
    Q_OBJECT
public:
    explicit CycleSetupPage(QWidget* parent = nullptr);
    ~CycleSetupPage() override;

    CycleSetupPageRules& rules() override { return rules_; }
    void showValues() override;
    void readValues() override;

private:
    void showTemperature();
    void refreshSteps();
    void chooseProgram(int index);

    std::unique_ptr<Ui::CycleSetupPage> ui_;
    CycleSetupPageRules rules_;
};

} // namespace profiles
