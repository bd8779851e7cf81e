// The Alliance tab dialog: the tabs and machine kinds it offers follow the
// product line and the machine kind, and what the operator picks reaches
// the rules. With LAUNDRY_SCREENSHOT_DIR set, every tab is saved as a PNG.
#include "page_widget_support.h"
#include "profiles/pages/alliance_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using namespace profiles;
using R = AlliancePageRules;
using Page = R::Page;

QStringList shownTabs(const AllianceDialog& dialog)
{
    QStringList titles;
    for (int i = 0; i < dialog.tabs()->count(); ++i)
        if (dialog.tabs()->isTabVisible(i))
            titles << dialog.tabs()->tabText(i);
    return titles;
}

} // namespace

TEST(AllianceDialog, TabsAndMachineKindsFollowTheChoices)
{
    AllianceDialog dialog;
    dialog.resize(560, 300);
    dialog.setEditable(true);
    auto* line = qobject_cast<QComboBox*>(dialog.control(R::kProductLineControl));
    auto* kind = qobject_cast<QComboBox*>(dialog.control(R::kMachineKindControl));
    ASSERT_TRUE(line && kind);
    EXPECT_EQ(shownTabs(dialog),
              QStringList({"Washer/Dryer", "Washer Prices", "Top-Load Settings"}));
    EXPECT_EQ(kind->count(), 5);
    EXPECT_FALSE(dialog.control(R::kTierControl)->isEnabled());
    pagetest::saveTabs(*dialog.tabs(), QStringLiteral("alliance_quantum_top_load"));

    kind->setCurrentIndex(kind->findText("Tumbler"));
    EXPECT_EQ(dialog.rules().values().machineType, R::kTumbler);
    EXPECT_EQ(shownTabs(dialog), QStringList({"Washer/Dryer", "Dryer Prices", "Dryer Settings"}));
    pagetest::saveTabs(*dialog.tabs(), QStringLiteral("alliance_quantum_tumbler"));
    kind->setCurrentIndex(kind->findText("Extractor"));
    EXPECT_EQ(shownTabs(dialog).last(), "Front-Load Settings");
    EXPECT_NE(dialog.control(R::kMachineSizeControl), nullptr);
    pagetest::saveTabs(*dialog.tabs(), QStringLiteral("alliance_quantum_extractor"));

    // The ACA line makes no extractor: the kind becomes its front-load washer.
    line->setCurrentIndex(1);
    EXPECT_EQ(kind->count(), 3);
    EXPECT_EQ(kind->currentText(), "Front-Load Washer");
    EXPECT_TRUE(dialog.control(R::kTierControl)->isEnabled());
    EXPECT_EQ(qobject_cast<QComboBox*>(dialog.control(R::kTierControl))->currentText(), "A4");
    EXPECT_EQ(dialog.control(R::kMachineSizeControl), nullptr); // the Quantum page's
    EXPECT_NE(dialog.control(R::kMediumExtraWashControl), nullptr);
    pagetest::saveTabs(*dialog.tabs(), QStringLiteral("alliance_aca_front_load"));

    // Cycle prices take input only with cycle-based pricing on.
    kind->setCurrentIndex(kind->findText("Top-Load Washer"));
    EXPECT_FALSE(dialog.control(R::kWasherPriceControl)->isEnabled());
    qobject_cast<QCheckBox*>(dialog.control(R::kCyclePricingControl))->setChecked(true);
    EXPECT_TRUE(dialog.control(R::kWasherPriceControl)->isEnabled());
    EXPECT_FALSE(dialog.control(R::kVendPriceControl)->isEnabled());

    // The ACA top-load page shows the cycle and the added cycle chosen.
    auto* wash = qobject_cast<QComboBox*>(dialog.control(R::kCycleSettingControls[R::Wash]));
    ASSERT_TRUE(wash);
    EXPECT_EQ(wash->currentText(), "10");
    dialog.showCycle(2);
    wash->setCurrentIndex(8);
    EXPECT_EQ(dialog.rules().values().cycleSettings[R::Wash], (std::array<int, 3>{10, 10, 8}));
    EXPECT_NE(dialog.control(R::kMediumAddedPriceControl), nullptr);
    dialog.showHeavy(true);
    auto* added = qobject_cast<QLineEdit*>(dialog.control(R::kHeavyAddedPriceControl));
    ASSERT_TRUE(added);
    EXPECT_EQ(added->text(), "$0.50");
    added->setText("0.65");
    dialog.readValues();
    EXPECT_EQ(dialog.rules().values().heavy.price, Currency::fromCents(65));
    EXPECT_EQ(dialog.rules().values().medium.price, Currency::fromCents(25));
    pagetest::saveTabs(*dialog.tabs(), QStringLiteral("alliance_aca_top_load"));

    // The focus on a refused value brings its tab to the front.
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    dialog.tabs()->setCurrentIndex(0);
    dialog.focusControl(R::kWasherPriceControl + 4);
    EXPECT_EQ(dialog.tabs()->currentWidget(), dialog.page(Page::WasherPrices));
}
