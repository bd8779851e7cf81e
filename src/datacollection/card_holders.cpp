// The exported card-holder registry over SERIAL INFO and USER INFO.
#include "laundry/card_holders.h"

#include "datacollection/card_holder_rows.h"
#include "exports/module_state.h"
#include "services/cardcore.h"
#include "services/dao.h"

#include <QHash>

#include <array>
#include <functional>

namespace {

constexpr char kSerialTable[] = "SERIAL INFO";
constexpr char kUserTable[] = "USER INFO";
constexpr char kSerial[] = "SERIAL";
constexpr char kAccount[] = "ACCOUNTID";
constexpr char kFirst[] = "FIRSTNAME";
constexpr char kLast[] = "LASTNAME";
constexpr qsizetype kMaxTextLength = 50;

using Serial = std::array<uint8_t, 6>;

std::optional<Serial> parseSerial(const QString& text)
{
    Serial bytes{};
    if (!cardcore::GetBinaryCardSerial(text, bytes.data(), 5, 6))
        return std::nullopt;
    return bytes;
}

// What the lookup compares: bytes 1 to 5.
QString keyOf(const Serial& serial)
{
    return datacollection::cardSerialKey(serial.data());
}

// Rows read as the lookup reads them.
using datacollection::forEachRow;
using datacollection::textField;

QString checkedText(const QString& what, const QString& text, QString* error)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        *error = QStringLiteral("%1 is empty").arg(what);
    else if (trimmed.size() > kMaxTextLength)
        *error = QStringLiteral("%1 is longer than %2 characters").arg(what).arg(kMaxTextLength);
    else if (std::any_of(trimmed.begin(), trimmed.end(), [](QChar c) { return !c.isPrint(); }))
        *error = QStringLiteral("%1 holds a character that is not printable").arg(what);
    return trimmed;
}

QString daoText(const CdbException& error)
{
    return QStringLiteral("%1 (error %2)").arg(error.description()).arg(error.errorNumber());
}

} // namespace

struct LaundryCardHolders::Open {
    CdbDatabase database;
};

LaundryCardHolders::LaundryCardHolders() = default;

LaundryCardHolders::~LaundryCardHolders()
{
    if (open_ && open_->database.IsOpen()) {
        try {
            open_->database.Close();
        } catch (const CdbException&) {
            // Nothing is left to save.
        }
    }
}

bool LaundryCardHolders::open(const QString& databasePath)
{
    exports::ModuleState state;
    open_ = std::make_unique<Open>();
    CdbDBEngine engine;
    if (!dbhelper::Connect_To_Database(databasePath, &open_->database, &engine, 0)) {
        error_ = dbhelper::openFailureText(databasePath);
        open_.reset();
        return false;
    }
    error_.clear();
    return true;
}

QString LaundryCardHolders::error() const
{
    return error_;
}

std::optional<QList<LaundryCardHolder>> LaundryCardHolders::all()
{
    exports::ModuleState state;
    if (!open_)
        return std::nullopt;
    try {
        // The names of each account: its first USER INFO row, as the lookup finds it.
        QHash<QString, std::pair<QString, QString>> names;
        CdbRecordset users = open_->database.OpenRecordset(QString::fromLatin1(kUserTable));
        forEachRow(users, [&] {
            const QString account = textField(users, kAccount);
            if (!names.contains(account))
                names.insert(account, {textField(users, kFirst), textField(users, kLast)});
            return true;
        });
        users.Close();
        CdbRecordset serials = open_->database.OpenRecordset(
            QStringLiteral("SELECT * FROM [%1] ORDER BY [%2]").arg(kSerialTable, kSerial));
        QList<LaundryCardHolder> holders;
        forEachRow(serials, [&] {
            LaundryCardHolder holder;
            holder.serial = textField(serials, kSerial);
            if (const auto bytes = parseSerial(holder.serial))
                holder.key = keyOf(*bytes);
            holder.account = textField(serials, kAccount);
            const auto name = names.value(holder.account);
            holder.first = name.first;
            holder.last = name.second;
            holders << holder;
            return true;
        });
        serials.Close();
        return holders;
    } catch (const CdbException& error) {
        error_ = daoText(error);
        return std::nullopt;
    }
}

bool LaundryCardHolders::add(const QString& serial, const QString& account, const QString& first,
                             const QString& last)
{
    exports::ModuleState state;
    if (!open_)
        return false;
    const auto bytes = parseSerial(serial);
    if (!bytes) {
        error_ = QStringLiteral("\"%1\" is not a card serial: give 12 hexadecimal digits (or the "
                                "10 of the key), pairs optionally separated by blanks or dashes")
                     .arg(serial);
        return false;
    }
    error_.clear();
    const QString accountId = checkedText(QStringLiteral("the account id"), account, &error_);
    const QString firstName = checkedText(QStringLiteral("the first name"), first, &error_);
    const QString lastName = checkedText(QStringLiteral("the last name"), last, &error_);
    if (!error_.isEmpty())
        return false;
    const QString key = keyOf(*bytes);
    try {
        CdbTransaction transaction(open_->database);
        CdbRecordset serials = open_->database.OpenRecordset(QString::fromLatin1(kSerialTable));
        forEachRow(serials, [&] {
            const auto stored = parseSerial(textField(serials, kSerial));
            if (stored && keyOf(*stored) == key)
                error_ = QStringLiteral("card serial %1 is already registered to account %2")
                             .arg(textField(serials, kSerial), textField(serials, kAccount));
            return error_.isEmpty();
        });
        if (!error_.isEmpty())
            return false;
        bool accountKnown = false;
        CdbRecordset users = open_->database.OpenRecordset(QString::fromLatin1(kUserTable));
        forEachRow(users, [&] {
            if (textField(users, kAccount) != accountId)
                return true;
            accountKnown = true;
            if (textField(users, kFirst) != firstName || textField(users, kLast) != lastName)
                error_ = QStringLiteral("account %1 is already registered to %2,%3")
                             .arg(accountId, textField(users, kLast), textField(users, kFirst));
            return false;
        });
        if (!error_.isEmpty())
            return false;
        serials.AddNew();
        serials.SetField(
            QString::fromLatin1(kSerial),
            QString::fromLatin1(
                QByteArray(reinterpret_cast<const char*>(bytes->data()), int(bytes->size()))
                    .toHex()
                    .toUpper()));
        serials.SetField(QString::fromLatin1(kAccount), accountId);
        serials.Update();
        if (!accountKnown) {
            users.AddNew();
            users.SetField(QString::fromLatin1(kAccount), accountId);
            users.SetField(QString::fromLatin1(kFirst), firstName);
            users.SetField(QString::fromLatin1(kLast), lastName);
            users.Update();
        }
        transaction.Commit();
        return true;
    } catch (const CdbException& error) {
        error_ = daoText(error);
        return false;
    }
}

bool LaundryCardHolders::remove(const QString& serial)
{
    exports::ModuleState state;
    if (!open_)
        return false;
    const auto bytes = parseSerial(serial);
    if (!bytes) {
        error_ = QStringLiteral("\"%1\" is not a card serial").arg(serial);
        return false;
    }
    const QString key = keyOf(*bytes);
    error_.clear();
    try {
        CdbTransaction transaction(open_->database);
        CdbRecordset serials = open_->database.OpenRecordset(QString::fromLatin1(kSerialTable));
        QString account;
        bool found = false;
        forEachRow(serials, [&] {
            const auto stored = parseSerial(textField(serials, kSerial));
            if (!stored || keyOf(*stored) != key)
                return true;
            found = true;
            account = textField(serials, kAccount);
            serials.Delete();
            return false;
        });
        if (!found) {
            error_ = QStringLiteral("card serial %1 is not registered").arg(serial);
            return false;
        }
        bool accountUsed = false;
        forEachRow(serials, [&] {
            accountUsed = textField(serials, kAccount) == account;
            return !accountUsed;
        });
        if (!accountUsed) {
            CdbRecordset users = open_->database.OpenRecordset(QString::fromLatin1(kUserTable));
            forEachRow(users, [&] {
                if (textField(users, kAccount) == account)
                    users.Delete();
                return true;
            });
        }
        transaction.Commit();
        return true;
    } catch (const CdbException& error) {
        error_ = daoText(error);
        return false;
    }
}
