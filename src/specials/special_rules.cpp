#include "specials/special_rules.h"

#include <QLocale>
#include <QTime>

namespace specials {
namespace {

constexpr char kInputErrorCaption[] = "INPUT ERROR: Profile Data Edit";
constexpr char kForbiddenCharacters[] = "'\"|";

Refusal nameRefusal(const QString& message, const QString& caption, unsigned icon)
{
    return Refusal{QStringLiteral("PROFILE NAME"), kControlName, message, caption, icon};
}

} // namespace

QString trimmedName(const QString& name)
{
    qsizetype end = name.size();
    while (end > 0 && name[end - 1] == QLatin1Char(' '))
        --end;
    return name.left(end);
}

Check checkProfileName(Mode mode, const QString& name, const QString& previousName,
                       const QStringList& listedNames)
{
    using namespace promptui;
    if (name.isEmpty())
        return nameRefusal(QStringLiteral("Please Enter a Profile Name."), applicationTitle(mode),
                           MB_ICONEXCLAMATION);
    for (const QChar c : name) {
        if (QString::fromLatin1(kForbiddenCharacters).contains(c))
            return nameRefusal(QStringLiteral("Profile name can't contain a %1 character.").arg(c),
                               QString::fromLatin1(kInputErrorCaption), MB_ICONSTOP);
    }
    if (name.compare(previousName, Qt::CaseInsensitive) != 0 && listedNames.contains(name))
        return nameRefusal(QStringLiteral("Duplicate Profile Name.\nMust be unique"),
                           QString::fromLatin1(kInputErrorCaption), MB_ICONSTOP);
    return std::nullopt;
}

bool topoffTimeInRange(int minutes)
{
    return minutes >= 0 && minutes <= kMaxTopoffTime;
}

Refusal topoffTimeRefusal()
{
    return Refusal{QStringLiteral("TOPOFF TIME"), kControlTopoffTime,
                   QStringLiteral("Please  enter an integer btween 0 and 100"),
                   QStringLiteral("Invalid Number Entered"), promptui::MB_ICONEXCLAMATION};
}

Currency moneyFromText(const QString& text)
{
    return Currency::parse(text.trimmed()).value_or(Currency());
}

std::optional<std::pair<int, int>> timeFromText(const QString& text)
{
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QString trimmed = text.trimmed();
    for (const char* format : {"H:mm", "H:mm:ss", "h:mm AP", "h:mm:ss AP", "h AP", "h:mmAP",
                               "h:mm ap", "h:mm:ss ap", "h ap", "h:mmap"}) {
        const QTime time = us.toTime(trimmed, QString::fromLatin1(format));
        if (time.isValid())
            return std::pair{time.hour(), time.minute()};
    }
    return std::nullopt;
}

void takeTimes(SpecialEntry& entry, const QString& start, const QString& stop)
{
    const auto from = timeFromText(start);
    const auto to = timeFromText(stop);
    entry.setStart(from ? from->first : -1, from ? from->second : -1);
    entry.setStop(to ? to->first : -1, to ? to->second : -1);
}

} // namespace specials
