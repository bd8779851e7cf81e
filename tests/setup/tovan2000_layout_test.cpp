#include "card/card_dump.h"
#include "card/fault_injection.h"
#include "card/virtual_reader.h"
#include "services/cardlayout.h"
#include "services/keyring.h"
#include "services/readerio.h"
#include "setup/setup_record.h"
#include "setup/tovan2000_layout.h"
#include "support/recording_card_image.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <optional>

namespace {

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(text);
}
QByteArray zeros(int n)
{
    return QByteArray(n, '\0');
}

STRUCT_laundry_setup tovanRecord()
{
    STRUCT_laundry_setup r;
    std::memset(&r, 0xAA, sizeof r);
    setup::clearSetupRecord(r);
    r.card_type_code = 0xB4;
    r.word_02 = 0x1234;
    r.vend_price = 150;
    r.word_04 = 0;
    r.option_flags = 0x22;
    r.dryer_run_time = 45;
    r.heat_time = 40;
    r.topoff_time = 12;
    r.topoff_price = 50;
    std::memcpy(r.text_field_10, "LOCATION01", 10);
    std::memcpy(r.text_field_1a, "TOVAN-0002", 10);
    return r;
}

QByteArray recordBytes(const TOVAN2000_SETUP_CARD& card)
{
    return QByteArray(reinterpret_cast<const char*>(&card), sizeof card);
}

TEST(Tovan2000Layout, FamilyRecordFromSetupRecord)
{
    const QByteArray expected = hex("b400"
                                    "3412"
                                    "9600"
                                    "3412"
                                    "0000"
                                    "22"
                                    "004500050012"
                                    "00"
                                    "3200") +
                                "LOCATION01TOVAN-0002" + hex("0000");
    EXPECT_EQ(recordBytes(setup::makeTovan2000Record(tovanRecord())).toHex(), expected.toHex());
}

struct CoolTimeCase {
    uint16_t runTime;
    uint16_t heatTime;
    const char* bcd;
};

class Tovan2000CoolTime : public ::testing::TestWithParam<CoolTimeCase> {};

// Run time less heat time is taken as a 16-bit value before each byte goes to BCD.
TEST_P(Tovan2000CoolTime, WrapsAsSixteenBits)
{
    STRUCT_laundry_setup record = tovanRecord();
    record.dryer_run_time = GetParam().runTime;
    record.heat_time = GetParam().heatTime;
    const TOVAN2000_SETUP_CARD card = setup::makeTovan2000Record(record);
    EXPECT_EQ(recordBytes(card).mid(13, 2).toHex(), GetParam().bcd);
}

INSTANTIATE_TEST_SUITE_P(Differences, Tovan2000CoolTime,
                         ::testing::Values(CoolTimeCase{45, 40, "0005"},
                                           CoolTimeCase{0x0203, 0x0102, "0101"},
                                           CoolTimeCase{5, 0x0100, "0005"},      // 0xFF05
                                           CoolTimeCase{0x0010, 0xA000, "9616"}, // 0x6010
                                           CoolTimeCase{1, 2, "0000"}));         // 0xFFFF

// Tests that write through the layout library to a card in the virtual reader.
class Tovan2000Card : public ::testing::Test {
protected:
    void SetUp() override
    {
        card::resetCardStack();
        ASSERT_TRUE(dir_.isValid());
    }
    void TearDown() override { card::resetCardStack(); }

    void insertCard(uint8_t type, uint16_t custId)
    {
        card::NewCardFileOptions options;
        options.type = type;
        options.custId = custId;
        const QString file = dir_.filePath("card.lcif");
        ASSERT_EQ(card::createCardImageFile(file, options), QString());
        QString error;
        ASSERT_TRUE(card::insertCardFile(file, &error)) << error.toStdString();
        ASSERT_TRUE(readerio::PowerCard(readerio::POWER_ON));
    }

    static QByteArray header()
    {
        const auto& h = card::insertedCard()->header;
        return QByteArray(reinterpret_cast<const char*>(h.data()), 4);
    }
    static QByteArray dataArea()
    {
        const auto& files = card::insertedCard()->files;
        const auto it = files.find(0x2001);
        return it == files.end() ? QByteArray()
                                 : QByteArray(reinterpret_cast<const char*>(it->second.data()),
                                              qsizetype(it->second.size()));
    }

    QTemporaryDir dir_;
};

TEST_F(Tovan2000Card, WriterOfCode180WritesTheCardInTheReader)
{
    insertCard(0, 0);
    RecordingCardImage unused;
    ASSERT_EQ(setup::writeTovan2000Layout(unused, tovanRecord()), 0);
    EXPECT_TRUE(unused.calls.isEmpty());

    EXPECT_EQ(header().toHex(), "b4123401");
    const QByteArray expected = zeros(8) +
                                hex("0096"
                                    "1234"
                                    "0000"
                                    "22") +
                                zeros(17) +
                                hex("004500050012"
                                    "0032") +
                                "LOCATION01TOVAN-0002";
    EXPECT_EQ(dataArea().toHex(), expected.toHex());
}

QByteArray cycleData(const char* times, const char* tail)
{
    return hex(times) + hex(tail) + zeros(84);
}

struct CycleCase {
    uint8_t program;
    uint8_t washer;
    QByteArray data;
};

class Tovan2000CycleSetup : public Tovan2000Card,
                            public ::testing::WithParamInterface<CycleCase> {};

TEST_P(Tovan2000CycleSetup, WritesHeaderAndProgramData)
{
    insertCard(0xB8, 0x0999);
    STRUCT_laundry_setup record = tovanRecord();
    record.card_type_code = 0xB5;
    record.word_02 = 0x2468;
    record.scroll_speed = GetParam().program;
    record.washer = GetParam().washer;
    RecordingCardImage unused;
    ASSERT_EQ(setup::writeTovan2000CycleLayout(unused, record), 0);
    EXPECT_TRUE(unused.calls.isEmpty());

    EXPECT_EQ(header().toHex(), "b5246800");
    ASSERT_EQ(GetParam().data.size(), 120);
    EXPECT_EQ(dataArea().toHex(), (zeros(8) + GetParam().data).toHex());
}

INSTANTIATE_TEST_SUITE_P(
    Programs, Tovan2000CycleSetup,
    ::testing::Values(
        CycleCase{0, 1,
                  cycleData("0630070000000200013001300630003000000130013000000000000706"
                            "23",
                            "04000102ff01")},
        CycleCase{4, 0,
                  cycleData("0630100000000200020002000630003000000130020000000000000706"
                            "23",
                            "0c000102ff05")},
        CycleCase{7, 1,
                  cycleData("0630070000000200013001300630003004000130013000000000000704"
                            "23",
                            "04000102ff08")},
        CycleCase{7, 0,
                  cycleData("0630070000000200013001300630003004000130013000000000000704"
                            "23",
                            "0c000102ff08")}));

TEST_F(Tovan2000Card, CycleSetupErasesTheCardFirst)
{
    insertCard(0xB8, 0x0999);
    HEADER_DATA_AREA old{};
    old.length = 4;
    old.offset = 400;
    std::memset(old.data, 0x77, 4);
    ASSERT_EQ(cardlayout::NIMBOSetDataArea(&old), 0);

    ASSERT_EQ(setup::write_tovan2000_cycle_setup(tovanRecord()), 0);
    EXPECT_EQ(dataArea().size(), 128); // nothing left at 400
}

TEST_F(Tovan2000Card, ProgramAboveSevenIsNotWritten)
{
    insertCard(0xB8, 0x0999);
    const card::CardState before = *card::insertedCard();
    STRUCT_laundry_setup record = tovanRecord();
    record.scroll_speed = 8;
    EXPECT_EQ(setup::write_tovan2000_cycle_setup(record), setup::kStatusNoCycleProgram);
    EXPECT_EQ(*card::insertedCard(), before);
    EXPECT_FALSE(setup::tovan2000CycleProgram(8).has_value());
    EXPECT_FALSE(setup::tovan2000CycleData(255, true).has_value());
}

TEST_F(Tovan2000Card, ChipWithoutTableEntryIsNotWritten)
{
    insertCard(0xB8, 0x0999);
    const card::CardState before = *card::insertedCard();
    keyring::ChipID = 4;
    EXPECT_EQ(setup::write_tovan2000_cycle_setup(tovanRecord()), setup::kStatusNoChipEntry);
    EXPECT_EQ(*card::insertedCard(), before);
}

struct CycleFailure {
    card::FaultKind kind;
    std::optional<card::FaultKind> nextCall; // must not be reached
};

class Tovan2000CycleFailure : public Tovan2000Card,
                              public ::testing::WithParamInterface<CycleFailure> {};

TEST_P(Tovan2000CycleFailure, ReturnsTheFirstFailedStatus)
{
    insertCard(0xB8, 0x0999);
    card::faults::inject(GetParam().kind, 1, 0x5A);
    EXPECT_EQ(setup::write_tovan2000_cycle_setup(tovanRecord()), 0x5A);
    if (GetParam().nextCall) {
        EXPECT_EQ(card::faults::callCount(*GetParam().nextCall), 0);
    }
}

using card::FaultKind;
INSTANTIATE_TEST_SUITE_P(
    Calls, Tovan2000CycleFailure,
    ::testing::Values(CycleFailure{FaultKind::NIMBOCreateCard, FaultKind::NIMBOSetCardType},
                      CycleFailure{FaultKind::NIMBOSetCardType, FaultKind::FxSetCustId},
                      CycleFailure{FaultKind::FxSetCustId, FaultKind::FxSetCardVersion},
                      CycleFailure{FaultKind::FxSetCardVersion, FaultKind::NIMBOSetDataArea},
                      CycleFailure{FaultKind::NIMBOSetDataArea, std::nullopt}));

} // namespace
