#include "specials/special_card_layout.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

namespace {

using namespace specials;

// The record's bytes from `from` on, in hex.
QByteArray hexAt(const HEADER_DATA_AREA& area, int from, int length)
{
    return QByteArray(reinterpret_cast<const char*>(&area) + from, length).toHex();
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
    EXPECT_EQ(hexAt(area, offsetof(HEADER_DATA_AREA, data), length), "0000000000000000"
                                                                     "007d0032"
                                                                     "1001"
                                                                     "040101080012311730004b");
    EXPECT_EQ(hexAt(area, 958, 3), "b01234"); // card type and customer
}

TEST(SpecialCardLayout, ClearCardKeepsPricesAndCarriesOneNeutralEntry)
{
    HEADER_DATA_AREA area;
    SpecialProfile door = SpecialProfile::defaults(Mode::DoorAccess);
    door.name = QStringLiteral("Gate");
    buildCardImage(area, Mode::DoorAccess, 7, door, {});
    ASSERT_EQ(buildClearEntry(area), 25);
    // Topoff time -1: its low byte 0xFF is beyond BCD and goes in as the
    // conversion makes it (0).
    EXPECT_EQ(hexAt(area, offsetof(HEADER_DATA_AREA, data), 25), "0000000000000000"
                                                                 "00640000"
                                                                 "0001"
                                                                 "0001010000123100010032");
    EXPECT_EQ(hexAt(area, 958, 1), "be");
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
    for (int k = 0; k < kMaxEntries; ++k) // start and stop in BCD, the price high byte first
        EXPECT_EQ(hexAt(area, 8 + 14 + 11 * k, 11),
                  QString::asprintf("fe0101%02d%02d12312300%04x", k, 59 - k, 300 + k).toLatin1());
    EXPECT_EQ(area.data[length], 0) << "nothing past the last entry";
}

TEST(SpecialCardLayout, CentsAreTakenOnTheLowBitsOfTheAmount)
{
    EXPECT_EQ(cardCents(Currency(12345)), 123); // 1.2345 dollars: a fraction of a cent dropped
    EXPECT_EQ(cardCents(Currency::fromCents(70000)), uint16_t(70000));
}

} // namespace
