#include "card/card_dump.h"
#include "card/card_images.h"
#include "card/card_status.h"
#include "card/fault_injection.h"
#include "card/virtual_reader.h"
#include "laundry/advanteck_setup_card.h"
#include "laundry/gen2_setup_card.h"
#include "laundry/mdc_setup_card.h"
#include "laundry/setup_cards.h"
#include "laundry/tovan2000_setup_card.h"
#include "services/cardlayout.h"
#include "services/readerio.h"
#include "setup/advanteck_layout.h"
#include "setup/mdc_layout.h"
#include "setup/retrofit_layout.h"
#include "setup/setup_record.h"
#include "setup/tovan2000_layout.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

using namespace cardlayout;
using card::FaultKind;

namespace {

template <typename T> QByteArray bytesOf(const T& record)
{
    return QByteArray(reinterpret_cast<const char*>(&record), sizeof record);
}

// One setup record with a distinct value in the fields of every family here.
STRUCT_laundry_setup setupRecord(uint16_t cardTypeCode)
{
    STRUCT_laundry_setup r;
    std::memset(&r, 0, sizeof r);
    setup::clearSetupRecord(r);
    r.card_type_code = cardTypeCode;
    r.vend_price = 0x0125;
    r.word_02 = 0x1234;
    r.option_flags = 0x5A;
    r.dryer_run_time = 45;
    r.heat_time = 30;
    r.topoff_time = 12;
    r.topoff_price = 0x0032;
    std::memcpy(r.text_field_10, "LOCATION01", 10);
    std::memcpy(r.text_field_1a, "MACHINE-02", 10);
    for (int line = 0; line < 6; ++line)
        std::memset(r.text_lines_24[line], 'a' + line, 20);
    for (int i = 0; i < 8; ++i)
        r.bytes_9c[i] = uint8_t(0x91 + i);
    const uint16_t words[5] = {0x1001, 0x2002, 0x3003, 0x4004, 0x5005};
    std::memcpy(r.words_a4, words, sizeof words);
    r.byte_af = 0x77;
    r.display_flags = 0x0016;
    setup::copyTextField(r.idle_message, sizeof r.idle_message, "IDLE");
    setup::copyTextField(r.busy_message, sizeof r.busy_message, "BUSY");
    r.pulses = 3;
    r.scroll_speed = 5;
    r.max_card_value = 0x0102;
    r.enable_tokens = 1;
    r.byte_138 = 4;
    r.action_flags = 0x81;
    uint8_t* advantech = reinterpret_cast<uint8_t*>(&r) + 0x168;
    for (int i = 0; i < 0x1A9 - 0x168; ++i)
        advantech[i] = uint8_t(0x40 + i);
    uint8_t* mdc = reinterpret_cast<uint8_t*>(&r) + 0x1D1;
    for (int i = 0; i < 0x1F0 - 0x1D1; ++i)
        mdc[i] = uint8_t(0x10 + i);
    r.spec_begin_hour = 21;
    r.spec_begin_minute = 30;
    r.spec_end_hour = 6;
    r.spec_end_minute = 15;
    return r;
}

class SetupCardReaders : public ::testing::Test {
protected:
    void SetUp() override
    {
        card::resetCardStack();
        ASSERT_TRUE(dir_.isValid());
    }
    void TearDown() override { card::resetCardStack(); }

    // An initialised card of the type in the reader, powered.
    void insertCard(uint8_t type = 0, uint16_t custId = 0)
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

    static void setCardVersion(uint8_t version)
    {
        HEADER_DATA_AREA area{};
        area.length = 1;
        area.offset = 3;
        area.data[kHeaderAreaDataIndex] = version;
        ASSERT_EQ(NIMBOSetHeaderArea(&area), 0);
    }

    static QByteArray dataArea(int from, int length)
    {
        const auto& file = card::insertedCard()->files.at(0x2001);
        return QByteArray(reinterpret_cast<const char*>(file.data()), qsizetype(file.size()))
            .mid(from, length);
    }

    card::RexaCard image_;
    QTemporaryDir dir_;
};

TEST_F(SetupCardReaders, RetrofitRoundTrip)
{
    insertCard();
    const RETRO_FIT_SETUP_CARD written = setup::makeRetrofitRecord(setupRecord(0xB8));
    ASSERT_TRUE(image_.Init());
    ASSERT_EQ(setup::CardSetRetrofitSetup(image_, &written), 0);

    RETRO_FIT_SETUP_CARD read{};
    ASSERT_EQ(NIMBOReadRetrofitSetup(&read), 0);
    EXPECT_EQ(bytesOf(read).toHex(), bytesOf(written).toHex());
}

TEST_F(SetupCardReaders, RetrofitVersionZeroIgnoresAnOldSecondBlock)
{
    insertCard();
    const RETRO_FIT_SETUP_CARD full = setup::makeRetrofitRecord(setupRecord(0xB8));
    ASSERT_TRUE(image_.Init());
    ASSERT_EQ(setup::CardSetRetrofitSetup(image_, &full), 0);
    RETRO_FIT_SETUP_CARD blockOneOnly = full;
    blockOneOnly.card_version = 0;
    ASSERT_EQ(setup::CardSetRetrofitSetup(image_, &blockOneOnly), 0);

    RETRO_FIT_SETUP_CARD read{};
    ASSERT_EQ(NIMBOReadRetrofitSetup(&read), 0);
    RETRO_FIT_SETUP_CARD expected = blockOneOnly;
    std::memset(expected.text_lines_24, 0, sizeof expected.text_lines_24);
    std::memset(expected.bytes_9c, 0, sizeof expected.bytes_9c);
    std::memset(expected.words_a4, 0, sizeof expected.words_a4);
    expected.byte_af = 0;
    EXPECT_EQ(bytesOf(read).toHex(), bytesOf(expected).toHex());
}

TEST_F(SetupCardReaders, AdvanteckRoundTrip)
{
    insertCard();
    const ADVNTECK_SETUP_CARD written = setup::makeAdvanteckRecord(setupRecord(0xC0));
    ASSERT_TRUE(image_.Init());
    ASSERT_EQ(setup::CardSetAdvanteckSetup(image_, &written), 0);

    ADVNTECK_SETUP_CARD read{};
    ASSERT_EQ(NIMBOReadAdvanteckSetup(&read), 0);
    EXPECT_EQ(bytesOf(read).toHex(), bytesOf(written).toHex());
}

TEST_F(SetupCardReaders, MdcRoundTripCarriesTheVersion)
{
    insertCard();
    const MDC_SETUP_CARD written = setup::makeMdcRecord(setupRecord(0xC1));
    ASSERT_EQ(written.byte_138, 4);
    ASSERT_TRUE(image_.Init());
    ASSERT_EQ(setup::CardSetMdcSetup(image_, &written), 0);
    EXPECT_EQ(card::insertedCard()->version(), 4);

    MDC_SETUP_CARD read{};
    ASSERT_EQ(NIMBOReadMdcSetup(&read), 0);
    EXPECT_EQ(bytesOf(read).toHex(), bytesOf(written).toHex());
}

TEST_F(SetupCardReaders, Tovan2000RoundTrip)
{
    insertCard(0xB8, 0x0999);
    const TOVAN2000_SETUP_CARD written = setup::makeTovan2000Record(setupRecord(0xB4));
    ASSERT_EQ(NIMBOSetTovan2000Setup(&written), 0);

    TOVAN2000_SETUP_CARD read{};
    ASSERT_EQ(NIMBOReadTovan2000Setup(&read), 0);
    EXPECT_EQ(bytesOf(read).toHex(), bytesOf(written).toHex());
}

// The Tovan2000 data sits where block 1 of a Retrofit card keeps the same fields.
TEST_F(SetupCardReaders, Tovan2000CardLayout)
{
    insertCard(0xB8, 0x0999);
    const TOVAN2000_SETUP_CARD written = setup::makeTovan2000Record(setupRecord(0xB4));
    ASSERT_EQ(NIMBOSetTovan2000Setup(&written), 0);

    const card::CardHeader header = {0xB4, 0x12, 0x34, 0x01, 0, 0, 0, 0};
    EXPECT_EQ(card::insertedCard()->header, header);
    const QByteArray expected = QByteArray(8, '\0') +
                                QByteArray::fromHex("0125"
                                                    "1234"
                                                    "0000"
                                                    "5a") +
                                QByteArray(17, '\0') +
                                QByteArray::fromHex("0045"
                                                    "0015"
                                                    "0012"
                                                    "0032") +
                                "LOCATION01MACHINE-02";
    EXPECT_EQ(dataArea(0, 1000).toHex(), expected.toHex());

    // Read back with the Retrofit offsets, as the setup-card reader does.
    HEADER_DATA_AREA area{};
    area.length = 28;
    area.offset = 32;
    ASSERT_EQ(NIMBOReadDataArea(&area), 0);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(area.data), 28).toHex(),
              (QByteArray::fromHex("004500150012"
                                   "0032") +
               "LOCATION01MACHINE-02")
                  .toHex());
}

TEST_F(SetupCardReaders, Tovan2000WriteFailuresLeaveTheHeader)
{
    insertCard(0xB8, 0x0999);
    const TOVAN2000_SETUP_CARD written = setup::makeTovan2000Record(setupRecord(0xB4));
    const card::CardHeader before = card::insertedCard()->header;

    card::faults::inject(FaultKind::NIMBOSetDataArea, 1, 0x5A);
    EXPECT_EQ(NIMBOSetTovan2000Setup(&written), 0x5A);
    EXPECT_EQ(card::insertedCard()->header, before);

    card::faults::inject(FaultKind::NIMBOSetHeaderArea, 1, 0x5B);
    EXPECT_EQ(NIMBOSetTovan2000Setup(&written), 0x5B);
    EXPECT_EQ(card::insertedCard()->header, before);

    EXPECT_EQ(NIMBOSetTovan2000Setup(nullptr), card::kStatusBadArgument);
}

// Each reader with its card type, a record filled with a marker byte and a
// reader call; a failed read must leave the record as it was.
struct ReaderCase {
    const char* name;
    uint8_t cardType;
    int dataReads;
    std::function<uint8_t(uint8_t*)> read;
    std::size_t size;
};

template <typename T>
ReaderCase readerCase(const char* name, uint8_t type, int dataReads, uint8_t (*reader)(T*))
{
    return {name, type, dataReads,
            [reader](uint8_t* record) { return reader(reinterpret_cast<T*>(record)); }, sizeof(T)};
}

const std::vector<ReaderCase>& readerCases()
{
    static const std::vector<ReaderCase> cases = {
        readerCase("Tovan2000", 0xB4, 1, &NIMBOReadTovan2000Setup),
        readerCase("Retrofit", 0xB8, 2, &NIMBOReadRetrofitSetup),
        readerCase("Advanteck", 0xC0, 2, &NIMBOReadAdvanteckSetup),
        readerCase("Mdc", 0xC1, 1, &NIMBOReadMdcSetup),
        readerCase("Gen2", 0xBB, 1, &NIMBOReadGen2Setup),
        readerCase("Gen2Adv", 0xB9, 1, &NIMBOReadGen2AdvSetup),
    };
    return cases;
}

class SetupCardReaderFailure : public SetupCardReaders,
                               public ::testing::WithParamInterface<ReaderCase> {
protected:
    // Calls the reader on a record of 0xCC bytes; true when it stayed so.
    uint8_t readIntoMarkedRecord(bool* untouched)
    {
        QByteArray record(qsizetype(GetParam().size), char(0xCC));
        const uint8_t status = GetParam().read(reinterpret_cast<uint8_t*>(record.data()));
        *untouched = record == QByteArray(qsizetype(GetParam().size), char(0xCC));
        return status;
    }
};

TEST_P(SetupCardReaderFailure, CardOfAnotherTypeIsRefused)
{
    for (const uint8_t other : {uint8_t(0), uint8_t(0xB5), uint8_t(0xC6), uint8_t(0xFF)}) {
        insertCard(other, 0x1234);
        bool untouched = false;
        EXPECT_EQ(readIntoMarkedRecord(&untouched), kStatusWrongSetupCardType) << int(other);
        EXPECT_TRUE(untouched);
    }
    for (const ReaderCase& otherReader : readerCases()) {
        if (otherReader.cardType == GetParam().cardType)
            continue;
        insertCard(otherReader.cardType, 0x1234);
        bool untouched = false;
        EXPECT_EQ(readIntoMarkedRecord(&untouched), kStatusWrongSetupCardType) << otherReader.name;
        EXPECT_TRUE(untouched);
    }
}

TEST_P(SetupCardReaderFailure, FailedReadsGiveTheCardStatus)
{
    insertCard(GetParam().cardType, 0x1234);
    setCardVersion(2); // so that a Retrofit card has a second block to read
    bool untouched = false;

    card::faults::inject(FaultKind::NIMBOReadHeaderArea, 1, 0x61);
    EXPECT_EQ(readIntoMarkedRecord(&untouched), 0x61);
    EXPECT_TRUE(untouched);

    for (int nth = 1; nth <= GetParam().dataReads; ++nth) {
        card::faults::reset();
        card::faults::inject(FaultKind::NIMBOReadDataArea, nth, uint8_t(0x61 + nth));
        EXPECT_EQ(readIntoMarkedRecord(&untouched), 0x61 + nth) << "data read " << nth;
        EXPECT_TRUE(untouched);
        EXPECT_EQ(card::faults::callCount(FaultKind::NIMBOReadDataArea), nth);
    }

    card::faults::reset();
    readerio::PowerCard(readerio::POWER_OFF);
    EXPECT_EQ(readIntoMarkedRecord(&untouched), card::kStatusNotPowered);
    card::eject();
    EXPECT_EQ(readIntoMarkedRecord(&untouched), card::kStatusNoCard);
    EXPECT_EQ(GetParam().read(nullptr), card::kStatusBadArgument);
}

INSTANTIATE_TEST_SUITE_P(Readers, SetupCardReaderFailure, ::testing::ValuesIn(readerCases()),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
