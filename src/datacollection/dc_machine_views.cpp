// The views of a machine counter record (families 3 to 6): simple,
// washer/dryer and stacked washer/dryer. Offsets are those of the family 3
// to 6 counter block.
#include "datacollection/dc_view_builders.h"

namespace datacollection::view {

namespace {

constexpr std::size_t kRecordTypeOffset = 56;
constexpr std::size_t kSerialOffset = 58;
constexpr uint32_t kUpgradeRecordType = 38; // counts wash programs and upgrades

QString serialText(const Counters& counters)
{
    return idText(reinterpret_cast<const char*>(counters.bytes(kSerialOffset)));
}

// The lines of "Washer/Dryer Non-Resettable" whose meaning depends on the
// record type; lines 8 and 9 exist only for record type 38.
struct ElapsedLine {
    const char* upgradeLabel;
    uint16_t upgradeOffset;
    const char* label;
    uint16_t offset;
};
constexpr ElapsedLine kElapsedLines[] = {
    {"Powerwash Cycles:", 272, "Cold /Dry Cycles:", 114},
    {"Regular Cycles:", 268, "Warm Cyc/Dry Topoff:", 116},
    {"Delicates Cycles:", 270, "Hot Cyc/Dry Offset:", 118},
    {"Special Pwrwash Cycles:", 278, "Spc Cold Cyc/Dry Cyc:", 120},
    {"Special Regular Cycles:", 274, "Spc Warm Cyc/Dry Topoff:", 122},
    {"Special Delicates Cycles:", 276, "Spc Hot Cyc/Dry Offset:", 124},
    {"Extra Rinse Upgrades:", 280, "Super Cyc Upgrades:", 126},
    {"Water Temp Upgrades", 282, nullptr, 0},
    {"Soil Level Upgrades", 284, nullptr, 0},
};

// Dryer models keep their token cycles in the dryer counters.
bool dryerTokenModel(uint32_t model)
{
    return model == 6 || model == 8;
}

} // namespace

void buildSimple(DcViewContent& content, const GenericDCRec& record)
{
    content.kind = DcViewKind::Simple;
    content.caption = QStringLiteral("View Laundry Data Collection Record");
    const Counters n(record);
    addIdentity(content.fields, record);
    const QString resettable = QStringLiteral("Resettable");
    const QString elapsed = QStringLiteral("Non-             Resettable");
    FieldList data(content.fields, QStringLiteral("Counter Data"));
    data.add("Number of Cycles:", countText(n.u32(8)), "intCyclesValue").column = resettable;
    data.add("Number of Cycles:", countText(n.u32(16)), "elpCyclesValue").column = elapsed;
    data.add("Total Cash:", centsText(n.u32(12)), "intCashValue").column = resettable;
    data.add("Total Cash:", centsText(n.u32(20)), "elpCashValue").column = elapsed;
    FieldList use(content.fields, QStringLiteral("Machine Use"));
    use.add("Elapsed Run Time:", countText(n.u16(130)), "runTimeValue").suffix =
        QStringLiteral("(minutes)");
    content.buttons = doneButtons("Print", "printButton", true);
}

void buildWasherDryer(DcViewContent& content, const GenericDCRec& record, bool tokens)
{
    content.kind = DcViewKind::WasherDryer;
    content.caption = QStringLiteral("Washer/Dryer");
    const Counters n(record);
    addIdentity(content.fields, record);
    FieldList(content.fields, {}).add("Machine Serial:", serialText(n), "machineSerialValue");

    FieldList elapsed(content.fields, QStringLiteral("Washer/Dryer Non-Resettable"));
    const bool upgrades = n.u8(kRecordTypeOffset) == kUpgradeRecordType;
    for (int i = 0; i < 9; ++i) {
        const ElapsedLine& line = kElapsedLines[i];
        const char* label = upgrades ? line.upgradeLabel : line.label;
        const QByteArray control = QByteArray("elapsedCount") + QByteArray::number(i + 1) + "Value";
        if (label == nullptr)
            elapsed.add(QString(), QString(), control.constData(), false);
        else
            elapsed.add(label, countText(n.u16(upgrades ? line.upgradeOffset : line.offset)),
                        control.constData());
    }
    addCounters(
        elapsed, n,
        {{"Service Cycles:", 128, 2, "serviceCyclesValue"}, {"Run Time:", 130, 2, "runTimeValue"}});
    elapsed.add("Money:", centsText(n.u32(132) + n.u8(106)), "moneyValue");
    addCounters(elapsed, n, {{"Ticker:", 180, 4, "tickerValue"}});

    FieldList interval(content.fields, QStringLiteral("Washer/Dryer Resettable"));
    addCounters(interval, n,
                {{"Reg Price Cyc:", 186, 2, "regPriceCycValue"},
                 {"Spc Price Cyc:", 188, 2, "spcPriceCycValue"},
                 {"No Runs:", 190, 1, "noRunsValue"},
                 {"Service Cyc:", 191, 1, "serviceCycValue"},
                 {"Trouble Cyc:", 192, 1, "troubleCycValue"},
                 {"Power Downs:", 193, 1, "powerDownsValue"},
                 {"Interval Cash:", 12, 4, "intCashValue", true}});

    FieldList tokenCycles(content.fields, QStringLiteral("Token Cycles"));
    const bool dryer = dryerTokenModel(n.u8(57));
    addCounters(tokenCycles, n,
                {{"Elp Reg Cyc:", uint16_t(dryer ? 232 : 238), 2, "tokElpRegValue"},
                 {"Elp Spec Cyc:", uint16_t(dryer ? 234 : 240), 2, "tokElpSpecialValue"},
                 {"Elp Upgrade Cyc:", uint16_t(dryer ? 236 : 242), 2, "tokElpUpgradeValue"},
                 {"Int Reg Cyc:", uint16_t(dryer ? 244 : 248), 2, "tokIntRegValue"},
                 {"Int Spec Cyc:", uint16_t(dryer ? 246 : 250), 2, "tokIntSpecialValue"}},
                tokens);
    FieldList collected(content.fields, QStringLiteral("Tokens Collected"));
    addCounters(collected, n,
                {{"Interval Tokens:", 256, 4, "intTokensValue"},
                 {"Elapsed Tokens:", 252, 4, "elpTokensValue"}},
                tokens);
    content.buttons = doneButtons("OK", "okButton", false);
}

void buildStack(DcViewContent& content, const GenericDCRec& record, bool tokens)
{
    content.kind = DcViewKind::Stack;
    content.caption = QStringLiteral("Stack Washer/Dryer");
    const Counters n(record);
    FieldList dryerElapsed(content.fields, QStringLiteral("Stack Dryer Non-Resettable"));
    addCounters(dryerElapsed, n,
                {{"Reg Priced Dryer Cycles:", 136, 2, "elpRegDryerValue"},
                 {"Spec Priced Dryer Cycles:", 138, 2, "elpSpecialDryerValue"},
                 {"Dryer Service Cycles:", 144, 2, "elpDryerServiceValue"},
                 {"Dryer Run Time:", 146, 2, "elpDryerRunTimeValue"}});
    FieldList dryerInterval(content.fields, QStringLiteral("Stack Dryer Resettable"));
    addCounters(dryerInterval, n,
                {{"Reg Priced Dryer Topoff Cycles:", 152, 1, "intRegDryerTopoffValue"},
                 {"Spec Priced Dryer Topoff Cycles:", 153, 1, "intSpecialDryerTopoffValue"},
                 {"Reg Priced Dryer Cycles:", 154, 2, "intRegDryerValue"},
                 {"Spec Priced Dryer Cycles:", 156, 2, "intSpecialDryerValue"},
                 {"Dryer No Runs:", 158, 1, "intDryerNoRunsValue"},
                 {"Dryer Service Cycles:", 159, 1, "intDryerServiceValue"},
                 {"Dryer Trouble Cycles:", 160, 1, "intDryerTroubleValue"}});
    FieldList washerElapsed(content.fields, QStringLiteral("Stack Washer Non-Resettable"));
    addCounters(washerElapsed, n,
                {{"Reg Priced Cold Cycles:", 114, 2, "elpRegColdValue"},
                 {"Reg Priced Warm Cycles:", 116, 2, "elpRegWarmValue"},
                 {"Reg Priced Hot Cycles:", 118, 2, "elpRegHotValue"},
                 {"Spec Priced Cold Cycles:", 120, 2, "elpSpecialColdValue"},
                 {"Spec Priced Warm Cycles:", 122, 2, "elpSpecialWarmValue"},
                 {"Spec Priced Hot Cycles:", 124, 2, "elpSpecialHotValue"},
                 {"Super Cycle Upgrades:", 126, 2, "elpSuperUpgradeValue"},
                 {"Washer Service Cycles:", 148, 2, "elpWasherServiceValue"},
                 {"Washer Run Time:", 150, 2, "elpWasherRunTimeValue"},
                 {"Elp Money:", 132, 4, "elpMoneyValue", true},
                 {"Elp Money Penny Offset:", 106, 1, "elpPennyOffsetValue", true},
                 {"Two Minute Ticker:", 180, 4, "tickerValue"}});
    FieldList washerInterval(content.fields, QStringLiteral("Stack Washer Resettable"));
    addCounters(washerInterval, n,
                {{"Reg Priced Cycles:", 170, 2, "intRegWasherValue"},
                 {"Spc Priced Cycles:", 172, 2, "intSpecialWasherValue"},
                 {"Washer No Runs:", 174, 1, "intWasherNoRunsValue"},
                 {"Washer Service Cycles:", 175, 1, "intWasherServiceValue"},
                 {"Washer Trouble Cycles:", 176, 1, "intWasherTroubleValue"},
                 {"Washer Suds Cycles:", 184, 1, "intSudsValue"},
                 {"Suds Recovery Cycles:", 185, 1, "intSudsRecoveryValue"},
                 {"Power Downs:", 193, 1, "intPowerDownsValue"}});
    FieldList tokenCycles(content.fields, QStringLiteral("Token Cycles"));
    addCounters(tokenCycles, n,
                {{"Elp Reg Dry:", 232, 2, "tokElpRegDryValue"},
                 {"Elp Spec Dry:", 234, 2, "tokElpSpecialDryValue"},
                 {"Elp Reg Wash:", 238, 2, "tokElpRegWashValue"},
                 {"Elp Spec Wash:", 240, 2, "tokElpSpecialWashValue"},
                 {"Elp Cycle Upgrades:", 242, 2, "tokElpUpgradeValue"},
                 {"Int Reg Dry:", 244, 2, "tokIntRegDryValue"},
                 {"Int Spec Dry:", 246, 2, "tokIntSpecialDryValue"},
                 {"Int Reg Wash:", 248, 2, "tokIntRegWashValue"},
                 {"Int Spec Wash:", 250, 2, "tokIntSpecialWashValue"}},
                tokens);
    addIdentity(content.fields, record);
    FieldList bottom(content.fields, {});
    bottom.add("Serial Number:", serialText(n), "serialValue");
    addCounters(bottom, n, {{"Interval Cash:", 12, 4, "intCashValue", true}});
    addCounters(bottom, n,
                {{"Interval Tokens:", 256, 4, "intTokensValue"},
                 {"Elapsed Tokens:", 252, 4, "elpTokensValue"}},
                tokens);
    content.buttons = {{QStringLiteral("Done"), QStringLiteral("doneButton"), true, false}};
}

} // namespace datacollection::view
