#include "services/cardlayout.h"
#include "services/keyring.h"
#include "services/readerio.h"
#include "setup/layout_bytes.h"
#include "setup/tovan2000_layout.h"
#include "support/card_fixture.h"
#include "support/recording_card_image.h"

#include <tuple>

namespace {

using namespace layouttest;
using card::FaultKind;

STRUCT_laundry_setup tovanRecord()
{
    STRUCT_laundry_setup r = clearedRecord(0xB4);
    r.vend_price = 150;
    r.word_04 = 0;
    r.option_flags = 0x22;
    r.dryer_run_time = 45;
    r.heat_time = 40;
    r.topoff_time = 12;
    r.topoff_price = 50;
    std::memcpy(r.text_field_10, "LOCATION01TOVAN-0002", 20);
    return r;
}

// Run time less heat time is taken as a 16-bit value before each byte goes
// to BCD.
TEST(Tovan2000Layout, CoolTimeWrapsAsSixteenBits)
{
    const std::tuple<uint16_t, uint16_t, const char*> cases[] = {{0x0010, 0xA000, "9616"},
                                                                 {1, 2, "0000"}}; // 0x6010, 0xFFFF
    for (const auto& [runTime, heatTime, bcd] : cases) {
        STRUCT_laundry_setup record = tovanRecord();
        record.dryer_run_time = runTime;
        record.heat_time = heatTime;
        EXPECT_EQ(bytesOf(setup::makeTovan2000Record(record)).mid(13, 2).toHex(), bcd);
    }
}

// Both writers go through the layout library to the card in the reader.
class Tovan2000Card : public CardFixture {
protected:
    void insertPowered(uint8_t type, uint16_t custId)
    {
        insertCard(initialised(type, custId));
        ASSERT_TRUE(readerio::PowerCard(readerio::POWER_ON));
    }
    static QByteArray header()
    {
        return QByteArray(reinterpret_cast<const char*>(card::insertedCard()->header.data()), 4);
    }
    static QByteArray dataArea() { return setupFile(*card::insertedCard()); }
};

TEST_F(Tovan2000Card, WriterOfCode180WritesTheCardInTheReader)
{
    insertPowered(0, 0);
    RecordingCardImage unused;
    ASSERT_EQ(setup::writeTovan2000Layout(unused, tovanRecord()), 0);
    EXPECT_TRUE(unused.calls.isEmpty());
    EXPECT_EQ(header().toHex(), "b4123401");
    const QByteArray expected = zeros(8) + hex("0096 1234 0000 22") + zeros(17) +
                                hex("004500050012 0032") + "LOCATION01TOVAN-0002";
    EXPECT_EQ(dataArea().toHex(), expected.toHex());
}

// The card is erased first: nothing is left of the old data at 400.
TEST_F(Tovan2000Card, CycleSetupWritesHeaderAndProgramDataOnAnErasedCard)
{
    const auto data = [](const char* times, const char* tail) {
        return zeros(8) + hex(times) + hex(tail) + zeros(84);
    };
    const std::tuple<uint8_t, uint8_t, QByteArray> cases[] = {
        {0, 1,
         data("063007000000020001300130063000300000013001300000000000070623", "04000102ff01")},
        {4, 0,
         data("063010000000020002000200063000300000013002000000000000070623", "0c000102ff05")}};
    for (const auto& [program, washer, expected] : cases) {
        SCOPED_TRACE(int(program));
        insertPowered(0xB8, 0x0999);
        HEADER_DATA_AREA old{4, 400, {0x77, 0x77, 0x77, 0x77}};
        ASSERT_EQ(cardlayout::NIMBOSetDataArea(&old), 0);

        STRUCT_laundry_setup record = tovanRecord();
        record.card_type_code = 0xB5;
        record.word_02 = 0x2468;
        record.scroll_speed = program;
        record.washer = washer;
        RecordingCardImage unused;
        ASSERT_EQ(setup::writeTovan2000CycleLayout(unused, record), 0);
        EXPECT_TRUE(unused.calls.isEmpty());
        EXPECT_EQ(header().toHex(), "b5246800");
        EXPECT_EQ(dataArea().toHex(), expected.toHex());
    }
}

// A program above 7 or a chip without table entry leaves the card untouched.
TEST_F(Tovan2000Card, CycleSetupRefusalsLeaveTheCardAsItWas)
{
    insertPowered(0xB8, 0x0999);
    const card::CardState before = *card::insertedCard();
    STRUCT_laundry_setup record = tovanRecord();
    record.scroll_speed = 8;
    EXPECT_EQ(setup::write_tovan2000_cycle_setup(record), setup::kStatusNoCycleProgram);

    keyring::ChipID = 4;
    EXPECT_EQ(setup::write_tovan2000_cycle_setup(tovanRecord()), setup::kStatusNoChipEntry);
    EXPECT_EQ(*card::insertedCard(), before);
}

// The first failed card call's status comes back.
TEST_F(Tovan2000Card, CycleSetupReturnsTheFirstFailedStatus)
{
    for (const FaultKind kind : {FaultKind::NIMBOCreateCard, FaultKind::NIMBOSetDataArea}) {
        insertPowered(0xB8, 0x0999);
        card::faults::reset();
        card::faults::inject(kind, 1, 0x5A);
        EXPECT_EQ(setup::write_tovan2000_cycle_setup(tovanRecord()), 0x5A) << int(kind);
    }
}

} // namespace
