// The card holders of a system database, for hosts: which service person's
// card serial belongs to which account and name (SERIAL INFO and USER INFO),
// as the Advanteck audit lookup reads them.
#pragma once

#include "laundry/laundry_export.h"

#include <QList>
#include <QString>

#include <memory>
#include <optional>

struct LaundryCardHolder {
    QString serial;  // as stored
    QString key;     // the ten-digit lookup key (serial bytes 1 to 5); "" when no serial
    QString account; // ACCOUNTID
    QString first;   // "" when USER INFO has no row for the account
    QString last;
};

class LAUNDRY_EXPORT LaundryCardHolders {
public:
    LaundryCardHolders();
    ~LaundryCardHolders();
    LaundryCardHolders(const LaundryCardHolders&) = delete;
    LaundryCardHolders& operator=(const LaundryCardHolders&) = delete;

    // Opens an existing system database; false with error() saying why.
    bool open(const QString& databasePath);
    QString error() const;

    // Every registered card serial with its account and the account's
    // names, in serial order; nullopt (error() set) after a database error.
    std::optional<QList<LaundryCardHolder>> all();
    // Registers a card: its serial (12 hexadecimal digits byte 0 first, or
    // the ten-digit key; blanks or dashes between pairs allowed), stored as
    // 12 upper-case digits, for the account, and the account's names. A
    // serial the lookup could not tell from a registered one, or an account
    // registered under other names, is refused; both rows or neither.
    bool add(const QString& serial, const QString& account, const QString& first,
             const QString& last);
    // Removes the card's serial, and its account's names when no other card
    // uses the account. False (error() set) when the serial is not registered.
    bool remove(const QString& serial);

private:
    struct Open;
    std::unique_ptr<Open> open_;
    QString error_;
};
