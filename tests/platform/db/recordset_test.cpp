// DAO recordset behaviour on a real database file: editing states, moves,
// finds and their NoMatch, and the error numbers of each misuse.
#include "db_test_support.h"

#include <gtest/gtest.h>

namespace {

using dbtest::addProfile;
using dbtest::daoError;
using dbtest::names;

class Recordset : public ::testing::Test {
protected:
    CdbRecordset profiles(const QString& sql = "LAUNDRY SETUP") { return db.OpenRecordset(sql); }
    static QString name(const CdbRecordset& rs) { return rs.GetField("PROFILE NAME").toString(); }

    dbtest::TempDatabase file;
    CdbDatabase db = file.open();
};

TEST_F(Recordset, AddNewLeavesTheEarlierRecordCurrent)
{
    CdbRecordset rs = profiles();
    EXPECT_TRUE(rs.GetEOF());
    addProfile(rs, "Alpha");
    EXPECT_TRUE(rs.GetEOF()); // an empty recordset had no record to stay on
    rs.MoveFirst();
    addProfile(rs, "Beta");
    EXPECT_EQ(name(rs), "Alpha");
    EXPECT_EQ(rs.GetRecordCount(), 2);
    rs.MoveLast();
    EXPECT_EQ(name(rs), "Beta"); // added records join the end
    EXPECT_EQ(dbtest::storedNames(file.path()), QStringList({"Alpha", "Beta"}));
}

TEST_F(Recordset, TheEditBufferNeedsAddNewOrEditAndWritesOnlyTheCurrentRecord)
{
    CdbRecordset rs = profiles();
    for (const char* n : {"A", "B", "C"})
        addProfile(rs, n);
    rs.MoveFirst();
    rs.MoveNext();
    EXPECT_EQ(daoError([&] { rs.Update(); }), kDaoUpdateWithoutEdit);
    EXPECT_EQ(daoError([&] { rs.CancelUpdate(); }), kDaoUpdateWithoutEdit);
    EXPECT_EQ(daoError([&] { rs.SetField("PROFILE NAME", "x"); }), kDaoUpdateWithoutEdit);
    EXPECT_EQ(CdbLastOLEError().GetDescription(), "Update or CancelUpdate without AddNew or Edit.");
    // A cancelled AddNew stores nothing; the edit state ends with it.
    rs.AddNew();
    EXPECT_EQ(rs.GetEditMode(), CdbEditMode::Add);
    rs.SetField("PROFILE NAME", "Ghost");
    EXPECT_EQ(name(rs), "Ghost");
    rs.CancelUpdate();
    EXPECT_EQ(rs.GetEditMode(), CdbEditMode::None);
    EXPECT_EQ(rs.GetRecordCount(), 3);

    rs.Edit();
    EXPECT_EQ(rs.GetEditMode(), CdbEditMode::InProgress);
    rs.SetField("IDLE MESSAGE", "Insert card");
    EXPECT_EQ(rs.GetField("IDLE MESSAGE").toString(), "Insert card"); // the buffer
    rs.Update();
    EXPECT_EQ(name(rs), "B");
    EXPECT_EQ(rs.GetField("IDLE MESSAGE").toString(), "Insert card");
    EXPECT_EQ(dbtest::RawDb(file.path())
                  .column("SELECT [PROFILE NAME] FROM [LAUNDRY SETUP] WHERE [IDLE MESSAGE] "
                          "IS NOT NULL"),
              QStringList({"B"}));
    // Update after a finished Update is again an update without AddNew.
    EXPECT_EQ(daoError([&] { rs.Update(); }), kDaoUpdateWithoutEdit);
    // A move drops an edit in progress.
    rs.Edit();
    rs.SetField("IDLE MESSAGE", "lost");
    rs.MoveFirst();
    rs.MoveNext();
    EXPECT_EQ(rs.GetField("IDLE MESSAGE").toString(), "Insert card");
}

TEST_F(Recordset, MovesPastEitherEndAndDeletesLeaveNoCurrentRecord)
{
    CdbRecordset rs = profiles();
    for (const auto& move :
         {&CdbRecordset::MoveFirst, &CdbRecordset::MoveLast, &CdbRecordset::MoveNext})
        EXPECT_EQ(daoError([&] { (rs.*move)(); }), kDaoNoCurrentRecord);
    EXPECT_EQ(CdbLastOLEError().GetResultCode(), 0x800A0BCDu);
    for (const char* n : {"A", "B", "C"})
        addProfile(rs, n);
    rs.MoveLast();
    rs.MoveNext();
    EXPECT_TRUE(rs.GetEOF());
    EXPECT_EQ(daoError([&] { rs.GetField(0); }), kDaoNoCurrentRecord);
    EXPECT_EQ(daoError([&] { rs.MoveNext(); }), kDaoNoCurrentRecord);

    // Delete needs no Update and leaves no current record until a move.
    rs.MoveFirst();
    rs.MoveNext();
    rs.Delete();
    EXPECT_EQ(daoError([&] { rs.GetField("PROFILE NAME"); }), kDaoNoCurrentRecord);
    EXPECT_EQ(daoError([&] { rs.Edit(); }), kDaoNoCurrentRecord);
    EXPECT_EQ(daoError([&] { rs.Delete(); }), kDaoNoCurrentRecord);
    EXPECT_EQ(rs.GetRecordCount(), 2);
    rs.MoveNext();
    EXPECT_EQ(name(rs), "C");
    rs.MoveLast();
    rs.Delete();
    rs.MoveNext();
    EXPECT_TRUE(rs.GetEOF());
    EXPECT_EQ(names(profiles()), QStringList({"A"}));
    rs.MoveFirst();
    rs.Delete();
    EXPECT_TRUE(rs.GetEOF());
    EXPECT_EQ(daoError([&] { rs.MoveFirst(); }), kDaoNoCurrentRecord);
}

TEST_F(Recordset, FailedFindLeavesNoCurrentRecord)
{
    CdbRecordset rs = profiles();
    for (const char* n : {"Dryers", "Washers", "Stack"})
        addProfile(rs, n);
    rs.MoveFirst();
    rs.FindFirst("[PROFILE NAME] = 'Nobody'");
    EXPECT_TRUE(rs.GetNoMatch());
    EXPECT_FALSE(rs.GetEOF());
    EXPECT_EQ(daoError([&] { rs.GetField("PROFILE NAME"); }), kDaoNoCurrentRecord);
    EXPECT_EQ(daoError([&] { rs.MoveNext(); }), kDaoNoCurrentRecord);
    rs.FindFirst("[PROFILE NAME] = 'washers'"); // letters without regard to case
    EXPECT_FALSE(rs.GetNoMatch());
    EXPECT_EQ(name(rs), "Washers");
    rs.MoveNext();
    EXPECT_EQ(name(rs), "Stack"); // the find positioned the cursor
    rs.FindFirst("[PROFILE NAME] LIKE 'DRY*'");
    EXPECT_EQ(name(rs), "Dryers");
}

TEST_F(Recordset, FindsWalkInRecordsetOrder)
{
    dbtest::RawDb raw(file.path());
    raw.exec("INSERT INTO [LAUNDRY SETUP] ([PROFILE NAME], [PROFILE TYPE]) VALUES "
             "('d', '1'), ('B', '2'), ('a', '1'), ('C', '1'), ('e', '3')");
    for (const QString& sql :
         {QStringLiteral("LAUNDRY SETUP"),
          QStringLiteral("SELECT * FROM [LAUNDRY SETUP] ORDER BY [PROFILE NAME] DESC")}) {
        CdbRecordset rs = profiles(sql);
        const QString filter = "[PROFILE TYPE] = '1'";
        rs.FindFirst(filter);
        EXPECT_EQ(name(rs), "d");
        rs.FindLast(filter);
        EXPECT_EQ(name(rs), sql.contains("ORDER") ? "a" : "C");
    }
    // A record added through a sorted recordset joins its end and is found there.
    CdbRecordset rs = profiles("SELECT * FROM [LAUNDRY SETUP] ORDER BY [PROFILE NAME]");
    addProfile(rs, "AA", "1");
    rs.FindLast("[PROFILE TYPE] = '1'");
    EXPECT_EQ(name(rs), "AA");
    rs.FindFirst("[PROFILE TYPE] = '1'");
    EXPECT_EQ(name(rs), "a");
    rs.Requery(); // and takes its sorted place after a requery
    EXPECT_EQ(names(rs), QStringList({"a", "AA", "B", "C", "d", "e"}));
}

TEST_F(Recordset, TextIgnoresCaseEvenInTablesMadeElsewhere)
{
    // A host's own table, declared without NOCASE: finds and sorting still
    // ignore case, as Jet's do.
    dbtest::RawDb raw(file.path());
    raw.exec("CREATE TABLE HOSTLIST (MACHINE TEXT, AMOUNT CURRENCY)");
    raw.exec("INSERT INTO HOSTLIST VALUES ('b', 1), ('Abc', 2), ('a', 3)");
    CdbRecordset rs = db.OpenRecordset("SELECT * FROM HOSTLIST ORDER BY MACHINE");
    QStringList order;
    for (rs.MoveFirst(); !rs.GetEOF(); rs.MoveNext())
        order << rs.GetField("MACHINE").toString();
    EXPECT_EQ(order, QStringList({"a", "Abc", "b"}));
    rs.FindFirst("MACHINE = 'aBC'");
    ASSERT_FALSE(rs.GetNoMatch());
    EXPECT_EQ(rs.GetField("AMOUNT").value<Currency>(), Currency(2));
}

TEST_F(Recordset, ValuesAreStoredInTheirColumnsKinds)
{
    CdbRecordset rs = profiles();
    rs.AddNew();
    rs.SetField("PROFILE NAME", "Kinds");
    rs.SetField("PROFILE TYPE", 5); // written from an integer, read back as text
    rs.SetField("VEND PRICE", Currency(12345600).toVariant());
    rs.SetField("TOPOFF PRICE", 1234.56);
    rs.SetField("MAX CARD VALUE", "$1,234.56");
    rs.SetField("ENABLE TOKENS", true);
    rs.SetField("CLEAR COUNT", 0);
    rs.SetField("SCROLL SPEED", 7);
    rs.Update();

    dbtest::RawDb raw(file.path());
    const QString row = "FROM [LAUNDRY SETUP] WHERE [PROFILE NAME] = 'Kinds'";
    for (const char* money : {"VEND PRICE", "TOPOFF PRICE", "MAX CARD VALUE"}) {
        EXPECT_EQ(raw.scalar(QString("SELECT typeof([%1]) %2").arg(money, row)), "integer");
        EXPECT_EQ(raw.scalar(QString("SELECT [%1] %2").arg(money, row)), qint64(12345600));
    }
    EXPECT_EQ(raw.scalar("SELECT typeof([PROFILE TYPE]) || [PROFILE TYPE] " + row), "text5");
    EXPECT_EQ(raw.scalar("SELECT [ENABLE TOKENS] " + row), qint64(1));
    EXPECT_EQ(raw.scalar("SELECT [CLEAR COUNT] " + row), qint64(0));

    rs.MoveFirst();
    EXPECT_EQ(rs.GetField("PROFILE TYPE"), QVariant(QString("5")));
    const QVariant price = rs.GetField("VEND PRICE");
    EXPECT_EQ(price.metaType(), QMetaType::fromType<Currency>());
    EXPECT_EQ(price.value<Currency>().units(), 12345600);
    EXPECT_EQ(rs.GetField("ENABLE TOKENS"), QVariant(true));
    EXPECT_EQ(rs.GetField("SCROLL SPEED").typeId(), QMetaType::Int);
    EXPECT_EQ(rs.GetField("SCROLL SPEED").toInt(), 7);
    EXPECT_FALSE(rs.GetField("IDLE MESSAGE").isValid()); // never written: NULL
    EXPECT_FALSE(rs.GetField("PULSES").isValid());
    EXPECT_EQ(rs.GetFields().Item("VEND PRICE").GetType(), CdbFieldType::Currency);
    EXPECT_EQ(rs.GetFields().Item("ENABLE TOKENS").GetType(), CdbFieldType::Boolean);

    // Dates: canonical text on disk, QDateTime in the program.
    CdbRecordset data = db.OpenRecordset("MACHINE DATA");
    data.AddNew();
    data.SetField("MACHINEID", "M1");
    data.SetField("COLLECTION DATE", QDateTime(QDate(2020, 3, 5), QTime(13, 2, 3)));
    data.SetField("INT CASH", Currency::fromCents(123456).toVariant());
    data.Update();
    EXPECT_EQ(raw.scalar("SELECT [COLLECTION DATE] FROM [MACHINE DATA]"), "2020-03-05 13:02:03");
    EXPECT_EQ(raw.scalar("SELECT [INT CASH] FROM [MACHINE DATA]"), qint64(12345600));
    data.MoveFirst();
    EXPECT_EQ(data.GetField("COLLECTION DATE").toDateTime(),
              QDateTime(QDate(2020, 3, 5), QTime(13, 2, 3)));
    data.FindFirst("[COLLECTION DATE] = #3/5/2020 1:02:03 PM# AND [INT CASH] = 1234.56");
    EXPECT_FALSE(data.GetNoMatch());
}

TEST_F(Recordset, BadValuesAndNamesAreRefused)
{
    CdbRecordset rs = profiles();
    rs.AddNew();
    EXPECT_EQ(daoError([&] { rs.SetField("SCROLL SPEED", "fast"); }), kDaoConversionError);
    EXPECT_EQ(daoError([&] { rs.SetField("VEND PRICE", "1.23456"); }), kDaoConversionError);
    EXPECT_EQ(daoError([&] { rs.SetField("ENABLE TOKENS", "maybe"); }), kDaoConversionError);
    EXPECT_EQ(daoError([&] { rs.SetField("NO SUCH COLUMN", 1); }), kDaoItemNotFound);
    EXPECT_EQ(daoError([&] { rs.SetField("ID", 5); }), kDaoFieldNotUpdatable);
    EXPECT_EQ(daoError([&] { rs.GetField(9999); }), kDaoItemNotFound);
    rs.CancelUpdate();
    EXPECT_EQ(daoError([&] { rs.FindFirst("[NO SUCH] = 1"); }), kDaoUnknownName);
    EXPECT_EQ(daoError([&] { rs.FindFirst("[PROFILE NAME] = 'x"); }), kDaoSyntaxError);
    EXPECT_EQ(CdbLastOLEError().GetDescription(),
              "Syntax error in string in query expression '[PROFILE NAME] = 'x'.");
}

TEST_F(Recordset, SelectStatementsFilterAndSort)
{
    CdbRecordset rs = profiles();
    addProfile(rs, "beta", "1");
    addProfile(rs, "Alpha", "0");
    addProfile(rs, "Hidden", "3");
    addProfile(rs, "Gamma", "12");
    EXPECT_EQ(names(profiles("SELECT * FROM [LAUNDRY SETUP] WHERE [PROFILE TYPE] <> '3' "
                             "ORDER BY [PROFILE NAME]")),
              QStringList({"Alpha", "beta", "Gamma"}));
    EXPECT_EQ(names(profiles("select * from [laundry setup] where [profile type] = '1' or "
                             "[PROFILE TYPE] = '0' order by [PROFILE TYPE] desc;")),
              QStringList({"beta", "Alpha"}));
    EXPECT_EQ(names(profiles("[LAUNDRY SETUP]")).size(), 4);
    CdbRecordset two = profiles("SELECT [PROFILE NAME], [PROFILE TYPE] FROM [LAUNDRY SETUP]");
    const CdbFields fields = two.GetFields();
    ASSERT_EQ(fields.GetCount(), 2);
    EXPECT_EQ(fields[1].GetName(), "PROFILE TYPE");
    EXPECT_EQ(two.GetField(1).toString(), "1");
    EXPECT_EQ(daoError([&] { two.GetField("VEND PRICE"); }), kDaoItemNotFound);

    EXPECT_EQ(daoError([&] { profiles("NO SUCH TABLE"); }), kDaoTableNotFound);
    EXPECT_EQ(CdbLastOLEError().GetDescription(),
              "The database engine cannot find the input table or query 'NO SUCH TABLE'. Make "
              "sure it exists and that its name is spelled correctly.");
    EXPECT_EQ(daoError([&] { profiles("SELECT * FROM [LAUNDRY SETUP] WHERE [PROFILE TYPE] <>"); }),
              kDaoSyntaxError);
    EXPECT_EQ(CdbLastOLEError().GetDescription(),
              "Syntax error (missing operator) in query expression '[PROFILE TYPE] <>'.");
    EXPECT_EQ(daoError([&] { profiles("SELECT * [LAUNDRY SETUP]"); }), kDaoSelectListError);
    EXPECT_EQ(daoError([&] { profiles("SELECT * FROM WHERE"); }), kDaoFromClauseError);
    EXPECT_EQ(daoError([&] { profiles("SELECT * FROM [LAUNDRY SETUP] ORDER [X]"); }),
              kDaoOrderByClauseError);
    EXPECT_EQ(daoError([&] { profiles("SELECT * FROM [LAUNDRY SETUP] ORDER BY [X]"); }),
              kDaoUnknownName);

    db.Execute("DELETE * FROM [LAUNDRY SETUP] WHERE [PROFILE TYPE] = '3' OR [PROFILE NAME] "
               "LIKE 'g*'");
    EXPECT_EQ(names(profiles()), QStringList({"beta", "Alpha"}));
    EXPECT_EQ(daoError([&] { db.Execute("DROP TABLE [LAUNDRY SETUP]"); }), kDaoInvalidStatement);
}

TEST_F(Recordset, CopiesShareOneCursorAndCloseEndsThem)
{
    CdbRecordset rs = profiles();
    addProfile(rs, "A");
    addProfile(rs, "B");
    rs.MoveFirst();
    CdbRecordset copy = rs;
    copy.MoveNext();
    EXPECT_EQ(name(rs), "B");
    copy.Close();
    EXPECT_FALSE(rs.IsOpen());
    EXPECT_EQ(daoError([&] { rs.MoveFirst(); }), kDaoObjectInvalid);
    EXPECT_EQ(daoError([] { CdbRecordset().MoveFirst(); }), kDaoObjectInvalid);

    CdbRecordset other = profiles();
    db.Close();
    EXPECT_FALSE(db.IsOpen());
    EXPECT_EQ(daoError([&] { other.MoveFirst(); }), kDaoObjectInvalid);
    EXPECT_EQ(daoError([&] { db.OpenRecordset("LAUNDRY SETUP"); }), kDaoObjectInvalid);
}

TEST_F(Recordset, ARowDeletedElsewhereReadsAsDeleted)
{
    CdbRecordset rs = profiles();
    addProfile(rs, "A");
    dbtest::RawDb raw(file.path());
    raw.exec("DELETE FROM [LAUNDRY SETUP]");
    rs.MoveFirst();
    EXPECT_EQ(daoError([&] { rs.GetField("PROFILE NAME"); }), kDaoRecordDeleted);
    EXPECT_EQ(daoError([&] { rs.Edit(); }), kDaoRecordDeleted);
    rs.Requery();
    EXPECT_EQ(rs.GetRecordCount(), 0);
}

} // namespace
