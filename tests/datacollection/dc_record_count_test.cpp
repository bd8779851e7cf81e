#include "datacollection/dc_record_count.h"
#include "laundry/card_types.h"
#include "services/cardlayout.h"
#include "services/progress.h"
#include "services/readerio.h"
#include "support/card_fixture.h"

#include <QByteArray>

#include <cstring>
#include <tuple>

namespace {

using namespace promptui;

constexpr uint16_t kCustomer = 0x1234;

class DcRecordCount : public CardFixture {
protected:
    // A reader DC card whose data area starts with `bytes`.
    void insertReaderDcCard(const QByteArray& bytes, uint8_t type = laundry::kReaderDcCard)
    {
        insertCard(initialised(type, kCustomer), QString("c%1.lcard").arg(++cards_));
        HEADER_DATA_AREA area{};
        area.length = uint32_t(bytes.size());
        std::memcpy(area.data, bytes.constData(), size_t(bytes.size()));
        readerio::PowerCard(readerio::POWER_ON);
        ASSERT_EQ(cardlayout::NIMBOSetDataArea(&area), 0);
        readerio::PowerCard(readerio::POWER_OFF);
    }

    static QByteArray withUsedLength(int length, int size = 5)
    {
        QByteArray b(size, '\0');
        b[3] = char(length >> 8);
        b[4] = char(length & 0xFF);
        return b;
    }

    uint32_t length = 0;
    uint32_t records = 0;

private:
    int cards_ = 0;
};

TEST_F(DcRecordCount, RecordCountLeavesOutTheHeaderAndPartialRecords)
{
    // Below the header the count has no rule; this system reads none.
    const std::tuple<int, uint32_t> counts[] = {{8, 0}, {296, 1}, {584, 2}, {3, 0}};
    for (const auto& [used, expected] : counts) {
        insertReaderDcCard(withUsedLength(used));
        EXPECT_EQ(setup_read_laundry_dc_card(&length, &records), 1);
        EXPECT_EQ(length, uint32_t(used));
        EXPECT_EQ(records, expected) << used;
        EXPECT_TRUE(card::isPowered()); // until the end call
        EXPECT_EQ(end_read_laundry_dc_card(), 1);
        EXPECT_FALSE(card::isPowered());
    }
    ASSERT_EQ(script().progressWindows().size(), 4u);
    EXPECT_EQ(script().progressWindows()[0].title,
              "Reading Reader Data Collection card ... Please Wait");
    EXPECT_EQ(script().progressWindows()[0].steps, 4);
    EXPECT_EQ(script().progressWindows()[0].stepTexts, QStringList{"Identifying Card..."});
    EXPECT_TRUE(script().messages().empty());
}

TEST_F(DcRecordCount, RecordsAreReadBySlotFromTheStartOfTheArea)
{
    QByteArray area = withUsedLength(584, 3 * 288);
    for (int i = 5; i < area.size(); ++i)
        area[i] = char(i * 7);
    insertReaderDcCard(area);
    ASSERT_EQ(setup_read_laundry_dc_card(&length, &records), 1);

    QByteArray buffer(288, '\0');
    for (uint32_t n : {1u, 3u}) {
        EXPECT_EQ(read_laundry_dc_card(n, reinterpret_cast<uint8_t*>(buffer.data())), 1);
        EXPECT_EQ(buffer, area.mid(int(n - 1) * 288, 288)) << n;
    }
    EXPECT_EQ(read_laundry_dc_card(2, nullptr), 1); // the host need not take the bytes
    EXPECT_EQ(read_laundry_dc_card(0, nullptr), 0);
    EXPECT_EQ(read_laundry_dc_card(40, nullptr), 0); // past the data area
    end_read_laundry_dc_card();
}

TEST_F(DcRecordCount, OtherCardsAreRefusedAndTheWindowStaysUntilTheEnd)
{
    // Other DC types are read by the container reader only.
    for (const uint8_t type :
         {laundry::kComplexDcCard, laundry::kAdvanteckDcCard, laundry::kRetrofitCard}) {
        insertReaderDcCard(withUsedLength(296), type);
        EXPECT_EQ(setup_read_laundry_dc_card(&length, &records), 0);
        ASSERT_EQ(script().messages().size(), 1u);
        const ui::RecordedMessage& box = script().messages()[0];
        EXPECT_EQ(box.text, "Current Card:\t" + StrCardtype(type) +
                                "\nThis card is not a Reader data collection card.");
        EXPECT_EQ(box.caption, "Reader Data Collection Card Not Found");
        EXPECT_EQ(box.icon, unsigned(MB_ICONWARNING));
        EXPECT_EQ(script().steps().last(), "Cancelled");
        EXPECT_EQ(script().openProgressCount(), 1);
        end_read_laundry_dc_card();
        script().clear();
    }
}

TEST_F(DcRecordCount, UnreadableCardsEndSilently)
{
    using card::FaultKind;
    EXPECT_EQ(setup_read_laundry_dc_card(&length, &records), 0); // empty reader
    end_read_laundry_dc_card();
    for (const FaultKind kind :
         {FaultKind::ValidateCard, FaultKind::NIMBOGetCardType, FaultKind::NIMBOReadDataArea}) {
        insertReaderDcCard(withUsedLength(296));
        card::faults::inject(kind, 1, 0x42);
        EXPECT_EQ(setup_read_laundry_dc_card(&length, &records), 0);
        end_read_laundry_dc_card();
        card::faults::reset();
    }
    EXPECT_TRUE(script().messages().empty());
    EXPECT_EQ(script().steps().count("Cancelled"), 4);
}

} // namespace
