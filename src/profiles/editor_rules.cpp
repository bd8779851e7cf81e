#include "profiles/editor_rules.h"

#include "fields/field_validator.h"
#include "fields/money_text.h"
#include "profiles/profile_columns.h"
#include "setup/profile_types.h"

#include <algorithm>

namespace profiles {
namespace {

constexpr char kMaxCardCaption[] = "ERROR: Reader Manager";
constexpr char kNickelCaption[] = "Invalid Number Entered";
constexpr qint64 kDollar = Currency::kUnitsPerDollar;
constexpr qint64 kMaxCardDollars = 655;
constexpr qint64 kDefaultMaxCardDollars = 100;
constexpr qint64 kNickelUnits = 500;
constexpr qint64 kMaxNickelPriceUnits = 99500;

bool representable(QChar c)
{
    return (c >= u' ' && c <= u'~') || (c >= QChar(0xA0) && c <= QChar(0xFF));
}

Refusal nameRefusal(const QString& message)
{
    Refusal refusal;
    refusal.column = QLatin1String(kColProfileName);
    refusal.control = kIdProfileName;
    refusal.message = message;
    refusal.caption = QLatin1String(kProfileDataEditCaption);
    return refusal;
}

Refusal maxCardRefusal(const char* message)
{
    Refusal refusal;
    refusal.column = QLatin1String(kColMaxCardValue);
    refusal.control = kIdMaxCardValue;
    refusal.message = QLatin1String(message);
    refusal.caption = QLatin1String(kMaxCardCaption);
    return refusal;
}

} // namespace

Check checkProfileName(const QString& name, const QString& previousName,
                       const QStringList& listedNames)
{
    if (name.isEmpty())
        return nameRefusal(
            QStringLiteral(" Empty Profile Name\n A unique profile name must be provided"));
    // These characters would end the quoted name in a filter text.
    for (const QChar c : name)
        if (c == u'\'' || c == u'"' || c == u'|')
            return nameRefusal(QStringLiteral("Profile name can't contain a %1 character.").arg(c));
    for (const QChar c : name)
        if (!representable(c))
            return nameRefusal(
                QStringLiteral("Profile name can't contain the character U+%1; a name holds "
                               "printable Latin-1 characters only.")
                    .arg(QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0')));
    if (name.compare(previousName, Qt::CaseInsensitive) != 0 &&
        listedNames.contains(name, Qt::CaseInsensitive))
        return duplicateNameRefusal();
    return std::nullopt;
}

bool nameRepresentable(const QString& name)
{
    return std::all_of(name.begin(), name.end(), representable);
}

Refusal duplicateNameRefusal()
{
    return nameRefusal(QStringLiteral(" Duplicate Profile Name\n Must be unique"));
}

MaxCardValueCheck checkMaxCardValue(Currency value)
{
    MaxCardValueCheck check{value, {}};
    if (value.units() % kDollar != 0) {
        check.messages.push_back(
            maxCardRefusal("Max Card Value must be a whole dollar amount. Truncating cents."));
        check.value = Currency(value.units() / kDollar * kDollar);
    }
    if (check.value.units() <= 0 || check.value.units() > kMaxCardDollars * kDollar) {
        check.messages.push_back(maxCardRefusal(
            "Max Card Value must be greater than $0 and less than or equal to $655."));
        check.value = Currency::fromDollars(kDefaultMaxCardDollars);
    }
    return check;
}

PriceCheck checkPriceText(const QString& text, int control, const char* column)
{
    const QString typed = text.trimmed();
    const qsizetype point = typed.indexOf(u'.');
    // Only the form here: an amount past what the card holds is refused by
    // the card-limit check of Update, with the largest the card holds.
    fields::MoneyCheck check = fields::checkMoneyText(typed, false, true, fields::kCent,
                                                      Currency::fromDollars(1'000'000'000));
    if (!check.error && point >= 0 && typed.size() - point - 1 > 2)
        check.error = QStringLiteral("Please enter a valid currency value in the form 'dd.cc' "
                                     "(dollars.cents)");
    if (!check.error)
        return {std::nullopt, check.amount};
    Refusal refusal;
    refusal.column = QLatin1String(column);
    refusal.control = control;
    refusal.message = *check.error;
    refusal.caption = QLatin1String(kInputErrorCaption);
    return {refusal, Currency{}};
}

bool nickelPriceValid(Currency value)
{
    return value.units() >= kNickelUnits && value.units() <= kMaxNickelPriceUnits &&
           value.units() % kNickelUnits == 0;
}

Check checkNickelPrice(Currency value, int control, const char* column)
{
    if (nickelPriceValid(value))
        return std::nullopt;
    Refusal refusal;
    refusal.column = QLatin1String(column);
    refusal.control = control;
    refusal.message =
        QStringLiteral("Please  enter a currency multiple of Nickels.The range is $0.05 to $9.95");
    refusal.caption = QLatin1String(kNickelCaption);
    return refusal;
}

EditControls editControlsFor(int code, bool checkLocation)
{
    EditControls controls;
    controls.maxCardValue = setup::maxCardValueEditable(code);
    controls.enableTokens = setup::enableTokensEditable(code);
    controls.commonChecks = code != setup::kTovan2000CycleSetup;
    controls.userTransaction = controls.commonChecks && code != setup::kTovan2000;
    controls.pricesEditable = code != setup::kTovan2000CycleSetup;
    controls.pricesVisible = setup::pricesOnEditor(code);
    controls.locationClustering = checkLocation && setup::clusteringAllowed(code);
    return controls;
}

} // namespace profiles
