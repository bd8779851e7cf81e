#include "card_test_support.h"
#include "support/failing_saves.h"

#include <QDir>
#include <QFileInfo>
#include <QtEndian>

using card::CardState;

namespace {

CardState sampleCard()
{
    CardState card = initialisedCard(0, 2, true);
    card.header = {0xB9, 0x12, 0x34, 0x01, 0, 0, 0, 0};
    card.files[0x2001] = {0xAA, 0xBB};
    return card;
}

QByteArray sampleBytes()
{
    return card::encodeCardImages({sampleCard()});
}

QString decodeError(const QByteArray& bytes)
{
    std::vector<CardState> images;
    const QString error = card::decodeCardImages(bytes, &images);
    EXPECT_EQ(images.empty(), !error.isEmpty());
    return error;
}

} // namespace

TEST(CardImageFile, EncodesTheDocumentedLayout)
{
    // "LCIF", format version 1, one image: chip 2, flags pom | initialised,
    // header, keys, one file (id 0x2001, extent 2, bytes), then the CRC-32 of
    // all before it.
    const QByteArray expected = QByteArray::fromHex("4c434946 0100 0000 01000000"
                                                    "02 03 0000 b912340100000000"
                                                    "5a512d464143544f52592d4b45595321"
                                                    "01000000 0120 0000 02000000 aabb 30f86ec6");
    EXPECT_EQ(sampleBytes().toHex(), expected.toHex());
}

TEST(CardImageFile, RoundTripsSeveralImagesWithTheirExtents)
{
    CardState blank = CardState::factoryFresh(1);
    CardState setup = sampleCard();
    setup.files[0x2001].resize(card::kCardFileMaxBytes, 0x5A);
    setup.files[0x0010] = {}; // present but empty
    CardState other = initialisedCard(0, 3);
    other.keys = card::kManagementKeySet;
    other.files[0xFFFF] = {1, 2, 3};
    other.files[0x0000] = std::vector<uint8_t>(card::kImageFileMaxBytes, 0x11);
    const std::vector<CardState> images = {blank, setup, other};

    std::vector<CardState> decoded;
    ASSERT_EQ(card::decodeCardImages(card::encodeCardImages(images), &decoded), QString());
    EXPECT_EQ(decoded, images);
}

TEST(CardImageFile, RefusesEachKindOfDamage)
{
    // A value put at an offset of the one-image sample (1 or 4 bytes, little
    // endian); the CRC is left stale, so each check must come before it.
    const struct {
        int at, width;
        uint32_t value;
        const char* error;
    } cases[] = {
        {0, 1, 'X', "not a card image file (wrong magic)"},
        {4, 1, 2, "unsupported card image format version 2 (this program reads version 1)"},
        {52, 1, 0, "checksum mismatch (stored c66ef830, computed 9286ac53)"},
        {8, 4, 0, "the file holds no card images"},
        {8, 4, 0xFFFFFFFF, "image count 4294967295 runs past the end of the file"},
        {13, 1, 0x83, "image 0 has unknown flags 0x83"},
        {48, 4, card::kImageFileMaxBytes + 1,
         "file 0x2001 of image 0 holds 1048577 bytes, more than the 1048576 allowed"},
    };
    for (const auto& c : cases) {
        QByteArray bytes = sampleBytes();
        if (c.width == 1)
            bytes[c.at] = char(c.value);
        else
            qToLittleEndian(c.value, bytes.data() + c.at);
        EXPECT_EQ(decodeError(bytes), c.error);
    }
    EXPECT_EQ(decodeError(sampleBytes() + '\0'), "1 unexpected bytes after the checksum");
}

TEST(CardImageFile, RefusesEveryTruncationAndEverySingleByteCorruption)
{
    CardState second = sampleCard();
    second.files[0x0001] = {9, 8, 7};
    const QByteArray whole = card::encodeCardImages({sampleCard(), second});
    for (int length = 0; length < whole.size(); ++length) {
        const QString error = decodeError(whole.left(length));
        EXPECT_TRUE(error.contains("truncated") || error.contains("past the end"))
            << "length " << length << ": " << error.toStdString();
    }
    for (int at = 0; at < whole.size(); ++at) {
        for (const uint8_t flip : {0x01, 0x80, 0xFF}) {
            QByteArray bytes = whole;
            bytes[at] = static_cast<char>(bytes[at] ^ flip);
            EXPECT_FALSE(decodeError(bytes).isEmpty()) << "byte " << at << " ^ " << int(flip);
        }
    }
}

TEST_F(CardStackTest, AFailedSaveLeavesTheOldFileIntact)
{
    const QString file = writeImages("card.lcif", {sampleCard()});
    const QByteArray before = testfiles::bytes(file);

    // A full disk at any write or at the commit: the old file stays, no
    // temporary file is left, and the caller learns why.
    for (const FailingSaves::At at : {FailingSaves::At::Write, FailingSaves::At::Commit}) {
        FailingSaves full(at);
        const QString error = card::saveCardImageFile(file, {CardState::factoryFresh()});
        EXPECT_TRUE(full.fired());
        EXPECT_EQ(error, "cannot write card image file " + file + ": No space left on device");
        EXPECT_EQ(testfiles::bytes(file), before);
        EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"card.lcif"});
    }
    // A new file that cannot be written does not appear at all.
    FailingSaves full(FailingSaves::At::Write);
    EXPECT_FALSE(card::saveCardImageFile(path("new.lcif"), {sampleCard()}).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(path("new.lcif")));
}
