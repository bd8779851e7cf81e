// The LAUNDRY SETUP table through the profile store, on a real database.
#include "profile_db_fixture.h"

#include "profiles/profile_columns.h"
#include "setup/profile_types.h"

#include <map>

using namespace profiles;
using profiletest::ProfileDb;

TEST_P(ProfileDb, EveryColumnTheEditorWritesExistsWithItsKind)
{
    CdbRecordset table = database().OpenRecordset("LAUNDRY SETUP");
    const CdbFields fields = table.GetFields();
    const std::map<ColumnKind, CdbFieldType> types = {{ColumnKind::Text, CdbFieldType::Text},
                                                      {ColumnKind::Money, CdbFieldType::Currency},
                                                      {ColumnKind::YesNo, CdbFieldType::Boolean},
                                                      {ColumnKind::Integer, CdbFieldType::Long}};
    auto expectColumn = [&](const ProfileColumn& column) {
        try {
            EXPECT_EQ(fields.Item(QLatin1String(column.name)).GetType(), types.at(column.kind))
                << column.name;
        } catch (const CdbException&) {
            ADD_FAILURE() << "missing column " << column.name;
        }
    };
    for (const ProfileColumn& column : commonColumns())
        if (QLatin1String(column.name) != QLatin1String(kColProfileType))
            expectColumn(column);
    for (int code = 0; code < setup::kProfileTypeCount; ++code)
        for (const ProfileColumn& column : typeColumns(code))
            expectColumn(column);
}

TEST_P(ProfileDb, EditingResetsTheSharedColumnsOfTheOldType)
{
    addProfile("Laundromat 1", setup::kRetrofit,
               {{"IDLE MESSAGE", "HELLO"}, {"DISPLAY IDLE", 1}, {"PULSES", 4}});
    ProfileStore store = openList();
    ASSERT_TRUE(store.positionOn("Laundromat 1"));
    CommonValues common = newProfileValues(setup::kMaytagGen2);
    common.name = "Laundromat 1";
    ASSERT_EQ(store.save(common, {{"DRYER", 1}, {"DRY", 45}}, SaveMode::Edit),
              profiles::ProfileStore::Saved::Yes);

    CdbRecordset raw = database().OpenRecordset("LAUNDRY SETUP");
    raw.MoveFirst();
    EXPECT_EQ(raw.GetField("IDLE MESSAGE").toString(), QString());
    EXPECT_EQ(raw.GetField("DISPLAY IDLE").toBool(), false);
    EXPECT_EQ(raw.GetField("PULSES").toInt(), 0);
    EXPECT_EQ(raw.GetField("DRY").toInt(), 45);
    EXPECT_EQ(raw.GetField("PROFILE TYPE").toString(), "4");
    EXPECT_EQ(raw.GetRecordCount(), 1);
}

TEST_P(ProfileDb, APagesColumnsSurviveAnEditOfTheCommonValues)
{
    addProfile("Stack", setup::kMaytagGen2Advanced,
               {{"MACHINE SERIAL", "A123456789"},
                {"SPEC PRICE", QVariant::fromValue(Currency::fromCents(75))},
                {"SUDS DETECT", 1}});
    ProfileStore store = openList();
    ASSERT_TRUE(store.positionOn("Stack"));
    ProfileValues loaded;
    ASSERT_TRUE(store.loadCurrent(loaded));
    loaded.common.maxCardValue = Currency::fromDollars(50);
    ASSERT_EQ(store.save(loaded.common, loaded.columns, SaveMode::Edit),
              profiles::ProfileStore::Saved::Yes);

    const ProfileValues again = stored("Stack");
    EXPECT_EQ(again.columns, loaded.columns);
    EXPECT_EQ(again.common.maxCardValue, Currency::fromDollars(50));
}

TEST_P(ProfileDb, TypeTextThatIsNotANumberLoadsAsRetrofitAndNullsLoadEmpty)
{
    CdbRecordset raw = database().OpenRecordset("LAUNDRY SETUP");
    raw.AddNew();
    raw.SetField("PROFILE NAME", "Odd");
    raw.SetField("PROFILE TYPE", "x7");
    raw.Update();
    ProfileStore store = openList();
    ASSERT_TRUE(store.positionOn("Odd"));
    ProfileValues loaded;
    loaded.common.typeCode = 9;
    ASSERT_TRUE(store.loadCurrent(loaded));
    EXPECT_EQ(loaded.common.typeCode, 0);
    EXPECT_FALSE(loaded.common.clearCounters); // null yes/no loads as 0
    EXPECT_EQ(textValue(loaded.columns, "BUSY MESSAGE", "x"), QString());
    EXPECT_EQ(intValue(loaded.columns, "PULSES", -1), 0);
    EXPECT_FALSE(flagValue(loaded.columns, "DISPLAY IDLE", true));
}

TEST_P(ProfileDb, ReadOnlyDatabaseRefusesTheAddAndKeepsWhatIsStored)
{
    addProfile("stored", 0);
    CdbDBEngine engine;
    CdbDatabase readOnly = engine.OpenDatabase(databasePath(), true);
    ProfileStore store(readOnly.OpenRecordset(profileListQuery()));
    CommonValues common = newProfileValues(0);
    common.name = "new one";
    EXPECT_EQ(store.save(common, {}, SaveMode::Add), profiles::ProfileStore::Saved::No);
    ASSERT_EQ(ui_->messages().size(), 1u);
    EXPECT_TRUE(
        ui_->messages()[0].text.startsWith("Error adding new profile to database.\nError 3027 : "))
        << ui_->messages()[0].text.toStdString();
    EXPECT_EQ(ui_->messages()[0].caption, "ERROR: Reader Manager");
    EXPECT_EQ(store.recordset().GetEditMode(), CdbEditMode::None);
    readOnly.Close();
    EXPECT_EQ(openList().names(), QStringList{"stored"});
}

INSTANTIATE_TEST_SUITE_P(BothEngines, ProfileDb, dbtest::kBothEngines, dbtest::engineName);
