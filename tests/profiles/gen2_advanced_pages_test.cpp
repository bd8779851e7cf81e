// The rules of the Maytag Gen2 Advanced and LG tab dialogs: the Features
// switches and their exclusions, the stacked washer/dryer token rule, the
// field ranges and what reaches the setup record.
#include "platform/ui/checked_scripted_ui.h"
#include "profiles/pages/gen2_advanced_dialog_rules.h"
#include "setup/profile_types.h"
#include "setup/setup_record.h"

#include <gtest/gtest.h>

namespace {

using namespace profiles;
using Features = Gen2AdvancedFeaturesRules;
using Prices = Gen2AdvancedPriceRules;
using Machine = Gen2AdvancedMachineRules;
using Kind = Machine::Kind;

const char kExclusiveForCyclePricing[] =
    "The Super Cycle and Cycle Based Pricing features are mutually exclusive, and can't both be "
    "enabled on the same machine. To enable Cycle Based Pricing, first deselect the Super Cycle "
    "option.";
const char kExclusiveForSuperCycle[] =
    "The Super Cycle and Cycle Based Pricing features are mutually exclusive, and can't both be "
    "enabled on the same machine. To enable Super Cycles, first deselect the Cycle Based Pricing "
    "option.";
const char kTokensText[] =
    "Cycle Based Pricing can't be enabled when using Tokens. Disabling Cycle Based Pricing.";

STRUCT_laundry_setup recordOf(const Gen2AdvancedDialogRules& dialog)
{
    STRUCT_laundry_setup record{};
    setup::clearSetupRecord(record);
    dialog.writeRecord(newProfileValues(dialog.code()), record);
    return record;
}

TEST(Gen2AdvancedFeatures, SuperCycleAndCyclePricingExcludeEachOther)
{
    const struct {
        Features::Switch on, clicked;
        bool tokens;
        const char* message;
    } cases[] = {
        {Features::kSuperCycle, Features::kCyclePricing, false, kExclusiveForCyclePricing},
        {Features::kCyclePricing, Features::kSuperCycle, false, kExclusiveForSuperCycle},
        {Features::kFixedCycle, Features::kCyclePricing, true, kTokensText},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        uitest::CheckedScriptedUi ui;
        Gen2AdvancedDialogRules dialog(setup::kMaytagGen2Advanced);
        dialog.features().setValue(c.on, true);
        dialog.setTokens(c.tokens);
        dialog.clickFeature(c.clicked, true);
        EXPECT_FALSE(dialog.features().value(c.clicked)); // the clicked box ends off
        EXPECT_TRUE(dialog.features().value(c.on));
        ASSERT_EQ(ui->messages().size(), 1u);
        EXPECT_EQ(ui->messages()[0].text, c.message);
        EXPECT_EQ(ui->messages()[0].caption, "Reader Manager");
        EXPECT_EQ(ui->messages()[0].icon, unsigned(promptui::MB_ICONEXCLAMATION));
    }
}

TEST(Gen2AdvancedFeatures, TokensTurnCyclePricingOffAndGreyIt)
{
    uitest::CheckedScriptedUi ui;
    Gen2AdvancedDialogRules dialog(setup::kLg);
    dialog.clickFeature(Features::kCyclePricing, true);
    EXPECT_TRUE(ui->messages().empty());
    EXPECT_FALSE(dialog.checkTokens(false));
    EXPECT_TRUE(dialog.checkTokens(true)); // an import holding both is refused
    dialog.setTokens(true);
    EXPECT_FALSE(dialog.features().value(Features::kCyclePricing));
    EXPECT_FALSE(dialog.features().enabled(Features::kCyclePricing));
    EXPECT_EQ(ui->messageTexts(), QStringList{kTokensText});
    dialog.setTokens(false);
    EXPECT_TRUE(dialog.features().enabled(Features::kCyclePricing));
    EXPECT_EQ(ui->messages().size(), 1u);

    // A dryer has neither switch, whatever the tokens: choosing one clears both.
    dialog.clickFeature(Features::kSuperCycle, true);
    dialog.chooseKind(Kind::Dryer);
    EXPECT_FALSE(dialog.features().value(Features::kSuperCycle));
    EXPECT_FALSE(dialog.features().enabled(Features::kSuperCycle));
    EXPECT_FALSE(dialog.features().enabled(Features::kCyclePricing));
    dialog.chooseKind(Kind::Washer);
    EXPECT_TRUE(dialog.features().enabled(Features::kCyclePricing));
    // A stored dryer holding one is refused rather than cleared unseen.
    dialog.load({{"DRYER", 0}, {"WASHER", 1}, {"SUPER CYCLE", 1}});
    ASSERT_TRUE(dialog.checkFields());
    EXPECT_EQ(dialog.checkFields()->column, "SUPER CYCLE");
}

TEST(Gen2AdvancedFeatures, SudsDetectWarnsBelowATenMinuteWash)
{
    for (const int wash : {9, 10}) {
        uitest::CheckedScriptedUi ui;
        Gen2AdvancedDialogRules dialog(setup::kMaytagGen2Advanced);
        dialog.machine().setNumber(Machine::kWash, wash);
        dialog.clickFeature(Features::kSudsDetect, true);
        EXPECT_TRUE(dialog.features().value(Features::kSudsDetect));
        if (wash == 10) {
            EXPECT_TRUE(ui->messages().empty());
            continue;
        }
        ASSERT_EQ(ui->messages().size(), 1u);
        EXPECT_EQ(ui->messages()[0].caption, "Gen2 Data Error Warning");
        EXPECT_EQ(ui->messages()[0].text,
                  "Suds Detect mode requires a minimum wash length of 10 minutes. The wash "
                  "length is currently set to 9 minutes. You must update the wash length (in "
                  "the Washer/Dryer tab) for suds detect to work properly.");
    }
}

TEST(Gen2AdvancedPrices, AStackWithTokensKeepsDryerAndWasherPricesApart)
{
    const struct {
        int code;
        Kind kind;
        bool tokens;
        const char* both;
        const char* dryerAfter;
        int messages;
    } cases[] = {
        {setup::kMaytagGen2Advanced, Kind::Stack, true, "$1.00", "$0.95", 2},
        {setup::kMaytagGen2Advanced, Kind::Stack, true, "$0.05", "$0.10", 2},
        {setup::kMaytagGen2Advanced, Kind::Stack, false, "$1.00", "$1.00", 0},
        {setup::kMaytagGen2Advanced, Kind::Washer, true, "$1.00", "$1.00", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.both) + (c.tokens ? " tokens" : ""));
        uitest::CheckedScriptedUi ui;
        Gen2AdvancedDialogRules dialog(c.code);
        dialog.chooseKind(c.kind);
        dialog.setTokens(c.tokens);
        for (const Prices::Field f : {Prices::kVend, Prices::kSpecVend, Prices::kRegDryer})
            ASSERT_FALSE(dialog.leaveMoney(f, QLatin1String(c.both)));
        ASSERT_FALSE(dialog.leaveMoney(Prices::kSpecDryer, QLatin1String(c.both)));
        EXPECT_EQ(dialog.prices().moneyText(Prices::kRegDryer), c.dryerAfter);
        EXPECT_EQ(dialog.prices().moneyText(Prices::kSpecDryer), c.dryerAfter);
        EXPECT_EQ(dialog.prices().moneyText(Prices::kVend), c.both);
        ASSERT_EQ(int(ui->messages().size()), c.messages);
        if (c.messages == 0)
            continue;
        EXPECT_EQ(ui->messages()[0].caption, "Illegal configuration");
        EXPECT_EQ(ui->messages()[0].text,
                  "When tokens are enabled for the washer/dryer stack machine, the regular dry "
                  "and wash prices MUST be different values. Vela will change the regular dry "
                  "price.");
        EXPECT_TRUE(ui->messages()[1].text.contains("the special dry and wash prices MUST"));
        EXPECT_FALSE(dialog.checkTokens(true));
    }
    // The import refuses what the rule would have changed.
    Gen2AdvancedDialogRules stack(setup::kMaytagGen2Advanced);
    stack.chooseKind(Kind::Stack);
    stack.prices().setMoneyText(Prices::kRegDryer, "$1.00");
    EXPECT_EQ(stack.checkTokens(true)->column, "REG DRYER PRICE");
}

TEST(Gen2AdvancedDialog, FieldRangesRefuseWhatTheCardCannotHold)
{
    const char* nickels = "Please enter a currency multiple of Nickels.The range is $0.05 to $9.95";
    const struct {
        int code;
        Prices::Field field;
        const char* text;
        const char* message; // nullptr: accepted
    } money[] = {
        {setup::kMaytagGen2Advanced, Prices::kVend, "1.23", nickels},
        {setup::kMaytagGen2Advanced, Prices::kVend, "1.25", nullptr},
        {setup::kMaytagGen2Advanced, Prices::kRegDryer, "0", nickels},
        {setup::kMaytagGen2Advanced, Prices::kSpecDryer, "9.95", nullptr},
        {setup::kMaytagGen2Advanced, Prices::kSpecVend, "10", nickels},
        {setup::kMaytagGen2Advanced, Prices::kVendHot, "0", nullptr},
        {setup::kMaytagGen2Advanced, Prices::kVendHot, "12.75",
         "Please enter a value between $0.00 and $9.95"},
        {setup::kMaytagGen2Advanced, Prices::kSuperUpgrade, "0.33",
         "Please enter a currency multiple of $0.05"},
        {setup::kMaytagGen2Advanced, Prices::kCoin1, "0",
         "Please enter a value between $0.01 and $9.95"},
        {setup::kLg, Prices::kCoin2, "0", nickels}, // LG's top-off price
    };
    for (const auto& c : money) {
        SCOPED_TRACE(std::string(c.text) + " " + Prices::moneyFields()[c.field].column);
        Gen2AdvancedDialogRules dialog(c.code);
        const Check refused = dialog.leaveMoney(c.field, QLatin1String(c.text));
        EXPECT_EQ(refused ? refused->message : QString(), QLatin1String(c.message));
        dialog.prices().setMoneyText(c.field, QLatin1String(c.text));
        EXPECT_EQ(dialog.checkFields().has_value(), c.message != nullptr);
        EXPECT_EQ(dialog.checkBeforeSave().has_value(), c.message != nullptr);
        if (refused) {
            EXPECT_EQ(refused->caption,
                      refused->message == nickels ? "Invalid Number Entered" : "Input Error");
        }
    }
    const struct {
        ColumnValues columns;
        const char* column;
    } refused[] = {
        {{{"WASH", 256}}, "WASH"},
        {{{"FINAL SPIN", "six"}}, "FINAL SPIN"},
        {{{"POSITION", "-1"}}, "POSITION"},
        {{{"LOCATION MACHINE", 1000000}}, "LOCATION MACHINE"},
        {{{"MACHINE SERIAL", "SN1234567"}}, "MACHINE SERIAL"},
        {{{"MACHINE SERIAL", "sn12345678"}}, "MACHINE SERIAL"},
        {{{"WASHER", 0}, {"DRYER", 0}}, "WASHER"},
        {{{"PENNY INCREMENT", QVariant::fromValue(Currency::fromCents(5))}}, "PENNY INCREMENT"},
        {{{"SPEC PRICE END", "12 PM"}}, "SPEC PRICE END"},
    };
    for (const auto& [columns, column] : refused) {
        Gen2AdvancedDialogRules dialog(setup::kMaytagGen2Advanced);
        dialog.load(columns);
        const Check check = dialog.checkFields();
        ASSERT_TRUE(check) << column;
        EXPECT_EQ(check->column, QLatin1String(column));
    }
    Gen2AdvancedDialogRules dialog(setup::kMaytagGen2Advanced);
    dialog.load({{"WASH", 255}, {"LOCATION MACHINE", 999999}, {"MACHINE SERIAL", "SN12345678"}});
    EXPECT_FALSE(dialog.checkFields());
}

TEST(Gen2AdvancedDialog, MachineKindsReachTheRecord)
{
    const struct {
        int code;
        Kind kind;
        uint8_t machineType, washer, dryer, stack, model;
        uint16_t vendPrice;
    } cases[] = {
        // washer 1 is the cleared record's: type 5 leaves it.
        {setup::kMaytagGen2Advanced, Kind::Washer, 7, 1, 0, 0, 0x1B, 20},
        {setup::kMaytagGen2Advanced, Kind::HorizontalWasher, 9, 1, 0, 0, 0x1B, 20},
        {setup::kMaytagGen2Advanced, Kind::Stack, 0x0A, 1, 0, 1, 0x3D, 20},
        {setup::kMaytagGen2Advanced, Kind::Dryer, 8, 1, 1, 0, 0x1B, 20},
        {setup::kLg, Kind::Washer, 9, 1, 0, 0, 0x1B, 20},
        {setup::kLg, Kind::Dryer, 8, 0, 1, 0, 0x1B, 5}, // the regular dryer price
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.machineType + c.code * 100);
        Gen2AdvancedDialogRules dialog(c.code);
        dialog.chooseKind(c.kind);
        ASSERT_FALSE(dialog.leaveMoney(Prices::kCoin2, "$0.50"));
        const STRUCT_laundry_setup record = recordOf(dialog);
        EXPECT_EQ(record.machine_type, c.machineType);
        EXPECT_EQ(record.washer, c.washer);
        EXPECT_EQ(record.dryer, c.dryer);
        EXPECT_EQ(record.washer_dryer_stack, c.stack);
        EXPECT_EQ(record.machine_model_byte, c.model);
        EXPECT_EQ(record.vend_price, c.vendPrice); // $1.00 washer, $0.25 dryer, in nickels
        // Only LG writes a coin 2 value: the cleared record's byte stays.
        EXPECT_EQ(record.coin2_value, c.code == setup::kLg ? 10 : 0);
        // LG's Coin2/TopOff value is its top-off price in cents.
        EXPECT_EQ(record.topoff_price, c.code == setup::kLg ? 50 : 0);
        // A new profile: only Enhanced Debit; an empty serial is ten zeros.
        EXPECT_EQ(record.feature_flags, 0);
        EXPECT_EQ(record.feature_flags_2, 0x08);
        EXPECT_EQ(QByteArray(record.machine_serial, 11), QByteArray("0000000000\0", 11));
        // The rules save exactly the type's columns.
        QStringList names;
        for (const ProfileColumn& column : typeColumns(c.code))
            names << QLatin1String(column.name);
        names.sort();
        EXPECT_EQ(dialog.columns().keys(), names);
    }
}

} // namespace
