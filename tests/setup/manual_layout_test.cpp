#include "setup/layout_bytes.h"
#include "setup/manual_layout.h"
#include "support/recording_card_image.h"

#include <gtest/gtest.h>

namespace {

using namespace layouttest;

// The header takes setup_byte_1, not the low byte of the card-type code
// (0xCA); a short setup file keeps its zero tail.
TEST(ManualLayout, WritesTheSetupFileUnderTheProfilesCardType)
{
    STRUCT_laundry_setup record = clearedRecord(0xCA);
    record.setup_byte_1 = 0x42;
    QByteArray expected;
    for (int i = 0; i < 250; ++i)
        expected += char(record.manual_setup_data[i] = uint8_t(i * 7 + 3));
    RecordingCardImage image;
    ASSERT_EQ(setup::CardSetManualSetup(image, &record), 0);
    EXPECT_EQ(image.header.left(4).toHex(), "42123400");
    EXPECT_EQ(image.file(0x2001).toHex(), expected.toHex());

    std::memset(record.manual_setup_data, 0, sizeof record.manual_setup_data);
    std::memcpy(record.manual_setup_data, "\x01\x02\x03", 3);
    record.setup_byte_1 = 0xC7;
    RecordingCardImage shortFile;
    ASSERT_EQ(setup::writeManualLayout(shortFile, record), 0);
    EXPECT_EQ(shortFile.header.left(3).toHex(), "c71234");
    EXPECT_EQ(shortFile.file(0x2001), hex("010203") + zeros(247));
}

} // namespace
