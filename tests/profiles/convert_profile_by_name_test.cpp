// A named profile converted without the editor, as laundrycard does it.
#include "profile_db_fixture.h"

#include "profiles/profile_selection.h"
#include "services/cardcore.h"
#include "services/system_database.h"
#include "setup/profile_types.h"
#include "setup/setup_record.h"

using namespace profiles;

namespace {

class ConvertByName : public profiletest::ProfileFileTest {
protected:
    ConvertByName() { setup::clearSetupRecord(record_); }
    ~ConvertByName() override { cardcore::SetTokensEnabled(true); }

    void addTokenProfile(const QString& name, int code, const ColumnValues& columns = {})
    {
        addProfile(name, code, columns, [](CommonValues& c) { c.enableTokens = true; });
    }

    STRUCT_laundry_setup record_;
};

} // namespace

TEST_F(ConvertByName, AnyTypeIsReachedByNameAndTokensFollowTheInstallation)
{
    addTokenProfile(QStringLiteral("Marlin"), setup::kMaytagMarlin);
    ASSERT_EQ(convertProfileByName(QStringLiteral("marlin"), record_), 1);
    EXPECT_EQ(record_.enable_tokens, 1);
    EXPECT_EQ(record_.card_type_code, 0xC7);
    cardcore::SetTokensEnabled(false);
    ASSERT_EQ(convertProfileByName(QStringLiteral("Marlin"), record_), 1);
    EXPECT_EQ(record_.enable_tokens, 0);

    // The editor never lists Tovan2000 Cycle Setup profiles.
    addTokenProfile(QStringLiteral("Program 7"), setup::kTovan2000CycleSetup,
                    {{"SCROLL SPEED", 6}, {"DISPLAY IDLE", 0}});
    ASSERT_EQ(convertProfileByName(QStringLiteral("Program 7"), record_), 1);
    EXPECT_EQ(record_.card_type_code, 0xB5);
    EXPECT_EQ(record_.scroll_speed, 6);
    EXPECT_EQ(record_.washer, 0); // Warm
    EXPECT_TRUE(ui_->messages().empty());
}

TEST_F(ConvertByName, RefusalsAreShownAndNothingIsConverted)
{
    addTokenProfile(QStringLiteral("Stack"), setup::kMaytagGen2Advanced);
    addProfile(QStringLiteral("Far"), setup::kRetrofit, {{"PULSES", 100}});
    addProfile(QStringLiteral("Bad idle"), setup::kRetrofit,
               {{"IDLE MESSAGE", QStringLiteral("50% OFF")}});
    for (const char* name : {"Stack", "Far", "Bad idle", "Missing"})
        EXPECT_EQ(convertProfileByName(QString::fromLatin1(name), record_), 0) << name;
    // One box each; the page checks' own texts are tested with the pages.
    const QStringList texts = ui_->messageTexts();
    ASSERT_EQ(texts.size(), 4);
    // A Gen2 Advanced row no page saved chooses every machine kind at once.
    EXPECT_TRUE(texts[0].contains(QStringLiteral("machine kind"))) << texts[0].toStdString();
    EXPECT_TRUE(texts[1].contains("Number of Pulses") && texts[2].contains("Idle message"));
    EXPECT_TRUE(texts[3].contains("\"Missing\"")) << texts[3].toStdString();
    EXPECT_EQ(record_.card_type_code, 0xB8); // the refused Retrofit wrote its head only
}

TEST_F(ConvertByName, AMissingDatabaseIsReportedOnce)
{
    systemdb::setDatabasePath(databasePath() + QStringLiteral(".gone"));
    EXPECT_EQ(convertProfileByName(QStringLiteral("Retro"), record_), 0);
    EXPECT_EQ(ui_->messageTexts(), QStringList{"Error loading database"});
    EXPECT_EQ(ui_->messages()[0].caption, QStringLiteral("manager.mdb error"));
}
