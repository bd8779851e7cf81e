// The record views' content: which view a record opens in, the texts of its
// values and which fields show.
#include "datacollection/dc_view_content.h"
#include "machines/dc_machine.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <tuple>

namespace {

using datacollection::DcViewContent;
using datacollection::DcViewField;
using datacollection::DcViewKind;

GenericDCRec record(uint8_t family, machines::CollectTime time = {0x05, 0x03, 0x07, 0x09, 0x30})
{
    return machines::dcRecord(family, time, "WASH01", "STORE9");
}

void put(GenericDCRec& r, std::size_t offset, uint32_t value, int width)
{
    for (int i = 0; i < width; ++i)
        r.counters[offset + size_t(i)] = uint8_t(value >> (8 * i));
}

DcViewContent build(const GenericDCRec& r, bool tokens = true,
                    std::optional<QString> holder = QString("DOE,JANE"))
{
    return datacollection::buildDcViewContent(r, tokens,
                                              [holder](const QString&) { return holder; });
}

const DcViewField& field(const DcViewContent& content, const char* control)
{
    for (const DcViewField& f : content.fields)
        if (f.control == QLatin1String(control))
            return f;
    static const DcViewField kMissing{"", "<missing>", "<missing>", "", false};
    ADD_FAILURE() << "no field " << control;
    return kMissing;
}

// "label=value" of every visible field of a group, in order.
QStringList shown(const DcViewContent& content, const QString& group)
{
    QStringList lines;
    for (const DcViewField& f : content.fields)
        if (f.group == group && f.visible)
            lines << f.label + "=" + f.value;
    return lines;
}

TEST(DcViewContent, FamilyAndModelChooseTheView)
{
    const std::tuple<uint8_t, uint8_t, DcViewKind, const char*> cases[] = {
        {3, 11, DcViewKind::Simple, "View Laundry Data Collection Record"},
        {3, 10, DcViewKind::Stack, "Stack Washer/Dryer"},
        {3, 14, DcViewKind::WasherDryer, "Washer/Dryer"},
        {6, 6, DcViewKind::WasherDryer, "Washer/Dryer"},
        {4, 16, DcViewKind::Simple, "View Laundry Data Collection Record"},
        {8, 10, DcViewKind::Advanteck, "AdvanTech Audit Table Washer/Dryer"},
        {13, 10, DcViewKind::Mdc, "MDC/Quantum"},
        {7, 10, DcViewKind::None, ""},
    };
    for (const auto& [family, model, kind, caption] : cases) {
        GenericDCRec r = record(family);
        r.counters[57] = model;
        const DcViewContent content = build(r);
        EXPECT_EQ(content.kind, kind) << int(family) << "/" << int(model);
        EXPECT_EQ(content.caption, caption) << int(family) << "/" << int(model);
    }
}

TEST(DcViewContent, MoneyDateAndIdsAsTheMachineKeepsThem)
{
    const std::tuple<uint32_t, const char*> money[] = {
        {5, "$0.05"}, {100, "$1.00"}, {123456, "$1234.56"}, {0xFFFFFFFF, "$42949672.95"}};
    for (const auto& [cents, text] : money) {
        GenericDCRec r = record(3);
        put(r, 12, cents, 4);
        EXPECT_EQ(field(build(r), "intCashValue").value, text) << cents;
    }
    const std::tuple<machines::CollectTime, const char*> dates[] = {
        {{0x99, 0x12, 0x31, 0x23, 0x59}, "12/31/99 23:59"},
        {{0x05, 0x03, 0x07, 0x09, 0x30}, "3/7/05 09:30"},
    };
    for (const auto& [time, text] : dates) {
        EXPECT_EQ(field(build(record(3, time)), "dateValue").value, text) << text;
        EXPECT_EQ(field(build(record(13, time)), "dateValue").value, text) << text;
    }
    EXPECT_EQ(field(build(record(3)), "machineValue").value, "WASH01    ") << "%.10s keeps blanks";
}

TEST(DcViewContent, RecordType38ShowsNineLabelledLines)
{
    GenericDCRec r = record(5);
    r.counters[57] = 7;
    for (int i = 0; i < 9; ++i)
        put(r, 268 + 2 * size_t(i), 100 + uint32_t(i), 2); // upgrade counts 268..284
    for (int i = 0; i < 7; ++i)
        put(r, 114 + 2 * size_t(i), 10 + uint32_t(i), 2); // cycles 114..126
    put(r, 128, 7, 2);
    const QString group = "Washer/Dryer Non-Resettable";

    r.counters[56] = 38;
    EXPECT_EQ(shown(build(r), group).mid(0, 9),
              QStringList({"Powerwash Cycles:=102", "Regular Cycles:=100", "Delicates Cycles:=101",
                           "Special Pwrwash Cycles:=105", "Special Regular Cycles:=103",
                           "Special Delicates Cycles:=104", "Extra Rinse Upgrades:=106",
                           "Water Temp Upgrades=107", "Soil Level Upgrades=108"}));

    r.counters[56] = 37;
    const DcViewContent other = build(r);
    EXPECT_EQ(
        shown(other, group).mid(0, 8),
        QStringList({"Cold /Dry Cycles:=10", "Warm Cyc/Dry Topoff:=11", "Hot Cyc/Dry Offset:=12",
                     "Spc Cold Cyc/Dry Cyc:=13", "Spc Warm Cyc/Dry Topoff:=14",
                     "Spc Hot Cyc/Dry Offset:=15", "Super Cyc Upgrades:=16", "Service Cycles:=7"}));
    for (const char* line : {"elapsedCount8Value", "elapsedCount9Value"}) {
        EXPECT_FALSE(field(other, line).visible) << line;
        EXPECT_EQ(field(other, line).label, "") << line;
    }
}

TEST(DcViewContent, MdcTotalsCountTopoffOnlyForModels8And9)
{
    GenericDCRec r = record(13);
    const std::tuple<std::size_t, uint32_t, int> counters[] = {
        {28, 1, 2},   {30, 2, 2},   {32, 4, 2},   {72, 10, 4},   {76, 20, 4},   {80, 40, 4},
        {40, 100, 4}, {44, 200, 4}, {48, 450, 4}, {56, 1000, 4}, {60, 2000, 4}, {64, 4005, 4}};
    for (const auto& [offset, value, width] : counters)
        put(r, offset, value, width);
    const std::tuple<uint8_t, QStringList, QStringList> cases[] = {
        {9, {"4", "40", "$4.50", "$40.05"}, {"7", "70", "$7.50", "$70.05"}},
        {8, {"4", "40", "$4.50", "$40.05"}, {"7", "70", "$7.50", "$70.05"}},
        {3, {"", "", "", ""}, {"3", "30", "$3.00", "$30.00"}},
    };
    const char* columns[] = {"IntCyclesValue", "ElpCyclesValue", "IntCashValue", "ElpCashValue"};
    for (const auto& [model, topoff, total] : cases) {
        r.counters[26] = model;
        const DcViewContent content = build(r);
        for (int c = 0; c < 4; ++c) {
            const QByteArray top = QByteArray("top") + columns[c];
            const QByteArray sum = QByteArray("total") + columns[c];
            EXPECT_EQ(field(content, top).value, topoff[c]) << int(model) << top.constData();
            EXPECT_EQ(field(content, sum).value, total[c]) << int(model) << sum.constData();
        }
    }
}

TEST(DcViewContent, AdvanteckServicePersonShowsForARegisteredCardOnly)
{
    const std::tuple<std::array<uint8_t, 5>, const char*, bool> cases[] = {
        {{0x00, 0x00, 0x00, 0x00, 0x00}, "0000000000", false},
        {{0x00, 0x00, 0x00, 0x00, 0x01}, "0000000001", true},
    };
    for (const auto& [serial, key, visible] : cases) {
        GenericDCRec r = record(8);
        r.counters[21] = 0x77; // not part of the key
        std::copy(serial.begin(), serial.end(), &r.counters[22]);
        QString asked;
        const DcViewContent content =
            datacollection::buildDcViewContent(r, true, [&asked](const QString& k) {
                asked = k;
                return std::optional<QString>("DOE,JANE");
            });
        EXPECT_EQ(asked, key);
        EXPECT_EQ(field(content, "serviceSerialValue").value, key);
        EXPECT_EQ(field(content, "servicePersonValue").value, "DOE,JANE");
        EXPECT_EQ(field(content, "serviceSerialValue").visible, visible) << key;
        EXPECT_EQ(field(content, "servicePersonValue").visible, visible) << key;
    }
    const DcViewContent missing = build(record(8), true, std::nullopt);
    EXPECT_TRUE(missing.holderTablesMissing);
    EXPECT_TRUE(missing.fields.isEmpty());
}

TEST(DcViewContent, DryerModelsShowTheDryerTokenCycles)
{
    GenericDCRec r = record(3);
    for (int i = 0; i < 10; ++i)
        put(r, 232 + 2 * size_t(i), 232 + 2 * uint32_t(i), 2); // each counter holds its offset
    const std::tuple<uint8_t, QStringList> cases[] = {
        {6, {"232", "234", "236", "244", "246"}},
        {8, {"232", "234", "236", "244", "246"}},
        {7, {"238", "240", "242", "248", "250"}},
    };
    for (const auto& [model, values] : cases) {
        r.counters[57] = model;
        QStringList seen;
        for (const DcViewField& f : build(r).fields)
            if (f.group == "Token Cycles")
                seen << f.value;
        EXPECT_EQ(seen, values) << int(model);
    }
}

TEST(DcViewContent, TokensOffHidesEveryTokenControl)
{
    const std::tuple<uint8_t, uint8_t, std::size_t> views[] = {{3, 14, 7}, {5, 10, 11}, {13, 0, 2}};
    for (const auto& [family, model, tokenFields] : views) {
        GenericDCRec r = record(family);
        r.counters[57] = model;
        for (const bool tokens : {true, false}) {
            std::size_t tokenControls = 0;
            for (const DcViewField& f : build(r, tokens).fields) {
                const bool token = f.control.startsWith("tok") || f.control.endsWith("TokensValue");
                tokenControls += token;
                if (token) {
                    EXPECT_EQ(f.visible, tokens) << f.control.toStdString();
                } else if (!f.control.startsWith("elapsedCount")) {
                    EXPECT_TRUE(f.visible) << f.control.toStdString();
                }
            }
            EXPECT_EQ(tokenControls, tokenFields) << int(family) << "/" << int(model);
        }
    }
}

} // namespace
