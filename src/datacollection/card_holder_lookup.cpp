#include "datacollection/card_holder_lookup.h"

#include "datacollection/card_holder_rows.h"
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

// The key of a stored serial text; a text that is no serial reads as zeros.
QString keyOf(const QString& serialText)
{
    uint8_t serial[6];
    cardcore::GetBinaryCardSerial(serialText, serial, 5, 6);
    return cardSerialKey(serial);
}

// The account of the first SERIAL INFO row whose serial has the key; ""
// when none has.
QString accountOf(CdbRecordset& serials, const QString& key)
{
    QString account;
    forEachRow(serials, [&] {
        if (keyOf(textField(serials, "SERIAL")) != key)
            return true;
        account = textField(serials, "ACCOUNTID");
        return false;
    });
    return account;
}

CardHolderNames holderOf(CdbRecordset& users, const QString& account)
{
    CardHolderNames names;
    forEachRow(users, [&] {
        if (textField(users, "ACCOUNTID") != account)
            return true;
        names.first = textField(users, "FIRSTNAME");
        names.last = textField(users, "LASTNAME");
        names.full = names.last + QLatin1Char(',') + names.first;
        return false;
    });
    return names;
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
