#include "card/card_images.h"
#include "report/formatters.h"
#include "report/report_fixture.h"
#include "services/prompt.h"
#include "services/readerio.h"
#include "setup/mdc_layout.h"
#include "setup/setup_record.h"

#include <cstring>

namespace {

const QString kDays = QString(24, QLatin1Char(' '));

class MdcReport : public ReportFixture {
protected:
    static STRUCT_laundry_setup mdcRecord(uint8_t machineType)
    {
        STRUCT_laundry_setup r;
        std::memset(&r, 0, sizeof r);
        setup::clearSetupRecord(r);
        r.card_type_code = 0xC1;
        r.word_02 = 0x0321;
        std::memcpy(r.text_field_10, "LAUNDRY-01", 10);
        setup::copyTextField(r.text_field_1a, 10, "DRYER-7");
        r.machine_type = machineType;
        return r;
    }

    // Writes the record with our own MDC writer onto a card in the reader,
    // left powered as the host leaves it before the report.
    void writeCard(const STRUCT_laundry_setup& record)
    {
        insertCard(initialised(0, 0));
        card::RexaCard image;
        ASSERT_TRUE(image.Init());
        ASSERT_EQ(setup::writeMdcLayout(image, record), 0);
        ASSERT_TRUE(readerio::PowerCard(readerio::POWER_ON));
    }

    // What the report appends to the host's text.
    QString appended() { return appendedBy(&report::describeMdc); }
    void expectReadErrorOnly()
    {
        ReportFixture::expectReadErrorOnly(&report::describeMdc, "Error reading setup from card");
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
    const uint16_t prices[8] = {111, 122, 133, 1205, 155, 166, 177, 188};
    std::memcpy(r.mdc_prices, prices, sizeof prices);
    r.spec_begin_hour = 23;
    r.spec_begin_minute = 45;
    r.spec_end_hour = 7;
    r.spec_end_minute = 9;
    r.mdc_days = 0xFE;
    writeCard(r);

    const QString expected = QStringLiteral("Max Card Value: $300.00\r\n\r\n"
                                            "Machine Location: LAUNDRY-01\r\n"
                                            "MachineID: DRYER-7\r\n"
                                            "Machine Type: Dryer\r\n"
                                            "\r\n"
                                            "Cycle Time: 1 minute \r\n"
                                            "Cool Down Time: 2 minutes \r\n"
                                            "Top-off: ON\r\n"
                                            "Top-off Price: $0.25\r\n"
                                            "Top-off Time: 10 minutes \r\n"
                                            "\r\n"
                                            "High: No Heat \r\n"
                                            "Medium: 160 deg. F \r\n"
                                            "Low: 150 deg. F \r\n"
                                            "Delicates: 130 deg. F \r\n"
                                            "\r\n"
                                            "Cycle Based Pricing: ON\r\n"
                                            "Regular High Temp: $1.33\r\n"
                                            "Regular Medium Temp: $1.11\r\n"
                                            "Regular Low Temp: $12.05\r\n"
                                            "Regular Delicates: $1.22\r\n"
                                            "\r\n"
                                            "Special Pricing: ON\r\n"
                                            "Special High Temp: $1.77\r\n"
                                            "Special Medium Temp: $1.55\r\n"
                                            "Special Low Temp: $1.88\r\n"
                                            "Special Delicates: $1.66\r\n"
                                            "Special Start Time: 23:45 \r\n"
                                            "Special End Time: 07:09 \r\n"
                                            "Special Active Days: \r\n") +
                             kDays + "Sunday \r\n" + kDays + "Monday \r\n" + kDays +
                             "Tuesday \r\n" + kDays + "Wednesday \r\n" + kDays + "Thursday \r\n" +
                             kDays + "Friday \r\n" + kDays + "Saturday \r\n" +
                             "\r\n"
                             "Check Location: ON \r\n"
                             "Clear Counters: ON \r\n"
                             "User Transactions: ON \r\n"
                             "Audio: ON \r\n"
                             "Audio Tone Length: 1.50 seconds \r\n"
                             "\r\n";
    EXPECT_EQ(appended(), expected);
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
    const uint16_t prices[8] = {250, 1, 2, 3, 4, 5, 6, 7};
    std::memcpy(r.mdc_prices, prices, sizeof prices);
    writeCard(r);

    EXPECT_EQ(appended(), "Machine Location: LAUNDRY-01\r\n"
                          "MachineID: DRYER-7\r\n"
                          "Machine Type: Dryer\r\n"
                          "\r\n"
                          "Cycle Time: 0 minutes \r\n"
                          "Cool Down Time: 1 minute \r\n"
                          "Top-off: OFF\r\n"
                          "\r\n"
                          "High: 71 deg. C \r\n"
                          "Medium: No Heat \r\n"
                          "Low: 65 deg. C \r\n"
                          "Delicates: -12 deg. C \r\n"
                          "\r\n"
                          "Cycle Based Pricing: OFF\r\n"
                          "Regular Low Temp: $2.50\r\n"
                          "\r\n"
                          "Special Pricing: OFF\r\n"
                          "Special Active Time:  All Day \r\n"
                          "Special Active Days: \r\n"
                          "\r\n"
                          "Check Location: OFF \r\n"
                          "Clear Counters: OFF \r\n"
                          "User Transactions: OFF \r\n"
                          "Audio: OFF \r\n"
                          "\r\n");
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
    const uint16_t prices[8] = {300, 1, 2, 3, 275, 5, 6, 7};
    std::memcpy(r.mdc_prices, prices, sizeof prices);
    r.spec_end_hour = 6;
    r.spec_end_minute = 30;
    r.mdc_days = 0x82;
    writeCard(r);

    const QString expected = QStringLiteral("Machine Location: LAUNDRY-01\r\n"
                                            "MachineID: DRYER-7\r\n"
                                            "Machine Type: Tumbler\r\n"
                                            "\r\n"
                                            "Cycle Time: 45 minutes \r\n"
                                            "Cool Down Time: 5 minutes \r\n"
                                            "Top-off: ON\r\n"
                                            "Top-off Price: $1.00\r\n"
                                            "Top-off Time: 1 minute \r\n"
                                            "\r\n"
                                            "High: No Heat \r\n"
                                            "Medium: 190 deg. F \r\n"
                                            "Low: 185 deg. F \r\n"
                                            "Delicates: 125 deg. F \r\n"
                                            "\r\n"
                                            "Cycle Based Pricing: OFF\r\n"
                                            "Regular Low Temp: $3.00\r\n"
                                            "\r\n"
                                            "Special Pricing: ON\r\n"
                                            "Special Low Temp: $2.75\r\n"
                                            "Special Start Time: 00:00 \r\n"
                                            "Special End Time: 06:30 \r\n"
                                            "Special Active Days: \r\n") +
                             kDays + "Sunday \r\n" + kDays + "Saturday \r\n" +
                             "\r\n"
                             "Check Location: ON \r\n"
                             "Clear Counters: OFF \r\n"
                             "User Transactions: OFF \r\n"
                             "Audio: OFF \r\n"
                             "\r\n";
    EXPECT_EQ(appended(), expected);
}

struct TopLoadCase {
    uint8_t cycle;
    const char* name;
    bool waterSaver;
};

class MdcTopLoadReport : public MdcReport, public ::testing::WithParamInterface<TopLoadCase> {};

TEST_P(MdcTopLoadReport, CycleWaterSaverAndWasherPrices)
{
    STRUCT_laundry_setup r = mdcRecord(1);
    r.option_flags = 0x48;
    r.mdc_options = GetParam().waterSaver ? 0x18 : 0x08; // audio
    r.audio_time = 0;
    r.mdc_pricing_flags = 0x02; // cycle pricing
    r.mdc_cycle_or_heat = GetParam().cycle;
    r.temp_high = 13; // never shown for a washer
    const uint16_t prices[8] = {200, 210, 220, 230, 100, 110, 120, 130};
    std::memcpy(r.mdc_prices, prices, sizeof prices);
    r.spec_begin_hour = 12;
    writeCard(r);

    const QString expected =
        QStringLiteral("Machine Location: LAUNDRY-01\r\n"
                       "MachineID: DRYER-7\r\n"
                       "Machine Type: Top-Load Washer\r\n"
                       "\r\n") +
        QString::asprintf("Cycle: %s \r\n", GetParam().name) +
        (GetParam().waterSaver ? "Water Saver: ON \r\n" : "Water Saver: OFF \r\n") +
        "\r\n"
        "Cycle Based Pricing: ON\r\n"
        "Regular Normal Hot: $2.20\r\n"
        "Regular Normal Warm: $2.00\r\n"
        "Regular Perm Press Warm: $2.30\r\n"
        "Regular Delicates Cold: $2.10\r\n"
        "\r\n"
        "Special Pricing: OFF\r\n"
        "Special Start Time: 12:00 \r\n"
        "Special End Time: 00:00 \r\n"
        "Special Active Days: \r\n"
        "\r\n"
        "Check Location: OFF \r\n"
        "Clear Counters: ON \r\n"
        "User Transactions: ON \r\n"
        "Audio: ON \r\n"
        "Audio Tone Length: 0.00 seconds \r\n"
        "\r\n";
    EXPECT_EQ(appended(), expected);
}

INSTANTIATE_TEST_SUITE_P(Cycles, MdcTopLoadReport,
                         ::testing::Values(TopLoadCase{0, "Short Cycle", true},
                                           TopLoadCase{1, "Long Cycle", false},
                                           TopLoadCase{2, "Invalid", true}));

struct FrontLoadCase {
    uint8_t cycle;
    const char* name;
};

class MdcFrontLoadReport : public MdcReport, public ::testing::WithParamInterface<FrontLoadCase> {};

// Bit 4 of the options is no water saver here, and bit 0 of the days byte
// is no day.
TEST_P(MdcFrontLoadReport, CycleAndSingleWasherPrices)
{
    STRUCT_laundry_setup r = mdcRecord(2);
    r.mdc_options = 0x10;
    r.mdc_pricing_flags = 0x04; // special pricing
    r.mdc_cycle_or_heat = GetParam().cycle;
    const uint16_t prices[8] = {325, 1, 2, 3, 7, 5, 6, 7};
    std::memcpy(r.mdc_prices, prices, sizeof prices);
    r.mdc_days = 0x7F;
    writeCard(r);

    const QString expected = QStringLiteral("Machine Location: LAUNDRY-01\r\n"
                                            "MachineID: DRYER-7\r\n"
                                            "Machine Type: Front-Load Washer\r\n"
                                            "\r\n") +
                             QString::asprintf("Cycle: %s \r\n", GetParam().name) +
                             "\r\n"
                             "Cycle Based Pricing: OFF\r\n"
                             "Regular Perm Press Warm: $3.25\r\n"
                             "\r\n"
                             "Special Pricing: ON\r\n"
                             "Special Perm Press Warm: $0.07\r\n"
                             "Special Active Time:  All Day \r\n"
                             "Special Active Days: \r\n" +
                             kDays + "Sunday \r\n" + kDays + "Monday \r\n" + kDays +
                             "Tuesday \r\n" + kDays + "Wednesday \r\n" + kDays + "Thursday \r\n" +
                             kDays + "Friday \r\n" +
                             "\r\n"
                             "Check Location: OFF \r\n"
                             "Clear Counters: OFF \r\n"
                             "User Transactions: OFF \r\n"
                             "Audio: OFF \r\n"
                             "\r\n";
    EXPECT_EQ(appended(), expected);
}

INSTANTIATE_TEST_SUITE_P(Cycles, MdcFrontLoadReport,
                         ::testing::Values(FrontLoadCase{3, "Wash & 2 Rinses"},
                                           FrontLoadCase{4, "Wash & 3 Rinses"},
                                           FrontLoadCase{5, "Pre-Wash, Wash & 3 Rinses"},
                                           FrontLoadCase{0, "Invalid"},
                                           FrontLoadCase{6, "Invalid"}));

// An extractor (4) has no name, no settings and no prices, but keeps the
// section headings, times and days.
TEST_F(MdcReport, OtherMachineTypeShowsNoSettingsOrPrices)
{
    STRUCT_laundry_setup r = mdcRecord(4);
    r.max_card_value = 1;
    r.mdc_pricing_flags = 0x07;
    r.mdc_cycle_or_heat = 1;
    const uint16_t prices[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    std::memcpy(r.mdc_prices, prices, sizeof prices);
    r.mdc_days = 0x08;
    writeCard(r);

    const QString expected = QStringLiteral("Max Card Value: $1.00\r\n\r\n"
                                            "Machine Location: LAUNDRY-01\r\n"
                                            "MachineID: DRYER-7\r\n"
                                            "Machine Type: \r\n"
                                            "\r\n"
                                            "Cycle Based Pricing: ON\r\n"
                                            "\r\n"
                                            "Special Pricing: ON\r\n"
                                            "Special Active Time:  All Day \r\n"
                                            "Special Active Days: \r\n") +
                             kDays + "Tuesday \r\n" +
                             "\r\n"
                             "Check Location: OFF \r\n"
                             "Clear Counters: OFF \r\n"
                             "User Transactions: OFF \r\n"
                             "Audio: OFF \r\n"
                             "\r\n";
    EXPECT_EQ(appended(), expected);
}

TEST_F(MdcReport, CardOfAnotherTypeIsAReadError)
{
    insertCard(initialised(0xC8, 0x0321));
    ASSERT_TRUE(readerio::PowerCard(readerio::POWER_ON));
    expectReadErrorOnly();
}

TEST_F(MdcReport, UnpoweredCardIsAReadError)
{
    writeCard(mdcRecord(9));
    ASSERT_TRUE(readerio::PowerCard(readerio::POWER_OFF));
    expectReadErrorOnly();
}

} // namespace
