#include "datacollection/card_holder_lookup.h"
#include "datacollection/dc_duplicates.h"
#include "dc_store_fixture.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <functional>
#include <optional>
#include <string>

namespace {

std::vector<uint8_t> flags(const GenericDC& records)
{
    std::vector<uint8_t> f;
    for (int i = 0; i < records.GetNumRecs(); ++i)
        f.push_back(records.GetRec(i)->duplicate_flag);
    return f;
}

// Local time in a zone that skips 2:00-3:00 on 3/8/2026, for one test.
class NewYorkTime {
public:
    NewYorkTime()
    {
        if (const char* tz = std::getenv("TZ"))
            saved_ = tz;
        setenv("TZ", "America/New_York", 1);
        tzset();
    }
    ~NewYorkTime()
    {
        if (saved_)
            setenv("TZ", saved_->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

private:
    std::optional<std::string> saved_;
};

TEST_P(DcStore, ReadingTheSameCardTwiceOnAnyWorkstationMarksEveryRecord)
{
    GenericDC card;
    for (const uint8_t family : {3, 4, 5, 6, 8, 13})
        card.AddRec(record(family, "M" + std::to_string(family)));
    ASSERT_EQ(mark_duplicate_laundry_dc_record(&db, &card), 1);
    EXPECT_EQ(flags(card), std::vector<uint8_t>(6, 0));
    {
        // Stored by another workstation, found by this one.
        CdbDBEngine engine;
        CdbDatabase theirs = engine.OpenDatabase(path_);
        for (int i = 0; i < card.GetNumRecs(); ++i)
            ASSERT_EQ(copy_laundry_dc_struct_to_database(&theirs, card.GetRec(i)), 1);
    }
    GenericDC again = card;
    ASSERT_EQ(mark_duplicate_laundry_dc_record(&db, &again), 1);
    EXPECT_EQ(flags(again), std::vector<uint8_t>(6, 1));
    EXPECT_TRUE(script().messages().empty());
}

TEST_P(DcStore, WhatMakesARecordADuplicate)
{
    const auto bump = [](int offset) { return [=](GenericDCRec& r) { ++r.counters[offset]; }; };
    const struct {
        const char* what;
        uint8_t family;
        std::function<void(GenericDCRec&)> change;
        uint8_t duplicate;
    } cases[] = {
        {"the same record", 3, {}, 1},
        {"zero padded id", 3, [](GenericDCRec& r) { std::memset(r.machine_id + 3, 0, 7); }, 1},
        {"run time", 3, bump(130), 0},
        {"interval cash", 4, bump(12), 0},
        {"elapsed cycles", 13, bump(16), 0},
        {"quantum run time", 13, bump(130), 0},
        {"collection minute", 3, [](GenericDCRec& r) { r.collect_time[4] = 0x31; }, 0},
        {"audit counter outside the filter", 8, bump(60), 1},
        {"audit serial", 8, bump(21), 0},
        {"audit byte 22", 8, bump(22), 1},
        {"audit elapsed cash", 8, bump(128), 0},
    };
    int n = 0;
    for (const auto& c : cases) {
        // Three characters and seven padding blanks, stored without them; the
        // apostrophe stays part of the searched text.
        GenericDCRec stored = record(c.family, "O'N", "LOC" + std::to_string(++n));
        ASSERT_EQ(store(stored), 1) << c.what;
        GenericDCRec searched = stored;
        if (c.change)
            c.change(searched);
        GenericDC records;
        records.AddRec(searched);
        ASSERT_EQ(mark_duplicate_laundry_dc_record(&db, &records), 1) << c.what;
        EXPECT_EQ(records.GetRec(0)->duplicate_flag, c.duplicate) << c.what;
    }
}

// The texts the two searches hand to FindFirst, value forms included (no
// database involved).
TEST_F(DcStoreTest, DuplicateFilterTexts)
{
    const QDateTime evening(QDate(2026, 12, 5), QTime(21, 30));
    GenericDCRec machine = record(3, "O'N", "LOC 1");
    std::memset(machine.counters, 0, sizeof machine.counters);
    const auto put = [&](GenericDCRec& r, int offset, std::initializer_list<uint8_t> bytes) {
        std::copy(bytes.begin(), bytes.end(), r.counters + offset);
    };
    put(machine, 8, {0xE8, 0x03});        // 1000 cycles
    put(machine, 12, {0x40, 0xE2, 0x01}); // 123456 cents
    put(machine, 16, {7});
    put(machine, 20, {5});
    put(machine, 130, {0x2C, 0x01}); // 300 minutes
    EXPECT_EQ(datacollection::machineDataDuplicateFilter(machine, evening).toStdString(),
              "(MACHINEID = 'O''N') AND (LOCATIONID = 'LOC 1') AND ([INT CYCLES] = 1000) AND "
              "([ELP CYCLES] = 7) AND ([INT CASH] = 1234.56) AND ([ELP CASH] = 0.05) AND "
              "([ELP RUN TIME] = 300) AND ([COLLECTION DATE] = #12/5/2026 9:30:00 PM#)");

    GenericDCRec audit = record(8, "A1", "L'2");
    std::memset(audit.counters, 0, sizeof audit.counters);
    put(audit, 21, {0x12, 0x99, 0x34, 0x56, 0x78, 0x9A}); // byte 22 is not part of it
    put(audit, 128, {0xE8, 0x03});                        // 1000 cents elapsed
    put(audit, 132, {250});
    EXPECT_EQ(datacollection::advanteckAuditDuplicateFilter(audit, evening).toStdString(),
              "(MACHINEID = 'A1') AND (LOCATIONID = 'L''2') AND ([SERIAL] = '123456789A') AND "
              "([INT CASH] = 2.5) AND ([ELP CASH] = 10) AND "
              "([COLLECTION DATE] = #12/5/2026 9:30:00 PM#)");
}

TEST_P(DcStore, ATimeTheClocksSkipIsStoredAsWritten)
{
    const NewYorkTime zone;
    const auto at = [](uint8_t hour, uint8_t minute) {
        GenericDCRec r = record(3);
        const uint8_t time[5] = {0x26, 0x03, 0x08, hour, minute};
        std::memcpy(r.collect_time, time, 5);
        return r;
    };
    ASSERT_EQ(store(at(0x02, 0x30)), 1);
    GenericDC records;
    records.AddRec(at(0x02, 0x30));
    records.AddRec(at(0x03, 0x30)); // where the skipped time would land if shifted
    ASSERT_EQ(mark_duplicate_laundry_dc_record(&db, &records), 1);
    EXPECT_EQ(flags(records), (std::vector<uint8_t>{1, 0}));
}

TEST_P(DcStore, ARecordThatIsNeverStoredStopsTheMarking)
{
    ASSERT_EQ(store(record(3)), 1);
    GenericDC records;
    records.AddRec(record(3));
    records.AddRec(record(7));
    GenericDCRec last = record(3);
    last.duplicate_flag = 9;
    records.AddRec(last);
    EXPECT_EQ(mark_duplicate_laundry_dc_record(&db, &records), 0);
    EXPECT_EQ(flags(records), (std::vector<uint8_t>{1, 0, 9}));
    EXPECT_TRUE(script().messages().empty());
}

TEST_P(DcStore, CardHolderLookup)
{
    addRow("SERIAL INFO", {{"SERIAL", "00 0A 1B 2C 3D 4E"}, {"ACCOUNTID", "A1"}});
    addRow("USER INFO", {{"ACCOUNTID", "A9"}, {"LASTNAME", "DOE"}, {"FIRSTNAME", "JANE"}});
    addRow("USER INFO", {{"ACCOUNTID", "A1"}, {"LASTNAME", "SMITH"}, {"FIRSTNAME", "JOHN"}});
    const struct {
        QString key;
        const char* first;
        const char* last;
        const char* full;
    } cases[] = {
        {"0A1B2C3D4E", "JOHN", "SMITH", "SMITH,JOHN"},
        {"0A1B2C3D4F", "UNKNOWN", "UNKNOWN", "UNKNOWN"},
        {"0a1b2c3d4e", "UNKNOWN", "UNKNOWN", "UNKNOWN"},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(datacollection::open_user_tables(), 1);
        ASSERT_EQ(datacollection::lookup_card_holder(c.key), 1);
        const datacollection::CardHolderNames& names = datacollection::cardHolderNames();
        EXPECT_EQ(names.first, c.first) << c.key.toStdString();
        EXPECT_EQ(names.last, c.last);
        EXPECT_EQ(names.full, c.full);
    }
    // An audit record names its collector from bytes 22 to 26; its SERIAL
    // is bytes 21 and 23 to 26.
    GenericDCRec audit = record(8);
    std::memcpy(audit.counters + 21, "\x77\x0A\x1B\x2C\x3D\x4E", 6);
    ASSERT_EQ(store(audit), 1);
    const CdbRecordset row = lastRow("ADVANTECK AUDIT");
    EXPECT_EQ(row.GetField("SERIAL").toString(), "771B2C3D4E");
    EXPECT_EQ(row.GetField("FIRSTNAME").toString(), "JOHN");
    EXPECT_EQ(row.GetField("LASTNAME").toString(), "SMITH");
    EXPECT_TRUE(script().messages().empty());
}

} // namespace
