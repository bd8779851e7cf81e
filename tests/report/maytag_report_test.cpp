#include "report/report_fixture.h"

#include <tuple>

namespace {

class MaytagReport : public ReportFixture {
protected:
    static STRUCT_laundry_setup maytagRecord(uint16_t cardTypeCode)
    {
        STRUCT_laundry_setup r = testfiles::setupRecord(cardTypeCode, 0, 0x0456);
        r.machine_type = 14;
        std::memcpy(r.text_field_10, "MAYTAG-LOC", 10);
        setup::copyTextField(r.text_field_1a, 10, "MAR-3");
        std::memcpy(r.machine_serial, "SN12345678", 11);
        return r;
    }
};

TEST_F(MaytagReport, MarlinWithSpecialPricingAndEveryFlag)
{
    STRUCT_laundry_setup r = maytagRecord(0xC7);
    r.coin1_value = 5; // a quarter
    const uint16_t prices[8] = {6, 5, 8, 1, 2, 3, 1, 2};
    std::memcpy(r.maytag_prices, prices, sizeof prices);
    const uint16_t specials[3] = {4, 3, 6};
    std::memcpy(r.maytag_spec_prices, specials, sizeof specials);
    r.penny_increment = 3;
    r.setup_byte_1 = 0x0E; // Powerwash: warm, extra rinse, heavy soil
    r.setup_byte_2 = 0x01; // Delicates: cool
    r.feature_flags = 0x01;
    r.spec_days = 0x41;
    r.spec_price_begin = 8;
    r.spec_price_end = 20;
    r.option_flags = 0xCA;
    r.enable_tokens = 1;
    r.max_card_value = 300;
    writeCard(r);

    EXPECT_EQ(appended(0xC7), "Machine Location: MAYTAG-LOC\r\n"
                              "MachineID: MAR-3\r\n\r\nSerial #: SN12345678\r\n\r\n"
                              "Value of Coin1: $0.25\r\n\r\nNormal regular price: $1.50\r\n"
                              "Delicates regular price: $1.25\r\nPowerwash regular price: $2.00\r\n"
                              "Cool temp upgrade price: $0.25\r\nWarm temp upgrade price: $0.50\r\n"
                              "Hot temp upgrade price: $0.75\r\n"
                              "Extra rinse upgrade price: $0.25\r\n"
                              "Soil level upgrade price: $0.50\r\nPenny increment offset: $0.03\r\n"
                              "\r\nNormal Cycle Options: Cold\r\n"
                              "Powerwash Cycle Options: Warm, Extra Rinse, Heavy Soil\r\n"
                              "Delicates Cycle Options: Cool\r\n"
                              "\r\n\r\nSpecial Pricing Enabled:\r\nNormal special price: $1.00\r\n"
                              "Delicates special price: $0.75\r\nPowerwash special price: $1.50\r\n"
                              "Special price days: S.....S\r\nBegin hour = 8, end hour = 20\r\n\r\n"
                              "Location checking On\r\nLocation clustering On\r\n"
                              "Clear counters On\r\nUser Tx On\r\nToken vends enabled\r\n"
                              "Max value on card = $300.00\r\n");
}

// A Quicksilver card keeps the normal cycle options in their own byte. The
// largest coin makes the money line wrap at 16 bits; only bit 0 of the
// feature flags turns special pricing on.
TEST_F(MaytagReport, QuicksilverWithSpecialPricingDisabledAndNoFlags)
{
    STRUCT_laundry_setup r = maytagRecord(0xC9);
    r.coin1_value = 0xFF; // $12.75
    const uint16_t prices[8] = {200, 0, 1, 0, 0, 0, 0, 4};
    std::memcpy(r.maytag_prices, prices, sizeof prices);
    r.setup_byte_1 = 0x04; // Powerwash: cold, heavy soil
    r.setup_byte_2 = 0x93; // Normal: hot; Delicates: cool, extra rinse
    r.feature_flags = 0x02;
    r.spec_days = 0x7F;
    r.spec_price_begin = 1;
    writeCard(r);

    const QString text = appended(0xC9);
    EXPECT_TRUE(
        text.contains("Value of Coin1: $12.75\r\n\r\nNormal regular price: $583.92\r\n"
                      "Delicates regular price: $0.00\r\nPowerwash regular price: $12.75\r\n"))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith("Soil level upgrade price: $51.00\r\n"
                              "Penny increment offset: $0.00\r\n\r\nNormal Cycle Options: Hot\r\n"
                              "Powerwash Cycle Options: Cold, Heavy Soil\r\n"
                              "Delicates Cycle Options: Cool, Extra Rinse\r\n"
                              "\r\nSpecial Pricing Disabled:\r\n\r\n\r\n"
                              "Max value on card = $0.00\r\n"));
}

// A full stop for each special day left out, bit 7 is no day; each option
// flag prints its own line, and the max value is high byte first.
TEST_F(MaytagReport, SpecialDaysAndOptionFlags)
{
    const std::tuple<uint8_t, const char*, uint8_t, const char*> cases[] = {
        {0x7F, "SMTWTFS", 0x02, "Location checking On\r\n"},
        {0x2A, ".M.W.F.", 0x80, "Location clustering On\r\n"},
        {0x80, ".......", 0x08, "Clear counters On\r\n"},
        {0x00, ".......", 0x40, "User Tx On\r\n"}};
    for (const auto& [days, shown, flags, line] : cases) {
        STRUCT_laundry_setup r = maytagRecord(0xC7);
        r.feature_flags = 0x01;
        r.spec_days = days;
        r.option_flags = flags;
        r.max_card_value = 0x0102;
        writeCard(r);
        const QString text = appended(0xC7);
        EXPECT_TRUE(text.contains(QStringLiteral("\r\nSpecial price days: %1\r\n").arg(shown)))
            << shown;
        EXPECT_TRUE(
            text.endsWith(QStringLiteral("\r\n\r\n") + line + "Max value on card = $258.00\r\n"))
            << line;
    }
}

} // namespace
