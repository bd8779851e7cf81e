// A fresh manager.mdb that the library opens as its system database, the
// scripted prompt service, and a Price Special Profiles session over it.
#pragma once

#include "laundry/laundry.h"
#include "platform/ui/checked_scripted_ui.h"
#include "services/open_table.h"
#include "services/system_database.h"
#include "specials/price_specials_session.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace specialstest {

class SpecialsDbTest : public ::testing::Test {
protected:
    SpecialsDbTest()
    {
        path_ = dir_.filePath(QStringLiteral("manager.mdb"));
        QString error;
        EXPECT_TRUE(dbhelper::createDatabase(path_, &error)) << error.toStdString();
        systemdb::setDatabasePath(path_);
        // The exports keep the scripted services installed below.
        set_laundry_ui_mode(LAUNDRY_UI_SCRIPTED);
    }
    ~SpecialsDbTest() override
    {
        session_.reset();
        table_.close();
        systemdb::setDatabasePath({});
    }

    QString databasePath() const { return path_; }
    ui::ScriptedUi& script() { return ui_.ui(); }

    // Adds profiles through the import the command line uses.
    void import(const char* json)
    {
        LaundryPriceSpecials specials;
        ASSERT_TRUE(specials.open(path_)) << specials.error().toStdString();
        const LaundrySpecialsImport outcome = specials.import(QByteArray(json));
        ASSERT_TRUE(outcome.succeeded()) << outcome.refusals.join('\n').toStdString();
    }

    specials::PriceSpecialsSession& open(specials::Mode mode,
                                         specials::Rights rights = specials::Rights::all())
    {
        session_.reset();
        table_.close();
        EXPECT_EQ(table_.open(path_, QStringLiteral("PRICE PROFILES")), OpenTable::Failure::None);
        session_ = std::make_unique<specials::PriceSpecialsSession>(
            mode, 0x1234, rights, table_.database(), table_.recordset());
        session_->open();
        return *session_;
    }

    // The rows of a table, each as its column texts in the order given.
    QList<QStringList> rows(const QString& sql, const QStringList& columns)
    {
        OpenTable table;
        EXPECT_EQ(table.open(path_, sql), OpenTable::Failure::None);
        QList<QStringList> out;
        CdbRecordset& r = table.recordset();
        if (r.GetRecordCount() == 0)
            return out;
        for (r.MoveFirst(); !r.GetEOF(); r.MoveNext()) {
            QStringList cells;
            for (const QString& column : columns)
                cells << dbhelper::fieldText(r.GetField(column));
            out << cells;
        }
        return out;
    }

private:
    QTemporaryDir dir_;
    QString path_;
    uitest::CheckedScriptedUi ui_;
    OpenTable table_;
    std::unique_ptr<specials::PriceSpecialsSession> session_;
};

} // namespace specialstest
