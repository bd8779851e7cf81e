// The Maytag Gen2 page (IDD_OPTIONS_GEN2): the Washer/Dryer pair and the
// three time edits.
#pragma once

#include "profiles/option_page_widget.h"
#include "profiles/pages/gen2_page_rules.h"

#include <memory>

class QLineEdit;

namespace Ui {
class Gen2Page;
}

namespace profiles {

class Gen2Page : public OptionPageWidget {
    Q_OBJECT
public:
    explicit Gen2Page(QWidget* parent = nullptr);
    ~Gen2Page() override;

    Gen2PageRules& rules() override { return rules_; }
    void showValues() override;
    void readValues() override;

private:
    QLineEdit* edit(int control) const;
    void click(Gen2PageRules::Machine button);
    void showMachine();
    Check leaveTimes();

    std::unique_ptr<Ui::Gen2Page> ui_;
    Gen2PageRules rules_;
};

} // namespace profiles
