// The profile editor's own checks, without widgets: the profile name on
// Update, the Max Card Value on leaving its edit, the nickel prices of the
// Maytag Gen2 Advanced and LG types, and which controls edit mode enables
// for a profile type.
#pragma once

#include "profiles/refusal.h"
#include "services/dao.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace profiles {

inline constexpr char kProfileDataEditCaption[] = "INPUT ERROR: Profile Data Edit";

// Editor control ids the rules name.
enum EditorControl : int {
    kIdProfileList = 1000,
    kIdProfileName = 1001,
    kIdCheckLocation = 1008,
    kIdEnableTokens = 1009,
    kIdClearCounters = 1014,
    kIdUpdate = 1029,
    kIdCancel = 1030,
    kIdTypeSelector = 1035,
    kIdVendPrice = 1039,
    kIdExit = 1055,
    kIdTopoffPrice = 1056,
    kIdPlaceholder = 1061,
    kIdUserTransaction = 1100,
    kIdLocationClustering = 1135,
    kIdPennyOffset = 1158,
    kIdPennyOffsetLabel = 1182,
    kIdVendPriceLabel = 1201,
    kIdTopoffPriceLabel = 1202,
    kIdMaxCardValue = 1434,
};

// Update checks 2-4 on a name already trimmed of trailing blanks: empty, a
// character that cannot be in a name, a duplicate of a listed name (unless it
// is the previous name, compared without regard to case).
Check checkProfileName(const QString& name, const QString& previousName,
                       const QStringList& listedNames);

// Whether the name can travel to the host unchanged: the host's buffer holds
// Latin-1, so names are printable Latin-1 (no control characters, nothing
// beyond U+00FF such as a byte-order mark or a lone surrogate).
bool nameRepresentable(const QString& name);

// The refusal a stored duplicate raises when the database itself refuses a
// second name (another program added it meanwhile).
Refusal duplicateNameRefusal();

// The Max Card Value check on leaving its edit: the messages shown, in order,
// and the value the edit shows afterwards.
struct MaxCardValueCheck {
    Currency value;
    std::vector<Refusal> messages;
};
MaxCardValueCheck checkMaxCardValue(Currency value);

// Vend and top-off prices of codes 5 and 8: multiples of $0.05 from $0.05 to
// $9.95. `control` is the edit the focus returns to.
// The editor's vend and top-off price text, on leaving the edits and on
// Update: an amount of dollars and cents (the field rules' money form, and
// no more than two decimals, which those rules would cut silently). The
// amount when the text is good.
struct PriceCheck {
    Check refusal;
    Currency amount;
};
PriceCheck checkPriceText(const QString& text, int control, const char* column);

bool nickelPriceValid(Currency value);
Check checkNickelPrice(Currency value, int control, const char* column);

// What edit mode enables for a type (the page's own controls aside).
struct EditControls {
    bool maxCardValue = false;
    bool enableTokens = false;       // otherwise disabled and cleared
    bool commonChecks = false;       // Clear Counters, Check Location, User Transaction
    bool userTransaction = false;    // cleared and disabled for code 2
    bool pricesEditable = false;     // the two price edits (read-only for code 3)
    bool pricesVisible = false;      // with their labels: codes 0-4
    bool locationClustering = false; // the Check Location rule
};
EditControls editControlsFor(int code, bool checkLocation);

} // namespace profiles
