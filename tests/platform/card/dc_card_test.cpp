#include "card_test_support.h"
#include "support/failing_saves.h"

#include "card/card_images.h"
#include "card/card_status.h"
#include "card/fault_injection.h"
#include "machines/dc_machine.h"
#include "services/card_image.h"
#include "services/cardcore.h"
#include "services/cardlayout.h"

#include <cstring>
#include <vector>

namespace {

constexpr uint16_t kCust = 0x1234;
constexpr machines::CollectTime kTime = {0x24, 0x03, 0x15, 0x09, 0x41};

std::vector<uint8_t> dataArea(const card::CardState& c)
{
    const auto it = c.files.find(kSetupDataFileId);
    return it == c.files.end() ? std::vector<uint8_t>{} : it->second;
}

// An initialised card of another kind, with bytes in its data area.
card::CardState usedCard(uint8_t type)
{
    card::CardState c = initialisedCard(type);
    c.setCustId(kCust);
    const std::vector<uint8_t> old(400, 0xEE);
    c.write(kSetupDataFileId, 0, uint32_t(old.size()), old.data(), card::kCardFileMaxBytes);
    return c;
}

uint8_t createDc(uint8_t type, uint16_t cust = kCust, uint8_t option = 0)
{
    DC_CARD dc{};
    dc.card_type = type;
    dc.cust_id = cust;
    dc.dc_option = option;
    return cardlayout::NIMBOCreateDcCard(&dc);
}

GenericDCRec record(uint8_t family, const char* machine, uint8_t counterSeed)
{
    GenericDCRec r = machines::dcRecord(family, kTime, machine, "LOC-7");
    for (std::size_t i = 0; i < r.family_data_size; ++i)
        r.counters[i] = uint8_t(counterSeed + i);
    return r;
}

// A record as the parser hands it back: the slot's own fields win over the
// block bytes at their places (families 3 to 6 hold them in their block).
GenericDCRec asParsed(GenericDCRec r)
{
    if (r.record_family <= 6) {
        r.counters[0] = r.record_family;
        std::memcpy(r.counters + 2, r.collect_time, 5);
        std::memcpy(r.counters + 24, r.machine_id, 10);
        std::memcpy(r.counters + 34, r.location_id, 10);
    }
    return r;
}

using Parser = uint8_t (*)(BaseCardImage&, GenericDC&);

uint8_t readGeneric(BaseCardImage& image, GenericDC& records)
{
    return cardcore::NIMBOReadGenericDcCard(image, records, cardcore::kGenericDcAdvanteck);
}

} // namespace

class DcCardTest : public CardStackTest {
protected:
    // Runs a parser over the card in the reader.
    uint8_t parse(Parser parser, GenericDC& records)
    {
        card::RexaCard image;
        EXPECT_TRUE(image.Init());
        const uint8_t status = parser(image, records);
        image.Close();
        readerio::PowerCard(readerio::POWER_ON);
        return status;
    }
};

// Any former card becomes an empty DC card: header, option, no old bytes.
TEST_F(DcCardTest, CreateFormatsEachDcTypeAndErasesTheDataArea)
{
    for (const uint8_t type : {0xD2, 0xD4, 0xD7, 0xD9}) {
        const QString file = insert(usedCard(0xB8), true);
        ASSERT_EQ(createDc(type, 0x0A0B, 0x77), 0) << int(type);
        const card::CardState& c = *card::insertedCard();
        EXPECT_EQ(c.header, (card::CardHeader{type, 0x0A, 0x0B, 1, 0, 0, 0, 0})) << int(type);
        EXPECT_EQ(dataArea(c), (std::vector<uint8_t>{1, 0x77, 0, 0, 8, 0, 0, 0})) << int(type);
        EXPECT_EQ(cardOnDisk(file), c);
    }
}

// Refusals and failures leave the card as it was.
TEST_F(DcCardTest, CreateRefusalsAndFailuresKeepTheCard)
{
    const card::CardState before = usedCard(0xB8);
    const QString file = insert(before, true);
    EXPECT_EQ(createDc(0xB8), cardlayout::kStatusNotDcCardType);
    EXPECT_EQ(createDc(0xD3), cardlayout::kStatusNotDcCardType);
    EXPECT_EQ(cardlayout::NIMBOCreateDcCard(nullptr), card::kStatusBadArgument);
    card::faults::inject(card::FaultKind::NIMBOCreateDcCard, 1, 0x42);
    EXPECT_EQ(createDc(0xD2), 0x42);
    {
        FailingSaves full(FailingSaves::At::Write);
        EXPECT_EQ(createDc(0xD2), card::kStatusSaveFailed);
    }
    EXPECT_EQ(*card::insertedCard(), before);
    EXPECT_EQ(cardOnDisk(file), before);
}

// What a machine writes, the parser of the card type reads back unchanged.
TEST_F(DcCardTest, RecordsOfEveryFamilyRoundTrip)
{
    struct Case {
        uint8_t cardType;
        std::vector<uint8_t> families;
        Parser parser;
    };
    const Case cases[] = {
        {0xD2, {3, 4, 13, 6}, cardcore::NIMBOReadDcCard},
        {0xD7, {5, 6, 5, 6}, cardcore::NIMBOReadGen2StackComplexDcCard},
        {0xD9, {8, 8}, readGeneric},
    };
    for (const Case& c : cases) {
        insert(initialisedCard(), true);
        ASSERT_EQ(createDc(c.cardType), 0);
        std::vector<GenericDCRec> written;
        for (std::size_t i = 0; i < c.families.size(); ++i)
            written.push_back(
                record(c.families[i], i % 2 ? "WASHER-12345" : "DRY\x01", uint8_t(i)));
        for (std::size_t i = 0; i < written.size(); ++i) {
            const bool pair = c.cardType == 0xD7;
            ASSERT_EQ(pair ? machines::appendStackDcRecords(kCust, written[i], written[i + 1])
                           : machines::appendDcRecord(kCust, written[i]),
                      0);
            i += pair;
        }
        GenericDC records;
        ASSERT_EQ(parse(c.parser, records), 0) << int(c.cardType);
        ASSERT_EQ(records.GetNumRecs(), int(written.size()));
        for (int i = 0; i < records.GetNumRecs(); ++i) {
            const GenericDCRec* r = records.GetRec(i);
            const GenericDCRec expected = asParsed(written[std::size_t(i)]);
            EXPECT_EQ(std::memcmp(r, &expected, sizeof expected), 0)
                << int(c.cardType) << " record " << i;
            EXPECT_EQ(r->familyData()[0], expected.counters[0]);
        }
        EXPECT_EQ(records.GetRec(records.GetNumRecs()), nullptr);
    }
}

// Where a machine's bytes land in the data area.
TEST_F(DcCardTest, SlotBytesOnTheCard)
{
    insert(initialisedCard(), true);
    ASSERT_EQ(createDc(0xD2), 0);
    GenericDCRec mdc = machines::dcRecord(13, kTime, "M1", "L1");
    mdc.counters[5] = 0x55; // RECORD TYPE
    GenericDCRec washer = machines::dcRecord(3, kTime, "M2", "L2");
    washer.counters[8] = 0x88; // INT CYCLES
    ASSERT_EQ(machines::appendDcRecord(kCust, mdc), 0);
    ASSERT_EQ(machines::appendDcRecord(kCust, washer), 0);
    const std::vector<uint8_t> area = dataArea(*card::insertedCard());
    ASSERT_EQ(area.size(), 8u + 2 * 288);
    EXPECT_EQ(area[3] << 8 | area[4], 8 + 2 * 288);
    const std::vector<uint8_t> mdcHead(area.begin() + 8, area.begin() + 8 + 7);
    EXPECT_EQ(mdcHead, (std::vector<uint8_t>{13, 0, 0x24, 0x03, 0x15, 0x09, 0x41}));
    EXPECT_EQ(std::string(area.begin() + 8 + 24, area.begin() + 8 + 44), "M1        L1        ");
    EXPECT_EQ(area[8 + 48 + 5], 0x55);
    EXPECT_EQ(area[8 + 288], 3);
    EXPECT_EQ(area[8 + 288 + 8], 0x88);
}

// A reader refuses and leaves every byte of the card alone.
TEST_F(DcCardTest, MachineRefusalsLeaveTheCardByteIdentical)
{
    struct Case {
        uint8_t cardType;
        uint16_t readerCust;
        uint8_t family;
        uint8_t status;
    };
    const Case cases[] = {
        {0xB8, kCust, 3, card::kStatusNotDcCard}, {0xD2, kCust, 8, card::kStatusNotDcCard},
        {0xD9, kCust, 3, card::kStatusNotDcCard}, {0xD7, kCust, 5, card::kStatusNotDcCard},
        {0xD2, kCust, 2, card::kStatusNotDcCard}, {0xD2, 0x4321, 3, card::kStatusWrongCustomer},
        {0xD4, 0, 4, card::kStatusWrongCustomer},
    };
    for (const Case& c : cases) {
        insert(initialisedCard(), true);
        if (c.cardType >= 0xD2)
            ASSERT_EQ(createDc(c.cardType), 0);
        else
            ASSERT_EQ(cardlayout::NIMBOSetCardType(c.cardType), 0);
        const card::CardState before = *card::insertedCard();
        EXPECT_EQ(machines::appendDcRecord(c.readerCust, record(c.family, "M", 1)), c.status)
            << int(c.cardType) << " family " << int(c.family);
        EXPECT_EQ(*card::insertedCard(), before);
    }
    // A stack pair goes onto no other card.
    EXPECT_EQ(machines::appendStackDcRecords(kCust, record(6, "M", 1), record(5, "M", 1)),
              card::kStatusNotDcCard);
}

TEST_F(DcCardTest, AFullCardRefusesTheNextRecord)
{
    const QString file = insert(initialisedCard(), true);
    ASSERT_EQ(createDc(0xD2), 0);
    for (int i = 0; i < 27; ++i)
        ASSERT_EQ(machines::appendDcRecord(kCust, record(3, "M", uint8_t(i))), 0) << i;
    const card::CardState full = *card::insertedCard();
    EXPECT_EQ(machines::appendDcRecord(kCust, record(3, "M", 0)), card::kStatusDcCardFull);
    EXPECT_EQ(cardOnDisk(file), full);
}

// Damaged areas fail the parse; records before the damage stay.
TEST_F(DcCardTest, ParsersRefuseDamagedAreas)
{
    struct Case {
        uint8_t cardType;
        uint16_t usedLength; // 0: as the machines left it
        std::vector<uint8_t> families;
        Parser parser;
        uint8_t status;
        int kept;
    };
    using namespace cardcore;
    const Case cases[] = {
        {0xD2, 7, {}, NIMBOReadDcCard, kStatusDcBadLength, 0},
        {0xD2, 8 + 287, {3}, NIMBOReadDcCard, kStatusDcBadLength, 0},
        {0xD7, 8 + 288, {5, 6}, NIMBOReadGen2StackComplexDcCard, kStatusDcBadLength, 0},
        // A 217 card read as a 210 card: its first record is not taken.
        {0xD9, 0, {8}, NIMBOReadDcCard, kStatusDcBadRecord, 0},
        // One record, then an empty slot (family 0).
        {0xD2, 8 + 2 * 288, {4}, NIMBOReadDcCard, kStatusDcBadRecord, 1},
    };
    for (const Case& c : cases) {
        insert(initialisedCard(), true);
        ASSERT_EQ(createDc(c.cardType), 0);
        if (c.cardType == 0xD7) {
            ASSERT_EQ(machines::appendStackDcRecords(kCust, record(5, "W", 0), record(6, "D", 0)),
                      0);
        } else {
            for (const uint8_t family : c.families)
                ASSERT_EQ(machines::appendDcRecord(kCust, record(family, "M", 0)), 0);
        }
        if (c.usedLength) {
            HEADER_DATA_AREA used{
                2, kDcUsedLengthOffset, {uint8_t(c.usedLength >> 8), uint8_t(c.usedLength)}};
            ASSERT_EQ(cardlayout::NIMBOSetDataArea(&used), 0);
        }
        GenericDC records;
        EXPECT_EQ(parse(c.parser, records), c.status) << int(c.cardType) << " " << c.usedLength;
        EXPECT_EQ(records.GetNumRecs(), c.kept) << int(c.cardType) << " " << c.usedLength;
    }
}

TEST_F(DcCardTest, PostProcessBlanksUnprintableIdCharacters)
{
    GenericDC records;
    const std::string machine = std::string("AB") + '\0' + "\x7F" + "C";
    GenericDCRec r = machines::dcRecord(3, kTime, machine, "L\tX");
    r.duplicate_flag = 1;
    records.AddRec(r);
    cardcore::PostProcessDCData(records);
    const GenericDCRec* done = records.GetRec(0);
    EXPECT_EQ(std::string(done->machine_id, 10), "AB  C     ");
    EXPECT_EQ(std::string(done->location_id, 10), "L X       ");
    EXPECT_EQ(done->duplicate_flag, 0);
}
