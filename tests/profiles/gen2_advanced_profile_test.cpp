// Maytag Gen2 Advanced and LG profiles from an imported file to the exact
// bytes of their setup cards, and the import's refusal of a value the
// dialog cannot hold.
#include "profile_db_fixture.h"

#include "setup/gen2_layout.h"
#include "setup/layout_bytes.h"

using namespace profiles;
using layouttest::hex;

namespace {

// A stacked washer/dryer with tokens and an LG dryer.
const char kProfiles[] = R"([
{"PROFILE NAME":"Stack","MAX CARD VALUE":"100","ENABLE TOKENS":true,"CLEAR COUNT":true,
 "LOCATION":true,"PROFILE TYPE":5,
 "WASHER":true,"WASHERHORIZ":true,"WASHER DRYER STACK":false,"DRYER":true,
 "VEND PRICE":"1.50","SPEC PRICE":"1.25","REG DRYER PRICE":"0.75","SPEC DRYER PRICE":"0.50",
 "VEND COLD PRICE":"1.25","VEND WARM PRICE":"1.50","VEND HOT PRICE":"1.75",
 "SPEC COLD PRICE":"1","SPEC WARM PRICE":"1.25","SPEC HOT PRICE":"1.50",
 "SUPER CYCLE UPGRADE PRICE":"0.5","COIN1 VALUE":"0.25","COIN2 VALUE":"0.10",
 "PENNY INCREMENT":"0.02","PENNY INCREMENT DRYER":"0.03","MACHINE SERIAL":"SN12345678",
 "FINAL SPIN":"7","POSITION":"12","SPEC PRICE BEGIN":"10 PM","SPEC PRICE END":"6 AM",
 "NUM RINSES CYCLE":"2","TOP SPIN SPEED":"3","WASH":%1,"RINSE":5,"DRY":40,"REGULAR DRY":35,
 "PREWASH":2,"SUPER CYCLE TYPE":1,"LOCATION MACHINE":123456,"SUPER CYCLE":true,
 "SPEC PRICING":true,"SUDS DETECT":true,"DISPLAY PRICE":true,"SUNDAY":true,"SATURDAY":true,
 "SET SERIAL":true,"SET PRICE":true,"RECORD USED":true},
{"PROFILE NAME":"LG Dryer","MAX CARD VALUE":"50","CLEAR COUNT":false,"LOCATION":true,
 "LOCATION CLUSTERING":true,"USER TRANSACTION COL":true,"PROFILE TYPE":8,
 "WASHER":true,"WASHERHORIZ":true,"DRYER":false,"VEND PRICE":"1.25","REG DRYER PRICE":"1.00",
 "SPEC DRYER PRICE":"0.75","SPEC PRICE":"1.00","COIN1 VALUE":"0.25","COIN2 VALUE":"0.25",
 "TOPOFF PRICE":"0.25","PENNY INCREMENT DRYER":"0.01","DRY":45,"REGULAR DRY":40,
 "TOPOFF TIME":12,"POSITION":"3","LOCATION MACHINE":42,"MACHINE SERIAL":"LG00000001",
 "FIXED CYCLE":true,"SPEC PRICING":true,"MONDAY":true,"SPEC PRICE BEGIN":"12 Noon",
 "SPEC PRICE END":"12 Midnight"}
])";

class Gen2AdvancedProfile : public profiletest::ProfileFileTest {
protected:
    ImportOutcome import(int wash) { return importJson(QString::fromLatin1(kProfiles).arg(wash)); }

    // The setup file of the card converted from the stored profile.
    std::string card(const QString& name)
    {
        const STRUCT_laundry_setup record = converted(name);
        return setupFile(record, record.card_type_code == 0xC5 ? setup::writeLgLayout
                                                               : setup::writeGen2AdvancedLayout)
            .toHex(' ')
            .toStdString();
    }
};

std::string expected(std::initializer_list<std::pair<int, QByteArray>> parts)
{
    return layouttest::layout(125, parts).toHex(' ').toStdString();
}

} // namespace

TEST_F(Gen2AdvancedProfile, EachTypeReachesItsCardByteForByte)
{
    const ImportOutcome outcome = import(12);
    ASSERT_TRUE(outcome.succeeded()) << outcome.refusals.size();
    // $1.50 is 30 nickels; the stack's model 0x3D and type 0x0A; check
    // location and clear counters; $100.
    EXPECT_EQ(card("Stack"),
              expected({{8, hex("001e 0000 3d 0a 0a 0064")},
                        {31, hex("01 0c 0c 00 0a 85 05")},
                        {40, QByteArray(20, ' ')},
                        {63, "SN12345678"},
                        {73, hex("123456 00 19 1e 23 19 14 19 1e 01 c2 09 00 41 16 06 07")},
                        // prewash, final spin; rinses, spin; coin 1 (no coin 2: the
                        // record's byte stays); pennies; dryer prices; regular dry, dry.
                        {91, hex("02 07 02 03 05 00 02 03 0f 0a 23 28")},
                        {112, hex("010101")},
                        {122, hex("0101")}}));
    // LG dryer: vends at the regular dryer price (20 nickels); its
    // Coin2/TopOff value at 39 and 100, the special dryer price at 80, the
    // dryer's cycle pair at 91 and the top-off time at 102.
    EXPECT_EQ(card("LG Dryer"),
              expected({{8, hex("0014 0000 1b 08 c2 0032")},
                        {31, hex("01 03 0a 00 0a 00 04 00 05")},
                        {40, QByteArray(20, ' ')},
                        {63, "LG00000001"},
                        {73, hex("000042 00 14 19 1e 0f 0f 14 19 00 03 08 00 02 0c 00")},
                        {91, hex("28 2d 02 00 05 05 00 01 14 05 28 0c")},
                        {112, hex("00 0101")},
                        {122, hex("0101")}}));
}

TEST_F(Gen2AdvancedProfile, TheImportRefusesWhatTheDialogCannotHold)
{
    const ImportOutcome outcome = import(256);
    QStringList columns;
    for (const ImportRefusal& refusal : outcome.refusals)
        columns << refusal.column;
    EXPECT_EQ(columns, QStringList({"WASH", "WASH"})); // the field, then the dialog's refusal
    EXPECT_EQ(outcome.refusals.front().message, "Please enter an integer between 0 and 255.");
    EXPECT_EQ(outcome.refusals.back().message,
              "Error in input data. Correct data before updating changes.");
    EXPECT_EQ(openTable().names(), QStringList());
}
