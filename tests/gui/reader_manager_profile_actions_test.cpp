// Reader Manager's setup card made from a profile chosen in the data folder's
// database.
#include "profile_editor_fixture.h"
#include "reader_manager_fixture.h"

#include <QTreeWidget>

#include <set>

namespace {

constexpr uint16_t kHostCustomer = 0x4321;
const QString kProfile = QStringLiteral("Host Retrofit");

class ReaderManagerProfiles : public ReaderManagerTest {
protected:
    void SetUp() override
    {
        window_ = makeWindow();
        window_->setCustomerId(kHostCustomer);
        ASSERT_FALSE(window_->databasePath().isEmpty());
        profiletest::storeProfile(
            window_->databasePath(), kProfile, 0,
            {{"VEND PRICE", Currency::fromCents(200).toVariant()}, {"IDLE MESSAGE", "READY"}});
    }
    ~ReaderManagerProfiles() override
    {
        promptui::setDialogRunner({});
        systemdb::setDatabasePath({});
    }

    readermanager::MainWindow& window() { return *window_; }

    // The editor that opens on our profile, its only row, presses `button`.
    void whenEditorOpensPress(const char* button)
    {
        promptui::setDialogRunner([button](QDialog& editor) {
            editor.show();
            editor.findChild<QPushButton*>(QString::fromLatin1(button))->click();
            return editor.result();
        });
    }

private:
    std::unique_ptr<readermanager::MainWindow> window_;
};

TEST_F(ReaderManagerProfiles, CreateSetupCardWritesTheChosenProfileForThisHost)
{
    const card::CardState blank = *card::insertedCard();
    whenEditorOpensPress("cancelButton");
    window().action("createSetupCardAction")->trigger();
    EXPECT_EQ(*card::insertedCard(), blank) << "nothing chosen, nothing written";
    EXPECT_TRUE(script().messages().empty());

    whenEditorOpensPress("updateButton");
    window().action("createSetupCardAction")->trigger();
    ASSERT_NE(script().lastMessage(), nullptr);
    EXPECT_EQ(script().lastMessage()->text, "Reader Setup Card Created");

    const card::CardState& written = *card::insertedCard();
    EXPECT_EQ(written.cardType(), 0xB8);
    EXPECT_EQ(written.custId(), kHostCustomer);
    const std::vector<uint8_t>& data = written.files.at(0x2001);
    ASSERT_GE(data.size(), 130u);
    EXPECT_EQ(data[8] << 8 | data[9], 200);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(&data[66]), 5), "READY");
    EXPECT_EQ(shown(window(), "cardTypeLabel"), "Retrofit Setup Card (184)");
}

TEST_F(ReaderManagerProfiles, EveryFirstRunSampleMakesItsSetupCardFromTheEditor)
{
    std::set<int> cardTypes;
    for (int row = 1;; ++row) { // row 0 is our profile; the samples follow
        int rows = 0;
        QString name;
        promptui::setDialogRunner([&](QDialog& dialog) {
            dialog.show();
            const QTreeWidget& list = *dialog.findChild<QTreeWidget*>("profileList");
            rows = list.topLevelItemCount();
            if (row < rows) {
                name = list.topLevelItem(row)->text(0);
                const_cast<QTreeWidget&>(list).setCurrentItem(list.topLevelItem(row));
                dialog.findChild<QPushButton*>("updateButton")->click();
            }
            if (dialog.isVisible())
                dialog.reject();
            return dialog.result();
        });
        script().clear();
        // The card in the reader holds the last sample's setup: replace it.
        const bool holdsSetup = row > 1;
        if (holdsSetup)
            script().queueAnswer(promptui::IDYES);
        window().action("createSetupCardAction")->trigger();
        if (row >= rows) {
            if (holdsSetup && script().pendingAnswers() == 1)
                script().clear();
            break;
        }
        ASSERT_NE(script().lastMessage(), nullptr) << name.toStdString();
        EXPECT_EQ(script().lastMessage()->text, "Reader Setup Card Created") << name.toStdString();
        cardTypes.insert(card::insertedCard()->cardType());
    }
    // Fourteen listed samples (Tovan2000 Cycle Setup is never listed); both
    // Marlin and MHN33 make 199.
    EXPECT_EQ(cardTypes,
              (std::set<int>{180, 184, 185, 187, 192, 193, 197, 198, 199, 200, 201, 202}));
}

} // namespace
