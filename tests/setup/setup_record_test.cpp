#include "laundry/laundry.h"
#include "setup/card_bytes.h"
#include "setup/profile_types.h"
#include "setup/setup_record.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

namespace {

// The byte ranges the clear leaves alone, as the record layout lists them.
bool keptByClear(int offset)
{
    const std::pair<int, int> kept[] = {
        {0x004, 0x005}, {0x007, 0x007}, {0x0AE, 0x0AE}, {0x0F3, 0x12D}, {0x134, 0x137},
        {0x167, 0x167}, {0x16B, 0x16B}, {0x16F, 0x16F}, {0x175, 0x175}, {0x17B, 0x17B},
        {0x185, 0x185}, {0x18D, 0x18D}, {0x199, 0x199}, {0x1D1, 0x36F}};
    for (auto [from, to] : kept)
        if (offset >= from && offset <= to)
            return true;
    return false;
}

bool clearedToSpace(int offset)
{
    const std::pair<int, int> texts[] = {{0x010, 0x01A + 9},  {0x024, 0x024 + 119},
                                         {0x0B2, 0x0B2 + 29}, {0x0D0, 0x0D0 + 29},
                                         {0x1BD, 0x1BD + 9},  {0x1C7, 0x1C7 + 9}};
    for (auto [from, to] : texts)
        if (offset >= from && offset <= to)
            return true;
    return false;
}

TEST(ClearSetupRecord, StoresTheClearColumnAndKeepsEveryOtherByte)
{
    STRUCT_laundry_setup record;
    std::memset(&record, 0xAA, sizeof record);
    clear_laundry_setup_struct(&record);

    const auto* bytes = reinterpret_cast<const uint8_t*>(&record);
    for (int i = 0; i < int(sizeof record); ++i) {
        uint8_t expected = 0;
        if (keptByClear(i))
            expected = 0xAA;
        else if (clearedToSpace(i))
            expected = ' ';
        else if (i == 0x132)
            expected = 1; // washer
        EXPECT_EQ(bytes[i], expected) << "offset 0x" << std::hex << i;
    }
}

TEST(CopyTextField, ShortTextGetsNulThenSpacesFullTextNone)
{
    char field[30];
    setup::copyTextField(field, sizeof field, "HELLO");
    EXPECT_EQ(std::string(field, 6), std::string("HELLO\0", 6));
    EXPECT_EQ(std::string(field + 6, 24), std::string(24, ' '));

    const QByteArray thirty(30, 'X');
    setup::copyTextField(field, sizeof field, thirty + "overflow");
    EXPECT_EQ(std::string(field, 30), std::string(30, 'X'));
}

TEST(ProfileTypes, CardTypeCodesAndNames)
{
    const uint16_t codes[] = {184, 184, 180, 181, 187, 185, 192, 193,
                              197, 198, 199, 200, 201, 202, 199};
    for (int code = 0; code < setup::kProfileTypeCount; ++code)
        EXPECT_EQ(setup::cardTypeCodeOf(code), codes[code]) << code;
    EXPECT_EQ(setup::profileTypeListName(8), "LG type");
    EXPECT_EQ(setup::profileTypeListName(15), "");
    EXPECT_EQ(setup::cardTypeCodeOf(-1), 0);
}

TEST(ProfileTypes, SelectorIndexConversionSkipsCodeThree)
{
    const QStringList entries = setup::selectorEntries();
    ASSERT_EQ(entries.size(), setup::kSelectorEntryCount);
    EXPECT_EQ(entries[13], "Maytag MHN33");

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
    std::set<int> maxCard, tokens, clustering, editorPrices;
    for (int code = 0; code < setup::kProfileTypeCount; ++code) {
        if (setup::maxCardValueEditable(code))
            maxCard.insert(code);
        if (setup::enableTokensEditable(code))
            tokens.insert(code);
        if (setup::clusteringAllowed(code))
            clustering.insert(code);
        if (setup::pricesOnEditor(code))
            editorPrices.insert(code);
    }
    EXPECT_EQ(maxCard, (std::set<int>{0, 1, 5, 6, 7, 8, 9, 10, 11, 12, 14}));
    EXPECT_EQ(tokens, (std::set<int>{5, 7, 8, 9, 10, 12, 14}));
    EXPECT_EQ(clustering, (std::set<int>{5, 6, 7, 8, 9, 10, 11, 12, 14}));
    EXPECT_EQ(editorPrices, (std::set<int>{0, 1, 2, 3, 4}));
}

// The layout tests show every other value reaching the card.
TEST(CardBytes, Bcd6KeepsSixDigitsAndWritesZeroAbove)
{
    using Bytes = std::array<uint8_t, 3>;
    EXPECT_EQ(setup::bcd6(999999), (Bytes{0x99, 0x99, 0x99}));
    EXPECT_EQ(setup::bcd6(1000000), (Bytes{0x00, 0x00, 0x00}));
}

} // namespace
