#include "datacollection/dc_columns.h"

#include "datacollection/card_holder_rows.h"

#include <QByteArray>

namespace datacollection {
namespace {

using enum cardcore::DcConversion;

// ELP MONEY is the elapsed cent counter plus the cumulative penny increment.
constexpr int16_t kCumPennyIncrementOffset = 106;

// Families 3 to 6, MACHINE DATA.
constexpr cardcore::DcColumn kMachineData[] = {
    cardcore::kDcIntCycles,
    cardcore::kDcIntCash,
    cardcore::kDcElpCycles,
    cardcore::kDcElpCash,
    {"RECORD TYPE", 56, 1, Integer},
    {"MODEL CODE", 57, 1, Integer},
    {"MACHINE SERIAL", 58, 10, Text},
    {"POSITION", 73, 1, Integer},
    {"LOCATION MACHINE", 76, 4, Integer},
    {"VEND PRICE", 80, 1, Nickels},
    {"VEND COLD PRICE", 81, 1, Nickels},
    {"VEND WARM PRICE", 82, 1, Nickels},
    {"VEND HOT PRICE", 83, 1, Nickels},
    {"SPEC PRICE", 84, 1, Nickels},
    {"SPEC COLD PRICE", 85, 1, Nickels},
    {"SPEC WARM PRICE", 86, 1, Nickels},
    {"SPEC HOT PRICE", 87, 1, Nickels},
    {"SUPER CYCLE UPGRADE PRICE", 88, 1, Nickels},
    {"SUPER CYCLE TYPE", 89, 1, Integer},
    {"SPEC PRICE BEGIN", 94, 1, Integer},
    {"SPEC PRICE END", 95, 1, Integer},
    {"PREWASH", 96, 1, Integer},
    {"FINAL SPIN", 97, 1, DecimalText},
    {"NUM RINSES CYCLE", 99, 1, Integer},
    {"TOP SPIN SPEED", 101, 1, Integer},
    {"COIN1 VALUE", 102, 1, Nickels},
    {"COIN2 VALUE", 103, 1, Nickels},
    {"PENNY INCREMENT", 104, 1, Cents},
    {"PENNY INCREMENT WASHER", 104, 1, Cents},
    {"PENNY INCREMENT DRYER", 105, 1, Cents},
    {"CUM PENNY INCREMENT", 106, 1, Cents},
    {"REG DRYER PRICE", 107, 1, Nickels},
    {"SPEC DRYER PRICE", 108, 1, Nickels},
    {"REG WASHER PRICE", 109, 1, Nickels},
    {"SPEC WASHER PRICE", 110, 1, Nickels},
    {"SPEC PRICED DRYER CYCLE TIME", 111, 1, Integer},
    {"REGULAR DRY", 112, 1, Integer},
    {"ELP REG PRICE COLD CYCLE", 114, 2, Integer},
    {"ELP REG PRICE WARM CYCLE", 116, 2, Integer},
    {"ELP REG PRICE HOT CYCLE", 118, 2, Integer},
    {"ELP SPC PRICE COLD CYCLE", 120, 2, Integer},
    {"ELP SPC PRICE WARM CYCLE", 122, 2, Integer},
    {"ELP SPC PRICE HOT CYCLE", 124, 2, Integer},
    {"ELP SUPER CYCLE UPGRADES", 126, 2, Integer},
    {"ELP SERVICE CYCLE", 128, 2, Integer},
    cardcore::kDcElpRunTime,
    {"ELP MONEY", 132, 4, Cents, kCumPennyIncrementOffset},
    {"ELP REG PRICE DRYER CYCLE", 136, 2, Integer},
    {"ELP SPEC PRICE DRYER CYCLE", 138, 2, Integer},
    {"REG DRYER TOPOFF ESC", 140, 1, Nickels},
    {"REG DRYER ESC PENNY OFFST", 141, 1, Nickels},
    {"SPEC DRYER TOPOFF ESC", 142, 1, Nickels},
    {"SPEC DRYER ESC PENNY OFFST", 143, 1, Nickels},
    {"ELP DRYER SERVICE CYCLE", 144, 2, Integer},
    {"ELP DRYER RUN TIME", 146, 2, Integer},
    {"ELP WASHER SERVICE CYCLE", 148, 2, Integer},
    {"ELP WASHER RUN TIME", 150, 2, Integer},
    {"INT REG PRC DRYER TOPOFF CYC", 152, 1, Integer},
    {"INT SPEC PRC DRYER TOPOFF CYC", 153, 1, Integer},
    {"INT REG PRICE DRYER CYCLE", 154, 2, Integer},
    {"INT SPEC PRICE DRYER CYCLE", 156, 2, Integer},
    {"INT DRYER NO RUNS", 158, 1, Integer},
    {"INT DRYER SERVICE CYCLE", 159, 1, Integer},
    {"INT DRYER TROUBLE CYCLE", 160, 1, Integer},
    {"TIME LAST DRYER TROUBLE CYCLE", 162, 2, Integer},
    {"TIME LAST WASHER TROUBLE CYC", 164, 2, Integer},
    {"TIME PREV DRYER TROUBLE CYCLE", 166, 2, Integer},
    {"TIME PREV WASHER TROUBLE CYC", 168, 2, Integer},
    {"INT REG PRC WASHER CYCLE", 170, 2, Integer},
    {"INT SPEC PRC WASHER CYCLE", 172, 2, Integer},
    {"INT WASHER NO RUNS", 174, 1, Integer},
    {"INT WASHER SERVICE CYCLE", 175, 1, Integer},
    {"INT WASHER TROUBLE CYCLE", 176, 1, Integer},
    {"ELP TWO MINUTE TICKER", 180, 4, Integer},
    {"INT SUDS CYCLES", 184, 1, Integer},
    {"INT WASHER SUDS CYCLE", 184, 1, Integer},
    {"INT SUDS RECOVERY CYCLES", 185, 1, Integer},
    {"INT REG PRICE CYCLE", 186, 2, Integer},
    {"INT SPC PRICE CYCLE", 188, 2, Integer},
    {"INT NO RUNS", 190, 1, Integer},
    {"INT SERVICE CYCLES", 191, 1, Integer},
    {"INT TROUBLE CYCLES", 192, 1, Integer},
    {"INT POWER DOWNS", 193, 1, Integer},
    {"INT UNAUTH SRV OPENINGS", 194, 1, Integer},
    {"INT AUTH SRV OPENINGS", 195, 1, Integer},
    {"INT UNAUTH COIN VAULT OPNS", 196, 1, Integer},
    {"INT AUTH COIN VAULT OPNS", 197, 1, Integer},
    {"TIME LAST SERV OPNS", 198, 2, Integer},
    {"TIME LAST COIN VAULT OPNS", 200, 2, Integer},
    {"TIME LAST TROUBLE CYCLE", 202, 2, Integer},
    {"TIME LAST POWER DOWN", 204, 2, Integer},
    {"TIME PREV SERV OPNS", 206, 2, Integer},
    {"TIME PREV COIN VAULT OPNS", 208, 2, Integer},
    {"TIME PREV TROUBLE CYCLE", 210, 2, Integer},
    {"TIME PREV POWER DOWN", 212, 2, Integer},
    {"TIME LAST SETUP", 216, 4, Integer},
    {"REG DRYER TOKEN PRICE", 220, 1, Integer16},
    {"SPEC DRYER TOKEN PRICE", 221, 1, Integer16},
    {"DRYER TOPOFF TOKEN PRICE", 222, 1, Integer16},
    {"REG WASHER TOKEN PRICE", 223, 1, Integer16},
    {"REG COLD TOKEN PRICE", 224, 1, Integer16},
    {"REG WARM TOKEN PRICE", 225, 1, Integer16},
    {"REG HOT TOKEN PRICE", 226, 1, Integer16},
    {"SPEC WASHER TOKEN PRICE", 227, 1, Integer16},
    {"SPEC COLD TOKEN PRICE", 228, 1, Integer16},
    {"SPEC WARM TOKEN PRICE", 229, 1, Integer16},
    {"SPEC HOT TOKEN PRICE", 230, 1, Integer16},
    {"SUPER CYCLE TOKEN PRICE", 231, 1, Integer16},
    {"ELP REG DRYER TOKEN CYC", 232, 2, Integer},
    {"ELP SPEC DRYER TOKEN CYC", 234, 2, Integer},
    {"ELP TOKEN TOPOFF CYC", 236, 2, Integer},
    {"ELP REG WASH TOKEN CYC", 238, 2, Integer},
    {"ELP SPEC WASH TOKEN CYC", 240, 2, Integer},
    {"ELP SUPER CYCLE TOKEN CYC", 242, 2, Integer},
    {"INT REG DRYER TOKEN CYC", 244, 2, Integer},
    {"INT SPEC DRYER TOKEN CYC", 246, 2, Integer},
    {"INT REG WASH TOKEN CYC", 248, 2, Integer},
    {"INT SPEC WASH TOKEN CYC", 250, 2, Integer},
    {"ELP TOKEN COUNT", 252, 4, Integer},
    {"INT TOKEN COUNT", 256, 4, Integer},
    {"DRYER ELP CYCLES", 260, 4, Integer},
    {"DRYER INT CYCLES", 264, 4, Integer},
    {"ELP NORMAL REG PRICE COUNT", 268, 2, Integer},
    {"ELP DELICATES REG PRICE COUNT", 270, 2, Integer},
    {"ELP POWERWASH REG PRICE COUNT", 272, 2, Integer},
    {"ELP NORMAL SPEC PRICE COUNT", 274, 2, Integer},
    {"ELP DELICATES SPEC PRICE COUNT", 276, 2, Integer},
    {"ELP POWERWASH SPEC PRICE COUNT", 278, 2, Integer},
    {"ELP EXTRA RINSE UPGRADE COUNT", 280, 2, Integer},
    {"ELP WATER TEMP UPGRADE COUNT", 282, 2, Integer},
    {"ELP SOIL LEVEL UPGRADE COUNT", 284, 2, Integer},
};

// Family 13, MACHINE DATA.
constexpr cardcore::DcColumn kMdcQuantum[] = {
    {"RECORD TYPE", 5, 1, Integer},
    {"MODEL CODE", 26, 1, Integer},
    {"MACHINE FIRMWARE VERSION", 27, 1, Integer},
    {"INT REG CYCLE", 28, 2, Integer},
    {"INT SPEC CYCLE", 30, 2, Integer},
    // Stored from the counter of INT TOPOFF CYCLE, as these rows always were;
    // bytes 38-39 of the block stay unread (docs/database.md).
    {"INT TOKEN TOPOFF CYCLE", 32, 2, Integer},
    {"INT TOPOFF CYCLE", 32, 2, Integer},
    {"INT REG TOKEN CYCLE", 34, 2, Integer},
    {"INT SPEC TOKEN CYCLE", 36, 2, Integer},
    {"INT REG CASH", 40, 4, Cents},
    {"INT SPEC CASH", 44, 4, Cents},
    {"INT TOPOFF CASH", 48, 4, Cents},
    {"INT TOKEN COUNT", 52, 4, Integer},
    {"ELP REG CASH", 56, 4, Cents},
    {"ELP SPEC CASH", 60, 4, Cents},
    {"ELP TOPOFF CASH", 64, 4, Cents},
    {"ELP TOKEN COUNT", 68, 4, Integer},
    {"ELP REG CYCLE", 72, 4, Integer},
    {"ELP SPEC CYCLE", 76, 4, Integer},
    {"ELP TOPOFF CYCLE", 80, 4, Integer},
    {"ELP REG TOKEN CYCLE", 84, 4, Integer},
    {"ELP SPEC TOKEN CYCLE", 88, 4, Integer},
    {"ELP TOPOFF TOKEN CYCLE", 92, 4, Integer},
};

// Family 8, ADVANTECK AUDIT; SERIAL and the holder's names are set apart.
constexpr cardcore::DcColumn kAdvanteckAudit[] = {
    {"Coin1_Cumulative_Count", 28, 4, Integer},
    {"Coin2_Cumulative_Count", 32, 4, Integer},
    {"Coin1_Interval_Count", 36, 4, Integer},
    {"Coin2_Interval_Count", 40, 4, Integer},
    {"Topoff_Cumulative_Count", 44, 4, Integer},
    {"Topoff_Interval_Count", 48, 4, Integer},
    {"Cycle_Cumulative_Count", 52, 4, Integer},
    {"ELP CYCLES", 52, 4, Integer},
    {"Cycle_Interval_Count", 56, 4, Integer},
    {"INT CYCLES", 56, 4, Integer},
    {"Cold_Water_Selected_Count", 60, 2, Integer16},
    {"Warm_Water_Selected_Count", 62, 2, Integer16},
    {"Hot_Water_Selected_Count", 64, 2, Integer16},
    {"Normal_Cycle_Interval_Count", 68, 4, Integer},
    {"Special_Cycle1_Interval_Count", 72, 4, Integer},
    {"Special_Cycle2_Interval_Count", 76, 4, Integer},
    {"Special_Cycle3_Interval_Count", 80, 4, Integer},
    {"Revenue_Cumulative_Count", 84, 4, Cents},
    {"Revenue_Interval_Count", 88, 4, Cents},
    {"Fill_Time_Cold", 92, 4, Integer},
    {"Fill_Time_Warm", 96, 4, Integer},
    {"Fill_Time_Hot", 100, 4, Integer},
    {"Free_Vend_Interval_Count", 104, 4, Integer},
    {"Free_Vend_Cumulative_Count", 108, 4, Integer},
    {"Cycles_Killed_Interval_Count", 112, 4, Integer},
    {"Cycles_Killed_Cumulative_Count", 116, 4, Integer},
    {"Aux_Device_Revenue_Interval_Count", 120, 4, Cents},
    {"Aux_Device_Revenue_Cumulative_Count", 124, 4, Cents},
    {"ELP CASH", 128, 4, Cents},
    {"INT CASH", 132, 4, Cents},
};

// An audit record holds its collector's six-byte card serial from byte 21.
constexpr int kCollectorSerial = 21;

} // namespace

std::span<const cardcore::DcColumn> machineDataColumns()
{
    return kMachineData;
}

std::span<const cardcore::DcColumn> mdcQuantumColumns()
{
    return kMdcQuantum;
}

std::span<const cardcore::DcColumn> advanteckAuditColumns()
{
    return kAdvanteckAudit;
}

QString advanteckSerialText(const uint8_t* block)
{
    // The collector's serial without its byte 1 (block byte 22).
    const uint8_t* serial = block + kCollectorSerial;
    const char bytes[] = {char(serial[0]), char(serial[2]), char(serial[3]), char(serial[4]),
                          char(serial[5])};
    return QString::fromLatin1(QByteArray(bytes, sizeof bytes).toHex().toUpper());
}

QString cardHolderKey(const uint8_t* block)
{
    return cardSerialKey(block + kCollectorSerial);
}

} // namespace datacollection
