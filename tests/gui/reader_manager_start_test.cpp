// Start-up of Reader Manager: the data folder, the card in the reader, and
// the settings the operator finds again.
#include "reader_manager_fixture.h"

#include "platform/db/db_test_support.h"

#include "services/cardcore.h"
#include "small_screen.h"

#include <QAction>
#include <QDir>
#include <QSpinBox>
#include <QStatusBar>
#include <QTest>

namespace {

TEST_F(ReaderManagerTest, FirstRunCreatesTheDatabaseAndABlankCardAndShowsItUntilEjected)
{
    const auto window = makeWindow();
    EXPECT_TRUE(fitsSmallScreen(*window));
    EXPECT_TRUE(script().messages().empty()) << script().messageTexts().join(" | ").toStdString();

    const QString database = QDir(dataFolder()).filePath("manager.mdb");
    const QString cardFile = QDir(dataFolder()).filePath("reader-card.lcard");
    EXPECT_EQ(window->databasePath(), database);
    EXPECT_TRUE(QFile::exists(database)); // it opens: the later start shows no message
    EXPECT_EQ(shown(*window, "databaseLabel"), "Database: manager.mdb");

    EXPECT_EQ(onDisk(cardFile), card::CardState::factoryFresh());
    EXPECT_EQ(card::cardFilePath(), cardFile);

    EXPECT_EQ(shown(*window, "cardFileLabel"), QDir::toNativeSeparators(cardFile));
    EXPECT_EQ(shown(*window, "cardTypeLabel"), "New Card (255)");
    window->action("ejectCardAction")->trigger();
    EXPECT_FALSE(card::hasCard());
    EXPECT_EQ(shown(*window, "cardFileLabel"), "No card in the reader");
}

TEST_F(ReaderManagerTest, AServerDatabaseInTheSettingsIsOpenedAndShownWithoutItsPassword)
{
    dbtest::TempDatabase server(dbtest::Engine::Postgres);
    DBTEST_REQUIRE(server);
    makeWindow(); // the first run makes the folder's own file
    QString uri = server.path();
    uri.replace("postgresql://laundry@", "postgresql://laundry:secret@"); // trusted: ignored
    QSettings(settingsFile(), QSettings::IniFormat).setValue("host/database", uri);

    const auto window = makeWindow();
    EXPECT_TRUE(script().messages().empty()) << script().messageTexts().join(" | ").toStdString();
    EXPECT_EQ(window->databasePath(), uri);
    const QString label = shown(*window, "databaseLabel");
    EXPECT_TRUE(label.startsWith("Database: postgresql://laundry@/")) << label.toStdString();
    EXPECT_FALSE(window->windowTitle().contains("secret"));
    // Kept as it is, not taken for a path in the data folder.
    EXPECT_EQ(QSettings(settingsFile(), QSettings::IniFormat).value("host/database"), uri);
}

TEST_F(ReaderManagerTest, LaterStartUsesTheFilesAlreadyThere)
{
    makeWindow(); // the first run, closed again
    card::eject();
    ASSERT_EQ(card::createCardImageFile(QDir(dataFolder()).filePath("reader-card.lcard"),
                                        initialised(184, 7)),
              QString());
    const auto window = makeWindow();
    EXPECT_TRUE(script().messages().empty()) << script().messageTexts().join(" | ").toStdString();
    EXPECT_FALSE(window->dataFolder().createdDatabase); // the profiles stay
    EXPECT_EQ(shown(*window, "cardTypeLabel"), "Retrofit Setup Card (184)");
    EXPECT_EQ(shown(*window, "cardCustomerIdLabel"), "7");
}

TEST_F(ReaderManagerTest, DataFolderThatCannotBeMadeIsReportedAndTheWindowGoesOn)
{
    ASSERT_TRUE(testfiles::write(path("blocker"), "a file where a folder should be"));
    const auto window = makeWindow(path("blocker/data"));

    expectOnly("Could not create the data folder", false);
    EXPECT_TRUE(window->databasePath().isEmpty());
    EXPECT_EQ(shown(*window, "databaseLabel"), "No database");
    EXPECT_FALSE(card::hasCard());
    EXPECT_EQ(shown(*window, "cardFileLabel"), "No card in the reader");
}

TEST_F(ReaderManagerTest, DatabaseThatDoesNotOpenIsReportedAndTheCardStillGoesIn)
{
    ASSERT_TRUE(QDir().mkpath(dataFolder()));
    const QString database = QDir(dataFolder()).filePath("manager.mdb");
    ASSERT_TRUE(testfiles::write(database, QByteArray(4096, 'x')));

    const auto window = makeWindow();
    expectOnly("Could not open the database " + QDir::toNativeSeparators(database), false);
    EXPECT_TRUE(window->databasePath().isEmpty());
    EXPECT_EQ(shown(*window, "databaseLabel"), "No database");
    // The file is left for the operator to look at, not replaced.
    EXPECT_EQ(testfiles::bytes(database), QByteArray(4096, 'x'));
    EXPECT_EQ(shown(*window, "cardTypeLabel"), "New Card (255)");
}

TEST_F(ReaderManagerTest, TypedCustomerIdIsRememberedAndADamagedOneIsZero)
{
    {
        const auto window = makeWindow();
        EXPECT_EQ(window->customerId(), 0);
        auto* spin = window->findChild<QSpinBox*>("customerIdSpinBox");
        ASSERT_NE(spin, nullptr);
        EXPECT_EQ(spin->maximum(), 65535);
        spin->selectAll();
        QTest::keyClicks(spin, "4660");
        EXPECT_EQ(window->customerId(), 4660);
    }
    EXPECT_EQ(makeWindow()->customerId(), 4660);

    for (const char* stored : {"99999", "-1", "abc"}) {
        QSettings(settingsFile(), QSettings::IniFormat).setValue("host/customerId", stored);
        EXPECT_EQ(makeWindow()->customerId(), 0) << stored;
    }
}

TEST_F(ReaderManagerTest, DataFolderKeepsItsSettingsAndTheLastCardEvenWhenMoved)
{
    const QString other = path("elsewhere/other.lcard");
    ASSERT_TRUE(QDir().mkpath(path("elsewhere")));
    ASSERT_EQ(card::createCardImageFile(other, initialised(184, 7)), QString());
    {
        const auto window = makeWindow();
        window->setCustomerId(4660);
        QAction* tokens = window->action("tokensEnabledAction");
        ASSERT_NE(tokens, nullptr);
        EXPECT_TRUE(tokens->isChecked());
        tokens->trigger();
        EXPECT_FALSE(cardcore::GetTokensEnabled());
        ASSERT_TRUE(window->insertCard(other));
    }
    EXPECT_TRUE(QFile::exists(settingsFile()));

    // Another folder is another installation: its own defaults and card.
    card::eject();
    const QString second = path("second");
    {
        const auto window = makeWindow(second);
        EXPECT_EQ(window->customerId(), 0);
        EXPECT_EQ(card::cardFilePath(), QDir(second).filePath("reader-card.lcard"));
        ASSERT_TRUE(window->newBlankCard(QDir(second).filePath("inside.lcard")));
    }

    card::resetCardStack(); // an empty reader, the card library's tokens on again
    const auto window = makeWindow();
    EXPECT_EQ(window->customerId(), 4660);
    EXPECT_FALSE(window->action("tokensEnabledAction")->isChecked());
    EXPECT_FALSE(cardcore::GetTokensEnabled());
    EXPECT_EQ(card::cardFilePath(), other);
    EXPECT_EQ(shown(*window, "cardTypeLabel"), "Retrofit Setup Card (184)");
    window->ejectCard();
    EXPECT_FALSE(makeWindow()->dataFolder().cardPath.isEmpty());
    EXPECT_FALSE(card::hasCard()); // left empty, found empty

    // A card inside the folder moves with it.
    card::eject();
    ASSERT_TRUE(QDir().rename(second, path("moved")));
    makeWindow(path("moved"));
    EXPECT_EQ(card::cardFilePath(), QDir(path("moved")).filePath("inside.lcard"));
    EXPECT_TRUE(script().messages().empty()) << script().messageTexts().join(" | ").toStdString();
}

TEST_F(ReaderManagerTest, TitleNamesTheFolderAndActionsNeedingACardAreGreyedWithoutOne)
{
    const auto window = makeWindow();
    EXPECT_TRUE(window->windowTitle().startsWith(QDir::toNativeSeparators(dataFolder())));
    const QStringList needCard = {"ejectCardAction", "createSetupCardAction", "readSetupCardAction",
                                  "readDcCardAction"};
    for (const QString& name : needCard)
        EXPECT_TRUE(window->action(name)->isEnabled()) << name.toStdString();
    EXPECT_FALSE(window->action("storeDcRecordsAction")->isEnabled()) << "nothing read yet";

    window->ejectCard();
    EXPECT_EQ(window->statusBar()->currentMessage(), "Card ejected: the reader is empty.");
    for (const QString& name : needCard)
        EXPECT_FALSE(window->action(name)->isEnabled()) << name.toStdString();
    EXPECT_TRUE(window->action("insertCardAction")->isEnabled());

    ASSERT_TRUE(window->insertCard(QDir(dataFolder()).filePath("reader-card.lcard")));
    EXPECT_TRUE(window->action("readSetupCardAction")->isEnabled());
    EXPECT_FALSE(window->readSetupCard());
    script().clear();
    EXPECT_EQ(window->statusBar()->currentMessage(), "No setup card read.");
}

} // namespace
