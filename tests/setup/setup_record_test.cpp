#include "laundry/laundry.h"
#include "setup/card_bytes.h"
#include "setup/profile_types.h"
#include "setup/setup_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <set>

namespace {

// What the clear leaves at `offset` of a record of 0xAA bytes: the ranges it
// keeps, the text fields it fills with spaces, as the record layout lists them.
uint8_t clearedByte(int offset)
{
    const std::pair<int, int> kept[] = {
        {0x004, 0x005}, {0x007, 0x007}, {0x0AE, 0x0AE}, {0x0F3, 0x12D}, {0x134, 0x137},
        {0x167, 0x167}, {0x16B, 0x16B}, {0x16F, 0x16F}, {0x175, 0x175}, {0x17B, 0x17B},
        {0x185, 0x185}, {0x18D, 0x18D}, {0x199, 0x199}, {0x1D1, 0x36F}};
    const std::pair<int, int> texts[] = {{0x010, 0x01A + 9},  {0x024, 0x024 + 119},
                                         {0x0B2, 0x0B2 + 29}, {0x0D0, 0x0D0 + 29},
                                         {0x1BD, 0x1BD + 9},  {0x1C7, 0x1C7 + 9}};
    const auto within = [offset](const auto& ranges) {
        return std::any_of(std::begin(ranges), std::end(ranges),
                           [offset](auto r) { return offset >= r.first && offset <= r.second; });
    };
    return within(kept) ? 0xAA : within(texts) ? ' ' : offset == 0x132 ? 1 : 0; // 0x132: washer
}

TEST(ClearSetupRecord, StoresTheClearColumnAndKeepsEveryOtherByte)
{
    STRUCT_laundry_setup record;
    std::memset(&record, 0xAA, sizeof record);
    clear_laundry_setup_struct(&record);
    const auto* bytes = reinterpret_cast<const uint8_t*>(&record);
    for (int i = 0; i < int(sizeof record); ++i)
        EXPECT_EQ(bytes[i], clearedByte(i)) << "offset 0x" << std::hex << i;
}

TEST(CopyTextField, ShortTextGetsNulThenSpacesFullTextNone)
{
    char field[30];
    setup::copyTextField(field, sizeof field, "HELLO");
    EXPECT_EQ(std::string(field, 30), std::string("HELLO\0", 6) + std::string(24, ' '));
    setup::copyTextField(field, sizeof field, QByteArray(30, 'X') + "overflow");
    EXPECT_EQ(std::string(field, 30), std::string(30, 'X'));
}

TEST(ProfileTypes, CardTypeCodes)
{
    const uint16_t codes[] = {184, 184, 180, 181, 187, 185, 192, 193,
                              197, 198, 199, 200, 201, 202, 199};
    for (int code = 0; code < setup::kProfileTypeCount; ++code)
        EXPECT_EQ(setup::cardTypeCodeOf(code), codes[code]) << code;
}

TEST(ProfileTypes, SelectorIndexConversionSkipsCodeThree)
{
    const QStringList entries = setup::selectorEntries();
    ASSERT_EQ(entries.size(), setup::kSelectorEntryCount);
    for (int index = 0; index < setup::kSelectorEntryCount; ++index) {
        const int code = setup::selectorIndexToCode(index);
        EXPECT_NE(code, 3);
        EXPECT_EQ(setup::codeToSelectorIndex(code), index);
        EXPECT_EQ(entries[index], setup::profileTypeInfo(code).selectorEntry);
    }
    // A code-3 profile shows as Tovan2000 and is saved back as code 2.
    EXPECT_EQ(setup::selectorIndexToCode(setup::codeToSelectorIndex(3)), 2);
}

TEST(ProfileTypes, TypeGroups)
{
    const auto codesWhere = [](bool (*inGroup)(int)) {
        std::set<int> codes;
        for (int code = 0; code < setup::kProfileTypeCount; ++code)
            if (inGroup(code))
                codes.insert(code);
        return codes;
    };
    EXPECT_EQ(codesWhere(setup::maxCardValueEditable),
              (std::set<int>{0, 1, 5, 6, 7, 8, 9, 10, 11, 12, 14}));
    EXPECT_EQ(codesWhere(setup::enableTokensEditable), (std::set<int>{5, 7, 8, 9, 10, 12, 14}));
    EXPECT_EQ(codesWhere(setup::clusteringAllowed), (std::set<int>{5, 6, 7, 8, 9, 10, 11, 12, 14}));
    EXPECT_EQ(codesWhere(setup::pricesOnEditor), (std::set<int>{0, 1, 2, 3, 4}));
}

// The layout tests show every other value reaching the card.
TEST(CardBytes, Bcd6KeepsSixDigitsAndWritesZeroAbove)
{
    using Bytes = std::array<uint8_t, 3>;
    EXPECT_EQ(setup::bcd6(999999), (Bytes{0x99, 0x99, 0x99}));
    EXPECT_EQ(setup::bcd6(1000000), (Bytes{0x00, 0x00, 0x00}));
}

} // namespace
