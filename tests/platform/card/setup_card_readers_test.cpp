#include "card_test_support.h"

#include "card/card_images.h"
#include "card/card_status.h"
#include "card/fault_injection.h"
#include "laundry/advanteck_setup_card.h"
#include "laundry/gen2_setup_card.h"
#include "laundry/mdc_setup_card.h"
#include "laundry/setup_cards.h"
#include "laundry/tovan2000_setup_card.h"
#include "services/cardlayout.h"
#include "setup/advanteck_layout.h"
#include "setup/gen2_layout.h"
#include "setup/mdc_layout.h"
#include "setup/retrofit_layout.h"
#include "setup/setup_record.h"
#include "setup/tovan2000_layout.h"

#include <cstring>
#include <functional>
#include <initializer_list>

using namespace cardlayout;
using card::FaultKind;
using testfiles::bytesOf;

namespace {

// Every byte differs from its neighbours, so a field a reader takes from the
// wrong card offset shows.
template <typename T> T distinctBytes(int first, int step)
{
    T r;
    auto* bytes = reinterpret_cast<uint8_t*>(&r);
    for (std::size_t i = 0; i < sizeof r; ++i)
        bytes[i] = uint8_t(first + int(i) * step);
    return r;
}

STRUCT_laundry_setup setupRecord(uint16_t cardTypeCode)
{
    auto r = distinctBytes<STRUCT_laundry_setup>(0x21, 7);
    r.card_type_code = cardTypeCode;
    r.word_02 = 0x1234;
    r.byte_138 = 4; // the MDC card's version
    return r;
}

class SetupCardReaders : public CardStackTest {
protected:
    // An initialised card of the type in the reader, powered.
    void insertCard(uint8_t type = 0, uint16_t custId = 0, uint8_t version = 0)
    {
        card::CardState state = initialisedCard(type);
        state.setCustId(custId);
        state.setVersion(version);
        insert(state, true);
    }
};

// What the reader makes of the card in the reader, into a record of 0xCC bytes.
template <typename Card> QByteArray readBack(uint8_t (*read)(Card*))
{
    Card back;
    std::memset(&back, 0xCC, sizeof back);
    EXPECT_EQ(read(&back), 0);
    return bytesOf(back).toHex();
}

// Init for each card: the header is written before any SelectFile.
template <typename Card>
QByteArray roundTrip(uint8_t (*write)(BaseCardImage&, const Card*), const Card& written,
                     uint8_t (*read)(Card*))
{
    card::RexaCard image;
    EXPECT_TRUE(image.Init());
    EXPECT_EQ(write(image, &written), 0);
    return readBack(read);
}

// In hex, `bytes` with only the half-open ranges given kept (the rest 0),
// or with them zeroed.
QByteArray masked(const QByteArray& bytes, std::initializer_list<std::pair<int, int>> ranges,
                  bool keep)
{
    QByteArray out = keep ? QByteArray(bytes.size(), '\0') : bytes;
    for (const auto& [from, to] : ranges)
        out.replace(from, to - from, keep ? bytes.mid(from, to - from) : QByteArray(to - from, 0));
    return out.toHex();
}

GEN2_SETUP_CARD gen2Pattern(uint16_t cardType, uint8_t version)
{
    auto c = distinctBytes<GEN2_SETUP_CARD>(0x20, 1);
    c.card_type = cardType;
    c.card_version = version;
    return c;
}

TEST_F(SetupCardReaders, EachReaderReadsBackWhatTheCardCarries)
{
    insertCard(0xB8, 0x0999);
    const auto retrofit = setup::makeRetrofitRecord(setupRecord(0xB8));
    EXPECT_EQ(roundTrip(&setup::CardSetRetrofitSetup, retrofit, &NIMBOReadRetrofitSetup),
              bytesOf(retrofit).toHex());
    const auto advanteck = setup::makeAdvanteckRecord(setupRecord(0xC0));
    EXPECT_EQ(roundTrip(&setup::CardSetAdvanteckSetup, advanteck, &NIMBOReadAdvanteckSetup),
              bytesOf(advanteck).toHex());
    const auto mdc = setup::makeMdcRecord(setupRecord(0xC1));
    EXPECT_EQ(roundTrip(&setup::CardSetMdcSetup, mdc, &NIMBOReadMdcSetup), bytesOf(mdc).toHex());
    EXPECT_EQ(card::insertedCard()->version(), 4); // the MDC card carries it in the header
    const auto tovan = setup::makeTovan2000Record(setupRecord(0xB4));
    ASSERT_EQ(NIMBOSetTovan2000Setup(&tovan), 0);
    EXPECT_EQ(readBack(&NIMBOReadTovan2000Setup), bytesOf(tovan).toHex());

    // A Gen2 card carries only its head, the top-off price, the texts, the
    // two cycle-time bytes and the version.
    const GEN2_SETUP_CARD gen2 = gen2Pattern(187, 0);
    EXPECT_EQ(roundTrip(&setup::CardSetGen2Setup, gen2, &NIMBOReadGen2Setup),
              masked(bytesOf(gen2), {{0, 9}, {12, 34}, {71, 72}, {73, 74}, {82, 83}}, true));

    // Not on a Gen2 Advanced card: the padding, the top-off price, the setup
    // record's byte 0x101 and the top byte of the 32-bit location number.
    const GEN2_SETUP_CARD advanced = gen2Pattern(185, 1);
    EXPECT_EQ(
        roundTrip(&setup::CardSetGen2Setup, advanced, &NIMBOReadGen2AdvSetup),
        masked(bytesOf(advanced),
               {{10, 14}, {47, 48}, {51, 53}, {64, 65}, {85, 88}, {89, 93}, {95, 96}, {98, 100}},
               false));
}

TEST_F(SetupCardReaders, RetrofitVersionZeroIgnoresAnOldSecondBlock)
{
    insertCard();
    const RETRO_FIT_SETUP_CARD full = setup::makeRetrofitRecord(setupRecord(0xB8));
    card::RexaCard image;
    ASSERT_TRUE(image.Init());
    ASSERT_EQ(setup::CardSetRetrofitSetup(image, &full), 0);
    RETRO_FIT_SETUP_CARD blockOneOnly = full;
    blockOneOnly.card_version = 0;
    ASSERT_EQ(setup::CardSetRetrofitSetup(image, &blockOneOnly), 0);

    RETRO_FIT_SETUP_CARD read{};
    ASSERT_EQ(NIMBOReadRetrofitSetup(&read), 0);
    RETRO_FIT_SETUP_CARD expected = blockOneOnly;
    std::memset(expected.text_lines_24, 0, sizeof expected.text_lines_24);
    std::memset(expected.bytes_9c, 0, sizeof expected.bytes_9c);
    std::memset(expected.words_a4, 0, sizeof expected.words_a4);
    expected.byte_af = 0;
    EXPECT_EQ(bytesOf(read).toHex(), bytesOf(expected).toHex());
}

TEST_F(SetupCardReaders, Tovan2000WriteFailuresLeaveTheHeader)
{
    insertCard(0xB8, 0x0999);
    const TOVAN2000_SETUP_CARD written = setup::makeTovan2000Record(setupRecord(0xB4));
    const card::CardHeader before = card::insertedCard()->header;
    for (const FaultKind kind : {FaultKind::NIMBOSetDataArea, FaultKind::NIMBOSetHeaderArea}) {
        card::faults::inject(kind, 1, 0x5A);
        EXPECT_EQ(NIMBOSetTovan2000Setup(&written), 0x5A);
        EXPECT_EQ(card::insertedCard()->header, before);
    }
}

// Each reader with its card type and number of data-area reads.
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

const std::vector<ReaderCase> kReaders = {
    readerCase("Tovan2000", 0xB4, 1, &NIMBOReadTovan2000Setup),
    readerCase("Retrofit", 0xB8, 2, &NIMBOReadRetrofitSetup),
    readerCase("Advanteck", 0xC0, 2, &NIMBOReadAdvanteckSetup),
    readerCase("Mdc", 0xC1, 1, &NIMBOReadMdcSetup),
    readerCase("Gen2", 0xBB, 1, &NIMBOReadGen2Setup),
    readerCase("Gen2Adv", 0xB9, 1, &NIMBOReadGen2AdvSetup),
};

class SetupCardReaderFailure : public SetupCardReaders,
                               public ::testing::WithParamInterface<ReaderCase> {
protected:
    // Calls the reader on a record of 0xCC bytes, which a failed read leaves so.
    uint8_t failedRead()
    {
        const QByteArray marked(qsizetype(GetParam().size), char(0xCC));
        QByteArray record = marked;
        const uint8_t status = GetParam().read(reinterpret_cast<uint8_t*>(record.data()));
        EXPECT_EQ(record, marked);
        return status;
    }
};

// A blank card and the card of every other reader are refused; a failed card
// call gives its status.
TEST_P(SetupCardReaderFailure, OtherCardsAndFailedReadsLeaveTheRecord)
{
    std::vector<ReaderCase> others = kReaders;
    others.push_back(readerCase("Blank", 0, 0, &NIMBOReadTovan2000Setup));
    for (const ReaderCase& other : others) {
        if (other.cardType == GetParam().cardType)
            continue;
        insertCard(other.cardType, 0x1234);
        EXPECT_EQ(failedRead(), kStatusWrongSetupCardType) << other.name;
    }

    insertCard(GetParam().cardType, 0x1234, 2); // version 2: a Retrofit card has a second block
    card::faults::inject(FaultKind::NIMBOReadHeaderArea, 1, 0x61);
    EXPECT_EQ(failedRead(), 0x61);
    for (int nth = 1; nth <= GetParam().dataReads; ++nth) {
        card::faults::reset();
        card::faults::inject(FaultKind::NIMBOReadDataArea, nth, uint8_t(0x61 + nth));
        EXPECT_EQ(failedRead(), 0x61 + nth) << "data read " << nth;
    }
    card::faults::reset();
    card::eject();
    EXPECT_EQ(failedRead(), card::kStatusNoCard);
}

INSTANTIATE_TEST_SUITE_P(Readers, SetupCardReaderFailure, ::testing::ValuesIn(kReaders),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
