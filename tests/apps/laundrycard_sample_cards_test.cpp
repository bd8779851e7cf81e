// Every first-run sample profile, as Reader Manager seeds a new data folder,
// makes its setup card through `laundrycard setup write --profile`. A type
// whose page is built gets one line in kSamples; a seeded sample without a
// line fails the test.
#include "data_folder.h"
#include "services/dao.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "laundrycard_runner.h"

#include <gtest/gtest.h>

#include <map>

namespace {

struct Sample {
    int type;
    const char* name;
    int cardType; // the type byte of the card header
};

const Sample kSamples[] = {
    {0, "Sample Retrofit", 184},
    {1, "Sample Electromechanical", 184},
    {2, "Sample Tovan2000", 180},
    {3, "Sample Tovan2000 Cycle Setup", 181},
    {4, "Sample Maytag Gen2", 187},
    {5, "Sample Maytag Gen2 Advanced", 185},
    {6, "Sample Advantech", 192},
    {7, "Sample Speed Queen/Huebsch MDC", 193},
    {8, "Sample LG", 197},
    {9, "Sample Alliance Quantum/ACA", 198},
    {10, "Sample Maytag Marlin", 199},
    {11, "Sample Wascomat", 200},
    {12, "Sample Maytag Quicksilver", 201},
    {13, "Sample Generic", 202},
    {14, "Sample Maytag MHN33", 199},
};

// Every stored profile's name and type, those the lists never show included.
std::map<QString, int> storedProfiles(const QString& databasePath)
{
    std::map<QString, int> profiles;
    CdbDBEngine engine;
    CdbDatabase database = engine.OpenDatabase(databasePath);
    CdbRecordset rows = database.OpenRecordset(QStringLiteral("LAUNDRY SETUP"));
    if (rows.GetRecordCount() > 0)
        for (rows.MoveFirst(); !rows.GetEOF(); rows.MoveNext())
            profiles[rows.GetField(QStringLiteral("PROFILE NAME")).toString()] =
                rows.GetField(QStringLiteral("PROFILE TYPE")).toString().toInt();
    rows.Close();
    database.Close();
    return profiles;
}

class SampleCards : public clitest::CliTest<::testing::Test> {};

TEST_F(SampleCards, EverySeededSampleMakesItsSetupCard)
{
    const readermanager::DataFolder folder = readermanager::prepareDataFolder(path("data"));
    ASSERT_TRUE(folder.createdDatabase) << folder.errors.join('\n').toStdString();
    ASSERT_TRUE(folder.errors.isEmpty()) << folder.errors.join('\n').toStdString();

    std::map<QString, int> seeded = storedProfiles(folder.databasePath);
    for (const Sample& sample : kSamples) {
        const QString name = QString::fromLatin1(sample.name);
        SCOPED_TRACE(sample.name);
        ASSERT_EQ(seeded.count(name), 1u) << "not seeded";
        EXPECT_EQ(seeded[name], sample.type);
        seeded.erase(name);

        const QString card = path(QStringLiteral("type%1.lcard").arg(sample.type));
        ASSERT_EQ(run({"card", "new", card}).exitCode, 0);
        const clitest::CliRun written = run({"setup", "write", "--profile", name, "--db",
                                             folder.databasePath, "--reader", card, "--yes"});
        ASSERT_EQ(written.exitCode, 0) << written.err.toStdString();
        EXPECT_TRUE(written.err.contains("Reader Setup Card Created")) << written.err.toStdString();

        const clitest::CliRun dump = run({"card", "dump", card, "--json"});
        ASSERT_EQ(dump.exitCode, 0) << dump.err.toStdString();
        const QJsonObject image =
            QJsonDocument::fromJson(dump.out).object()["images"].toArray().at(0).toObject();
        EXPECT_EQ(image["type"].toInt(), sample.cardType);
        EXPECT_FALSE(image["files"].toObject()["2001"].toString().isEmpty());
    }
    for (const auto& [name, type] : seeded)
        ADD_FAILURE() << "sample \"" << name.toStdString() << "\" of type " << type
                      << " has no line in kSamples";
}

} // namespace
