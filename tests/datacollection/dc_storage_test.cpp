#include "datacollection/dc_columns.h"
#include "dc_store_fixture.h"

#include <functional>

namespace {

using cardcore::DcColumn;
using cardcore::DcConversion;

// What a column must read back as, worked out from the record's bytes.
QString expectedText(const DcColumn& c, const uint8_t* block)
{
    qint64 n = 0;
    for (int k = 0; k < c.width && c.conversion != DcConversion::Text; ++k)
        n |= qint64{block[c.offset + k]} << (8 * k);
    const auto money = [](qint64 cents) {
        return dbhelper::fieldText(Currency::fromCents(cents).toVariant());
    };
    switch (c.conversion) {
    case DcConversion::Text:
        return QString::fromLatin1(reinterpret_cast<const char*>(block + c.offset), c.width);
    case DcConversion::Cents:
        return money(n + (c.plusCentsAt >= 0 ? block[c.plusCentsAt] : 0));
    case DcConversion::Nickels:
        return money(n * 5);
    default:
        return QString::number(n);
    }
}

TEST_P(DcStore, EveryColumnIsStoredFromItsCounter)
{
    const struct {
        uint8_t family;
        const char* table;
        std::vector<std::span<const DcColumn>> columns;
    } families[] = {
        {3, "MACHINE DATA", {datacollection::machineDataColumns()}},
        {6, "MACHINE DATA", {datacollection::machineDataColumns()}},
        {13, "MACHINE DATA", {datacollection::mdcQuantumColumns(), cardcore::kDcSearchCounters}},
        {8, "ADVANTECK AUDIT", {datacollection::advanteckAuditColumns()}},
    };
    for (const auto& f : families) {
        GenericDCRec r = record(f.family);
        if (f.family != 8)
            std::memcpy(r.counters + 58, "SN12345678", 10);
        ASSERT_EQ(store(r), 1) << int(f.family);
        const CdbRecordset row = lastRow(f.table);
        EXPECT_EQ(row.GetField("MACHINEID").toString(), "WASH01");
        EXPECT_EQ(row.GetField("LOCATIONID").toString(), "STORE9");
        EXPECT_EQ(row.GetField("RECORD FAMILY").toInt(), f.family);
        int checked = 0;
        for (const auto& columns : f.columns) {
            for (const DcColumn& c : columns) {
                EXPECT_EQ(dbhelper::fieldText(row.GetField(c.name)), expectedText(c, r.counters))
                    << int(f.family) << " " << c.name;
                ++checked;
            }
        }
        EXPECT_GT(checked, 20);
    }
    EXPECT_TRUE(script().messages().empty());
}

TEST_P(DcStore, EdgeValues)
{
    const auto at = [](int offset, uint32_t value, int width = 4) {
        return [=](GenericDCRec& r) {
            for (int k = 0; k < width; ++k)
                r.counters[offset + k] = static_cast<uint8_t>(value >> (8 * k));
        };
    };
    const auto year = [](uint8_t bcd) { return [=](GenericDCRec& r) { r.collect_time[0] = bcd; }; };
    const auto dated = [](int y) { return QVariant(QDateTime(QDate(y, 12, 5), QTime(9, 30))); };
    const auto cents = [](qint64 c) { return Currency::fromCents(c).toVariant(); };
    const struct {
        const char* what;
        uint8_t family;
        std::function<void(GenericDCRec&)> set;
        const char* column;
        QVariant expected;
    } cases[] = {
        {"255 nickels", 3, at(80, 255, 1), "VEND PRICE", cents(1275)},
        {"123456 cents", 3, at(12, 123456), "INT CASH", cents(123456)},
        {"elp money", 3, [&](GenericDCRec& r) { at(132, 1000)(r), at(106, 7, 1)(r); }, "ELP MONEY",
         cents(1007)},
        {"model 8 topoff", 3, [&](GenericDCRec& r) { at(57, 8, 1)(r), at(103, 30, 1)(r); },
         "TOPOFF PRICE", cents(150)},
        {"model 7 no topoff", 4, at(57, 7, 1), "TOPOFF PRICE", QVariant()},
        {"unsigned counter", 3, at(8, 0xFFFFFFFF), "INT CYCLES", qint64{0xFFFFFFFF}},
        {"year 80", 3, year(0x80), "COLLECTION DATE", dated(2080)},
        {"year 81", 3, year(0x81), "COLLECTION DATE", dated(1981)},
        {"year 05", 3, year(0x05), "COLLECTION DATE", dated(2005)},
        {"token topoff", 13, at(32, 0xBEEF, 2), "INT TOKEN TOPOFF CYCLE", 0xBEEF},
        {"serial ends at zero", 5, at(58, 0x4241, 3), "MACHINE SERIAL", "AB"},
        {"id ends at zero", 3, [](GenericDCRec& r) { std::memcpy(r.machine_id, "AB \0CD", 6); },
         "MACHINEID", "AB"},
    };
    for (const auto& c : cases) {
        GenericDCRec r = record(c.family);
        c.set(r);
        ASSERT_EQ(store(r), 1) << c.what;
        EXPECT_EQ(dbhelper::fieldText(lastRow("MACHINE DATA").GetField(c.column)),
                  dbhelper::fieldText(c.expected))
            << c.what;
    }
}

TEST_P(DcStore, RecordsThatAreNeverStored)
{
    GenericDCRec badDate = record(3);
    badDate.collect_time[1] = 0x13;
    const struct {
        GenericDCRec r;
        QString message;
    } cases[] = {
        {record(7), {}},
        {record(9), {}},
        {record(12), {}},
        {badDate, "Machine WASH01, location STORE9: the collection time 2026-13-05 09:30 is not a "
                  "date.\nThe record is not stored."},
    };
    for (const auto& c : cases) {
        script().clear();
        EXPECT_EQ(store(c.r), 0);
        EXPECT_EQ(script().messageTexts(),
                  c.message.isEmpty() ? QStringList() : QStringList{c.message});
    }
    EXPECT_EQ(rowCount("MACHINE DATA"), 0);
}

TEST_P(DcStore, AFailedWriteLeavesNoRow)
{
    db.Close();
    CdbDBEngine engine;
    db = engine.OpenDatabase(path_, true);
    for (const uint8_t family : {3, 8, 13}) {
        script().clear();
        EXPECT_EQ(store(record(family)), 0);
        ASSERT_EQ(script().messages().size(), 1u)
            << script().messageTexts().join("|").toStdString();
        EXPECT_TRUE(script().messages()[0].text.startsWith(
            "Error adding new Reader data collection record.\nError 3027 : "));
    }
    EXPECT_EQ(rowCount("MACHINE DATA") + rowCount("ADVANTECK AUDIT"), 0);
}

TEST_P(DcStore, AuditRecordWithoutHolderTables)
{
    systemdb::setDatabasePath(file_.missing());
    EXPECT_EQ(store(record(8)), 0);
    ASSERT_EQ(script().messages().size(), 2u);
    EXPECT_EQ(script().messages()[0].text, "ERROR: Can't open manager.mdb.");
    EXPECT_EQ(script().messages()[0].caption, "Manager");
    EXPECT_EQ(script().messages()[1].text, "Can't open the MANAGER database table");
    EXPECT_EQ(script().messages()[1].caption, "Reader Manager");
    EXPECT_EQ(script().messages()[1].icon, unsigned(promptui::MB_ICONERROR));
    EXPECT_EQ(rowCount("ADVANTECK AUDIT"), 0);
}

TEST_P(DcStore, TempRowsNameTheirPlaceInTheContainer)
{
    GenericDC records;
    for (int i = 0; i < 3; ++i) {
        GenericDCRec r = record(3);
        r.duplicate_flag = i == 1;
        records.AddRec(r);
    }
    for (const auto& [skip, numbers] : {std::pair{1, QList<int>{0, 2}}, {0, QList<int>{0, 1, 2}}}) {
        db.Execute("DELETE FROM [DC TEMP]");
        CdbRecordset temp = db.OpenRecordset("DC TEMP");
        ASSERT_EQ(fill_temp_recordset_laundry_dc(temp, &records, skip), 1);
        QList<int> stored;
        for (temp.Requery(); !temp.GetEOF(); temp.MoveNext()) {
            EXPECT_EQ(temp.GetField("MACHINE").toString(), "WASH01");
            EXPECT_EQ(temp.GetField("COLLECTION DATE").toDateTime(),
                      QDateTime(QDate(2026, 12, 5), QTime(9, 30)));
            stored << temp.GetField("RECORD NUMBER").toInt();
        }
        EXPECT_EQ(stored, numbers) << skip;
    }
}

INSTANTIATE_TEST_SUITE_P(BothEngines, DcStore, dbtest::kBothEngines, dbtest::engineName);

} // namespace
