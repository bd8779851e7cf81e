// The card actions of Reader Manager: the reader panel, setup cards and setup
// files from record files.
#include "reader_manager_fixture.h"

#include "card/card_dump.h"

#include <QDir>

#include <cstring>

namespace {

using promptui::MB_ICONERROR;
using promptui::MB_ICONINFORMATION;

constexpr uint16_t kHostCustomer = 0x1234;

STRUCT_laundry_setup retrofitRecord()
{
    STRUCT_laundry_setup record;
    std::memset(&record, 0xA5, sizeof record);
    clear_laundry_setup_struct(&record);
    record.card_type_code = 0xB8;
    record.word_02 = 0x9999; // the host puts its own customer id here
    return record;
}

QByteArray bytesOf(const STRUCT_laundry_setup& record)
{
    return QByteArray(reinterpret_cast<const char*>(&record), sizeof record);
}

class ReaderManagerCards : public ReaderManagerTest {
protected:
    void SetUp() override
    {
        window_ = makeWindow();
        window_->setCustomerId(kHostCustomer);
        recordFile_ = path("retrofit.rec");
        writeFile(recordFile_, bytesOf(retrofitRecord()));
    }

    readermanager::MainWindow& window() { return *window_; }
    QString readerCardFile() const { return QDir(dataFolder()).filePath("reader-card.lcard"); }
    const QString& recordFile() const { return recordFile_; }

    void expectOnlyMessage(const QString& text, const QString& caption, unsigned icon)
    {
        ASSERT_EQ(script().messages().size(), 1u)
            << script().messageTexts().join(" | ").toStdString();
        EXPECT_EQ(script().messages()[0].text, text);
        EXPECT_EQ(script().messages()[0].caption, caption);
        EXPECT_EQ(script().messages()[0].icon, icon);
    }

private:
    std::unique_ptr<readermanager::MainWindow> window_;
    QString recordFile_;
};

TEST_F(ReaderManagerCards, NewBlankCardAndInsertCardFileUpdateThePanel)
{
    const QString blank = path("blank.lcard");
    ASSERT_TRUE(window().newBlankCard(blank));
    EXPECT_EQ(onDisk(blank), card::CardState::factoryFresh());
    EXPECT_EQ(card::cardFilePath(), blank);
    EXPECT_EQ(label(window(), "cardFileLabel"), QDir::toNativeSeparators(blank));
    EXPECT_EQ(label(window(), "cardTypeLabel"), "New Card (255)");

    const QString other = path("other.lcard");
    card::NewCardFileOptions options;
    options.type = 210;
    options.custId = 4660;
    options.chip = 2;
    options.pom = true;
    ASSERT_EQ(card::createCardImageFile(other, options), QString());
    ASSERT_TRUE(window().insertCard(other));
    EXPECT_EQ(label(window(), "cardFileLabel"), QDir::toNativeSeparators(other));
    EXPECT_EQ(label(window(), "cardTypeLabel"), "Reader Data Collection Card (210)");
    EXPECT_EQ(label(window(), "cardCustomerIdLabel"), "4660");
    EXPECT_EQ(label(window(), "cardVersionLabel"), "0");
    EXPECT_EQ(label(window(), "cardChipLabel"), "2 (POM)");
    EXPECT_EQ(cardView(window()), card::cardToText(onDisk(other)));

    // A type without a name carries its number once.
    options.type = 7;
    ASSERT_EQ(card::createCardImageFile(other, options), QString());
    ASSERT_TRUE(window().insertCard(other));
    EXPECT_EQ(label(window(), "cardTypeLabel"), "Unknown Card Type (7)");
    EXPECT_TRUE(script().messages().empty());
}

TEST_F(ReaderManagerCards, CardFileThatCannotBeUsedIsRefusedAndTheOldCardStays)
{
    const QString damaged = path("damaged.lcard");
    writeFile(damaged, "LCIF and then nothing useful");
    EXPECT_FALSE(window().insertCard(damaged));
    ASSERT_EQ(script().messages().size(), 1u);
    EXPECT_TRUE(script().messages()[0].text.startsWith("Could not insert the card file " +
                                                       QDir::toNativeSeparators(damaged) + ":\n"));
    EXPECT_EQ(script().messages()[0].caption, "ERROR: Reader Manager");
    EXPECT_EQ(card::cardFilePath(), readerCardFile());
    EXPECT_EQ(label(window(), "cardFileLabel"), QDir::toNativeSeparators(readerCardFile()));

    EXPECT_FALSE(window().newBlankCard(path("missing-folder/blank.lcard")));
    ASSERT_EQ(script().messages().size(), 2u);
    EXPECT_TRUE(script().messages()[1].text.startsWith("Could not create the card file"));
    EXPECT_EQ(card::cardFilePath(), readerCardFile());
}

TEST_F(ReaderManagerCards, EjectEmptiesThePanel)
{
    window().ejectCard();
    EXPECT_FALSE(card::hasCard());
    EXPECT_EQ(label(window(), "cardFileLabel"), "No card in the reader");
    for (const char* name :
         {"cardTypeLabel", "cardCustomerIdLabel", "cardVersionLabel", "cardChipLabel"})
        EXPECT_EQ(label(window(), name), QString()) << name;
    EXPECT_EQ(cardView(window()), QString());
}

TEST_F(ReaderManagerCards, SetupCardFromARetrofitRecordCarriesTheHostsCustomerId)
{
    ASSERT_TRUE(window().writeSetupCardFromRecord(recordFile()));
    expectOnlyMessage("Reader Setup Card Created", "SUCCESS: Reader Manager", MB_ICONINFORMATION);
    const card::CardState written = onDisk(readerCardFile());
    EXPECT_EQ(written.cardType(), 184);
    EXPECT_EQ(written.custId(), kHostCustomer);
    EXPECT_EQ(written.version(), 2);
    EXPECT_EQ(label(window(), "cardTypeLabel"), "Retrofit Setup Card (184)");
    EXPECT_EQ(label(window(), "cardCustomerIdLabel"), "4660");
    EXPECT_EQ(label(window(), "cardVersionLabel"), "2");
    EXPECT_EQ(cardView(window()), card::cardToText(written));

    // The host hands its customer id to the library: its own card is
    // rewritten, another customer's is not.
    script().clear();
    ASSERT_TRUE(window().writeSetupCardFromRecord(recordFile()));
    expectOnlyMessage("Reader Setup Card Created", "SUCCESS: Reader Manager", MB_ICONINFORMATION);

    script().clear();
    window().setCustomerId(0x4321);
    EXPECT_FALSE(window().writeSetupCardFromRecord(recordFile()));
    expectOnlyMessage("You are not allowed access! Wrong Customer Id!", "ERROR: Reader Manager",
                      MB_ICONERROR);
    EXPECT_EQ(onDisk(readerCardFile()), written);
    EXPECT_EQ(label(window(), "cardCustomerIdLabel"), "4660");
}

TEST_F(ReaderManagerCards, RecordFileOfTheWrongSizeIsRefused)
{
    const QByteArray record = bytesOf(retrofitRecord());
    const QString file = path("bad.rec");
    const QString head = "Could not read the setup record:\nrecord file " + file;
    for (const QByteArray& bytes : {record.left(879), record + '\0', QByteArray()}) {
        script().clear();
        writeFile(file, bytes);
        EXPECT_FALSE(window().writeSetupCardFromRecord(file));
        expectOnlyMessage(bytes.size() > 880
                              ? head + " is larger than the 880 bytes such a file may hold"
                              : head +
                                    QStringLiteral(" holds %1 bytes; a setup record is 880 bytes")
                                        .arg(bytes.size()),
                          "ERROR: Reader Manager", MB_ICONERROR);
        EXPECT_TRUE(script().progressWindows().empty());
    }
    script().clear();
    EXPECT_FALSE(window().writeSetupFileFromRecord(path("none.rec"), path("setup.lcard")));
    ASSERT_EQ(script().messages().size(), 1u);
    EXPECT_TRUE(script().messages()[0].text.startsWith(
        "Could not read the setup record:\ncannot open record file"));
    EXPECT_FALSE(QFile::exists(path("setup.lcard")));
    EXPECT_EQ(onDisk(readerCardFile()), card::CardState::factoryFresh());
}

TEST_F(ReaderManagerCards, SetupCardNeedsACardInTheReader)
{
    window().ejectCard();
    EXPECT_FALSE(window().writeSetupCardFromRecord(recordFile()));
    ASSERT_EQ(script().messages().size(), 1u);
    EXPECT_TRUE(script().messages()[0].text.startsWith("There is no card in the reader."));
    EXPECT_TRUE(script().progressWindows().empty());
}

TEST_F(ReaderManagerCards, SetupFileIsWrittenWithTheHostsCustomerIdAndReadsBack)
{
    const QString setupFile = path("setup.lcard");
    ASSERT_TRUE(window().writeSetupFileFromRecord(recordFile(), setupFile));
    expectOnlyMessage("Reader Setup File Created", "SUCCESS: Reader Manager", MB_ICONINFORMATION);
    const card::CardState written = onDisk(setupFile);
    EXPECT_EQ(written.cardType(), 184);
    EXPECT_EQ(written.custId(), kHostCustomer);
    // The card in the reader is not touched.
    EXPECT_EQ(onDisk(readerCardFile()), card::CardState::factoryFresh());
    EXPECT_EQ(label(window(), "cardTypeLabel"), "New Card (255)");

    ASSERT_TRUE(window().insertCard(setupFile));
    EXPECT_EQ(label(window(), "cardTypeLabel"), "Retrofit Setup Card (184)");
    EXPECT_EQ(label(window(), "cardCustomerIdLabel"), "4660");
}

TEST_F(ReaderManagerCards, SetupFileIntoTheReadersOwnCardFileShowsInThePanel)
{
    ASSERT_TRUE(window().writeSetupFileFromRecord(recordFile(), readerCardFile()));
    // The reader holds what is on disk now, so a later change of the card
    // cannot save an older copy over the setup data.
    ASSERT_TRUE(card::hasCard());
    EXPECT_EQ(*card::insertedCard(), onDisk(readerCardFile()));
    EXPECT_EQ(label(window(), "cardTypeLabel"), "Retrofit Setup Card (184)");
}

TEST_F(ReaderManagerCards, SetupFileThatCannotBeWrittenIsReported)
{
    EXPECT_FALSE(window().writeSetupFileFromRecord(recordFile(), path("missing-folder/s.lcard")));
    ASSERT_EQ(script().messages().size(), 1u);
    EXPECT_TRUE(script().messages()[0].text.startsWith("Could not write the setup file"));

    // An existing file that is no card image file is refused, not replaced.
    script().clear();
    const QString damaged = path("damaged.lcard");
    writeFile(damaged, "not a card image file");
    EXPECT_FALSE(window().writeSetupFileFromRecord(recordFile(), damaged));
    ASSERT_EQ(script().messages().size(), 1u) << script().messageTexts().join(" | ").toStdString();
    EXPECT_TRUE(script().messages()[0].text.startsWith("Could not write the setup file " +
                                                       QDir::toNativeSeparators(damaged) + ":\n"));
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "not a card image file");
}

} // namespace

TEST_F(ReaderManagerCards, ReadSetupCardShowsTheFieldsOfTheCardInTheReader)
{
    ASSERT_TRUE(window().writeSetupCardFromRecord(recordFile()));
    script().clear();
    ASSERT_TRUE(window().readSetupCard());
    ASSERT_EQ(script().messages().size(), 1u);
    const QString shown = script().messages()[0].text;
    EXPECT_EQ(script().messages()[0].caption, "Setup Card");
    EXPECT_TRUE(shown.contains("Card version: 2")) << shown.toStdString();
    EXPECT_TRUE(shown.contains("Customer id: 4660")) << shown.toStdString();
    EXPECT_FALSE(card::isPowered());
}

TEST_F(ReaderManagerCards, ReadSetupCardOnACardOfAnotherKindSaysSo)
{
    // The blank card of the first run is no setup card.
    EXPECT_FALSE(window().readSetupCard());
    expectOnlyMessage("The card in the reader is not a Retrofit or Maytag Gen2 setup card, or it "
                      "could not be read.",
                      "ERROR: Reader Manager", MB_ICONERROR);
}

TEST_F(ReaderManagerCards, CardDetailsShowTheLibrarysReportOfTheCardInTheReader)
{
    const auto details = [this] {
        const auto* view = window().findChild<QPlainTextEdit*>(QStringLiteral("cardDetailsView"));
        EXPECT_NE(view, nullptr);
        return view ? view->toPlainText() : QString();
    };
    EXPECT_EQ(details(), ""); // a blank card has no report
    ASSERT_TRUE(window().writeSetupCardFromRecord(recordFile()));
    const QString shown = details();
    EXPECT_TRUE(shown.contains("\nMachine Make: Maytag\n")) << shown.toStdString();
    EXPECT_FALSE(shown.contains('\r'));
    EXPECT_FALSE(card::isPowered());
    window().ejectCard();
    EXPECT_EQ(details(), "");
}
