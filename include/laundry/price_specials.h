// Price special and door access profiles for hosts: the dialog that keeps
// them and writes their cards, and, without a dialog, their export and
// all-or-nothing import in the JSON form `laundrycard specials` uses, and
// the card of a named profile. The library's own messages go through its
// prompt service.
#pragma once

#include "laundry/laundry_export.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <optional>

extern "C" {

// Opens the "Price Special Profiles" dialog over the system database:
// price special mode, or door access mode when `mode` is 1. `rights` points
// to the host's block of at least 17 32-bit flags (entry 0 = 1 grants
// everything; else entries 13 and 16 allow card creation and editing of
// price specials, entries 5 and 9 those of door access). 1 once the dialog
// ran, 0 when the database could not be opened.
LAUNDRY_EXPORT uint8_t ShowLaundryPriceSpecials(uint32_t custId, const int32_t* rights,
                                                uint32_t mode);

// Writes the card of the profile `name` (UTF-8) onto the card in the reader
// as the dialog's "Create Card" (clear 0) or "Create a Clear Card" (clear 1)
// does: a price special card, or a restriction time card when `mode` is 1.
// 1 when the card was written; every refusal has been shown.
LAUNDRY_EXPORT uint8_t write_laundry_price_special_card(const char* name, uint16_t custId,
                                                        uint32_t mode, uint32_t clear);

} // extern "C"

struct LaundrySpecialsImport {
    int stored = 0;
    QString fileError;    // the text is no profile file (not a JSON array)
    QStringList refusals; // "NAME: message"; when any, nothing was stored
    bool failed = false;  // the database stopped it (already shown); nothing was stored

    bool succeeded() const { return fileError.isEmpty() && refusals.isEmpty() && !failed; }
};

class LAUNDRY_EXPORT LaundryPriceSpecials {
public:
    LaundryPriceSpecials();
    ~LaundryPriceSpecials();
    LaundryPriceSpecials(const LaundryPriceSpecials&) = delete;
    LaundryPriceSpecials& operator=(const LaundryPriceSpecials&) = delete;

    // Opens an existing system database; false with error() saying why.
    bool open(const QString& databasePath);
    QString error() const;

    // The profiles of one kind (door access when `door`), each a JSON object
    // of the import form, in table order; only the named ones (letter case
    // ignored, in the order named) when `names` is not empty. nullopt with
    // error() set after a database error or a name no profile of the kind
    // has.
    std::optional<QList<QJsonObject>> profiles(bool door, const QStringList& names = {});
    // Adds the profiles of a JSON array, each checked by the dialog's rules,
    // all of them or none.
    LaundrySpecialsImport import(const QByteArray& json);
    // The keys of the JSON form in the order files show them.
    static QStringList jsonKeyOrder();

private:
    struct Open;
    std::unique_ptr<Open> open_;
    QString error_;
};
