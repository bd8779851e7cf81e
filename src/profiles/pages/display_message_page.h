// The option page of the Retrofit (IDD_OPTIONS_RETRO) and Electromechanical
// (IDD_OPTIONS_SEARS) profile types. One form serves both; the code hides
// what its reader does not have and tags the scroll speed pair with its own
// resource ids.
#pragma once

#include "profiles/option_page_widget.h"
#include "profiles/pages/display_message_page_rules.h"

#include <memory>
#include <vector>

class QLineEdit;

namespace Ui {
class DisplayMessagePage;
}

namespace profiles {

class DisplayMessagePage : public OptionPageWidget {
    Q_OBJECT
public:
    // code: DisplayMessagePageRules::kRetrofit or kElectromechanical.
    explicit DisplayMessagePage(int code, QWidget* parent = nullptr);
    ~DisplayMessagePage() override;

    PageRules& rules() override { return rules_; }
    DisplayMessagePageRules& displayRules() { return rules_; }
    void showValues() override;
    void readValues() override;

private:
    using FieldCheck = Check (DisplayMessagePageRules::*)(std::optional<int>) const;
    struct NumberField {
        QLineEdit* edit;
        FieldCheck check;
    };

    void tagControls();
    void showNumber(QLineEdit* edit, int value);
    void readNumber(const QLineEdit* edit, int& value) const;
    // Leaving a number field: the refusal to show (the focus goes back), or
    // none; an accepted scroll speed moves the slider.
    Check leaveField(int control);

    std::unique_ptr<Ui::DisplayMessagePage> ui_;
    DisplayMessagePageRules rules_;
    std::vector<NumberField> numberFields_;
};

} // namespace profiles
