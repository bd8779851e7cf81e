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
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QTabWidget;

namespace profiles {

class LeaveFieldWatcher;

class AllianceDialog : public OptionPageWidget {
    Q_OBJECT
public:
    using Page = AlliancePageRules::Page;

    explicit AllianceDialog(QWidget* parent = nullptr);

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
    QComboBox* list(Page page, int control, const QStringList& entries,
                    std::function<int&(Values&)> value, int offset = 0);
    QCheckBox* check(Page page, int control, const QString& text,
                     std::function<bool&(Values&)> value);
    QLineEdit* price(Page page, int control, std::function<Currency&(Values&)> value);
    QGridLayout* grid(QWidget* parent);

    void buildMain();
    void buildWasherPrices();
    void buildDryerPrices();
    void buildDryerSettings();
    void buildTopLoad(Page page, bool aca);
    void buildFrontLoad(Page page, bool aca);
    QWidget* cycleSettings(Page page);
    QWidget* cycleButtons(Page page, const std::vector<QString>& names,
                          std::function<void(int)> chosen, QButtonGroup*& group);

    void fillMachineKinds();
    void fillTemperatures();
    void arrangePages();
    void applyEnabling();
    Check leavePrice(QLineEdit* edit);

    AlliancePageRules rules_;
    QTabWidget* tabs_;
    std::map<Page, QWidget*> pages_;
    std::vector<Tagged> tagged_;
    std::vector<PriceEdit> prices_;
    std::vector<Bound> bound_;
    LeaveFieldWatcher* watcher_;
    QComboBox* productLine_ = nullptr;
    QComboBox* machineKind_ = nullptr;
    QComboBox* tier_ = nullptr;
    QCheckBox* cyclePricing_ = nullptr;
    QLineEdit* vendPrice_ = nullptr;
    std::array<QComboBox*, 4> temperatures_{};
    QComboBox* temperatureUnit_ = nullptr;
    std::vector<QButtonGroup*> cycleGroups_;
    QButtonGroup* addedGroup_ = nullptr;
    int cycle_ = 0;
    bool heavy_ = false;
    bool editable_ = false;
    bool showing_ = false;
};

} // namespace profiles
