// The card types the library writes, reads back and describes, each through
// its registry entry: the frame every image writer follows, and a round trip
// of every written type through the reader.
#include "card/card_images.h"
#include "laundry/card_types.h"
#include "services/readerio.h"
#include "setup/card_type_registry.h"
#include "setup/layout_bytes.h"
#include "support/card_fixture.h"
#include "support/recording_card_image.h"

namespace {

using namespace layouttest;

// Every written profile type; machine type 9 is an Alliance dryer (two blocks).
STRUCT_laundry_setup recordOf(uint8_t code)
{
    STRUCT_laundry_setup r = clearedRecord(code);
    r.machine_type = 9;
    std::memcpy(r.text_field_10, "LOCATION-1", 10);
    return r;
}

// The two Tovan2000 writers go through the layout library, not the image.
bool writesTheImage(uint8_t code)
{
    return code != laundry::kTovan2000Card && code != laundry::kTovan2000CycleSetupCard;
}

// Version, header, setup file, blocks: the card's own status when the version
// fails, 22 for a failed write, 38 when the setup file cannot be selected, and
// no call after the failed one.
TEST(CardTypeRegistry, EveryImageWriterStopsAtItsFirstFailedCall)
{
    for (const setup::CardTypeEntry& entry : setup::cardTypeEntries()) {
        if (!entry.writer || !writesTheImage(entry.code))
            continue;
        SCOPED_TRACE(int(entry.code));
        const STRUCT_laundry_setup record = recordOf(entry.code);
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
            failing.failStatus = 0x6F;
            const uint8_t status = i == 0 ? 0x6F : all[i].startsWith("SelectFile") ? 38 : 22;
            EXPECT_EQ(entry.writer(failing, record), status) << all[i].toStdString();
            EXPECT_EQ(failing.calls, all.mid(0, i + 1));
        }
    }
}

class CardTypeRoundTrip : public CardFixture {
protected:
    QString describe(uint16_t code)
    {
        EXPECT_TRUE(readerio::PowerCard(readerio::POWER_ON));
        QString text;
        GetCardDetails(code, text);
        EXPECT_TRUE(script().messages().empty()) << script().messageTexts().join("|").toStdString();
        return text;
    }
};

// The report of a written type reads the card its writer made (the Alliance
// and Generic cards have none yet); the setup read-back takes the Retrofit
// and Gen2 cards only.
TEST_F(CardTypeRoundTrip, EveryWrittenTypeIsReadBackAndDescribedByItsEntry)
{
    for (const setup::CardTypeEntry& entry : setup::cardTypeEntries()) {
        if (!entry.writer)
            continue;
        SCOPED_TRACE(int(entry.code));
        insertCard(fresh(), QStringLiteral("c%1").arg(entry.code));
        STRUCT_laundry_setup record = recordOf(entry.code);
        card::RexaCard image;
        ASSERT_EQ(create_laundry_setup_card(&image, 0x1234, &record, 0), 1);
        script().clear();

        const QString text = describe(entry.code);
        using namespace laundry;
        if (entry.code == kAllianceCard || entry.code == kGenericCard) {
            EXPECT_EQ(text, "");
        } else if (entry.code == kTovan2000CycleSetupCard) {
            EXPECT_TRUE(text.startsWith("Cycle Program ID: 1\r\n")) << text.toStdString();
        } else {
            EXPECT_TRUE(text.contains("Machine Location: LOCATION-1\r\n")) << text.toStdString();
        }

        const bool readBack = entry.code == kRetrofitCard || entry.code == kGen2Card;
        STRUCT_laundry_setup back{};
        EXPECT_EQ(read_laundry_setup_card(&back, nullptr), readBack ? 1 : 0);
        if (readBack) {
            EXPECT_EQ(std::memcmp(back.text_field_10, "LOCATION-1", 10), 0);
        }
        script().clear();
    }
}

TEST_F(CardTypeRoundTrip, CardsNoSetupWriterMakesAreDescribedByTheirEntry)
{
    // nullptr: no report yet, nothing is appended.
    const std::pair<uint8_t, const char*> starts[] = {
        {laundry::kPriceSpecialCard, "Default Vend: $0.00\r\n"},
        {laundry::kReaderDcCard, "Total Record Count: 0\r\n"},
        {laundry::kComplexDcCard, "Total Record Count: 0\r\n"},
        {laundry::kRestrictionTimeCard, nullptr},
        {laundry::kManualDcCard, nullptr}};
    for (const auto& [code, start] : starts) {
        insertCard(initialised(code, 0x1234));
        const QString text = describe(code);
        if (start) {
            EXPECT_TRUE(text.startsWith(start)) << int(code);
        } else {
            EXPECT_EQ(text, "") << int(code);
        }
    }
    // Codes above 0xFF are no card type, whatever their low byte.
    insertCard(initialised(0xB8, 0x1234));
    EXPECT_EQ(describe(0x1B8), "");
    EXPECT_EQ(setup::cardTypeEntry(0x1B8), nullptr);
}

} // namespace
