// The Advanteck audit view (family 8) and the MDC/Quantum view (family 13),
// offsets into their own 136-byte blocks.
#include "datacollection/dc_view_builders.h"

namespace datacollection::view {

namespace {

// A service person card that was never registered reads all zeros.
const QString kNoServiceCard = QStringLiteral("0000000000");

constexpr std::size_t kMdcModelOffset = 26;

// Topoff counts exist only on these MDC/Quantum models.
bool topoffModel(uint32_t model)
{
    return model == 8 || model == 9;
}

// One row of the MDC/Quantum table: interval and elapsed cycles, interval
// and elapsed cash.
struct MdcRow {
    const char* label;
    const char* prefix; // of the row's control names
    uint16_t intCycles;
    uint16_t elpCycles;
    uint16_t intCash;
    uint16_t elpCash;
};
constexpr MdcRow kMdcRows[] = {
    {"Regular:", "reg", 28, 72, 40, 56},
    {"Special:", "spc", 30, 76, 44, 60},
    {"Topoff:", "top", 32, 80, 48, 64}, // last: filled for topoff models only
};
const char* const kMdcColumns[] = {"Interval Cycle Count", "Elapsed Cycle Count",
                                   "Interval Cash Value", "Elapsed Cash Value"};
const char* const kMdcColumnControls[] = {"IntCyclesValue", "ElpCyclesValue", "IntCashValue",
                                          "ElpCashValue"};

void addMdcRow(FieldList& table, const char* label, const char* prefix, const QString (&values)[4])
{
    for (int column = 0; column < 4; ++column) {
        const QByteArray control = QByteArray(prefix) + kMdcColumnControls[column];
        table.add(label, values[column], control.constData()).column =
            QString::fromLatin1(kMdcColumns[column]);
    }
}

} // namespace

void buildAdvanteck(DcViewContent& content, const GenericDCRec& record, const QString& holder)
{
    content.kind = DcViewKind::Advanteck;
    content.caption = QStringLiteral("AdvanTech Audit Table Washer/Dryer");
    const Counters n(record);
    addIdentity(content.fields, record);
    FieldList top(content.fields, {});
    const QString key = advanteckHolderKey(record);
    const bool serviceCard = key != kNoServiceCard;
    top.add("Service Person Card Serial Number:", key, "serviceSerialValue", serviceCard);
    top.add("Service Person Who Collected Audit:", holder, "servicePersonValue", serviceCard);
    top.add("Machine Serial:", QString(), "machineSerialValue", false);

    FieldList cumulative(content.fields, QStringLiteral("Cumulative Counts:"));
    addCounters(cumulative, n,
                {{"Coin 1:", 28, 4, "cumCoin1Value"},
                 {"Coin 2:", 32, 4, "cumCoin2Value"},
                 {"Top Off:", 44, 4, "cumTopOffValue"},
                 {"Cycles:", 52, 4, "cumCyclesValue"},
                 {"Cycles Killed:", 116, 4, "cumKilledValue"},
                 {"Free Vend:", 108, 4, "cumFreeVendValue"}});
    FieldList interval(content.fields, QStringLiteral("Interval Counts:"));
    addCounters(interval, n,
                {{"Coin 1:", 36, 4, "intCoin1Value"},
                 {"Coin 2:", 40, 4, "intCoin2Value"},
                 {"Top Off :", 48, 4, "intTopOffValue"},
                 {"Cycles:", 56, 4, "intCyclesValue"},
                 {"Cycles Killed:", 112, 4, "intKilledValue"},
                 {"Normal Cycle:", 68, 4, "normalCycleValue"},
                 {"SP1 Cycle:", 72, 4, "sp1CycleValue"},
                 {"SP2 Cycle:", 76, 4, "sp2CycleValue"},
                 {"SP3 Cycle:", 80, 4, "sp3CycleValue"},
                 {"Free Vend:", 104, 4, "intFreeVendValue"}});
    FieldList cash(content.fields, QStringLiteral("Cash Counts"));
    addCounters(
        cash, n,
        {{"Int Cash:", 132, 4, "intCashValue", true}, {"Cum Cash:", 128, 4, "cumCashValue", true}});
    // Revenue and auxiliary-device revenue are kept but not shown.
    addCounters(cash, n,
                {{"", 84, 4, "cumRevenueValue", true},
                 {"", 88, 4, "intRevenueValue", true},
                 {"", 120, 4, "intAuxRevenueValue", true},
                 {"", 124, 4, "cumAuxRevenueValue", true}},
                false);
    FieldList water(content.fields, QStringLiteral("Water Temperature Counts:"));
    addCounters(water, n,
                {{"Cold Cycle:", 60, 2, "coldCycleValue"},
                 {"Warm Cycle:", 62, 2, "warmCycleValue"},
                 {"Hot Cycle:", 64, 2, "hotCycleValue"},
                 {"Fill Time Cold:", 92, 4, "fillColdValue"},
                 {"Fill Time Warm:", 96, 4, "fillWarmValue"},
                 {"Fill Time Hot:", 100, 4, "fillHotValue"}});
    content.buttons = doneButtons("Ok", "okButton", false);
}

void buildMdc(DcViewContent& content, const GenericDCRec& record, bool tokens)
{
    content.kind = DcViewKind::Mdc;
    content.caption = QStringLiteral("MDC/Quantum");
    const Counters n(record);
    FieldList general(content.fields, QStringLiteral("General Information"));
    general.add("Location ID:", idText(record.location_id), "locationValue");
    general.add("Machine ID:", idText(record.machine_id), "machineValue");
    general.add("Collection Date:", dateText(record.collect_time), "dateValue");

    FieldList table(content.fields, {});
    const bool topoff = topoffModel(n.u8(kMdcModelOffset));
    double totals[4] = {};
    for (int i = 0; i < 3; ++i) {
        const MdcRow& row = kMdcRows[i];
        QString values[4];
        if (i < 2 || topoff) {
            const uint32_t counts[4] = {n.u16(row.intCycles), n.u32(row.elpCycles),
                                        n.u32(row.intCash), n.u32(row.elpCash)};
            for (int column = 0; column < 4; ++column) {
                values[column] = column < 2 ? countText(counts[column]) : centsText(counts[column]);
                totals[column] += counts[column];
            }
        }
        addMdcRow(table, row.label, row.prefix, values);
    }
    const QString sums[4] = {
        QString::asprintf("%.0f", totals[0]), QString::asprintf("%.0f", totals[1]),
        QString::asprintf("$%.2f", totals[2] * 0.01), QString::asprintf("$%.2f", totals[3] * 0.01)};
    addMdcRow(table, "Total:", "total", sums);

    FieldList collected(content.fields, QStringLiteral("Tokens Collected"));
    addCounters(collected, n,
                {{"Interval Tokens:", 52, 4, "intTokensValue"},
                 {"Elapsed Tokens:", 68, 4, "elpTokensValue"}},
                tokens);
}

} // namespace datacollection::view
