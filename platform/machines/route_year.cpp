#include "machines/route_year.h"

#include "machines/dc_machine.h"
#include "services/cardcore.h"

#include <QRandomGenerator>
#include <QString>

#include <cmath>
#include <string>

namespace machines {
namespace {

struct RouteMachine {
    const char* id;
    const char* store;
    uint8_t family;
    uint32_t priceCents;   // per cycle
    uint32_t weeklyCycles; // on average
};

// Three stores of the route: the machines and what a cycle costs.
constexpr RouteMachine kRoute[] = {
    {"WASH01", "STORE1", 3, 350, 60}, {"WASH02", "STORE1", 3, 350, 55},
    {"WASH03", "STORE1", 3, 425, 40}, {"DRY01", "STORE1", 4, 200, 70},
    {"DRY02", "STORE1", 4, 200, 65},  {"WASH11", "STORE2", 3, 325, 45},
    {"WASH12", "STORE2", 3, 325, 42}, {"DRY11", "STORE2", 4, 175, 50},
    {"MDC21", "STORE3", 13, 400, 35}, {"ADV22", "STORE3", 8, 375, 38},
    {"DRY21", "STORE3", 4, 225, 48},
};

// The events of the year, at machines and weeks fixed for every seed.
constexpr int kSwappedReader = 3; // DRY01: a new reader, elapsed cash from 0
constexpr int kSwapWeek = 30;
constexpr int kOutOfService = 6; // WASH12: not collected for six weeks
constexpr int kOutFrom = 18;
constexpr int kOutWeeks = 6;
constexpr int kTroubled = 1;    // WASH02: trouble cycles some weeks
constexpr int kVaultOpened = 7; // DRY11: one unauthorized coin vault opening
constexpr int kVaultWeek = 41;
constexpr int kCollectedTwice = 0; // WASH01: read onto a second card in the same minute
constexpr int kTwiceWeek = 12;

uint8_t bcd(int value)
{
    return cardcore::hex_to_bcd(uint8_t(value));
}

void put(GenericDCRec& r, int offset, uint32_t value, int width)
{
    for (int i = 0; i < width; ++i)
        r.counters[offset + i] = uint8_t(value >> (8 * i)); // little-endian
}

struct Counters {
    uint32_t cycles = 0;
    uint32_t cashCents = 0;
    uint32_t trouble = 0;
    uint32_t unauthVault = 0;
};

struct Elapsed {
    uint32_t cycles = 0;
    uint32_t cashCents = 0;
};

GenericDCRec record(const RouteMachine& m, int index, const QDate& day, int hour, int minute,
                    const Counters& interval, const Elapsed& elapsed)
{
    GenericDCRec r = dcRecord(
        m.family, {bcd(day.year() % 100), bcd(day.month()), bcd(day.day()), bcd(hour), bcd(minute)},
        m.id, m.store);
    if (m.family == 8) { // Advanteck audit
        for (int i = 0; i < 6; ++i)
            r.counters[21 + i] = uint8_t(0x40 + index * 7 + i);
        put(r, 52, elapsed.cycles, 4);
        put(r, 56, interval.cycles, 4);
        put(r, 84, elapsed.cashCents, 4);
        put(r, 88, interval.cashCents, 4);
        put(r, 128, elapsed.cashCents, 4);
        put(r, 132, interval.cashCents, 4);
        return r;
    }
    // The generic counters of every machine family.
    put(r, 8, interval.cycles, 4);
    put(r, 12, interval.cashCents, 4);
    put(r, 16, elapsed.cycles, 4);
    put(r, 20, elapsed.cashCents, 4);
    if (m.family == 13) {
        r.counters[26] = 4; // model code
        put(r, 28, interval.cycles, 2);
        put(r, 40, interval.cashCents, 4);
        put(r, 56, elapsed.cashCents, 4);
        put(r, 72, elapsed.cycles, 4);
        return r;
    }
    r.counters[56] = m.family;
    r.counters[57] = 3;
    const std::string serial =
        QStringLiteral("%1").arg(700100 + index, 10, 10, QLatin1Char('0')).toStdString();
    for (int i = 0; i < 10; ++i)
        r.counters[58 + i] = uint8_t(serial[size_t(i)]);
    r.counters[80] = uint8_t(m.priceCents / 5);
    put(r, 132, elapsed.cashCents, 4);
    r.counters[192] = uint8_t(interval.trouble);
    r.counters[196] = uint8_t(interval.unauthVault);
    return r;
}

// More washing in the cold months, less in summer.
double season(const QDate& day)
{
    return 1.0 + 0.15 * std::cos((day.dayOfYear() - 15) * 2 * M_PI / 365.0);
}

} // namespace

std::vector<GenericDCRec> routeYearRecords(uint32_t seed, const QDate& lastDay)
{
    QRandomGenerator random(seed);
    const QDate firstDay = lastDay.addDays(-364);
    constexpr int kMachines = int(std::size(kRoute));
    Elapsed elapsed[kMachines];
    for (int i = 0; i < kMachines; ++i) // readers installed years ago
        elapsed[i] = {20000 + random.bounded(30000u), 0};
    for (int i = 0; i < kMachines; ++i)
        elapsed[i].cashCents = elapsed[i].cycles * kRoute[i].priceCents;
    Counters pending[kMachines] = {};

    std::vector<GenericDCRec> records;
    // Each store has its collection weekday; the route runs stores in order.
    for (int week = 0; week < 53; ++week) {
        for (int store = 0; store < 3; ++store) {
            const QDate day = firstDay.addDays(week * 7 + store * 2 + int(random.bounded(2)));
            if (day > lastDay)
                continue;
            const int hour = 8 + store * 3 + int(random.bounded(2));
            int minute = int(random.bounded(50));
            for (int i = 0; i < kMachines; ++i) {
                const RouteMachine& m = kRoute[i];
                if (QString::fromLatin1(m.store) != QStringLiteral("STORE%1").arg(store + 1))
                    continue;
                // What the machine took in during the week.
                const double mean = m.weeklyCycles * season(day);
                const uint32_t cycles =
                    uint32_t(std::max(0.0, mean * (0.7 + 0.6 * random.generateDouble())));
                Counters& c = pending[i];
                c.cycles += cycles;
                c.cashCents += cycles * m.priceCents;
                if (i == kTroubled && random.bounded(5) == 0)
                    c.trouble += 1 + random.bounded(3);
                if (i == kVaultOpened && week == kVaultWeek)
                    c.unauthVault = 1;
                if (i == kOutOfService && week >= kOutFrom && week < kOutFrom + kOutWeeks)
                    continue; // broken down: nobody collects it
                if (i == kSwappedReader && week == kSwapWeek)
                    elapsed[i] = {}; // the new reader counts from zero
                elapsed[i].cycles += c.cycles;
                elapsed[i].cashCents += c.cashCents;
                minute = std::min(59, minute + 1);
                records.push_back(record(m, i, day, hour, minute, c, elapsed[i]));
                if (i == kCollectedTwice && week == kTwiceWeek) // the card read again at once
                    records.push_back(record(m, i, day, hour, minute, {}, elapsed[i]));
                c = {};
            }
        }
    }
    return records;
}

} // namespace machines
