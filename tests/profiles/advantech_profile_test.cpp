// Advantech profiles from an imported file to the exact bytes of their setup
// card, and back through the card details report.
#include "profiles/profile_json.h"
#include "profiles/profile_selection.h"
#include "profiles/profile_table.h"
#include "report/report_fixture.h"
#include "services/dao.h"
#include "services/system_database.h"
#include "setup/advanteck_layout.h"
#include "setup/layout_bytes.h"
#include "support/recording_card_image.h"

#include <QTemporaryDir>

using namespace profiles;
using layouttest::hex;

namespace {

// A washer with a value of its own in every field, and a dryer.
const char kProfiles[] = R"([
{"PROFILE NAME":"Adv Washer","PROFILE TYPE":6,"MAX CARD VALUE":"100","CLEAR COUNT":true,
 "LOCATION":true,"USER TRANSACTION COL":true,"WASHER":true,"DRYER":false,
 "VEND PRICE":"2.75","VEND WARM PRICE":"0.25","VEND HOT PRICE":"0.5","DRYER RUN TIME":45,
 "SPEC PRICE 1":"2","SP1 DAY":65,"SP1 START":88,"SP1 DURATION":7,
 "SPEC PRICE 2":"1.5","SP2 DAY":62,"SP2 START":24,"SP2 DURATION":11,
 "COIN1 VALUE":"0.25","COIN2 VALUE":"1","COIN SLIDE 2":1,"COIN PULSE DELAY":5,
 "COIN1 PULSE MIN":20,"COIN1 PULSE MAX":120,"COIN2 PULSE MIN":30,"COIN2 PULSE MAX":90,
 "ESTIMATED FILL TIME":12,"SETUP BYTE 1":7,"SETUP BYTE 2":129,"HOT TEMP REDUCTION":15,
 "DECIMAL POINT":3,"ACTIONSETREGPRICES":true,"ACTIONSETCOINVALUES":true,"ACTIONSETALL":false},
{"PROFILE NAME":"Adv Dryer","PROFILE TYPE":6,"MAX CARD VALUE":"50","DRYER":true,
 "REG DRYER PRICE":"1.25","TOPOFF PRICE":"0.35","TOPOFF TIME":9,"EXTENDED COOL DOWN":3,
 "SPEC PRICE 3":"0.75","SP3 DAY":127}
])";

class AdvantechProfile : public ReportFixture {
protected:
    AdvantechProfile()
    {
        path_ = dir_.filePath(QStringLiteral("manager.mdb"));
        QString error;
        EXPECT_TRUE(dbhelper::createDatabase(path_, &error)) << error.toStdString();
        systemdb::setDatabasePath(path_);
        const auto parsed = parseProfileFile(kProfiles, &error);
        EXPECT_TRUE(parsed) << error.toStdString();
        ProfileTable table;
        EXPECT_TRUE(parsed && table.open(ProfileTable::Rows::All, path_));
        const ImportOutcome outcome = importProfiles(*parsed, table);
        EXPECT_TRUE(outcome.succeeded())
            << (outcome.refusals.isEmpty() ? "" : outcome.refusals[0].text().toStdString());
    }
    ~AdvantechProfile() override { systemdb::setDatabasePath({}); }

    STRUCT_laundry_setup record(const QString& name)
    {
        STRUCT_laundry_setup r{};
        setup::clearSetupRecord(r);
        EXPECT_EQ(convertProfileByName(name, r), 1);
        return r;
    }

private:
    QTemporaryDir dir_;
    QString path_;
};

} // namespace

TEST_F(AdvantechProfile, AnImportedWasherReachesItsCardByteForByte)
{
    RecordingCardImage image;
    ASSERT_EQ(setup::writeAdvanteckLayout(image, record("Adv Washer")), 0);
    // Option flags 0x5A: washer, user transactions, clear counters, check
    // location. Prices in cents: 275; special 200 (Sun, Sat, 10:00 PM, 2:00
    // hours), 150 (Mon-Fri, 6:00 AM, 3:00 hours), third none for a whole day.
    // Pulses max before min; fill time 3:00 mins; setup bytes 07 81; warm 25,
    // hot 50, coins 25 and 100, slide 2, pulse delay 0.5 s, "100.00",
    // reduction 15; Max Card Value $100.
    const QByteArray block1 =
        layouttest::layout(136, {{8, hex("55")},
                                 {55, hex("0113 2d 0000 00 00c8 41 58 08 0096 3e 18 0c 0000 00 "
                                          "00 60 78 14 5a 1e 000c 07 81")},
                                 {98, hex("0019 0032 0019 0064 00 01 0005 03 0f 00")},
                                 {133, hex("0064 5a")}});
    const QByteArray block2 = QByteArray(20, ' ') + hex("09");
    EXPECT_EQ(image.file(0x2001).toHex(' ').toStdString(),
              (block1 + layouttest::zeros(264) + block2).toHex(' ').toStdString());
}

TEST_F(AdvantechProfile, TheCardDetailsShowWhatWasEntered)
{
    writeCard(record("Adv Washer"));
    const QString location = QStringLiteral("Machine Location: %1\r\nMachineID: %1\r\n")
                                 .arg(QString(10, QLatin1Char(' ')));
    EXPECT_EQ(appended(0xC0),
              location + "Washer Price: $2.75\r\nExtra Cost For Warm Price: $0.25\r\n"
                         "Extra Cost For Hot Price: $0.50\r\nSpecial Price 1: $2.00\r\n"
                         "Special Price 2: $1.50\r\nSpecial Price 3: $0.00\r\n"
                         "Check Location: ON\r\nClear Counters: ON\r\nUser Transactions: ON\r\n"
                         "Max Card Value: $100.00\r\n");
    writeCard(record("Adv Dryer"));
    EXPECT_EQ(appended(0xC0),
              location + "Dryer Price: $1.25\r\nTopoff Price: $0.35\r\n"
                         "Special Price 1: $0.00\r\nSpecial Price 2: $0.00\r\n"
                         "Special Price 3: $0.75\r\nCheck Location: ON\r\nClear Counters: ON\r\n"
                         "User Transactions: OFF\r\nMax Card Value: $50.00\r\n");
}
