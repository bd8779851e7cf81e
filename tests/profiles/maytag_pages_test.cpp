// The rules of the Maytag "Prices" and options pages and of their tab dialogs.
#include "profiles/pages/maytag_dialog_rules.h"
#include "setup/profile_types.h"
#include "setup/setup_record.h"

#include <gtest/gtest.h>

#include <functional>

using namespace profiles;
using Price = MaytagPricePageRules;

TEST(MaytagPricePage, MoneyChecksFollowTheCoinValueAndTheFieldsMaximum)
{
    struct Case {
        const char* coin;
        Price::Field field;
        const char* text;
        const char* refusal; // nullptr: accepted
    };
    const Case cases[] = {
        {"$0.25", Price::kNormal, "1.50", nullptr},
        {"$0.25", Price::kNormal, "1.60", "Please enter a currency multiple of $0.25"},
        {"$0.05", Price::kNormal, "10.05", nullptr},
        {"$0.05", Price::kCoolUpgrade, "10.05", "Please enter a value between $0.00 and $10.00"},
        {"$0.05", Price::kCoin1, "0", "Please enter a value between $0.01 and $9.95"},
        {"$0.05", Price::kCoin1, "0.33", "Please enter a currency multiple of $0.05"},
        {"$0.05", Price::kCoin1, "", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.coin) + " " + c.text);
        Price page(14);
        ASSERT_FALSE(page.leaveMoneyField(Price::kCoin1, QLatin1String(c.coin)));
        const Check refused = page.leaveMoneyField(c.field, QLatin1String(c.text));
        EXPECT_EQ(refused ? refused->message : QString(), QLatin1String(c.refusal));
        // The whole page refuses the same text before a save.
        page.setMoneyText(c.field, QLatin1String(c.text));
        EXPECT_EQ(page.checkFields().has_value(), c.refusal != nullptr);
        if (refused) {
            EXPECT_EQ(refused->control, Price::moneyFields()[c.field].control);
        }
    }
}

TEST(MaytagPricePage, DefaultsAndWhatTheCardDoesNotCarry)
{
    Price page(14);
    EXPECT_EQ(page.moneyText(Price::kCoin1), QStringLiteral("$0.05"));
    page.setEndTime("no such hour");
    STRUCT_laundry_setup record{};
    page.writeRecord(record);
    EXPECT_EQ(record.spec_price_end, 0xFF);
    // A price the page allows but one byte of nickels cannot hold.
    page.setMoneyText(Price::kPowerwash, "$12.80");
    EXPECT_TRUE(page.checkCardLimits()->message.endsWith("the largest is $12.75."));

    // The MHN33 page has no Soil Level to check.
    Price mhn33(16);
    EXPECT_FALSE(mhn33.soilLevelShown());
    mhn33.setMoneyText(Price::kSoilLevel, "$99.00");
    EXPECT_FALSE(mhn33.checkFields());
}

TEST(MaytagDialog, RecordBytesOfEachModel)
{
    struct Case {
        int code;
        std::function<void(MaytagOptionsPageRules&)> set;
        uint8_t machineType, setupByte1, setupByte2, actions, flags2, spinSpeed;
        uint16_t cardType;
    };
    const Case cases[] = {
        // Marlin defaults: Powerwash Hot with both boxes, Delicate Cold, Normal Warm.
        {setup::kMaytagMarlin, [](MaytagOptionsPageRules&) {}, 14, 0x0F, 0x02, 0x00, 0x0A, 0, 0xC7},
        {setup::kMaytagMarlin,
         [](MaytagOptionsPageRules& o) {
             for (int a = 0; a < 4; ++a)
                 o.setAction(a, true);
             o.setCycle(MaytagOptionsPageRules::kDelicate, {true, false, 1});
         },
         14, 0x0F, 0x92, 0x17, 0x0A, 0, 0xC7},
        {setup::kMaytagQuicksilver, [](MaytagOptionsPageRules&) {}, 14, 0x0F, 0x02, 0, 0, 0, 0xC9},
        {setup::kMaytagMhn33,
         [](MaytagOptionsPageRules& o) {
             o.setTimeIndex(4, 3); // 992 RPM
             o.setWaterLevel(true);
             o.setTempLevel(true);
         },
         16, 0x0F, 0x02, 0, 0xEA, 50, 0xC7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        MaytagDialogRules dialog(c.code);
        dialog.reset();
        dialog.prices().setSpecPricing(true);
        c.set(dialog.options());
        ASSERT_FALSE(dialog.checkFields());
        STRUCT_laundry_setup record{};
        setup::clearSetupRecord(record);
        dialog.writeRecord(newProfileValues(c.code), record);
        EXPECT_EQ(record.machine_type, c.machineType);
        EXPECT_EQ(record.card_type_code, c.cardType);
        EXPECT_EQ(record.setup_byte_1, c.setupByte1);
        EXPECT_EQ(record.setup_byte_2, c.setupByte2);
        EXPECT_EQ(record.action_flags, c.actions);
        EXPECT_EQ(record.feature_flags_2, c.flags2);
        EXPECT_EQ(record.top_spin_speed, c.spinSpeed);
        // Quicksilver clears the special-pricing flag the price page set.
        EXPECT_EQ(record.feature_flags, c.code == setup::kMaytagQuicksilver ? 0 : 0x02);
        // The rules save exactly the type's columns.
        QStringList names;
        for (const ProfileColumn& column : typeColumns(c.code))
            names << QLatin1String(column.name);
        names.sort();
        EXPECT_EQ(dialog.columns().keys(), names);
    }
}

TEST(MaytagOptionsPage, ChecksRefuseWhatThePageCannotShow)
{
    const std::pair<ColumnValues, const char*> refused[] = {
        {{{"POSITION", "65"}}, "POSITION"},
        {{{"MACHINE SERIAL", "ABCDEFGHIJK"}}, "MACHINE SERIAL"},
        {{{"WASH", 6}}, "WASH"},
        {{{"SETUP BYTE 1", 0x1F}}, "SETUP BYTE 1"},
    };
    for (const auto& [columns, column] : refused) {
        MaytagOptionsPageRules page(MaytagModel::Marlin);
        page.load(columns);
        const Check check = page.checkFields();
        ASSERT_TRUE(check) << column;
        EXPECT_EQ(check->column, QLatin1String(column));
    }
    MaytagOptionsPageRules page(MaytagModel::Marlin);
    page.load({{"POSITION", "64"}});
    EXPECT_FALSE(page.checkFields());
    STRUCT_laundry_setup record{};
    page.writeRecord(record);
    EXPECT_EQ(record.position, 64);
    ColumnValues columns;
    page.addColumns(columns);
    EXPECT_EQ(columns.value("POSITION").toString(), QStringLiteral("64"));
}
