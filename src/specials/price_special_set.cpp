#include "specials/price_special_set.h"

namespace specials {
namespace {

// A column that holds no number reads 0.
int integerOf(const QVariant& value)
{
    bool ok = false;
    const int number = value.toInt(&ok);
    return ok ? number : 0;
}

} // namespace

QString profileNameFilter(const QString& name)
{
    return QStringLiteral("[PROFILE NAME] = ") + dbhelper::quoteFilterText(name);
}

bool PriceSpecialSet::openForProfile(const QString& name)
{
    name_ = name;
    return table_.open(database_, QStringLiteral("SELECT * from [%1] WHERE %2")
                                      .arg(QLatin1String(kSpecialsTable),
                                           profileNameFilter(name))) == OpenTable::Failure::None;
}

int PriceSpecialSet::count()
{
    CdbRecordset& rows = recordset();
    if (rows.GetRecordCount() == 0)
        return 0;
    rows.MoveLast();
    return rows.GetRecordCount();
}

bool PriceSpecialSet::findByIndex(int id)
{
    CdbRecordset& rows = recordset();
    if (rows.GetRecordCount() == 0)
        return false;
    rows.MoveFirst();
    rows.FindFirst(QStringLiteral("(%1) AND (INDEXID = %2)").arg(profileNameFilter(name_)).arg(id));
    return !rows.GetNoMatch();
}

void PriceSpecialSet::moveToPosition(int n)
{
    CdbRecordset& rows = recordset();
    rows.MoveFirst();
    for (int i = 0; i < n; ++i)
        rows.MoveNext();
}

void PriceSpecialSet::loadCurrent()
{
    const CdbRecordset& rows = recordset();
    entry_.days = daysMask(rows.GetField(QStringLiteral("DAYS")).toString());
    entry_.price =
        Currency::fromVariant(rows.GetField(QStringLiteral("SPECIAL PRICE"))).value_or(Currency());
    int hour = 0;
    int minute = 0;
    readTimeText(rows.GetField(QStringLiteral("START TIME")).toString(), &hour, &minute);
    entry_.setStart(hour, minute);
    readTimeText(rows.GetField(QStringLiteral("STOP TIME")).toString(), &hour, &minute);
    entry_.setStop(hour, minute);
}

bool PriceSpecialSet::findAndLoad(int id)
{
    if (!findByIndex(id))
        return false;
    loadCurrent();
    return true;
}

void PriceSpecialSet::moveAndLoad(int n)
{
    moveToPosition(n);
    loadCurrent();
}

void PriceSpecialSet::save(int id, SaveStep* step)
{
    SaveStep ignored = SaveStep::Add;
    SaveStep& at = step ? *step : ignored;
    CdbRecordset& rows = recordset();
    at = SaveStep::Edit;
    if (!newEntry_ && findByIndex(id)) {
        rows.Edit();
    } else {
        at = SaveStep::Add;
        rows.AddNew();
    }
    at = SaveStep::Transfer;
    rows.SetField(QStringLiteral("PROFILE NAME"), name_);
    rows.SetField(QStringLiteral("DAYS"), daysText(entry_.days));
    rows.SetField(QStringLiteral("SPECIAL PRICE"), entry_.price.toVariant());
    rows.SetField(QStringLiteral("START TIME"), timeText(entry_.startHour, entry_.startMinute));
    rows.SetField(QStringLiteral("STOP TIME"), timeText(entry_.stopHour, entry_.stopMinute));
    at = SaveStep::Update;
    rows.Update();
    newEntry_ = false;
}

void PriceSpecialSet::remove(int id)
{
    if (!findByIndex(id))
        return;
    recordset().Delete();
    openForProfile(name_);
}

void PriceSpecialSet::removeAll(const QString& name)
{
    const QString previous = name_;
    openForProfile(name);
    CdbRecordset& rows = recordset();
    const QString filter = profileNameFilter(name);
    for (;;) {
        if (rows.GetRecordCount() == 0)
            break;
        rows.FindLast(filter);
        if (rows.GetNoMatch())
            break;
        rows.Delete();
    }
    openForProfile(previous);
}

int PriceSpecialSet::currentIndex()
{
    return integerOf(recordset().GetField(QStringLiteral("INDEXID")));
}

QList<SpecialEntry> PriceSpecialSet::entries()
{
    QList<SpecialEntry> all;
    const SpecialEntry kept = entry_;
    CdbRecordset& rows = recordset();
    if (rows.GetRecordCount() > 0) {
        for (rows.MoveFirst(); !rows.GetEOF(); rows.MoveNext()) {
            loadCurrent();
            all.append(entry_);
        }
    }
    entry_ = kept;
    return all;
}

} // namespace specials
