#include "card_test_support.h"
#include "support/failing_saves.h"

#include "card/crc32.h"
#include "card/fault_injection.h"

#include <QDir>
#include <QFileInfo>
#include <QtEndian>

using card::CardState;

namespace {

CardState sampleCard()
{
    CardState card = CardState::factoryFresh(2, true);
    card.initialise();
    card.header = {0xB9, 0x12, 0x34, 0x01, 0, 0, 0, 0};
    card.files[0x2001] = {0xAA, 0xBB};
    return card;
}

QByteArray sampleBytes()
{
    return card::encodeCardImages({sampleCard()});
}

void putLe32(QByteArray& bytes, int offset, uint32_t value)
{
    qToLittleEndian(value, bytes.data() + offset);
}

// Recomputes the trailing CRC so a test reaches the check behind it.
void fixCrc(QByteArray& bytes)
{
    const int body = bytes.size() - 4;
    putLe32(bytes, body, card::crc32(reinterpret_cast<const uint8_t*>(bytes.constData()), body));
}

QString decodeError(const QByteArray& bytes)
{
    std::vector<CardState> images;
    const QString error = card::decodeCardImages(bytes, &images);
    EXPECT_EQ(images.empty(), !error.isEmpty());
    return error;
}

// Offsets in the one-image, one-file sample.
constexpr int kImageCountOffset = 8;
constexpr int kFlagsOffset = 13;
constexpr int kFileCountOffset = 40;
constexpr int kFileIdOffset = 44;
constexpr int kExtentOffset = 48;
constexpr int kFileDataOffset = 52;

} // namespace

TEST(Crc32, MatchesTheStandardCheckValue)
{
    const QByteArray text("123456789");
    EXPECT_EQ(card::crc32(reinterpret_cast<const uint8_t*>(text.constData()), text.size()),
              0xCBF43926u);
    EXPECT_EQ(card::crc32(nullptr, 0), 0u);
}

TEST(CardImageFile, EncodesTheDocumentedLayout)
{
    const QByteArray bytes = sampleBytes();
    const QByteArray expected = QByteArray::fromHex("4c434946" // "LCIF"
                                                    "0100"     // format version
                                                    "0000"
                                                    "01000000" // one image
                                                    "02"       // chip
                                                    "03"       // pom | initialised
                                                    "0000"
                                                    "b912340100000000"                 // header
                                                    "5a512d464143544f52592d4b45595321" // keys
                                                    "01000000"                         // one file
                                                    "0120"                             // id 0x2001
                                                    "0000"
                                                    "02000000" // extent
                                                    "aabb");
    ASSERT_EQ(bytes.size(), expected.size() + 4);
    EXPECT_EQ(bytes.left(expected.size()).toHex(), expected.toHex());
    const uint32_t crc =
        card::crc32(reinterpret_cast<const uint8_t*>(expected.constData()), expected.size());
    EXPECT_EQ(qFromLittleEndian<uint32_t>(bytes.constData() + expected.size()), crc);
}

TEST(CardImageFile, RoundTripsSeveralImagesWithTheirExtents)
{
    CardState blank = CardState::factoryFresh(1);
    CardState setup = sampleCard();
    setup.files[0x2001].resize(card::kCardFileMaxBytes, 0x5A);
    setup.files[0x0010] = {}; // present but empty
    CardState other = CardState::factoryFresh(3);
    other.initialise();
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
    QByteArray bytes = sampleBytes();
    bytes[0] = 'X';
    EXPECT_EQ(decodeError(bytes), "not a card image file (wrong magic)");

    bytes = sampleBytes();
    bytes[4] = 2;
    EXPECT_EQ(decodeError(bytes),
              "unsupported card image format version 2 (this program reads version 1)");

    bytes = sampleBytes();
    bytes[kFileDataOffset] = 0x00;
    EXPECT_TRUE(decodeError(bytes).startsWith("checksum mismatch (stored "))
        << decodeError(bytes).toStdString();

    bytes = sampleBytes();
    bytes[bytes.size() - 1] = static_cast<char>(bytes[bytes.size() - 1] ^ 0x01);
    EXPECT_TRUE(decodeError(bytes).startsWith("checksum mismatch"));

    bytes = sampleBytes() + QByteArray(1, '\0');
    EXPECT_EQ(decodeError(bytes), "1 unexpected bytes after the checksum");

    bytes = sampleBytes();
    putLe32(bytes, kImageCountOffset, 0);
    EXPECT_EQ(decodeError(bytes), "the file holds no card images");

    bytes = sampleBytes();
    putLe32(bytes, kImageCountOffset, 0xFFFFFFFF);
    EXPECT_EQ(decodeError(bytes), "image count 4294967295 runs past the end of the file");

    bytes = sampleBytes();
    putLe32(bytes, kFileCountOffset, 100000);
    EXPECT_EQ(decodeError(bytes), "file count 100000 of image 0 runs past the end of the file");

    bytes = sampleBytes();
    putLe32(bytes, kExtentOffset, 5000);
    EXPECT_EQ(decodeError(bytes),
              "file 0x2001 of image 0: 5000 bytes run past the end of the file");

    bytes = sampleBytes();
    putLe32(bytes, kExtentOffset, card::kImageFileMaxBytes + 1);
    EXPECT_EQ(decodeError(bytes),
              "file 0x2001 of image 0 holds 1048577 bytes, more than the 1048576 allowed");

    bytes = sampleBytes();
    bytes[kFlagsOffset] = static_cast<char>(0x83);
    EXPECT_EQ(decodeError(bytes), "image 0 has unknown flags 0x83");
}

TEST(CardImageFile, RefusesADuplicateFileId)
{
    CardState card = sampleCard();
    card.files[0x2002] = {0x01};
    QByteArray bytes = card::encodeCardImages({card});
    // The second file record follows the first one's two data bytes.
    const int secondId = kFileIdOffset + 8 + 2;
    ASSERT_EQ(qFromLittleEndian<uint16_t>(bytes.constData() + secondId), 0x2002);
    qToLittleEndian<uint16_t>(0x2001, bytes.data() + secondId);
    fixCrc(bytes);
    EXPECT_EQ(decodeError(bytes), "file 0x2001 appears twice in image 0");
}

TEST(CardImageFile, RefusesEveryTruncation)
{
    CardState second = sampleCard();
    second.files[0x0001] = {9, 8, 7};
    const QByteArray whole = card::encodeCardImages({sampleCard(), second});
    for (int length = 0; length < whole.size(); ++length) {
        const QString error = decodeError(whole.left(length));
        EXPECT_TRUE(error.contains("truncated") || error.contains("past the end"))
            << "length " << length << ": " << error.toStdString();
    }
}

TEST(CardImageFile, RefusesEverySingleByteCorruption)
{
    const QByteArray whole = sampleBytes();
    for (int at = 0; at < whole.size(); ++at) {
        for (const uint8_t flip : {0x01, 0x80, 0xFF}) {
            QByteArray bytes = whole;
            bytes[at] = static_cast<char>(bytes[at] ^ flip);
            EXPECT_FALSE(decodeError(bytes).isEmpty()) << "byte " << at << " ^ " << int(flip);
        }
    }
}

TEST_F(CardStackTest, LoadingNamesTheFileAndTheFault)
{
    std::vector<CardState> images;
    const QString missing = path("missing.lcif");
    EXPECT_TRUE(card::loadCardImageFile(missing, &images)
                    .startsWith("cannot open card image file " + missing));

    const QString damaged = path("damaged.lcif");
    writeFile(damaged, sampleBytes().left(10));
    EXPECT_EQ(card::loadCardImageFile(damaged, &images),
              "card image file " + damaged + " is damaged: file is truncated (10 bytes)");
    EXPECT_TRUE(images.empty());
}

TEST_F(CardStackTest, AFailedSaveLeavesTheOldFileIntact)
{
    const QString file = writeImages("card.lcif", {sampleCard()});
    const QByteArray before = readFile(file);

    // A full disk at any write or at the commit: the old file stays, no
    // temporary file is left, and the caller learns why.
    for (const FailingSaves::At at : {FailingSaves::At::Write, FailingSaves::At::Commit}) {
        FailingSaves full(at);
        const QString error = card::saveCardImageFile(file, {CardState::factoryFresh()});
        EXPECT_TRUE(full.fired());
        EXPECT_EQ(error, "cannot write card image file " + file + ": No space left on device");
        EXPECT_EQ(readFile(file), before);
        EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"card.lcif"});
    }
    // A new file that cannot be written does not appear at all.
    FailingSaves full(FailingSaves::At::Write);
    EXPECT_FALSE(card::saveCardImageFile(path("new.lcif"), {sampleCard()}).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(path("new.lcif")));
}

TEST_F(CardStackTest, SavingAfterAFailureWritesTheNewContent)
{
    const QString file = writeImages("card.lcif", {sampleCard()});

    EXPECT_EQ(card::saveCardImageFile(file, {CardState::factoryFresh()}), QString());
    EXPECT_EQ(cardOnDisk(file), CardState::factoryFresh());
}
