#include "specials/special_json.h"

#include "specials/special_rules.h"

#include <QJsonArray>
#include <QSet>

namespace specials {
namespace {

constexpr char kDayLetters[] = "SMTWTFS";

QString decimalText(Currency amount)
{
    return moneyText(amount).mid(1); // without the "$"
}

// Collects the refusals of one profile, each prefixed with its name.
class Refusals {
public:
    Refusals(QString who, QStringList* out) : who_(std::move(who)), out_(out) {}
    void add(const QString& message)
    {
        *out_ << who_ + QStringLiteral(": ") + QString(message).replace(QLatin1Char('\n'), ' ');
        ++count_;
    }
    bool any() const { return count_ > 0; }

private:
    QString who_;
    QStringList* out_;
    int count_ = 0;
};

void refuseUnknownKeys(const QJsonObject& object, const QSet<QString>& known, Refusals& refusals,
                       const QString& where)
{
    for (const QString& key : object.keys()) {
        if (!known.contains(key))
            refusals.add(QStringLiteral("%1unknown key \"%2\"").arg(where, key));
    }
}

// The largest amount a card carries: 65535 cents in two bytes.
constexpr Currency kMaxCardAmount = Currency::fromCents(0xFFFF);

// An amount of whole cents that a card can carry, from its text.
std::optional<Currency> moneyValue(const QJsonValue& value)
{
    if (!value.isString())
        return std::nullopt;
    const auto amount = Currency::parse(value.toString().trimmed());
    if (!amount || amount->units() % 100 != 0 || *amount > kMaxCardAmount)
        return std::nullopt;
    return amount;
}

bool validDaysText(const QString& text)
{
    if (text.size() != 7)
        return false;
    for (int day = 0; day < 7; ++day) {
        if (text[day] != QLatin1Char(' ') && text[day] != QLatin1Char(kDayLetters[day]))
            return false;
    }
    return true;
}

std::optional<SpecialEntry> entryFromJson(const QJsonValue& value, Mode mode, int k,
                                          Refusals& refusals)
{
    const QString where = QStringLiteral("entry %1: ").arg(k + 1);
    if (!value.isObject()) {
        refusals.add(where + QStringLiteral("not a JSON object"));
        return std::nullopt;
    }
    const QJsonObject object = value.toObject();
    refuseUnknownKeys(object, {"days", "price", "start", "stop"}, refusals, where);
    SpecialEntry entry;
    bool good = true;
    const QString days = object.value(QLatin1String("days")).toString();
    if (!validDaysText(days)) {
        refusals.add(where + QStringLiteral("\"days\" must be 7 characters, the letter of each "
                                            "day that is on (SMTWTFS) or a blank"));
        good = false;
    }
    entry.days = daysMask(days);

    const QJsonValue price = object.value(QLatin1String("price"));
    if (mode == Mode::DoorAccess) {
        if (!price.isUndefined()) {
            refusals.add(where + QStringLiteral("door access entries have no price"));
            good = false;
        }
    } else if (price.toString() != QLatin1String("off")) {
        const auto amount = moneyValue(price);
        if (!amount || *amount <= Currency()) {
            refusals.add(where + QStringLiteral("\"price\" must be an amount such as \"0.75\" "
                                                "(at most 655.35) or \"off\""));
            good = false;
        } else {
            entry.price = *amount;
        }
    }

    const QJsonValue start = object.value(QLatin1String("start"));
    const QJsonValue stop = object.value(QLatin1String("stop"));
    if (start.isUndefined() && stop.isUndefined()) {
        entry.setAllDay();
    } else {
        const auto from = timeFromText(start.toString());
        const auto to = timeFromText(stop.toString());
        if (!from || !to) {
            refusals.add(where + QStringLiteral("\"start\" and \"stop\" must both be times such "
                                                "as \"08:00\" (leave both out for all day)"));
            good = false;
        } else {
            entry.setStart(from->first, from->second);
            entry.setStop(to->first, to->second);
        }
    }
    if (!good)
        return std::nullopt;
    return entry;
}

} // namespace

QStringList jsonKeyOrder()
{
    return {"name",    "kind", "vend_price", "topoff_price", "topoff_time",
            "entries", "days", "price",      "start",        "stop"};
}

QJsonObject profileToJson(const ProfileWithEntries& p)
{
    QJsonObject object{{"name", p.profile.name}};
    const bool door = p.mode == Mode::DoorAccess;
    object.insert("kind", door ? "door" : "price");
    if (!door) {
        object.insert("vend_price", decimalText(p.profile.vendPrice));
        object.insert("topoff_price", decimalText(p.profile.topoffPrice));
        object.insert("topoff_time", p.profile.topoffTime);
    }
    QJsonArray entries;
    for (const SpecialEntry& e : p.entries) {
        QJsonObject entry{{"days", daysText(e.days)}};
        if (!door)
            entry.insert("price", e.machineOff() ? QStringLiteral("off") : decimalText(e.price));
        if (!e.allDay()) {
            entry.insert("start", timeText(e.startHour, e.startMinute));
            entry.insert("stop", timeText(e.stopHour, e.stopMinute));
        }
        entries.append(entry);
    }
    object.insert("entries", entries);
    return object;
}

std::optional<ProfileWithEntries> profileFromJson(const QJsonValue& value, int position,
                                                  QStringList* refusals)
{
    const QString fallback = QStringLiteral("profile %1").arg(position + 1);
    if (!value.isObject()) {
        Refusals(fallback, refusals).add(QStringLiteral("not a JSON object"));
        return std::nullopt;
    }
    const QJsonObject object = value.toObject();
    const QJsonValue nameValue = object.value(QLatin1String("name"));
    Refusals refused(nameValue.isString() && !nameValue.toString().isEmpty() ? nameValue.toString()
                                                                             : fallback,
                     refusals);
    refuseUnknownKeys(object,
                      {"name", "kind", "vend_price", "topoff_price", "topoff_time", "entries"},
                      refused, QString());
    if (!nameValue.isString())
        refused.add(QStringLiteral("\"name\" must be a text"));

    ProfileWithEntries p;
    const QString kind = object.value(QLatin1String("kind")).toString();
    if (kind == QLatin1String("door")) {
        p.mode = Mode::DoorAccess;
    } else if (kind != QLatin1String("price")) {
        refused.add(QStringLiteral("\"kind\" must be \"price\" or \"door\""));
        return std::nullopt;
    }
    p.profile = SpecialProfile::defaults(p.mode);
    p.profile.name = trimmedName(nameValue.toString());
    if (p.profile.name.size() > kProfileNameMaxLength)
        refused.add(
            QStringLiteral("the name is longer than %1 characters").arg(kProfileNameMaxLength));

    if (p.mode == Mode::DoorAccess) {
        for (const char* key : {"vend_price", "topoff_price", "topoff_time"}) {
            if (object.contains(QLatin1String(key)))
                refused.add(QStringLiteral("door access profiles have no \"%1\"").arg(key));
        }
    } else {
        const auto money = [&](const char* key, Currency* out) {
            if (!object.contains(QLatin1String(key)))
                return;
            const auto amount = moneyValue(object.value(QLatin1String(key)));
            if (!amount || *amount < Currency())
                refused.add(
                    QStringLiteral("\"%1\" must be an amount such as \"1.25\" (at most 655.35)")
                        .arg(key));
            else
                *out = *amount;
        };
        money("vend_price", &p.profile.vendPrice);
        money("topoff_price", &p.profile.topoffPrice);
        const QJsonValue minutes = object.value(QLatin1String("topoff_time"));
        if (!minutes.isUndefined()) {
            const double number = minutes.toDouble(-1);
            if (!minutes.isDouble() || number != int(number) || !topoffTimeInRange(int(number)))
                refused.add(topoffTimeRefusal().message);
            else
                p.profile.topoffTime = int(number);
        }
    }

    const QJsonValue entries = object.value(QLatin1String("entries"));
    if (!entries.isUndefined() && !entries.isArray()) {
        refused.add(QStringLiteral("\"entries\" must be an array"));
    } else {
        const QJsonArray array = entries.toArray();
        if (array.size() > kMaxEntries)
            refused.add(QStringLiteral("%1 entries: the maximum number of special entries "
                                       "written to a card is limited to %2.")
                            .arg(array.size())
                            .arg(kMaxEntries));
        for (int k = 0; k < array.size() && k < kMaxEntries + 1; ++k) {
            if (const auto entry = entryFromJson(array[k], p.mode, k, refused))
                p.entries.append(*entry);
        }
    }
    return p;
}

} // namespace specials
