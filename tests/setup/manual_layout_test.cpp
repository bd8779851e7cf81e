#include "setup/manual_layout.h"
#include "setup/setup_record.h"
#include "support/recording_card_image.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// A Generic profile whose setup file fills the whole area; the bytes around
// the area are 0xAA so a copy of the wrong length shows.
STRUCT_laundry_setup genericRecord()
{
    STRUCT_laundry_setup r;
    std::memset(&r, 0xAA, sizeof r);
    setup::clearSetupRecord(r);
    r.card_type_code = 0xCA;
    r.setup_byte_1 = 0x42;
    r.word_02 = 0x1234;
    for (int i = 0; i < 250; ++i)
        r.manual_setup_data[i] = uint8_t(i * 7 + 3);
    return r;
}

TEST(ManualLayout, WritesTheSetupFileUnderTheProfilesCardType)
{
    RecordingCardImage image;
    const STRUCT_laundry_setup record = genericRecord();
    ASSERT_EQ(setup::CardSetManualSetup(image, &record), 0);

    EXPECT_EQ(image.calls, QStringList({"SetCardVersion 0", "WriteData header 3 0",
                                        "SelectFile 2001", "WriteData 2001 250 0"}));
    // setup_byte_1, not the low byte of the card-type code (0xCA).
    EXPECT_EQ(image.header.left(4).toHex(), "42123400");
    QByteArray expected;
    for (int i = 0; i < 250; ++i)
        expected += char(uint8_t(i * 7 + 3));
    EXPECT_EQ(image.files.at(0x2001).toHex(), expected.toHex());
}

TEST(ManualLayout, ShortSetupFileKeepsItsZeroTail)
{
    STRUCT_laundry_setup record = genericRecord();
    std::memset(record.manual_setup_data, 0, sizeof record.manual_setup_data);
    std::memcpy(record.manual_setup_data, "\x01\x02\x03", 3);
    record.setup_byte_1 = 0xC7;

    RecordingCardImage image;
    ASSERT_EQ(setup::writeManualLayout(image, record), 0);
    EXPECT_EQ(image.header.left(3).toHex(), "c71234");
    EXPECT_EQ(image.files.at(0x2001), QByteArray::fromHex("010203") + QByteArray(247, '\0'));
}

} // namespace
