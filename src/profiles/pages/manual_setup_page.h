// The Manual Setup page ("Generic", dialog 230): the setup file's path and
// the target card type, whose edit never holds an invalid text.
#pragma once

#include "profiles/option_page_widget.h"
#include "profiles/pages/manual_setup_page_rules.h"

#include <memory>

namespace Ui {
class ManualSetupPage;
}

namespace profiles {

class ManualSetupPage : public OptionPageWidget {
    Q_OBJECT
public:
    explicit ManualSetupPage(QWidget* parent = nullptr);
    ~ManualSetupPage() override;

    ManualSetupPageRules& rules() override { return rules_; }
    void showValues() override;
    void readValues() override;

private:
    void cardTypeEdited(const QString& text);

    std::unique_ptr<Ui::ManualSetupPage> ui_;
    ManualSetupPageRules rules_;
    QString lastCardType_; // the last text that kept the rule
};

} // namespace profiles
