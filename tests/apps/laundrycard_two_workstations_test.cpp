// Two workstations on one database: two laundrycard processes at once, each
// storing its own data collection card and adding its own profiles, on each
// engine. Nothing is lost or doubled, and each finds what the other stored.
// And the demo year through the command line on each engine.
#include "laundrycard_runner.h"
#include "platform/db/db_test_support.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

using clitest::CliRun;
using dbtest::Engine;

class TwoWorkstations : public clitest::CliTest<::testing::TestWithParam<Engine>> {
protected:
    void SetUp() override { DBTEST_REQUIRE(database); }

    // A DC card of customer 7 with the records of seed's machines.
    void makeCard(const QString& name, int seed)
    {
        ASSERT_EQ(run({"card", "new", path(name)}).exitCode, 0);
        ASSERT_EQ(run({"dc", "new", "--reader", path(name), "--cust", "7"}).exitCode, 0);
        ASSERT_EQ(run({"dc", "simulate", "--reader", path(name), "--random", "6", "--seed",
                       QString::number(seed)})
                      .exitCode,
                  0);
    }
    // Half of the sample profiles (first or second), renamed for one side.
    QStringList writeProfiles(const QString& name, bool first)
    {
        QFile samples(QStringLiteral(SAMPLE_PROFILES));
        EXPECT_TRUE(samples.open(QIODevice::ReadOnly));
        const QJsonArray all = QJsonDocument::fromJson(samples.readAll()).array();
        QJsonArray half;
        QStringList names;
        for (qsizetype i = first ? 0 : all.size() / 2; i < (first ? all.size() / 2 : all.size());
             ++i) {
            QJsonObject profile = all[i].toObject();
            // "Sample X" becomes "A X": within the 30 characters of a name.
            QString renamed = profile["PROFILE NAME"].toString();
            renamed.replace(QRegularExpression("^Sample"), name);
            profile["PROFILE NAME"] = renamed;
            half.append(profile);
            names << renamed;
        }
        QFile out(path(name + ".json"));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(QJsonDocument(half).toJson());
        return names;
    }
    QStringList store(const QString& card)
    {
        return {"dc", "store", "--reader",      path(card), "--cust",
                "7",  "--db",  database.path(), "--json"};
    }
    QStringList import(const QString& side)
    {
        return {"profile", "import", path(side + ".json"), "--db", database.path()};
    }
    // Runs both command lines at once.
    std::pair<CliRun, CliRun> together(const QStringList& a, const QStringList& b)
    {
        auto start = [&](QProcess& p, const QStringList& args) {
            p.setWorkingDirectory(path({}));
            p.start(QStringLiteral(LAUNDRYCARD_PATH), args);
            p.closeWriteChannel();
        };
        QProcess pa, pb;
        start(pa, a);
        start(pb, b);
        EXPECT_TRUE(pa.waitForFinished(30000));
        EXPECT_TRUE(pb.waitForFinished(30000));
        return {{pa.exitCode(), pa.readAllStandardOutput(), pa.readAllStandardError()},
                {pb.exitCode(), pb.readAllStandardOutput(), pb.readAllStandardError()}};
    }
    static QJsonObject counts(const CliRun& r)
    {
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        return QJsonDocument::fromJson(r.out).object();
    }

    dbtest::TempDatabase database{GetParam()};
};

TEST_P(TwoWorkstations, StoreAndEditAtOnceLosingAndDoublingNothing)
{
    makeCard("a.card", 1);
    makeCard("b.card", 2);
    QStringList names = writeProfiles("A", true) + writeProfiles("B", false);

    // Each workstation stores its card while the other adds its profiles,
    // then the other way round.
    const auto [storeA, importB] = together(store("a.card"), import("B"));
    const auto [importA, storeB] = together(import("A"), store("b.card"));
    EXPECT_EQ(importA.exitCode, 0) << importA.err.toStdString();
    EXPECT_EQ(importB.exitCode, 0) << importB.err.toStdString();
    const QJsonObject a = counts(storeA), b = counts(storeB);
    EXPECT_GT(a["read"].toInt(), 0);
    EXPECT_EQ(a["stored"].toInt(), a["read"].toInt());
    EXPECT_EQ(b["stored"].toInt(), b["read"].toInt());

    dbtest::RawDb raw(database.path());
    EXPECT_EQ(raw.scalar("SELECT count(*) FROM [MACHINE DATA]"),
              qint64(a["read"].toInt() + b["read"].toInt()));
    QStringList stored = dbtest::storedNames(database.path());
    stored.sort();
    names.sort();
    EXPECT_EQ(stored, names);

    // Each card's records are found as stored, whoever stored them.
    const QJsonObject again = counts(run(store("b.card")));
    EXPECT_EQ(again["duplicates"].toInt(), b["read"].toInt());
    EXPECT_EQ(again["stored"].toInt(), 0);
}

// The demo year goes into a database that exists already (on a server it
// always does), its report totals what was stored, and a copy says so.
TEST_P(TwoWorkstations, TheDemoYearIsStoredAndReported)
{
    const CliRun year = run({"dc", "simulate", "--random", "year", "--db", database.path(),
                             "--seed", "3", "--to", "2026-12-06"});
    ASSERT_EQ(year.exitCode, 0) << year.err.toStdString();
    const CliRun report = run({"report", "collections", "--db", database.path(), "--from",
                               "2025-12-07", "--to", "2026-12-06", "--json"});
    ASSERT_EQ(report.exitCode, 0) << report.err.toStdString();
    const QJsonObject totals = QJsonDocument::fromJson(report.out).object()["totals"].toObject();
    EXPECT_TRUE(year.out.contains(QByteArray::number(totals["collections"].toInt())))
        << year.out.toStdString();
    EXPECT_EQ(totals["machines_collected"].toInt(), 11);
    const CliRun copy = run({"db", "copy", database.path(), path("copy.mdb")});
    EXPECT_TRUE(copy.out.startsWith("Copied " + QByteArray::number(totals["collections"].toInt()) +
                                    " rows"))
        << copy.out.toStdString() << copy.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(BothEngines, TwoWorkstations, dbtest::kBothEngines, dbtest::engineName);

} // namespace
