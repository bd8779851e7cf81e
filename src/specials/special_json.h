// Price special and door access profiles as JSON, the form
// `laundrycard specials export` writes and `specials import` reads:
//   {"name":"Happy Hour","kind":"price","vend_price":"1.25",
//    "topoff_price":"0.50","topoff_time":10,
//    "entries":[{"days":" M   F ","price":"0.75","start":"08:00","stop":"17:30"}]}
// Door access profiles carry no prices and no topoff time; an entry's price
// "off" is Machine Off; an entry without start and stop runs all day.
#pragma once

#include "specials/special_profile.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QStringList>

#include <optional>

namespace specials {

struct ProfileWithEntries {
    Mode mode = Mode::PriceSpecial;
    SpecialProfile profile;
    QList<SpecialEntry> entries;
};

// The keys in the order the files show them.
QStringList jsonKeyOrder();

QJsonObject profileToJson(const ProfileWithEntries& profile);

// The profile of one array element, with every refusal of it appended to
// *refusals ("NAME: message"): the file's form and the dialog's rules on
// prices, topoff time and entry count. nullopt when the element is no
// object of a known kind. The name checks, which need the database, are the
// caller's, and run on a refused profile too.
std::optional<ProfileWithEntries> profileFromJson(const QJsonValue& value, int position,
                                                  QStringList* refusals);

} // namespace specials
