// The checks and conversions of the price specials dialog, without widgets:
// the profile name on commit, the topoff time, the money and time texts an
// operator types. The dialog and the import both use them.
#pragma once

#include "profiles/refusal.h"
#include "specials/special_profile.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace specials {

using profiles::Check;
using profiles::Refusal;

// The control a refusal sends the focus back to.
enum Control : int {
    kControlName = 1078,
    kControlTopoffTime = 1081,
};

// The name without its trailing blanks.
QString trimmedName(const QString& name);

// The commit checks of a profile name, already trimmed: empty, a forbidden
// character, the same text as another listed profile (letter case ignored)
// unless it is the name the profile had (`previousName`).
Check checkProfileName(Mode mode, const QString& name, const QString& previousName,
                       const QStringList& listedNames);

// 0 to 100 minutes in price special mode.
bool topoffTimeInRange(int minutes);
Refusal topoffTimeRefusal();

// The platform's currency parser: text that does not parse is 0.00.
Currency moneyFromText(const QString& text);
// The platform's time-of-day parser ("9:30 PM", "21:30", "7:05:00"); nullopt
// for text that is no time.
std::optional<std::pair<int, int>> timeFromText(const QString& text);

// The entry's times from the start and stop texts: text that is no time
// gives 00:00 as start and 23:59 as stop.
void takeTimes(SpecialEntry& entry, const QString& start, const QString& stop);

} // namespace specials
