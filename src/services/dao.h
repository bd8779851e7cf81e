// The database services: DAO-style classes over the system database and the
// dbhelper functions. The platform's database layer implements them; nothing
// here names the engine behind it.
//
// Values travel as QVariant: text as QString, money as Currency, yes/no as
// bool, numbers as qint32 (qint64 when a stored number does not fit), dates
// as QDateTime. A NULL column reads as an invalid QVariant.
#pragma once

#include <QDateTime>
#include <QMetaType>
#include <QString>
#include <QStringView>
#include <QVariant>

#include <compare>
#include <cstdint>
#include <exception>
#include <memory>
#include <optional>

class QTreeWidget;

class CdbDatabase;
namespace dao {
class Connection;
class RecordsetCore;
// The open connection of a database, for the platform's own queries.
Connection& connectionOf(const CdbDatabase& database);
} // namespace dao

// ---------------------------------------------------------------------------
// Money: an exact count of 1/10000 dollar, stored as an integer.
class Currency {
public:
    static constexpr qint64 kUnitsPerDollar = 10000;

    constexpr Currency() = default;
    constexpr explicit Currency(qint64 units) : units_(units) {}
    static constexpr Currency fromCents(qint64 cents) { return Currency(cents * 100); }
    static constexpr Currency fromDollars(qint64 dollars)
    {
        return Currency(dollars * kUnitsPerDollar);
    }

    constexpr qint64 units() const { return units_; }

    // Plain decimal text, trailing zeros dropped: "1.5", "2", "0.25", "-3.0001".
    QString toString() const;

    // An optional leading "$", digits with optional "," groups of three, then
    // optionally "." and up to four decimals. Anything else gives nullopt.
    static std::optional<Currency> parse(QStringView text);

    // Currency, an integer (dollars), a double (dollars, rounded to 1/10000)
    // or text accepted by parse (a leading "-" allowed); nullopt otherwise.
    static std::optional<Currency> fromVariant(const QVariant& value);
    QVariant toVariant() const { return QVariant::fromValue(*this); }

    friend constexpr bool operator==(const Currency&, const Currency&) = default;
    friend constexpr auto operator<=>(const Currency&, const Currency&) = default;
    friend constexpr Currency operator+(Currency a, Currency b)
    {
        return Currency(a.units_ + b.units_);
    }
    friend constexpr Currency operator-(Currency a, Currency b)
    {
        return Currency(a.units_ - b.units_);
    }

private:
    qint64 units_ = 0;
};
// A Currency in a QVariant: QVariant::fromValue(c) / v.value<Currency>().
// Converters to QString (toString) and double (dollars) are registered when
// the platform library loads, so v.toString() works too.
Q_DECLARE_METATYPE(Currency)

// ---------------------------------------------------------------------------
// DAO error numbers; a CdbException's result code is 0x800A0000 | number.
enum DaoErrorNumber : int {
    kDaoReservedError = 3000,
    kDaoInvalidArgument = 3001,
    kDaoUpdateWithoutEdit = 3020,
    kDaoNoCurrentRecord = 3021,
    kDaoDuplicateKey = 3022,
    kDaoFileNotFound = 3024,
    kDaoDiskFull = 3026,
    kDaoReadOnly = 3027,
    kDaoNoTransaction = 3034,
    kDaoOutOfMemory = 3035,
    kDaoDiskIoError = 3043,
    kDaoNotADatabase = 3049,
    kDaoCannotOpenFile = 3051,
    kDaoUnknownName = 3070,
    kDaoSyntaxError = 3075,
    kDaoTableNotFound = 3078,
    kDaoInvalidStatement = 3129,
    kDaoFromClauseError = 3131,
    kDaoOrderByClauseError = 3138,
    kDaoSelectListError = 3141,
    kDaoFieldNotUpdatable = 3164,
    kDaoRecordDeleted = 3167,
    kDaoLocked = 3218,
    kDaoLockedByUser = 3260,
    kDaoItemNotFound = 3265,
    kDaoNullNotAllowed = 3314,
    kDaoValidationRule = 3317,
    kDaoNumericOverflow = 3349,
    kDaoObjectInvalid = 3420,
    kDaoConversionError = 3421,
    kDaoTypeMismatch = 3464,
};

constexpr uint32_t daoResultCode(int number)
{
    return 0x800A0000u | (static_cast<uint32_t>(number) & 0xFFFFu);
}

// Every database failure. Raising one also makes it the last error that
// CdbLastOLEError reports.
class CdbException : public std::exception {
public:
    CdbException(uint32_t resultCode, QString description);

    uint32_t resultCode() const { return resultCode_; }
    int errorNumber() const { return static_cast<int>(resultCode_ & 0xFFFFu); }
    const QString& description() const { return description_; }
    const char* what() const noexcept override { return what_.constData(); }

private:
    uint32_t resultCode_;
    QString description_;
    QByteArray what_;
};

// The description of the last DAO error raised on this thread, taken when the
// object is constructed (as DAO does after catching a CdbException).
class CdbLastOLEError {
public:
    CdbLastOLEError();
    QString GetDescription() const { return description_; }
    uint32_t GetResultCode() const { return resultCode_; }

private:
    QString description_;
    uint32_t resultCode_ = 0;
};

// ---------------------------------------------------------------------------
enum class CdbFieldType : int {
    Boolean = 1,
    Long = 4,
    Currency = 5,
    Double = 7,
    Date = 8,
    Text = 10,
};

enum class CdbEditMode : int { None = 0, InProgress = 1, Add = 2 };

// One column of a recordset. A field refers to its recordset: it reads and
// writes the current record (or the edit buffer) of that recordset.
class CdbField {
public:
    CdbField() = default;
    QString GetName() const;
    CdbFieldType GetType() const;
    QVariant GetValue() const;

private:
    friend class CdbFields;
    CdbField(std::shared_ptr<dao::RecordsetCore> recordset, int index);
    std::shared_ptr<dao::RecordsetCore> recordset_;
    int index_ = -1;
};

// The fields collection of a recordset, by position or by name.
class CdbFields {
public:
    int GetCount() const;
    CdbField Item(int index) const;           // 3265 when out of range
    CdbField Item(const QString& name) const; // 3265 when unknown
    CdbField operator[](int index) const { return Item(index); }
    CdbField operator[](const QString& name) const { return Item(name); }

private:
    friend class CdbRecordset;
    explicit CdbFields(std::shared_ptr<dao::RecordsetCore> recordset);
    std::shared_ptr<dao::RecordsetCore> recordset_;
};

class CdbDatabase;

// A dynaset over one table: a cursor over the keys of the rows the query
// selected, in the query's order. Records added through the recordset join
// its end. Copies share one cursor, as a DAO recordset passed by value does.
// A default-constructed recordset is not open: every operation raises 3420.
class CdbRecordset {
public:
    CdbRecordset() = default;

    void AddNew();       // the buffer starts empty; Update inserts it
    void Edit();         // 3021 without a current record
    void Update();       // 3020 without AddNew or Edit
    void CancelUpdate(); // 3020 without AddNew or Edit
    void Delete();       // immediate; no current record until a Move

    void MoveFirst(); // 3021 on an empty recordset
    void MoveNext();  // 3021 at EOF or without a position
    void MoveLast();
    bool GetEOF() const;
    int GetRecordCount() const;

    // Jet filter texts: "[PROFILE NAME] = 'Dryers'", "(INDEXID = 4) AND ...".
    // A failed find sets NoMatch and leaves no current record.
    void FindFirst(const QString& criteria);
    void FindLast(const QString& criteria);
    bool GetNoMatch() const;

    QVariant GetField(const QString& name) const; // 3265 when unknown
    QVariant GetField(int index) const;
    void SetField(const QString& name, const QVariant& value); // only in AddNew/Edit
    void SetField(int index, const QVariant& value);
    CdbFields GetFields() const;

    CdbEditMode GetEditMode() const;
    void Requery(); // runs the query again, first record current

    void Close();
    bool IsOpen() const;
    // The database the recordset was opened on (the same connection).
    CdbDatabase GetDatabase() const;

private:
    friend class CdbDatabase;
    dao::RecordsetCore& core() const;
    std::shared_ptr<dao::RecordsetCore> core_;
};

// An open database file. Copies share the connection; Close closes it for
// every copy and every recordset opened from it.
class CdbDatabase {
public:
    CdbDatabase() = default;

    // A table name ("PRICE PROFILES" or "[PRICE PROFILES]") or a single-table
    // "SELECT * FROM [t] [WHERE filter] [ORDER BY [c] [ASC|DESC], ...]".
    CdbRecordset OpenRecordset(const QString& source);
    // "DELETE [*] FROM [t] [WHERE filter]".
    void Execute(const QString& sql);
    // Closing rolls back a transaction still open.
    void Close();
    bool IsOpen() const;

    // Transactions nest; CommitTrans and Rollback end the innermost, and
    // raise 3034 when none is open. Until committed, the writes of a
    // transaction are seen only through this database. A write that fails
    // inside one raises its error and leaves the transaction for the caller
    // to end (after a full disk, only Rollback can).
    // After a Rollback the recordsets of this database no longer hold the
    // rows it took back (as if deleted there) and read every row afresh.
    // Prefer CdbTransaction, which cannot leave one open.
    void BeginTrans();
    void CommitTrans();
    void Rollback();

private:
    friend class CdbDBEngine;
    friend class CdbRecordset;
    friend class CdbTransaction;
    friend dao::Connection& dao::connectionOf(const CdbDatabase& database);
    dao::Connection& connection() const;
    std::shared_ptr<dao::Connection> connection_;
};

// A transaction that is rolled back on every path out of its scope unless
// committed:
//     CdbTransaction transaction(db);
//     ...writes...
//     transaction.Commit();
class CdbTransaction {
public:
    explicit CdbTransaction(CdbDatabase& database); // BeginTrans
    ~CdbTransaction();                              // Rollback unless committed; never throws
    CdbTransaction(const CdbTransaction&) = delete;
    CdbTransaction& operator=(const CdbTransaction&) = delete;

    void Commit(); // CommitTrans; once failed, the destructor rolls back

private:
    CdbDatabase database_;
    int level_ = 0; // the nesting level this transaction opened
    bool committed_ = false;
};

class CdbDBEngine {
public:
    CdbDBEngine() = default;
    // Opens an existing database file; 3024 when it does not exist (a file is
    // never created here), 3051 for a folder, 3049 when it is not a database
    // (an empty file included), 3027 when it is opened for writing and the
    // file or its folder is read-only. An older system database opened for
    // writing is upgraded to the current schema when it can be.
    CdbDatabase OpenDatabase(const QString& fileName, bool readOnly = false);
    // How long a write waits for another connection's write to finish.
    void SetBusyTimeout(int milliseconds) { busyTimeoutMs_ = milliseconds; }

private:
    int busyTimeoutMs_ = 5000;
};

// ---------------------------------------------------------------------------
namespace dbhelper {

// Opens an existing file into *database (options: 0 read-write, 1 read-only).
// Nonzero on success; on failure the error is CdbLastOLEError's.
uint8_t Connect_To_Database(QString fileName, CdbDatabase* database, CdbDBEngine* engine,
                            int options);
// After a failed Connect_To_Database: "Cannot open /full/path: cause (error
// N)", the file named as the operator finds it and the cause in words.
QString openFailureText(const QString& fileName);
// Opens the recordset of a table name or SELECT text into *recordset.
uint8_t Connect_To_Recordset(QString sql, CdbRecordset* recordset, CdbDatabase* database);

// Report columns with the given titles; widths are percent shares of the
// list's width (kept on resize). A share of 0 hides the column.
uint8_t ExternSetupListControl(QTreeWidget* list, int columnCount, const char titles[][40],
                               const uint8_t* widths);
// Empties the list and adds one row per record, in recordset order, each
// cell the text (fieldText) of the field named by its column title. The
// recordset shares the caller's cursor, which ends after the last record.
// Fails (0, list untouched) when a title names no field.
uint8_t ExternFillListControl(QTreeWidget* list, int columnCount, const char titles[][40],
                              CdbRecordset recordset);

// A text value as a filter literal: 'O''Brien'. Whatever the value holds, it
// stays one literal in the filter.
QString quoteFilterText(const QString& value);
// A date as filter text in U.S. order, "3/5/2020 1:02:03 PM", or "3/5/2020"
// at midnight; put it between '#' characters.
QString filterDateText(const QDateTime& value);
// The text a list shows for a field value: text as is, numbers in decimal,
// money "$1.50", yes/no "Yes"/"No", dates "3/5/2020 1:02:03 PM", NULL "".
QString fieldText(const QVariant& value);

// Creates a new system database at path with every table, column and index;
// refuses to overwrite an existing file. On failure returns false and sets
// *error (when given) to the reason.
bool createDatabase(const QString& path, QString* error);
// The schema version createDatabase writes (PRAGMA user_version).
int schemaVersion();

// True when name is a postgresql:// (or postgres://) connection URI: a
// database on a PostgreSQL server, not a file.
bool isServerDatabase(const QString& name);
// A database's name as an operator sees it: a file's native path, or a
// server URI without its password.
QString shownDatabaseName(const QString& name);
// Copies every row of every system table from one database to another,
// keys and values exactly, between any two engines, in one transaction on
// the target. A missing target file, or an empty server database, gets the
// schema first. A target holding rows is refused unless replace, which
// empties it first. False with a sentence in error when it cannot; the
// rows copied, all tables together, in rowsCopied when it can.
bool copyDatabase(const QString& from, const QString& to, bool replace, QString* error,
                  qint64* rowsCopied = nullptr);

} // namespace dbhelper
