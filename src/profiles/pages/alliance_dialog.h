// The Alliance Quantum/ACA option dialog (IDD_DIALOG_CENTURION): a tab dialog
// that shows the main page and the price and settings pages of the chosen
// product line and machine kind. Lists and check boxes hand their value to
// the rules at once; price edits on being left (and on a save).
#pragma once

#include "profiles/option_page_widget.h"
#include "profiles/pages/alliance_page_rules.h"

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QTabWidget;

namespace Ui {
class AllianceMainPage;
class AllianceWasherPricesPage;
class AllianceDryerPricesPage;
class AllianceDryerSettingsPage;
class AllianceTopLoadPage;
class AllianceFrontLoadPage;
} // namespace Ui

namespace profiles {

class LeaveFieldWatcher;

class AllianceDialog : public OptionPageWidget {
    Q_OBJECT
public:
    using Page = AlliancePageRules::Page;

    explicit AllianceDialog(QWidget* parent = nullptr);
    ~AllianceDialog() override;

    AlliancePageRules& rules() override { return rules_; }
    void showValues() override;
    void readValues() override;
    void setEditable(bool editable) override;

    QTabWidget* tabs() const { return tabs_; }
    QWidget* page(Page page) const { return pages_.at(page); }
    // Which cycle (0 Normal, 1 Perm Press, 2 Delicate) the top-load pages
    // show, and whether the ACA top-load page shows the heavy cycle's values.
    void showCycle(int cycle);
    void showHeavy(bool heavy);

private:
    using Values = AlliancePageRules::Values;
    struct Tagged {
        QWidget* widget;
        int control;
        Page page;
    };
    struct PriceEdit {
        QLineEdit* edit;
        Page page;
        int control;
        std::function<Currency&(Values&)> price;
    };
    struct Bound {
        std::function<void()> show; // rules -> control
    };

    QWidget* addPage(Page page, const QString& title);
    void tag(QWidget* widget, int control, Page page);
    // Binds a control of the forms to a value of the rules; a list gets
    // `entries` unless its form lists its own.
    void bindList(Page page, int control, QComboBox* combo, const QStringList& entries,
                  std::function<int&(Values&)> value, int offset = 0);
    void bindCheck(Page page, int control, QCheckBox* box, std::function<bool&(Values&)> value);
    void bindPrice(Page page, int control, QLineEdit* edit,
                   std::function<Currency&(Values&)> value);
    void bindCycleButtons(const std::vector<QAbstractButton*>& buttons,
                          std::function<void(int)> chosen);

    void buildMain();
    void buildWasherPrices();
    void buildDryerPrices();
    void buildDryerSettings();
    void buildTopLoad(Page page, bool aca);
    void buildFrontLoad(Page page, bool aca);

    void fillMachineKinds();
    void fillTemperatures();
    void arrangePages();
    void applyEnabling();
    Check leavePrice(QLineEdit* edit);

    AlliancePageRules rules_;
    QTabWidget* tabs_;
    std::unique_ptr<Ui::AllianceMainPage> mainUi_;
    std::unique_ptr<Ui::AllianceWasherPricesPage> washerPricesUi_;
    std::unique_ptr<Ui::AllianceDryerPricesPage> dryerPricesUi_;
    std::unique_ptr<Ui::AllianceDryerSettingsPage> dryerSettingsUi_;
    std::array<std::unique_ptr<Ui::AllianceTopLoadPage>, 2> topLoadUi_;     // Quantum, ACA
    std::array<std::unique_ptr<Ui::AllianceFrontLoadPage>, 2> frontLoadUi_; // Quantum, ACA
    std::map<Page, QWidget*> pages_;
    std::vector<Tagged> tagged_;
    std::vector<PriceEdit> prices_;
    std::vector<Bound> bound_;
    LeaveFieldWatcher* watcher_;
    std::vector<QButtonGroup*> cycleGroups_;
    QButtonGroup* addedGroup_ = nullptr;
    int cycle_ = 0;
    bool heavy_ = false;
    bool editable_ = false;
    bool showing_ = false;
};

} // namespace profiles
