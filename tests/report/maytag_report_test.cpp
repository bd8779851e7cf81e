#include "card/card_images.h"
#include "report/formatters.h"
#include "report/report_fixture.h"
#include "services/prompt.h"
#include "services/readerio.h"
#include "setup/maytag_layout.h"
#include "setup/setup_record.h"

#include <cstring>

namespace {

class MaytagReport : public ReportFixture {
protected:
    static STRUCT_laundry_setup maytagRecord(uint16_t cardTypeCode)
    {
        STRUCT_laundry_setup r;
        std::memset(&r, 0, sizeof r);
        setup::clearSetupRecord(r);
        r.card_type_code = cardTypeCode;
        r.word_02 = 0x0456;
        r.machine_type = 14;
        std::memcpy(r.text_field_10, "MAYTAG-LOC", 10);
        setup::copyTextField(r.text_field_1a, 10, "MAR-3");
        std::memcpy(r.machine_serial, "SN12345678", 11);
        return r;
    }

    // Writes the record with our own Marlin or Quicksilver writer onto a card
    // in the reader, left powered as the host leaves it before the report.
    void writeCard(const STRUCT_laundry_setup& record, setup::MaytagModel model)
    {
        insertCard(initialised(0, 0));
        card::RexaCard image;
        ASSERT_TRUE(image.Init());
        const uint8_t status = model == setup::MaytagModel::Marlin
                                   ? setup::writeMarlinLayout(image, record)
                                   : setup::writeQuicksilverLayout(image, record);
        ASSERT_EQ(status, 0);
        ASSERT_TRUE(readerio::PowerCard(readerio::POWER_ON));
    }

    QString appended() { return appendedBy(&report::describeMaytag); }
    void expectReadErrorOnly()
    {
        ReportFixture::expectReadErrorOnly(&report::describeMaytag, "Error reading data on card");
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
    writeCard(r, setup::MaytagModel::Marlin);

    EXPECT_EQ(appended(), "Machine Location: MAYTAG-LOC\r\n"
                          "MachineID: MAR-3\r\n\r\n"
                          "Serial #: SN12345678\r\n\r\n"
                          "Value of Coin1: $0.25\r\n"
                          "\r\n"
                          "Normal regular price: $1.50\r\n"
                          "Delicates regular price: $1.25\r\n"
                          "Powerwash regular price: $2.00\r\n"
                          "Cool temp upgrade price: $0.25\r\n"
                          "Warm temp upgrade price: $0.50\r\n"
                          "Hot temp upgrade price: $0.75\r\n"
                          "Extra rinse upgrade price: $0.25\r\n"
                          "Soil level upgrade price: $0.50\r\n"
                          "Penny increment offset: $0.03\r\n"
                          "\r\n"
                          "Normal Cycle Options: Cold\r\n"
                          "Powerwash Cycle Options: Warm, Extra Rinse, Heavy Soil\r\n"
                          "Delicates Cycle Options: Cool\r\n"
                          "\r\n\r\nSpecial Pricing Enabled:\r\n"
                          "Normal special price: $1.00\r\n"
                          "Delicates special price: $0.75\r\n"
                          "Powerwash special price: $1.50\r\n"
                          "Special price days: S.....S\r\n"
                          "Begin hour = 8, end hour = 20"
                          "\r\n\r\n"
                          "Location checking On\r\n"
                          "Location clustering On\r\n"
                          "Clear counters On\r\n"
                          "User Tx On\r\n"
                          "Token vends enabled\r\n"
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
    writeCard(r, setup::MaytagModel::Quicksilver);

    EXPECT_EQ(appended(), "Machine Location: MAYTAG-LOC\r\n"
                          "MachineID: MAR-3\r\n\r\n"
                          "Serial #: SN12345678\r\n\r\n"
                          "Value of Coin1: $12.75\r\n"
                          "\r\n"
                          "Normal regular price: $583.92\r\n"
                          "Delicates regular price: $0.00\r\n"
                          "Powerwash regular price: $12.75\r\n"
                          "Cool temp upgrade price: $0.00\r\n"
                          "Warm temp upgrade price: $0.00\r\n"
                          "Hot temp upgrade price: $0.00\r\n"
                          "Extra rinse upgrade price: $0.00\r\n"
                          "Soil level upgrade price: $51.00\r\n"
                          "Penny increment offset: $0.00\r\n"
                          "\r\n"
                          "Normal Cycle Options: Hot\r\n"
                          "Powerwash Cycle Options: Cold, Heavy Soil\r\n"
                          "Delicates Cycle Options: Cool, Extra Rinse\r\n"
                          "\r\nSpecial Pricing Disabled:\r\n"
                          "\r\n\r\n"
                          "Max value on card = $0.00\r\n");
}

struct DaysCase {
    uint8_t days;
    const char* shown;
};

class MaytagSpecialDays : public MaytagReport, public ::testing::WithParamInterface<DaysCase> {};

TEST_P(MaytagSpecialDays, FullStopForEachDayLeftOut)
{
    STRUCT_laundry_setup r = maytagRecord(0xC7);
    r.feature_flags = 0x01;
    r.spec_days = GetParam().days;
    writeCard(r, setup::MaytagModel::Marlin);

    EXPECT_TRUE(appended().contains(
        QStringLiteral("\r\nSpecial price days: %1\r\n").arg(QLatin1String(GetParam().shown))));
}

INSTANTIATE_TEST_SUITE_P(Days, MaytagSpecialDays,
                         ::testing::Values(DaysCase{0x41, "S.....S"}, DaysCase{0x7F, "SMTWTFS"},
                                           DaysCase{0x00, "......."}, DaysCase{0x2A, ".M.W.F."},
                                           DaysCase{0x80, "......."}));

struct FlagCase {
    uint8_t flags;
    const char* line;
};

class MaytagOptionFlag : public MaytagReport, public ::testing::WithParamInterface<FlagCase> {};

// Each option flag prints its own line; the max value is high byte first.
TEST_P(MaytagOptionFlag, PrintsItsOwnLine)
{
    STRUCT_laundry_setup r = maytagRecord(0xC7);
    r.option_flags = GetParam().flags;
    r.max_card_value = 0x0102;
    writeCard(r, setup::MaytagModel::Marlin);

    EXPECT_TRUE(appended().endsWith(QStringLiteral("\r\nSpecial Pricing Disabled:\r\n\r\n\r\n") +
                                    GetParam().line + "Max value on card = $258.00\r\n"));
}

INSTANTIATE_TEST_SUITE_P(Flags, MaytagOptionFlag,
                         ::testing::Values(FlagCase{0x02, "Location checking On\r\n"},
                                           FlagCase{0x80, "Location clustering On\r\n"},
                                           FlagCase{0x08, "Clear counters On\r\n"},
                                           FlagCase{0x40, "User Tx On\r\n"}, FlagCase{0x35, ""}));

TEST_F(MaytagReport, UnpoweredCardIsAReadError)
{
    writeCard(maytagRecord(0xC9), setup::MaytagModel::Quicksilver);
    ASSERT_TRUE(readerio::PowerCard(readerio::POWER_OFF));
    expectReadErrorOnly();
}

} // namespace
