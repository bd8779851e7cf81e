// Reader Manager's setup card made from a profile chosen in the data folder's
// database.
#include "profile_editor_fixture.h"
#include "reader_manager_fixture.h"

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

} // namespace
