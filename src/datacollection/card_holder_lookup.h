// The card-holder lookup of Advanteck audit records: a card serial key is
// mapped through SERIAL INFO and USER INFO of the system database to the
// holder's names. The open tables and the last names found are kept between
// calls; every lookup is preceded by open_user_tables, and each lookup closes
// the database again.
#pragma once

#include <QString>

#include <cstdint>

namespace datacollection {

struct CardHolderNames {
    QString first = QStringLiteral("UNKNOWN");
    QString last = QStringLiteral("UNKNOWN");
    QString full = QStringLiteral("UNKNOWN"); // "LAST,FIRST"
};

// Opens the system database and both tables. 1, or 0 after a message.
uint8_t open_user_tables();
// Closes what open_user_tables opened (a lookup does so itself); for a
// caller that opened the tables and then gives up before its lookup.
void close_user_tables();
// Looks up the holder of the card whose serial bytes 1 to 5 are `key` (ten
// upper-case hexadecimal digits). 1, or 0 after a message.
uint8_t lookup_card_holder(const QString& key);
// The names of the last lookup ("UNKNOWN" when no holder was found).
const CardHolderNames& cardHolderNames();

} // namespace datacollection
