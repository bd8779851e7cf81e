#include "report/report_fixture.h"

#include <algorithm>
#include <initializer_list>

namespace {

// The "Special Active Days" lines of the days given.
QString days(std::initializer_list<const char*> names)
{
    QString text;
    for (const char* name : names)
        text += QString(24, QLatin1Char(' ')) + name + " \r\n";
    return text;
}

class MdcReport : public ReportFixture {
protected:
    static STRUCT_laundry_setup mdcRecord(uint8_t machineType)
    {
        STRUCT_laundry_setup r = setupRecord(0xC1, 0x0321);
        std::memcpy(r.text_field_10, "LAUNDRY-01", 10);
        setup::copyTextField(r.text_field_1a, 10, "DRYER-7");
        r.machine_type = machineType;
        return r;
    }

    static void setPrices(STRUCT_laundry_setup& r, std::initializer_list<uint16_t> prices)
    {
        std::copy(prices.begin(), prices.end(), r.mdc_prices);
    }

    QString describe(const STRUCT_laundry_setup& record)
    {
        writeCard(record);
        return appended(0xC1);
    }
};

TEST_F(MdcReport, DryerWithEverythingOn)
{
    STRUCT_laundry_setup r = mdcRecord(9);
    r.max_card_value = 300;
    r.option_flags = 0x4A;
    r.audio_time = 6;
    r.mdc_options = 0x08;       // audio, degrees F
    r.mdc_pricing_flags = 0x07; // top-off, cycle pricing, special pricing
    r.mdc_cycle_or_heat = 1;
    r.mdc_cool_time = 2;
    r.topoff_time_alt = 10;
    r.topoff_price_alt = 25;
    r.temp_high = 13;
    r.temp_med = 0;
    r.temp_low = 2;
    r.temp_delicate = 6;
    setPrices(r, {111, 122, 133, 1205, 155, 166, 177, 188});
    r.spec_begin_hour = 23;
    r.spec_begin_minute = 45;
    r.spec_end_hour = 7;
    r.spec_end_minute = 9;
    r.mdc_days = 0xFE;

    EXPECT_EQ(describe(r), "Max Card Value: $300.00\r\n\r\n"
                           "Machine Location: LAUNDRY-01\r\nMachineID: DRYER-7\r\n"
                           "Machine Type: Dryer\r\n\r\nCycle Time: 1 minute \r\n"
                           "Cool Down Time: 2 minutes \r\nTop-off: ON\r\nTop-off Price: $0.25\r\n"
                           "Top-off Time: 10 minutes \r\n\r\nHigh: No Heat \r\n"
                           "Medium: 160 deg. F \r\nLow: 150 deg. F \r\n"
                           "Delicates: 130 deg. F \r\n\r\nCycle Based Pricing: ON\r\n"
                           "Regular High Temp: $1.33\r\nRegular Medium Temp: $1.11\r\n"
                           "Regular Low Temp: $12.05\r\nRegular Delicates: $1.22\r\n\r\n"
                           "Special Pricing: ON\r\nSpecial High Temp: $1.77\r\n"
                           "Special Medium Temp: $1.55\r\nSpecial Low Temp: $1.88\r\n"
                           "Special Delicates: $1.66\r\nSpecial Start Time: 23:45 \r\n"
                           "Special End Time: 07:09 \r\n"
                           "Special Active Days: \r\n" +
                               days({"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday",
                                     "Friday", "Saturday"}) +
                               "\r\nCheck Location: ON \r\nClear Counters: ON \r\n"
                               "User Transactions: ON \r\nAudio: ON \r\n"
                               "Audio Tone Length: 1.50 seconds \r\n\r\n");
}

// Celsius truncates toward zero, below freezing too; with everything off
// only the single regular price and the all-day line remain.
TEST_F(MdcReport, DryerInCelsiusWithEverythingOff)
{
    STRUCT_laundry_setup r = mdcRecord(9);
    r.mdc_options = 0x10; // degrees C, no audio
    r.audio_time = 8;
    r.mdc_cycle_or_heat = 0;
    r.mdc_cool_time = 1;
    r.topoff_price_alt = 99;
    r.topoff_time_alt = 4;
    r.temp_high = 0;
    r.temp_med = 13;
    r.temp_low = 2;
    r.temp_delicate = 30;
    setPrices(r, {250, 1, 2, 3, 4, 5, 6, 7});

    EXPECT_EQ(describe(r), "Machine Location: LAUNDRY-01\r\n"
                           "MachineID: DRYER-7\r\nMachine Type: Dryer\r\n\r\n"
                           "Cycle Time: 0 minutes \r\nCool Down Time: 1 minute \r\n"
                           "Top-off: OFF\r\n\r\nHigh: 71 deg. C \r\nMedium: No Heat \r\n"
                           "Low: 65 deg. C \r\nDelicates: -12 deg. C \r\n\r\n"
                           "Cycle Based Pricing: OFF\r\nRegular Low Temp: $2.50\r\n\r\n"
                           "Special Pricing: OFF\r\nSpecial Active Time:  All Day \r\n"
                           "Special Active Days: \r\n\r\nCheck Location: OFF \r\n"
                           "Clear Counters: OFF \r\nUser Transactions: OFF \r\n"
                           "Audio: OFF \r\n\r\n");
}

// A tumbler counts from 190 F with no heat at 19; 13 is an ordinary code
// there. A special price without cycle pricing is the single one at 54.
TEST_F(MdcReport, TumblerWithSinglePricesAndSomeDays)
{
    STRUCT_laundry_setup r = mdcRecord(8);
    r.option_flags = 0x02;
    r.mdc_pricing_flags = 0x05; // top-off, special pricing
    r.mdc_cycle_or_heat = 45;
    r.mdc_cool_time = 5;
    r.topoff_price_alt = 100;
    r.topoff_time_alt = 1;
    r.temp_high = 19;
    r.temp_med = 0;
    r.temp_low = 1;
    r.temp_delicate = 13;
    setPrices(r, {300, 1, 2, 3, 275, 5, 6, 7});
    r.spec_end_hour = 6;
    r.spec_end_minute = 30;
    r.mdc_days = 0x82;

    EXPECT_EQ(describe(r), "Machine Location: LAUNDRY-01\r\n"
                           "MachineID: DRYER-7\r\nMachine Type: Tumbler\r\n\r\n"
                           "Cycle Time: 45 minutes \r\nCool Down Time: 5 minutes \r\n"
                           "Top-off: ON\r\nTop-off Price: $1.00\r\nTop-off Time: 1 minute \r\n\r\n"
                           "High: No Heat \r\nMedium: 190 deg. F \r\nLow: 185 deg. F \r\n"
                           "Delicates: 125 deg. F \r\n\r\nCycle Based Pricing: OFF\r\n"
                           "Regular Low Temp: $3.00\r\n\r\nSpecial Pricing: ON\r\n"
                           "Special Low Temp: $2.75\r\nSpecial Start Time: 00:00 \r\n"
                           "Special End Time: 06:30 \r\n"
                           "Special Active Days: \r\n" +
                               days({"Sunday", "Saturday"}) +
                               "\r\nCheck Location: ON \r\nClear Counters: OFF \r\n"
                               "User Transactions: OFF \r\n"
                               "Audio: OFF \r\n\r\n");
}

TEST_F(MdcReport, TopLoadWasherWithCyclePricing)
{
    STRUCT_laundry_setup r = mdcRecord(1);
    r.option_flags = 0x48;
    r.mdc_options = 0x18; // audio, water saver
    r.audio_time = 0;
    r.mdc_pricing_flags = 0x02; // cycle pricing
    r.mdc_cycle_or_heat = 0;
    r.temp_high = 13; // never shown for a washer
    setPrices(r, {200, 210, 220, 230, 100, 110, 120, 130});
    r.spec_begin_hour = 12;

    EXPECT_EQ(describe(r), "Machine Location: LAUNDRY-01\r\n"
                           "MachineID: DRYER-7\r\nMachine Type: Top-Load Washer\r\n\r\n"
                           "Cycle: Short Cycle \r\nWater Saver: ON \r\n\r\n"
                           "Cycle Based Pricing: ON\r\nRegular Normal Hot: $2.20\r\n"
                           "Regular Normal Warm: $2.00\r\nRegular Perm Press Warm: $2.30\r\n"
                           "Regular Delicates Cold: $2.10\r\n\r\nSpecial Pricing: OFF\r\n"
                           "Special Start Time: 12:00 \r\nSpecial End Time: 00:00 \r\n"
                           "Special Active Days: \r\n\r\nCheck Location: OFF \r\n"
                           "Clear Counters: ON \r\nUser Transactions: ON \r\nAudio: ON \r\n"
                           "Audio Tone Length: 0.00 seconds \r\n\r\n");
}

// Bit 4 of the options is no water saver on a front-load washer, and bit 0
// of the days byte is no day.
TEST_F(MdcReport, FrontLoadWasherWithSingleWasherPrices)
{
    STRUCT_laundry_setup r = mdcRecord(2);
    r.mdc_options = 0x10;
    r.mdc_pricing_flags = 0x04; // special pricing
    r.mdc_cycle_or_heat = 3;
    setPrices(r, {325, 1, 2, 3, 7, 5, 6, 7});
    r.mdc_days = 0x7F;

    EXPECT_EQ(describe(r),
              "Machine Location: LAUNDRY-01\r\n"
              "MachineID: DRYER-7\r\nMachine Type: Front-Load Washer\r\n\r\n"
              "Cycle: Wash & 2 Rinses \r\n\r\nCycle Based Pricing: OFF\r\n"
              "Regular Perm Press Warm: $3.25\r\n\r\nSpecial Pricing: ON\r\n"
              "Special Perm Press Warm: $0.07\r\nSpecial Active Time:  All Day \r\n"
              "Special Active Days: \r\n" +
                  days({"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday"}) +
                  "\r\nCheck Location: OFF \r\nClear Counters: OFF \r\n"
                  "User Transactions: OFF \r\n"
                  "Audio: OFF \r\n\r\n");
}

TEST_F(MdcReport, WasherCycleNamesAndWaterSaver)
{
    const struct {
        uint8_t machineType, cycle, options;
        const char* lines;
    } cases[] = {
        {1, 1, 0x08, "Cycle: Long Cycle \r\nWater Saver: OFF \r\n\r\n"},
        {1, 2, 0x18, "Cycle: Invalid \r\nWater Saver: ON \r\n\r\n"},
        {2, 4, 0x10, "Cycle: Wash & 3 Rinses \r\n\r\n"},
        {2, 5, 0x10, "Cycle: Pre-Wash, Wash & 3 Rinses \r\n\r\n"},
        {2, 0, 0x10, "Cycle: Invalid \r\n\r\n"},
        {2, 6, 0x10, "Cycle: Invalid \r\n\r\n"},
    };
    for (const auto& c : cases) {
        STRUCT_laundry_setup r = mdcRecord(c.machineType);
        r.mdc_cycle_or_heat = c.cycle;
        r.mdc_options = c.options;
        EXPECT_TRUE(describe(r).contains(QStringLiteral("Washer\r\n\r\n") + c.lines +
                                         "Cycle Based Pricing: OFF\r\n"))
            << c.lines;
    }
}

// An extractor (4) has no name, no settings and no prices, but keeps the
// section headings, times and days.
TEST_F(MdcReport, OtherMachineTypeShowsNoSettingsOrPrices)
{
    STRUCT_laundry_setup r = mdcRecord(4);
    r.max_card_value = 1;
    r.mdc_pricing_flags = 0x07;
    r.mdc_cycle_or_heat = 1;
    setPrices(r, {1, 2, 3, 4, 5, 6, 7, 8});
    r.mdc_days = 0x08;

    EXPECT_EQ(describe(r), "Max Card Value: $1.00\r\n\r\n"
                           "Machine Location: LAUNDRY-01\r\nMachineID: DRYER-7\r\n"
                           "Machine Type: \r\n\r\nCycle Based Pricing: ON\r\n\r\n"
                           "Special Pricing: ON\r\nSpecial Active Time:  All Day \r\n"
                           "Special Active Days: \r\n" +
                               days({"Tuesday"}) +
                               "\r\nCheck Location: OFF \r\nClear Counters: OFF \r\n"
                               "User Transactions: OFF \r\n"
                               "Audio: OFF \r\n\r\n");
}

} // namespace
