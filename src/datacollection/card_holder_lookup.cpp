#include "datacollection/card_holder_lookup.h"

#include "datacollection/dc_store_messages.h"
#include "datacollection/dc_store_prompt.h"
#include "services/cardcore.h"
#include "services/dao.h"
#include "services/system_database.h"

namespace datacollection {
namespace {

struct LookupState {
    CdbDatabase database;
    CdbRecordset serials; // SERIAL INFO
    CdbRecordset users;   // USER INFO
    CardHolderNames names;
};

LookupState& lookupState()
{
    static LookupState state;
    return state;
}

// A column's text; a value of any other kind (NULL included) counts as "".
QString textOf(const CdbRecordset& row, const QString& column)
{
    const QVariant value = row.GetField(column);
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

// The key of a stored serial text: bytes 1 to 5 of its six bytes.
QString keyOf(const QString& serialText)
{
    uint8_t serial[6];
    cardcore::GetBinaryCardSerial(serialText, serial, 5, 6);
    QString key;
    for (int i = 1; i < 6; ++i)
        key += QStringLiteral("%1").arg(uint{serial[i]}, 2, 16, QLatin1Char('0')).toUpper();
    return key;
}

// The account of the first SERIAL INFO row whose serial has the key; ""
// when none has.
QString accountOf(CdbRecordset& serials, const QString& key)
{
    if (serials.GetRecordCount() == 0)
        return QString();
    for (serials.MoveFirst(); !serials.GetEOF(); serials.MoveNext()) {
        if (keyOf(textOf(serials, QStringLiteral("SERIAL"))) == key)
            return textOf(serials, QStringLiteral("ACCOUNTID"));
    }
    return QString();
}

CardHolderNames holderOf(CdbRecordset& users, const QString& account)
{
    if (users.GetRecordCount() == 0)
        return {};
    for (users.MoveFirst(); !users.GetEOF(); users.MoveNext()) {
        if (textOf(users, QStringLiteral("ACCOUNTID")) == account) {
            CardHolderNames names;
            names.first = textOf(users, QStringLiteral("FIRSTNAME"));
            names.last = textOf(users, QStringLiteral("LASTNAME"));
            names.full = names.last + QLatin1Char(',') + names.first;
            return names;
        }
    }
    return {};
}

} // namespace

void close_user_tables()
{
    LookupState& state = lookupState();
    try {
        for (CdbRecordset* table : {&state.serials, &state.users}) {
            if (table->IsOpen())
                table->Close();
        }
        if (state.database.IsOpen())
            state.database.Close();
    } catch (const CdbException&) {
        // Only read from: closing loses nothing.
    }
    state.serials = CdbRecordset();
    state.users = CdbRecordset();
    state.database = CdbDatabase();
}

uint8_t open_user_tables()
{
    close_user_tables();
    LookupState& state = lookupState();
    CdbDBEngine engine;
    // The lookup only reads, so a write-protected database still names holders.
    if (!dbhelper::Connect_To_Database(systemdb::databasePath(), &state.database, &engine, 1)) {
        showError(text::kCantOpenManagerMdb, text::kTitleManager);
        return 0;
    }
    const std::pair<CdbRecordset*, const char*> tables[] = {{&state.serials, "SERIAL INFO"},
                                                            {&state.users, "USER INFO"}};
    for (const auto& [recordset, name] : tables) {
        if (!dbhelper::Connect_To_Recordset(QString::fromLatin1(name), recordset,
                                            &state.database)) {
            showError(recordset == &state.serials ? text::kCantOpenSerialInfo
                                                  : text::kCantOpenUserInfo,
                      text::kTitleManager);
            close_user_tables();
            return 0;
        }
    }
    return 1;
}

uint8_t lookup_card_holder(const QString& key)
{
    struct CloseAfter {
        ~CloseAfter() { close_user_tables(); }
    } closeAfter;
    LookupState& state = lookupState();
    // A lookup never hands on the names of the one before.
    state.names = CardHolderNames();
    try {
        for (CdbRecordset* table : {&state.serials, &state.users}) {
            if (table->GetRecordCount() > 0) {
                table->MoveLast();
                table->MoveFirst();
            }
        }
    } catch (const CdbException& error) {
        showError(engineErrorText(text::kRecordCountError, error), text::kTitleUtilityError);
        return 0;
    }
    try {
        state.names = holderOf(state.users, accountOf(state.serials, key));
    } catch (const CdbException& error) {
        showError(engineErrorText(text::kTransferError, error), text::kTitleReaderError);
        return 0;
    }
    return 1;
}

const CardHolderNames& cardHolderNames()
{
    return lookupState().names;
}

} // namespace datacollection
