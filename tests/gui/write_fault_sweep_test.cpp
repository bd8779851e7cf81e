// Every whole operation that writes, failed at each of its card calls, file
// writes and database calls in turn: nothing crashes, every card, progress
// window and connection is closed again, and the card, file or table holds
// its old content or its new content, never a mixture.
#include "card/card_dump.h"
#include "card/card_image_file.h"
#include "card/card_images.h"
#include "card/fault_injection.h"
#include "profile_editor_fixture.h"
#include "profiles/profile_json.h"
#include "profiles/profile_table.h"
#include "support/failing_backend.h"
#include "support/failing_saves.h"
#include "support/test_files.h"

#include <QDir>

namespace {

using card::FaultKind;
using profiletest::Editor;

using testfiles::bytes;

// The card a file holds without its keys: a key failure leaves the new setup
// data on the card, as the writer promises, so keys are compared apart.
card::CardState withoutKeys(const QByteArray& bytes)
{
    std::vector<card::CardState> images;
    card::decodeCardImages(bytes, &images);
    if (images.empty())
        return {};
    images.front().keys = {};
    return images.front();
}

class WriteFaultSweep : public profiletest::ProfileEditorTest {
protected:
    // Runs write once per fault a run can meet: each card call kind at each
    // of its calls, then each file write and each commit. After every run,
    // check(result) judges what was left.
    void sweepCardAndFileFaults(const std::function<uint8_t()>& write,
                                const std::function<void(uint8_t, const QString&)>& check)
    {
        for (int kind = 0; kind < int(FaultKind::Count); ++kind) {
            if (FaultKind(kind) == FaultKind::Close) // a Close that fails leaves the card powered
                continue;
            for (int k = 1;; ++k) {
                card::faults::reset();
                card::faults::inject(FaultKind(kind), k, 1);
                const uint8_t result = write();
                const bool fired = card::faults::callCount(FaultKind(kind)) >= k;
                check(result, card::faults::kindName(FaultKind(kind)) + QString::number(k));
                if (!fired)
                    break;
            }
        }
        card::faults::reset();
        for (const FailingSaves::At at : {FailingSaves::At::Write, FailingSaves::At::Commit}) {
            for (int k = 1;; ++k) {
                FailingSaves full(at, k);
                const uint8_t result = write();
                check(result, QStringLiteral("save %1 at %2").arg(int(at)).arg(k));
                if (!full.fired())
                    break;
            }
        }
    }

    // A new database holding one profile "Kept" at $1.00.
    void freshDatabase()
    {
        for (const char* suffix : {"", "-wal", "-shm"})
            QFile::remove(databasePath() + suffix);
        ASSERT_TRUE(dbhelper::createDatabase(databasePath(), nullptr));
        addProfile("Kept", 0);
    }

    void expectNothingLeftOpen(const QString& what)
    {
        EXPECT_FALSE(card::isPowered()) << what.toStdString();
        EXPECT_TRUE(script().progressBalanced()) << what.toStdString();
        EXPECT_EQ(dao::openConnectionCount(), 0) << what.toStdString();
        // No temporary file of a failed save stays beside the target.
        for (const QString& name : QDir(path(".")).entryList(QDir::Files))
            EXPECT_TRUE(name == "card.lcard" || name == "setup.lcard" ||
                        name.startsWith("manager.mdb"))
                << name.toStdString() << " after " << what.toStdString();
    }
};

TEST_F(WriteFaultSweep, ASetupCardIsOldOrNew)
{
    const QString file = path("card.lcard");
    STRUCT_laundry_setup oldRecord = testfiles::setupRecord(184, 100);
    STRUCT_laundry_setup newRecord = testfiles::setupRecord(184, 175);
    // Writes the record onto the card file as it is on disk now.
    const auto write = [&](STRUCT_laundry_setup& record) {
        QString error;
        EXPECT_TRUE(card::insertCardFile(file, &error));
        card::RexaCard image;
        return create_laundry_setup_card(&image, 0, &record, 0);
    };
    card::NewCardFileOptions blank;
    blank.custId = 0;
    ASSERT_EQ(card::createCardImageFile(file, blank), QString());
    ASSERT_EQ(write(oldRecord), 1);
    const QByteArray oldBytes = bytes(file);
    ASSERT_EQ(write(newRecord), 1);
    const QByteArray newBytes = bytes(file);
    ASSERT_NE(oldBytes, newBytes);

    sweepCardAndFileFaults(
        [&] {
            EXPECT_TRUE(testfiles::write(file, oldBytes));
            return write(newRecord);
        },
        [&](uint8_t result, const QString& what) {
            const QByteArray now = bytes(file);
            if (result == 1)
                EXPECT_EQ(now, newBytes) << what.toStdString();
            else
                EXPECT_TRUE(now == oldBytes || withoutKeys(now) == withoutKeys(newBytes))
                    << what.toStdString();
            EXPECT_EQ(withoutKeys(now),
                      withoutKeys(card::encodeCardImages({*card::insertedCard()})))
                << "the reader and its file agree after " << what.toStdString();
            expectNothingLeftOpen(what);
        });
}

TEST_F(WriteFaultSweep, ASetupFileIsNewOrAbsent)
{
    const QString file = path("setup.lcard");
    STRUCT_laundry_setup record = testfiles::setupRecord(184, 175);
    {
        card::RexaFile image;
        ASSERT_TRUE(image.InitForWrite(file));
        ASSERT_EQ(create_laundry_setup_card(&image, 0, &record, 0), 1);
    }
    const QByteArray newBytes = bytes(file);
    sweepCardAndFileFaults(
        [&] {
            QFile::remove(file);
            card::RexaFile image;
            return image.InitForWrite(file) ? create_laundry_setup_card(&image, 0, &record, 0)
                                            : uint8_t(0);
        },
        [&](uint8_t result, const QString& what) {
            if (result == 1)
                EXPECT_EQ(bytes(file), newBytes) << what.toStdString();
            else
                EXPECT_TRUE(!QFile::exists(file) ||
                            withoutKeys(bytes(file)) == withoutKeys(newBytes))
                    << what.toStdString();
            expectNothingLeftOpen(what);
        });
}

// Runs `operation` once without a fault to count its database calls, then
// once failing each of them, each time on the table `prepare` makes.
void sweepDatabaseCalls(const std::function<void()>& prepare,
                        const std::function<void()>& operation, const std::function<bool()>& isNew,
                        const std::function<void(const QString&)>& check)
{
    testsupport::FaultInjection faults;
    prepare();
    faults.failAt(0);
    operation();
    const int calls = faults.calls();
    ASSERT_TRUE(isNew());
    ASSERT_GT(calls, 3);
    for (int k = 1; k <= calls; ++k) {
        faults.failAt(0);
        prepare();
        faults.failAt(k);
        operation();
        faults.failAt(0);
        check(QStringLiteral("database call %1 of %2").arg(k).arg(calls));
    }
}

TEST_F(WriteFaultSweep, AnImportStoresAllOrNothing)
{
    const QJsonArray profiles = *profiles::parseProfileFile(
        R"([{"PROFILE NAME":"Washers","PROFILE TYPE":4,"WASHER":true,"WASH":8},
            {"PROFILE NAME":"Dryers","PROFILE TYPE":4,"DRYER":true,"DRY":45},
            {"PROFILE NAME":"Cycle","PROFILE TYPE":3,"SCROLL SPEED":4}])",
        nullptr);
    sweepDatabaseCalls([&] { freshDatabase(); },
                       [&] {
                           profiles::ProfileTable table;
                           if (table.open(profiles::ProfileTable::Rows::All))
                               profiles::importProfiles(profiles, table);
                       },
                       [&] { return storedNames().size() == 4; },
                       [&](const QString& what) {
                           const QStringList names = storedNames();
                           EXPECT_TRUE(names == QStringList{"Kept"} ||
                                       names == QStringList({"Cycle", "Dryers", "Kept", "Washers"}))
                               << names.join(',').toStdString() << " after " << what.toStdString();
                           expectNothingLeftOpen(what);
                       });
}

TEST_F(WriteFaultSweep, AnEditorSaveStoresTheOldOrTheNewProfile)
{
    whenEditorOpens([&](Editor& editor) {
        trigger(editor, "editProfileAction");
        type(edit(editor, "vendPrice"), "2.5");
        leave(edit(editor, "vendPrice"));
        click(editor, "updateButton");
        if (!edit(editor, "profileName").isReadOnly()) // still editing after a failed save
            script().queueAnswers({promptui::IDYES});
        click(editor, "exitButton");
    });
    sweepDatabaseCalls(
        [&] { freshDatabase(); }, [&] { ShowAndLoadLaundrySetupProfile(); },
        [&] { return storedField("Kept", "VEND PRICE") == Currency(25000).toVariant(); },
        [&](const QString& what) {
            const QVariant price = storedField("Kept", "VEND PRICE");
            EXPECT_TRUE(price == Currency::fromDollars(1).toVariant() ||
                        price == Currency(25000).toVariant())
                << price.toString().toStdString() << " after " << what.toStdString();
            EXPECT_EQ(storedNames(), QStringList{"Kept"}) << what.toStdString();
            expectNothingLeftOpen(what);
        });
}

} // namespace
