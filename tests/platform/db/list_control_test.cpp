// The dbhelper list functions on a real QTreeWidget.
#include "db_test_support.h"

#include <QHeaderView>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

const char kHeadings[][40] = {"PROFILE NAME", "VEND PRICE", "ENABLE TOKENS", "ID"};
const char kFields[][40] = {"PROFILE NAME", "VEND PRICE", "ENABLE TOKENS", "SCROLL SPEED"};
const uint8_t kWidths[] = {40, 30, 30, 0};

TEST(ListControl, SetupMakesTitledColumnsSizedAsShares)
{
    QTreeWidget list;
    list.resize(520, 300);
    ASSERT_EQ(dbhelper::ExternSetupListControl(&list, 4, kHeadings, kWidths), 1);
    ASSERT_EQ(list.columnCount(), 4);
    EXPECT_EQ(list.headerItem()->text(0), "PROFILE NAME");
    EXPECT_EQ(list.headerItem()->text(3), "ID");
    EXPECT_FALSE(list.isHeaderHidden());
    EXPECT_TRUE(list.isColumnHidden(3)); // a share of 0
    const int width = list.viewport()->width();
    EXPECT_EQ(list.columnWidth(0), width * 40 / 100);
    EXPECT_EQ(list.columnWidth(1), width * 30 / 100);
    list.resize(820, 300);
    list.show();
    EXPECT_EQ(list.columnWidth(0), list.viewport()->width() * 40 / 100);
    EXPECT_EQ(dbhelper::ExternSetupListControl(nullptr, 4, kHeadings, kWidths), 0);
}

TEST(ListControl, FillShowsEveryRecordInRecordsetOrder)
{
    dbtest::TempDatabase file;
    CdbDatabase db = file.open();
    dbtest::RawDb raw(file.path());
    raw.exec("INSERT INTO [LAUNDRY SETUP] ([PROFILE NAME], [VEND PRICE], [ENABLE TOKENS], "
             "[SCROLL SPEED]) VALUES ('b', 15000, 1, 3), ('A', 2500, 0, NULL), ('c', 1, NULL, 0)");
    CdbRecordset rs = db.OpenRecordset("SELECT * FROM [LAUNDRY SETUP] ORDER BY [PROFILE NAME]");
    QTreeWidget list;
    dbhelper::ExternSetupListControl(&list, 4, kHeadings, kWidths);
    new QTreeWidgetItem(&list, QStringList("stale"));
    ASSERT_EQ(dbhelper::ExternFillListControl(&list, 4, kFields, rs), 1);
    ASSERT_EQ(list.topLevelItemCount(), 3);
    const QStringList expected[] = {
        {"A", "$0.25", "No", ""}, {"b", "$1.50", "Yes", "3"}, {"c", "$0.0001", "", "0"}};
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 4; ++col)
            EXPECT_EQ(list.topLevelItem(row)->text(col), expected[row][col]) << row << "," << col;
    }
    // The copy handed in shares the cursor: it ends after the last record.
    EXPECT_TRUE(rs.GetEOF());

    // A title that names no field fails before the list is touched.
    const char wrong[][40] = {"PROFILE NAME", "NO SUCH FIELD"};
    EXPECT_EQ(dbhelper::ExternFillListControl(&list, 2, wrong, rs), 0);
    EXPECT_EQ(list.topLevelItemCount(), 3);
    EXPECT_EQ(CdbLastOLEError().GetResultCode(), daoResultCode(kDaoItemNotFound));

    db.Execute("DELETE FROM [LAUNDRY SETUP]");
    rs.Requery();
    EXPECT_EQ(dbhelper::ExternFillListControl(&list, 4, kFields, rs), 1);
    EXPECT_EQ(list.topLevelItemCount(), 0);
    rs.Close();
    EXPECT_EQ(dbhelper::ExternFillListControl(&list, 4, kFields, rs), 0);
}

TEST(ListControl, FieldTextIsWhatAnOperatorReads)
{
    EXPECT_EQ(dbhelper::fieldText(QVariant()), "");
    EXPECT_EQ(dbhelper::fieldText(QString("Dryers")), "Dryers");
    EXPECT_EQ(dbhelper::fieldText(42), "42");
    EXPECT_EQ(dbhelper::fieldText(Currency(12345600).toVariant()), "$1234.56");
    EXPECT_EQ(dbhelper::fieldText(Currency(-500).toVariant()), "-$0.05");
    EXPECT_EQ(dbhelper::fieldText(Currency(12345).toVariant()), "$1.2345");
    EXPECT_EQ(dbhelper::fieldText(true), "Yes");
    EXPECT_EQ(dbhelper::fieldText(QDateTime(QDate(2020, 3, 5), QTime(13, 2, 3))),
              "3/5/2020 1:02:03 PM");
}

} // namespace
