// The list set-up and the text of a field, as the profile list shows them.
#include "db_test_support.h"

#include <QHeaderView>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

const char kHeadings[][40] = {"PROFILE NAME", "VEND PRICE", "ENABLE TOKENS", "ID"};
const uint8_t kWidths[] = {40, 30, 30, 0};

TEST(ListControl, SetupMakesTitledColumnsSizedAsShares)
{
    QTreeWidget list;
    list.resize(520, 300);
    ASSERT_EQ(dbhelper::ExternSetupListControl(&list, 4, kHeadings, kWidths), 1);
    ASSERT_EQ(list.columnCount(), 4);
    EXPECT_EQ(list.headerItem()->text(0), "PROFILE NAME");
    EXPECT_TRUE(list.isColumnHidden(3)); // a share of 0
    const int width = list.viewport()->width();
    EXPECT_EQ(list.columnWidth(0), width * 40 / 100);
    list.resize(820, 300);
    list.show();
    EXPECT_EQ(list.columnWidth(0), list.viewport()->width() * 40 / 100);
}

TEST(ListControl, FieldTextIsWhatAnOperatorReads)
{
    EXPECT_EQ(dbhelper::fieldText(QVariant()), "");
    EXPECT_EQ(dbhelper::fieldText(42), "42");
    EXPECT_EQ(dbhelper::fieldText(Currency(12345600).toVariant()), "$1234.56");
    EXPECT_EQ(dbhelper::fieldText(Currency(-500).toVariant()), "-$0.05");
    EXPECT_EQ(dbhelper::fieldText(true), "Yes");
    EXPECT_EQ(dbhelper::fieldText(QDateTime(QDate(2020, 3, 5), QTime(13, 2, 3))),
              "3/5/2020 1:02:03 PM");
}

} // namespace
