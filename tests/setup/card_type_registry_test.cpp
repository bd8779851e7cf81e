// The frame every image writer in the card type registry follows.
#include "laundry/card_types.h"
#include "setup/card_type_registry.h"
#include "setup/layout_bytes.h"
#include "support/recording_card_image.h"

#include <gtest/gtest.h>

namespace {

using namespace layouttest;

// Version, header, setup file, blocks: the card's own status when the version
// fails, 22 for a failed write, 38 when the setup file cannot be selected, and
// no call after the failed one.
TEST(CardTypeRegistry, EveryImageWriterStopsAtItsFirstFailedCall)
{
    for (const setup::CardTypeEntry& entry : setup::cardTypeEntries()) {
        // The two Tovan2000 writers go through the layout library, not the image.
        if (!entry.writer || entry.code == laundry::kTovan2000Card ||
            entry.code == laundry::kTovan2000CycleSetupCard)
            continue;
        SCOPED_TRACE(int(entry.code));
        STRUCT_laundry_setup record = clearedRecord(entry.code);
        record.machine_type = 9; // an Alliance dryer: two blocks
        RecordingCardImage image;
        ASSERT_EQ(entry.writer(image, record), 0);
        const QStringList all = image.calls;
        ASSERT_GE(all.size(), 4);
        EXPECT_TRUE(all[0].startsWith("SetCardVersion "));
        EXPECT_EQ(all.mid(1, 2), QStringList({"WriteData header 3 0", "SelectFile 2001"}));
        for (const QString& call : all.mid(3))
            EXPECT_TRUE(call.startsWith("WriteData 2001 ")) << call.toStdString();

        for (int i = 0; i < all.size(); ++i) {
            RecordingCardImage failing;
            failing.failOn = all[i];
            const uint8_t status = i == 0 ? 0x6F : all[i].startsWith("SelectFile") ? 38 : 22;
            EXPECT_EQ(entry.writer(failing, record), status) << all[i].toStdString();
            EXPECT_EQ(failing.calls, all.mid(0, i + 1));
        }
    }
}

} // namespace
