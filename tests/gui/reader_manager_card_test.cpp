// The card actions of Reader Manager: the reader panel, setup cards and setup
// files from record files.
#include "reader_manager_fixture.h"

#include <QDir>

namespace {

using promptui::MB_ICONINFORMATION;

constexpr uint16_t kHostCustomer = 0x1234;

// A Retrofit record; the host puts its own customer id over the record's.
const QByteArray kRecord = testfiles::bytesOf(testfiles::setupRecord(0xB8, 125, 0x9999));

class ReaderManagerCards : public ReaderManagerTest {
protected:
    void SetUp() override
    {
        window_ = makeWindow();
        window_->setCustomerId(kHostCustomer);
        ASSERT_TRUE(testfiles::write(recordFile(), kRecord));
    }

    readermanager::MainWindow& window() { return *window_; }
    QString readerCardFile() const { return QDir(dataFolder()).filePath("reader-card.lcard"); }
    QString recordFile() const { return path("retrofit.rec"); }

private:
    std::unique_ptr<readermanager::MainWindow> window_;
};

TEST_F(ReaderManagerCards, NewBlankCardAndInsertCardFileUpdateThePanel)
{
    const QString blank = path("blank.lcard");
    ASSERT_TRUE(window().newBlankCard(blank));
    EXPECT_EQ(onDisk(blank), card::CardState::factoryFresh());
    EXPECT_EQ(shown(window(), "cardFileLabel"), QDir::toNativeSeparators(blank));

    card::NewCardFileOptions options = initialised(210, 4660, 2);
    options.pom = true;
    const QString other = insertCard(options, "other.lcard");
    ASSERT_TRUE(window().insertCard(other));
    EXPECT_EQ(shown(window(), "cardFileLabel"), QDir::toNativeSeparators(other));
    EXPECT_EQ(shown(window(), "cardTypeLabel"), "Reader Data Collection Card (210)");
    EXPECT_EQ(shown(window(), "cardCustomerIdLabel"), "4660");
    EXPECT_EQ(shown(window(), "cardChipLabel"), "2 (POM)");
    EXPECT_EQ(shown(window(), "cardView"), card::cardToText(onDisk(other)));
}

TEST_F(ReaderManagerCards, CardFileThatCannotBeUsedIsRefusedAndTheOldCardStays)
{
    const QString damaged = path("damaged.lcard");
    ASSERT_TRUE(testfiles::write(damaged, "LCIF and then nothing useful"));
    EXPECT_FALSE(window().insertCard(damaged));
    expectOnly("Could not insert the card file " + QDir::toNativeSeparators(damaged) + ":\n",
               false);
    EXPECT_EQ(shown(window(), "cardFileLabel"), QDir::toNativeSeparators(readerCardFile()));
}

TEST_F(ReaderManagerCards, SetupCardCarriesTheHostsCustomerIdAndShowsInThePanelAndDetails)
{
    EXPECT_EQ(shown(window(), "cardDetailsView"), "Blank card: it holds no laundry data yet.");
    ASSERT_TRUE(window().writeSetupCardFromRecord(recordFile()));
    expectOnly("Reader Setup Card Created", true, MB_ICONINFORMATION);
    const card::CardState written = onDisk(readerCardFile());
    EXPECT_EQ(written.cardType(), 184);
    EXPECT_EQ(written.custId(), kHostCustomer);
    EXPECT_EQ(written.version(), 2);
    EXPECT_EQ(shown(window(), "cardTypeLabel"), "Retrofit Setup Card (184)");
    EXPECT_EQ(shown(window(), "cardVersionLabel"), "2");
    const QString details = shown(window(), "cardDetailsView");
    EXPECT_TRUE(details.contains("\nMachine Make: Maytag\n")) << details.toStdString();
    EXPECT_FALSE(card::isPowered());
}

TEST_F(ReaderManagerCards, RecordFilesOfTheWrongSizeOrAnEmptyReaderAreRefused)
{
    const QString file = path("bad.rec");
    for (const QByteArray& bytes : {kRecord.left(879), kRecord + '\0', QByteArray()}) {
        ASSERT_TRUE(testfiles::write(file, bytes));
        EXPECT_FALSE(window().writeSetupCardFromRecord(file));
        expectOnly("Could not read the setup record:\nrecord file " + file, false);
    }
    EXPECT_FALSE(window().writeSetupFileFromRecord(path("none.rec"), path("setup.lcard")));
    expectOnly("Could not read the setup record:\ncannot open record file", false);
    EXPECT_FALSE(QFile::exists(path("setup.lcard")));
    EXPECT_EQ(onDisk(readerCardFile()), card::CardState::factoryFresh());

    window().ejectCard();
    EXPECT_FALSE(window().writeSetupCardFromRecord(recordFile()));
    expectOnly("There is no card in the reader.", false);
}

TEST_F(ReaderManagerCards, SetupFileIsWrittenWithTheHostsCustomerIdAndLeavesTheReaderAlone)
{
    const QString setupFile = path("setup.lcard");
    ASSERT_TRUE(window().writeSetupFileFromRecord(recordFile(), setupFile));
    expectOnly("Reader Setup File Created", true, MB_ICONINFORMATION);
    EXPECT_EQ(onDisk(setupFile).cardType(), 184);
    EXPECT_EQ(onDisk(setupFile).custId(), kHostCustomer);
    EXPECT_EQ(onDisk(readerCardFile()), card::CardState::factoryFresh());

    // Into the reader's own card file: the reader holds what is on disk now,
    // so a later change of the card cannot save an older copy over it.
    ASSERT_TRUE(window().writeSetupFileFromRecord(recordFile(), readerCardFile()));
    ASSERT_TRUE(card::hasCard());
    EXPECT_EQ(*card::insertedCard(), onDisk(readerCardFile()));
    EXPECT_EQ(shown(window(), "cardTypeLabel"), "Retrofit Setup Card (184)");
}

TEST_F(ReaderManagerCards, SetupFileThatCannotBeWrittenIsReported)
{
    EXPECT_FALSE(window().writeSetupFileFromRecord(recordFile(), path("missing-folder/s.lcard")));
    expectOnly("Could not write the setup file", false);

    // An existing file that is no card image file is refused, not replaced.
    const QString damaged = path("damaged.lcard");
    ASSERT_TRUE(testfiles::write(damaged, "not a card image file"));
    EXPECT_FALSE(window().writeSetupFileFromRecord(recordFile(), damaged));
    expectOnly("Could not write the setup file " + QDir::toNativeSeparators(damaged) + ":\n",
               false);
    EXPECT_EQ(testfiles::bytes(damaged), "not a card image file");
}

TEST_F(ReaderManagerCards, ReadSetupCardShowsTheFieldsOfTheCardInTheReader)
{
    // The blank card of the first run is no setup card.
    EXPECT_FALSE(window().readSetupCard());
    expectOnly("The card in the reader is not a Retrofit or Maytag Gen2 setup card, or it could "
               "not be read.");

    ASSERT_TRUE(window().writeSetupCardFromRecord(recordFile()));
    script().clear();
    ASSERT_TRUE(window().readSetupCard());
    ASSERT_EQ(script().messages().size(), 1u);
    const ui::RecordedMessage& box = script().messages()[0];
    EXPECT_EQ(box.caption, "Setup Card");
    EXPECT_TRUE(box.text.contains("Card version: 2")) << box.text.toStdString();
    EXPECT_TRUE(box.text.contains("Vend price: $1.25\n")) << "money as money";
    EXPECT_FALSE(card::isPowered());
}

} // namespace
