// The Advantech option dialog's rules: what it refuses, the setup bytes it
// keeps as composed bits, and what a washer and a dryer write.
#include "profiles/pages/advantech_page_rules.h"
#include "setup/setup_record.h"

#include <gtest/gtest.h>

using namespace profiles;
using Rules = AdvantechPageRules;

namespace {

ColumnValues defaultsWith(const char* column, const QVariant& value)
{
    ColumnValues columns = Rules().columns();
    columns.insert(QLatin1String(column), value);
    return columns;
}

QVariant money(qint64 units)
{
    return Currency(units).toVariant();
}

} // namespace

TEST(AdvantechPage, RefusesWhatTheMachineOrTheCardCannotHold)
{
    struct Case {
        const char* column;
        QVariant value;
        const char* refusal; // nullptr: accepted
        bool dryer = false;
    };
    const char* const kPriceRange = "Please enter a value between $0.01 and $655.35";
    const Case cases[] = {
        {"VEND PRICE", money(6553500), nullptr},
        {"VEND PRICE", money(6553600), kPriceRange},
        {"VEND PRICE", money(0), kPriceRange},
        // The other kind's price may be $0.00; the dryer's own may not.
        {"REG DRYER PRICE", money(0), nullptr},
        {"REG DRYER PRICE", money(0), kPriceRange, true},
        {"VEND PRICE", money(0), nullptr, true},
        {"SPEC PRICE 2", money(10050), "Please enter a currency multiple of $0.01"},
        {"DRYER RUN TIME", 0, "Please enter an integer between 1 and 255."},
        {"COIN2 PULSE MAX", 256, "Please enter an integer between 0 and 255."},
        {"ESTIMATED FILL TIME", 29,
         "Please choose the Estimated Fill Time from its list (0 secs to 7:00 mins)."},
        {"HOT TEMP REDUCTION", 7,
         "Please choose the Hot Temp Reduction from its list (0 to 50, in steps of 5)."},
        {"SP3 DURATION", 191,
         "Please choose the duration from its list (15 minutes to 47:45 hours)."},
        {"SP2 DAY", 128,
         "The days of special price 2 are bits 0 (Sunday) to 6 (Saturday), 0 to 127."},
        {"COIN SLIDE 1", 2, "Coin Slide 1 is 0 (off) or 1 (on)."},
        {"SETUP BYTE 1", 0x08, "SETUP BYTE 1 holds bits 0, 1 and 2 only."},
        {"SETUP BYTE 2", 0x08, "SETUP BYTE 2 holds bits 0, 1, 2 and 7 only."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.column) + " " + c.value.toString().toStdString());
        ColumnValues columns = defaultsWith(c.column, c.value);
        columns.insert("DRYER", int(c.dryer));
        Rules page;
        page.load(columns);
        const Check refused = page.checkFields();
        EXPECT_EQ(refused ? refused->message : QString(), QLatin1String(c.refusal));
        if (refused) {
            EXPECT_EQ(refused->column, QLatin1String(c.column));
            EXPECT_EQ(refused->caption, "Input Error");
        }
    }
}

TEST(AdvantechPage, PulseLimitsOfAWasherMustBeInOrder)
{
    Rules page;
    page.values().pulses = {50, 40, 20, 120};
    EXPECT_EQ(page.checkBeforeSave()->message,
              "The Coin 1 minimum pulse cannot be longer than its maximum pulse.");
    page.values().machine = int(Rules::Machine::Dryer);
    EXPECT_FALSE(page.checkBeforeSave());
}

TEST(AdvantechPage, SetupBytesLoadFromTheirBitsAndSaveComposed)
{
    Rules page;
    page.load(defaultsWith("SETUP BYTE 1", 0x05));
    EXPECT_TRUE(page.values().warmRinse);
    EXPECT_FALSE(page.values().lessFill);
    EXPECT_TRUE(page.values().setupOption);
    ColumnValues columns = page.columns();
    columns.insert("SETUP BYTE 2", 0x84);
    page.load(columns);
    EXPECT_EQ(page.values().setupByte2, (std::array<bool, 4>{false, false, true, true}));
    EXPECT_EQ(page.columns().value("SETUP BYTE 1").toInt(), 0x05);
    EXPECT_EQ(page.columns().value("SETUP BYTE 2").toInt(), 0x84);

    // "10% LESS" and the box; a dryer keeps only the box's bit.
    page.values().lessFill = true;
    EXPECT_EQ(page.columns().value("SETUP BYTE 1").toInt(), 0x07);
    page.values().machine = int(Rules::Machine::Dryer);
    EXPECT_EQ(page.columns().value("SETUP BYTE 1").toInt(), 0x04);
    STRUCT_laundry_setup record{};
    page.writeRecord({}, record);
    EXPECT_EQ(record.setup_byte_1, 0x04);
    EXPECT_EQ(record.setup_byte_2, 0x84);
}

// A washer's card is the golden case of the import test; here a dryer's.
TEST(AdvantechPage, ADryerZeroesTheWashersFieldsAndTopoffCanBeDisabled)
{
    Rules page;
    Rules::Values& v = page.values();
    v.machine = int(Rules::Machine::Dryer);
    v.money[Rules::kDryerPrice] = Currency::fromCents(125);
    v.money[Rules::kTopoffPrice] = Currency::fromCents(35);
    v.coolDown = 5;
    v.hotTempReduction = 10;
    STRUCT_laundry_setup dryer{};
    setup::clearSetupRecord(dryer);
    dryer.option_flags = 0x1A; // a washer bit left from before goes
    page.writeRecord({}, dryer);
    EXPECT_EQ((std::array<int, 12>{
                  dryer.advantech_vend_price, dryer.topoff_price_alt, dryer.topoff_time_alt,
                  dryer.extended_cool_down, dryer.advantech_warm_price, dryer.advantech_hot_price,
                  dryer.advantech_time_step, dryer.coin1_pulse_min, dryer.coin1_pulse_max,
                  dryer.coin2_pulse_min, dryer.coin2_pulse_max, dryer.hot_temp_reduction}),
              (std::array<int, 12>{125, 35, 7, 5, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(dryer.option_flags, 0x2A);
    EXPECT_EQ((std::array{dryer.washer, dryer.dryer}), (std::array<uint8_t, 2>{0, 1}));

    v.disableTopoff = true;
    page.writeRecord({}, dryer);
    EXPECT_EQ(dryer.topoff_price_alt, 0);
    EXPECT_EQ(dryer.topoff_time_alt, 0);
}
