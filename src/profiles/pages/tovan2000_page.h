// The Tovan2000 page (IDD_OPTIONS_TOVAN2000): the dryer run, heat and
// top-off time edits.
#pragma once

#include "profiles/option_page_widget.h"
#include "profiles/pages/tovan2000_page_rules.h"

#include <memory>

class QLineEdit;

namespace Ui {
class Tovan2000Page;
}

namespace profiles {

class Tovan2000Page : public OptionPageWidget {
    Q_OBJECT
public:
    explicit Tovan2000Page(QWidget* parent = nullptr);
    ~Tovan2000Page() override;

    Tovan2000PageRules& rules() override { return rules_; }
    void showValues() override;
    void readValues() override;

private:
    QLineEdit* edit(int control) const;
    Check leaveField(int control);

    std::unique_ptr<Ui::Tovan2000Page> ui_;
    Tovan2000PageRules rules_;
};

} // namespace profiles
