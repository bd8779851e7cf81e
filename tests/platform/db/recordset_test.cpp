// DAO recordset behaviour on a real database file: editing states, moves,
// finds and their NoMatch, and the error numbers of each misuse.
#include "db_test_support.h"

#include <gtest/gtest.h>

namespace {

using dbtest::addProfile;
using dbtest::daoError;
using dbtest::names;

class Recordset : public ::testing::TestWithParam<dbtest::Engine> {
protected:
    CdbRecordset profiles(const QString& sql = "LAUNDRY SETUP") { return db.OpenRecordset(sql); }
    // A recordset of the given profiles, in that order.
    CdbRecordset profilesOf(const QStringList& list)
    {
        CdbRecordset rs = profiles();
        for (const QString& n : list)
            addProfile(rs, n);
        return rs;
    }
    static QString name(const CdbRecordset& rs) { return rs.GetField("PROFILE NAME").toString(); }

    void SetUp() override
    {
        DBTEST_REQUIRE(file);
        db = file.open();
    }

    dbtest::TempDatabase file{GetParam()};
    CdbDatabase db;
};

TEST_P(Recordset, TheEditBufferNeedsAddNewOrEditAndWritesOnlyTheCurrentRecord)
{
    CdbRecordset rs = profilesOf({"A", "B", "C"});
    rs.MoveFirst();
    rs.MoveNext();
    EXPECT_EQ(daoError([&] { rs.Update(); }), kDaoUpdateWithoutEdit);
    EXPECT_EQ(CdbLastOLEError().GetDescription(), "Update or CancelUpdate without AddNew or Edit.");
    // A cancelled AddNew stores nothing; the edit state ends with it.
    rs.AddNew();
    EXPECT_EQ(rs.GetEditMode(), CdbEditMode::Add);
    rs.SetField("PROFILE NAME", "Ghost");
    rs.CancelUpdate();
    EXPECT_EQ(rs.GetEditMode(), CdbEditMode::None);
    EXPECT_EQ(rs.GetRecordCount(), 3);

    rs.Edit();
    EXPECT_EQ(rs.GetEditMode(), CdbEditMode::InProgress);
    rs.SetField("IDLE MESSAGE", "Insert card");
    rs.Update();
    EXPECT_EQ(name(rs), "B");
    EXPECT_EQ(dbtest::RawDb(file.path())
                  .firstColumn("SELECT [PROFILE NAME] FROM [LAUNDRY SETUP] WHERE "
                               "[IDLE MESSAGE] = 'Insert card'"),
              QVariantList({"B"}));
    // A move drops an edit in progress.
    rs.Edit();
    rs.SetField("IDLE MESSAGE", "lost");
    rs.MoveFirst();
    rs.MoveNext();
    EXPECT_EQ(rs.GetField("IDLE MESSAGE").toString(), "Insert card");
}

TEST_P(Recordset, MovesPastEitherEndAndDeletesLeaveNoCurrentRecord)
{
    CdbRecordset rs = profiles();
    EXPECT_EQ(daoError([&] { rs.MoveFirst(); }), kDaoNoCurrentRecord);
    rs = profilesOf({"A", "B", "C"});
    rs.MoveLast();
    rs.MoveNext();
    EXPECT_TRUE(rs.GetEOF());
    EXPECT_EQ(daoError([&] { rs.MoveNext(); }), kDaoNoCurrentRecord);

    // Delete needs no Update and leaves no current record until a move.
    rs.MoveFirst();
    rs.MoveNext();
    rs.Delete();
    EXPECT_EQ(daoError([&] { rs.Edit(); }), kDaoNoCurrentRecord);
    EXPECT_EQ(rs.GetRecordCount(), 2);
    rs.MoveNext();
    EXPECT_EQ(name(rs), "C");
    EXPECT_EQ(names(profiles()), QStringList({"A", "C"}));
}

TEST_P(Recordset, FailedFindLeavesNoCurrentRecord)
{
    CdbRecordset rs = profilesOf({"Dryers", "Washers", "Stack"});
    rs.MoveFirst();
    rs.FindFirst("[PROFILE NAME] = 'Nobody'");
    EXPECT_TRUE(rs.GetNoMatch());
    EXPECT_FALSE(rs.GetEOF());
    EXPECT_EQ(daoError([&] { rs.GetField("PROFILE NAME"); }), kDaoNoCurrentRecord);
    rs.FindFirst("[PROFILE NAME] = 'washers'"); // letters without regard to case
    EXPECT_FALSE(rs.GetNoMatch());
    EXPECT_EQ(name(rs), "Washers");
    rs.MoveNext();
    EXPECT_EQ(name(rs), "Stack"); // the find positioned the cursor
}

TEST_P(Recordset, ARecordAddedToASortedListJoinsItsEndUntilARequery)
{
    const QString byName = "SELECT * FROM [LAUNDRY SETUP] ORDER BY [PROFILE NAME]";
    profilesOf({"d", "B", "a"});
    CdbRecordset rs = profiles(byName);
    rs.FindFirst("[PROFILE NAME] <> 'x'"); // finds walk in the recordset's order
    EXPECT_EQ(name(rs), "a");
    addProfile(rs, "AA");
    EXPECT_EQ(name(rs), "a"); // the earlier record stays current
    EXPECT_EQ(names(rs), QStringList({"a", "B", "d", "AA"}));
    rs.Requery();
    EXPECT_EQ(names(rs), QStringList({"a", "AA", "B", "d"}));
}

TEST_P(Recordset, ValuesAreStoredInTheirColumnsKinds)
{
    CdbRecordset rs = profiles();
    rs.AddNew();
    rs.SetField("PROFILE NAME", "Kinds");
    rs.SetField("PROFILE TYPE", 5); // written from an integer, read back as text
    rs.SetField("VEND PRICE", Currency(12345600).toVariant());
    rs.SetField("TOPOFF PRICE", 1234.56);
    rs.SetField("MAX CARD VALUE", "$1,234.56");
    rs.SetField("ENABLE TOKENS", true);
    rs.Update();

    dbtest::RawDb raw(file.path());
    const QString row = "FROM [LAUNDRY SETUP] WHERE [PROFILE NAME] = 'Kinds'";
    // The engine's own name of what it stored: an exact integer, never a
    // double; text as text.
    const bool server = raw.isServer();
    const QString typeOf = server ? "pg_typeof([%1])::text" : "typeof([%1])";
    for (const char* money : {"VEND PRICE", "TOPOFF PRICE", "MAX CARD VALUE"})
        EXPECT_EQ(raw.scalar(QString("SELECT %1 || [%2] %3").arg(typeOf.arg(money), money, row)),
                  server ? "laundry_currency12345600" : "integer12345600");
    EXPECT_EQ(
        raw.scalar(QString("SELECT %1 || [PROFILE TYPE] ").arg(typeOf.arg("PROFILE TYPE")) + row),
        "text5");
    EXPECT_EQ(raw.scalar("SELECT [ENABLE TOKENS] " + row), qint64(1));

    rs.MoveFirst();
    EXPECT_EQ(rs.GetField("PROFILE TYPE"), QVariant(QString("5")));
    const QVariant price = rs.GetField("VEND PRICE");
    EXPECT_EQ(price.metaType(), QMetaType::fromType<Currency>());
    EXPECT_EQ(price.value<Currency>().units(), 12345600);
    EXPECT_EQ(rs.GetField("ENABLE TOKENS"), QVariant(true));
    EXPECT_FALSE(rs.GetField("IDLE MESSAGE").isValid()); // never written: NULL

    // Dates: canonical text on disk, QDateTime in the program.
    const QDateTime when(QDate(2020, 3, 5), QTime(13, 2, 3));
    CdbRecordset data = db.OpenRecordset("MACHINE DATA");
    data.AddNew();
    data.SetField("MACHINEID", "M1");
    data.SetField("COLLECTION DATE", when);
    data.SetField("INT CASH", Currency::fromCents(123456).toVariant());
    data.Update();
    EXPECT_EQ(raw.scalar("SELECT [COLLECTION DATE] FROM [MACHINE DATA]"), "2020-03-05 13:02:03");
    data.MoveFirst();
    EXPECT_EQ(data.GetField("COLLECTION DATE").toDateTime(), when);
    data.FindFirst("[COLLECTION DATE] = #3/5/2020 1:02:03 PM# AND [INT CASH] = 1234.56");
    EXPECT_FALSE(data.GetNoMatch());

    // Texts as written, short or long, ASCII or not.
    for (const QString& id : {QString("M2"), QString(65, u'x'), QString::fromUtf8("Caf\u00e9")}) {
        data.AddNew();
        data.SetField("MACHINEID", id);
        data.Update();
        EXPECT_EQ(raw.scalar("SELECT [MACHINEID] FROM [MACHINE DATA] ORDER BY [ID] DESC LIMIT 1"),
                  id);
    }
}

TEST_P(Recordset, BadValuesAndNamesAreRefused)
{
    CdbRecordset rs = profiles();
    rs.AddNew();
    const std::pair<std::function<void()>, int> cases[] = {
        {[&] { rs.SetField("SCROLL SPEED", "fast"); }, kDaoConversionError},
        {[&] { rs.SetField("VEND PRICE", "1.23456"); }, kDaoConversionError},
        {[&] { rs.SetField("NO SUCH COLUMN", 1); }, kDaoItemNotFound},
        {[&] { rs.SetField("ID", 5); }, kDaoFieldNotUpdatable}};
    for (const auto& [action, number] : cases)
        EXPECT_EQ(daoError(action), number);
}

TEST_P(Recordset, SelectStatementsFilterAndSort)
{
    CdbRecordset rs = profiles();
    addProfile(rs, "beta", "1");
    addProfile(rs, "Alpha", "0");
    addProfile(rs, "Hidden", "3");
    addProfile(rs, "Gamma", "12");
    EXPECT_EQ(names(profiles("SELECT * FROM [LAUNDRY SETUP] WHERE [PROFILE TYPE] <> '3' "
                             "ORDER BY [PROFILE NAME]")),
              QStringList({"Alpha", "beta", "Gamma"}));
    EXPECT_EQ(daoError([&] { profiles("NO SUCH TABLE"); }), kDaoTableNotFound);
    EXPECT_TRUE(CdbLastOLEError().GetDescription().contains("'NO SUCH TABLE'"));
}

TEST_P(Recordset, CopiesShareOneCursorAndCloseEndsThem)
{
    CdbRecordset rs = profilesOf({"A", "B"});
    rs.MoveFirst();
    CdbRecordset copy = rs;
    copy.MoveNext();
    EXPECT_EQ(name(rs), "B");
    copy.Close();
    EXPECT_EQ(daoError([&] { rs.MoveFirst(); }), kDaoObjectInvalid);

    CdbRecordset other = profiles();
    db.Close();
    EXPECT_EQ(daoError([&] { other.MoveFirst(); }), kDaoObjectInvalid);
    EXPECT_EQ(daoError([&] { db.OpenRecordset("LAUNDRY SETUP"); }), kDaoObjectInvalid);
}

TEST_P(Recordset, ARowDeletedElsewhereReadsAsDeleted)
{
    CdbRecordset rs = profilesOf({"A"});
    dbtest::RawDb(file.path()).exec("DELETE FROM [LAUNDRY SETUP]");
    rs.MoveFirst();
    EXPECT_EQ(daoError([&] { rs.GetField("PROFILE NAME"); }), kDaoRecordDeleted);
    EXPECT_EQ(daoError([&] { rs.Edit(); }), kDaoRecordDeleted);
    rs.Requery();
    EXPECT_EQ(rs.GetRecordCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(BothEngines, Recordset, dbtest::kBothEngines, dbtest::engineName);

} // namespace
