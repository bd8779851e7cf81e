// The File menu of Reader Manager: databases, profile files and the card
// details report, with the file dialogs answered by the test.
#include "reader_manager_fixture.h"

#include <QAction>
#include <QDir>
#include <QStatusBar>

namespace {

class ReaderManagerFiles : public ReaderManagerTest {
protected:
    // Every file dialog answers with the next of `answers`, and the
    // questions are kept.
    void answer(readermanager::MainWindow& window, QStringList answers)
    {
        window.setFileChooser([this, answers](const readermanager::FileQuestion& question) mutable {
            asked << question.title;
            return answers.isEmpty() ? QString() : answers.takeFirst();
        });
    }
    void expectInformation(const QString& text)
    {
        EXPECT_EQ(script().messageTexts(), QStringList{text});
        script().clear();
    }
    QStringList asked;
};

TEST_F(ReaderManagerFiles, ProfilesGoThroughAProfileFileIntoANewDatabaseThatIsKept)
{
    const QString exported = path("profiles.json");
    const QString second = path("second.mdb");
    {
        const auto window = makeWindow();
        answer(*window, {exported, second, exported});
        window->action("exportProfilesAction")->trigger();
        expectInformation("15 profiles exported to " + QDir::toNativeSeparators(exported) + ".");

        window->action("newDatabaseAction")->trigger();
        EXPECT_EQ(window->databasePath(), second);
        EXPECT_TRUE(window->windowTitle().startsWith(QDir::toNativeSeparators(second)));
        window->action("importProfilesAction")->trigger();
        expectInformation("15 profiles imported from " + QDir::toNativeSeparators(exported) + ".");
        EXPECT_EQ(asked, QStringList({"Export Profiles", "New Database", "Import Profiles"}));

        // The same profiles again: all refused, none stored.
        EXPECT_FALSE(window->importProfiles(exported));
        expectOnly("Nothing imported; 15 profiles refused:", false);
        EXPECT_EQ(window->statusBar()->currentMessage(), "No profiles imported.");
        // A new database never replaces a file.
        EXPECT_FALSE(window->newDatabase(exported));
        expectOnly("Could not create the database", false);
        EXPECT_EQ(window->databasePath(), second);
    }
    EXPECT_EQ(makeWindow()->databasePath(), second) << "the database chosen last is kept";

    ASSERT_TRUE(testfiles::write(path("bad.json"), "{\"not\": \"an array\"}"));
    const auto window = makeWindow();
    EXPECT_FALSE(window->importProfiles(path("bad.json")));
    expectOnly("The profile file " + QDir::toNativeSeparators(path("bad.json")) + " was refused:",
               false);
    EXPECT_FALSE(window->useDatabase(path("bad.json")));
    expectOnly("Could not open the database", false);
    EXPECT_EQ(window->databasePath(), second);
}

TEST_F(ReaderManagerFiles, CardDetailsAreSavedAsTheyAreShown)
{
    const auto window = makeWindow();
    answer(*window, {path("details.txt"), {}});
    window->action("saveCardDetailsAction")->trigger();
    EXPECT_EQ(QString::fromUtf8(testfiles::bytes(path("details.txt"))),
              shown(*window, "cardDetailsView") + "\n");
    EXPECT_FALSE(window->saveCardDetails(path("no/such/folder/details.txt")));
    expectOnly("cannot write card details", false);

    window->ejectCard();
    EXPECT_FALSE(window->action("saveCardDetailsAction")->isEnabled());
    EXPECT_TRUE(script().messages().empty());
}

} // namespace
