// A fresh system database that is also the library's system database, the
// scripted prompt service, and quick records and row reads for the storage
// and duplicate tests: DcStoreTest on an SQLite file, DcStore on each engine.
#pragma once

#include "laundry/dc_store.h"
#include "laundry/laundry.h"
#include "machines/dc_machine.h"
#include "platform/db/db_test_support.h"
#include "platform/ui/checked_scripted_ui.h"
#include "services/dao.h"
#include "services/system_database.h"

#include <gtest/gtest.h>

class DcStoreFixture {
protected:
    explicit DcStoreFixture(dbtest::Engine engine) : file_(engine), path_(file_.path())
    {
        set_laundry_ui_mode(LAUNDRY_UI_SCRIPTED);
        if (path_.isEmpty())
            return; // no server: the test skips
        systemdb::setDatabasePath(path_);
        db = engine_.OpenDatabase(path_);
    }
    ~DcStoreFixture()
    {
        db.Close();
        systemdb::setDatabasePath({});
    }

    // A record collected 12/5/2026 09:30 whose counter bytes all differ from
    // their neighbours.
    static GenericDCRec record(uint8_t family, std::string_view machine = "WASH01",
                               std::string_view location = "STORE9")
    {
        GenericDCRec r =
            machines::dcRecord(family, {0x26, 0x12, 0x05, 0x09, 0x30}, machine, location);
        for (int i = 0; i < r.family_data_size; ++i)
            r.counters[i] = static_cast<uint8_t>(i * 37 + 11);
        return r;
    }

    uint8_t store(const GenericDCRec& r) { return copy_laundry_dc_struct_to_database(&db, &r); }

    // The last row of a table (an invalid recordset when there is none).
    CdbRecordset lastRow(const QString& table)
    {
        CdbRecordset rows = db.OpenRecordset(table);
        if (rows.GetRecordCount() > 0)
            rows.MoveLast();
        return rows;
    }
    int rowCount(const QString& table) { return db.OpenRecordset(table).GetRecordCount(); }

    void addRow(const QString& table, const std::vector<std::pair<QString, QVariant>>& fields)
    {
        CdbRecordset rows = db.OpenRecordset(table);
        rows.AddNew();
        for (const auto& [name, value] : fields)
            rows.SetField(name, value);
        rows.Update();
    }

    ui::ScriptedUi& script() { return ui_.ui(); }

    dbtest::TempDatabase file_;
    CdbDatabase db;
    QString path_;

private:
    CdbDBEngine engine_;
    uitest::CheckedScriptedUi ui_;
};

class DcStoreTest : public ::testing::Test, public DcStoreFixture {
protected:
    DcStoreTest() : DcStoreFixture(dbtest::Engine::Sqlite) {}
};

// Instantiated on both engines in dc_storage_test.cpp.
class DcStore : public ::testing::TestWithParam<dbtest::Engine>, public DcStoreFixture {
protected:
    DcStore() : DcStoreFixture(GetParam()) {}
    void SetUp() override { DBTEST_REQUIRE(file_); }
};
