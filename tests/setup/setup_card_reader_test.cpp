#include "card/card_images.h"
#include "setup/layout_bytes.h"
#include "setup/setup_card_reader.h"
#include "setup/setup_record.h"
#include "support/card_fixture.h"
#include "support/test_files.h"

#include <cstring>

namespace {

using card::FaultKind;
using layouttest::put;

constexpr uint16_t kCustomer = 0x0BEE;

class SetupCardReader : public CardFixture {
protected:
    static STRUCT_laundry_setup baseRecord(uint16_t cardTypeCode)
    {
        STRUCT_laundry_setup r = testfiles::setupRecord(cardTypeCode, 175, kCustomer);
        r.option_flags = 0x8A;
        std::memcpy(r.text_field_10, "LOCATION-1MACHINE-22", 20);
        return r;
    }

    // Writes the record onto a fresh card in the reader with our own writer.
    void writeCard(STRUCT_laundry_setup record)
    {
        insertCard(fresh());
        card::RexaCard image;
        ASSERT_EQ(create_laundry_setup_card(&image, kCustomer, &record, 0), 1);
        script().clear();
    }

    // What the reader makes of the card, into a record of 0xEE bytes so
    // untouched fields show; headerByte gets the card version.
    uint8_t read(STRUCT_laundry_setup& record, uint8_t* headerByte = nullptr)
    {
        std::memset(&record, 0xEE, sizeof record);
        return read_laundry_setup_card(&record, headerByte);
    }

    void expectSilentCancel()
    {
        EXPECT_TRUE(script().messages().empty());
        EXPECT_EQ(script().steps().last(), "Cancelled");
        EXPECT_FALSE(card::isPowered());
        script().clear();
    }
};

TEST_F(SetupCardReader, RetrofitCardReadsBackWithRawBcdTimes)
{
    STRUCT_laundry_setup written = baseRecord(0xB8);
    written.dryer_run_time = 45;
    written.heat_time = 30;
    written.topoff_time = 0x0102;
    written.topoff_price = 25;
    written.display_flags = 0x0015;
    setup::copyTextField(written.idle_message, 30, "WELCOME");
    setup::copyTextField(written.busy_message, 30, "IN USE");
    put(written.pulses, "04 06"); // pulses, scroll speed
    writeCard(written);

    STRUCT_laundry_setup r;
    uint8_t headerByte = 0;
    ASSERT_EQ(read(r, &headerByte), 1);
    EXPECT_EQ(headerByte, 2); // the Retrofit card version
    EXPECT_EQ(r.vend_price, 175);
    EXPECT_EQ(r.word_02, kCustomer);
    EXPECT_EQ(r.option_flags, 0x8A);
    EXPECT_EQ(r.dryer_run_time, 0x0045);
    EXPECT_EQ(r.heat_time, 0x0030);
    EXPECT_EQ(r.topoff_time, 0x0102);
    EXPECT_EQ(r.topoff_price, 2500);
    EXPECT_EQ(std::memcmp(r.text_field_10, "LOCATION-1MACHINE-22", 20), 0);
    EXPECT_EQ(r.display_flags, 0x0015);
    EXPECT_EQ(std::memcmp(r.idle_message, written.idle_message, 60), 0); // and busy_message
    EXPECT_EQ(r.pulses, 4);
    EXPECT_EQ(r.scroll_speed, 6);
    // Nothing else is touched.
    EXPECT_EQ(r.max_card_value, 0xEEEE);

    EXPECT_TRUE(script().messages().empty());
    EXPECT_FALSE(card::isPowered());
}

TEST_F(SetupCardReader, Gen2CardIsReadWithTheRetrofitOffsets)
{
    STRUCT_laundry_setup written = baseRecord(0xBB);
    written.washer = 1;
    written.wash = 12;
    written.rinse = 5;
    written.topoff_price_alt = 75;
    writeCard(written);

    STRUCT_laundry_setup r;
    uint8_t headerByte = 0xFF;
    ASSERT_EQ(read(r, &headerByte), 1);
    EXPECT_EQ(headerByte, 0);
    // Gen2 bytes 32-37: 0x00, BCD wash 0x12, 0, 0, 0, BCD rinse 0x05.
    EXPECT_EQ(r.dryer_run_time, 0x0012);
    EXPECT_EQ(r.topoff_time, 0x0005);
    EXPECT_EQ(r.topoff_price, 7500);
}

TEST_F(SetupCardReader, OtherCardsAndAnEmptyReaderAreRefusedSilently)
{
    STRUCT_laundry_setup r;
    EXPECT_EQ(read(r), 0);
    expectSilentCancel();
    for (const auto& options : {fresh(), initialised(185, kCustomer)}) {
        insertCard(options, QStringLiteral("c%1").arg(int(options.type.value_or(255))));
        EXPECT_EQ(read(r), 0);
        EXPECT_EQ(r.vend_price, 0xEEEE);
        expectSilentCancel();
    }
}

TEST_F(SetupCardReader, FailedReadCancelsAndKeepsEarlierFields)
{
    writeCard(baseRecord(0xB8));
    STRUCT_laundry_setup r;
    card::faults::inject(FaultKind::NIMBOReadDataArea, 2, 0x32);
    EXPECT_EQ(read(r), 0);
    EXPECT_EQ(r.vend_price, 175);        // first read stored
    EXPECT_EQ(r.dryer_run_time, 0xEEEE); // second read failed
    EXPECT_EQ(r.display_flags, 0xEEEE);
    expectSilentCancel();
}

} // namespace
