#include "report/report_fixture.h"
#include "setup/layout_bytes.h"

#include <algorithm>
#include <initializer_list>
#include <tuple>

namespace {

using layouttest::put;

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
    // `settings` are the bytes from the cycle byte on: cycle, cool time, the
    // temperatures high, medium, low, delicate, audio time, options, days,
    // special begin hour and minute, end hour and minute, pricing flags.
    static STRUCT_laundry_setup mdcRecord(uint8_t machineType, const char* settings,
                                          std::initializer_list<uint16_t> prices)
    {
        STRUCT_laundry_setup r = testfiles::setupRecord(0xC1, 0, 0x0321);
        std::memcpy(r.text_field_10, "LAUNDRY-01", 10);
        setup::copyTextField(r.text_field_1a, 10, "DRYER-7");
        r.machine_type = machineType;
        put(r.mdc_cycle_or_heat, settings);
        std::copy(prices.begin(), prices.end(), r.mdc_prices);
        return r;
    }

    QString describe(const STRUCT_laundry_setup& record)
    {
        writeCard(record);
        return appended(0xC1);
    }
};

TEST_F(MdcReport, DryerWithEverythingOn)
{
    // Audio, degrees F, every day, 23:45 to 07:09, top-off, cycle and special
    // pricing.
    STRUCT_laundry_setup r = mdcRecord(9, "01 02 0d000206 06 08 fe 17 2d 07 09 07",
                                       {111, 122, 133, 1205, 155, 166, 177, 188});
    r.max_card_value = 300;
    r.option_flags = 0x4A;
    r.topoff_time_alt = 10;
    r.topoff_price_alt = 25;

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
    STRUCT_laundry_setup r =
        mdcRecord(9, "00 01 000d021e 08 10 00 00 00 00 00 00", {250, 1, 2, 3, 4, 5, 6, 7});
    r.topoff_price_alt = 99;
    r.topoff_time_alt = 4;

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
// there. A special price without cycle pricing is the single one at 54. Bit
// 0 of the days byte is no day.
TEST_F(MdcReport, TumblerWithSinglePricesAndSomeDays)
{
    const QString text = describe(
        mdcRecord(8, "2d 05 1300010d 00 00 83 00 00 06 1e 05", {300, 1, 2, 3, 275, 5, 6, 7}));
    EXPECT_TRUE(text.contains("Machine Type: Tumbler\r\n\r\nCycle Time: 45 minutes \r\n"
                              "Cool Down Time: 5 minutes \r\nTop-off: ON\r\n"));
    EXPECT_TRUE(text.contains("High: No Heat \r\nMedium: 190 deg. F \r\nLow: 185 deg. F \r\n"
                              "Delicates: 125 deg. F \r\n\r\nCycle Based Pricing: OFF\r\n"
                              "Regular Low Temp: $3.00\r\n\r\nSpecial Pricing: ON\r\n"
                              "Special Low Temp: $2.75\r\nSpecial Start Time: 00:00 \r\n"
                              "Special End Time: 06:30 \r\nSpecial Active Days: \r\n" +
                              days({"Sunday", "Saturday"})))
        << text.toStdString();
}

// A washer's cycle prices, in the order of its own names; a temperature is
// never shown for a washer.
TEST_F(MdcReport, TopLoadWasherWithCyclePricing)
{
    const QString text = describe(mdcRecord(1, "00 00 0d000000 00 18 00 0c 00 00 00 02",
                                            {200, 210, 220, 230, 100, 110, 120, 130}));
    EXPECT_TRUE(text.contains("Machine Type: Top-Load Washer\r\n\r\n"
                              "Cycle: Short Cycle \r\nWater Saver: ON \r\n\r\n"
                              "Cycle Based Pricing: ON\r\nRegular Normal Hot: $2.20\r\n"
                              "Regular Normal Warm: $2.00\r\nRegular Perm Press Warm: $2.30\r\n"
                              "Regular Delicates Cold: $2.10\r\n\r\nSpecial Pricing: OFF\r\n"
                              "Special Start Time: 12:00 \r\nSpecial End Time: 00:00 \r\n"))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith("Audio: ON \r\nAudio Tone Length: 0.00 seconds \r\n\r\n"));
}

TEST_F(MdcReport, WasherCycleNamesAndWaterSaver)
{
    const std::tuple<const char*, uint8_t, const char*> cases[] = {
        {"01 00 00000000 00 08", 1, "Cycle: Long Cycle \r\nWater Saver: OFF \r\n\r\n"},
        {"05 00 00000000 00 10", 2, "Cycle: Pre-Wash, Wash & 3 Rinses \r\n\r\n"}};
    for (const auto& [settings, machineType, lines] : cases)
        EXPECT_TRUE(describe(mdcRecord(machineType, settings, {}))
                        .contains(QStringLiteral("Washer\r\n\r\n") + lines +
                                  "Cycle Based Pricing: OFF\r\n"))
            << lines;
}

} // namespace
