// Data collection, cycle setup and price special cards described from their
// data areas.
#include "report/report_fixture.h"
#include "setup/tovan2000_layout.h"

#include <tuple>

namespace {

using DataAreaReport = ReportFixture;

// The used length at bytes 5-6 less the 8-byte head, in whole records of
// 37 bytes, or 185 on a complex card. Bytes 3-4 hold a different length, so
// reading the wrong pair shows. 0x2EB is 8 + 3 x 185 + 184.
TEST_F(DataAreaReport, RecordCountComesFromTheUsedLength)
{
    const std::tuple<uint8_t, uint8_t, uint8_t, int> cases[] = {{0xD2, 0x00, 8, 0},
                                                                {0xD2, 0x00, 82, 2},
                                                                {0xD2, 0x00, 81, 1},
                                                                {0xD2, 0x01, 0x2D, 7},
                                                                {0xD7, 0x02, 0xEB, 3}};
    for (const auto& [type, high, low, records] : cases) {
        insertPowered(type);
        putData(0, QByteArray::fromHex("0000007fff") + char(high) + char(low) + '\0');
        EXPECT_EQ(appended(type), QStringLiteral("Total Record Count: %1\r\n").arg(records));
    }
}

TEST_F(DataAreaReport, CycleSetupCardsWrittenForWasherAndDryer)
{
    insertPowered(0);
    STRUCT_laundry_setup record = testfiles::setupRecord(181, 0, 0x0412);
    record.scroll_speed = 3;
    record.washer = 1;
    ASSERT_EQ(setup::write_tovan2000_cycle_setup(record), 0);
    EXPECT_EQ(appended(181), "Cycle Program ID: 4\r\nTemperature: Cold\r\n");

    record.scroll_speed = 7;
    record.washer = 0;
    ASSERT_EQ(setup::write_tovan2000_cycle_setup(record), 0);
    EXPECT_EQ(appended(181), "Cycle Program ID: 8\r\nTemperature: Warm\r\n");
}

TEST_F(DataAreaReport, PriceSpecialCardShowsItsDefaults)
{
    insertPowered(0xB0);
    // Vend 0x0102 cents, top-off 0x0032 cents, top-off time BCD 25, 3 entries.
    putData(0, QByteArray::fromHex("0000000000000000 0102 0032 25 03"));
    EXPECT_EQ(appended(0xB0), "Default Vend: $2.58\r\n"
                              "Default Topoff: $0.50\r\n"
                              "Topoff Time: 25 (mins)\r\n"
                              "Number of Specials: 3\r\n");
}

} // namespace
