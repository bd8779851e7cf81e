#include "machines/dc_simulation.h"

#include "card/dc_area.h"
#include "laundry/card_types.h"
#include "services/cardcore.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cstring>

namespace machines {
namespace {

constexpr int kFirstYear = 1981; // two BCD digits: 81..99 are 19yy, 00..80 20yy
constexpr int kLastYear = 2080;
const QString kCollectedFormat = QStringLiteral("yyyy-MM-dd HH:mm");

CollectTime bcdTime(const QDateTime& when)
{
    const QDate d = when.date();
    const QTime t = when.time();
    return {cardcore::hex_to_bcd(uint8_t(d.year() % 100)), cardcore::hex_to_bcd(uint8_t(d.month())),
            cardcore::hex_to_bcd(uint8_t(d.day())), cardcore::hex_to_bcd(uint8_t(t.hour())),
            cardcore::hex_to_bcd(uint8_t(t.minute()))};
}

// An id of a record: printable Latin-1, at most 10 characters.
bool validId(const QString& id)
{
    if (id.size() > 10)
        return false;
    for (const QChar c : id)
        if (c.unicode() < 0x20 || c.unicode() > 0xFF || (c.unicode() >= 0x7F && c.unicode() < 0xA0))
            return false;
    return true;
}

// Refuses one field of the entry: false with *error set.
bool refuse(QString* error, qsizetype index, const QString& field, const QString& why)
{
    *error = QStringLiteral("record %1: %2: %3").arg(index + 1).arg(field, why);
    return false;
}

bool parseEntry(const QJsonObject& entry, qsizetype index, GenericDCRec* record, QString* error)
{
    static const QStringList kKeys = {QStringLiteral("family"), QStringLiteral("machine_id"),
                                      QStringLiteral("location_id"), QStringLiteral("collected"),
                                      QStringLiteral("block")};
    for (const QString& key : entry.keys())
        if (!kKeys.contains(key))
            return refuse(error, index, key, QStringLiteral("not a field of a record"));

    const QJsonValue family = entry.value(QStringLiteral("family"));
    const int code = family.isDouble() ? family.toInt(-1) : -1;
    const auto layout = code >= 0 && code <= 255 && family.toDouble() == code
                            ? card::dcFamilyLayout(uint8_t(code))
                            : std::nullopt;
    if (!layout)
        return refuse(error, index, QStringLiteral("family"),
                      QStringLiteral("must be 3, 4, 5, 6, 8 or 13"));

    QString ids[2];
    const char* idKeys[2] = {"machine_id", "location_id"};
    for (int i = 0; i < 2; ++i) {
        const QJsonValue value = entry.value(QLatin1String(idKeys[i]));
        ids[i] = value.toString();
        if (!value.isString() || !validId(ids[i]))
            return refuse(error, index, QLatin1String(idKeys[i]),
                          QStringLiteral("must be text of at most 10 printable Latin-1 "
                                         "characters"));
    }

    const QDateTime collected = QDateTime::fromString(
        entry.value(QStringLiteral("collected")).toString(), kCollectedFormat);
    if (!collected.isValid() || collected.date().year() < kFirstYear ||
        collected.date().year() > kLastYear)
        return refuse(error, index, QStringLiteral("collected"),
                      QStringLiteral("must be a date and time \"YYYY-MM-DD HH:MM\" from %1 to %2")
                          .arg(kFirstYear)
                          .arg(kLastYear));

    const QJsonValue blockValue = entry.value(QStringLiteral("block"));
    const QString hex = blockValue.toString();
    const QByteArray block = QByteArray::fromHex(hex.toLatin1());
    static const QRegularExpression kHex(QStringLiteral("^([0-9A-Fa-f]{2})*$"));
    if ((!blockValue.isUndefined() && !blockValue.isString()) || !kHex.match(hex).hasMatch())
        return refuse(error, index, QStringLiteral("block"),
                      QStringLiteral("must be hexadecimal digit pairs"));
    if (block.size() > layout->blockSize)
        return refuse(error, index, QStringLiteral("block"),
                      QStringLiteral("holds %1 bytes; family %2 has %3")
                          .arg(block.size())
                          .arg(code)
                          .arg(layout->blockSize));

    *record = dcRecord(uint8_t(code), bcdTime(collected), ids[0].toLatin1().toStdString(),
                       ids[1].toLatin1().toStdString());
    std::memcpy(record->counters, block.constData(), size_t(block.size()));
    return true;
}

void put(GenericDCRec& r, std::size_t offset, uint32_t value, int width)
{
    for (int i = 0; i < width; ++i)
        r.counters[offset + size_t(i)] = uint8_t(value >> (8 * i)); // little-endian
}

// Counters of one machine: interval (since the last collection) and
// elapsed (since the reader was installed) cycles and cash.
void fillCounters(GenericDCRec& r, QRandomGenerator& random, int machine)
{
    const uint32_t priceNickels = 15 + 5 * random.bounded(8); // $0.75 .. $2.50
    const uint32_t cycles = 20 + random.bounded(300);
    const uint32_t cash = cycles * priceNickels * 5; // cents
    const uint32_t elapsedCycles = cycles + 1000 + random.bounded(20000);
    const uint32_t elapsedCash = cash + (elapsedCycles - cycles) * priceNickels * 5;
    switch (r.record_family) {
    case 8: // Advanteck audit: a card serial, then coin counts
        for (int i = 0; i < 6; ++i)
            r.counters[21 + i] = uint8_t(random.bounded(256));
        put(r, 28, elapsedCycles * 4, 4);
        put(r, 32, elapsedCycles, 4);
        put(r, 36, cycles * 4, 4);
        put(r, 40, cycles, 4);
        break;
    case 13: // MDC/Quantum: model, firmware, regular cycles
        r.counters[26] = uint8_t(1 + random.bounded(9));
        r.counters[27] = uint8_t(10 + random.bounded(20));
        put(r, 28, cycles, 2);
        break;
    default: // 3..6: machine counter records
        put(r, 8, cycles, 4);
        put(r, 12, cash, 4);
        put(r, 16, elapsedCycles, 4);
        put(r, 20, elapsedCash, 4);
        r.counters[56] = r.record_family;
        r.counters[57] = uint8_t(1 + random.bounded(9));
        std::memcpy(r.counters + 58, QByteArray::number(100000 + machine).rightJustified(10, '0'),
                    10);
        r.counters[80] = uint8_t(priceNickels);
        put(r, 132, elapsedCash, 4);
        break;
    }
}

} // namespace

std::optional<std::vector<GenericDCRec>> parseSimulatedRecords(const QByteArray& json,
                                                               QString* error)
{
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        *error = QStringLiteral("not JSON: %1 at offset %2")
                     .arg(parseError.errorString())
                     .arg(parseError.offset);
        return std::nullopt;
    }
    if (!document.isArray()) {
        *error = QStringLiteral("not a JSON array of records");
        return std::nullopt;
    }
    const QJsonArray entries = document.array();
    std::vector<GenericDCRec> records(size_t(entries.size()));
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (!entries[i].isObject()) {
            *error = QStringLiteral("record %1: not a JSON object").arg(i + 1);
            return std::nullopt;
        }
        if (!parseEntry(entries[i].toObject(), i, &records[size_t(i)], error))
            return std::nullopt;
    }
    return records;
}

std::vector<GenericDCRec> randomRecords(uint8_t cardType, int count, uint32_t seed,
                                        const QDate& lastDay, std::optional<uint8_t> family)
{
    static constexpr uint8_t kMachineFamilies[] = {3, 4, 5, 6, 13};
    QRandomGenerator random(seed);
    std::vector<GenericDCRec> records;
    for (int machine = 1; machine <= count; ++machine) {
        // A stacked machine writes a washer and a dryer record.
        std::vector<uint8_t> families = {kMachineFamilies[random.bounded(5)]};
        if (cardType == laundry::kComplexDcCard)
            families = {5, 6};
        else if (family)
            families = {*family};
        else if (cardType == laundry::kAdvanteckDcCard)
            families = {8};
        const QDateTime when(lastDay.addDays(-int(random.bounded(7))),
                             QTime(8 + int(random.bounded(10)), int(random.bounded(60))));
        const std::string store =
            QStringLiteral("STORE%1").arg(1 + (machine - 1) / 10).toStdString();
        for (const uint8_t f : families) {
            const char* kind = f == 8 ? "ADV" : f == 5 ? "WASH" : f == 6 ? "DRY" : "MACH";
            const std::string id = QStringLiteral("%1%2")
                                       .arg(QLatin1String(kind))
                                       .arg(machine, 3, 10, QLatin1Char('0'))
                                       .toStdString();
            GenericDCRec record = dcRecord(f, bcdTime(when), id, store);
            fillCounters(record, random, machine);
            records.push_back(record);
        }
    }
    return records;
}

} // namespace machines
