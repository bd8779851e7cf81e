#include "specials/special_card_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace specials;

std::vector<uint8_t> dataBytes(const HEADER_DATA_AREA& area, int length)
{
    return {area.data, area.data + length};
}

SpecialProfile happyHour()
{
    SpecialProfile profile;
    profile.name = QStringLiteral("Happy Hour");
    profile.vendPrice = Currency::fromCents(125);
    profile.topoffPrice = Currency::fromCents(50);
    profile.topoffTime = 10;
    return profile;
}

SpecialEntry mondayDaytime()
{
    SpecialEntry entry;
    entry.days = dayBit(1);
    entry.price = Currency::fromCents(75);
    entry.setStart(8, 0);
    entry.setStop(17, 30);
    return entry;
}

TEST(SpecialCardLayout, WorkedExampleGivesItsTwentyFiveBytes)
{
    HEADER_DATA_AREA area;
    const SpecialEntry entries[] = {mondayDaytime()};
    const int length = buildCardImage(area, Mode::PriceSpecial, 0x1234, happyHour(), entries);
    ASSERT_EQ(length, 25);
    const std::vector<uint8_t> expected = {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                                           0x7D, 0x00, 0x32, 0x10, 0x01, 0x04, 0x01, 0x01, 0x08,
                                           0x00, 0x12, 0x31, 0x17, 0x30, 0x00, 0x4B};
    EXPECT_EQ(dataBytes(area, length), expected);
    const auto* record = reinterpret_cast<const uint8_t*>(&area);
    EXPECT_EQ(record[958], 0xB0);
    EXPECT_EQ(record[959], 0x12);
    EXPECT_EQ(record[960], 0x34);
}

TEST(SpecialCardLayout, ClearCardKeepsPricesAndCarriesOneNeutralEntry)
{
    HEADER_DATA_AREA area;
    SpecialProfile door = SpecialProfile::defaults(Mode::DoorAccess);
    door.name = QStringLiteral("Gate");
    buildCardImage(area, Mode::DoorAccess, 7, door, {});
    ASSERT_EQ(buildClearEntry(area), 25);
    const std::vector<uint8_t> expected = {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                                           0x64, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01, 0x01, 0x00,
                                           0x00, 0x12, 0x31, 0x00, 0x01, 0x00, 0x32};
    // Topoff time -1: its low byte 0xFF is beyond BCD and goes in as the
    // conversion makes it (0).
    EXPECT_EQ(dataBytes(area, 25), expected);
    EXPECT_EQ(reinterpret_cast<const uint8_t*>(&area)[958], 0xBE);
}

TEST(SpecialCardLayout, TwentyThreeEntriesFillTheirPlacesInOrder)
{
    std::vector<SpecialEntry> entries;
    for (int k = 0; k < kMaxEntries; ++k) {
        SpecialEntry entry;
        entry.days = kAllDays;
        entry.setStart(k, 59 - k);
        entry.setStop(23, 0);
        entry.price = Currency::fromCents(300 + k); // above 255: both bytes used
        entries.push_back(entry);
    }
    HEADER_DATA_AREA area;
    const int length = buildCardImage(area, Mode::PriceSpecial, 1, happyHour(), entries);
    ASSERT_EQ(length, 14 + 11 * 23);
    EXPECT_EQ(area.data[13], 23);
    for (int k = 0; k < kMaxEntries; ++k) {
        const uint8_t* e = area.data + 14 + 11 * k;
        const int hour = (e[3] >> 4) * 10 + (e[3] & 0xF);
        const int minute = (e[4] >> 4) * 10 + (e[4] & 0xF);
        EXPECT_EQ(hour, k);
        EXPECT_EQ(minute, 59 - k);
        EXPECT_EQ(e[0], 0xFE);
        EXPECT_EQ((e[9] << 8) | e[10], 300 + k) << k;
    }
    EXPECT_EQ(area.data[length], 0) << "nothing past the last entry";
}

TEST(SpecialCardLayout, CentsAreTakenOnTheLowBitsOfTheAmount)
{
    EXPECT_EQ(cardCents(Currency::fromCents(125)), 125);
    EXPECT_EQ(cardCents(Currency(12345)), 123); // 1.2345 dollars: a fraction of a cent dropped
    EXPECT_EQ(cardCents(Currency::fromCents(70000)), uint16_t(70000));
}

} // namespace
